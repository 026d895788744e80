#include "map/MapScale.h"

#include <cmath>

namespace koord::map {

MapScale::MapScale(QSizeF area) : area_(area) {}

QPointF MapScale::ToPixel(double x, double y) const {
  return {(x - kLeft) / kWidth * area_.width(), (kTop - y) / kHeight * area_.height()};
}

QPointF MapScale::ToLambert(QPointF pixel) const {
  return {kLeft + kWidth * pixel.x() / area_.width(), kTop - kHeight * pixel.y() / area_.height()};
}

double MapScale::PixelsPerMetre() const {
  return area_.width() / kWidth;
}

QString PointerCaption(QPointF lambert) {
  const auto whole = [](double v) {
    // Adding 0.0 turns a floor of -0 into 0.
    return QString::number(std::floor(v) + 0.0, 'f', 0);
  };
  return QStringLiteral("X=%1 Y=%2").arg(whole(lambert.x()), whole(lambert.y()));
}

}  // namespace koord::map
