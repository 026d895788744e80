#pragma once
// A rectangle of grid coordinates, edges included: the area that input of
// a projected kind must lie in.

namespace koord {

struct GridBounds {
  double minX, maxX;  // easting, metres
  double minY, maxY;  // northing, metres

  // Both comparisons must hold on each axis, so a NaN is never inside.
  constexpr bool Contains(double x, double y) const {
    return x >= minX && x <= maxX && y >= minY && y <= maxY;
  }
};

}  // namespace koord
