// The projections and the transformation of the official Belgian chain
// against PROJ: Lambert 2008 (EPSG:3812) and Lambert 72 as EPSG:31370
// defines it, both ways, and the Helmert transformation "BD72 to ETRS89 (2)"
// (EPSG:15928) and "BD72 to WGS 84 (3)" (EPSG:15929), both ways.

#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "core/TransCoo.h"
#include "geodesy/ConformalConic.h"
#include "geodesy/Helmert.h"
#include "geodesy/Lambert.h"
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

constexpr double kMillimetre = 0.001;          // m
constexpr double kDegreeTolerance = 1e-8;      // degrees
constexpr double kRoundTripTolerance = 1e-11;  // degrees, about a micrometre

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

void CompareHelmert(const std::string& operation, Datum target, const std::string& name) {
  const ProjOperation proj("urn:ogc:def:coordinateOperation:EPSG::" + operation);
  const Ellipsoid hayford = EllipsoidOf(DatumRecordOf(Datum::Bel72));
  const Ellipsoid to = EllipsoidOf(DatumRecordOf(target));
  const Helmert::Transformation forwardShift(Helmert::kBd72ToEtrs89, hayford, to,
                                             Helmert::Direction::Forward);
  const Helmert::Transformation inverseShift(Helmert::kBd72ToEtrs89, hayford, to,
                                             Helmert::Direction::Inverse);
  Spread forward;
  Spread inverse;
  Spread roundTrip;
  EachGridPoint([&](double latitude, double longitude) {
    const PJ_COORD out = proj.Forward(latitude, longitude);
    double lat = 0, lon = 0;
    forwardShift.Shift(latitude, longitude, 0, lat, lon);
    forward.Add(std::max(std::fabs(lat - out.v[0]), std::fabs(lon - out.v[1])),
                Where(latitude, longitude));
    double backLat = 0, backLon = 0;
    inverseShift.Shift(lat, lon, 0, backLat, backLon);
    roundTrip.Add(std::max(std::fabs(backLat - latitude), std::fabs(backLon - longitude)),
                  Where(latitude, longitude));
    // PROJ's inverse takes the point at height 0 on the far ellipsoid,
    // Koord's where a point of the BD72 ellipsoid lies: under 0.5 mm apart.
    const PJ_COORD back = proj.Inverse(latitude, longitude);
    inverseShift.Shift(latitude, longitude, 0, lat, lon);
    inverse.Add(std::max(std::fabs(lat - back.v[0]), std::fabs(lon - back.v[1])),
                Where(latitude, longitude));
  });
  Report(name + " forward, 0.01° grid", "PROJ EPSG:" + operation, forward, "°", kDegreeTolerance);
  Report(name + " inverse, same points", "PROJ EPSG:" + operation, inverse, "°", kDegreeTolerance);
  Report(name + " forward, then inverse", "the starting point", roundTrip, "°",
         kRoundTripTolerance);
  EXPECT_LE(forward.Max(), kDegreeTolerance) << forward.WorstAt();
  EXPECT_LE(inverse.Max(), kDegreeTolerance) << inverse.WorstAt();
  EXPECT_LE(roundTrip.Max(), kRoundTripTolerance) << roundTrip.WorstAt();
}

TEST(OfficialAccuracy, Bd72ToEtrs89BothWays) {
  CompareHelmert("15928", Datum::Etrs89, "BD72 -> ETRS89 (Helmert)");
}

TEST(OfficialAccuracy, Bd72ToWgs84BothWays) {
  CompareHelmert("15929", Datum::Wgs84, "BD72 -> WGS84 (Helmert)");
}

}  // namespace
}  // namespace koord::accuracy

namespace koord::accuracy {
namespace {

// The official chain from Lambert 72 to Lambert 2008 (EPSG:31370 to
// EPSG:3812 through "BD72 to ETRS89 (2)"), as PROJ writes it.
const char* const kLambert72To2008 =
    "+proj=pipeline +step +inv +proj=lcc +lat_0=90 +lon_0=4.36748666666667 "
    "+lat_1=51.1666672333333 +lat_2=49.8333339 +x_0=150000.013 +y_0=5400088.438 +ellps=intl "
    "+step +proj=push +v_3 +step +proj=cart +ellps=intl "
    "+step +proj=helmert +x=-106.8686 +y=52.2978 +z=-103.7239 +rx=-0.3366 +ry=0.457 "
    "+rz=-1.8422 +s=-1.2747 +convention=coordinate_frame "
    "+step +inv +proj=cart +ellps=GRS80 +step +proj=pop +v_3 "
    "+step +proj=lcc +lat_0=50.797815 +lon_0=4.35921583333333 +lat_1=49.8333333333333 "
    "+lat_2=51.1666666666667 +x_0=649328 +y_0=665262 +ellps=GRS80";

constexpr double kGridStep = 1000;  // m, over the accepted range (Lambert::kBounds)

std::string At(double X, double Y) {
  return std::to_string(X) + " " + std::to_string(Y);
}

// A conversion object for one kind to others, datums as given.
TransCoo Converter(const char* from, const char* to, bool precise = false) {
  TransCoo point;
  point.SetDatumFrom(from);
  point.SetDatumDest(to);
  point.PreciseTransformation = precise;
  return point;
}

TEST(OfficialChainAccuracy, Lambert72AndLambert2008BothWaysOnAKilometreGrid) {
  const ProjOperation proj(kLambert72To2008);
  TransCoo toL08 = Converter("BEL72", "ETRS89");
  TransCoo toL72 = Converter("ETRS89", "BEL72");
  Spread forward, inverse, roundTrip;
  for (double X = Lambert::kBounds.minX; X <= Lambert::kBounds.maxX; X += kGridStep) {
    for (double Y = Lambert::kBounds.minY; Y <= Lambert::kBounds.maxY; Y += kGridStep) {
      const PJ_COORD expected = proj.Forward(X, Y);
      toL08.Reset();
      toL08.SetOrigType("lmb");
      toL08.SetX(X);
      toL08.SetY(Y);
      toL08.Conversion();
      ASSERT_EQ(toL08.Error(), "") << At(X, Y);
      forward.Add(std::hypot(toL08.X2008() - expected.xy.x, toL08.Y2008() - expected.xy.y),
                  At(X, Y));
      toL72.Reset();
      toL72.SetOrigType("l08");
      toL72.SetX2008(expected.xy.x);
      toL72.SetY2008(expected.xy.y);
      toL72.Conversion();
      ASSERT_EQ(toL72.Error(), "") << At(X, Y);
      inverse.Add(std::hypot(toL72.X() - X, toL72.Y() - Y), At(X, Y));
      toL72.Reset();
      toL72.SetOrigType("l08");
      toL72.SetX2008(toL08.X2008());
      toL72.SetY2008(toL08.Y2008());
      toL72.Conversion();
      roundTrip.Add(std::hypot(toL72.X() - X, toL72.Y() - Y), At(X, Y));
    }
  }
  Report("Lambert 1972 -> Lambert 2008, 1 km grid", "PROJ EPSG:31370 -> EPSG:3812", forward, "m",
         kMillimetre);
  Report("Lambert 2008 -> Lambert 1972, same points", "PROJ EPSG:3812 -> EPSG:31370", inverse, "m",
         kMillimetre);
  Report("Lambert 1972 -> 2008 -> 1972", "the starting point", roundTrip, "m", kMillimetre);
  EXPECT_LE(forward.Max(), kMillimetre) << forward.WorstAt();
  EXPECT_LE(inverse.Max(), kMillimetre) << inverse.WorstAt();
  EXPECT_LE(roundTrip.Max(), kMillimetre) << roundTrip.WorstAt();
}

TEST(OfficialChainAccuracy, Lambert72ToEtrs89Degrees) {
  const ProjOperation proj("EPSG:31370", "EPSG:4258");
  TransCoo point = Converter("BEL72", "ETRS89");
  Spread spread;
  for (double X = Lambert::kBounds.minX; X <= Lambert::kBounds.maxX; X += kGridStep) {
    for (double Y = Lambert::kBounds.minY; Y <= Lambert::kBounds.maxY; Y += kGridStep) {
      const PJ_COORD expected = proj.Forward(X, Y);
      point.Reset();
      point.SetOrigType("lmb");
      point.SetX(X);
      point.SetY(Y);
      point.Conversion();
      spread.Add(std::max(std::fabs(point.Latitude() - expected.v[0]),
                          std::fabs(point.Longitude() - expected.v[1])),
                 At(X, Y));
    }
  }
  Report("Lambert 1972 -> ETRS89 degrees, 1 km grid",
         "PROJ EPSG:31370 -> EPSG:4258 (" + proj.LastUsedName() + ")", spread, "°",
         kDegreeTolerance);
  EXPECT_LE(spread.Max(), kDegreeTolerance) << spread.WorstAt();
}

TEST(OfficialChainAccuracy, Bd72ToWgs84PreciseBothWays) {
  const ProjOperation proj("urn:ogc:def:coordinateOperation:EPSG::15929");
  TransCoo toWgs = Converter("BEL72", "WGS84", true);
  TransCoo toBd72 = Converter("WGS84", "BEL72", true);
  Spread forward, inverse;
  EachGridPoint([&](double latitude, double longitude) {
    const PJ_COORD out = proj.Forward(latitude, longitude);
    toWgs.Reset();
    toWgs.SetOrigType("deg");
    toWgs.SetLatitude(latitude);
    toWgs.SetLongitude(longitude);
    toWgs.Conversion();
    forward.Add(GroundDistance(toWgs.Latitude(), toWgs.Longitude(), out.v[0], out.v[1]),
                Where(latitude, longitude));
    const PJ_COORD back = proj.Inverse(latitude, longitude);
    toBd72.Reset();
    toBd72.SetOrigType("deg");
    toBd72.SetLatitude(latitude);
    toBd72.SetLongitude(longitude);
    toBd72.Conversion();
    inverse.Add(GroundDistance(toBd72.Latitude(), toBd72.Longitude(), back.v[0], back.v[1]),
                Where(latitude, longitude));
  });
  Report("BD72 -> WGS84 degrees, precise, 0.01° grid", "PROJ EPSG:15929", forward, "m",
         kMillimetre);
  Report("WGS84 -> BD72 degrees, precise, same points", "PROJ EPSG:15929 inverse", inverse, "m",
         kMillimetre);
  EXPECT_LE(forward.Max(), kMillimetre) << forward.WorstAt();
  EXPECT_LE(inverse.Max(), kMillimetre) << inverse.WorstAt();
}

TEST(OfficialChainAccuracy, UtmNumbersInZones31And32) {
  for (const std::int16_t zone : {std::int16_t{31}, std::int16_t{32}}) {
    const ProjOperation proj("+proj=utm +zone=" + std::to_string(zone) + " +ellps=WGS84");
    TransCoo point = Converter("WGS84", "WGS84");
    point.UtmZone = zone;
    Spread spread;
    EachGridPoint([&](double latitude, double longitude) {
      const PJ_COORD expected = proj.Forward(proj_torad(longitude), proj_torad(latitude));
      point.Reset();
      point.SetOrigType("deg");
      point.SetLatitude(latitude);
      point.SetLongitude(longitude);
      point.Conversion();
      spread.Add(std::hypot(point.Easting() - expected.xy.x, point.Northing() - expected.xy.y),
                 Where(latitude, longitude));
    });
    Report("UTM numbers in zone " + std::to_string(zone) + ", 0.01° grid over Belgium",
           "PROJ utm (EPSG:326" + std::to_string(zone) + ")", spread, "m", kMillimetre);
    EXPECT_LE(spread.Max(), kMillimetre) << spread.WorstAt();
  }
}

}  // namespace
}  // namespace koord::accuracy
