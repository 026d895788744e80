#pragma once
// Inputs of the benchmarks, made before any timing from a fixed seed so
// that every run measures the same points.

#include <string>
#include <vector>

#include "engine/Choices.h"

namespace koord::bench {

// Lambert 1972 metres and BEL72 degrees of one point.
struct Point {
  double x;
  double y;
  double latitude;
  double longitude;
};

// `count` points spread uniformly over the Lambert rectangle of Belgium.
std::vector<Point> BelgianPoints(std::size_t count);

// The same points as input lines of a kind (MGRS at 1 m, IFBL 1 x 1 km,
// degrees on BEL72), without line ends.
std::vector<std::string> InputLines(CoordKind kind, std::size_t count);

// Number of distinct points the per-point benchmarks cycle through.
inline constexpr std::size_t kPointPool = 4096;

}  // namespace koord::bench
