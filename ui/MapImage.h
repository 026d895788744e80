#pragma once
// The map as the window shows it, saved as a picture: PNG, or SVG (a
// drawing that scales) for a name ending in .svg.

#include <QPointF>
#include <QString>
#include <vector>

#include "map/MapViewport.h"

namespace koord::ui {

// Least width of a PNG picture (pixels): a small window's view is drawn
// larger, the same part of the map in more pixels.
inline constexpr double kLeastImageWidth = 1200;

// Writes the view with its dots (Lambert 1972 metres) and, when asked, the
// IFBL grid to `path`, whole or not at all: on any failure the file that
// was there stays. Returns the French message of a failure, or nothing.
QString SaveMapImage(const QString& path, const map::MapViewport& view,
                     const std::vector<QPointF>& dots, bool ifblGrid);

}  // namespace koord::ui
