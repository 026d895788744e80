// MGRS references: texts of known points, Norway and Svalbard zones, the
// UTM range, letter sets by ellipsoid, refusals, decoding and round trips.
//
// Reference values: the Brussels, Paris, Alaska, equator and Norway-edge
// texts are the system's worked values; the other letters and digits come
// from GeographicLib's GeoConvert (WGS 1984), its UTM values rounded half
// away to the metre, and the decoded positions from GeoConvert reading the
// square's representative point. Texts built by hand from the letter rules
// say so.

#include "geodesy/Mgrs.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "geodesy/Utm.h"
#include "support/RuntimeError.h"

namespace koord::DMA {
namespace {

// The UTM projections of four ellipsoids (a in metres, 1/f, catalogue
// number): Hayford and WGS 1984 take the first lettering, Clarke 1880 the
// second, Krassovsky none.
const TransverseMercator kHayford = UtmProjection(koord::Ellipsoid(6378388.0, 297.0, 15));
const TransverseMercator kWgs84 = UtmProjection(koord::Ellipsoid(6378137.0, 298.257223563, 21));
const TransverseMercator kClarke1880 = UtmProjection(koord::Ellipsoid(6378249.145, 293.465, 6));
const TransverseMercator kKrassovsky = UtmProjection(koord::Ellipsoid(6378245.0, 298.3, 16));

constexpr double kMetreTolerance = 1e-3;    // m, grid values
constexpr double kEarthRadius = 6371000.0;  // m, to express angles as ground distance
// The conversion object's value of pi, a little small.
constexpr double kObjectPi = 3.1415926535;

double Deg(double degrees) {
  return degrees * Degree();
}

// Approximate ground distance in metres between two nearby positions (rad).
double Distance(double lat1, double lon1, double lat2, double lon2) {
  return kEarthRadius * std::hypot(lat1 - lat2, (lon1 - lon2) * std::cos(lat1));
}

struct Utm {
  std::int16_t zone = -1;
  double northing = -1.0, easting = -1.0;
  std::string mgrs = "x";
};

Utm Forward(const TransverseMercator& tm, double latitude, double longitude) {
  Utm out;
  GeoToUtm(tm, latitude, longitude, out.zone, out.northing, out.easting, out.mgrs);
  return out;
}

struct Decoded {
  std::string text;
  double latitude = -1.0, longitude = -1.0;
  std::int16_t zone = -1;
  double northing = -1.0, easting = -1.0;
  std::int32_t refused = -1;
};

// `digits` per axis of the reference that `text` completes (5: 1 m).
Decoded Decode(const TransverseMercator& tm, std::string text, std::int16_t digits = 5) {
  Decoded out;
  MgrsToGeo(text, tm, out.latitude, out.longitude, out.zone, out.northing, out.easting, out.refused,
            digits);
  out.text = text;
  return out;
}

struct TextCase {
  const char* source;
  const TransverseMercator& tm;
  double latitude, longitude;  // radians
  const char* mgrs;
};

TEST(GeoToUtm, KnownTexts) {
  const TextCase cases[] = {
      {"Brussels", kHayford, Deg(50.85), Deg(4.35), "31UES9503734128"},
      {"Paris, scheme 2", kClarke1880, Deg(48.85), Deg(2.35), "31UDE5231310672"},
      {"Alaska, one-digit zone", kWgs84, Deg(61.2), Deg(-149.9), " 6VUN4417488521"},
      {"just south of the equator", kWgs84, -1e-9, Deg(3.0), "31MEV0000099999"},
      {"zone 31 band V at 500 000 m", kWgs84, Deg(60.0), Deg(2.9999999), "31VDG9999951411"},
      {"GeoConvert Cape Town", kWgs84, Deg(-33.9), Deg(18.4), "34HBH5958345888"},
      {"GeoConvert Svalbard", kWgs84, Deg(78.0), Deg(15.0), "33XWG0000058370"},
      {"GeoConvert Svalbard edge", kWgs84, Deg(78.0), Deg(9.0001), "33XUG6097665497"},
      {"GeoConvert Norway", kWgs84, Deg(60.0), Deg(4.0), "32VKM2128961953"},
      {"GeoConvert band C", kWgs84, Deg(-79.9), Deg(-100.0), "14CMS8042329407"},
      {"GeoConvert band X", kWgs84, Deg(83.9), Deg(50.0), "39XVP8813717033"},
      {"GeoConvert north of equator", kWgs84, Deg(0.5), Deg(-60.0), "21NSA6603455341"},
      {"GeoConvert south of equator", kWgs84, Deg(-0.5), Deg(170.0), "59MLV8872444726"},
      {"GeoConvert New Zealand", kWgs84, Deg(-45.0), Deg(170.5), "59GML6059216928"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_EQ(Forward(c.tm, c.latitude, c.longitude).mgrs, c.mgrs);
  }
}

struct ZoneCase {
  double latitude, longitude;  // degrees
  std::int16_t zone;
};

TEST(GeoToUtm, NorwayAndSvalbardZones) {
  // The zone follows the band letter of the text: 64 degrees exactly is band
  // W, 72 degrees band X, as GeoConvert has them; 56 degrees exactly, as this
  // module's degree gives it, falls a hair into band U.
  const ZoneCase cases[] = {
      {60.0, 2.9, 31},    {60.0, 3.0, 32},     {60.0, 5.9, 32},     {56.0, 3.5, 31},
      {56.0001, 3.5, 32}, {64.0, 3.5, 31},     {64.0001, 3.5, 31},  {60.0, 13.0, 33},
      {72.0, 10.0, 33},   {72.0001, 10.0, 33}, {78.0, 9.0, 31},     {78.0, 9.0001, 33},
      {78.0, 21.0, 33},   {78.0, 21.0001, 35}, {78.0, 33.0001, 37}, {78.0, 41.9, 37},
      {78.0, -0.1, 30},   {78.0, 42.1, 38},    {84.0, 10.0, 33},    {-80.0, 3.0, 31},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << " " << c.longitude);
    EXPECT_EQ(Forward(kWgs84, Deg(c.latitude), Deg(c.longitude)).zone, c.zone);
  }
  // Worked value: 3 degrees east at 60 north, projected in zone 32.
  EXPECT_NEAR(Forward(kWgs84, Deg(60.0), Deg(3.0)).easting, 165640.332, kMetreTolerance);
}

struct GridZoneCase {
  double latitude, longitude;  // degrees
  const char* gridZone;        // zone and band (GeoConvert)
};

TEST(GeoToUtm, GridZonesAtTheNorwayAndSvalbardEdges) {
  // Within millimetres north of 56 and 72 degrees the band letter and the
  // zone rule must agree: 2.2 mm north of 56 N at 4 E is 32V, not 31V.
  const GridZoneCase cases[] = {
      {56.00000002, 4.0, "32V"}, {56.00000002, 2.5, "31V"}, {72.00000002, 10.0, "33X"},
      {72.00000002, 8.0, "31X"}, {63.99999998, 3.5, "32V"}, {64.0, 3.5, "31W"},
      {72.0, 10.0, "33X"},
  };
  for (const GridZoneCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << " " << c.longitude);
    EXPECT_EQ(Forward(kWgs84, Deg(c.latitude), Deg(c.longitude)).mgrs.substr(0, 3), c.gridZone);
  }
}

TEST(GeoToUtm, EveryGridZoneHoldsItsPoint) {
  // Points up to a few centimetres on both sides of every edge where the
  // Norway and Svalbard zones begin or end.
  constexpr double kOffsets[] = {0, 1e-10, -1e-10, 1e-9, -1e-9, 2e-8, -2e-8, 3e-8, -3e-8, 1e-6};
  constexpr double kEdgeTolerance = 1e-12;  // rad
  for (const double parallel : {56.0, 64.0, 72.0, 84.0}) {
    for (double longitude = -0.5; longitude <= 42.5; longitude += 0.25) {
      for (const double offset : kOffsets) {
        const double latitude = Deg(parallel + offset);
        // The UTM range itself reaches 3 mm beyond 84 degrees.
        if (latitude > Deg(84.0)) continue;
        const Utm utm = Forward(kWgs84, latitude, Deg(longitude));
        SCOPED_TRACE(utm.mgrs);
        std::int16_t band = static_cast<std::int16_t>(utm.mgrs[2] - 'A' + 1);
        double south = 0, north = 0, east = 0, west = 0;
        BandLimits(band, 0.0, utm.zone, south, north, east, west);
        EXPECT_GE(latitude, south - kEdgeTolerance);
        EXPECT_LE(latitude, north + kEdgeTolerance);
        EXPECT_GE(Deg(longitude), west - kEdgeTolerance);
        EXPECT_LE(Deg(longitude), east + kEdgeTolerance);
      }
    }
  }
}

TEST(GeoToUtm, ObjectAnglesStayWestOfThreeDegrees) {
  const Utm utm = Forward(kWgs84, kObjectPi / 180.0 * 60.0, kObjectPi / 180.0 * 3.0);
  EXPECT_EQ(utm.zone, 31);
  EXPECT_LT(utm.easting, kUtmFalseEasting);
  EXPECT_GT(utm.easting, kUtmFalseEasting - kMetreTolerance);
}

TEST(GeoToUtm, RangeLimits) {
  const struct {
    double latitude;  // degrees
    const char* band;
  } inside[] = {{kUtmNorthLatitude, "X"}, {kUtmSouthLatitude, "C"}};
  for (const auto& c : inside) {
    EXPECT_EQ(Forward(kWgs84, Deg(c.latitude), Deg(10.0)).mgrs.substr(2, 1), c.band);
  }
  for (const double latitude : {84.0001, -80.0001, 90.0, -90.0}) {
    SCOPED_TRACE(latitude);
    const Utm utm = Forward(kWgs84, Deg(latitude), Deg(10.0));
    EXPECT_EQ(utm.zone, 0);
    EXPECT_EQ(utm.northing, 0.0);
    EXPECT_EQ(utm.easting, 0.0);
    EXPECT_EQ(utm.mgrs, "");
  }
}

TEST(GeoToUtm, RefusedLetteringKeepsGridValues) {
  const Utm utm = Forward(kKrassovsky, Deg(50.85), Deg(4.35));
  EXPECT_EQ(utm.mgrs, kMgrsNotValid);
  EXPECT_EQ(utm.zone, 31);
  EXPECT_GT(utm.easting, 595000.0);
}

TEST(GeoToUtm, FaultRaises) {
  EXPECT_THROW(Forward(kWgs84, std::numeric_limits<double>::quiet_NaN(), 0.1), RuntimeError);
}

struct LetterSetCase {
  std::int16_t zone, ellipsoid;
  std::int16_t firstColumn;
  double rowOffset;  // metres
  std::int32_t refused;
};

TEST(MgrsLetterSet, SchemesBySetAndEllipsoid) {
  const LetterSetCase cases[] = {
      {31, 21, 1, 0.0, 0},       {32, 21, 10, 1500000.0, 0}, {33, 15, 19, 0.0, 0},
      {34, 15, 1, 1500000.0, 0}, {35, 12, 10, 0.0, 0},       {36, 1, 19, 1500000.0, 0},
      {31, 6, 1, 1000000.0, 0},  {32, 6, 10, 500000.0, 0},   {33, 22, 19, 1000000.0, 0},
      {34, 4, 1, 500000.0, 0},   {46, 5, 1, 500000.0, 0},    {47, 5, 10, 0.0, 0},
      {55, 5, 1, 0.0, 0},        {56, 5, 10, 500000.0, 0},   {0, 21, 19, 1500000.0, 0},
      {-5, 21, 1, 0.0, 0},       {31, 9, 1, 0.0, 1},         {31, 11, 1, 0.0, 1},
      {31, 13, 1, 0.0, 1},       {31, 14, 1, 0.0, 1},        {32, 16, 10, 1500000.0, 1},
      {31, 0, 1, 0.0, 1},        {31, 24, 1, 0.0, 1},        {31, -1, 1, 0.0, 1},
  };
  for (const LetterSetCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "zone " << c.zone << " ellipsoid " << c.ellipsoid);
    std::int16_t firstColumn = -1;
    double rowOffset = -1.0;
    std::int32_t refused = -1;
    MgrsLetterSet(c.zone, firstColumn, rowOffset, c.ellipsoid, refused);
    EXPECT_EQ(firstColumn, c.firstColumn);
    EXPECT_EQ(rowOffset, c.rowOffset);
    EXPECT_EQ(refused, c.refused);
  }
}

struct UtmTextCase {
  const char* what;
  std::int16_t zone;
  double northing, easting;  // metres
  double latitude;           // degrees
  std::int16_t ellipsoid;
  const char* mgrs;
};

TEST(UtmToMgrs, Texts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Texts without a source are built by hand from the letter rules.
  const UtmTextCase cases[] = {
      {"Paris, scheme 2", 31, 5410672.0, 452313.0, 48.85, 6, "31UDE5231310672"},
      {"Paris position, scheme 1", 31, 5410672.0, 452313.0, 48.85, 21, "31UDQ5231310672"},
      {"Clarke 1866 in zone 50", 50, 100000.0, 500000.0, 0.9, 5, "50NNG0000000000"},
      {"Clarke 1866 in zone 56", 56, 100000.0, 500000.0, 0.9, 5, "56NNS0000000000"},
      {"Bessel in zone 50", 50, 100000.0, 500000.0, 0.9, 4, "50NNS0000000000"},
      {"row cycle end rounds to A", 31, 1999999.6, 500000.0, 18.0, 21, "31QEA0000000000"},
      {"500 000 m kept in zone 32", 32, 6651411.19, 500000.4, 60.0, 21, "32VNM0000051411"},
      {"500 000 m kept in band U", 31, 6651411.19, 500000.4, 55.0, 21, "31UEG0000051411"},
      {"column Q after skipped O", 32, 5500000.0, 750000.0, 50.0, 21, "32UQA5000000000"},
      {"easting below column A", 31, 5634128.0, 50000.0, 50.85, 21, kUtmError},
      {"easting beyond column Z", 33, 5634128.0, 950000.0, 50.85, 21, kUtmError},
      {"NaN northing", 31, nan, 500000.0, 50.85, 21, kUtmError},
      {"NaN easting", 31, 5634128.0, nan, 50.85, 21, kUtmError},
      {"NaN latitude", 31, 5634128.0, 500000.0, nan, 21, kUtmError},
      {"huge northing", 31, 1e12, 500000.0, 50.85, 21, kUtmError},
      {"huge easting", 31, 5634128.0, -1e12, 50.85, 21, kUtmError},
      {"Krassovsky", 31, 5634128.0, 595037.0, 50.85, 16, kMgrsNotValid},
      {"number 0", 31, 5634128.0, 595037.0, 50.85, 0, kMgrsNotValid},
      {"refused before any fault", 31, nan, nan, nan, 16, kMgrsNotValid},
  };
  for (const UtmTextCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string mgrs = "previous";
    UtmToMgrs(c.zone, c.northing, c.easting, Deg(c.latitude), c.ellipsoid, mgrs);
    EXPECT_EQ(mgrs, c.mgrs);
  }
}

struct DecodeCase {
  const char* text;
  const TransverseMercator& tm;
  std::int16_t zone;
  double easting, northing;    // metres
  double latitude, longitude;  // degrees
  double tolerance;            // metres of ground distance
};

TEST(MgrsToGeo, DecodesInsideItsCell) {
  const DecodeCase cases[] = {
      {"31UES9503734128", kHayford, 31, 595037, 5634128, 50.85, 4.35, 0.25},
      {" 6VUN4417488521", kWgs84, 6, 344174, 6788521, 61.2, -149.9, 1.0},
      {"06VUN4417488521", kWgs84, 6, 344174, 6788521, 61.2, -149.9, 1.0},
      {"31UDE5231310672", kClarke1880, 31, 452313, 5410672, 48.85, 2.35, 1.0},
      {"34HBH5958345888", kWgs84, 34, 259583, 6245888, -33.9, 18.4, 1.0},
      // The last metre south of the equator: up to 1 m from the point.
      {"31MEV0000099999", kWgs84, 31, 500000, 9999999, 0.0, 3.0, 1.5},
      {"33XWG0000058370", kWgs84, 33, 500000, 8658370, 78.0, 15.0, 1.0},
      {"32VKM2128961953", kWgs84, 32, 221289, 6661953, 60.0, 4.0, 1.0},
      {"14CMS8042329407", kWgs84, 14, 480423, 1129407, -79.9, -100.0, 1.0},
      {"39XVP8813717033", kWgs84, 39, 488137, 9317033, 83.9, 50.0, 1.0},
      {"59MLV8872444726", kWgs84, 59, 388724, 9944726, -0.5, 170.0, 1.0},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.text);
    const Decoded d = Decode(c.tm, c.text);
    EXPECT_EQ(d.refused, 0);
    EXPECT_EQ(d.text, c.text);
    EXPECT_EQ(d.zone, c.zone);
    EXPECT_EQ(d.easting, c.easting);
    EXPECT_EQ(d.northing, c.northing);
    EXPECT_LT(Distance(d.latitude, d.longitude, Deg(c.latitude), Deg(c.longitude)), c.tolerance);
  }
}

struct RefusalCase {
  const char* text;
  const TransverseMercator& tm;
  const char* error;
  std::int16_t zone;
};

TEST(MgrsToGeo, RefusalsZeroTheOutputs) {
  const RefusalCase cases[] = {
      {"32XNE3448989219", kHayford, kInvalidMgrs, 32},
      {"32XNE3448989219", kKrassovsky, kInvalidMgrs, 32},
      {"34XEE0000000000", kWgs84, kInvalidMgrs, 34},
      // Letters that name no band: Z would decode beyond the pole.
      {"32ZNJ1234512345", kWgs84, kInvalidMgrs, 32},
      {"32YNA1234512345", kWgs84, kInvalidMgrs, 32},
      {"31BAN0000000000", kWgs84, kInvalidMgrs, 31},
      {"31IES9503734128", kWgs84, kInvalidMgrs, 31},
      {"31ues9503734128", kHayford, kInvalidMgrs, 31},
      {"31\xC9\xC9\xC9"
       "9503734128",
       kHayford, kInvalidMgrs, 31},
      // Square letters outside the zone's column set or the row letters
      // would name a square somewhere else.
      {"32UES9503734128", kHayford, kInvalidMgrs, 32},
      {"31UJS9503734128", kHayford, kInvalidMgrs, 31},
      {"31UEW9503734128", kHayford, kInvalidMgrs, 31},
      {"31UEI9503734128", kHayford, kInvalidMgrs, 31},
      {"32UNO9503734128", kHayford, kInvalidMgrs, 32},
      {"31UES9503734128", kKrassovsky, kEllipsoidNA, 31},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.text);
    const Decoded d = Decode(c.tm, c.text);
    EXPECT_EQ(d.refused, 1);
    EXPECT_EQ(d.text, c.error);
    EXPECT_EQ(d.zone, c.zone);
    EXPECT_EQ(d.latitude, 0.0);
    EXPECT_EQ(d.longitude, 0.0);
    EXPECT_EQ(d.northing, 0.0);
    EXPECT_EQ(d.easting, 0.0);
  }
}

struct SquareCase {
  const char* what;
  const char* text;  // completed to the square's representative point
  std::int16_t digits;
  // Degrees: GeoConvert on the text with three more zeros per axis (it reads
  // a reference as the centre of its square).
  double latitude, longitude;
};

TEST(MgrsToGeo, SquaresCutByAnEdgeAreReadForTheirPartInside) {
  // The decoded point is the representative point of the square, even
  // where it lies across the zone or band edge.
  const SquareCase cases[] = {
      {"10 km across 6 E, Eupen", "31UGS1499914999", 1, 50.647123394, 6.041261093},
      {"10 km across 6 E, Malmedy", "31UGR1499994999", 1, 50.4675123000, 6.029714643},
      {"10 km across 6 E", "31UGR1499954999", 1, 50.1082676975, 6.0069704843},
      {"10 km across 6 E", "31UGR1499944999", 1, 50.0184518915, 6.0013559869},
      {"10 km across 6 E", "31UGS1499934999", 1, 50.8267269913, 6.0529258650},
      {"100 km square", "31UES4999949999", 0, 50.9993929678, 3.7125395569},
      {"100 km mostly in band W", "31XEV4999949999", 0, 71.6456617298, 4.4227333679},
      {"1 m at the side of zone 45 at 64 S", "45EXJ4342499686", 5, -63.9999938642, 89.9330644920},
      {"100 km at the side of zone 45 at 64 S", "45EXJ4999949999", 0, -64.4424476166,
       90.1170323620},
  };
  for (const SquareCase& c : cases) {
    SCOPED_TRACE(c.what + std::string(" ") + c.text);
    const Decoded d = Decode(kWgs84, c.text, c.digits);
    EXPECT_EQ(d.refused, 0);
    EXPECT_EQ(d.text, c.text);
    EXPECT_LT(Distance(d.latitude, d.longitude, Deg(c.latitude), Deg(c.longitude)), 0.01);
  }
}

TEST(MgrsToGeo, SquaresWhollyOutsideAreRefused) {
  const SquareCase cases[] = {
      {"the 1 m square of a 10 km text, east of 6 E", "31UGR1499954999", 5, 50.1082676975,
       6.0069704843},
      {"1 m wholly in band W", "31XEV4999949999", 5, 71.6456617298, 4.4227333679},
      {"100 km west of 6 E", "32UJB4999949999", 0, 50.8953448771, 4.0219774963},
      // Cells that end on a grid line: the central meridian of zone 31 in
      // band V, the equator for band M (hand-built from the letter rules).
      {"east of 3 E in band V", "31VEK4999949999", 0, 62.6771631433, 3.9763586751},
      {"the equator itself in band M", "31MEA0000000000", 5, 0.0, 3.0},
  };
  for (const SquareCase& c : cases) {
    SCOPED_TRACE(c.what + std::string(" ") + c.text);
    const Decoded d = Decode(kWgs84, c.text, c.digits);
    EXPECT_EQ(d.refused, 1);
    EXPECT_EQ(d.text, kOutsideRange);
    // The decoded position is kept.
    EXPECT_LT(Distance(d.latitude, d.longitude, Deg(c.latitude), Deg(c.longitude)), 1.0);
  }
}

TEST(MgrsToGeo, PrecisionOutsideItsRangeIsAFault) {
  for (const int digits : {-1, 6}) {
    EXPECT_THROW(Decode(kWgs84, "31UES9503734128", static_cast<std::int16_t>(digits)),
                 RuntimeError);
  }
}

TEST(MgrsToGeo, OutsideItsCellKeepsThePosition) {
  // Band T names the square of the band U text; the cycle search finds the
  // same point, which lies outside band T.
  const Decoded d = Decode(kHayford, "31TES9503734128");
  EXPECT_EQ(d.refused, 1);
  EXPECT_EQ(d.text, kOutsideRange);
  EXPECT_EQ(d.northing, 5634128.0);
  EXPECT_EQ(d.easting, 595037.0);
  EXPECT_LT(Distance(d.latitude, d.longitude, Deg(50.85), Deg(4.35)), 0.25);
}

TEST(MgrsToGeo, ShortTexts) {
  for (const char* text : {"", "3", "31UE"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(Decode(kHayford, text), RuntimeError);
  }
  // Missing digits read as absent, never beyond the text.
  const Decoded d = Decode(kHayford, "31UES95");
  EXPECT_EQ(d.easting, 500095.0);
  EXPECT_EQ(d.northing, 5600000.0);
}

TEST(MgrsToGeo, RoundTripsWithinTheMetre) {
  for (const TransverseMercator* tm : {&kHayford, &kWgs84, &kClarke1880}) {
    const TransverseMercator& e = *tm;
    for (double lat = -79.5; lat <= 83.5; lat += 3.7) {
      for (double lon = -179.5; lon <= 180.0; lon += 7.3) {
        SCOPED_TRACE(testing::Message()
                     << "ellipsoid " << e.Ellipsoid().Number() << " " << lat << " " << lon);
        const Utm utm = Forward(e, Deg(lat), Deg(lon));
        const Decoded d = Decode(e, utm.mgrs);
        ASSERT_EQ(d.refused, 0) << utm.mgrs << " -> " << d.text;
        EXPECT_EQ(d.zone, utm.zone);
        EXPECT_LE(std::abs(d.easting - utm.easting), 0.5 + 1e-6);
        EXPECT_LE(std::abs(d.northing - utm.northing), 0.5 + 1e-6);
        EXPECT_LT(Distance(d.latitude, d.longitude, Deg(lat), Deg(lon)), 1.0);
      }
    }
  }
}

}  // namespace
}  // namespace koord::DMA
