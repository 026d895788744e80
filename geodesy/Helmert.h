#pragma once
// Datum change by a seven-parameter Helmert transformation between
// geocentric frames, coordinate-frame rotation convention (EPSG method
// 1032), with its exact inverse: latitude and longitude in degrees on the
// source ellipsoid go to geocentric X, Y, Z, through the similarity, and
// back to latitude and longitude on the target ellipsoid. Full-precision pi.
//
// Points given without their height lie on the ellipsoid of the frame the
// parameters start from (`from`, BD72's Hayford ellipsoid): the forward
// direction takes them at height 0 there, and the inverse brings a point
// back to height 0 there, whatever height it takes on the other ellipsoid.
// Each direction then undoes the other in latitude and longitude (to a
// micrometre), which taking height 0 on both sides would not (they would
// part by up to half a millimetre over Belgium, enough to move a metre
// rounded on a half).
//
//   const Helmert::Transformation toEtrs89(Helmert::kBd72ToEtrs89, hayford, grs80,
//                                          Helmert::Direction::Forward);
//   double lat = 0, lon = 0;
//   toEtrs89.Shift(50.8, 4.4, 0, lat, lon);

#include <array>

#include "geodesy/Ellipsoid.h"

namespace koord::Helmert {

struct Parameters {
  double tx, ty, tz;  // translations, m
  double rx, ry, rz;  // rotations, arc-seconds, coordinate-frame convention
  double scalePpm;    // scale difference, parts per million
};

// "BD72 to ETRS89 (2)", EPSG:15928, stated accuracy 0.2 m over Belgium; the
// same parameters make "BD72 to WGS 84 (3)", EPSG:15929.
inline constexpr Parameters kBd72ToEtrs89{-106.8686, 52.2978, -103.7239, -0.3366,
                                          0.457,     -1.8422, -1.2747};

enum class Direction {
  Forward,  // from the frame of `from` to that of `to`, as the parameters say
  Inverse,  // back from `to` to `from`, undoing Forward
};

// The transformation of points between two ellipsoids, set up once: the
// rotation (or its inverse) worked out when it is built.
class Transformation {
 public:
  // `from` and `to` are the ellipsoids of the two frames as the parameters
  // name them; Direction::Inverse goes from `to` back to `from`.
  Transformation(const Parameters& parameters, const Ellipsoid& from, const Ellipsoid& to,
                 Direction direction);

  // Forward: writes the point given at `height` metres above the ellipsoid
  // of `from`, in degrees on that of `to`. Inverse: writes the point at
  // `height` metres above the ellipsoid of `from` that Forward takes to the
  // latitude and longitude given. Heights that the point takes on `to` are
  // not returned. Raises RuntimeError on a floating-point fault, leaving
  // the outputs as they were.
  void Shift(double latitude, double longitude, double height, double& newLatitude,
             double& newLongitude) const;

 private:
  struct Surface {
    double a;   // semi-major axis, m
    double e2;  // first eccentricity squared, as f (2 - f)
  };
  using Vector = std::array<double, 3>;
  using Matrix = std::array<Vector, 3>;

  // The similarity in space, radians and metres; the new height only when
  // asked for.
  void Transform(double phi, double lambda, double height, double& newPhi, double& newLambda,
                 double* newHeight) const;

  bool forward_;
  Vector translation_;  // m
  Matrix rotation_;     // the similarity (forward) or its inverse
  Surface source_;
  Surface target_;
};

}  // namespace koord::Helmert
