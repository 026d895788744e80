#include "geodesy/Ellipsoid.h"

#include "support/Checked.h"

namespace koord {

Ellipsoid::Ellipsoid(double a, double inverseFlattening, std::int16_t number)
    : number_(number),
      a_(a),
      inverseFlattening_(inverseFlattening),
      f_(1 / inverseFlattening),
      b_(RequireFinite((inverseFlattening - 1) * a / inverseFlattening)) {
  const double a2 = a * a;
  const double b2 = b_ * b_;
  // b = 0 or a = 0 would divide by zero here.
  e2_ = RequireFinite((a2 - b2) / a2);
  ep2_ = RequireFinite((a2 - b2) / b2);
  n_ = RequireFinite((a - b_) / (a + b_));
}

Ellipsoid::Ellipsoid(const EllipsoidRecord& record)
    : Ellipsoid(record.SemiMajorAxis, record.InverseFlattening, record.Number) {}

}  // namespace koord
