#include "geodesy/General.h"

#include <cmath>

#include "support/Checked.h"

namespace koord::General {
namespace {

// Quantities of an ellipsoid's flattening that the shift needs.
struct Flattening {
  double f;
  double e2;      // first eccentricity squared
  double aOverB;  // a / b
};

// Worked out again only when the ellipsoid changes: a run shifts every
// point between the same two.
const Flattening& FlatteningOf(double inverseFlattening) {
  thread_local bool filled = false;
  thread_local double key = 0;
  thread_local Flattening cached{};
  if (!(filled && key == inverseFlattening)) {
    const double f = 1.0 / inverseFlattening;
    cached = {f, (f + f) - f * f, 1.0 / (1.0 - f)};
    key = inverseFlattening;
    filled = true;
  }
  return cached;
}

}  // namespace

void MolodenskyShift(double latitude, double longitude, double height, double& newLatitude,
                     double& newLongitude, const DatumRecord& datum,
                     const EllipsoidRecord& ellipsoid, std::int16_t direction) {
  const double phi = DegToRad(latitude);
  const double lambda = DegToRad(longitude);
  const double sinPhi = std::sin(phi);
  const double sinLambda = std::sin(lambda);
  const double cosPhi = std::cos(phi);
  const double cosLambda = std::cos(lambda);

  const double dx = direction * datum.Dx;
  const double dy = direction * datum.Dy;
  const double dz = direction * datum.Dz;
  // Da is whole metres held in 16 bits; the product may overflow.
  const double da = MulInt16(direction, datum.Da);
  const double df = direction * datum.Df;

  const double a = ellipsoid.SemiMajorAxis;
  const Flattening& flattening = FlatteningOf(ellipsoid.InverseFlattening);
  const double e2 = flattening.e2;
  const double aOverB = flattening.aOverB;
  const double w2 = 1.0 - e2 * sinPhi * sinPhi;
  const double rn = a / std::sqrt(w2);                   // prime vertical
  const double rm = a * (1.0 - e2) / std::pow(w2, 1.5);  // meridian

  double t = -dx * sinPhi * cosLambda - dy * sinPhi * sinLambda + dz * cosPhi;
  t = t + rn * e2 * sinPhi * cosPhi * da / a;
  t = t + (rn / aOverB + rm * aOverB) * df * sinPhi * cosPhi;
  // A zero denominator turns into an infinity or a NaN here, not later.
  const double dPhi = RequireFinite(t / (rm + height));
  const double dLambda =
      RequireFinite((-dx * sinLambda + dy * cosLambda) / ((rn + height) * cosPhi));

  const double shiftedLatitude = RequireFinite(RadToDeg(phi + dPhi));
  const double shiftedLongitude = RequireFinite(RadToDeg(lambda + dLambda));
  newLatitude = shiftedLatitude;
  newLongitude = shiftedLongitude;
}

}  // namespace koord::General
