// The conversion pipeline: one point of each input kind through every
// representation, the datum of each output, refusals and faults.
//
// Reference values: the MGRS and degree values of Lambert 150000/170000 come
// from PROJ (inverse Lambert conformal conic with the Belgian 1972 constants
// on the international ellipsoid, standard Molodensky with the BEL72
// parameters, UTM zone 31); the others are the worked values of the
// geodetic routines.

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/TransCoo.h"
#include "geodesy/ConformalConic.h"
#include "geodesy/Lambert.h"
#include "geodesy/Utm.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// About 0.1 m of latitude, for comparisons with PROJ, whose Lambert 1972
// constants differ from Koord's in their last digits.
constexpr double kDegreeTolerance = 1e-6;

TransCoo Object(const char* from, const char* dest, std::int32_t mgrsPrecision = 1) {
  TransCoo object;
  object.SetDatumFrom(from);
  object.SetDatumDest(dest);
  object.mgrsPrecision = mgrsPrecision;
  object.IfblPrecision = 6;
  return object;
}

void ConvertLambert(TransCoo& object, double x, double y) {
  object.Reset();
  object.SetOrigType("lmb");
  object.SetX(x);
  object.SetY(y);
  object.Conversion();
}

void ConvertDegrees(TransCoo& object, double latitude, double longitude) {
  object.Reset();
  object.SetOrigType("deg");
  object.SetLatitude(latitude);
  object.SetLongitude(longitude);
  object.Conversion();
}

void ConvertMgrs(TransCoo& object, const std::string& reference) {
  object.Reset();
  object.SetOrigType("mgr");
  object.SetMGRS(reference);
  object.Conversion();
}

void ConvertIfbl(TransCoo& object, const std::string& code) {
  object.Reset();
  object.SetOrigType("ifb");
  object.SetIFBL(code);
  object.Conversion();
}

TEST(Conversion, LambertToWgs84) {
  TransCoo object = Object("BEL72", "WGS84");
  ConvertLambert(object, 150000, 170000);
  EXPECT_EQ(object.Error(), "");
  EXPECT_NEAR(object.Latitude(), 50.84041273, kDegreeTolerance);
  EXPECT_NEAR(object.Longitude(), 4.36875348, kDegreeTolerance);
  EXPECT_EQ(object.MGRS(), "31UES9637232971");
  EXPECT_NEAR(object.Easting(), 596372.134, 0.01);
  EXPECT_NEAR(object.Northing(), 5632971.076, 0.01);
  EXPECT_EQ(object.IFBL(), "E43522");
  EXPECT_EQ(object.LatDmsDeg(), 50);
  EXPECT_EQ(object.LatDmsMin(), 50);
  EXPECT_NEAR(object.LatDmsSec(), 25.486, 0.01);
  EXPECT_EQ(object.DatumFromIndex(), 2);
  EXPECT_EQ(object.DatumDestIndex(), 3);
}

TEST(Conversion, MgrsIsCutToThePrecision) {
  const struct {
    std::int32_t precision;
    const char* mgrs;
  } rows[] = {{10000, "31UES93"},     {1000, "31UES9534"},    {100, "31UES950341"},
              {10, "31UES95033412"},  {1, "31UES9503734128"}, {0, "31UES9503734128"},
              {5, "31UES9503734128"}, {100000, "31UES"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.precision);
    TransCoo object = Object("BEL72", "BEL72", row.precision);
    ConvertDegrees(object, 50.85, 4.35);
    EXPECT_EQ(object.MGRS(), row.mgrs);
  }
}

// Reference values for the datum shifts: PROJ's cct on pipelines of its
// molodensky operation with the catalogue's parameters, the height set back
// to 0 between the two steps as Koord does (+proj=set +v_3=0), and its utm
// operation on the datum's ellipsoid.
constexpr double kShiftTolerance = 1e-8;  // degrees, about a millimetre
constexpr double kGridTolerance = 0.001;  // m

struct DatumCase {
  const char* from;
  const char* dest;
  double latitude, longitude;  // degrees, in `dest`
};

TEST(Conversion, DegreesAreGivenInTheOutputDatum) {
  const DatumCase cases[] = {
      {"WGS84", "EUR-M", 50.850834964486, 4.351293802743},
      {"WGS84", "BEL72", 50.850542998047, 4.348733277900},
      {"WGS84", "NTF", 50.850063798577, 4.350668554945},
      {"EUR-M", "WGS84", 50.849165035514, 4.348706197257},
      {"NTF", "BEL72", 50.850479194119, 4.348064744461},
      {"BEL72", "EUR-M", 50.850291968643, 4.352560480257},
      {"WGS84", "WGS84", 50.85, 4.35},
  };
  for (const DatumCase& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.dest);
    TransCoo object = Object(c.from, c.dest);
    ConvertDegrees(object, 50.85, 4.35);
    EXPECT_EQ(object.Error(), "");
    EXPECT_NEAR(object.Latitude(), c.latitude, kShiftTolerance);
    EXPECT_NEAR(object.Longitude(), c.longitude, kShiftTolerance);
    // Lambert and IFBL come from the input, in BEL72, whatever the output
    // datum.
    TransCoo lambert = Object(c.from, "BEL72");
    ConvertDegrees(lambert, 50.85, 4.35);
    EXPECT_EQ(object.X(), lambert.X());
    EXPECT_EQ(object.Y(), lambert.Y());
    EXPECT_EQ(object.IFBL(), lambert.IFBL());
  }
}

TEST(Conversion, UtmAndMgrsAreOnTheOutputDatumsEllipsoid) {
  const struct {
    const char* from;
    const char* dest;
    double latitude, longitude;  // degrees, in `from`
    double easting, northing;    // m, in `dest`
    const char* mgrs;            // the same rounded to the metre
  } cases[] = {
      {"WGS84", "EUR-M", 50.85, 4.35, 595126.224957, 5634222.434155, "31UES9512634222"},
      // NTF takes the second lettering (row E, not Q).
      {"WGS84", "NTF", 48.85, 2.35, 452365.677372, 5410679.085275, "31UDE5236610679"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.dest);
    TransCoo object = Object(c.from, c.dest);
    ConvertDegrees(object, c.latitude, c.longitude);
    EXPECT_NEAR(object.Easting(), c.easting, kGridTolerance);
    EXPECT_NEAR(object.Northing(), c.northing, kGridTolerance);
    EXPECT_EQ(object.MGRS(), c.mgrs);
  }
}

TEST(Conversion, DmsPartsAreGivenInTheOutputDatum) {
  TransCoo object = Object("WGS84", "EUR-M");
  object.Reset();
  object.SetOrigType("dms");
  object.SetLatDmsDeg(50);
  object.SetLatDmsMin(51);
  object.SetLatDmsSec(0);
  object.SetLonDmsDeg(4);
  object.SetLonDmsMin(21);
  object.SetLonDmsSec(0);
  object.Conversion();
  EXPECT_EQ(object.Error(), "");
  EXPECT_NEAR(object.Latitude(), 50.850834964486, kShiftTolerance);
  EXPECT_NEAR(object.Longitude(), 4.351293802743, kShiftTolerance);
  // 50.850834964486 is 50 degrees 51 minutes 3.0059 seconds.
  EXPECT_EQ(object.LatDmsDeg(), 50);
  EXPECT_EQ(object.LatDmsMin(), 51);
  EXPECT_NEAR(object.LatDmsSec(), 3.0059, 0.01);
  EXPECT_EQ(object.LonDmsMin(), 21);
  EXPECT_NEAR(object.LonDmsSec(), 4.6577, 0.01);
}

TEST(Conversion, MgrsInputIsGivenInTheOutputDatum) {
  const struct {
    const char* from;
    const char* dest;
    const char* input;
    std::int32_t precision;  // metres asked for
    double latitude, longitude;
    double easting, northing;  // m
    const char* mgrs;
  } cases[] = {
      {"EUR-M", "WGS84", "31UES9503734128", 1, 50.849165712592, 4.348708402448, 594943.070616,
       5633918.404397, "31UES9494333918"},
      {"WGS84", "EUR-M", "31UES9503734128", 1, 50.851869533000, 4.351390546103, 595130.930407,
       5634337.601458, "31UES9513134338"},
      // Written at the precision asked for, or at the input's when finer.
      {"WGS84", "EUR-M", "31UES9503734128", 100, 50.851869533000, 4.351390546103, 595130.930407,
       5634337.601458, "31UES951343"},
      {"WGS84", "EUR-M", "31UES95033412", 1, 50.851834066557, 4.351346902505, 595127.930387,
       5634333.601430, "31UES95123433"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.dest + " " + c.input);
    TransCoo object = Object(c.from, c.dest, c.precision);
    ConvertMgrs(object, c.input);
    EXPECT_EQ(object.Error(), "");
    EXPECT_NEAR(object.Latitude(), c.latitude, kShiftTolerance);
    EXPECT_NEAR(object.Longitude(), c.longitude, kShiftTolerance);
    EXPECT_NEAR(object.Easting(), c.easting, kGridTolerance);
    EXPECT_NEAR(object.Northing(), c.northing, kGridTolerance);
    EXPECT_EQ(object.MGRS(), c.mgrs);
  }
}

TEST(Conversion, MgrsInputOnOneDatumKeepsItsDecodedValues) {
  TransCoo object = Object("EUR-M", "EUR-M");
  ConvertMgrs(object, "31UES9503734128");
  EXPECT_EQ(object.Error(), "");
  EXPECT_EQ(object.MGRS(), "31UES9503734128");
  EXPECT_EQ(object.Easting(), 595037);
  EXPECT_EQ(object.Northing(), 5634128);
  EXPECT_NEAR(object.Latitude(), 50.85, 3e-6);  // 0.25 m
  EXPECT_NEAR(object.Longitude(), 4.35, 4e-6);
}

TEST(Conversion, HundredKilometreReferenceIsItsRepresentativePoint) {
  // GeoConvert: 31UES4999900049999000 (WGS84) is 50.9993929678 N
  // 3.7125395569 E; the DMA series agree to a millimetre.
  TransCoo object = Object("WGS84", "WGS84");
  for (const char* reference : {"31UES", " 31U ES ", "31UES4999949999"}) {
    SCOPED_TRACE(reference);
    ConvertMgrs(object, reference);
    EXPECT_EQ(object.Error(), "");
    EXPECT_NEAR(object.Latitude(), 50.9993929678, 1e-7);
    EXPECT_NEAR(object.Longitude(), 3.7125395569, 1e-7);
    EXPECT_EQ(object.Easting(), 549999);
    EXPECT_EQ(object.Northing(), 5649999);
  }
}

TEST(Conversion, SquareAcrossTheAntimeridianGivesALongitudeWithinHalfATurn) {
  // GeoConvert: the representative point of 60XWT, in zone 60 but east of
  // 180 degrees, is 83.285563332668 N 179.166918732586 W.
  TransCoo object = Object("WGS84", "WGS84");
  ConvertMgrs(object, "60XWT");
  EXPECT_EQ(object.Error(), "");
  EXPECT_NEAR(object.Latitude(), 83.285563332668, 1e-7);
  EXPECT_NEAR(object.Longitude(), -179.166918732586, 1e-6);
}

TEST(Conversion, MgrsInputIsCutToThePrecisionAskedFor) {
  // Cut, never lengthened: a precision finer than the input keeps it.
  const struct {
    const char* input;
    std::int32_t precision;
    const char* mgrs;
  } rows[] = {
      {"31UES9503734128", 100000, "31UES"},
      {"31UES9503734128", 10000, "31UES93"},
      {"31UES9503734128", 1000, "31UES9534"},
      {"31UES9503734128", 100, "31UES950341"},
      {"31UES9503734128", 10, "31UES95033412"},
      {"31UES9503734128", 1, "31UES9503734128"},
      {"31UES9503734128", 0, "31UES9503734128"},
      {"31UES9534", 10, "31UES9534"},
      {"31UES9534", 10000, "31UES93"},
      {"31UES", 1, "31UES"},
      {"31U ES 95037 34128", 1000, "31UES9534"},
      {"31U ES 95037 34128", 1, "31U ES 95037 34128"},
      // Zones 1 to 9 are written with one digit, without a blank.
      {"6VUN4417488521", 100, "6VUN441885"},
      {"06VUN4417488521", 100, "6VUN441885"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.input << " at " << row.precision);
    TransCoo object = Object("WGS84", "WGS84", row.precision);
    ConvertMgrs(object, row.input);
    EXPECT_EQ(object.Error(), "");
    EXPECT_EQ(object.MGRS(), row.mgrs);
  }
}

TEST(Conversion, IfblInputIsShortenedToThePrecisionAskedFor) {
  const struct {
    const char* input;
    std::int16_t precision;
    const char* ifbl;
  } rows[] = {
      {"E51234", 4, "E512"},   {"E51234", 2, "E5"}, {"E51234", 6, "E51234"},
      {"E51234", 0, "E51234"}, {"E512", 6, "E512"}, {"e5.12", 2, "E5"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.input << " at " << row.precision);
    TransCoo object = Object("BEL72", "BEL72");
    object.IfblPrecision = row.precision;
    ConvertIfbl(object, row.input);
    EXPECT_EQ(object.Error(), "");
    EXPECT_EQ(object.IFBL(), row.ifbl);
    // The point stays the centre of the square given.
    TransCoo full = Object("BEL72", "BEL72");
    ConvertIfbl(full, row.input);
    EXPECT_EQ(object.X(), full.X());
    EXPECT_EQ(object.Y(), full.Y());
  }
}

TEST(Conversion, LambertDomainIsThatOfLambertInput) {
  const struct {
    double latitude, longitude;  // degrees, BEL72
    bool inDomain;
  } rows[] = {
      {50.85, 4.35, true},  {4.35, 50.85, false},  // latitude and longitude swapped
      {48.85, 2.35, false},                        // Paris, west of X = 0
      {52.37, 4.90, false},                        // Amsterdam, north of Y = 260 000
      {-33.9, 18.4, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.latitude << " " << row.longitude);
    TransCoo object = Object("BEL72", "BEL72");
    ConvertDegrees(object, row.latitude, row.longitude);
    EXPECT_EQ(object.Error(), "");
    EXPECT_EQ(object.LambertInDomain(), row.inDomain) << object.X() << " " << object.Y();
  }
  TransCoo lambert = Object("BEL72", "BEL72");
  for (const auto& [x, y] : {std::pair{Lambert::kBounds.minX, Lambert::kBounds.minY},
                             {Lambert::kBounds.maxX, Lambert::kBounds.maxY}}) {
    ConvertLambert(lambert, x, y);
    EXPECT_TRUE(lambert.LambertInDomain());
  }
}

TEST(Conversion, MgrsWrittenWithBlanksOrShortZonesReadsAlike) {
  const struct {
    const char* same;
    const char* as;
  } rows[] = {
      {"31U ES 95037 34128", "31UES9503734128"},
      {"31UES 9503 3412", "31UES95033412"},
      {"31U ES 95 34", "31UES9534"},
      {"6VUN4417488521", "06VUN4417488521"},
      {" 6VUN4417488521", "06VUN4417488521"},
      {"6VUN4488", "06VUN4488"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.same);
    TransCoo a = Object("WGS84", "WGS84");
    TransCoo b = Object("WGS84", "WGS84");
    ConvertMgrs(a, row.same);
    ConvertMgrs(b, row.as);
    EXPECT_EQ(a.Error(), "");
    EXPECT_EQ(b.Error(), "");
    EXPECT_EQ(a.Latitude(), b.Latitude());
    EXPECT_EQ(a.Longitude(), b.Longitude());
  }
}

TEST(Conversion, ZoneSixReferenceReadsBack) {
  TransCoo object = Object("WGS84", "WGS84");
  ConvertDegrees(object, 61.2, -149.9);
  ASSERT_EQ(object.MGRS(), "6VUN4417488521");  // the zone in one digit, without a blank
  const std::string written = object.MGRS();
  ConvertMgrs(object, written);
  EXPECT_EQ(object.Error(), "");
  EXPECT_NEAR(object.Latitude(), 61.2, 1e-5);
  EXPECT_NEAR(object.Longitude(), -149.9, 2e-5);
}

TEST(Conversion, IfblInputGivesTheCentreOfItsSquare) {
  const struct {
    const char* code;
    const char* stored;
    double x, y;
  } rows[] = {{"e5", "E5", 178012, 168180},
              {"E537", "E537", 188012, 168180},
              {" e5 37 44 ", "E53744", 189512, 166680},
              {"E5.37.11", "E53711", 186512, 169680}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    TransCoo object = Object("BEL72", "WGS84");
    ConvertIfbl(object, row.code);
    EXPECT_EQ(object.Error(), "");
    EXPECT_EQ(object.IFBL(), row.stored);
    EXPECT_EQ(object.X(), row.x);
    EXPECT_EQ(object.Y(), row.y);
    EXPECT_FALSE(object.MGRS().empty());
  }
}

TEST(Conversion, RefusalsWriteTheirMessageAndNoOutput) {
  enum Kind { kDeg, kLmb, kMgr, kIfb };
  const struct {
    Kind kind;
    double a, b;
    const char* text;
    const char* error;
  } rows[] = {
      {kDeg, 90.000001, 0, "", "Coordonnées DEG incorrectes"},
      {kDeg, -90.5, 0, "", "Coordonnées DEG incorrectes"},
      {kDeg, 50, 180.5, "", "Coordonnées DEG incorrectes"},
      {kDeg, NAN, 4, "", "Coordonnées DEG incorrectes"},
      {kDeg, 50, INFINITY, "", "Coordonnées DEG incorrectes"},
      {kLmb, Lambert::kBounds.maxX + 0.5, 0, "", "Coordonnées Lambert incorrectes"},
      {kLmb, 0, Lambert::kBounds.minY - 0.1, "", "Coordonnées Lambert incorrectes"},
      {kLmb, 0, Lambert::kBounds.maxY + 0.1, "", "Coordonnées Lambert incorrectes"},
      {kLmb, NAN, 10, "", "Coordonnées Lambert incorrectes"},
      {kMgr, 0, 0, "31UES1", "Coordonnées MGRS erronées (31UES1)"},
      {kMgr, 0, 0, "31UE", "Coordonnées MGRS erronées (31UE)"},
      {kMgr, 0, 0, "31U", "Coordonnées MGRS erronées (31U)"},
      // A square wholly outside its grid zone: east of 3 E in band V.
      {kMgr, 0, 0, "31VEK", "Coordonnées MGRS erronées (31VEK)"},
      {kMgr, 0, 0, "31UES12345678901", "Coordonnées MGRS erronées (31UES12345678901)"},
      {kMgr, 0, 0, "31UES123", "Coordonnées MGRS erronées (31UES123)"},
      {kMgr, 0, 0, "31UES12X4", "Coordonnées MGRS erronées (31UES12X4)"},
      {kMgr, 0, 0, "99UES1234", "Coordonnées MGRS erronées (99UES1234)"},
      {kMgr, 0, 0, "00UES1234", "Coordonnées MGRS erronées (00UES1234)"},
      {kMgr, 0, 0, "32XNE3448989219", "Coordonnées MGRS erronées (32XNE3448989219)"},
      {kMgr, 0, 0, "31TES9503734128", "Coordonnées MGRS erronées (31TES9503734128)"},
      {kMgr, 0, 0, "       ", "Coordonnées MGRS erronées ()"},
      // Letters that MGRS never gives would be read as a square elsewhere.
      {kMgr, 0, 0, "32YNA12", "Coordonnées MGRS erronées (32YNA12)"},
      {kMgr, 0, 0, "31IES16", "Coordonnées MGRS erronées (31IES16)"},
      {kMgr, 0, 0, "31USS16", "Coordonnées MGRS erronées (31USS16)"},
      {kMgr, 0, 0, "31UEW90", "Coordonnées MGRS erronées (31UEW90)"},
      {kMgr, 0, 0, "31UEO16", "Coordonnées MGRS erronées (31UEO16)"},
      {kIfb, 0, 0, "E", "Coordonnée IFBL incorrecte"},
      {kIfb, 0, 0, "E537441", "Coordonnée IFBL incorrecte"},
      {kIfb, 0, 0, "I5", "Coordonnée IFBL incorrecte"},
      {kIfb, 0, 0, "E5X7", "Coordonnée IFBL incorrecte"},
      {kIfb, 0, 0, "E53755", "Coordonnée IFBL incorrecte"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.error + std::string(" / ") + row.text);
    TransCoo object = Object("BEL72", "WGS84");
    object.Reset();
    switch (row.kind) {
      case kDeg:
        object.SetOrigType("deg");
        object.SetLatitude(row.a);
        object.SetLongitude(row.b);
        break;
      case kLmb:
        object.SetOrigType("lmb");
        object.SetX(row.a);
        object.SetY(row.b);
        break;
      case kMgr:
        object.SetOrigType("mgr");
        object.SetMGRS(row.text);
        break;
      case kIfb:
        object.SetOrigType("ifb");
        object.SetIFBL(row.text);
        break;
    }
    object.SetEasting(-7);  // an output that no refused conversion may touch
    object.Conversion();
    EXPECT_EQ(object.Error(), row.error);
    EXPECT_EQ(object.Easting(), -7);
  }
}

TEST(Conversion, AcceptedBoundaries) {
  // On BEL72 itself no shift can push the poles past 90 degrees.
  TransCoo object = Object("BEL72", "BEL72");
  ConvertDegrees(object, 90, -180);
  EXPECT_EQ(object.Error(), "");
  ConvertDegrees(object, -80, 179.9);
  EXPECT_EQ(object.Error(), "");
  const GridBounds& b = Lambert::kBounds;
  for (const auto& [x, y] :
       {std::pair{b.maxX, b.minY}, {b.minX, b.maxY}, {b.minX, b.minY}, {b.maxX, b.maxY}}) {
    TransCoo lambert = Object("BEL72", "WGS84");
    ConvertLambert(lambert, x, y);
    EXPECT_EQ(lambert.Error(), "") << x << " " << y;
  }
}

TEST(Conversion, DmsInputChecksEachPart) {
  const struct {
    std::int16_t latD, latM;
    float latS;
    std::int16_t lonD, lonM;
    float lonS;
    bool accepted;
  } rows[] = {
      {50, 60, 60, 4, 60, 60, true}, {91, 0, 0, 4, 0, 0, false},    {50, 0, 0, 181, 0, 0, false},
      {50, 0, 0, 4, -1, 0, false},   {50, -1, 0, 4, 0, 0, false},   {50, 0, 60.5f, 4, 0, 0, false},
      {50, 0, 0, 4, 0, NAN, false},  {-90, 0, 0, -180, 0, 0, true},
  };
  for (const auto& row : rows) {
    TransCoo object = Object("BEL72", "BEL72");
    object.Reset();
    object.SetOrigType("dms");
    object.SetLatDmsDeg(row.latD);
    object.SetLatDmsMin(row.latM);
    object.SetLatDmsSec(row.latS);
    object.SetLonDmsDeg(row.lonD);
    object.SetLonDmsMin(row.lonM);
    object.SetLonDmsSec(row.lonS);
    object.Conversion();
    EXPECT_EQ(object.Error(), row.accepted ? "" : "Coordonnées DMS incorrectes")
        << row.latD << " " << row.latM << " " << row.lonM;
  }
}

TEST(Conversion, DmsInputGivesDecimalDegrees) {
  TransCoo object = Object("WGS84", "WGS84");
  object.Reset();
  object.SetOrigType("dms");
  object.SetLatDmsDeg(50);
  object.SetLatDmsMin(51);
  object.SetLatDmsSec(0);
  object.SetLonDmsDeg(4);
  object.SetLonDmsMin(21);
  object.SetLonDmsSec(0);
  object.Conversion();
  EXPECT_EQ(object.Error(), "");
  EXPECT_DOUBLE_EQ(object.Latitude(), 50.85);
  EXPECT_DOUBLE_EQ(object.Longitude(), 4.35);
}

TEST(Conversion, DatumOrUnsetKindRefused) {
  TransCoo object = Object("XYZ", "WGS84");
  ConvertDegrees(object, 50, 4);
  EXPECT_EQ(object.Error(), "Datum non initialisé");
  TransCoo other = Object("WGS84", "XYZ");
  ConvertDegrees(other, 50, 4);
  EXPECT_EQ(other.Error(), "Datum non initialisé");
  TransCoo empty = Object("WGS84", "WGS84");
  empty.Reset();
  empty.Conversion();
  EXPECT_EQ(empty.Error(), "Type de coordonnées originales inconnu");
}

TEST(Conversion, LambertOutputsInTheOutputDatum) {
  TransCoo object = Object("WGS84", "BEL72");  // the input datum does not matter
  ConvertLambert(object, 150000, 170000);
  double latitude = 0;
  double longitude = 0;
  Lambert::LambertToGeo(150000, 170000, latitude, longitude);
  EXPECT_EQ(object.Latitude(), latitude);
  EXPECT_EQ(object.Longitude(), longitude);
  EXPECT_EQ(object.MGRS(), "31UES9628633145");  // Hayford ellipsoid (PROJ: 596286.42 5633144.91)
}

TEST(Conversion, NtfSelectionsSurviveEachPoint) {
  for (const auto& [from, dest] : {std::pair{"NTF", "WGS84"}, {"BEL72", "NTF"}, {"NTF", "NTF"}}) {
    SCOPED_TRACE(std::string(from) + " -> " + dest);
    TransCoo object = Object(from, dest);
    const std::int16_t fromIndex = object.DatumFromIndex();
    const std::int16_t destIndex = object.DatumDestIndex();
    for (int point = 0; point < 2; ++point) {
      ConvertLambert(object, 150000 + point, 170000);
      EXPECT_EQ(object.Error(), "");
      ConvertDegrees(object, 48.85, 2.35);
      EXPECT_EQ(object.Error(), "");
      EXPECT_EQ(object.DatumFromIndex(), fromIndex);
      EXPECT_EQ(object.DatumDestIndex(), destIndex);
    }
  }
}

TEST(Conversion, NtfUsesTheSecondLettering) {
  TransCoo object = Object("NTF", "NTF");
  ConvertDegrees(object, 48.85, 2.35);
  EXPECT_EQ(object.MGRS(), "31UDE5231310672");
}

TEST(Conversion, ShiftPastThePoleIsAFaultNeverANaN) {
  TransCoo object = Object("WGS84", "WGS84");
  object.Reset();
  object.SetOrigType("deg");
  object.SetLatitude(90);
  object.SetLongitude(180);
  EXPECT_THROW(object.Conversion(), RuntimeError);
  EXPECT_TRUE(std::isfinite(object.X()));
  EXPECT_TRUE(std::isfinite(object.Y()));
  // The temporary switch to BEL72 is undone.
  EXPECT_EQ(object.DatumDestIndex(), 3);
  ConvertDegrees(object, 50.85, 4.35);
  EXPECT_EQ(object.Error(), "");
  EXPECT_EQ(object.MGRS(), "31UES9503234013");
}

TEST(Conversion, ShiftNearAPoleTurnsTheLongitudeWithinHalfATurn) {
  // PROJ's cct (molodensky, European 1950 to WGS84): 89.9999 N 180 E moves
  // to 89.9991211230 N 682.6847014066 E, that is 37.3152985934 W; Koord's
  // pi, a hair small, moves the point a few millimetres there, 11 m from
  // the pole. From 0 E the same shift carries the point past the pole
  // (90.0006788675 N in PROJ): a fault.
  TransCoo object = Object("EUR-M", "WGS84");
  ConvertDegrees(object, 89.9999, 180);
  EXPECT_EQ(object.Error(), "");
  EXPECT_NEAR(object.Latitude(), 89.9991211230, 1e-7);
  EXPECT_NEAR(object.Longitude(), -37.3152985934, 0.02);
  object.Reset();
  object.SetOrigType("deg");
  object.SetLatitude(89.9999);
  object.SetLongitude(0);
  EXPECT_THROW(object.Conversion(), RuntimeError);
  EXPECT_EQ(object.Latitude(), 89.9999);
}

TEST(Conversion, OutsideUtmLatitudesGivesAnEmptyReference) {
  TransCoo object = Object("WGS84", "WGS84");
  ConvertDegrees(object, 84.5, 10);
  EXPECT_EQ(object.Error(), "");
  EXPECT_EQ(object.MGRS(), "");
  EXPECT_EQ(object.Easting(), 0);
}

TEST(Conversion, RoundTripsWithinThePrecisionOfTheText) {
  // Lambert -> MGRS at 1 m -> Lambert: the metre rounding of each axis and
  // the two datum shifts stay well under 2 m.
  for (double x = 20000; x <= 300000; x += 35000) {
    for (double y = 20000; y <= 250000; y += 33000) {
      TransCoo out = Object("BEL72", "WGS84");
      ConvertLambert(out, x, y);
      ASSERT_EQ(out.Error(), "");
      TransCoo back = Object("WGS84", "BEL72");
      ConvertMgrs(back, out.MGRS());
      ASSERT_EQ(back.Error(), "") << out.MGRS();
      EXPECT_NEAR(back.X(), x, 1.5) << out.MGRS();
      EXPECT_NEAR(back.Y(), y, 1.5) << out.MGRS();
    }
  }
  // Degrees -> MGRS at 10 m -> degrees: the completed reference lies at
  // most 10 m from the point (0.0001 degree of latitude is 11 m).
  for (double latitude = -79; latitude <= 83; latitude += 9.7) {
    for (double longitude = -178; longitude <= 178; longitude += 23.3) {
      TransCoo out = Object("WGS84", "WGS84", 10);
      ConvertDegrees(out, latitude, longitude);
      ASSERT_EQ(out.Error(), "");
      TransCoo back = Object("WGS84", "WGS84");
      ConvertMgrs(back, out.MGRS());
      ASSERT_EQ(back.Error(), "") << out.MGRS();
      EXPECT_NEAR(back.Latitude(), latitude, 1e-4) << out.MGRS();
      EXPECT_NEAR(back.Longitude() * std::cos(latitude * M_PI / 180),
                  longitude * std::cos(latitude * M_PI / 180), 1.5e-4)
          << out.MGRS();
    }
  }
}

}  // namespace
}  // namespace koord

namespace koord {
namespace {

TEST(Conversion, SparedOutputsLeaveTheOthersUnchanged) {
  for (const auto& [x, y] : {std::pair{150000.0, 170000.0}, {20000.0, 240000.0}}) {
    TransCoo full = Object("BEL72", "WGS84");
    TransCoo lean = Object("BEL72", "WGS84");
    lean.ComputeUtm = false;
    lean.ComputeIfbl = false;
    ConvertLambert(full, x, y);
    ConvertLambert(lean, x, y);
    EXPECT_EQ(lean.Latitude(), full.Latitude());
    EXPECT_EQ(lean.Longitude(), full.Longitude());
    EXPECT_EQ(lean.LatDmsSec(), full.LatDmsSec());
    EXPECT_EQ(lean.MGRS(), "");
    EXPECT_EQ(lean.IFBL(), "");
    EXPECT_EQ(lean.Easting(), 0);
    ConvertDegrees(full, 50.85, 4.35);
    ConvertDegrees(lean, 50.85, 4.35);
    EXPECT_EQ(lean.X(), full.X());
    EXPECT_EQ(lean.Y(), full.Y());
  }
}

TEST(Conversion, SparedLambertLeavesTheOthersUnchanged) {
  // Degrees, MGRS and UTM input to every output but Lambert 1972 and IFBL:
  // X and Y keep what Reset left, nothing else moves by a bit.
  for (const auto& [latitude, longitude] : {std::pair{50.85, 4.35}, {51.3, 2.6}, {-33.9, 18.4}}) {
    TransCoo full = Object("WGS84", "WGS84");
    TransCoo lean = Object("WGS84", "WGS84");
    lean.ComputeLambert = false;
    lean.ComputeIfbl = false;
    ConvertDegrees(full, latitude, longitude);
    ConvertDegrees(lean, latitude, longitude);
    EXPECT_EQ(lean.X(), 0);
    EXPECT_EQ(lean.Y(), 0);
    EXPECT_EQ(lean.MGRS(), full.MGRS());
    EXPECT_EQ(lean.Easting(), full.Easting());
    EXPECT_EQ(lean.X2008(), full.X2008());
    EXPECT_EQ(lean.LatDmsSec(), full.LatDmsSec());
  }
  // A point at a pole has degrees but no Lambert 1972: asked only for the
  // others, it converts.
  TransCoo lean = Object("WGS84", "WGS84");
  lean.ComputeLambert = false;
  lean.ComputeIfbl = false;
  ConvertDegrees(lean, -90, 136.044);
  EXPECT_EQ(lean.Error(), "");
  EXPECT_EQ(lean.OutputError(CoordKind::Mgrs), ConversionError::OutsideUtm);
  TransCoo full = Object("WGS84", "WGS84");
  EXPECT_THROW(ConvertDegrees(full, -90, 136.044), RuntimeError);
}

TEST(Conversion, Lambert2008OfLambert1972WhateverTheOutputDatum) {
  // On ETRS89 the point's degrees are those of the official chain, which
  // Lambert 2008 takes from them; on any other datum it goes its own way:
  // the same numbers, bit for bit.
  for (const auto& [x, y] :
       {std::pair{150000.0, 170000.0}, {22000.0, 20000.0}, {296000.0, 245000.0}}) {
    TransCoo onEtrs89 = Object("BEL72", "ETRS89");
    ConvertLambert(onEtrs89, x, y);
    for (const char* dest : {"WGS84", "BEL72", "EUR-M", "NTF"}) {
      SCOPED_TRACE(dest);
      TransCoo other = Object("BEL72", dest);
      ConvertLambert(other, x, y);
      EXPECT_EQ(other.X2008(), onEtrs89.X2008());
      EXPECT_EQ(other.Y2008(), onEtrs89.Y2008());
    }
  }
}

}  // namespace
}  // namespace koord

namespace koord {
namespace {

// A point converted from a kind's input, for reading OutputError.
struct OutputCase {
  const char* what;
  CoordKind output;
  CoordKind input;
  double a, b;        // X and Y, or latitude and longitude (degrees)
  std::int16_t zone;  // UtmZone asked for
  ConversionError expected;
};

TEST(OutputError, EachOutputAtAndBeyondItsBounds) {
  constexpr CoordKind kL72 = CoordKind::Lambert, kL08 = CoordKind::Lambert2008,
                      kDeg = CoordKind::Degrees, kUtm = CoordKind::Utm, kMgrs = CoordKind::Mgrs;
  const GridBounds& l72 = Lambert::kBounds;
  const GridBounds& l08 = kLambert2008Bounds;
  const double south = DMA::kUtmSouthLatitude;
  const double north = DMA::kUtmNorthLatitude;
  // 9 degrees west of zone 33's central meridian (15 E), far enough north
  // for the zone's numbers to reach it.
  const double reachWest = DMA::CentralMeridian(33) - DMA::kUtmZoneReach;
  const OutputCase cases[] = {
      {"Lambert 72, south-west corner", kL72, kL72, l72.minX, l72.minY, 0, ConversionError::None},
      {"Lambert 72, north-east corner", kL72, kL72, l72.maxX, l72.maxY, 0, ConversionError::None},
      {"Lambert 72, Paris", kL72, kDeg, 48.85, 2.35, 0, ConversionError::OutsideLambert},
      {"Lambert 72, of the Lambert 2008 corner", kL72, kL08, l08.minX, l08.minY, 0,
       ConversionError::OutsideLambert},
      {"Lambert 2008, south-west corner", kL08, kL08, l08.minX, l08.minY, 0, ConversionError::None},
      {"Lambert 2008, north-east corner", kL08, kL08, l08.maxX, l08.maxY, 0, ConversionError::None},
      {"Lambert 2008, Paris", kL08, kDeg, 48.85, 2.35, 0, ConversionError::OutsideLambert2008},
      {"IFBL, Brussels", CoordKind::Ifbl, kL72, 150000, 170000, 0, ConversionError::None},
      {"IFBL, Lambert 0 0", CoordKind::Ifbl, kL72, l72.minX, l72.minY, 0,
       ConversionError::OutsideIfbl},
      {"MGRS, Brussels", kMgrs, kDeg, 50.85, 4.35, 0, ConversionError::None},
      {"MGRS, northern end", kMgrs, kDeg, north, 10, 0, ConversionError::None},
      {"MGRS, southern end", kMgrs, kDeg, south, 10, 0, ConversionError::None},
      {"MGRS, north of the grid", kMgrs, kDeg, north + 0.0001, 10, 0, ConversionError::OutsideUtm},
      {"MGRS, south of the grid", kMgrs, kDeg, south - 0.0001, 10, 0, ConversionError::OutsideUtm},
      {"UTM, its own zone", kUtm, kDeg, 50.85, 4.35, 0, ConversionError::None},
      {"UTM, the next zone", kUtm, kDeg, 50.85, 4.35, 32, ConversionError::None},
      {"UTM, two zones away", kUtm, kDeg, 50.85, 4.35, 33, ConversionError::UtmZoneTooFar},
      {"UTM, at the zone's reach", kUtm, kDeg, 70, reachWest, 33, ConversionError::None},
      {"UTM, beyond its reach", kUtm, kDeg, 70, reachWest - 0.0001, 33,
       ConversionError::UtmZoneTooFar},
      {"UTM, west of easting 0", kUtm, kDeg, 9, 1, 32, ConversionError::UtmZoneTooFar},
      // Outside the grid comes first, whatever the zone asked for.
      {"UTM, north of the grid", kUtm, kDeg, north + 0.0001, 4.35, 0, ConversionError::OutsideUtm},
      {"UTM, north of the grid, zone given", kUtm, kDeg, north + 0.0001, 4.35, 33,
       ConversionError::OutsideUtm},
      {"degrees, anywhere", kDeg, kDeg, -89.9, -179.9, 0, ConversionError::None},
      {"DMS, anywhere", CoordKind::Dms, kDeg, 89.9, 179.9, 0, ConversionError::None},
  };
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(c.what);
    TransCoo object;
    object.SetDatumFrom(Datum::Wgs84);
    object.SetDatumDest(Datum::Wgs84);
    if (c.input == kL72) object.SetDatumFrom(Datum::Bel72);
    if (c.input == kL08) object.SetDatumFrom(Datum::Etrs89);
    object.UtmZone = c.zone;
    object.Reset();
    object.SetOrigType(c.input);
    if (c.input == kDeg) {
      object.SetLatitude(c.a);
      object.SetLongitude(c.b);
    } else if (c.input == kL72) {
      object.SetX(c.a);
      object.SetY(c.b);
    } else {
      object.SetX2008(c.a);
      object.SetY2008(c.b);
    }
    object.Conversion();
    ASSERT_EQ(object.Error(), "");
    EXPECT_EQ(object.OutputError(c.output), c.expected);
  }
}

TEST(OutputError, RefusedInputKeepsItsDataApart) {
  TransCoo object = Object("WGS84", "WGS84");
  ConvertMgrs(object, " 31U ES1 ");
  EXPECT_EQ(object.ErrorCode(), ConversionError::BadMgrs);
  EXPECT_EQ(object.ErrorData(), "31U ES1");
  EXPECT_EQ(object.Error(), "Coordonnées MGRS erronées (31U ES1)");
  EXPECT_EQ(object.Error(),
            ConversionErrorText(object.ErrorCode(), object.ErrorData(), Language::French));
  ConvertLambert(object, -1, 0);
  EXPECT_EQ(object.ErrorCode(), ConversionError::BadLambert);
  EXPECT_EQ(object.ErrorData(), "");
  object.Reset();
  EXPECT_EQ(object.ErrorCode(), ConversionError::None);
  EXPECT_EQ(object.ErrorData(), "");
}

// What a conversion gives, to compare two bit for bit.
struct Result {
  std::string error, mgrs, ifbl;
  double x, y, latitude, longitude, easting, northing;
  bool operator==(const Result&) const = default;
};

Result ResultOf(const TransCoo& p) {
  return {p.Error(),    p.MGRS(),      p.IFBL(),    p.X(),       p.Y(),
          p.Latitude(), p.Longitude(), p.Easting(), p.Northing()};
}

TEST(Conversion, ObjectsOnOtherDatumsUsedInTurnGiveWhatEachGivesAlone) {
  // Each object on its own datums, ellipsoids and lettering: MGRS read on
  // WGS 84 and written on Hayford; degrees read on NTF and written on
  // Clarke 1880 with the second lettering; Lambert 1972 to ETRS89.
  const auto first = [] { return Object("WGS84", "EUR-M", 10); };
  const auto second = [] { return Object("NTF", "NTF", 10); };
  const auto third = [] { return Object("BEL72", "ETRS89", 10); };
  const char* const references[] = {"31UES9633", "31UFS1234567890", "32ULB1234", "31UDQ50"};
  const double degrees[][2] = {{48.85, 2.35}, {50.85, 4.35}, {-33.9, 18.4}, {61.2, -149.9}};
  const double lambert[][2] = {{150000, 170000}, {20000, 240000}, {290000, 30000}, {0, 0}};
  std::vector<Result> alone;
  TransCoo a = first(), b = second(), c = third();
  for (int i = 0; i < 4; ++i) {
    ConvertMgrs(a, references[i]);
    alone.push_back(ResultOf(a));
  }
  for (int i = 0; i < 4; ++i) {
    ConvertDegrees(b, degrees[i][0], degrees[i][1]);
    alone.push_back(ResultOf(b));
  }
  for (int i = 0; i < 4; ++i) {
    c.PreciseTransformation = i % 2 == 1;
    ConvertLambert(c, lambert[i][0], lambert[i][1]);
    alone.push_back(ResultOf(c));
  }
  TransCoo x = first(), y = second(), z = third();
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    ConvertMgrs(x, references[i]);
    ConvertDegrees(y, degrees[i][0], degrees[i][1]);
    z.PreciseTransformation = i % 2 == 1;
    ConvertLambert(z, lambert[i][0], lambert[i][1]);
    EXPECT_EQ(ResultOf(x), alone[static_cast<std::size_t>(i)]);
    EXPECT_EQ(ResultOf(y), alone[static_cast<std::size_t>(4 + i)]);
    EXPECT_EQ(ResultOf(z), alone[static_cast<std::size_t>(8 + i)]);
  }
}

}  // namespace
}  // namespace koord

namespace koord {
namespace {

void ConvertUtm(TransCoo& object, std::int16_t zone, char band, double easting, double northing) {
  object.Reset();
  object.SetOrigType(CoordKind::Utm);
  object.SetZone(zone);
  object.SetNorth(band == '\0' || band >= 'N');
  object.SetBand(band);
  object.SetEasting(easting);
  object.SetNorthing(northing);
  object.Conversion();
}

TEST(Conversion, UtmInputOutsideItsBandIsRefused) {
  // 48 degrees north on zone 31's central meridian is northing
  // 5 316 300.2245 m (GeoConvert); numbers rounded to the metre may carry a
  // point half a metre over a band's edge.
  const struct {
    const char* what;
    char band;
    double northing;
    ConversionError expected;
  } rows[] = {
      {"Brussels in band U", 'U', 5632971, ConversionError::None},
      {"no band, the hemisphere only", '\0', 5632971, ConversionError::None},
      {"Brussels said to be in band T", 'T', 5632971, ConversionError::OutsideBand},
      {"Brussels said to be in band V", 'V', 5632971, ConversionError::OutsideBand},
      {"0.22 m south of 48 N in band U", 'U', 5316300, ConversionError::None},
      {"1.22 m south of 48 N in band U", 'U', 5316299, ConversionError::OutsideBand},
      {"1.22 m south of 48 N in band T", 'T', 5316299, ConversionError::None},
      {"0.78 m north of 48 N in band T", 'T', 5316301, ConversionError::OutsideBand},
      {"a letter that is no band", 'I', 5632971, ConversionError::BadUtm},
      {"a lower-case band", 'u', 5632971, ConversionError::BadUtm},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TransCoo object = Object("WGS84", "WGS84");
    ConvertUtm(object, 31, row.band, 500000, row.northing);
    EXPECT_EQ(object.ErrorCode(), row.expected);
    if (row.expected == ConversionError::OutsideBand) {
      EXPECT_EQ(object.ErrorData(), std::string(1, row.band));
      EXPECT_EQ(object.Error(), std::string("Nord hors de la bande de latitude ") + row.band);
    }
  }
  // Reset forgets the band.
  TransCoo object = Object("WGS84", "WGS84");
  ConvertUtm(object, 31, 'T', 500000, 5632971);
  object.Reset();
  EXPECT_EQ(object.Band(), '\0');
}

TEST(Conversion, UtmInputOnSquareLinesKeepsItsSquare) {
  // On its own datum and zone the numbers given are the point's: the
  // reference names the square they begin, as GeoConvert -m -p -1 does,
  // and UTM output gives them back as they were.
  const struct {
    std::int16_t zone;
    double easting, northing;
    const char* reference;
  } rows[] = {
      {31, 400000, 5500000, "31UDR00000000"},
      {31, 590000, 5640000, "31UES90004000"},
      {32, 300000, 5500000, "32ULA00000000"},
      {31, 599999.6, 5650000.3, "31UES99995000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.reference);
    TransCoo object = Object("WGS84", "WGS84", 10);
    ConvertUtm(object, row.zone, '\0', row.easting, row.northing);
    ASSERT_EQ(object.Error(), "");
    EXPECT_EQ(object.MGRS(), row.reference);
    EXPECT_EQ(object.Zone(), row.zone);
    EXPECT_EQ(object.Easting(), row.easting);
    EXPECT_EQ(object.Northing(), row.northing);
  }
  // In the zone next to the point's own, the reference is in the point's
  // zone, from its position.
  TransCoo object = Object("WGS84", "WGS84", 10);
  ConvertUtm(object, 31, '\0', 800000, 5650000);
  EXPECT_EQ(object.Zone(), 32);
  EXPECT_EQ(object.MGRS().substr(0, 3), "32U");
}

TEST(Conversion, Lambert1972ThroughLambert2008ComesBack) {
  // Each direction of the official chain undoes the other, to a
  // micrometre, so that numbers rounded to the metre on the way come back
  // as they were (but on a half metre).
  TransCoo there = Object("BEL72", "BEL72");
  TransCoo back = Object("ETRS89", "BEL72");
  for (double x = 0; x <= 310000; x += 10000) {
    for (double y = 0; y <= 260000; y += 10000) {
      ConvertLambert(there, x, y);
      back.Reset();
      back.SetOrigType(CoordKind::Lambert2008);
      back.SetX2008(there.X2008());
      back.SetY2008(there.Y2008());
      back.Conversion();
      ASSERT_EQ(back.Error(), "");
      EXPECT_NEAR(back.X(), x, 1e-6);
      EXPECT_NEAR(back.Y(), y, 1e-6);
    }
  }
}

}  // namespace
}  // namespace koord
