#include "geodesy/General.h"

#include <cmath>

#include "support/Checked.h"

namespace koord::General {

Molodensky::Molodensky(const DatumRecord& datum, const Ellipsoid& ellipsoid, std::int16_t direction)
    : dx_(direction * datum.Dx),
      dy_(direction * datum.Dy),
      dz_(direction * datum.Dz),
      // Da is whole metres held in 16 bits; the product may overflow.
      da_(MulInt16(direction, datum.Da)),
      df_(direction * datum.Df),
      a_(ellipsoid.a()),
      e2_((ellipsoid.f() + ellipsoid.f()) - ellipsoid.f() * ellipsoid.f()),
      aOverB_(1.0 / (1.0 - ellipsoid.f())) {
  aOneMinusE2_ = a_ * (1.0 - e2_);
}

void Molodensky::Shift(double latitude, double longitude, double height, double& newLatitude,
                       double& newLongitude) const {
  const double phi = DegToRad(latitude);
  const double lambda = DegToRad(longitude);
  const double sinPhi = std::sin(phi);
  const double sinLambda = std::sin(lambda);
  const double cosPhi = std::cos(phi);
  const double cosLambda = std::cos(lambda);

  const double w2 = 1.0 - e2_ * sinPhi * sinPhi;
  const double w = std::sqrt(w2);
  const double rn = a_ / w;                   // prime vertical
  const double rm = aOneMinusE2_ / (w2 * w);  // meridian, w2 to the power 1.5

  double t = -dx_ * sinPhi * cosLambda - dy_ * sinPhi * sinLambda + dz_ * cosPhi;
  t = t + rn * e2_ * sinPhi * cosPhi * da_ / a_;
  t = t + (rn / aOverB_ + rm * aOverB_) * df_ * sinPhi * cosPhi;
  // A zero denominator turns into an infinity or a NaN here, not later.
  const double dPhi = RequireFinite(t / (rm + height));
  const double dLambda =
      RequireFinite((-dx_ * sinLambda + dy_ * cosLambda) / ((rn + height) * cosPhi));

  const double shiftedLatitude = RequireFinite(RadToDeg(phi + dPhi));
  const double shiftedLongitude = RequireFinite(RadToDeg(lambda + dLambda));
  newLatitude = shiftedLatitude;
  newLongitude = shiftedLongitude;
}

}  // namespace koord::General
