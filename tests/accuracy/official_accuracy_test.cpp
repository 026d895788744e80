// The projections and the transformation of the official Belgian chain
// against PROJ: Lambert 2008 (EPSG:3812) and Lambert 72 as EPSG:31370
// defines it, both ways, and the Helmert transformation "BD72 to ETRS89 (2)"
// (EPSG:15928) and "BD72 to WGS 84 (3)" (EPSG:15929), both ways.

#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "geodesy/ConformalConic.h"
#include "geodesy/Helmert.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Ground.h"
#include "tests/accuracy/Proj.h"

namespace koord::accuracy {
namespace {

const char* const kLambert2008 =
    "+proj=lcc +lat_0=50.797815 +lon_0=4.35921583333333 +lat_1=49.8333333333333 "
    "+lat_2=51.1666666666667 +x_0=649328 +y_0=665262 +ellps=GRS80";
const char* const kLambert72 =
    "+proj=lcc +lat_1=51.16666723333333 +lat_2=49.8333339 +lat_0=90 "
    "+lon_0=4.367486666666666 +x_0=150000.013 +y_0=5400088.438 +ellps=intl";

// A grid of 1/100 degree over Belgium and its borders.
constexpr double kSouth = 49.45;
constexpr double kNorth = 51.55;
constexpr double kWest = 2.50;
constexpr double kEast = 6.45;
constexpr double kStep = 0.01;

constexpr double kMillimetre = 0.001;      // m
constexpr double kDegreeTolerance = 1e-8;  // degrees

std::string Where(double latitude, double longitude) {
  return std::to_string(latitude) + " " + std::to_string(longitude);
}

template <typename Visit>
void EachGridPoint(Visit&& visit) {
  for (double latitude = kSouth; latitude <= kNorth; latitude += kStep) {
    for (double longitude = kWest; longitude <= kEast; longitude += kStep)
      visit(latitude, longitude);
  }
}

void CompareProjection(const ConformalConic& koord, const char* definition,
                       const std::string& name) {
  const ProjOperation proj(definition);
  Spread forward;
  Spread inverse;
  EachGridPoint([&](double latitude, double longitude) {
    const PJ_COORD xy = proj.Forward(proj_torad(longitude), proj_torad(latitude));
    double X = 0, Y = 0;
    koord.Forward(latitude, longitude, X, Y);
    forward.Add(std::hypot(X - xy.xy.x, Y - xy.xy.y), Where(latitude, longitude));
    double lat = 0, lon = 0;
    koord.Inverse(xy.xy.x, xy.xy.y, lat, lon);
    inverse.Add(GroundDistance(lat, lon, latitude, longitude), Where(latitude, longitude));
  });
  Report(name + " forward, 0.01° grid over Belgium", "PROJ lcc", forward, "m", kMillimetre);
  Report(name + " inverse, same points", "PROJ lcc", inverse, "m", kMillimetre);
  EXPECT_LE(forward.Max(), kMillimetre) << forward.WorstAt();
  EXPECT_LE(inverse.Max(), kMillimetre) << inverse.WorstAt();
}

TEST(OfficialAccuracy, Lambert2008BothWays) {
  CompareProjection(Lambert2008(), kLambert2008, "Lambert 2008 (EPSG:3812)");
}

TEST(OfficialAccuracy, Lambert72AsEpsgDefinesItBothWays) {
  CompareProjection(Lambert72Official(), kLambert72, "Lambert 72 (EPSG:31370)");
}

void CompareHelmert(const std::string& operation, const Helmert::Ellipsoid& target,
                    const std::string& name) {
  const ProjOperation proj("urn:ogc:def:coordinateOperation:EPSG::" + operation);
  Spread forward;
  Spread inverse;
  EachGridPoint([&](double latitude, double longitude) {
    const PJ_COORD out = proj.Forward(latitude, longitude);
    double lat = 0, lon = 0;
    Helmert::Shift(latitude, longitude, 0, Helmert::kBd72ToEtrs89, Helmert::kHayford, target,
                   Helmert::Direction::Forward, lat, lon);
    forward.Add(std::max(std::fabs(lat - out.v[0]), std::fabs(lon - out.v[1])),
                Where(latitude, longitude));
    const PJ_COORD back = proj.Inverse(latitude, longitude);
    Helmert::Shift(latitude, longitude, 0, Helmert::kBd72ToEtrs89, Helmert::kHayford, target,
                   Helmert::Direction::Inverse, lat, lon);
    inverse.Add(std::max(std::fabs(lat - back.v[0]), std::fabs(lon - back.v[1])),
                Where(latitude, longitude));
  });
  Report(name + " forward, 0.01° grid", "PROJ EPSG:" + operation, forward, "°", kDegreeTolerance);
  Report(name + " inverse, same points", "PROJ EPSG:" + operation, inverse, "°", kDegreeTolerance);
  EXPECT_LE(forward.Max(), kDegreeTolerance) << forward.WorstAt();
  EXPECT_LE(inverse.Max(), kDegreeTolerance) << inverse.WorstAt();
}

TEST(OfficialAccuracy, Bd72ToEtrs89BothWays) {
  CompareHelmert("15928", Helmert::kGrs80, "BD72 -> ETRS89 (Helmert)");
}

TEST(OfficialAccuracy, Bd72ToWgs84BothWays) {
  CompareHelmert("15929", Helmert::kWgs84, "BD72 -> WGS84 (Helmert)");
}

}  // namespace
}  // namespace koord::accuracy
