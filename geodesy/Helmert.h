#pragma once
// Datum change by a seven-parameter Helmert transformation between
// geocentric frames, coordinate-frame rotation convention (EPSG method
// 1032), with its exact inverse: latitude and longitude in degrees on the
// source ellipsoid go to geocentric X, Y, Z, through the similarity, and
// back to latitude and longitude on the target ellipsoid. Full-precision pi.
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
  Inverse,  // the exact inverse: back from `to` to `from`
};

// The transformation of points between two ellipsoids, set up once: the
// rotation (or its inverse) worked out when it is built.
class Transformation {
 public:
  // `from` and `to` are the ellipsoids of the two frames as the parameters
  // name them; Direction::Inverse goes from `to` back to `from`.
  Transformation(const Parameters& parameters, const Ellipsoid& from, const Ellipsoid& to,
                 Direction direction);

  // Writes the point, given at `height` metres above the source ellipsoid,
  // in degrees on the target; the height it takes there is not returned.
  // Raises RuntimeError on a floating-point fault, leaving the outputs as
  // they were.
  void Shift(double latitude, double longitude, double height, double& newLatitude,
             double& newLongitude) const;

 private:
  struct Surface {
    double a;   // semi-major axis, m
    double e2;  // first eccentricity squared, as f (2 - f)
  };
  using Vector = std::array<double, 3>;
  using Matrix = std::array<Vector, 3>;

  bool forward_;
  Vector translation_;  // m
  Matrix rotation_;     // the similarity (forward) or its inverse
  Surface source_;
  Surface target_;
};

}  // namespace koord::Helmert
