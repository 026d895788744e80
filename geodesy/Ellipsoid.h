#pragma once
// Ellipsoids: the record of a catalogue entry, and the ellipsoid as a value
// that the geodetic routines are given.
//
//   const Ellipsoid hayford(6378388, 297, 15);
//   hayford.b();   // 6356911.946 m
//   hayford.e2();  // 0.006722670

#include <cstdint>
#include <string_view>

namespace koord {

struct EllipsoidRecord {
  std::int16_t Number;  // equal to the record's position in the catalogue
  std::string_view Name;
  double SemiMajorAxis;      // a, metres
  double InverseFlattening;  // 1/f
};

// An ellipsoid of revolution and the quantities derived from its semi-major
// axis and flattening, worked out once when it is built. Immutable.
class Ellipsoid {
 public:
  // a: semi-major axis in metres; inverseFlattening: 1/f; number: the
  // catalogue number, by which the MGRS routines choose their lettering (0
  // or any number outside the catalogue: none). Raises RuntimeError when a
  // derived quantity is not finite (a = 0, 1/f = 0 or 1).
  Ellipsoid(double a, double inverseFlattening, std::int16_t number = 0);
  // The ellipsoid of a catalogue record, with its number.
  explicit Ellipsoid(const EllipsoidRecord& record);

  std::int16_t Number() const { return number_; }
  double a() const { return a_; }                                  // semi-major axis, m
  double InverseFlattening() const { return inverseFlattening_; }  // 1/f
  double f() const { return f_; }                                  // flattening
  // Semi-minor axis, m, as (1/f - 1) a / (1/f).
  double b() const { return b_; }
  double e2() const { return e2_; }    // first eccentricity squared, (a^2 - b^2) / a^2
  double ep2() const { return ep2_; }  // second eccentricity squared, (a^2 - b^2) / b^2
  double n() const { return n_; }      // third flattening, (a - b) / (a + b)

 private:
  std::int16_t number_;
  double a_;
  double inverseFlattening_;
  double f_;
  double b_;
  double e2_;
  double ep2_;
  double n_;
};

}  // namespace koord
