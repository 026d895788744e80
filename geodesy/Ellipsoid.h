#pragma once
// Ellipsoids: the record of a catalogue entry, and the ellipsoid in use that
// the UTM and MGRS routines work on.

#include <cstdint>
#include <string_view>

namespace koord {

struct EllipsoidRecord {
  std::int16_t Number;  // equal to the record's position in the catalogue
  std::string_view Name;
  double SemiMajorAxis;      // a, metres
  double InverseFlattening;  // 1/f
};

// The ellipsoid that the UTM and MGRS routines work on.
struct EllipsoidInUse {
  std::int16_t Number = 0;
  double a = 0;  // semi-major axis, metres
  double f = 0;  // flattening (f itself, not 1/f)
  double b = 0;  // semi-minor axis, metres
};

// One per thread, so that conversions may run on several threads at once;
// all values are 0 until the first selection on the thread.
EllipsoidInUse& CurrentEllipsoid();

}  // namespace koord
