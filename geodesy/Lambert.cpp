#include "geodesy/Lambert.h"

#include <cmath>

#include "geodesy/General.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::Lambert {
namespace {

constexpr double kA = 6378388.0;                  // Hayford semi-major axis, m
constexpr double kInverseFlattening = 297.0;      // Hayford 1/f
constexpr double kN = 0.7716421928;               // cone constant
constexpr double kAF = 11565915.812935;           // radius factor, m
constexpr double kLambda0 = 0.076042943;          // central meridian, rad
constexpr double kThetaCorrection = 0.000142043;  // cone angle shift, rad
constexpr double kX0 = 150000.01256;              // false easting, m
constexpr double kY0 = 5400088.4378;              // northing of the apex, m
constexpr double kQuarterPi = 0.785398163375;     // pi/4 with the program's pi
constexpr double kHalfPi = 1.57079632675;         // pi/2 with the program's pi
constexpr double kTolerance = 2.77777e-08;        // latitude convergence, rad
// Belgian points converge in about four rounds; far-off ones may not at all.
constexpr int kMaxRounds = 50;

// First eccentricity of the Hayford ellipsoid, from a and b.
double ComputeEccentricity() {
  const double b = (1.0 - 1.0 / kInverseFlattening) * kA;
  return std::sqrt((std::pow(kA, 2) - std::pow(b, 2)) / std::pow(kA, 2));
}

// The eccentricity is worked out once, by the same expression.
double Eccentricity() {
  static const double e = ComputeEccentricity();
  return e;
}

// Latitude (rad) from the isometric term t, by fixed-point iteration.
// Its rounds and their loose end are those the program's results have
// always come from: a faster start (ConformalLatitude) settles the same
// equation exactly, which moves one seventh decimal of a degree in 150 by
// a unit, away from the published projection's results.
double LatitudeFromT(double t, double e) {
  const double halfE = e / 2.0;
  double phi = 2.0 * std::atan(t);
  for (int round = 0; round < kMaxRounds; ++round) {
    const double s = e * std::sin(phi);
    const double next =
        RequireFinite(kHalfPi - 2.0 * std::atan(t * std::pow((1.0 - s) / (1.0 + s), halfE)));
    const double d = next - phi;
    phi = next;
    if (std::fabs(d) <= kTolerance) return phi;
  }
  throw RuntimeError(Fault::LambertNoConvergence);
}

}  // namespace

void GeoToLambert(double latitude, double longitude, double& X, double& Y) {
  const double phi = General::DegToRad(latitude);
  const double lambda = General::DegToRad(longitude);
  const double e = Eccentricity();
  const double s = e * std::sin(phi);
  // Beyond the pole the tangent turns negative and its power is a NaN.
  const double t = std::tan(kQuarterPi - phi / 2.0) * std::pow((1.0 + s) / (1.0 - s), e / 2.0);
  const double r = std::pow(t, kN) * kAF;
  const double theta = (lambda - kLambda0) * kN;
  const double x = RequireFinite(r * std::sin(theta - kThetaCorrection) + kX0);
  const double y = RequireFinite(kY0 - r * std::cos(theta - kThetaCorrection));
  X = x;
  Y = y;
}

void LambertToGeo(double X, double Y, double& latitude, double& longitude) {
  const double e = Eccentricity();
  // At the apex northing this divides by zero: a fault, not a direction.
  const double theta = std::atan(RequireFinite((X - kX0) / (kY0 - Y)));
  const double lambda = (theta + kThetaCorrection) * (1.0 / kN) + kLambda0;
  const double r = std::sqrt(std::pow(kY0 - Y, 2) + std::pow(X - kX0, 2));
  const double t = RequireFinite(std::pow(r / kAF, 1.0 / kN));
  const double phi = LatitudeFromT(t, e);
  const double lat = RequireFinite(General::RadToDeg(phi));
  const double lon = RequireFinite(General::RadToDeg(lambda));
  latitude = lat;
  longitude = lon;
}

}  // namespace koord::Lambert
