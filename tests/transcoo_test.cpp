// The conversion object's state: setters, typed and by code, Reset, and the
// DMS and MGRS-completion helpers.

#include "core/TransCoo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "core/Catalogue.h"
#include "core/Dms.h"
#include "core/MgrsDigits.h"
#include "geodesy/Ifbl.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

TEST(TransCoo, NewObjectSelectsEuropean1950Twice) {
  const TransCoo object;
  EXPECT_EQ(object.DatumFromIndex(), 1);
  EXPECT_EQ(object.DatumDestIndex(), 1);
  EXPECT_EQ(object.Error(), "");
  EXPECT_EQ(object.IfblPrecision, 0);
  EXPECT_EQ(object.mgrsPrecision, 0);
}

TEST(TransCoo, DatumCodesSelectByTrimmedCodeInAnyCase) {
  const struct {
    const char* code;
    std::int16_t position;
  } rows[] = {{"bel72", 2}, {"WGS84", 3}, {"wgs84", 3}, {"NTF", 4},   {"ntf", 4},
              {"EUR-M", 1}, {"XYZ", 0},   {" NTF", 0},  {"NTF  ", 0}, {"", 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    TransCoo object;
    object.SetDatumFrom(row.code);
    object.SetDatumDest(row.code);
    EXPECT_EQ(object.DatumFromIndex(), row.position);
    EXPECT_EQ(object.DatumDestIndex(), row.position);
  }
}

TEST(TransCoo, OrigTypeIsStoredUpperCase) {
  const struct {
    const char* kind;
    const char* stored;
    const char* error;
  } rows[] = {
      {"deg", "DEG", ""},
      {"Lmb", "LMB", ""},
      {"mgrs", "MGRS", ""},
      {"ifbl", "IFBL", ""},
      {"dms", "DMS", ""},
      {"abc", "ABC", "Type de coordonnées originales inconnu"},
      {"", "", "Type de coordonnées originales inconnu"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    TransCoo object;
    object.SetOrigType(row.kind);
    EXPECT_EQ(object.OrigType(), row.stored);
    EXPECT_EQ(object.Error(), row.error);
  }
}

TEST(TransCoo, KnownKindDoesNotClearAnEarlierError) {
  TransCoo object;
  object.SetOrigType("abc");
  object.SetOrigType("deg");
  EXPECT_EQ(object.Error(), "Type de coordonnées originales inconnu");
}

TEST(TransCoo, TextSettersNormalise) {
  TransCoo object;
  object.SetIFBL(" E5.12.34 ");
  EXPECT_EQ(object.IFBL(), "E51234");
  object.SetIFBL("e5 1234");
  EXPECT_EQ(object.IFBL(), "e51234");
  object.SetMGRS("  31UES1234567890 ");
  EXPECT_EQ(object.MGRS(), "31UES1234567890");
  object.SetMGRS(" 31U ES 12 ");
  EXPECT_EQ(object.MGRS(), "31U ES 12");
}

TEST(TransCoo, ResetKeepsDmsPartsDatumsAndPrecisions) {
  TransCoo object;
  object.SetDatumFrom("WGS84");
  object.IfblPrecision = 4;
  object.mgrsPrecision = 100;
  object.SetLatDmsDeg(50);
  object.SetLatDmsMin(30);
  object.SetLonDmsSec(12.5f);
  object.SetLatitude(50.5);
  object.SetX(1);
  object.SetMGRS("31UES");
  object.SetOrigType("zzz");
  object.Reset();
  EXPECT_EQ(object.Latitude(), 0);
  EXPECT_EQ(object.X(), 0);
  EXPECT_EQ(object.MGRS(), "");
  EXPECT_EQ(object.OrigType(), "");
  EXPECT_EQ(object.Error(), "");
  EXPECT_EQ(object.LatDmsDeg(), 50);
  EXPECT_EQ(object.LatDmsMin(), 30);
  EXPECT_EQ(object.LonDmsSec(), 12.5f);
  EXPECT_EQ(object.DatumFromIndex(), 3);
  EXPECT_EQ(object.IfblPrecision, 4);
  EXPECT_EQ(object.mgrsPrecision, 100);
}

// Every output of a point, to compare two conversions bit for bit.
std::string Outputs(const TransCoo& p) {
  std::ostringstream out;
  out.precision(17);
  out << p.Error() << '|' << static_cast<int>(p.ErrorCode()) << '|' << p.X() << ' ' << p.Y() << ' '
      << p.Latitude() << ' ' << p.Longitude() << ' ' << p.Easting() << ' ' << p.Northing() << ' '
      << p.X2008() << ' ' << p.Y2008() << ' ' << p.Zone() << p.North() << ' ' << p.LatDmsDeg()
      << ' ' << p.LatDmsMin() << ' ' << p.LatDmsSec() << ' ' << p.LonDmsDeg() << ' '
      << p.LonDmsMin() << ' ' << p.LonDmsSec() << '|' << p.MGRS() << '|' << p.IFBL();
  return out.str();
}

// One input of a kind, the same whichever way the kind was set.
void FillInput(TransCoo& p, CoordKind kind) {
  switch (kind) {
    case CoordKind::Lambert:
      p.SetX(150000);
      p.SetY(170000);
      break;
    case CoordKind::Mgrs: p.SetMGRS("31UES9633"); break;
    case CoordKind::Ifbl: p.SetIFBL("E5.12.34"); break;
    case CoordKind::Degrees:
      p.SetLatitude(50.85);
      p.SetLongitude(4.35);
      break;
    case CoordKind::Lambert2008:
      p.SetX2008(650000);
      p.SetY2008(670000);
      break;
    case CoordKind::Utm:
      p.SetZone(31);
      p.SetNorth(true);
      p.SetEasting(596037);
      p.SetNorthing(5634128);
      break;
    case CoordKind::Dms:
      p.SetLatDmsDeg(50);
      p.SetLatDmsMin(51);
      p.SetLatDmsSec(6.5f);
      p.SetLonDmsDeg(4);
      p.SetLonDmsMin(21);
      p.SetLonDmsSec(0);
      break;
  }
}

TEST(TransCoo, TypedSettersEqualTheCodes) {
  const struct {
    CoordKind kind;
    const char* code;
  } kinds[] = {
      {CoordKind::Lambert, "lmb"},     {CoordKind::Mgrs, "mgr"},  {CoordKind::Mgrs, "MGRS"},
      {CoordKind::Ifbl, "ifb"},        {CoordKind::Ifbl, "IFBL"}, {CoordKind::Degrees, "deg"},
      {CoordKind::Lambert2008, "l08"}, {CoordKind::Utm, "utm"},   {CoordKind::Dms, "DMS"}};
  const struct {
    Datum datum;
    const char* code;
  } datums[] = {{Datum::Bel72, "bel72"},
                {Datum::Wgs84, "WGS84"},
                {Datum::Eur50, "EUR-M"},
                {Datum::Ntf, "ntf"},
                {Datum::Etrs89, "ETRS89"}};
  for (const auto& kind : kinds) {
    for (const auto& from : datums) {
      for (const auto& dest : datums) {
        for (const bool precise : {false, true}) {
          SCOPED_TRACE(testing::Message() << kind.code << " " << from.code << " -> " << dest.code
                                          << (precise ? " precise" : ""));
          TransCoo typed;
          typed.SetDatumFrom(from.datum);
          typed.SetDatumDest(dest.datum);
          TransCoo coded;
          coded.SetDatumFrom(from.code);
          coded.SetDatumDest(dest.code);
          EXPECT_EQ(typed.DatumFromIndex(), coded.DatumFromIndex());
          EXPECT_EQ(typed.DatumDestIndex(), coded.DatumDestIndex());
          for (TransCoo* p : {&typed, &coded}) {
            p->PreciseTransformation = precise;
            p->mgrsPrecision = 10;
            p->Reset();
          }
          typed.SetOrigType(kind.kind);
          coded.SetOrigType(kind.code);
          for (TransCoo* p : {&typed, &coded}) {
            FillInput(*p, kind.kind);
            p->Conversion();
          }
          EXPECT_EQ(Outputs(typed), Outputs(coded));
        }
      }
    }
  }
}

TEST(TransCoo, TypedKindsReadBackAsTheirCodes) {
  const struct {
    CoordKind kind;
    const char* stored;
  } rows[] = {{CoordKind::Lambert, "LMB"},     {CoordKind::Mgrs, "MGR"},
              {CoordKind::Ifbl, "IFB"},        {CoordKind::Degrees, "DEG"},
              {CoordKind::Lambert2008, "L08"}, {CoordKind::Utm, "UTM"},
              {CoordKind::Dms, "DMS"}};
  for (const auto& row : rows) {
    TransCoo object;
    object.SetOrigType("abc");  // an earlier error stays, as with a known code
    object.SetOrigType(row.kind);
    EXPECT_EQ(object.OrigType(), row.stored);
    EXPECT_EQ(object.ErrorCode(), ConversionError::UnknownKind);
  }
}

TEST(TransCoo, UnknownDatumCodeUnsetsTheTypedChoice) {
  TransCoo object;
  object.SetDatumFrom(Datum::Wgs84);
  object.SetDatumFrom("WGS 84");
  EXPECT_EQ(object.DatumFromIndex(), 0);
  object.Reset();
  object.SetOrigType(CoordKind::Degrees);
  object.Conversion();
  EXPECT_EQ(object.ErrorCode(), ConversionError::DatumNotSet);
  object.SetDatumFrom(Datum::Wgs84);
  object.Reset();
  object.SetOrigType(CoordKind::Degrees);
  object.Conversion();
  EXPECT_EQ(object.Error(), "");
}

TEST(Dms, DegreesToDmsCarriesTheSignOnTheDegrees) {
  const struct {
    double value;
    std::int16_t d, m;
    float s;
  } rows[] = {
      {50.5, 50, 30, 0}, {-4.25, -4, 15, 0}, {-0.5, 0, 30, 0}, {0, 0, 0, 0},
      {180, 180, 0, 0},  {-180, -180, 0, 0}, {4.4, 4, 24, 0},  {90, 90, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    const Dms dms = DegreesToDms(row.value);
    EXPECT_EQ(dms.degrees, row.d);
    EXPECT_EQ(dms.minutes, row.m);
    EXPECT_NEAR(dms.seconds, row.s, 1e-3);
  }
}

TEST(Dms, SecondsAreGoodToAHundredthNearFiftyDegrees) {
  // 50.123456 degrees = 50 deg 7 min 24.4416 s.
  const Dms dms = DegreesToDms(50.123456);
  EXPECT_EQ(dms.degrees, 50);
  EXPECT_EQ(dms.minutes, 7);
  EXPECT_NEAR(dms.seconds, 24.4416, 0.01);
}

TEST(Dms, DmsToDegrees) {
  const struct {
    std::int16_t d, m;
    float s;
    double value;
  } rows[] = {{50, 30, 0, 50.5}, {-4, 15, 0, -4.25}, {0, 30, 0, 0.5}, {50, 7, 24.4416f, 50.123456}};
  for (const auto& row : rows) {
    EXPECT_NEAR(DmsToDegrees(row.d, row.m, row.s), row.value, 1e-7);
  }
}

TEST(Dms, OutOfRangeAndNonFiniteAreFaults) {
  for (double value : {1e6, -1e6, double(NAN), double(INFINITY), 1e300}) {
    SCOPED_TRACE(value);
    EXPECT_THROW(DegreesToDms(value), RuntimeError);
  }
}

TEST(MgrsDigits, CompletesToTheMetreOneMetreShortOfTheCentre) {
  const struct {
    const char* in;
    const char* out;
  } rows[] = {
      {"ES", "ES4999949999"},
      {" E S ", "ES4999949999"},
      {"ES12", "ES1499924999"},
      {"ES1256", "ES1249956499"},
      {"ES123567", "ES1234956749"},
      {"ES12345678", "ES1234456784"},
      {"ES1234567890", "ES1234567890"},
      {"ES 1234 5678", "ES 1234 5678"},  // twelve characters with its blanks
      {" ES 12 56 ", "ES1249956499"},
      {"ES123", "ES123"},  // odd digit count: cannot complete
      {"E", "E"},
      {"", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CompleteMgrsDigits(row.in), row.out) << "input '" << row.in << "'";
  }
}

TEST(IfblCode, GridCodes) {
  const struct {
    const char* code;
    bool valid;
  } rows[] = {
      {"E5", true},     {"M0", true},       {"A9", true},      {"E537", true},  {"E53744", true},
      {"E51111", true}, {"I5", false},      {"N5", false},     {"E5X7", false}, {"E509", false},
      {"E590", false},  {"E53755", false},  {"E53705", false}, {"E", false},    {"E53", false},
      {"5E", false},    {"N-13821", false}, {"", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IFBL::IsGridCode(row.code), row.valid) << row.code;
  }
}

TEST(TransCoo, DmsPartsFollowTheAnglesUntilOneIsSet) {
  TransCoo object;
  object.SetDatumFrom(Datum::Wgs84);
  object.SetDatumDest(Datum::Wgs84);
  object.Reset();
  object.SetOrigType(CoordKind::Degrees);
  object.SetLatitude(50.840411);
  object.SetLongitude(-4.368752);
  object.Conversion();
  ASSERT_EQ(object.Error(), "");
  // 50°50'25.48" and 4°22'07.51", the sign on the degrees.
  const Dms latitude = DegreesToDms(50.840411);
  const Dms longitude = DegreesToDms(-4.368752);
  EXPECT_EQ(object.LatDmsDeg(), 50);
  EXPECT_EQ(object.LatDmsMin(), 50);
  EXPECT_EQ(object.LatDmsSec(), latitude.seconds);
  EXPECT_EQ(object.LonDmsDeg(), -4);
  EXPECT_EQ(object.LonDmsMin(), 22);
  EXPECT_EQ(object.LonDmsSec(), longitude.seconds);
  // Setting one part keeps the others as they read.
  object.SetLatDmsMin(10);
  EXPECT_EQ(object.LatDmsDeg(), 50);
  EXPECT_EQ(object.LatDmsMin(), 10);
  EXPECT_EQ(object.LatDmsSec(), latitude.seconds);
  EXPECT_EQ(object.LonDmsMin(), 22);
  // DMS input reads the parts as they are, Reset keeping them.
  object.Reset();
  object.SetOrigType(CoordKind::Dms);
  object.Conversion();
  ASSERT_EQ(object.Error(), "");
  EXPECT_EQ(object.Latitude(), DmsToDegrees(50, 10, latitude.seconds));
  EXPECT_EQ(object.Longitude(), DmsToDegrees(-4, 22, longitude.seconds));
}

}  // namespace
}  // namespace koord
