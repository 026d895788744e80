#pragma once
// Points for MGRS round trips: random over the UTM latitudes, and along
// every zone, band, Norway and Svalbard, and polar edge, on both sides of it
// at distances from about a micrometre to a kilometre, where a reference's
// square is cut by the edge and its letters change.

#include <cstdint>
#include <random>
#include <vector>

#include "geodesy/Utm.h"

namespace koord::test {

struct TestPoint {
  double latitude, longitude;  // degrees
};

// Uniform over the UTM latitudes, -80..84 degrees, and the whole longitude
// range.
inline std::vector<TestPoint> RandomUtmPoints(int count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> latitudes(DMA::kUtmSouthLatitude, DMA::kUtmNorthLatitude);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  std::vector<TestPoint> points;
  for (int i = 0; i < count; ++i) {
    const double latitude = latitudes(random);
    points.push_back({latitude, longitudes(random)});
  }
  return points;
}

// `along` points along each edge, each moved off it to both sides by every
// offset; points outside -80..84 degrees (they have no reference) or
// beyond 180 degrees are left out.
inline std::vector<TestPoint> UtmEdgePoints(int along) {
  // Degrees: 1e-11 is about a micrometre, 1e-2 a kilometre.
  constexpr double kOffsets[] = {0,    1e-11, -1e-11, 1e-9,  -1e-9, 1e-7, -1e-7,
                                 1e-5, -1e-5, 1e-3,   -1e-3, 1e-2,  -1e-2};
  constexpr double kSouth = DMA::kUtmSouthLatitude, kNorth = DMA::kUtmNorthLatitude;
  struct Edge {
    bool meridian;    // a meridian (fixed longitude) or a parallel
    double at;        // its longitude or latitude
    double from, to;  // the span of the other coordinate
  };
  std::vector<Edge> edges;
  for (int zone = 0; zone <= 60; ++zone)
    edges.push_back({true, -180.0 + DMA::kUtmZoneWidth * zone, kSouth, kNorth});
  for (int band = 0; band <= 20; ++band) edges.push_back({false, kSouth + 8 * band, -180, 180});
  edges.push_back({false, kNorth, -180, 180});
  // Norway: zone 31 ends at 3 degrees east in band V; Svalbard: zones 31 to
  // 37 of band X end at 9, 21 and 33 degrees east.
  edges.push_back({true, 3, 56, 64});
  for (double svalbard : {9.0, 21.0, 33.0}) edges.push_back({true, svalbard, 72, kNorth});
  for (double parallel : {56.0, 64.0, 72.0}) edges.push_back({false, parallel, -1, 43});

  std::vector<TestPoint> points;
  for (const Edge& edge : edges) {
    for (int i = 0; i < along; ++i) {
      // A step that is no simple fraction of the span, so that the points
      // fall anywhere in their 100 km squares.
      const double other = edge.from + (edge.to - edge.from) * (i + 0.382) / along;
      for (double offset : kOffsets) {
        const TestPoint p =
            edge.meridian ? TestPoint{other, edge.at + offset} : TestPoint{edge.at + offset, other};
        if (p.latitude >= kSouth && p.latitude <= kNorth && p.longitude >= -180 &&
            p.longitude <= 180) {
          points.push_back(p);
        }
      }
    }
  }
  return points;
}

}  // namespace koord::test
