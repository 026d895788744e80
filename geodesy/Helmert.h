#pragma once
// Datum change by a seven-parameter Helmert transformation between
// geocentric frames, coordinate-frame rotation convention (EPSG method
// 1032), with its exact inverse: latitude and longitude in degrees on the
// source ellipsoid go to geocentric X, Y, Z, through the similarity, and
// back to latitude and longitude on the target ellipsoid. Full-precision pi.
//
//   double lat = 0, lon = 0;
//   Helmert::Shift(50.8, 4.4, 0, Helmert::kBd72ToEtrs89, Helmert::kHayford,
//                  Helmert::kGrs80, Helmert::Direction::Forward, lat, lon);

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

struct Ellipsoid {
  double a;                  // semi-major axis, m
  double inverseFlattening;  // 1/f
};
inline constexpr Ellipsoid kHayford{6378388, 297};
inline constexpr Ellipsoid kGrs80{6378137, 298.257222101};
inline constexpr Ellipsoid kWgs84{6378137, 298.257223563};

enum class Direction {
  Forward,  // from the frame of `from` to that of `to`, as the parameters say
  Inverse,  // the exact inverse: back from `to` to `from`
};

// Writes the point, given at `height` metres above `from`, in degrees on
// `to`; the height it takes there is not returned. Raises RuntimeError on a
// floating-point fault.
void Shift(double latitude, double longitude, double height, const Parameters& parameters,
           const Ellipsoid& from, const Ellipsoid& to, Direction direction, double& newLatitude,
           double& newLongitude);

}  // namespace koord::Helmert
