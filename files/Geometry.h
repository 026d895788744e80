#pragma once
// Coordinate systems of files and the geometry of results, by Koord's own
// geodesy: which EPSG codes Koord reads as which kind and datum, the code
// under which a result's points are written, and the point or square
// polygon of each converted point.
//
//   SystemOfEpsg(31370)                 // Lambert 1972 on BD72
//   EpsgOf(CoordKind::Utm, Datum::Eur50, 31)   // 23031
//
//   ResultGeometry geometry({CoordKind::Ifbl, Datum::Bel72}, /*wgs84=*/true);
//   geometry.Epsg()                     // 4326: the square in WGS84 degrees
//   std::vector<Point> shape;
//   if (geometry.Make(converted, shape)) writer.Write(cells, shape);

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/TransCoo.h"
#include "engine/Choices.h"

namespace koord::files {

// A point as files hold it: x east (easting, longitude), y north
// (northing, latitude), in the units of its system.
struct Point {
  double x;
  double y;
};

// A coordinate system that Koord reads: the kind of its numbers and their
// datum (Degrees, Lambert, Lambert2008 or Utm with its zone).
struct CoordSystem {
  int epsg;
  CoordKind kind;
  Datum datum;
  std::int16_t utmZone = 0;  // UTM: 1 to 60
  bool north = true;         // UTM: the hemisphere of the northings
};

// The system of an EPSG code: degrees on WGS84 (4326), ETRS89 (4258), BD72
// (4313), European 1950 (4230) or NTF (4275); Lambert 1972 (31370) and 2008
// (3812); UTM on WGS84 (326zz, 327zz), ETRS89 (258zz) or European 1950
// (230zz). Nothing for any other code.
std::optional<CoordSystem> SystemOfEpsg(int epsg);

// The EPSG code of the points of a kind on a datum: Lambert 1972 and IFBL
// squares (their centres) 31370 whatever the datum, as TransCoo keeps them
// on BD72; Lambert 2008 3812; degrees, degrees-minutes-seconds and MGRS
// references (their points) the datum's degrees; UTM the datum's zone
// `utmZone` (1 to 60). Nothing where EPSG has no code (UTM on BD72 or NTF,
// a zone 0).
std::optional<int> EpsgOf(CoordKind kind, Datum datum, std::int16_t utmZone = 0, bool north = true);

// The coordinate fields of a point as the engine reads them for the
// system's kind, separated by `separator`: latitude and longitude, X and
// Y, or zone ("31N"), easting and northing. Numbers are written in full
// (shortest text that reads back to the same double).
std::string EngineFields(const CoordSystem& system, Point point, char separator = '\t');

// What a run writes: the kind and datum of its results, and their options
// that change a point's place.
struct ResultChoice {
  CoordKind kind = CoordKind::Lambert;
  Datum datum = Datum::Wgs84;  // of degrees, MGRS and UTM results
  std::int16_t utmZone = 0;    // UTM results in one zone; 0: each point its own
  bool precise = false;        // BD72 and WGS84 through the seven parameters
  bool squares = false;        // IFBL and MGRS results as their squares
};

enum class GeometryType { Point, Polygon };

// The geometry of results, point by point. Each point is in the result
// kind's own system (EpsgOf), or in WGS84 degrees for the formats that know
// no other (KML, GPX). IFBL and MGRS results are their squares' centres and
// points, or with `squares` their squares: an IFBL square in Lambert 1972
// has its four corners; in degrees, and for MGRS squares always, its edges
// are cut into pieces of at most kDensifyStep metres whose ends are
// converted one by one, so that the polygon follows the true square within
// a few centimetres. An MGRS square cut by its grid zone's edge is the part
// within the grid zone. UTM results in a zone of their own each (utmZone
// 0) cannot share one projected system: their geometry is in degrees on
// their datum.
class ResultGeometry {
 public:
  ResultGeometry(const ResultChoice& choice, bool wgs84);
  ~ResultGeometry();
  ResultGeometry(const ResultGeometry&) = delete;
  ResultGeometry& operator=(const ResultGeometry&) = delete;

  // The EPSG code of the points; nothing when EPSG has none for the choice
  // (Make then makes nothing).
  std::optional<int> Epsg() const { return epsg_; }
  GeometryType Type() const;

  // The geometry of a point converted by `converted` (a TransCoo after a
  // Conversion that set no Error, with the choice's datums and
  // precisions): one point, or a polygon's closed ring. False, with
  // `shape` empty, when the result has no place (an IFBL square outside
  // the grid, an MGRS reference not made).
  bool Make(const TransCoo& converted, std::vector<Point>& shape);

  // The longest edge piece of densified polygons, metres.
  static constexpr double kDensifyStep = 1000;

 private:
  class Converter;
  bool Degrees(const TransCoo& converted, std::vector<Point>& shape);
  bool IfblShape(const std::string& code, std::vector<Point>& shape);
  bool MgrsShape(const TransCoo& converted, std::vector<Point>& shape);

  ResultChoice choice_;
  bool wgs84_;
  std::optional<int> epsg_;
  std::unique_ptr<Converter> converter_;
};

}  // namespace koord::files
