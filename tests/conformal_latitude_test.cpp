// The latitude from a conformal projection's isometric term: the series
// start and its steps give back the latitude the term was made from,
// across the globe and on the two ellipsoids of Belgian Lambert.
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "geodesy/ConformalLatitude.h"

namespace koord {
namespace {

double Eccentricity(double inverseFlattening) {
  return std::sqrt((2 - 1 / inverseFlattening) / inverseFlattening);
}

double IsometricT(double phi, double e) {
  const double s = e * std::sin(phi);
  return std::tan(std::numbers::pi / 4 - phi / 2) / std::pow((1 - s) / (1 + s), e / 2);
}

TEST(ConformalLatitude, GivesBackTheLatitudeOfItsTerm) {
  struct Ellipsoid {
    const char* name;
    double inverseFlattening;
  } const ellipsoids[] = {{"International 1924", 297.0}, {"GRS 1980", 298.257222101}};
  for (const Ellipsoid& ellipsoid : ellipsoids) {
    SCOPED_TRACE(ellipsoid.name);
    const double e = Eccentricity(ellipsoid.inverseFlattening);
    const ConformalLatitude latitude(e);
    for (int degrees = -89; degrees <= 89; ++degrees) {
      const double phi = degrees * std::numbers::pi / 180;
      // 1e-14 rad: some 60 nm on the ground.
      EXPECT_NEAR(latitude.FromT(IsometricT(phi, e)), phi, 1e-14) << degrees;
    }
  }
}

}  // namespace
}  // namespace koord
