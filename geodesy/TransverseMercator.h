#pragma once
// The transverse Mercator projection by the series of the U.S. Defense
// Mapping Agency (technical manual 8358.2, the universal grids): radii of
// curvature, meridian arc, and the forward and inverse series, with the
// coefficients of one ellipsoid worked out once.
//
//   const DMA::TransverseMercator tm(Ellipsoid(6378137, 298.257223563, 21),
//                                    DMA::kUtmScaleFactor, DMA::kUtmFalseEasting);
//   const double degree = DMA::Degree();
//   double northing = 0, easting = 0;
//   tm.Forward(3 * degree, 0, 50.85 * degree, 4.35 * degree, northing, easting);
//   // 5634012.833 m, 595032.295 m
//
// Angles are radians, lengths metres. A floating-point fault raises
// RuntimeError at once and leaves the outputs as they were. Within 3.5
// degrees of the central meridian the series stay within 0.1 mm of the
// exact projection (tests/accuracy).

#include "geodesy/Ellipsoid.h"

namespace koord::DMA {

// sqrt(1 - e2 sin^2(phi)).
double CurvatureDenominator(double e2, double phi);
// Radius of curvature in the prime vertical, nu.
double PrimeVerticalRadius(double a, double e2, double phi);
// Radius of curvature in the meridian, rho.
double MeridianRadius(double a, double e2, double phi);

// Coefficients A' .. E' of the meridian arc series.
struct ArcCoefficients {
  double A, B, C, D, E;
};
// Meridian arc from the equator to phi, the sines of 2, 4, 6 and 8 phi
// worked out from those of phi by the double-angle formulas (within a
// nanometre of the sines themselves).
double MeridianArc(const ArcCoefficients& k, double phi);
// The same for a phi whose sine and cosine are known.
double MeridianArc(const ArcCoefficients& k, double phi, double sinPhi, double cosPhi);

class TransverseMercator {
 public:
  // k0: scale on the central meridian; falseEasting: easting of the central
  // meridian, metres.
  TransverseMercator(const koord::Ellipsoid& ellipsoid, double k0, double falseEasting);

  const koord::Ellipsoid& Ellipsoid() const { return ellipsoid_; }

  // Northing and easting of a point, for the central meridian lambda0 and
  // with `falseNorthing` added to the northing. No limit on the distance
  // from the central meridian: the same series serve any longitude.
  void Forward(double lambda0, double falseNorthing, double latitude, double longitude,
               double& northing, double& easting) const;
  // The inverse: the footpoint latitude by five rounds of the arc series
  // (no convergence test), then the series.
  void Reverse(double lambda0, double falseNorthing, double northing, double easting,
               double& latitude, double& longitude) const;

 private:
  koord::Ellipsoid ellipsoid_;
  ArcCoefficients arc_;
  double falseEasting_;
  // k0 and its powers k0^2 .. k0^8, which the series use.
  double k1_, k2_, k3_, k4_, k5_, k6_, k7_, k8_;
};

}  // namespace koord::DMA
