#include "geodesy/Helmert.h"

#include <array>
#include <cmath>
#include <numbers>

#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::Helmert {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kArcSecond = kDegree / 3600;
constexpr double kPpm = 1e-6;
// Latitude convergence from geocentric coordinates, radians (about 0.6 µm).
constexpr double kTolerance = 1e-13;
// Points near the ellipsoid converge in three or four rounds.
constexpr int kMaxRounds = 20;

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector ToGeocentric(double phi, double lambda, double h, double a, double e2) {
  const double s = std::sin(phi);
  const double n = a / std::sqrt(1 - e2 * s * s);
  return {(n + h) * std::cos(phi) * std::cos(lambda), (n + h) * std::cos(phi) * std::sin(lambda),
          (n * (1 - e2) + h) * s};
}

// Latitude and longitude (radians) of a geocentric point, by fixed-point
// iteration of tan(phi) = (z + e2 N sin(phi)) / p, and, when asked, its
// height above the ellipsoid (metres).
void FromGeocentric(const Vector& v, double a, double e2, double& phi, double& lambda,
                    double* height) {
  const double p = std::hypot(v[0], v[1]);
  lambda = std::atan2(v[1], v[0]);
  phi = std::atan2(v[2], p * (1 - e2));
  for (int round = 0;; ++round) {
    if (round == kMaxRounds) throw RuntimeError(Fault::GeocentricNoConvergence);
    const double s = std::sin(phi);
    const double n = a / std::sqrt(1 - e2 * s * s);
    const double next = RequireFinite(std::atan2(v[2] + e2 * n * s, p));
    const bool done = std::fabs(next - phi) <= kTolerance;
    phi = next;
    if (done) break;
  }
  if (height == nullptr) return;
  // Along the normal, which holds at every latitude, the poles included.
  const double s = std::sin(phi);
  *height = p * std::cos(phi) + v[2] * s - a * std::sqrt(1 - e2 * s * s);
}

// The rotation of the coordinate-frame convention, scale included.
Matrix Similarity(const Parameters& p) {
  const double rx = p.rx * kArcSecond;
  const double ry = p.ry * kArcSecond;
  const double rz = p.rz * kArcSecond;
  const double m = 1 + p.scalePpm * kPpm;
  return {{{m, m * rz, -m * ry}, {-m * rz, m, m * rx}, {m * ry, -m * rx, m}}};
}

Vector Apply(const Matrix& r, const Vector& v) {
  Vector out{};
  for (std::size_t i = 0; i < 3; ++i) out[i] = r[i][0] * v[0] + r[i][1] * v[1] + r[i][2] * v[2];
  return out;
}

// The inverse of a 3 x 3 matrix, by its adjugate.
Matrix Inverse(const Matrix& m) {
  Matrix inv{};
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) {
      const std::size_t j1 = (j + 1) % 3, j2 = (j + 2) % 3, i1 = (i + 1) % 3, i2 = (i + 2) % 3;
      inv[i][j] = m[j1][i1] * m[j2][i2] - m[j1][i2] * m[j2][i1];
    }
  }
  const double det = m[0][0] * inv[0][0] + m[0][1] * inv[1][0] + m[0][2] * inv[2][0];
  for (Vector& row : inv) {
    for (double& x : row) x /= det;
  }
  return inv;
}

double SquaredEccentricity(const Ellipsoid& e) {
  const double f = e.f();
  return f * (2 - f);
}

}  // namespace

Transformation::Transformation(const Parameters& parameters, const Ellipsoid& from,
                               const Ellipsoid& to, Direction direction)
    : forward_(direction == Direction::Forward),
      translation_{parameters.tx, parameters.ty, parameters.tz},
      rotation_(forward_ ? Similarity(parameters) : Inverse(Similarity(parameters))),
      source_{forward_ ? from.a() : to.a(), SquaredEccentricity(forward_ ? from : to)},
      target_{forward_ ? to.a() : from.a(), SquaredEccentricity(forward_ ? to : from)} {}

void Transformation::Shift(double latitude, double longitude, double height, double& newLatitude,
                           double& newLongitude) const {
  double phi = 0;
  double lambda = 0;
  if (forward_) {
    Transform(latitude * kDegree, longitude * kDegree, height, phi, lambda, nullptr);
  } else {
    // The point of the given latitude and longitude whose image lies at
    // `height` above the ellipsoid of `from`: one correction of the height
    // above `to` suffices, the two ellipsoids' normals parting by some
    // 1e-5 rad.
    double newHeight = 0;
    Transform(latitude * kDegree, longitude * kDegree, height, phi, lambda, &newHeight);
    Transform(latitude * kDegree, longitude * kDegree, 2 * height - newHeight, phi, lambda,
              nullptr);
  }
  const double lat = RequireFinite(phi / kDegree);
  const double lon = RequireFinite(lambda / kDegree);
  newLatitude = lat;
  newLongitude = lon;
}

void Transformation::Transform(double phi, double lambda, double height, double& newPhi,
                               double& newLambda, double* newHeight) const {
  Vector v = ToGeocentric(phi, lambda, height, source_.a, source_.e2);
  if (forward_) {
    v = Apply(rotation_, v);
    for (std::size_t i = 0; i < 3; ++i) v[i] += translation_[i];
  } else {
    for (std::size_t i = 0; i < 3; ++i) v[i] -= translation_[i];
    v = Apply(rotation_, v);
  }
  FromGeocentric(v, target_.a, target_.e2, newPhi, newLambda, newHeight);
}

}  // namespace koord::Helmert
