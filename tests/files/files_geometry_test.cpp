// Coordinate systems and result geometry: which EPSG codes are which kind
// and datum, the point written for each result kind, and IFBL and MGRS
// squares as polygons, checked against PROJ (through GDAL) for their area
// and against Koord's own conversion of their corners.

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <ogr_spatialref.h>
#include <optional>
#include <string>
#include <vector>

#include "core/MgrsSquare.h"
#include "core/TransCoo.h"
#include "files/Geometry.h"
#include "geodesy/Ifbl.h"
#include "geodesy/IfblSquare.h"

namespace koord::files {
namespace {

// Metres per degree of latitude, near enough for distances of a metre.
constexpr double kMetresPerDegree = 111'320;
constexpr double kMillimetre = 0.001;
// Degrees that make a millimetre at most, on the ground.
constexpr double kMillimetreInDegrees = kMillimetre / kMetresPerDegree;

double GroundDistance(const Point& a, const Point& b) {
  const double north = (a.y - b.y) * kMetresPerDegree;
  const double east = (a.x - b.x) * kMetresPerDegree * std::cos(a.y * M_PI / 180);
  return std::hypot(north, east);
}

double ShoelaceArea(const std::vector<Point>& ring) {
  double twice = 0;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
    twice += ring[i].x * ring[i + 1].y - ring[i + 1].x * ring[i].y;
  }
  return std::fabs(twice) / 2;
}

// The ring carried into another system by PROJ, an implementation
// independent of Koord's.
std::vector<Point> ProjectedByProj(const std::vector<Point>& ring, int fromEpsg, int toEpsg) {
  OGRSpatialReference from;
  OGRSpatialReference to;
  from.importFromEPSG(fromEpsg);
  to.importFromEPSG(toEpsg);
  from.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  to.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  std::unique_ptr<OGRCoordinateTransformation> transform(
      OGRCreateCoordinateTransformation(&from, &to));
  std::vector<Point> out = ring;
  for (Point& p : out) EXPECT_TRUE(transform->Transform(1, &p.x, &p.y));
  return out;
}

// A point converted by TransCoo from one kind to degrees.
Point KoordDegrees(std::string_view kind, std::string_view from, std::string_view to, double a,
                   double b, std::int16_t zone = 0) {
  TransCoo point;
  point.SetDatumFrom(from);
  point.SetDatumDest(to);
  point.SetOrigType(kind);
  if (kind == "LMB") {
    point.SetX(a);
    point.SetY(b);
  } else if (kind == "UTM") {
    point.SetZone(zone);
    point.SetNorth(true);
    point.SetEasting(a);
    point.SetNorthing(b);
  }
  point.Conversion();
  EXPECT_EQ(point.Error(), "");
  return {point.Longitude(), point.Latitude()};
}

// Whether some vertex of the ring lies within a millimetre of `corner`.
bool HasCorner(const std::vector<Point>& ring, const Point& corner) {
  for (const Point& p : ring) {
    if (GroundDistance(p, corner) <= kMillimetre) return true;
  }
  return false;
}

// A converted point, as a run has it before it writes its geometry.
TransCoo Converted(std::string_view kind, Datum dest, double x, double y, std::int32_t mgrs = 1,
                   std::int16_t ifbl = 6) {
  TransCoo point;
  point.SetDatumFrom("BEL72");
  point.SetDatumDest(EntryOf(kDatumTable, dest).code);
  point.mgrsPrecision = mgrs;
  point.IfblPrecision = ifbl;
  point.SetOrigType(kind);
  point.SetX(x);
  point.SetY(y);
  point.Conversion();
  EXPECT_EQ(point.Error(), "");
  return point;
}

TEST(EpsgTest, CodesReadAndWrittenAreTheSameSystems) {
  struct Case {
    int epsg;
    CoordKind kind;
    Datum datum;
    std::int16_t zone;
    bool north;
  };
  const Case cases[] = {
      {4326, CoordKind::Degrees, Datum::Wgs84, 0, true},
      {4258, CoordKind::Degrees, Datum::Etrs89, 0, true},
      {4313, CoordKind::Degrees, Datum::Bel72, 0, true},
      {4230, CoordKind::Degrees, Datum::Eur50, 0, true},
      {4275, CoordKind::Degrees, Datum::Ntf, 0, true},
      {31370, CoordKind::Lambert, Datum::Bel72, 0, true},
      {3812, CoordKind::Lambert2008, Datum::Etrs89, 0, true},
      {32631, CoordKind::Utm, Datum::Wgs84, 31, true},
      {32632, CoordKind::Utm, Datum::Wgs84, 32, true},
      {32733, CoordKind::Utm, Datum::Wgs84, 33, false},
      {25831, CoordKind::Utm, Datum::Etrs89, 31, true},
      {23031, CoordKind::Utm, Datum::Eur50, 31, true},
      {23032, CoordKind::Utm, Datum::Eur50, 32, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.epsg);
    const std::optional<CoordSystem> system = SystemOfEpsg(c.epsg);
    ASSERT_TRUE(system);
    EXPECT_EQ(system->kind, c.kind);
    EXPECT_EQ(system->datum, c.datum);
    EXPECT_EQ(system->utmZone, c.zone);
    EXPECT_EQ(system->north, c.north);
    EXPECT_EQ(EpsgOf(c.kind, c.datum, c.zone, c.north), c.epsg);
  }
}

TEST(EpsgTest, SystemsKoordDoesNotKnowHaveNoCode) {
  for (const int epsg : {2154, 3857, 32600, 32661, 23039, 4277, 0, -1}) {
    SCOPED_TRACE(epsg);
    EXPECT_FALSE(SystemOfEpsg(epsg));
  }
  EXPECT_FALSE(EpsgOf(CoordKind::Utm, Datum::Bel72, 31));
  EXPECT_FALSE(EpsgOf(CoordKind::Utm, Datum::Ntf, 31));
  EXPECT_FALSE(EpsgOf(CoordKind::Utm, Datum::Wgs84, 0));
  EXPECT_FALSE(EpsgOf(CoordKind::Utm, Datum::Eur50, 31, false));
  // Lambert and IFBL are BD72's whatever the run's datum; MGRS its degrees.
  EXPECT_EQ(EpsgOf(CoordKind::Ifbl, Datum::Wgs84), 31370);
  EXPECT_EQ(EpsgOf(CoordKind::Mgrs, Datum::Eur50), 4230);
  EXPECT_EQ(EpsgOf(CoordKind::Dms, Datum::Bel72), 4313);
}

TEST(EngineFieldsTest, FieldsInTheOrderTheEngineReadsThem) {
  EXPECT_EQ(EngineFields({4326, CoordKind::Degrees, Datum::Wgs84}, {4.35, 50.85}), "50.85\t4.35");
  EXPECT_EQ(EngineFields({31370, CoordKind::Lambert, Datum::Bel72}, {150000.25, 170000}, ';'),
            "150000.25;170000");
  EXPECT_EQ(EngineFields({32631, CoordKind::Utm, Datum::Wgs84, 31, true}, {596037, 5634128}),
            "31N\t596037\t5634128");
  // Every bit of the number survives.
  EXPECT_EQ(EngineFields({4326, CoordKind::Degrees, Datum::Wgs84}, {0.1 + 0.2, 1.0 / 3}),
            "0.3333333333333333\t0.30000000000000004");
}

TEST(IfblSquareTest, TheSquareHoldsThePointsOfItsCodeAndNoOthers) {
  for (const std::string code : {"E4", "E435", "E43522", "M0", "A9", "K551", "F71141"}) {
    SCOPED_TRACE(code);
    const std::optional<IFBL::LambertSquare> square = IFBL::IfblSquareOf(code);
    ASSERT_TRUE(square);
    const auto codeAt = [&code](double x, double y) {
      std::string found;
      std::int32_t status = 0;
      IFBL::LambertToIfbl(x, y, found, status, static_cast<std::int16_t>(code.size()));
      return found;
    };
    constexpr double kInside = 0.001;
    EXPECT_EQ(codeAt(square->west + kInside, square->south + kInside), code);
    EXPECT_EQ(codeAt(square->east - kInside, square->north - kInside), code);
    EXPECT_EQ(codeAt(square->west + kInside, square->north - kInside), code);
    EXPECT_EQ(codeAt(square->east - kInside, square->south + kInside), code);
    EXPECT_NE(codeAt(square->west - kInside, square->south + kInside), code);
    EXPECT_NE(codeAt(square->east + kInside, square->north - kInside), code);
    EXPECT_NE(codeAt(square->west + kInside, square->south - kInside), code);
    EXPECT_NE(codeAt(square->east - kInside, square->north + kInside), code);
  }
  EXPECT_TRUE(IFBL::IfblSquareOf("E4.35.22"));
  EXPECT_TRUE(IFBL::IfblSquareOf(" e4 35 "));
  EXPECT_FALSE(IFBL::IfblSquareOf("Z4"));
  EXPECT_FALSE(IFBL::IfblSquareOf("E43"));
}

// The squares' centres are GeographicLib's (GeoConvert -u): 31UES9632 is
// (596500, 5632500), 32ULB1234 (312500, 5634500), 32VLK (350000, 6450000).
TEST(MgrsSquareTest, CornersSideAndGridZone) {
  struct Case {
    std::string reference;
    std::string datum;
    double west, south, side;
    std::int16_t zone;
    double cellSouth, cellWest, cellEast;
  };
  const Case cases[] = {
      {"31UES", "WGS84", 500000, 5600000, 100000, 31, 48, 0, 6},
      {"31UES9632", "WGS84", 596000, 5632000, 1000, 31, 48, 0, 6},
      {"31U ES 963 329", "WGS84", 596300, 5632900, 100, 31, 48, 0, 6},
      {"31UES96333289", "WGS84", 596330, 5632890, 10, 31, 48, 0, 6},
      {"31UES9603732913", "WGS84", 596037, 5632913, 1, 31, 48, 0, 6},
      {"32ULB1234", "WGS84", 312000, 5634000, 1000, 32, 48, 6, 12},
      {"32VLK", "WGS84", 300000, 6400000, 100000, 32, 56, 3, 12},  // Norway's wide cell
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    const std::optional<MgrsSquare> square = MgrsSquareOf(c.reference, c.datum);
    ASSERT_TRUE(square);
    EXPECT_EQ(square->zone, c.zone);
    EXPECT_TRUE(square->north);
    EXPECT_DOUBLE_EQ(square->west, c.west);
    EXPECT_DOUBLE_EQ(square->south, c.south);
    EXPECT_DOUBLE_EQ(square->side, c.side);
    EXPECT_DOUBLE_EQ(square->cellSouth, c.cellSouth);
    EXPECT_DOUBLE_EQ(square->cellWest, c.cellWest);
    EXPECT_DOUBLE_EQ(square->cellEast, c.cellEast);
  }
  EXPECT_FALSE(MgrsSquareOf("31UZZ", "WGS84"));
  EXPECT_FALSE(MgrsSquareOf("", "WGS84"));
}

TEST(ResultGeometryTest, PointsOfEachResultKind) {
  // Lambert 1972 (150000, 170000) converted to each kind; the point written
  // is the result's own, in its system.
  struct Case {
    const char* name;
    CoordKind kind;
    Datum datum;
    std::int16_t zone;
    bool wgs84;
    int epsg;
  };
  const Case cases[] = {
      {"lambert", CoordKind::Lambert, Datum::Bel72, 0, false, 31370},
      {"lambert_kml", CoordKind::Lambert, Datum::Bel72, 0, true, 4326},
      {"lambert2008", CoordKind::Lambert2008, Datum::Etrs89, 0, false, 3812},
      {"degrees_etrs89", CoordKind::Degrees, Datum::Etrs89, 0, false, 4258},
      {"degrees_ed50_kml", CoordKind::Degrees, Datum::Eur50, 0, true, 4326},
      {"utm_31", CoordKind::Utm, Datum::Wgs84, 31, false, 32631},
      {"utm_own_zones", CoordKind::Utm, Datum::Eur50, 0, false, 4230},
      {"ifbl_centre", CoordKind::Ifbl, Datum::Bel72, 0, false, 31370},
      {"mgrs_point", CoordKind::Mgrs, Datum::Wgs84, 0, false, 4326},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TransCoo run = Converted("LMB", c.datum, 150000, 170000, 1000, 4);
    run.UtmZone = c.zone;
    if (c.zone != 0) run.Conversion();
    ResultGeometry geometry({c.kind, c.datum, c.zone}, c.wgs84);
    EXPECT_EQ(geometry.Epsg(), c.epsg);
    std::vector<Point> shape;
    ASSERT_TRUE(geometry.Make(run, shape));
    ASSERT_EQ(shape.size(), 1u);
    const Point p = shape.front();
    switch (c.kind) {
      case CoordKind::Lambert:
        if (c.wgs84) {
          const Point d = KoordDegrees("LMB", "BEL72", "WGS84", 150000, 170000);
          EXPECT_LE(GroundDistance(p, d), kMillimetre);
        } else {
          EXPECT_EQ(p.x, 150000);
          EXPECT_EQ(p.y, 170000);
        }
        break;
      case CoordKind::Lambert2008:
        EXPECT_EQ(p.x, run.X2008());
        EXPECT_EQ(p.y, run.Y2008());
        break;
      case CoordKind::Degrees:
        if (c.wgs84) {
          const Point d = KoordDegrees("LMB", "BEL72", "WGS84", 150000, 170000);
          // Through European 1950 and back: Molodensky both ways.
          EXPECT_LE(GroundDistance(p, d), 0.01);
        } else {
          EXPECT_EQ(p.x, run.Longitude());
          EXPECT_EQ(p.y, run.Latitude());
        }
        break;
      case CoordKind::Utm:
        if (c.zone != 0) {
          EXPECT_EQ(p.x, run.Easting());
          EXPECT_EQ(p.y, run.Northing());
        } else {
          EXPECT_EQ(p.x, run.Longitude());
        }
        break;
      case CoordKind::Ifbl:
        // The centre of E4.35 (4 km), whose south-west corner is whole km
        // from the grid's origin (2012, 18180).
        EXPECT_EQ(run.IFBL(), "E435");
        EXPECT_EQ(std::fmod(p.x - 2012 - 2000, 4000), 0);
        EXPECT_EQ(std::fmod(p.y - 18180 - 2000, 4000), 0);
        EXPECT_LE(std::fabs(p.x - 150000), 2000);
        break;
      case CoordKind::Mgrs: {
        // The point TransCoo reads back from the reference written.
        TransCoo back;
        back.SetDatumFrom("WGS84");
        back.SetDatumDest("WGS84");
        back.SetOrigType("MGR");
        back.SetMGRS(run.MGRS());
        back.Conversion();
        EXPECT_LE(GroundDistance(p, {back.Longitude(), back.Latitude()}), kMillimetre);
        break;
      }
      default: break;
    }
  }
}

TEST(ResultGeometryTest, IfblSquaresFollowTheirTrueShape) {
  for (const bool wgs84 : {false, true}) {
    for (const int length : {2, 4, 6}) {
      SCOPED_TRACE(std::to_string(length) + (wgs84 ? " wgs84" : " lambert"));
      const TransCoo run =
          Converted("LMB", Datum::Wgs84, 150000, 170000, 1, static_cast<std::int16_t>(length));
      ResultGeometry geometry({CoordKind::Ifbl, Datum::Wgs84, 0, false, true}, wgs84);
      EXPECT_EQ(geometry.Type(), GeometryType::Polygon);
      EXPECT_EQ(geometry.Epsg(), wgs84 ? 4326 : 31370);
      std::vector<Point> ring;
      ASSERT_TRUE(geometry.Make(run, ring));
      const IFBL::LambertSquare square = *IFBL::IfblSquareOf(run.IFBL());
      const double area = (square.east - square.west) * (square.north - square.south);
      const Point corners[] = {{square.west, square.south},
                               {square.east, square.south},
                               {square.east, square.north},
                               {square.west, square.north}};
      if (!wgs84) {
        ASSERT_EQ(ring.size(), 5u);
        EXPECT_DOUBLE_EQ(ShoelaceArea(ring), area);
        for (const Point& c : corners) {
          EXPECT_TRUE(std::any_of(ring.begin(), ring.end(),
                                  [&c](const Point& p) { return p.x == c.x && p.y == c.y; }));
        }
        continue;
      }
      for (const Point& c : corners) {
        EXPECT_TRUE(HasCorner(ring, KoordDegrees("LMB", "BEL72", "WGS84", c.x, c.y)));
      }
      // PROJ takes the official transformation, a metre from Koord's shift:
      // nothing to an area.
      const double projected = ShoelaceArea(ProjectedByProj(ring, 4326, 31370));
      EXPECT_NEAR(projected / area, 1, 0.001);
      // Between two vertices the true edge (Koord's conversion of the
      // Lambert edge) stays within a metre of the straight piece.
      double worst = 0;
      for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        const Point middle{(ring[i].x + ring[i + 1].x) / 2, (ring[i].y + ring[i + 1].y) / 2};
        const std::vector<Point> back = ProjectedByProj({ring[i], ring[i + 1]}, 4326, 31370);
        const Point lambert{(back[0].x + back[1].x) / 2, (back[0].y + back[1].y) / 2};
        const std::vector<Point> onEdge = ProjectedByProj({lambert}, 31370, 4326);
        worst = std::max(worst, GroundDistance(middle, onEdge.front()));
      }
      EXPECT_LT(worst, 1.0);
    }
  }
}

TEST(ResultGeometryTest, MgrsSquaresFollowTheirTrueShapeAndTheirGridZone) {
  struct Case {
    std::string reference;
    Datum datum;
    bool wgs84;
    double areaShare;  // of the whole square, within its grid zone; 0: cut by 6 E
  };
  const Case cases[] = {
      {"31UES", Datum::Wgs84, false, 1},
      {"31UES9632", Datum::Wgs84, true, 1},
      {"31UES963329", Datum::Eur50, false, 1},
      {"31UES963329", Datum::Eur50, true, 1},
      // Cut by 6 degrees east, 8 to 12 km east of its west side.
      {"31UGS", Datum::Wgs84, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference + (c.wgs84 ? " wgs84" : ""));
    const std::string datum(EntryOf(kDatumTable, c.datum).code);
    TransCoo run;
    run.SetDatumFrom(datum);
    run.SetDatumDest(datum);
    run.mgrsPrecision = 1;
    run.SetOrigType("MGR");
    run.SetMGRS(c.reference);
    run.Conversion();
    ASSERT_EQ(run.Error(), "");
    ResultGeometry geometry({CoordKind::Mgrs, c.datum, 0, false, true}, c.wgs84);
    std::vector<Point> ring;
    ASSERT_TRUE(geometry.Make(run, ring));
    const MgrsSquare square = *MgrsSquareOf(c.reference, datum);
    const double s = square.side;
    const int utm = c.datum == Datum::Eur50 ? 23000 + square.zone : 32600 + square.zone;
    const int degrees = c.wgs84 ? 4326 : *EpsgOf(CoordKind::Degrees, c.datum);
    double share = c.areaShare;
    if (share == 1) {
      for (const Point& corner :
           {Point{square.west, square.south}, Point{square.west + s, square.south},
            Point{square.west, square.south + s}, Point{square.west + s, square.south + s}}) {
        Point d = KoordDegrees("UTM", datum, datum, corner.x, corner.y, square.zone);
        if (c.wgs84) {
          TransCoo shift;
          shift.SetDatumFrom(datum);
          shift.SetDatumDest("WGS84");
          shift.SetOrigType("DEG");
          shift.SetLatitude(d.y);
          shift.SetLongitude(d.x);
          shift.Conversion();
          d = {shift.Longitude(), shift.Latitude()};
        }
        EXPECT_TRUE(HasCorner(ring, d));
      }
    } else {
      double east = -180;
      for (const Point& p : ring) east = std::max(east, p.x);
      EXPECT_NEAR(east, square.cellEast, 1e-12);
      // The share west of the meridian, by PROJ: a trapezoid between the
      // meridian's eastings at the square's south and north sides.
      const std::vector<Point> sides = ProjectedByProj(
          {{square.west, square.south}, {square.west, square.south + s}}, utm, degrees);
      const std::vector<Point> meridian = ProjectedByProj(
          {{square.cellEast, sides[0].y}, {square.cellEast, sides[1].y}}, degrees, utm);
      share = ((meridian[0].x - square.west) + (meridian[1].x - square.west)) / 2 / s;
    }
    // The datums' shifts differ between Koord and PROJ by metres; the area
    // by far less than its thousandth.
    const double area = ShoelaceArea(ProjectedByProj(ring, degrees, utm));
    EXPECT_NEAR(area / (s * s), share, 0.001);
  }
}

TEST(ResultGeometryTest, NoGeometryWhereTheResultHasNoPlace) {
  ResultGeometry utmOnBd72({CoordKind::Utm, Datum::Bel72, 31}, false);
  EXPECT_FALSE(utmOnBd72.Epsg());
  std::vector<Point> shape{{1, 2}};
  const TransCoo run = Converted("LMB", Datum::Bel72, 150000, 170000);
  EXPECT_FALSE(utmOnBd72.Make(run, shape));
  EXPECT_TRUE(shape.empty());
  // An IFBL result outside the lettered grid has no square.
  TransCoo outside = Converted("LMB", Datum::Bel72, 1000, 1000);
  ResultGeometry ifbl({CoordKind::Ifbl, Datum::Bel72, 0, false, true}, false);
  EXPECT_FALSE(ifbl.Make(outside, shape));
}

}  // namespace
}  // namespace koord::files
