#pragma once
// The entries of the main window's lists and the rules that tie them
// together, apart from any widget.

#include <QString>
#include <QStringList>

#include <optional>

namespace koord::ui {

// Positions of the kind lists (input and output).
enum KindPosition { kLambert = 0, kMgrs = 1, kIfbl = 2, kDegrees = 3 };
// Positions of the datum lists.
enum DatumPosition { kDatumBel72 = 0, kDatumWgs84 = 1, kDatumEur50 = 2, kDatumNtf = 3 };

// "Lambert belge 1972", "UTM alphanumérique (MGRS)", "IFBL",
// "Degrés décimaux Greenwich".
QStringList KindEntries();
// "Lambert 1972", "WGS84", "European 1950", "NTF (France)".
QStringList DatumEntries();

// The precision entries offered for an output kind (none for Lambert and
// degrees, which have no precision choice) and the one selected at first.
QStringList PrecisionEntries(int destKind);
int DefaultPrecision(int destKind);

// The datum that choosing a kind selects as a starting choice, if any:
// Lambert goes with the Belgian datum on both sides, MGRS output with WGS84.
std::optional<int> InputDatumFor(int fromKind);
std::optional<int> OutputDatumFor(int destKind);

// An example line of the input kind, shown in the empty input box.
QString InputExample(int fromKind);

}  // namespace koord::ui
