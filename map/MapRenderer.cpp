#include "map/MapRenderer.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "map/IfblGrid.h"
#include "map/MapData.h"

namespace koord::map {
namespace {

// Colours of the map: blue sea, light orange neighbours, light green
// country with black province borders and a soft brown shadow; a neutral
// grey where the map data ends.
const QColor kNoData(0xe4, 0xe2, 0xdc);
const QColor kSea(0xb3, 0xd5, 0xeb);
const QColor kNeighbourFill(0xfd, 0xe6, 0xc6);
const QColor kNeighbourBorder(0xc8, 0xa8, 0x84);
const QColor kCountryFill(0xc4, 0xe8, 0xa4);
const QColor kShadow(0xb0, 0x94, 0x74);
const QColor kDotFill(Qt::red);
const QColor kDotOutline(Qt::black);
const QColor kGridLine(0x1d, 0x4e, 0x89, 190);
const QColor kSmallGridLine(0x1d, 0x4e, 0x89, 80);
const QColor kKilometreLine(0x1d, 0x4e, 0x89, 45);
const QColor kGridText(0x12, 0x32, 0x5a);
const QColor kTextHalo(255, 255, 255, 190);

// Shadow offset and line widths at the 250-pixel default width; they grow
// with the area.
constexpr double kShadowOffset = 3.0;
constexpr double kProvinceLine = 0.8;
constexpr double kCountryLine = 1.4;
constexpr double kGridLineWidth = 1.2;
constexpr double kSmallGridLineWidth = 0.7;

// Dots: up to this many keep their full size; below a radius of this many
// pixels they lose their outline, which would blacken them.
constexpr double kFewDots = 1000;
constexpr double kLeastDensityShare = 0.25;
constexpr double kMinDotRadius = 1.0;
constexpr double kMaxDotRadius = 7.0;
constexpr double kOutlinedDotRadius = 2.5;

// IFBL labels and lines need room: a large square's code is written from
// this width in pixels, 4 x 4 km lines drawn from this side, and their
// codes written from that one.
constexpr double kLargeLabelWidth = 30;
constexpr double kSmallLineSide = 10;
constexpr double kSmallLabelSide = 46;
// Label sizes in pixels, as a share of the square's width, within bounds.
constexpr double kLargeLabelShare = 0.16;
constexpr double kSmallLabelShare = 0.2;
constexpr double kMinLabelPixels = 9;
constexpr double kMaxLabelPixels = 16;
constexpr double kLabelInset = 3;

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

QPen CosmeticPen(const QColor& colour, double width) {
  QPen pen(colour, width);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// Line widths grow with the fitted view, not with the zoom.
double Grow(const MapViewport& view) {
  return std::max(1.0, view.FitPixelsPerMetre() * kWidth / kDefaultAreaWidth);
}

QRectF DataRectangle(const MapViewport& view) {
  return QRectF(view.ToPixel(kDataLeft, kDataTop), view.ToPixel(kDataRight, kDataBottom));
}

void PaintLand(QPainter& painter, const MapViewport& view) {
  const MapPaths& paths = Paths();
  const double grow = Grow(view);
  const QTransform base = painter.transform();
  const QTransform toPixels = view.LambertToPixels() * base;
  const QTransform shadow = view.LambertToPixels() *
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

// Where a square's code goes: the top-left corner of the part of the
// square in view, so that a square cut by the edge is named too.
QRectF LabelBox(const QRectF& square, const MapViewport& view) {
  const QRectF shown = square.intersected(QRectF(QPointF(0, 0), view.Area()));
  return shown.adjusted(kLabelInset, kLabelInset, 0, 0);
}

// A text at the top left of `box`, with a light halo, readable over land,
// sea and lines alike; none when it does not fit in `box`, which would put
// it over the label of the next square (a square cut by the edge).
void PaintLabel(QPainter& painter, const QRectF& box, const QString& text, double pixels) {
  constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop;
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(true);
  painter.setFont(font);
  const QRectF bounds = painter.boundingRect(box, kFlags, text);
  if (bounds.width() > box.width() || bounds.height() > box.height()) return;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kTextHalo);
  painter.drawRoundedRect(bounds.adjusted(-2, 0, 2, 0), 2, 2);
  painter.setPen(kGridText);
  painter.drawText(box, kFlags, text);
}

// A 4 x 4 km square holds four quadrants of four 1 x 1 km squares.
constexpr int kKilometresPerSmallSide = 4;

// The lines of the 1 x 1 km squares, once they are far enough apart to
// tell; the 4 x 4 km lines are drawn over them.
void PaintKilometreLines(QPainter& painter, const MapViewport& view, const QRectF& shown) {
  const IfblGrid& grid = IfblGrid::Get();
  const double side = grid.SmallSide() / kKilometresPerSmallSide;
  if (!(side > 0) || side * view.PixelsPerMetre() < kSmallLineSide) return;
  const QRectF extent = grid.Extent();
  const double firstX = extent.left() + std::floor((shown.left() - extent.left()) / side) * side;
  const double firstY = extent.top() + std::floor((shown.top() - extent.top()) / side) * side;
  painter.setPen(CosmeticPen(kKilometreLine, kSmallGridLineWidth));
  for (double x = firstX; x <= shown.right(); x += side) {
    painter.drawLine(view.ToPixel(x, shown.top()), view.ToPixel(x, shown.bottom()));
  }
  for (double y = firstY; y <= shown.bottom(); y += side) {
    painter.drawLine(view.ToPixel(shown.left(), y), view.ToPixel(shown.right(), y));
  }
}

void PaintSmallSquares(QPainter& painter, const MapViewport& view, const QRectF& shown) {
  const IfblGrid& grid = IfblGrid::Get();
  const double side = grid.SmallSide();
  const double pixels = side * view.PixelsPerMetre();
  if (!(side > 0) || pixels < kSmallLineSide) return;
  const QRectF extent = grid.Extent();
  const double firstX = extent.left() + std::floor((shown.left() - extent.left()) / side) * side;
  const double firstY = extent.top() + std::floor((shown.top() - extent.top()) / side) * side;
  painter.setPen(CosmeticPen(kSmallGridLine, kSmallGridLineWidth));
  for (double x = firstX; x <= shown.right(); x += side) {
    painter.drawLine(view.ToPixel(x, shown.top()), view.ToPixel(x, shown.bottom()));
  }
  for (double y = firstY; y <= shown.bottom(); y += side) {
    painter.drawLine(view.ToPixel(shown.left(), y), view.ToPixel(shown.right(), y));
  }
  if (pixels < kSmallLabelSide) return;
  const double size = std::clamp(pixels * kSmallLabelShare, kMinLabelPixels, kMaxLabelPixels);
  for (double x = firstX; x < shown.right(); x += side) {
    for (double y = firstY; y < shown.bottom(); y += side) {
      const QString code = IfblGrid::SmallSquareCode(x + side / 2, y + side / 2);
      if (code.isEmpty()) continue;
      const QRectF box(view.ToPixel(x, y + side), QSizeF(pixels, pixels));
      PaintLabel(painter, LabelBox(box, view), code, size);
    }
  }
}

void PaintIfblGrid(QPainter& painter, const MapViewport& view) {
  const IfblGrid& grid = IfblGrid::Get();
  const QRectF shown = view.VisibleExtent().intersected(grid.Extent());
  if (shown.isEmpty()) return;
  PaintKilometreLines(painter, view, shown);
  PaintSmallSquares(painter, view, shown);
  const double scale = view.PixelsPerMetre();
  painter.setPen(CosmeticPen(kGridLine, kGridLineWidth * std::sqrt(Grow(view))));
  painter.setBrush(Qt::NoBrush);
  std::vector<const IfblSquare*> labelled;
  for (const IfblSquare& square : grid.LargeSquares()) {
    if (!square.lambert.intersects(shown)) continue;
    const QRectF box(view.ToPixel(square.lambert.left(), square.lambert.bottom()),
                     view.ToPixel(square.lambert.right(), square.lambert.top()));
    painter.drawRect(box);
    labelled.push_back(&square);
  }
  const double width =
      grid.LargeSquares().empty() ? 0 : grid.LargeSquares().front().lambert.width() * scale;
  // Where the 4 x 4 km codes show, they name the large square too.
  if (width < kLargeLabelWidth || grid.SmallSide() * scale >= kSmallLabelSide) return;
  const double size = std::clamp(width * kLargeLabelShare, kMinLabelPixels, kMaxLabelPixels);
  for (const IfblSquare* square : labelled) {
    const QRectF box(view.ToPixel(square->lambert.left(), square->lambert.bottom()),
                     view.ToPixel(square->lambert.right(), square->lambert.top()));
    PaintLabel(painter, LabelBox(box, view), square->code, size);
  }
}

// One dot as a small image, blitted at each point: a hundred thousand dots
// draw in milliseconds on a raster device.
QImage DotImage(double radius, bool outline, qreal pixelRatio) {
  const int side = static_cast<int>(std::ceil((2 * radius + 2) * pixelRatio));
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(pixelRatio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(outline ? CosmeticPen(kDotOutline, 1.0) : QPen(Qt::NoPen));
  painter.setBrush(kDotFill);
  const double centre = side / pixelRatio / 2;
  painter.drawEllipse(QPointF(centre, centre), radius, radius);
  return image;
}

void PaintDots(QPainter& painter, const MapViewport& view, const std::vector<QPointF>& dots) {
  const double radius = DotRadius(view, dots.size());
  const bool outline = radius >= kOutlinedDotRadius;
  const QRectF visible =
      QRectF(QPointF(0, 0), view.Area()).adjusted(-radius, -radius, radius, radius);
  const bool raster =
      painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
  const QImage dot =
      raster ? DotImage(radius, outline, painter.device()->devicePixelRatioF()) : QImage();
  const QPointF half(dot.width() / dot.devicePixelRatio() / 2,
                     dot.height() / dot.devicePixelRatio() / 2);
  painter.setPen(outline ? CosmeticPen(kDotOutline, 1.0) : QPen(Qt::NoPen));
  painter.setBrush(kDotFill);
  for (const QPointF& point : dots) {
    if (!std::isfinite(point.x()) || !std::isfinite(point.y())) continue;
    const QPointF centre = view.ToPixel(point.x(), point.y());
    if (!visible.contains(centre)) continue;
    if (raster) {
      painter.drawImage(centre - half, dot);
    } else {
      painter.drawEllipse(centre, radius, radius);
    }
  }
}

}  // namespace

double DotRadius(const MapViewport& view, std::size_t dotCount) {
  const double atFit = kDotRadius * view.FitPixelsPerMetre();
  const double count = std::max(1.0, static_cast<double>(dotCount));
  const double density = std::clamp(std::sqrt(kFewDots / count), kLeastDensityShare, 1.0);
  return std::clamp(atFit * std::sqrt(view.Zoom()) * density, kMinDotRadius, kMaxDotRadius);
}

void PaintMap(QPainter& painter, const MapViewport& view, const std::vector<QPointF>& dots,
              bool ifblGrid) {
  const QSizeF area = view.Area();
  if (area.isEmpty()) return;
  painter.save();
  const QRectF whole(QPointF(0, 0), area);
  painter.setClipRect(whole, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(whole, kNoData);
  painter.fillRect(DataRectangle(view).intersected(whole), kSea);
  PaintLand(painter, view);
  if (ifblGrid) PaintIfblGrid(painter, view);
  PaintDots(painter, view, dots);
  painter.restore();
}

}  // namespace koord::map
