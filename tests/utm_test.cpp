// Transverse Mercator with the DMA series: known points, zones, round
// trips, latitude bands and cell limits, faults.
//
// Reference values: the Brussels and Cape Town points on the Hayford and
// WGS 1984 ellipsoids are the system's worked values; the others come from
// GeographicLib's GeoConvert (exact transverse Mercator, WGS 1984), which
// agrees with the series to the millimetre inside a zone.

#include "geodesy/Utm.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

#include "support/RuntimeError.h"

namespace koord::DMA {
namespace {

// The UTM projections of three ellipsoids (a in metres, 1/f).
const TransverseMercator kHayford = UtmProjection(koord::Ellipsoid(6378388.0, 297.0));
const TransverseMercator kWgs84 = UtmProjection(koord::Ellipsoid(6378137.0, 298.257223563));
const TransverseMercator kClarke1880 = UtmProjection(koord::Ellipsoid(6378249.145, 293.465));

constexpr double kMetreTolerance = 1e-3;    // m, grid values to the millimetre
constexpr double kRadianTolerance = 1e-12;  // rad, round trips
constexpr double kLimitTolerance = 1e-12;   // rad, band and zone limits
// The conversion object's value of pi, a little small: its angles arrive a
// hair closer to 0 than the exact ones.
constexpr double kObjectPi = 3.1415926535;

double Deg(double degrees) {
  return degrees * Degree();
}
double ObjectDeg(double degrees) {
  return kObjectPi / 180.0 * degrees;
}

TEST(Degree, IsTheModulesOwn) {
  // The degree the series were worked with, atan(1)/45, to the last bit.
  EXPECT_EQ(Degree(), std::atan(1.0) / 45.0);
}

struct GridCase {
  const char* source;
  const TransverseMercator& tm;
  double latitude, longitude;  // degrees
  std::int16_t zone;
  double easting, northing;  // metres
};

const GridCase kGridCases[] = {
    {"Brussels, Hayford", kHayford, 50.85, 4.35, 31, 595036.846, 5634127.922},
    {"Brussels, WGS 84", kWgs84, 50.85, 4.35, 31, 595032.295, 5634012.833},
    {"Cape Town", kWgs84, -33.9, 18.4, 34, 259583.222, 6245888.045},
    {"GeoConvert Alaska", kWgs84, 61.2, -149.9, 6, 344173.864, 6788521.418},
    {"GeoConvert Seattle", kWgs84, 47.3, -122.3, 10, 552919.186, 5238740.477},
    {"GeoConvert -79.9/-100", kWgs84, -79.9, -100.0, 14, 480423.389, 1129407.483},
    {"GeoConvert 83.9/50", kWgs84, 83.9, 50.0, 39, 488136.731, 9317033.097},
    {"GeoConvert 0.5/-60", kWgs84, 0.5, -60.0, 21, 166034.098, 55341.388},
    {"GeoConvert -0.5/170", kWgs84, -0.5, 170.0, 59, 388723.559, 9944726.488},
    {"GeoConvert -45/170.5", kWgs84, -45.0, 170.5, 59, 460592.351, 5016928.012},
};

TEST(GeoToTm, KnownPoints) {
  for (const GridCase& c : kGridCases) {
    SCOPED_TRACE(c.source);
    std::int16_t zone = 0;
    double northing = 0.0, easting = 0.0;
    GeoToTm(c.tm, Deg(c.latitude), Deg(c.longitude), zone, northing, easting, 0);
    EXPECT_EQ(zone, c.zone);
    EXPECT_NEAR(easting, c.easting, kMetreTolerance);
    EXPECT_NEAR(northing, c.northing, kMetreTolerance);
  }
}

TEST(GeoToTm, GivenZoneIsKept) {
  // 3 degrees east at 60 north, in the Norway zone 32 (worked value).
  std::int16_t zone = 32;
  double northing = 0.0, easting = 0.0;
  GeoToTm(kWgs84, Deg(60.0), Deg(3.0), zone, northing, easting, 1);
  EXPECT_EQ(zone, 32);
  EXPECT_NEAR(easting, 165640.332, kMetreTolerance);
}

TEST(GeoToTm, EquatorHasNoFalseNorthing) {
  std::int16_t zone = 0;
  double northing = -1.0, easting = 0.0;
  GeoToTm(kWgs84, 0.0, Deg(3.0), zone, northing, easting, 0);
  EXPECT_EQ(northing, 0.0);
  EXPECT_NEAR(easting, kUtmFalseEasting, kMetreTolerance);
}

struct ZoneCase {
  double longitude;  // radians
  std::int16_t zone;
};

TEST(GeoToTm, ZoneFromLongitude) {
  const ZoneCase cases[] = {
      {Deg(180.0), 60},     {Deg(-180.0), 1},      {Deg(200.0), 60},
      {Deg(-200.0), 1},     {Deg(-0.0001), 30},    {Deg(0.0), 31},
      {ObjectDeg(6.0), 31}, {ObjectDeg(12.0), 32}, {Deg(6.0001), 32},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(c.longitude);
    std::int16_t zone = 0;
    double northing = 0.0, easting = 0.0;
    GeoToTm(kWgs84, Deg(45.0), c.longitude, zone, northing, easting, 0);
    EXPECT_EQ(zone, c.zone);
  }
}

TEST(GeoToTm, FaultsRaiseAndLeaveGridValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct {
    const char* what;
    double latitude, longitude;
    std::int16_t zoneGiven;
  } const cases[] = {
      {"NaN latitude", nan, Deg(4.0), 1},
      {"NaN longitude, zone given", Deg(50.0), nan, 1},
      {"NaN longitude, zone chosen", Deg(50.0), nan, 0},
      {"huge longitude", Deg(50.0), 1e10, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::int16_t zone = 31;
    double northing = 1.0, easting = 2.0;
    EXPECT_THROW(GeoToTm(kHayford, c.latitude, c.longitude, zone, northing, easting, c.zoneGiven),
                 RuntimeError);
    EXPECT_EQ(northing, 1.0);
    EXPECT_EQ(easting, 2.0);
  }
}

TEST(UtmToGeo, SouthernNorthingIsNegative) {
  double latitude = 0.0, longitude = 0.0;
  double northing = -6245888.045;
  UtmToGeo(kWgs84, latitude, longitude, 34, northing, 259583.222);
  EXPECT_EQ(northing, 6245888.045);
  EXPECT_NEAR(latitude, Deg(-33.9), 1e-9);  // rad, about 6 mm
  EXPECT_NEAR(longitude, Deg(18.4), 1e-9);

  northing = 6245888.045;
  UtmToGeo(kWgs84, latitude, longitude, 34, northing, 259583.222);
  EXPECT_GT(latitude, 0.0);  // read as a northern northing
  EXPECT_EQ(northing, 6245888.045);
}

TEST(UtmToGeo, FaultsRaise) {
  double latitude = 1.0, longitude = 2.0;
  double northing = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(UtmToGeo(kWgs84, latitude, longitude, 31, northing, kUtmFalseEasting), RuntimeError);
  EXPECT_EQ(latitude, 1.0);
  EXPECT_EQ(longitude, 2.0);
}

TEST(UtmToGeo, RoundTrip) {
  const struct {
    const TransverseMercator& tm;
    double latitude, longitude;  // degrees
  } cases[] = {
      {kHayford, 50.85, 4.35},    {kWgs84, 50.85, 4.35},   {kWgs84, -33.9, 18.4},
      {kClarke1880, 48.85, 2.35}, {kWgs84, 0.001, 3.0},    {kWgs84, -0.001, 2.0},
      {kWgs84, 83.9, 50.0},       {kWgs84, -79.9, -100.0}, {kHayford, 51.5, 2.5},
      {kHayford, 49.5, 6.4},      {kWgs84, 61.2, -149.9},  {kWgs84, 60.0, 3.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << " " << c.longitude);
    std::int16_t zone = 0;
    double northing = 0.0, easting = 0.0;
    GeoToTm(c.tm, Deg(c.latitude), Deg(c.longitude), zone, northing, easting, 0);
    if (c.latitude < 0.0) northing = -northing;
    double latitude = 0.0, longitude = 0.0;
    UtmToGeo(c.tm, latitude, longitude, zone, northing, easting);
    EXPECT_NEAR(latitude, Deg(c.latitude), kRadianTolerance);
    EXPECT_NEAR(longitude, Deg(c.longitude), kRadianTolerance);
  }
}

struct BandCase {
  double latitude;  // degrees
  char band;
};

TEST(LatitudeBand, BandFromLatitude) {
  // A parallel between two bands belongs to the northern one, as
  // GeoConvert has it, however close the latitude south of it comes.
  const BandCase cases[] = {
      {-79.9, 'C'}, {-80.0, 'C'},  {-85.0, 'C'}, {-33.9, 'H'},
      {-25.0, 'J'}, {-10.0, 'L'},  {-8.0, 'M'},  {-5.7e-8, 'M'},
      {0.0, 'N'},   {-0.0, 'N'},   {7.9, 'N'},   {std::nextafter(8.0, 0.0), 'N'},
      {8.0, 'P'},   {50.85, 'U'},  {48.0, 'U'},  {std::nextafter(48.0, 0.0), 'T'},
      {64.0, 'W'},  {72.0, 'X'},   {83.9, 'X'},  {84.0, 'X'},
      {89.0, 'X'},  {1e-300, 'N'},
  };
  for (const BandCase& c : cases) {
    SCOPED_TRACE(c.latitude);
    EXPECT_EQ(LatitudeBand(c.latitude), c.band - 'A' + 1);
  }
  EXPECT_THROW(LatitudeBand(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
}

TEST(StandardZone, ZoneFromLongitude) {
  // A zone meridian belongs to the zone east of it.
  const struct {
    double longitude;  // degrees
    std::int16_t zone;
  } cases[] = {
      {180.0, 60}, {-180.0, 1},   {200.0, 60},
      {-200.0, 1}, {-0.0001, 30}, {0.0, 31},
      {-0.0, 31},  {6.0, 32},     {std::nextafter(6.0, 0.0), 31},
      {12.0, 33},  {-6.0, 30},    {179.9, 60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.longitude);
    EXPECT_EQ(StandardZone(c.longitude), c.zone);
  }
  for (const double wrong : {std::numeric_limits<double>::quiet_NaN(), 1e10}) {
    EXPECT_THROW(StandardZone(wrong), RuntimeError);
  }
}

struct LimitCase {
  std::int16_t band, zone;
  double south, north, west, east;  // degrees
};

TEST(BandLimits, CellLimits) {
  const LimitCase cases[] = {
      {3, 1, -80, -72, -180, -174},  // C
      {8, 34, -40, -32, 18, 24},     // H
      {10, 31, -32, -24, 0, 6},      // J, after the skipped I
      {13, 31, -8, 0, 0, 6},         // M
      {14, 31, 0, 8, 0, 6},          // N
      {16, 31, 8, 16, 0, 6},         // P, after the skipped O
      {21, 31, 48, 56, 0, 6},        // U
      {22, 30, 56, 64, -6, 0},       // V outside Norway
      {22, 31, 56, 64, 0, 3},        // Norway
      {22, 32, 56, 64, 3, 12},      {22, 33, 56, 64, 12, 18},
      {23, 31, 64, 72, 0, 6},   // W has no exception
      {24, 31, 72, 84, 0, 9},   // Svalbard
      {24, 32, 72, 84, 6, 12},  // refused elsewhere, ordinary here
      {24, 33, 72, 84, 9, 21},      {24, 34, 72, 84, 18, 24},
      {24, 35, 72, 84, 21, 33},     {24, 36, 72, 84, 30, 36},
      {24, 37, 72, 84, 33, 42},     {24, 38, 72, 84, 42, 48},
      {24, 60, 72, 84, 174, 180},
  };
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "band " << c.band << " zone " << c.zone);
    const CellLimits cell = BandLimits(c.band, c.zone);
    EXPECT_NEAR(cell.south, Deg(c.south), kLimitTolerance);
    EXPECT_NEAR(cell.north, Deg(c.north), kLimitTolerance);
    EXPECT_NEAR(cell.west, Deg(c.west), kLimitTolerance);
    EXPECT_NEAR(cell.east, Deg(c.east), kLimitTolerance);
  }
  // Letters that are no band.
  for (const int letter : {0, 1, 9, 15, 25, 26}) {
    EXPECT_THROW(BandLimits(static_cast<std::int16_t>(letter), 31), RuntimeError);
  }
}

}  // namespace
}  // namespace koord::DMA
