#pragma once
// The fixed datum and ellipsoid catalogues, and the ellipsoid in use.
//
// Positions in both catalogues count from 1; a stored position of 0 means
// that nothing is selected.

#include <cstdint>
#include <span>
#include <string_view>

namespace koord {

// A geodetic datum with its standard Molodensky shift to WGS84.
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

struct EllipsoidRecord {
  std::int16_t Number;  // equal to the record's position in the catalogue
  std::string_view Name;
  double SemiMajorAxis;      // a, metres
  double InverseFlattening;  // 1/f
};

// The four datums, in position order ("EUR-M", "BEL72", "WGS84", "NTF").
std::span<const DatumRecord> DatumCatalogue();
// The 23 ellipsoids, in position order.
std::span<const EllipsoidRecord> EllipsoidCatalogue();

// A datum code without the blanks that pad it to five characters.
std::string_view TrimmedCode(const DatumRecord& datum);

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
