#pragma once
// The square an MGRS reference names: its south-west corner and side in
// UTM metres of its zone, and the grid zone (the zone's longitudes, the
// band's latitudes, Norway and Svalbard included) that it belongs to. A
// square cut by a zone or band edge is the square's part within its grid
// zone; the caller clips the square to these limits.
//
//   const auto square = MgrsSquareOf("31UES9632", "WGS84");
//   // zone 31, north, west 596000, south 5632000, side 1000 m,
//   // cell 48 to 56 degrees north, 0 to 6 degrees east

#include <cstdint>
#include <optional>
#include <string_view>

namespace koord {

struct MgrsSquare {
  std::int16_t zone;
  bool north;
  // The south-west corner, metres; the northing carries 10 000 000 m
  // south of the equator, as UTM northings do.
  double west;
  double south;
  double side;  // 1 m to 100 000 m, by the digits of the reference
  // The grid zone, degrees.
  double cellSouth, cellNorth, cellWest, cellEast;
};

// The square of a reference on a datum ("WGS84", "EUR-M" ...), read as
// TransCoo reads MGRS input (blanks ignored, 100 km to 1 m); nothing for a
// reference TransCoo refuses.
std::optional<MgrsSquare> MgrsSquareOf(std::string_view reference, std::string_view datumCode);

}  // namespace koord
