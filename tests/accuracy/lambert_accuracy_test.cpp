// Lambert 1972 both ways against PROJ's Lambert conformal conic with the
// EPSG:31370 definition on the international (Hayford) ellipsoid.

#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "geodesy/Lambert.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Ground.h"
#include "tests/accuracy/Proj.h"

namespace koord::accuracy {
namespace {

const char* const kLambert72 =
    "+proj=lcc +lat_1=51.16666723333333 +lat_2=49.8333339 +lat_0=90 "
    "+lon_0=4.367486666666666 +x_0=150000.013 +y_0=5400088.438 +ellps=intl";

constexpr double kStep = 5000;        // grid spacing, m, over the accepted range (Lambert::kBounds)
constexpr double kTolerance = 0.005;  // m, both directions

std::string Where(double X, double Y) {
  return "X=" + std::to_string(static_cast<long>(X)) + " Y=" + std::to_string(static_cast<long>(Y));
}

TEST(LambertAccuracy, BothWaysOverTheAcceptedRange) {
  const ProjOperation lcc(kLambert72);
  Spread inverse;
  Spread forward;
  for (double X = Lambert::kBounds.minX; X <= Lambert::kBounds.maxX; X += kStep) {
    for (double Y = Lambert::kBounds.minY; Y <= Lambert::kBounds.maxY; Y += kStep) {
      const PJ_COORD geo = lcc.Inverse(X, Y);
      const double latitude = proj_todeg(geo.lp.phi);
      const double longitude = proj_todeg(geo.lp.lam);

      double koordLatitude = 0, koordLongitude = 0;
      Lambert::LambertToGeo(X, Y, koordLatitude, koordLongitude);
      inverse.Add(GroundDistance(koordLatitude, koordLongitude, latitude, longitude), Where(X, Y));

      double koordX = 0, koordY = 0;
      Lambert::GeoToLambert(latitude, longitude, koordX, koordY);
      forward.Add(std::hypot(koordX - X, koordY - Y), Where(X, Y));
    }
  }
  Report("LambertToGeo (0..310000 x 0..260000)", "PROJ lcc EPSG:31370", inverse, "m", kTolerance);
  Report("GeoToLambert (same points)", "PROJ lcc EPSG:31370", forward, "m", kTolerance);
  EXPECT_LE(inverse.Max(), kTolerance) << inverse.WorstAt();
  EXPECT_LE(forward.Max(), kTolerance) << forward.WorstAt();
}

}  // namespace
}  // namespace koord::accuracy
