// GeoToUtm's MGRS texts against GeographicLib's MGRS for random points
// world-wide on WGS84: same zone, band and square letters; digits within
// Koord's rounding to the nearest metre of GeographicLib's exact position
// (GeographicLib itself truncates).

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <string>

#include "core/Catalogue.h"
#include "geodesy/Mgrs.h"
#include "geodesy/Utm.h"
#include "tests/accuracy/Figures.h"

namespace koord::accuracy {
namespace {

constexpr int kPoints = 100000;
constexpr std::uint64_t kSeed = 1972;  // fixed: the same points every run
constexpr std::int16_t kWgs84 = 21;    // catalogue number of WGS 1984
constexpr double kSquare = 100000;     // m, side of an MGRS square
constexpr double kBandHeight = 8;      // degrees
// Norway and Svalbard zone edges that are not multiples of six, degrees.
constexpr std::array<double, 4> kSpecialEdges = {3, 9, 21, 33};
// Rounding to the metre moves a digit by at most half a metre, plus the
// projection difference (under a centimetre, see the TM test).
constexpr double kDigitTolerance = 0.5 + 1e-4;  // m
// Points closer than this to a band, zone or square edge may change cell
// with the rounding; they are skipped.
constexpr double kEdgeMargin = 1.0;          // m
constexpr double kMetresPerDegree = 111000;  // m, along a meridian, roughly

struct Reference {
  int zone;
  std::string letters;  // band, column, row
  double easting;       // within the square, m (exact for GeographicLib)
  double northing;
};

Reference Parse(const std::string& text) {
  return {std::stoi(text.substr(0, 2)), text.substr(2, 3), std::stod(text.substr(5, 5)),
          std::stod(text.substr(10, 5))};
}

double DistanceToMultiple(double value, double step) {
  const double r = std::fmod(std::fabs(value), step);
  return std::min(r, step - r);
}

// True when rounding to the metre could move the point across an edge.
bool NearAnEdge(double latitude, double longitude, double x, double y) {
  const double lonMetres = kMetresPerDegree * std::cos(latitude * std::numbers::pi / 180);
  if (DistanceToMultiple(latitude, kBandHeight) * kMetresPerDegree < kEdgeMargin) return true;
  if (DistanceToMultiple(longitude, DMA::kUtmZoneWidth) * lonMetres < kEdgeMargin) return true;
  for (double edge : kSpecialEdges) {
    if (std::fabs(longitude - edge) * lonMetres < kEdgeMargin) return true;
  }
  return DistanceToMultiple(x, kSquare) < kEdgeMargin ||
         DistanceToMultiple(y, kSquare) < kEdgeMargin;
}

TEST(MgrsAccuracy, RandomPointsWorldWide) {
  const DMA::TransverseMercator wgs84 =
      DMA::UtmProjection(Ellipsoid(EllipsoidCatalogue()[kWgs84 - 1]));
  std::mt19937_64 random(kSeed);
  std::uniform_real_distribution<double> latitudes(DMA::kUtmSouthLatitude, DMA::kUtmNorthLatitude);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  Spread digits;
  int skipped = 0;
  for (int i = 0; i < kPoints; ++i) {
    const double latitude = latitudes(random);
    const double longitude = longitudes(random);

    int zone = 0;
    bool north = false;
    double x = 0, y = 0;
    GeographicLib::UTMUPS::Forward(latitude, longitude, zone, north, x, y);
    if (NearAnEdge(latitude, longitude, x, y)) {
      ++skipped;
      continue;
    }
    std::string text;
    GeographicLib::MGRS::Forward(zone, north, x, y, latitude, 5, text);
    Reference expected = Parse(text);
    expected.easting = std::fmod(x, kSquare);
    expected.northing = std::fmod(y, kSquare);

    std::int16_t koordZone = 0;
    double northing = 0, easting = 0;
    std::string mgrs;
    DMA::GeoToUtm(wgs84, latitude * DMA::Degree(), longitude * DMA::Degree(), koordZone, northing,
                  easting, mgrs);
    ASSERT_EQ(mgrs.size(), 15u) << latitude << " " << longitude << " " << mgrs;
    const Reference got = Parse(mgrs);
    const std::string where =
        std::to_string(latitude) + " " + std::to_string(longitude) + " " + mgrs + " / " + text;
    EXPECT_EQ(got.zone, expected.zone) << where;
    EXPECT_EQ(got.letters, expected.letters) << where;
    digits.Add(std::max(std::fabs(got.easting - expected.easting),
                        std::fabs(got.northing - expected.northing)),
               where);
  }
  Report("MGRS digits (" + std::to_string(kPoints - skipped) + " random, " +
             std::to_string(skipped) + " at edges skipped)",
         "GeographicLib MGRS (exact E, N)", digits, "m", kDigitTolerance);
  EXPECT_LE(digits.Max(), kDigitTolerance) << digits.WorstAt();
}

}  // namespace
}  // namespace koord::accuracy
