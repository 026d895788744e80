#pragma once
// A geodetic datum: its ellipsoid and its standard Molodensky shift to
// WGS84.

#include <cstdint>
#include <string_view>

namespace koord {

struct DatumRecord {
  std::int16_t Da;  // a(WGS84) - a(datum ellipsoid), whole metres
  double Df;        // f(WGS84) - f(datum ellipsoid)
  double Dx;        // translation from the datum to WGS84, metres
  double Dy;
  double Dz;
  std::int16_t Ellipsoid;  // Number of the datum's ellipsoid
  std::string_view Code;   // five characters, blank-padded on the right
  std::string_view Name;
  std::string_view Area;
};

}  // namespace koord
