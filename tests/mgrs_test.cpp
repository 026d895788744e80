// MGRS references: texts of known points, Norway and Svalbard zones, the
// UTM range, letter sets by ellipsoid, refusals, decoding and round trips.
//
// Reference values: the Brussels, Paris, Alaska, equator and Norway-edge
// texts are the system's worked values; the other letters and digits come
// from GeographicLib's GeoConvert (WGS 1984): at 1 m its UTM values rounded
// half away to the metre, coarser its own references, which name the square
// that holds the point; the decoded positions from GeoConvert reading the
// square's representative point. Texts built by hand from the letter rules
// say so.

#include "geodesy/Mgrs.h"

#include <array>
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

// Latitude and longitude in degrees; `digits` per axis of the reference.
Utm Forward(const TransverseMercator& tm, double latitude, double longitude,
            std::int16_t digits = 5) {
  Utm out;
  GeoToUtm(tm, latitude, longitude, out.zone, out.northing, out.easting, out.mgrs, digits);
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
  double latitude, longitude;  // degrees
  const char* mgrs;
};

TEST(GeoToUtm, KnownTexts) {
  const TextCase cases[] = {
      {"Brussels", kHayford, 50.85, 4.35, "31UES9503734128"},
      {"Paris, scheme 2", kClarke1880, 48.85, 2.35, "31UDE5231310672"},
      // Zones 1 to 9 in one digit, without the blank that once padded them
      // (GeoConvert pads them with 0: 06VUN4417388521).
      {"Alaska, one-digit zone", kWgs84, 61.2, -149.9, "6VUN4417488521"},
      // 6 mm south of the equator.
      {"just south of the equator", kWgs84, -5.7e-8, 3.0, "31MEV0000099999"},
      {"zone 31 band V at 500 000 m", kWgs84, 60.0, 2.9999999, "31VDG9999951411"},
      {"GeoConvert Cape Town", kWgs84, -33.9, 18.4, "34HBH5958345888"},
      {"GeoConvert Svalbard", kWgs84, 78.0, 15.0, "33XWG0000058370"},
      {"GeoConvert Svalbard edge", kWgs84, 78.0, 9.0001, "33XUG6097665497"},
      {"GeoConvert Norway", kWgs84, 60.0, 4.0, "32VKM2128961953"},
      {"GeoConvert band C", kWgs84, -79.9, -100.0, "14CMS8042329407"},
      {"GeoConvert band X", kWgs84, 83.9, 50.0, "39XVP8813717033"},
      {"GeoConvert north of equator", kWgs84, 0.5, -60.0, "21NSA6603455341"},
      {"GeoConvert south of equator", kWgs84, -0.5, 170.0, "59MLV8872444726"},
      {"GeoConvert New Zealand", kWgs84, -45.0, 170.5, "59GML6059216928"},
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
  // The zone follows the band letter of the text, and the edges of the
  // cells belong to the cells east and north of them, as GeoConvert has
  // them: 56 degrees exactly is band V, 64 degrees band W, 72 degrees band
  // X; 3 degrees east in band V is zone 32, 9, 21 and 33 degrees east in
  // band X zones 33, 35 and 37.
  const ZoneCase cases[] = {
      {60.0, 2.9, 31},    {60.0, 3.0, 32},     {60.0, 5.9, 32},    {56.0, 3.5, 32},
      {55.9999, 3.5, 31}, {64.0, 3.5, 31},     {63.9999, 3.5, 32}, {60.0, 13.0, 33},
      {72.0, 10.0, 33},   {72.0001, 10.0, 33}, {78.0, 9.0, 33},    {78.0, 8.9999, 31},
      {78.0, 21.0, 35},   {78.0, 20.9999, 33}, {78.0, 33.0, 37},   {78.0, 41.9, 37},
      {78.0, -0.1, 30},   {78.0, 42.0, 38},    {84.0, 10.0, 33},   {-80.0, 3.0, 31},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << " " << c.longitude);
    EXPECT_EQ(Forward(kWgs84, c.latitude, c.longitude).zone, c.zone);
  }
  // Worked value: 3 degrees east at 60 north, projected in zone 32.
  EXPECT_NEAR(Forward(kWgs84, 60.0, 3.0).easting, 165640.332, kMetreTolerance);
}

struct EdgeCase {
  double latitude, longitude;  // degrees, on a zone meridian or band parallel
  const char* square;          // the 100 km square (GeoConvert -m -p -5)
  const char* tenMetres;       // the 10 m reference (GeoConvert -m -p -1)
};

TEST(GeoToUtm, EdgesBelongToTheEasternZoneAndTheNorthernBand) {
  // Points exactly on the lines, where a hair's rounding of the angle
  // would move the reference into the zone or band west or south of them;
  // on a central meridian (3 and 9 degrees east) the easting is 500 000 m
  // exactly and the square the one east of it.
  const EdgeCase cases[] = {
      {50.5, 6, "32UKA", "32UKA87259852"},  {48, 4, "31UEP", "31UEP74591678"},
      {0, 3, "31NEA", "31NEA00000000"},     {-8, 3, "31MEM", "31MEM00001570"},
      {56, 3.5, "32VJH", "32VJH57171973"},  {64, 3.5, "31WEL", "31WEL24459711"},
      {72, 10, "33XUV", "33XUV27729608"},   {60, 3, "32VJM", "32VJM65646659"},
      {78, 9, "33XUG", "33XUG60976549"},    {78, 21, "35XLG", "35XLG60976549"},
      {78, 33, "37XCG", "37XCG60976549"},   {-80, 3, "31CEM", "31CEM00001841"},
      {50, 0, "31UBR", "31UBR85014294"},    {50, 12, "33UTR", "33UTR85014294"},
      {-56, -72, "19FCT", "19FCT12928985"},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << " " << c.longitude);
    EXPECT_EQ(Forward(kWgs84, c.latitude, c.longitude, 0).mgrs, c.square);
    EXPECT_EQ(Forward(kWgs84, c.latitude, c.longitude, 4).mgrs, c.tenMetres);
  }
}

struct PrecisionCase {
  const char* what;
  double latitude, longitude;  // degrees
  // The references at 10 km ... 10 m name the square that holds the point;
  // only the 1 m reference rounds to the nearest metre.
  std::array<const char*, 6> references;  // 100 km, 10 km, 1 km, 100 m, 10 m, 1 m
};

TEST(GeoToUtm, SquaresHoldTheirPoint) {
  // Points a few decimetres south and west of 100 km lines, from their UTM
  // numbers (GeoConvert -p 6 on "31N 599999.6 5650000.3" ...); the
  // references at 100 km to 10 m are GeoConvert's (-m -p -5 .. -1). At 1 m
  // the position is rounded to the nearest metre (599 999.6 to 600 000,
  // square F).
  const PrecisionCase cases[] = {
      {"31N 599999.6 5650000.3",
       50.99288743241,
       4.42492542054,
       {"31UES", "31UES95", "31UES9950", "31UES999500", "31UES99995000", "31UFS0000050000"}},
      {"31N 535999.8 5599999.7",
       50.55082106554,
       3.50815055350,
       {"31UER", "31UER39", "31UER3599", "31UER359999", "31UER35999999", "31UES3600000000"}},
      {"32N 300000.2 5499999.9",
       49.61941635968,
       6.23094506938,
       {"32ULV", "32ULV09", "32ULV0099", "32ULV000999", "32ULV00009999", "32ULA0000000000"}},
  };
  for (const PrecisionCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (std::int16_t digits = 0; digits <= 5; ++digits) {
      EXPECT_EQ(Forward(kWgs84, c.latitude, c.longitude, digits).mgrs,
                c.references[static_cast<std::size_t>(digits)]);
    }
  }
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
    EXPECT_EQ(Forward(kWgs84, c.latitude, c.longitude).mgrs.substr(0, 3), c.gridZone);
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
        const double latitude = parallel + offset;
        // The UTM range itself reaches 3 mm beyond 84 degrees.
        if (latitude > 84.0) continue;
        const Utm utm = Forward(kWgs84, latitude, longitude);
        SCOPED_TRACE(utm.mgrs);
        const auto band = static_cast<std::int16_t>(utm.mgrs[2] - 'A' + 1);
        const CellLimits cell = BandLimits(band, utm.zone);
        EXPECT_GE(Deg(latitude), cell.south - kEdgeTolerance);
        EXPECT_LE(Deg(latitude), cell.north + kEdgeTolerance);
        EXPECT_GE(Deg(longitude), cell.west - kEdgeTolerance);
        EXPECT_LE(Deg(longitude), cell.east + kEdgeTolerance);
      }
    }
  }
}

TEST(GeoToUtm, RangeLimits) {
  const struct {
    double latitude;  // degrees
    const char* band;
  } inside[] = {{kUtmNorthLatitude, "X"}, {kUtmSouthLatitude, "C"}};
  for (const auto& c : inside) {
    EXPECT_EQ(Forward(kWgs84, c.latitude, 10.0).mgrs.substr(2, 1), c.band);
  }
  for (const double latitude : {84.0001, -80.0001, 90.0, -90.0}) {
    SCOPED_TRACE(latitude);
    const Utm utm = Forward(kWgs84, latitude, 10.0);
    EXPECT_EQ(utm.zone, 0);
    EXPECT_EQ(utm.northing, 0.0);
    EXPECT_EQ(utm.easting, 0.0);
    EXPECT_EQ(utm.mgrs, "");
  }
}

TEST(GeoToUtm, RefusedLetteringKeepsGridValues) {
  const Utm utm = Forward(kKrassovsky, 50.85, 4.35);
  EXPECT_EQ(utm.mgrs, kMgrsNotValid);
  EXPECT_EQ(utm.zone, 31);
  EXPECT_GT(utm.easting, 595000.0);
}

TEST(GeoToUtm, FaultRaises) {
  EXPECT_THROW(Forward(kWgs84, std::numeric_limits<double>::quiet_NaN(), 0.1), RuntimeError);
  EXPECT_THROW(Forward(kWgs84, 50.0, std::numeric_limits<double>::quiet_NaN()), RuntimeError);
  for (const int digits : {-1, 6}) {
    EXPECT_THROW(Forward(kWgs84, 50.85, 4.35, static_cast<std::int16_t>(digits)), RuntimeError);
  }
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
  char band;
  std::int16_t ellipsoid;
  std::int16_t digits;
  const char* mgrs;
};

TEST(UtmToMgrs, Texts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Texts without a source are built by hand from the letter rules.
  const UtmTextCase cases[] = {
      {"Paris, scheme 2", 31, 5410672.0, 452313.0, 'U', 6, 5, "31UDE5231310672"},
      {"Paris position, scheme 1", 31, 5410672.0, 452313.0, 'U', 21, 5, "31UDQ5231310672"},
      {"Clarke 1866 in zone 50", 50, 100000.0, 500000.0, 'N', 5, 5, "50NNG0000000000"},
      {"Clarke 1866 in zone 56", 56, 100000.0, 500000.0, 'N', 5, 5, "56NNS0000000000"},
      {"Bessel in zone 50", 50, 100000.0, 500000.0, 'N', 4, 5, "50NNS0000000000"},
      {"row cycle end rounds to A", 31, 1999999.6, 500000.0, 'Q', 21, 5, "31QEA0000000000"},
      {"row cycle end cut at 10 m", 31, 1999999.6, 500000.0, 'Q', 21, 4, "31QEV00009999"},
      {"500 000 m kept in zone 32", 32, 6651411.19, 500000.4, 'V', 21, 5, "32VNM0000051411"},
      {"500 000 m kept in band U", 31, 6651411.19, 500000.4, 'U', 21, 5, "31UEG0000051411"},
      {"column Q after skipped O", 32, 5500000.0, 750000.0, 'U', 21, 5, "32UQA5000000000"},
      {"zone 6 in one digit", 6, 6788521.418, 344173.864, 'V', 21, 5, "6VUN4417488521"},
      {"100 km square", 31, 5650000.3, 599999.6, 'U', 21, 0, "31UES"},
      {"10 km square", 31, 5650000.3, 599999.6, 'U', 21, 1, "31UES95"},
      {"1 km square", 31, 5650000.3, 599999.6, 'U', 21, 2, "31UES9950"},
      {"100 m square", 31, 5650000.3, 599999.6, 'U', 21, 3, "31UES999500"},
      {"10 m square", 31, 5650000.3, 599999.6, 'U', 21, 4, "31UES99995000"},
      {"1 m, rounded", 31, 5650000.3, 599999.6, 'U', 21, 5, "31UFS0000050000"},
      {"last metre south of the equator", 31, 9999999.99, 500000.0, 'M', 21, 3, "31MEV000999"},
      {"easting below column A", 31, 5634128.0, 50000.0, 'U', 21, 5, kUtmError},
      {"easting beyond column Z", 33, 5634128.0, 950000.0, 'U', 21, 5, kUtmError},
      {"NaN northing", 31, nan, 500000.0, 'U', 21, 5, kUtmError},
      {"NaN easting", 31, 5634128.0, nan, 'U', 21, 5, kUtmError},
      {"NaN easting at 100 m", 31, 5634128.0, nan, 'U', 21, 3, kUtmError},
      {"no band", 31, 5634128.0, 500000.0, 'I', 21, 5, kUtmError},
      {"no zone", 0, 5634128.0, 500000.0, 'U', 21, 5, kUtmError},
      {"zone beyond 60", 61, 5634128.0, 500000.0, 'U', 21, 5, kUtmError},
      {"precision beyond 1 m", 31, 5634128.0, 500000.0, 'U', 21, 6, kUtmError},
      {"huge northing", 31, 1e12, 500000.0, 'U', 21, 5, kUtmError},
      {"huge easting", 31, 5634128.0, -1e12, 'U', 21, 5, kUtmError},
      {"Krassovsky", 31, 5634128.0, 595037.0, 'U', 16, 5, kMgrsNotValid},
      {"number 0", 31, 5634128.0, 595037.0, 'U', 0, 5, kMgrsNotValid},
      {"refused before any fault", 31, nan, nan, 'I', 16, 5, kMgrsNotValid},
  };
  for (const UtmTextCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string mgrs = "previous";
    const auto band = static_cast<std::int16_t>(c.band - 'A' + 1);
    UtmToMgrs(c.zone, band, c.northing, c.easting, c.ellipsoid, c.digits, mgrs);
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
      {"6VUN4417488521", kWgs84, 6, 344174, 6788521, 61.2, -149.9, 1.0},
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
  for (const char* text : {"", "3", "31UE", "6VU"}) {
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
        const Utm utm = Forward(e, lat, lon);
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
