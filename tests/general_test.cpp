#include "geodesy/General.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "core/Catalogue.h"
#include "support/RuntimeError.h"

namespace {

using koord::General::DegToRad;
using koord::General::MolodenskyShift;
using koord::General::RadToDeg;

constexpr int kBel72 = 1;            // catalogue index (position 2)
constexpr int kWgs84 = 2;            // position 3
constexpr int kHayford = 14;         // position 15
constexpr int kWgs84Ellipsoid = 20;  // position 21

TEST(AngleUnits, ProgramPiConvertsExactly) {
  EXPECT_EQ(DegToRad(180.0), 3.1415926535);
  EXPECT_EQ(RadToDeg(3.1415926535), 180.0);
  EXPECT_EQ(DegToRad(0.0), 0.0);
  EXPECT_EQ(DegToRad(-180.0), -3.1415926535);
}

TEST(AngleUnits, RoundTripWithinTwoUlp) {
  const double angles[] = {1e-9, 0.1,   4.4,        45.0,      50.8,  89.999999,
                           90.0, -33.3, 123.456789, 179.99999, -180.0};
  for (double degrees : angles) {
    const double back = RadToDeg(DegToRad(degrees));
    const double ulp = std::nextafter(std::fabs(degrees), std::numeric_limits<double>::infinity()) -
                       std::fabs(degrees);
    EXPECT_LE(std::fabs(back - degrees), 2 * ulp) << degrees;
  }
}

struct ShiftCase {
  double latitude, longitude;    // degrees
  std::size_t datum, ellipsoid;  // catalogue indexes
  std::int16_t direction;
  double wantLatitude, wantLongitude;  // degrees
  double tolerance;                    // degrees
};

TEST(Molodensky, KnownShifts) {
  const ShiftCase cases[] = {
      // Brussels area, BEL72 to WGS84: about 2" south and 4.6" east.
      {50.8, 4.4, kBel72, kHayford, 1, 50.799455, 4.401267, 5e-7},
      // WGS84 has no shift: only the radian round trip remains.
      {50.8, 4.4, kWgs84, kWgs84Ellipsoid, 1, 50.8, 4.4, 1e-12},
      {-12.5, -170.25, kWgs84, kWgs84Ellipsoid, -1, -12.5, -170.25, 1e-12},
  };
  const auto datums = koord::DatumCatalogue();
  const auto ellipsoids = koord::EllipsoidCatalogue();
  for (const ShiftCase& c : cases) {
    double lat = 0, lon = 0;
    MolodenskyShift(c.latitude, c.longitude, 0.0, lat, lon, datums[c.datum],
                    ellipsoids[c.ellipsoid], c.direction);
    EXPECT_NEAR(lat, c.wantLatitude, c.tolerance) << c.latitude;
    EXPECT_NEAR(lon, c.wantLongitude, c.tolerance) << c.longitude;
  }
}

TEST(Molodensky, ThereAndBackWithinMillimetres) {
  const auto bel72 = koord::DatumCatalogue()[kBel72];
  const auto hayford = koord::EllipsoidCatalogue()[kHayford];
  const double points[][2] = {{49.5, 2.6}, {50.8, 4.4}, {51.5, 6.4}};
  for (const auto& p : points) {
    double lat = 0, lon = 0, backLat = 0, backLon = 0;
    MolodenskyShift(p[0], p[1], 0.0, lat, lon, bel72, hayford, 1);
    MolodenskyShift(lat, lon, 0.0, backLat, backLon, bel72, hayford, -1);
    // 1e-7 degree is about 1 cm.
    EXPECT_NEAR(backLat, p[0], 1e-7);
    EXPECT_NEAR(backLon, p[1], 1e-7);
  }
}

TEST(Molodensky, FaultsRaiseAndLeaveOutputs) {
  const auto bel72 = koord::DatumCatalogue()[kBel72];
  const auto hayford = koord::EllipsoidCatalogue()[kHayford];
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Fault {
    double latitude, height;
    std::int16_t direction;  // 200 * -251 overflows 16 bits
  } const faults[] = {{50.8, 0.0, 200}, {nan, 0.0, 1}, {50.8, nan, 1}};
  for (const Fault& f : faults) {
    double lat = 7, lon = 8;
    EXPECT_THROW(MolodenskyShift(f.latitude, 4.4, f.height, lat, lon, bel72, hayford, f.direction),
                 koord::RuntimeError);
    EXPECT_EQ(lat, 7);
    EXPECT_EQ(lon, 8);
  }
}

}  // namespace
