#pragma once
// The map's user scale: the drawing area always spans the same Lambert 1972
// extent, whatever its size in pixels, X growing to the right and Y upwards.

#include <QPointF>
#include <QSizeF>
#include <QString>

namespace koord::map {

// Lambert 1972 coordinates (m) of the drawing area's left and top edges.
inline constexpr double kLeft = 17570;
inline constexpr double kTop = 249430;
// Extent of the drawing area in Lambert metres (Y decreases downwards).
inline constexpr double kWidth = 280730;
inline constexpr double kHeight = 231230;
// Size of the area at which the map window opens (pixels).
inline constexpr int kDefaultAreaWidth = 250;
inline constexpr int kDefaultAreaHeight = 206;

class MapScale {
 public:
  // `area`: the drawing area in pixels; both sides greater than 0.
  explicit MapScale(QSizeF area);

  // Pixel position (from the area's top-left corner) of a Lambert point.
  QPointF ToPixel(double x, double y) const;
  // Lambert point (m) at a pixel position of the area.
  QPointF ToLambert(QPointF pixel) const;
  // Pixels per Lambert metre, horizontally; lengths such as radii follow
  // the horizontal scale so that circles stay round.
  double PixelsPerMetre() const;

 private:
  QSizeF area_;
};

// "X=... Y=..." for a Lambert point, each value rounded down to the metre.
QString PointerCaption(QPointF lambert);

}  // namespace koord::map
