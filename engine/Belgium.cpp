#include "engine/Belgium.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <optional>

#include "geodesy/Lambert.h"

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
// Within this distance of Belgium's middle a plane about the point measures
// the distance to the border to a fraction of a percent; beyond, the
// nearest vertex on the sphere.
constexpr double kPlaneReachKm = 800;
// About Belgium's middle.
constexpr Vertex kMiddle{50.64, 4.67};

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

bool InBox(const Box& box, double latitude, double longitude) {
  return latitude >= box.south && latitude <= box.north && longitude >= box.west &&
         longitude <= box.east;
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
  double nearest2 = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i + 1 < std::size(kOutline); ++i) {
    const double ax = (kOutline[i].longitude - longitude) * east;
    const double ay = (kOutline[i].latitude - latitude) * north;
    const double bx = (kOutline[i + 1].longitude - longitude) * east;
    const double by = (kOutline[i + 1].latitude - latitude) * north;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(-(ax * dx + ay * dy) / length2, 0.0, 1.0) : 0.0;
    const double x = ax + t * dx;
    const double y = ay + t * dy;
    nearest2 = std::min(nearest2, x * x + y * y);
  }
  return std::sqrt(nearest2);
}

constexpr Box kGrid{kBox.south - kCellMarginDegrees, kBox.north + kCellMarginDegrees,
                    kBox.west - kCellMarginDegrees, kBox.east + kCellMarginDegrees};
constexpr double kCellHeight = (kGrid.north - kGrid.south) / kCells;
constexpr double kCellWidth = (kGrid.east - kGrid.west) / kCells;

// The verdict of every cell, rows from north to south (see the cell
// characters in the header); a test judges each cell anew and prints the
// map again when the outline changes.
constexpr char kCellMap[kCells][kCells + 1] = {
#include "engine/BelgiumCells.inc"
};

// The verdict of every 5 km square of Lambert 1972, rows from north to
// south, judged anew by the same test.
constexpr char kLambertMap[kLambertRows][kLambertColumns + 1] = {
#include "engine/BelgiumLambertSquares.inc"
};

// Lambert 1972 points lie on BD72, the outline on WGS84: about 100 m apart
// in Belgium, and this margin covers them.
constexpr double kDatumMarginKm = 0.5;

std::size_t CellIndex(double value, double low, double size) {
  const auto index = static_cast<long>((value - low) / size);
  return static_cast<std::size_t>(std::clamp(index, 0L, static_cast<long>(kCells) - 1));
}

}  // namespace

double KilometresFromBelgium(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) {
    return std::numeric_limits<double>::infinity();
  }
  if (InBox(kBox, latitude, longitude) && Inside(latitude, longitude)) return 0;
  if (GreatCircleKm(latitude, longitude, kMiddle.latitude, kMiddle.longitude) > kPlaneReachKm) {
    return NearestVertexKm(latitude, longitude);
  }
  return NearestSideKm(latitude, longitude);
}

char JudgedCell(std::size_t row, std::size_t column) {
  const double south = kGrid.south + static_cast<double>(row) * kCellHeight;
  const double west = kGrid.west + static_cast<double>(column) * kCellWidth;
  const double halfDiagonal =
      GreatCircleKm(south, west, south + kCellHeight, west + kCellWidth) / 2;
  const double centre = KilometresFromBelgium(south + kCellHeight / 2, west + kCellWidth / 2);
  const double nearest = centre - halfDiagonal;
  const double farthest = centre + halfDiagonal;
  if (farthest < kCloseToBelgiumKm) return kCloseCell;
  if (nearest <= kCloseToBelgiumKm) {
    return farthest < kFarFromBelgiumKm ? kAstrideCloseCell : kUnreadableCell;
  }
  if (farthest < kFarFromBelgiumKm) return kNearCell;
  return nearest > kFarFromBelgiumKm ? kFarCell : kAstrideFarCell;
}

char JudgedLambertSquare(std::size_t row, std::size_t column) {
  const double x = (static_cast<double>(column) + 0.5) * kLambertSquareMetres;
  const double y = (static_cast<double>(row) + 0.5) * kLambertSquareMetres;
  double latitude = 0;
  double longitude = 0;
  Lambert::LambertToGeo(x, y, latitude, longitude);
  // Half the square's diagonal, km; the projection's scale is within a
  // ten-thousandth of one over Belgium.
  const double halfDiagonal = kLambertSquareMetres * std::numbers::sqrt2 / 2 / 1000;
  const double nearest = KilometresFromBelgium(latitude, longitude) - halfDiagonal - kDatumMarginKm;
  return nearest > kCloseToBelgiumKm ? kFarCell : kCloseCell;
}

char TabledLambertSquare(std::size_t row, std::size_t column) {
  return kLambertMap[kLambertRows - 1 - row][column];
}

bool MayBeCloseToBelgiumInLambert72(double X, double Y) {
  if (!(X >= 0 && Y >= 0)) return true;
  const auto column = static_cast<std::size_t>(X / kLambertSquareMetres);
  const auto row = static_cast<std::size_t>(Y / kLambertSquareMetres);
  if (column >= kLambertColumns || row >= kLambertRows) return true;
  return TabledLambertSquare(row, column) != kFarCell;
}

char TabledCell(std::size_t row, std::size_t column) {
  return kCellMap[kCells - 1 - row][column];
}

namespace {

// The cell of a point on the grid; nothing off it.
std::optional<char> CellOf(double latitude, double longitude) {
  if (!InBox(kGrid, latitude, longitude)) return std::nullopt;
  return TabledCell(CellIndex(latitude, kGrid.south, kCellHeight),
                    CellIndex(longitude, kGrid.west, kCellWidth));
}

}  // namespace

bool FarFromBelgium(double latitude, double longitude) {
  if (const std::optional<char> cell = CellOf(latitude, longitude)) {
    if (*cell != kAstrideFarCell) return *cell == kFarCell;
  } else if (std::isfinite(latitude) && std::isfinite(longitude)) {
    // Off the grid, at least its margin beyond Belgium's box: far.
    return true;
  }
  return KilometresFromBelgium(latitude, longitude) > kFarFromBelgiumKm;
}

bool CloseToBelgium(double latitude, double longitude) {
  const std::optional<char> cell = CellOf(latitude, longitude);
  if (!cell) return false;
  if (*cell != kAstrideCloseCell) return *cell == kCloseCell;
  return KilometresFromBelgium(latitude, longitude) <= kCloseToBelgiumKm;
}

}  // namespace koord
