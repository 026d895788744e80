#pragma once
// Paints the map of Belgium, the IFBL grid and the distribution dots on any
// paint device (the map window, an image or an SVG file, a PNG for
// koord-cli) for a view of the Lambert plane. Needs Qt Gui only; painting
// onto a QImage works without a display.

#include <QPointF>
#include <cstddef>
#include <vector>

#include "map/MapViewport.h"

class QPainter;

namespace koord::map {

// Radius of a distribution dot, in Lambert metres, at the fitted view of a
// few points.
inline constexpr double kDotRadius = 4000;

// The radius of the dots in pixels: kDotRadius at the fitted view, a little
// larger when zoomed in, smaller when the points are many, so that 100 000
// points still show where they are dense; between 1 and 7 pixels.
double DotRadius(const MapViewport& view, std::size_t dotCount);

// Paints the whole drawing area of `view` (pixels, from the painter's
// origin): the sea, the neighbouring countries, Belgium with its provinces
// and shadow, the IFBL grid when asked (the 32 x 20 km squares and their
// codes; 4 x 4 km lines and codes when they are large enough to read, and
// the 1 x 1 km lines when they are far enough apart), then
// one red dot per point of `dots` (Lambert 1972 metres), outlined in black
// when large enough. Beyond the map data the area is left neutral. Dots
// outside the area and non-finite points are left out.
void PaintMap(QPainter& painter, const MapViewport& view, const std::vector<QPointF>& dots,
              bool ifblGrid);

}  // namespace koord::map
