#include "geodesy/ConformalConic.h"

#include <cmath>
#include <numbers>

#include "support/Checked.h"

namespace koord {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

constexpr double Dms(double degrees, double minutes, double seconds) {
  return degrees + minutes / 60 + seconds / 3600;
}

double M(double phi, double e) {
  const double s = e * std::sin(phi);
  return std::cos(phi) / std::sqrt(1 - s * s);
}

}  // namespace

ConformalConic::ConformalConic(const Definition& d)
    : a_(d.a),
      e_(std::sqrt((2 - 1 / d.inverseFlattening) / d.inverseFlattening)),
      latitude_(e_),
      lambda0_(d.originLongitude * kDegree),
      falseEasting_(d.falseEasting),
      falseNorthing_(d.falseNorthing) {
  const double phi1 = d.parallel1 * kDegree;
  const double phi2 = d.parallel2 * kDegree;
  const double m1 = M(phi1, e_);
  const double m2 = M(phi2, e_);
  const double t1 = IsometricT(phi1);
  const double t2 = IsometricT(phi2);
  n_ = (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2));
  aF_ = a_ * m1 / (n_ * std::pow(t1, n_));
  rOrigin_ = aF_ * std::pow(IsometricT(d.originLatitude * kDegree), n_);
}

double ConformalConic::IsometricT(double phi) const {
  const double s = e_ * std::sin(phi);
  return std::tan(std::numbers::pi / 4 - phi / 2) / std::pow((1 - s) / (1 + s), e_ / 2);
}

void ConformalConic::Forward(double latitude, double longitude, double& X, double& Y) const {
  const double r = aF_ * std::pow(IsometricT(latitude * kDegree), n_);
  const double theta = n_ * (longitude * kDegree - lambda0_);
  const double x = RequireFinite(falseEasting_ + r * std::sin(theta));
  const double y = RequireFinite(falseNorthing_ + rOrigin_ - r * std::cos(theta));
  X = x;
  Y = y;
}

void ConformalConic::Inverse(double X, double Y, double& latitude, double& longitude) const {
  const double dx = X - falseEasting_;
  const double dy = rOrigin_ - (Y - falseNorthing_);
  const double r = std::copysign(std::hypot(dx, dy), n_);
  const double theta = n_ > 0 ? std::atan2(dx, dy) : std::atan2(-dx, -dy);
  const double t = RequireFinite(std::pow(r / aF_, 1 / n_));
  const double phi = latitude_.FromT(t);
  const double lat = RequireFinite(phi / kDegree);
  const double lon = RequireFinite((theta / n_ + lambda0_) / kDegree);
  latitude = lat;
  longitude = lon;
}

const ConformalConic& Lambert2008() {
  static const ConformalConic projection({6378137, 298.257222101, Dms(49, 50, 0), Dms(51, 10, 0),
                                          Dms(50, 47, 52.134), Dms(4, 21, 33.177), 649328, 665262});
  return projection;
}

const ConformalConic& Lambert72Official() {
  // EPSG:31370 gives its parallels and meridian to the 1e-7 degree of the
  // original definition (51°10'00.00204", 49°50'00.00204", 4°22'02.952").
  static const ConformalConic projection({6378388, 297, Dms(51, 10, 0.00204), Dms(49, 50, 0.00204),
                                          90, Dms(4, 22, 2.952), 150000.013, 5400088.438});
  return projection;
}

}  // namespace koord
