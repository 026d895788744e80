#include "geodesy/Lambert.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "geodesy/General.h"
#include "support/RuntimeError.h"

namespace {

using koord::Lambert::GeoToLambert;
using koord::Lambert::kBounds;
using koord::Lambert::LambertToGeo;

constexpr double kMetreTolerance = 1e-3;   // m, for the three-decimal values
constexpr double kDegreeTolerance = 5e-7;  // degrees, for six-decimal values

TEST(GeoToLambert, KnownPoint) {
  double X = 0, Y = 0;
  GeoToLambert(50.8, 4.4, X, Y);
  EXPECT_NEAR(X, 152292.159, kMetreTolerance);
  EXPECT_NEAR(Y, 165444.406, kMetreTolerance);
}

// On the central meridian theta is 0, yet X sits 744 m west of the false
// easting because of the cone angle correction.
TEST(GeoToLambert, CentralMeridian) {
  double X = 0, Y = 0;
  GeoToLambert(50.8, koord::General::RadToDeg(0.076042943), X, Y);
  EXPECT_NEAR(X, 149256.468, kMetreTolerance);
}

TEST(GeoToLambert, PolesStayFinite) {
  double X = 0, Y = 0;
  GeoToLambert(90.0, 4.4, X, Y);  // the apex of the cone
  EXPECT_EQ(X, 150000.01256);
  EXPECT_EQ(Y, 5400088.4378);
  GeoToLambert(-90.0, 4.4, X, Y);
  EXPECT_TRUE(std::isfinite(X) && std::isfinite(Y));
  EXPECT_GT(std::hypot(X, Y), 1e13);
}

TEST(LambertToGeo, KnownPoints) {
  struct Case {
    double X, Y;                 // metres
    double latitude, longitude;  // degrees, BEL72
  } const cases[] = {
      {150000, 170000, 50.840956, 4.367486},
      {0, 0, 49.293912, 2.305502},
  };
  for (const Case& c : cases) {
    double lat = 0, lon = 0;
    LambertToGeo(c.X, c.Y, lat, lon);
    EXPECT_NEAR(lat, c.latitude, kDegreeTolerance) << c.X << " " << c.Y;
    EXPECT_NEAR(lon, c.longitude, kDegreeTolerance) << c.X << " " << c.Y;
  }
}

TEST(LambertToGeo, AcceptedRangeCornersConverge) {
  const double corners[][2] = {{kBounds.minX, kBounds.minY},
                               {kBounds.maxX, kBounds.minY},
                               {kBounds.minX, kBounds.maxY},
                               {kBounds.maxX, kBounds.maxY}};
  for (const auto& corner : corners) {
    double lat = 0, lon = 0;
    ASSERT_NO_THROW(LambertToGeo(corner[0], corner[1], lat, lon));
    // Belgium and its surroundings.
    EXPECT_TRUE(lat > 49 && lat < 52.5) << lat;
    EXPECT_TRUE(lon > 2 && lon < 7) << lon;
  }
}

// Geographic to Lambert and back over Belgium, and the reverse over the
// accepted Lambert range.
TEST(Lambert, RoundTrips) {
  constexpr double kLatLonTolerance = 1e-8;  // degrees, about 1 mm
  constexpr double kXYTolerance = 2e-3;      // metres
  for (double lat = 49.4; lat <= 51.6; lat += 0.1) {
    for (double lon = 2.5; lon <= 6.5; lon += 0.25) {
      double X = 0, Y = 0, backLat = 0, backLon = 0;
      GeoToLambert(lat, lon, X, Y);
      LambertToGeo(X, Y, backLat, backLon);
      EXPECT_NEAR(backLat, lat, kLatLonTolerance) << lat << " " << lon;
      EXPECT_NEAR(backLon, lon, kLatLonTolerance) << lat << " " << lon;
    }
  }
  constexpr int kSteps = 20;  // per axis
  const double xStep = (kBounds.maxX - kBounds.minX) / kSteps;
  const double yStep = (kBounds.maxY - kBounds.minY) / kSteps;
  for (double X = kBounds.minX; X <= kBounds.maxX; X += xStep) {
    for (double Y = kBounds.minY; Y <= kBounds.maxY; Y += yStep) {
      double lat = 0, lon = 0, backX = 0, backY = 0;
      LambertToGeo(X, Y, lat, lon);
      GeoToLambert(lat, lon, backX, backY);
      EXPECT_NEAR(backX, X, kXYTolerance) << X << " " << Y;
      EXPECT_NEAR(backY, Y, kXYTolerance) << X << " " << Y;
    }
  }
}

TEST(Lambert, FaultsRaiseAndLeaveOutputs) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Geo {
    double latitude, longitude;
  } const badGeo[] = {{91.0, 4.4}, {nan, 4.4}, {50.8, inf}};
  for (const Geo& g : badGeo) {
    double X = 1, Y = 2;
    EXPECT_THROW(GeoToLambert(g.latitude, g.longitude, X, Y), koord::RuntimeError)
        << g.latitude << " " << g.longitude;
    EXPECT_EQ(X, 1);
    EXPECT_EQ(Y, 2);
  }
  struct Grid {
    double X, Y;
  } const badGrid[] = {
      {150000, 5400088.4378},        // northing of the apex
      {150000.01256, 5400088.4378},  // the apex itself
      {nan, 170000},
      {150000, inf},
  };
  for (const Grid& g : badGrid) {
    double lat = 1, lon = 2;
    EXPECT_THROW(LambertToGeo(g.X, g.Y, lat, lon), koord::RuntimeError) << g.X << " " << g.Y;
    EXPECT_EQ(lat, 1);
    EXPECT_EQ(lon, 2);
  }
}

}  // namespace
