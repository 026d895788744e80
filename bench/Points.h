#pragma once
// Inputs of the benchmarks, made before any timing from a fixed seed so
// that every run measures the same points.

#include <string>
#include <vector>

namespace koord::bench {

// Positions of the kind lists.
inline constexpr int kLambert = 0;
inline constexpr int kMgrs = 1;
inline constexpr int kIfbl = 2;
inline constexpr int kDegrees = 3;
inline constexpr int kKinds = 4;

// Lambert 1972 metres and BEL72 degrees of one point.
struct Point {
  double x;
  double y;
  double latitude;
  double longitude;
};

// `count` points spread uniformly over the Lambert rectangle of Belgium.
std::vector<Point> BelgianPoints(std::size_t count);

// The same points as input lines of a kind (position of the kind lists:
// 0 Lambert, 1 MGRS at 1 m, 2 IFBL 1 x 1 km, 3 degrees), without line ends.
std::vector<std::string> InputLines(int kind, std::size_t count);

// Number of distinct points the per-point benchmarks cycle through.
inline constexpr std::size_t kPointPool = 4096;

}  // namespace koord::bench
