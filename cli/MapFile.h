#pragma once
// The map of koord-cli: the points as red dots on the map of Belgium,
// written as a PNG or SVG picture. Drawing needs Qt, which koord-cli does
// not load for its conversions, so that a small pipe answers at once: the
// map is drawn by koord-cli-full, the same program with the map, which
// koord-cli becomes for a run with --map.

#include <string>
#include <vector>

namespace koord::cli {

// A point to plot, Lambert 1972 metres.
struct MapPoint {
  double x;
  double y;
};

// In a program without the map, becomes koord-cli-full, beside it, with the
// same arguments; returns in a program with the map. Raises Fatal when
// koord-cli-full is missing (a build without the desktop program).
void BecomeMapProgram(char** argv);

// Writes the picture, PNG or SVG by the name's extension. Raises Fatal when
// it cannot be written. `ifblGrid`: the IFBL grid is drawn too.
void WriteMap(const std::vector<MapPoint>& points, const std::string& path, int width, int height,
              bool ifblGrid);

}  // namespace koord::cli
