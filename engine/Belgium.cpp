#include "engine/Belgium.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

namespace koord {
namespace {

struct Vertex {
  double latitude;
  double longitude;
};

constexpr Vertex kOutline[] = {
#include "engine/BelgiumOutline.inc"
};

// Earth's mean radius (IUGG), km.
constexpr double kEarthRadiusKm = 6371.0088;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// Within this distance of the border a plane about the point measures it
// to a fraction of a percent; beyond, the nearest vertex on the sphere.
constexpr double kPlaneReachKm = 500;

struct Box {
  double south = std::numeric_limits<double>::max();
  double north = std::numeric_limits<double>::lowest();
  double west = std::numeric_limits<double>::max();
  double east = std::numeric_limits<double>::lowest();
};

constexpr Box BoundingBox() {
  Box box;
  for (const Vertex& v : kOutline) {
    box.south = std::min(box.south, v.latitude);
    box.north = std::max(box.north, v.latitude);
    box.west = std::min(box.west, v.longitude);
    box.east = std::max(box.east, v.longitude);
  }
  return box;
}
constexpr Box kBox = BoundingBox();

bool InBox(double latitude, double longitude) {
  return latitude >= kBox.south && latitude <= kBox.north && longitude >= kBox.west &&
         longitude <= kBox.east;
}

// Even-odd rule over the ring.
bool Inside(double latitude, double longitude) {
  bool inside = false;
  for (std::size_t i = 0, j = std::size(kOutline) - 1; i < std::size(kOutline); j = i++) {
    const Vertex& a = kOutline[i];
    const Vertex& b = kOutline[j];
    if ((a.latitude > latitude) != (b.latitude > latitude) &&
        longitude <
            (b.longitude - a.longitude) * (latitude - a.latitude) / (b.latitude - a.latitude) +
                a.longitude) {
      inside = !inside;
    }
  }
  return inside;
}

double GreatCircleKm(double lat1, double lon1, double lat2, double lon2) {
  const double p1 = lat1 * kRadiansPerDegree;
  const double p2 = lat2 * kRadiansPerDegree;
  const double dp = p2 - p1;
  const double dl = (lon2 - lon1) * kRadiansPerDegree;
  const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                   std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
  return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

double NearestVertexKm(double latitude, double longitude) {
  double nearest = std::numeric_limits<double>::max();
  for (const Vertex& v : kOutline) {
    nearest = std::min(nearest, GreatCircleKm(latitude, longitude, v.latitude, v.longitude));
  }
  return nearest;
}

// The distance to the nearest side, in a plane tangent at the point.
double NearestSideKm(double latitude, double longitude) {
  const double east = std::cos(latitude * kRadiansPerDegree) * kRadiansPerDegree * kEarthRadiusKm;
  const double north = kRadiansPerDegree * kEarthRadiusKm;
  double nearest = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i + 1 < std::size(kOutline); ++i) {
    const double ax = (kOutline[i].longitude - longitude) * east;
    const double ay = (kOutline[i].latitude - latitude) * north;
    const double bx = (kOutline[i + 1].longitude - longitude) * east;
    const double by = (kOutline[i + 1].latitude - latitude) * north;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(-(ax * dx + ay * dy) / length2, 0.0, 1.0) : 0.0;
    nearest = std::min(nearest, std::hypot(ax + t * dx, ay + t * dy));
  }
  return nearest;
}

// Cells of Belgium's bounding box wholly within kFarFromBelgiumKm of
// Belgium, so that a point in one of them is not far: the distance at a
// cell's centre, plus half its diagonal, is at least the distance anywhere
// in the cell.
constexpr int kCells = 16;
using NearCells = std::array<std::array<bool, kCells>, kCells>;

NearCells MakeNearCells();

const NearCells& Near() {
  static const NearCells near = MakeNearCells();
  return near;
}

}  // namespace

double KilometresFromBelgium(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) {
    return std::numeric_limits<double>::infinity();
  }
  if (InBox(latitude, longitude) && Inside(latitude, longitude)) return 0;
  const double nearest = NearestVertexKm(latitude, longitude);
  return nearest > kPlaneReachKm ? nearest : std::min(nearest, NearestSideKm(latitude, longitude));
}

bool FarFromBelgium(double latitude, double longitude) {
  if (InBox(latitude, longitude)) {
    const auto row = std::min(
        kCells - 1, static_cast<int>((latitude - kBox.south) / (kBox.north - kBox.south) * kCells));
    const auto column = std::min(
        kCells - 1, static_cast<int>((longitude - kBox.west) / (kBox.east - kBox.west) * kCells));
    if (Near()[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]) return false;
  }
  return KilometresFromBelgium(latitude, longitude) > kFarFromBelgiumKm;
}

namespace {

NearCells MakeNearCells() {
  NearCells near{};
  const double height = (kBox.north - kBox.south) / kCells;
  const double width = (kBox.east - kBox.west) / kCells;
  for (int row = 0; row < kCells; ++row) {
    for (int column = 0; column < kCells; ++column) {
      const double south = kBox.south + row * height;
      const double west = kBox.west + column * width;
      const double centreLatitude = south + height / 2;
      const double centreLongitude = west + width / 2;
      const double halfDiagonal = GreatCircleKm(south, west, south + height, west + width) / 2;
      near[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
          KilometresFromBelgium(centreLatitude, centreLongitude) + halfDiagonal < kFarFromBelgiumKm;
    }
  }
  return near;
}

}  // namespace

}  // namespace koord
