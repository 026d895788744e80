#include "geodesy/ConformalLatitude.h"

#include <cmath>
#include <cstddef>

#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// A step's change below which the latitude is settled, radians (about
// 6 µm); the error left is some two hundred times smaller, as each step
// shrinks it by about e^2 / 2.
constexpr double kTolerance = 1e-12;
// Far-off points may not settle at all.
constexpr int kMaxRounds = 50;

}  // namespace

ConformalLatitude::ConformalLatitude(double e, double halfPi) : e_(e), halfPi_(halfPi) {
  const double e2 = e * e;
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  const double e8 = e4 * e4;
  series_ = {e2 / 2 + 5 * e4 / 24 + e6 / 12 + 13 * e8 / 360,
             7 * e4 / 48 + 29 * e6 / 240 + 811 * e8 / 11520, 7 * e6 / 120 + 81 * e8 / 1120,
             4279 * e8 / 161280};
}

double ConformalLatitude::FromT(double t) const {
  // The conformal latitude, then the series by Clenshaw's sum over the
  // sines of its multiples.
  const double chi = halfPi_ - 2 * std::atan(t);
  const double twiceCos = 2 * std::cos(2 * chi);
  double b1 = 0;
  double b2 = 0;
  for (std::size_t k = series_.size(); k-- > 0;) {
    const double b0 = series_[k] + twiceCos * b1 - b2;
    b2 = b1;
    b1 = b0;
  }
  double phi = chi + b1 * std::sin(2 * chi);
  for (int round = 0; round < kMaxRounds; ++round) {
    const double s = e_ * std::sin(phi);
    const double next =
        RequireFinite(halfPi_ - 2 * std::atan(t * std::pow((1 - s) / (1 + s), e_ / 2)));
    const double change = next - phi;
    phi = next;
    if (std::fabs(change) <= kTolerance) return phi;
  }
  throw RuntimeError(Fault::LambertNoConvergence);
}

}  // namespace koord
