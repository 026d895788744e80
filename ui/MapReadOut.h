#pragma once
// What the map reads out for a Lambert 1972 point: the point in every
// system the program writes, as the window shows it and as a click copies
// it. A point outside a system's reach has nothing there ("—").

#include <QPointF>
#include <QString>
#include <optional>

namespace koord::ui {

struct PointReadOut {
  QPointF lambert;               // Lambert 1972 (m), as pointed
  std::optional<QPointF> wgs84;  // latitude, longitude (degrees, WGS84)
  QString mgrs;                  // to the metre, "31UES9637232970"; empty when none
  QString ifbl;                  // the 1 x 1 km square, "E4.35.22"; empty when none
};

PointReadOut ReadOut(QPointF lambert);

// The lines shown under the map, one per system: "Lambert 1972 : X=150000
// Y=170000", "WGS84 : 50,84041 N  4,36875 E", "MGRS : …", "IFBL : …";
// degrees with `decimalMark`.
QString ReadOutText(const PointReadOut& readOut, QChar decimalMark);

// The text a click copies: one line per system, its name, a tab and its
// values separated by tabs (signed degrees), ready to paste into a
// spreadsheet.
QString ReadOutClipboard(const PointReadOut& readOut, QChar decimalMark);

}  // namespace koord::ui
