// GeoToUtm's MGRS references against GeographicLib's MGRS on WGS84. At 1 m,
// for random points world-wide: same zone, band and square letters, digits
// within Koord's rounding to the nearest metre of GeographicLib's exact
// position (GeographicLib itself truncates). At 100 km to 10 m, for random
// points and points on and beside every zone meridian, band parallel and
// Norway and Svalbard edge: the same reference, character for character
// (but for GeographicLib's 0 before zones 1 to 9), the square that holds
// the point.

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "geodesy/Mgrs.h"
#include "geodesy/Utm.h"
#include "tests/MgrsTestPoints.h"
#include "tests/accuracy/Figures.h"

namespace koord::accuracy {
namespace {

using koord::test::TestPoint;

constexpr int kPoints = 100000;
constexpr std::uint64_t kSeed = 1972;  // fixed: the same points every run
constexpr int kAlongEachEdge = 40;
constexpr std::int16_t kWgs84 = 21;  // catalogue number of WGS 1984
constexpr double kSquare = 100000;   // m, side of an MGRS square
constexpr double kBandHeight = 8;    // degrees
// Norway and Svalbard zone edges that are not multiples of six, degrees.
constexpr std::array<double, 4> kSpecialEdges = {3, 9, 21, 33};
// Rounding to the metre moves a digit by at most half a metre, plus the
// projection difference (under a centimetre, see the TM test).
constexpr double kDigitTolerance = 0.5 + 1e-4;  // m
// Points closer than this to a band, zone or square edge may change cell
// with the rounding; they are skipped.
constexpr double kEdgeMargin = 1.0;          // m
constexpr double kMetresPerDegree = 111000;  // m, along a meridian, roughly
// How far the DMA series may place a point from GeographicLib's exact
// projection, in the wide Norway and Svalbard zones included: closer than
// this to a line of the square, the two may name squares on either side.
constexpr double kSeriesMargin = 1e-3;  // m

const DMA::TransverseMercator& Wgs84() {
  static const DMA::TransverseMercator tm =
      DMA::UtmProjection(Ellipsoid(EllipsoidCatalogue()[kWgs84 - 1]));
  return tm;
}

struct Reference {
  int zone;
  std::string letters;  // band, column, row
  double easting;       // within the square, m (exact for GeographicLib)
  double northing;
};

// A 1 m reference, its zone in one or two digits.
Reference Parse(const std::string& text) {
  const std::size_t zoneWidth = text.size() - 13;
  return {std::stoi(text.substr(0, zoneWidth)), text.substr(zoneWidth, 3),
          std::stod(text.substr(zoneWidth + 3, 5)), std::stod(text.substr(zoneWidth + 8, 5))};
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

std::string KoordReference(double latitude, double longitude, std::int16_t digits) {
  std::int16_t zone = 0;
  double northing = 0, easting = 0;
  std::string mgrs;
  DMA::GeoToUtm(Wgs84(), latitude, longitude, zone, northing, easting, mgrs, digits);
  return mgrs;
}

TEST(MgrsAccuracy, RandomPointsWorldWideAtOneMetre) {
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
    if (text.front() == '0') text.erase(0, 1);  // Koord writes zones 1 to 9 in one digit
    Reference expected = Parse(text);
    expected.easting = std::fmod(x, kSquare);
    expected.northing = std::fmod(y, kSquare);

    const std::string mgrs = KoordReference(latitude, longitude, 5);
    ASSERT_EQ(mgrs.size(), text.size()) << latitude << " " << longitude << " " << mgrs;
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

// GeographicLib's reference of a point with `digits` digits per axis, or
// nothing where the two may differ without a fault: beyond 84 degrees
// north, where GeographicLib goes over to the polar grid; on 180 degrees,
// which it puts in zone 1 and Koord in zone 60; within kSeriesMargin of a
// line of the square.
std::optional<std::string> Expected(const TestPoint& p, std::int16_t digits) {
  if (p.latitude >= DMA::kUtmNorthLatitude || p.longitude == 180) return std::nullopt;
  try {
    int zone = 0;
    bool north = false;
    double x = 0, y = 0;
    GeographicLib::UTMUPS::Forward(p.latitude, p.longitude, zone, north, x, y);
    const double side = std::pow(10.0, 5 - digits);
    if (DistanceToMultiple(x, side) < kSeriesMargin || DistanceToMultiple(y, side) < kSeriesMargin)
      return std::nullopt;
    std::string text;
    GeographicLib::MGRS::Forward(zone, north, x, y, p.latitude, digits, text);
    // GeographicLib writes zones 1 to 9 as 01 to 09, Koord with one digit.
    if (text.front() == '0') text.erase(0, 1);
    return text;
  } catch (const GeographicLib::GeographicErr&) {
    return std::nullopt;
  }
}

TEST(MgrsAccuracy, EveryPrecisionNamesTheSquareThatHoldsThePoint) {
  std::vector<TestPoint> points = koord::test::RandomUtmPoints(kPoints, kSeed);
  const std::vector<TestPoint> edges = koord::test::UtmEdgePoints(kAlongEachEdge);
  points.insert(points.end(), edges.begin(), edges.end());
  int compared = 0;
  int skipped = 0;
  int different = 0;
  for (const TestPoint& p : points) {
    for (std::int16_t digits = 0; digits <= 4; ++digits) {
      const std::optional<std::string> expected = Expected(p, digits);
      if (!expected) {
        ++skipped;
        continue;
      }
      ++compared;
      const std::string got = KoordReference(p.latitude, p.longitude, digits);
      if (got != *expected) ++different;
      EXPECT_EQ(got, *expected) << std::to_string(p.latitude) << " " << std::to_string(p.longitude);
    }
  }
  Spread spread;
  spread.Add(different, "");
  Report("MGRS 100 km .. 10 m, " + std::to_string(compared) + " references (" +
             std::to_string(skipped) + " skipped), differing",
         "GeographicLib MGRS::Forward", spread, "refs", 0);
}

}  // namespace
}  // namespace koord::accuracy
