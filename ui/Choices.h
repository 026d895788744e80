#pragma once
// The entries of the main window's lists and the rules that tie them
// together, apart from any widget. Each entry carries its value as the
// list stores it: a kind's or a datum's position in its table
// (engine/Choices.h), a precision's position in the table of the output
// kind, the number of decimals for degrees.

#include <QString>
#include <optional>
#include <vector>

#include "engine/Choices.h"

namespace koord::ui {

struct ListEntry {
  QString label;
  int value;
};

// "Lambert belge 1972", "UTM alphanumérique (MGRS)", "IFBL",
// "Degrés décimaux Greenwich", "Lambert belge 2008", "UTM (zone, est,
// nord)", then for the output only "Degrés, minutes, secondes".
std::vector<ListEntry> KindEntries(bool input);
// "Lambert 1972", "WGS84", "European 1950", "NTF (France)", "ETRS89".
std::vector<ListEntry> DatumEntries();

// The precision entries offered for an output kind: metres of MGRS, squares
// of IFBL, decimals of degrees, and for UTM numbers (whole metres) the zone
// they are written in, 0 for each point's own; none for Lambert (whole
// metres) and degrees-minutes-seconds (tenths of a second). The value
// selected at first, and the label of the list.
std::vector<ListEntry> PrecisionEntries(CoordKind destKind);
int DefaultPrecision(CoordKind destKind);
QString PrecisionLabel(CoordKind destKind);

// The datum that choosing a kind selects: Lambert 1972 and IFBL belong to
// the Belgian datum, Lambert 2008 to ETRS89, MGRS, UTM numbers and the
// input in degrees (a GPS) go with WGS84.
std::optional<Datum> InputDatumFor(CoordKind fromKind);
std::optional<Datum> OutputDatumFor(CoordKind destKind);
// True for the kinds that have one datum only, whose datum list then has
// nothing to choose.
bool HasSingleDatum(CoordKind kind);

// An example of the input kind, shown in the empty input box.
QString InputExample(CoordKind fromKind);

}  // namespace koord::ui
