#pragma once
// The map of koord-cli: the points as red dots on the map of Belgium,
// written as a PNG image.

#include <string>
#include <vector>

namespace koord::cli {

// A point to plot, Lambert 1972 metres.
struct MapPoint {
  double x;
  double y;
};

// Raises Fatal when the image cannot be written, or when this build has no
// map renderer (built without the desktop program). `ifblGrid`: the IFBL
// grid is drawn too.
void WriteMapPng(const std::vector<MapPoint>& points, const std::string& path, int width,
                 int height, bool ifblGrid);

}  // namespace koord::cli
