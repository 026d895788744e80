#pragma once
// Paints the map of Belgium and the distribution dots on any paint device
// (the map window, an image for koord-cli) at the user scale of MapScale.
// Needs Qt Gui only; painting onto a QImage works without a display.

#include <QPointF>
#include <QSize>
#include <vector>

class QPainter;

namespace koord::map {

// Radius of a distribution dot, in Lambert metres.
inline constexpr double kDotRadius = 4000;

// Paints the whole drawing area of size `area` (pixels, from the painter's
// origin): background, neighbouring countries, Belgium with its provinces
// and shadow, then one red dot with a black outline per point of `dots`
// (Lambert 1972 metres). Dots outside the area and non-finite points are
// left out.
void PaintMap(QPainter& painter, QSize area, const std::vector<QPointF>& dots);

}  // namespace koord::map
