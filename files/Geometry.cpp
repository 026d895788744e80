#include "files/Geometry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

#include "core/MgrsSquare.h"
#include "geodesy/Ifbl.h"
#include "geodesy/IfblSquare.h"

namespace koord::files {
namespace {

constexpr int kLambert1972 = 31370;
constexpr int kLambert2008 = 3812;

struct DegreeCode {
  Datum datum;
  int epsg;
};
constexpr std::array<DegreeCode, 5> kDegreeCodes{{
    {Datum::Wgs84, 4326},
    {Datum::Etrs89, 4258},
    {Datum::Bel72, 4313},
    {Datum::Eur50, 4230},
    {Datum::Ntf, 4275},
}};

// EPSG numbers UTM systems as a base plus the zone.
struct UtmCodes {
  Datum datum;
  bool north;
  int base;
  std::int16_t firstZone;
  std::int16_t lastZone;
};
constexpr std::array<UtmCodes, 4> kUtmCodes{{
    {Datum::Wgs84, true, 32600, 1, 60},
    {Datum::Wgs84, false, 32700, 1, 60},
    {Datum::Etrs89, true, 25800, 28, 38},
    {Datum::Eur50, true, 23000, 28, 38},
}};

constexpr double kFalseNorthing = 10'000'000;  // of UTM northings south of the equator

std::optional<int> DegreeEpsg(Datum datum) {
  for (const DegreeCode& entry : kDegreeCodes) {
    if (entry.datum == datum) return entry.epsg;
  }
  return std::nullopt;
}

bool SameAsWgs84(Datum datum) {
  // Koord holds ETRS89 for WGS84, as EPSG does to the metre.
  return datum == Datum::Wgs84 || datum == Datum::Etrs89;
}

void AppendNumber(std::string& out, double value) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  out.append(text.data(), result.ptr);
}

// The ring of a polygon given by its corners, each edge cut into pieces of
// at most `step` (in the corners' units), closed.
std::vector<Point> DensifiedRing(std::span<const Point> corners, double step) {
  std::vector<Point> ring;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point a = corners[i];
    const Point b = corners[(i + 1) % corners.size()];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const auto pieces = static_cast<int>(std::max(1.0, std::ceil(length / step)));
    for (int k = 0; k < pieces; ++k) {
      const double t = static_cast<double>(k) / pieces;
      ring.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
  }
  ring.push_back(ring.front());
  return ring;
}

// One side of a clip: the points with value(p) * sign <= limit * sign stay.
struct ClipEdge {
  bool onX;      // the limit is a longitude (x), else a latitude (y)
  double limit;  // degrees
  bool keepBelow;
};

bool Inside(const Point& p, const ClipEdge& edge) {
  const double v = edge.onX ? p.x : p.y;
  return edge.keepBelow ? v <= edge.limit : v >= edge.limit;
}

Point Crossing(const Point& a, const Point& b, const ClipEdge& edge) {
  const double va = edge.onX ? a.x : a.y;
  const double vb = edge.onX ? b.x : b.y;
  const double t = (edge.limit - va) / (vb - va);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// A closed ring cut to one side of an edge (Sutherland and Hodgman); the
// ring's pieces are short, so a straight cut in degrees is the true one.
std::vector<Point> Clipped(const std::vector<Point>& ring, const ClipEdge& edge) {
  std::vector<Point> out;
  if (ring.size() < 2) return out;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
    const Point& a = ring[i];
    const Point& b = ring[i + 1];
    const bool aIn = Inside(a, edge);
    const bool bIn = Inside(b, edge);
    if (aIn) out.push_back(a);
    if (aIn != bIn) out.push_back(Crossing(a, b, edge));
  }
  if (!out.empty()) out.push_back(out.front());
  return out;
}

}  // namespace

std::optional<CoordSystem> SystemOfEpsg(int epsg) {
  if (epsg == kLambert1972) return CoordSystem{epsg, CoordKind::Lambert, Datum::Bel72};
  if (epsg == kLambert2008) return CoordSystem{epsg, CoordKind::Lambert2008, Datum::Etrs89};
  for (const DegreeCode& entry : kDegreeCodes) {
    if (entry.epsg == epsg) return CoordSystem{epsg, CoordKind::Degrees, entry.datum};
  }
  for (const UtmCodes& codes : kUtmCodes) {
    const int zone = epsg - codes.base;
    if (zone >= codes.firstZone && zone <= codes.lastZone) {
      return CoordSystem{epsg, CoordKind::Utm, codes.datum, static_cast<std::int16_t>(zone),
                         codes.north};
    }
  }
  return std::nullopt;
}

std::optional<int> EpsgOf(CoordKind kind, Datum datum, std::int16_t utmZone, bool north) {
  switch (kind) {
    case CoordKind::Lambert:
    case CoordKind::Ifbl: return kLambert1972;
    case CoordKind::Lambert2008: return kLambert2008;
    case CoordKind::Degrees:
    case CoordKind::Dms:
    case CoordKind::Mgrs: return DegreeEpsg(datum);
    case CoordKind::Utm:
      for (const UtmCodes& codes : kUtmCodes) {
        if (codes.datum == datum && codes.north == north && utmZone >= codes.firstZone &&
            utmZone <= codes.lastZone) {
          return codes.base + utmZone;
        }
      }
      return std::nullopt;
  }
  return std::nullopt;
}

std::string EngineFields(const CoordSystem& system, Point point, char separator) {
  std::string out;
  switch (system.kind) {
    case CoordKind::Degrees:
    case CoordKind::Dms:
      AppendNumber(out, point.y);
      out += separator;
      AppendNumber(out, point.x);
      return out;
    case CoordKind::Utm:
      out += std::to_string(system.utmZone);
      out += system.north ? 'N' : 'S';
      out += separator;
      break;
    default: break;
  }
  AppendNumber(out, point.x);
  out += separator;
  AppendNumber(out, point.y);
  return out;
}

// The conversions that a result's geometry needs besides the run's own,
// each by a conversion object of its own, its datums chosen once.
class ResultGeometry::Converter {
 public:
  Converter(Datum datum, bool precise) : datum_(datum) {
    Prepare(lambert_, Datum::Bel72, Datum::Wgs84, precise);
    Prepare(lambert2008_, Datum::Etrs89, Datum::Wgs84, precise);
    Prepare(degrees_, datum, Datum::Wgs84, precise);
    Prepare(utm_, datum, datum, precise);
    Prepare(mgrs_, datum, datum, precise);
  }

  // Lambert 1972 X/Y to WGS84 degrees.
  std::optional<Point> FromLambert(Point p) {
    lambert_.Reset();
    lambert_.SetOrigType(CoordKind::Lambert);
    lambert_.SetX(p.x);
    lambert_.SetY(p.y);
    return Degrees(lambert_);
  }
  std::optional<Point> FromLambert2008(Point p) {
    lambert2008_.Reset();
    lambert2008_.SetOrigType(CoordKind::Lambert2008);
    lambert2008_.SetX2008(p.x);
    lambert2008_.SetY2008(p.y);
    return Degrees(lambert2008_);
  }
  // Degrees on the run's datum to WGS84.
  std::optional<Point> FromDegrees(Point p) {
    if (SameAsWgs84(datum_)) return p;
    degrees_.Reset();
    degrees_.SetOrigType(CoordKind::Degrees);
    degrees_.SetLongitude(p.x);
    degrees_.SetLatitude(p.y);
    return Degrees(degrees_);
  }
  // The point an MGRS reference stands for, as TransCoo reads it back,
  // degrees on the run's datum.
  std::optional<Point> FromMgrs(std::string_view reference) {
    mgrs_.Reset();
    mgrs_.SetOrigType(CoordKind::Mgrs);
    mgrs_.SetMGRS(reference);
    return Degrees(mgrs_);
  }
  // UTM numbers to degrees on the run's datum.
  std::optional<Point> FromUtm(std::int16_t zone, bool north, Point p) {
    utm_.Reset();
    utm_.SetOrigType(CoordKind::Utm);
    utm_.SetZone(zone);
    utm_.SetNorth(north);
    utm_.SetEasting(p.x);
    utm_.SetNorthing(p.y);
    return Degrees(utm_);
  }

 private:
  static void Prepare(TransCoo& point, Datum from, Datum to, bool precise) {
    point.SetDatumFrom(from);
    point.SetDatumDest(to);
    point.PreciseTransformation = precise;
    // Only the degrees are read.
    point.ComputeUtm = false;
    point.ComputeIfbl = false;
    point.ComputeLambert = false;
    point.ComputeLambert2008 = false;
  }
  static std::optional<Point> Degrees(TransCoo& point) {
    point.Conversion();
    if (point.ErrorCode() != ConversionError::None) return std::nullopt;
    return Point{point.Longitude(), point.Latitude()};
  }

  Datum datum_;
  TransCoo lambert_;
  TransCoo lambert2008_;
  TransCoo degrees_;
  TransCoo utm_;
  TransCoo mgrs_;
};

ResultGeometry::ResultGeometry(const ResultChoice& choice, bool wgs84)
    : choice_(choice),
      wgs84_(wgs84),
      converter_(std::make_unique<Converter>(choice.datum, choice.precise)) {
  if (wgs84_) {
    epsg_ = DegreeEpsg(Datum::Wgs84);
  } else if (choice_.kind == CoordKind::Utm && choice_.utmZone == 0) {
    epsg_ = DegreeEpsg(choice_.datum);
  } else {
    epsg_ = EpsgOf(choice_.kind, choice_.datum, choice_.utmZone);
  }
}

ResultGeometry::~ResultGeometry() = default;

GeometryType ResultGeometry::Type() const {
  const bool square = choice_.kind == CoordKind::Ifbl || choice_.kind == CoordKind::Mgrs;
  return choice_.squares && square ? GeometryType::Polygon : GeometryType::Point;
}

bool ResultGeometry::Make(const TransCoo& converted, std::vector<Point>& shape) {
  shape.clear();
  if (!epsg_) return false;
  switch (choice_.kind) {
    case CoordKind::Lambert: {
      const Point p{converted.X(), converted.Y()};
      if (!wgs84_) {
        shape.push_back(p);
      } else if (const auto d = converter_->FromLambert(p)) {
        shape.push_back(*d);
      }
      break;
    }
    case CoordKind::Lambert2008: {
      const Point p{converted.X2008(), converted.Y2008()};
      if (!wgs84_) {
        shape.push_back(p);
      } else if (const auto d = converter_->FromLambert2008(p)) {
        shape.push_back(*d);
      }
      break;
    }
    case CoordKind::Utm:
      if (!wgs84_ && choice_.utmZone != 0) {
        // A point south of the equator in a northern zone's system has a
        // negative northing there.
        const double northing =
            converted.North() ? converted.Northing() : converted.Northing() - kFalseNorthing;
        shape.push_back({converted.Easting(), northing});
        break;
      }
      return Degrees(converted, shape);
    case CoordKind::Degrees:
    case CoordKind::Dms: return Degrees(converted, shape);
    case CoordKind::Ifbl: return IfblShape(converted.IFBL(), shape);
    case CoordKind::Mgrs: return MgrsShape(converted, shape);
  }
  return !shape.empty();
}

bool ResultGeometry::Degrees(const TransCoo& converted, std::vector<Point>& shape) {
  const Point p{converted.Longitude(), converted.Latitude()};
  if (!wgs84_) {
    shape.push_back(p);
  } else if (const auto d = converter_->FromDegrees(p)) {
    shape.push_back(*d);
  }
  return !shape.empty();
}

bool ResultGeometry::IfblShape(const std::string& code, std::vector<Point>& shape) {
  const std::optional<IFBL::LambertSquare> square = IFBL::IfblSquareOf(code);
  if (!square) return false;
  if (Type() == GeometryType::Point) {
    const Point centre{(square->west + square->east) / 2, (square->south + square->north) / 2};
    if (!wgs84_) {
      shape.push_back(centre);
    } else if (const auto d = converter_->FromLambert(centre)) {
      shape.push_back(*d);
    }
    return !shape.empty();
  }
  const std::array<Point, 4> corners{{{square->west, square->south},
                                      {square->east, square->south},
                                      {square->east, square->north},
                                      {square->west, square->north}}};
  if (!wgs84_) {
    // Straight in Lambert 1972: the corners are the square.
    shape.assign(corners.begin(), corners.end());
    shape.push_back(corners.front());
    return true;
  }
  for (const Point& p : DensifiedRing(corners, kDensifyStep)) {
    const std::optional<Point> d = converter_->FromLambert(p);
    if (!d) {
      shape.clear();
      return false;
    }
    shape.push_back(*d);
  }
  return true;
}

bool ResultGeometry::MgrsShape(const TransCoo& converted, std::vector<Point>& shape) {
  const std::string& reference = converted.MGRS();
  // The point a reference stands for, as TransCoo reads it back: 1 m
  // short of its square's centre, or the point itself at 1 m. Worked out
  // from the numbers the reference was made of where the conversion can,
  // rather than read from its text again: half the cost of a record.
  if (Type() == GeometryType::Point) {
    const auto made = converted.MgrsPoint();
    const std::optional<Point> d = made ? std::optional<Point>(Point{made->second, made->first})
                                        : converter_->FromMgrs(reference);
    if (!d) return false;
    const std::optional<Point> p = wgs84_ ? converter_->FromDegrees(*d) : d;
    if (p) shape.push_back(*p);
    return !shape.empty();
  }
  const std::optional<MgrsSquare> square = MgrsSquareOf(reference, DatumCode(choice_.datum));
  if (!square) return false;
  const double s = square->side;
  const std::array<Point, 4> corners{{{square->west, square->south},
                                      {square->west + s, square->south},
                                      {square->west + s, square->south + s},
                                      {square->west, square->south + s}}};
  std::vector<Point> ring;
  for (const Point& p : DensifiedRing(corners, kDensifyStep)) {
    const std::optional<Point> d = converter_->FromUtm(square->zone, square->north, p);
    if (!d) return false;
    ring.push_back(*d);
  }
  for (const ClipEdge& edge :
       {ClipEdge{true, square->cellWest, false}, ClipEdge{true, square->cellEast, true},
        ClipEdge{false, square->cellSouth, false}, ClipEdge{false, square->cellNorth, true}}) {
    ring = Clipped(ring, edge);
  }
  if (ring.size() < 4) return false;
  for (const Point& p : ring) {
    const std::optional<Point> d = wgs84_ ? converter_->FromDegrees(p) : p;
    if (!d) {
      shape.clear();
      return false;
    }
    shape.push_back(*d);
  }
  return true;
}

}  // namespace koord::files
