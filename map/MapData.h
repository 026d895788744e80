#pragma once
// The vector map of Belgium: its provinces and the neighbouring countries,
// as closed rings in Belgian Lambert 1972 metres (data from Natural Earth,
// extracted by tools/make-map-data.py and embedded as a resource).

#include <QPolygonF>
#include <QString>
#include <QStringView>
#include <vector>

namespace koord::map {

struct MapShape {
  enum class Kind { Province, Neighbour };
  Kind kind;
  QString name;
  QPolygonF ring;
};

// Reads the text format of belgium.map: one ring per line, "kind<TAB>name
// <TAB>x y x y ...", comment lines starting with '#'. A malformed line is
// reported with qWarning and skipped.
std::vector<MapShape> ParseMapData(QStringView text);

// The embedded map, read once.
const std::vector<MapShape>& BelgiumMap();

}  // namespace koord::map
