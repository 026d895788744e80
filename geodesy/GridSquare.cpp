#include "geodesy/GridSquare.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "geodesy/Utm.h"

namespace koord::DMA {
namespace {

// Halvings of a side when looking for where it crosses a band edge: 2^-40
// of a 100 km side is 0.1 micrometre.
constexpr int kBisections = 40;

struct GridPoint {
  double easting, northing;  // metres, northing from the equator
};

struct Position {
  double latitude, longitude;  // radians
};

// A straight piece of a square's side along which latitude and longitude
// each change in one direction only.
class Piece {
 public:
  Piece(const TransverseMercator& tm, std::int16_t zone, GridPoint from, GridPoint to)
      : tm_(&tm), zone_(zone), from_(from), to_(to) {}

  // The point at t, from 0 (start) to 1 (end).
  Position At(double t) const {
    const double easting = from_.easting + t * (to_.easting - from_.easting);
    double northing = from_.northing + t * (to_.northing - from_.northing);
    // UtmToGeo reads a negative northing as southern, false northing included.
    if (northing < 0.0) northing = -(northing + kUtmSouthFalseNorthing);
    Position p{};
    UtmToGeo(*tm_, p.latitude, p.longitude, zone_, northing, easting);
    return p;
  }

  // Where the latitude, rising or falling along the piece, reaches `value`.
  double Crossing(double value, bool rising) const {
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < kBisections; ++i) {
      const double middle = (low + high) / 2.0;
      if ((At(middle).latitude < value) == rising) {
        low = middle;
      } else {
        high = middle;
      }
    }
    return (low + high) / 2.0;
  }

 private:
  const TransverseMercator* tm_;
  std::int16_t zone_;
  GridPoint from_, to_;
};

bool PieceMeetsCell(const Piece& piece, const CellLimits& cell) {
  const Position start = piece.At(0.0);
  const Position end = piece.At(1.0);
  const bool rising = end.latitude >= start.latitude;
  if (std::max(start.latitude, end.latitude) < cell.south ||
      std::min(start.latitude, end.latitude) > cell.north) {
    return false;
  }
  // The ends bound the longitudes of the piece, and of any stretch of it.
  const double westmost = std::min(start.longitude, end.longitude);
  const double eastmost = std::max(start.longitude, end.longitude);
  if (eastmost < cell.west || westmost > cell.east) return false;
  if (westmost >= cell.west && eastmost <= cell.east) return true;
  // The stretch of the piece within the band's latitudes, from `first` to
  // `last`; along it the longitude changes in one direction, so its ends
  // bound the longitudes it reaches.
  const double entry = rising ? cell.south : cell.north;
  const double exit = rising ? cell.north : cell.south;
  const bool entersLater = rising ? start.latitude < entry : start.latitude > entry;
  const bool leavesEarlier = rising ? end.latitude > exit : end.latitude < exit;
  const double first = entersLater ? piece.Crossing(entry, rising) : 0.0;
  const double last = leavesEarlier ? piece.Crossing(exit, rising) : 1.0;
  const double l1 = first == 0.0 ? start.longitude : piece.At(first).longitude;
  const double l2 = last == 1.0 ? end.longitude : piece.At(last).longitude;
  return std::max(l1, l2) >= cell.west && std::min(l1, l2) <= cell.east;
}

}  // namespace

bool SquareMeetsCell(const TransverseMercator& tm, std::int16_t zone, const GridSquare& square,
                     const CellLimits& cell) {
  // No cell fits inside a square (a band spans 8 degrees of latitude, a
  // square at most 100 km), so the square meets the cell exactly when its
  // sides do. Along the west and east sides latitude and longitude each
  // change in one direction; along the south and north sides the latitude
  // turns on the central meridian, where those sides are cut in two.
  const GridPoint sw{square.west, square.south};
  const GridPoint se{square.east, square.south};
  const GridPoint nw{square.west, square.north};
  const GridPoint ne{square.east, square.north};
  const bool straddles = square.west < kUtmFalseEasting && square.east > kUtmFalseEasting;
  const GridPoint s0{straddles ? kUtmFalseEasting : square.east, square.south};
  const GridPoint n0{straddles ? kUtmFalseEasting : square.east, square.north};
  const std::array<Piece, 6> pieces{Piece(tm, zone, sw, nw), Piece(tm, zone, se, ne),
                                    Piece(tm, zone, sw, s0), Piece(tm, zone, s0, se),
                                    Piece(tm, zone, nw, n0), Piece(tm, zone, n0, ne)};
  return std::any_of(pieces.begin(), pieces.end(),
                     [&](const Piece& piece) { return PieceMeetsCell(piece, cell); });
}

}  // namespace koord::DMA
