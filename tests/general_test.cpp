#include "geodesy/General.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "core/Catalogue.h"
#include "support/RuntimeError.h"

namespace {

using koord::Datum;
using koord::General::DegToRad;
using koord::General::Molodensky;
using koord::General::RadToDeg;

// The shift of a catalogue datum in a direction.
Molodensky ShiftOf(Datum datum, std::int16_t direction) {
  const koord::DatumRecord& record = koord::DatumRecordOf(datum);
  return Molodensky(record, koord::EllipsoidOf(record), direction);
}

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
  double latitude, longitude;  // degrees
  Datum datum;
  std::int16_t direction;
  double wantLatitude, wantLongitude;  // degrees
  double tolerance;                    // degrees
};

TEST(Molodensky, KnownShifts) {
  const ShiftCase cases[] = {
      // Brussels area, BEL72 to WGS84: about 2" south and 4.6" east.
      {50.8, 4.4, Datum::Bel72, 1, 50.799455, 4.401267, 5e-7},
      // WGS84 has no shift: only the radian round trip remains.
      {50.8, 4.4, Datum::Wgs84, 1, 50.8, 4.4, 1e-12},
      {-12.5, -170.25, Datum::Wgs84, -1, -12.5, -170.25, 1e-12},
  };
  for (const ShiftCase& c : cases) {
    double lat = 0, lon = 0;
    ShiftOf(c.datum, c.direction).Shift(c.latitude, c.longitude, 0.0, lat, lon);
    EXPECT_NEAR(lat, c.wantLatitude, c.tolerance) << c.latitude;
    EXPECT_NEAR(lon, c.wantLongitude, c.tolerance) << c.longitude;
  }
}

TEST(Molodensky, ThereAndBackWithinMillimetres) {
  const Molodensky there = ShiftOf(Datum::Bel72, 1);
  const Molodensky back = ShiftOf(Datum::Bel72, -1);
  const double points[][2] = {{49.5, 2.6}, {50.8, 4.4}, {51.5, 6.4}};
  for (const auto& p : points) {
    double lat = 0, lon = 0, backLat = 0, backLon = 0;
    there.Shift(p[0], p[1], 0.0, lat, lon);
    back.Shift(lat, lon, 0.0, backLat, backLon);
    // 1e-7 degree is about 1 cm.
    EXPECT_NEAR(backLat, p[0], 1e-7);
    EXPECT_NEAR(backLon, p[1], 1e-7);
  }
}

TEST(Molodensky, FaultsRaiseAndLeaveOutputs) {
  const Molodensky toWgs84 = ShiftOf(Datum::Bel72, 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Fault {
    double latitude, height;
  } const faults[] = {{nan, 0.0}, {50.8, nan}};
  for (const Fault& f : faults) {
    SCOPED_TRACE(testing::Message() << f.latitude << " " << f.height);
    double lat = 7, lon = 8;
    EXPECT_THROW(toWgs84.Shift(f.latitude, 4.4, f.height, lat, lon), koord::RuntimeError);
    EXPECT_EQ(lat, 7);
    EXPECT_EQ(lon, 8);
  }
}

TEST(Molodensky, DirectionThatOverflowsTheAxisDifferenceIsRefusedWhenSetUp) {
  // 200 * -251 m does not fit 16 bits.
  EXPECT_THROW(ShiftOf(Datum::Bel72, 200), koord::RuntimeError);
}

}  // namespace
