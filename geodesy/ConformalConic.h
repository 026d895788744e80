#pragma once
// The Lambert conformal conic projection with two standard parallels, as
// the EPSG guidance note 7-2 gives it (method 9802), on any ellipsoid and
// with full-precision pi: the projections of the official Belgian systems.
// Angles in degrees, X (easting) and Y (northing) in metres.
//
//   double X = 0, Y = 0;
//   Lambert2008().Forward(50.8, 4.4, X, Y);   // ETRS89 degrees to metres
//
// (geodesy/Lambert.h keeps the program's own Lambert 1972, with its
// historical constants, for the conversions it has always made.)

#include "geodesy/ConformalLatitude.h"
#include "geodesy/GridBounds.h"

namespace koord {

class ConformalConic {
 public:
  struct Definition {
    double a;                  // semi-major axis, m
    double inverseFlattening;  // 1/f
    double parallel1;          // standard parallels, degrees
    double parallel2;
    double originLatitude;  // latitude and longitude of the false origin, degrees
    double originLongitude;
    double falseEasting;  // m
    double falseNorthing;
  };

  explicit ConformalConic(const Definition& definition);

  // Raises RuntimeError on a floating-point fault (a latitude at or beyond
  // the pole opposite the cone's apex).
  void Forward(double latitude, double longitude, double& X, double& Y) const;
  // Raises RuntimeError on a floating-point fault or when the latitude does
  // not converge within a bounded number of rounds.
  void Inverse(double X, double Y, double& latitude, double& longitude) const;

 private:
  double IsometricT(double phi) const;

  double a_;
  double e_;
  ConformalLatitude latitude_;
  double n_;
  double aF_;       // a times F of the guidance note
  double rOrigin_;  // radius at the false origin
  double lambda0_;
  double falseEasting_;
  double falseNorthing_;
};

// Belgian Lambert 2008 (EPSG:3812): GRS80, standard parallels 49°50' and
// 51°10' N, false origin 50°47'52.134" N 4°21'33.177" E at 649 328 m E,
// 665 262 m N; datum ETRS89.
const ConformalConic& Lambert2008();

// The area that Lambert 2008 input must lie in: the Lambert 1972 bounds
// carried over, the false origin lying 500 km further east and north (to
// within 25 m at the corners, hence 100 m of margin).
inline constexpr GridBounds kLambert2008Bounds{499900, 810100, 499900, 760100};

// Belgian Lambert 72 as EPSG:31370 defines it (Hayford, BD72), which the
// official transformation to ETRS89 goes with.
const ConformalConic& Lambert72Official();

}  // namespace koord
