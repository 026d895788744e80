#include "map/MapData.h"

#include <QFile>
#include <QtDebug>
#include <optional>

namespace koord::map {
namespace {

// Resource path of the embedded map data.
constexpr auto kMapResource = ":/map/belgium.map";

std::optional<MapShape::Kind> KindOf(QStringView word) {
  if (word == u"province") return MapShape::Kind::Province;
  if (word == u"neighbour") return MapShape::Kind::Neighbour;
  return std::nullopt;
}

std::optional<QPolygonF> RingOf(QStringView coordinates) {
  const auto numbers = coordinates.split(u' ', Qt::SkipEmptyParts);
  if (numbers.size() < 6 || numbers.size() % 2 != 0) return std::nullopt;
  QPolygonF ring;
  ring.reserve(numbers.size() / 2);
  for (qsizetype i = 0; i < numbers.size(); i += 2) {
    bool okX = false;
    bool okY = false;
    const double x = numbers[i].toDouble(&okX);
    const double y = numbers[i + 1].toDouble(&okY);
    if (!okX || !okY) return std::nullopt;
    ring << QPointF(x, y);
  }
  return ring;
}

}  // namespace

std::vector<MapShape> ParseMapData(QStringView text) {
  std::vector<MapShape> shapes;
  int lineNumber = 0;
  for (const QStringView line : text.split(u'\n')) {
    ++lineNumber;
    if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
    const auto fields = line.split(u'\t');
    const auto kind = fields.size() == 3 ? KindOf(fields[0]) : std::nullopt;
    auto ring = kind ? RingOf(fields[2]) : std::nullopt;
    if (!ring) {
      qWarning("belgium.map: line %d ignored", lineNumber);
      continue;
    }
    shapes.push_back({*kind, fields[1].toString(), std::move(*ring)});
  }
  return shapes;
}

const std::vector<MapShape>& BelgiumMap() {
  static const std::vector<MapShape> shapes = [] {
    QFile file(QString::fromLatin1(kMapResource));
    if (!file.open(QIODevice::ReadOnly)) {
      qWarning("%s: cannot be read", kMapResource);
      return std::vector<MapShape>{};
    }
    return ParseMapData(QString::fromUtf8(file.readAll()));
  }();
  return shapes;
}

}  // namespace koord::map
