#pragma once
// Angle units and the standard Molodensky datum shift.
//
// Angles are decimal degrees at every interface; radians exist only inside
// the routines. Heights are metres above the ellipsoid.

#include <cstdint>

#include "geodesy/Datum.h"
#include "geodesy/Ellipsoid.h"

namespace koord::General {

// The program's value of pi, ten decimals. Every degree/radian change outside
// the UTM and MGRS routines uses it, so that its results are the same to the
// last bit wherever they are computed (0.2 mm from full pi in Belgium).
inline constexpr double Pi = 3.1415926535;

// (Pi / 180) * degrees, the quotient formed first.
inline double DegToRad(double degrees) {
  return (Pi / 180.0) * degrees;
}
// (radians * 180) / Pi, the product formed first.
inline double RadToDeg(double radians) {
  return (radians * 180.0) / Pi;
}

// One-step standard Molodensky shift between `datum` and WGS84, on the
// datum's own ellipsoid in both directions: direction +1 goes from the datum
// to WGS84, -1 from WGS84 to the datum. Writes the new latitude and longitude
// in degrees; the height change is not returned.
// Throws RuntimeError on a floating-point fault or an overflow of
// direction * Da.
void MolodenskyShift(double latitude, double longitude, double height, double& newLatitude,
                     double& newLongitude, const DatumRecord& datum,
                     const EllipsoidRecord& ellipsoid, std::int16_t direction);

}  // namespace koord::General
