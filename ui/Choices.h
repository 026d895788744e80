#pragma once
// The entries of the main window's lists and the rules that tie them
// together, apart from any widget. The lists hold the run's choices in the
// order of their tables (engine/Choices.h): an entry's position is its
// value's list position.

#include <QString>
#include <QStringList>
#include <optional>

#include "engine/Choices.h"

namespace koord::ui {

// "Lambert belge 1972", "UTM alphanumérique (MGRS)", "IFBL",
// "Degrés décimaux Greenwich", then for the output "Degrés, minutes,
// secondes".
QStringList KindEntries(bool input);
// "Lambert 1972", "WGS84", "European 1950", "NTF (France)".
QStringList DatumEntries();

// The precision entries offered for an output kind (none for Lambert and
// degrees, which have no precision choice) and the one selected at first.
QStringList PrecisionEntries(CoordKind destKind);
int DefaultPrecision(CoordKind destKind);

// The datum that choosing a kind selects as a starting choice, if any:
// Lambert goes with the Belgian datum on both sides, MGRS output with WGS84.
std::optional<Datum> InputDatumFor(CoordKind fromKind);
std::optional<Datum> OutputDatumFor(CoordKind destKind);

// An example line of the input kind, shown in the empty input box.
QString InputExample(CoordKind fromKind);

}  // namespace koord::ui
