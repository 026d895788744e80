#include "map/MapViewport.h"

#include <algorithm>
#include <cmath>

namespace koord::map {
namespace {

// The centre of the map extent.
constexpr QPointF kExtentCentre(kLeft + kWidth / 2, kTop - kHeight / 2);

bool IsUsable(QSizeF area) {
  return area.width() > 0 && area.height() > 0;
}

}  // namespace

MapViewport::MapViewport(QSizeF area) : area_(area), centre_(kExtentCentre) {}

void MapViewport::Resize(QSizeF area) {
  area_ = area;
}

MapViewport MapViewport::Scaled(double factor) const {
  MapViewport scaled = *this;
  scaled.area_ = area_ * factor;
  return scaled;
}

double MapViewport::FitPixelsPerMetre() const {
  if (!IsUsable(area_)) return 1;
  return std::min(area_.width() / kWidth, area_.height() / kHeight);
}

double MapViewport::PixelsPerMetre() const {
  return FitPixelsPerMetre() * zoom_;
}

QPointF MapViewport::ToPixel(double x, double y) const {
  const double scale = PixelsPerMetre();
  return {area_.width() / 2 + (x - centre_.x()) * scale,
          area_.height() / 2 - (y - centre_.y()) * scale};
}

QPointF MapViewport::ToLambert(QPointF pixel) const {
  const double scale = PixelsPerMetre();
  return {centre_.x() + (pixel.x() - area_.width() / 2) / scale,
          centre_.y() - (pixel.y() - area_.height() / 2) / scale};
}

QTransform MapViewport::LambertToPixels() const {
  const double scale = PixelsPerMetre();
  return QTransform(scale, 0, 0, -scale, area_.width() / 2 - centre_.x() * scale,
                    area_.height() / 2 + centre_.y() * scale);
}

QRectF MapViewport::VisibleExtent() const {
  const QPointF topLeft = ToLambert(QPointF(0, 0));
  const QPointF bottomRight = ToLambert(QPointF(area_.width(), area_.height()));
  return QRectF(QPointF(topLeft.x(), bottomRight.y()), QPointF(bottomRight.x(), topLeft.y()));
}

void MapViewport::ZoomAt(QPointF pixel, double factor) {
  if (!IsUsable(area_) || !std::isfinite(factor) || factor <= 0) return;
  const QPointF anchor = ToLambert(pixel);
  zoom_ = std::clamp(zoom_ * factor, 1.0, kMaxZoom);
  // The anchor back under the pixel: move the centre by what it drifted.
  const QPointF drift = ToLambert(pixel) - anchor;
  centre_ -= drift;
  KeepCentreOnData();
}

void MapViewport::PanBy(QPointF pixels) {
  if (!IsUsable(area_) || !std::isfinite(pixels.x()) || !std::isfinite(pixels.y())) return;
  const double scale = PixelsPerMetre();
  centre_ += QPointF(-pixels.x() / scale, pixels.y() / scale);
  KeepCentreOnData();
}

void MapViewport::Reset() {
  centre_ = kExtentCentre;
  zoom_ = 1;
}

void MapViewport::KeepCentreOnData() {
  centre_.setX(std::clamp(centre_.x(), kDataLeft, kDataRight));
  centre_.setY(std::clamp(centre_.y(), kDataBottom, kDataTop));
}

QString PointerCaption(QPointF lambert) {
  const auto whole = [](double v) {
    // Adding 0.0 turns a floor of -0 into 0.
    return QString::number(std::floor(v) + 0.0, 'f', 0);
  };
  return QStringLiteral("X=%1 Y=%2").arg(whole(lambert.x()), whole(lambert.y()));
}

}  // namespace koord::map
