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

// The one-step standard Molodensky shift between a datum and WGS84, set up
// once for the datum and a direction: +1 from the datum to WGS84, -1 from
// WGS84 to the datum. Both directions work on the datum's own ellipsoid.
//
//   const General::Molodensky toWgs84(bel72, Ellipsoid(hayford), +1);
//   double lat = 0, lon = 0;
//   toWgs84.Shift(50.8, 4.4, 0, lat, lon);  // 50.799455, 4.401267
class Molodensky {
 public:
  // Raises RuntimeError when direction * Da overflows 16 bits.
  Molodensky(const DatumRecord& datum, const Ellipsoid& ellipsoid, std::int16_t direction);

  // Writes the new latitude and longitude in degrees; the height (metres)
  // enters the formulas, its change is not returned. Raises RuntimeError on
  // a floating-point fault, leaving the outputs as they were.
  void Shift(double latitude, double longitude, double height, double& newLatitude,
             double& newLongitude) const;

 private:
  double dx_, dy_, dz_;  // translation, metres, with the direction's sign
  double da_;            // difference of the semi-major axes, metres, with its sign
  double df_;            // difference of the flattenings, with its sign
  double a_;             // the datum ellipsoid's semi-major axis, metres
  double aOneMinusE2_;   // a (1 - e^2), the meridian radius's numerator
  // e^2 as 2f - f^2 and a/b as 1/(1 - f), the shift's own forms of them.
  double e2_;
  double aOverB_;
};

}  // namespace koord::General
