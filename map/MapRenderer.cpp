#include "map/MapRenderer.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "map/MapData.h"
#include "map/MapScale.h"

namespace koord::map {
namespace {

// Colours of the map: light orange ground, pale neighbours, light green
// country with black province borders and a soft brown shadow.
const QColor kBackground(0xfd, 0xdf, 0xb8);
const QColor kNeighbourFill(0xfb, 0xef, 0xdc);
const QColor kNeighbourBorder(0xc8, 0xa8, 0x84);
const QColor kCountryFill(0xc4, 0xe8, 0xa4);
const QColor kShadow(0xb0, 0x94, 0x74);
const QColor kDotFill(Qt::red);
const QColor kDotOutline(Qt::black);

// Shadow offset and line widths at the 250-pixel default width; they grow
// with the area.
constexpr double kShadowOffset = 3.0;
constexpr double kProvinceLine = 0.8;
constexpr double kCountryLine = 1.4;

struct MapPaths {
  std::vector<QPainterPath> provinces;
  std::vector<QPainterPath> neighbours;
  QPainterPath country;
};

QPainterPath RingPath(const QPolygonF& ring) {
  QPainterPath path;
  path.addPolygon(ring);
  path.closeSubpath();
  return path;
}

// Paths in Lambert metres, built once from the embedded data. A shape
// made of several rings (an enclave, a hole) is one even-odd path.
const MapPaths& Paths() {
  static const MapPaths paths = [] {
    MapPaths built;
    QString lastName;
    for (const MapShape& shape : BelgiumMap()) {
      auto& list = shape.kind == MapShape::Kind::Province ? built.provinces : built.neighbours;
      if (list.empty() || shape.name != lastName) {
        list.emplace_back();
        list.back().setFillRule(Qt::OddEvenFill);
      }
      list.back().addPath(RingPath(shape.ring));
      lastName = shape.name;
    }
    for (const QPainterPath& province : built.provinces) {
      built.country = built.country.united(province);
    }
    return built;
  }();
  return paths;
}

// Lambert metres to pixels of an area of the given size.
QTransform LambertToPixels(QSize area) {
  const double sx = area.width() / kWidth;
  const double sy = area.height() / kHeight;
  return QTransform(sx, 0, 0, -sy, -kLeft * sx, kTop * sy);
}

QPen CosmeticPen(const QColor& colour, double width) {
  QPen pen(colour, width);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void PaintLand(QPainter& painter, QSize area) {
  const MapPaths& paths = Paths();
  const double grow = std::max(1.0, area.width() / double(kDefaultAreaWidth));
  const QTransform base = painter.transform();
  const QTransform toPixels = LambertToPixels(area) * base;
  const QTransform shadow = LambertToPixels(area) *
                            QTransform::fromTranslate(kShadowOffset * grow, kShadowOffset * grow) *
                            base;

  painter.setTransform(toPixels);
  painter.setPen(CosmeticPen(kNeighbourBorder, kProvinceLine * grow));
  painter.setBrush(kNeighbourFill);
  for (const QPainterPath& neighbour : paths.neighbours) painter.drawPath(neighbour);

  painter.setTransform(shadow);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kShadow);
  painter.drawPath(paths.country);

  painter.setTransform(toPixels);
  painter.setBrush(kCountryFill);
  painter.setPen(CosmeticPen(Qt::black, kProvinceLine * grow));
  for (const QPainterPath& province : paths.provinces) painter.drawPath(province);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(CosmeticPen(Qt::black, kCountryLine * grow));
  painter.drawPath(paths.country);
  painter.setTransform(base);
}

void PaintDots(QPainter& painter, QSize area, const std::vector<QPointF>& dots) {
  const MapScale scale(area);
  const double radius = kDotRadius * scale.PixelsPerMetre();
  const QRectF visible =
      QRectF(QPointF(0, 0), QSizeF(area)).adjusted(-radius, -radius, radius, radius);
  painter.setPen(CosmeticPen(kDotOutline, 1.0));
  painter.setBrush(kDotFill);
  for (const QPointF& dot : dots) {
    if (!std::isfinite(dot.x()) || !std::isfinite(dot.y())) continue;
    const QPointF centre = scale.ToPixel(dot.x(), dot.y());
    if (visible.contains(centre)) painter.drawEllipse(centre, radius, radius);
  }
}

}  // namespace

void PaintMap(QPainter& painter, QSize area, const std::vector<QPointF>& dots) {
  if (area.isEmpty()) return;
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), area), Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRect(QPoint(0, 0), area), kBackground);
  PaintLand(painter, area);
  PaintDots(painter, area, dots);
  painter.restore();
}

}  // namespace koord::map
