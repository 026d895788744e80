#pragma once
// The geodetic latitude of a point of a conformal conic projection, from its
// isometric term t = tan(pi/4 - phi/2) * ((1 + e sin phi) / (1 - e sin phi))^(e/2).
// The series of the conformal latitude in e^2 to e^8 (Snyder, Map
// Projections: A Working Manual, eq. 3-5) starts within a micrometre of
// the latitude anywhere in Belgium; steps of the defining equation then
// settle it, one step for a Belgian point where five were needed from the
// conformal latitude alone. (Lambert 1972 as the program has always
// computed it keeps its own rounds: see Lambert.cpp.)
//
//   const ConformalLatitude latitude(e);
//   const double phi = latitude.FromT(t);   // radians

#include <array>
#include <numbers>

namespace koord {

class ConformalLatitude {
 public:
  // e: the ellipsoid's first eccentricity; halfPi: the quarter turn the
  // defining equation is written with.
  explicit ConformalLatitude(double e, double halfPi = std::numbers::pi / 2);

  // Radians. Raises RuntimeError(Fault::LambertNoConvergence) when the
  // steps do not settle (far beyond any use of the projection).
  double FromT(double t) const;

 private:
  double e_;
  double halfPi_;
  std::array<double, 4> series_;  // of sin 2chi, sin 4chi, sin 6chi, sin 8chi
};

}  // namespace koord
