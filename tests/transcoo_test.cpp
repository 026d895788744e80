// The conversion object's state: catalogues, setters, Reset and the DMS and
// MGRS-completion helpers.

#include "core/TransCoo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "core/Catalogue.h"
#include "core/Dms.h"
#include "core/MgrsDigits.h"
#include "geodesy/Ifbl.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

TEST(Catalogue, DatumsInPositionOrder) {
  struct Row {
    const char* code;
    std::int16_t ellipsoid;
    std::int16_t da;
    double df, dx, dy, dz;
  };
  const Row rows[] = {
      {"EUR-M", 15, -251, -0.0000141927, -87, -98, -121},
      {"BEL72", 15, -251, -0.000014192702, -125.8, 79.9, -100.5},
      {"WGS84", 21, 0, 0, 0, 0, 0},
      {"NTF  ", 6, -112, -0.000054750714, -168, -60, 320},
      {"ETRS89", 12, 0, 0, 0, 0, 0},  // GRS80, no shift from WGS84
  };
  const TransCoo object;
  ASSERT_EQ(object.Datums().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const DatumRecord& d = object.Datums()[i];
    SCOPED_TRACE(rows[i].code);
    EXPECT_EQ(d.Code, rows[i].code);
    EXPECT_EQ(d.Ellipsoid, rows[i].ellipsoid);
    EXPECT_EQ(d.Da, rows[i].da);
    EXPECT_EQ(d.Df, rows[i].df);
    EXPECT_EQ(d.Dx, rows[i].dx);
    EXPECT_EQ(d.Dy, rows[i].dy);
    EXPECT_EQ(d.Dz, rows[i].dz);
  }
  EXPECT_EQ(object.Datums()[0].Area,
            "MEAN FOR Austria, Belgium, Denmark,Finland, France, W Germany,  Gibraltar, "
            "Greece, Italy, Luxembourg, Netherlands, Norway,  Switzerland");
  EXPECT_EQ(object.Datums()[3].Name, "Nouvelle Triangulation Française");
}

TEST(Catalogue, EllipsoidNumbersAreTheirPositions) {
  const TransCoo object;
  ASSERT_EQ(object.Ellipsoids().size(), 23u);
  for (std::size_t i = 0; i < 23; ++i) {
    EXPECT_EQ(object.Ellipsoids()[i].Number, static_cast<std::int16_t>(i + 1));
  }
  EXPECT_EQ(object.Ellipsoids()[4].Name, "Clarcke 1866");
  EXPECT_EQ(object.Ellipsoids()[9].Name, "Everest(Pakistan)");
  EXPECT_EQ(object.Ellipsoids()[21].SemiMajorAxis, 6377483.865);
}

TEST(Catalogue, SelectEllipsoidOfEachDatum) {
  struct Row {
    const char* code;
    std::int16_t number;
    double a, f, b;
  };
  const Row rows[] = {
      {"EUR-M", 15, 6378388, 0.003367003367003367, 6356911.9461279465},
      {"BEL72", 15, 6378388, 0.003367003367003367, 6356911.9461279465},
      {"WGS84", 21, 6378137, 0.0033528106647474805, 6356752.314245179},
      {"NTF", 6, 6378249.145, 0.003407561378699334, 6356514.8695497755},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    TransCoo object;
    object.SetDatumFrom(row.code);
    object.SelectEllipsoid(object.DatumFromIndex());
    const EllipsoidInUse& e = CurrentEllipsoid();
    EXPECT_EQ(e.Number, row.number);
    EXPECT_EQ(e.a, row.a);
    EXPECT_DOUBLE_EQ(e.f, row.f);
    EXPECT_NEAR(e.b, row.b, 1e-8);
  }
}

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

}  // namespace
}  // namespace koord
