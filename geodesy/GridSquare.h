#pragma once
// Whether a square of the UTM grid meets a grid zone: the test by which an
// MGRS reference is accepted when its square is cut by a zone or band edge.
//
// Eastings and northings are metres in the square's zone; here a northing
// counts from the equator, negative to the south (no false northing).
// Angles are radians. Built on the inverse projection UtmToGeo, so a
// floating-point fault raises RuntimeError.
//
//   GridSquare square{500000, 510000, 5600000, 5610000};
//   const CellLimits cell = BandLimits(band, 31);
//   bool named = SquareMeetsCell(tm, 31, square, cell);

#include <cstdint>

#include "geodesy/TransverseMercator.h"
#include "geodesy/Utm.h"

namespace koord::DMA {

// The sides of a square of the grid, metres.
struct GridSquare {
  double west, east, south, north;
};

// True when some point of the square, its sides included, lies in the
// cell, its edges included. Exact up to a micrometre for squares of up to
// 100 km in or near their zone.
bool SquareMeetsCell(const TransverseMercator& tm, std::int16_t zone, const GridSquare& square,
                     const CellLimits& cell);

}  // namespace koord::DMA
