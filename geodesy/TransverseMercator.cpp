#include "geodesy/TransverseMercator.h"

#include <cmath>

#include "support/Checked.h"

namespace koord::DMA {
namespace {

constexpr int kFootpointIterations = 5;  // fixed count, enough at UTM latitudes

// The meridian arc coefficients of the manual, from the third flattening n.
ArcCoefficients ArcOf(const koord::Ellipsoid& e) {
  const double a = e.a();
  const double n = e.n();
  const double n2 = n * n;
  const double n3 = n2 * n;
  const double n4 = n3 * n;
  const double n5 = n4 * n;
  const ArcCoefficients arc{a * (1.0 - n + 5.0 / 4.0 * (n2 - n3) + 81.0 / 64.0 * (n4 - n5)),
                            3.0 * a / 2.0 * (n - n2 + 7.0 / 8.0 * (n3 - n4) + 55.0 / 64.0 * n5),
                            15.0 * a / 16.0 * (n2 - n3 + 3.0 / 4.0 * (n4 - n5)),
                            35.0 * a / 48.0 * (n3 - n4 + 11.0 / 16.0 * n5),
                            315.0 * a / 512.0 * (n4 - n5)};
  for (const double value : {arc.A, arc.B, arc.C, arc.D, arc.E}) RequireFinite(value);
  return arc;
}

// Sine, cosine and the powers of t = tan(phi) and eta^2 = e'^2 cos^2(phi)
// that both series use.
struct LatitudePowers {
  double s, c, t, t2, t4, t6, h2, h4, h6, h8;
};

LatitudePowers PowersAt(double phi, double ep2) {
  LatitudePowers p{};
  p.s = std::sin(phi);
  p.c = std::cos(phi);
  p.t = p.s / p.c;
  p.t2 = p.t * p.t;
  p.t4 = p.t2 * p.t2;
  p.t6 = p.t4 * p.t2;
  p.h2 = ep2 * p.c * p.c;
  p.h4 = p.h2 * p.h2;
  p.h6 = p.h4 * p.h2;
  p.h8 = p.h4 * p.h4;
  return p;
}

}  // namespace

double CurvatureDenominator(double e2, double phi) {
  const double s = std::sin(phi);
  return std::sqrt(1.0 - e2 * s * s);
}

double PrimeVerticalRadius(double a, double e2, double phi) {
  return a / CurvatureDenominator(e2, phi);
}

double MeridianRadius(double a, double e2, double phi) {
  const double w = CurvatureDenominator(e2, phi);
  return a * (1.0 - e2) / (w * w * w);
}

double MeridianArc(const ArcCoefficients& k, double phi) {
  return MeridianArc(k, phi, std::sin(phi), std::cos(phi));
}

double MeridianArc(const ArcCoefficients& k, double phi, double sinPhi, double cosPhi) {
  const double sin2 = 2.0 * sinPhi * cosPhi;
  const double cos2 = (cosPhi - sinPhi) * (cosPhi + sinPhi);
  const double sin4 = 2.0 * sin2 * cos2;
  const double cos4 = (cos2 - sin2) * (cos2 + sin2);
  const double sin6 = sin4 * cos2 + cos4 * sin2;
  const double sin8 = 2.0 * sin4 * cos4;
  return k.A * phi - k.B * sin2 + k.C * sin4 - k.D * sin6 + k.E * sin8;
}

TransverseMercator::TransverseMercator(const koord::Ellipsoid& ellipsoid, double k0,
                                       double falseEasting)
    : ellipsoid_(ellipsoid), arc_(ArcOf(ellipsoid)), falseEasting_(falseEasting), k1_(k0) {
  k2_ = k1_ * k1_;
  k3_ = k2_ * k1_;
  k4_ = k2_ * k2_;
  k5_ = k4_ * k1_;
  k6_ = k4_ * k2_;
  k7_ = k6_ * k1_;
  k8_ = k4_ * k4_;
}

void TransverseMercator::Forward(double lambda0, double falseNorthing, double latitude,
                                 double longitude, double& northing, double& easting) const {
  const double a = ellipsoid_.a();
  const double dl = longitude - lambda0;
  const LatitudePowers p = PowersAt(latitude, ellipsoid_.ep2());
  const auto [s, c, t, t2, t4, t6, h2, h4, h6, h8] = p;
  const double c3 = c * c * c;
  const double c5 = c3 * c * c;
  const double c7 = c5 * c * c;
  // The sine and cosine of the latitude once, for the radius and the arc.
  const double nu = a / std::sqrt(1.0 - ellipsoid_.e2() * s * s);
  const double arc = MeridianArc(arc_, latitude, s, c);
  const double k0 = k1_;

  const double t1 = arc * k0;
  const double t2n = nu * s * c * k0 / 2.0;
  const double t3 = nu * s * c3 * k0 * (5.0 - t2 + 9.0 * h2 + 4.0 * h4) / 24.0;
  const double t4n =
      nu * s * c5 * k0 *
      (61.0 - 58.0 * t2 + t4 + 270.0 * h2 - 330.0 * t2 * h2 + 445.0 * h4 + 324.0 * h6 -
       680.0 * t2 * h4 + 88.0 * h8 - 600.0 * t2 * h6 - 192.0 * t2 * h8) /
      720.0;
  const double t5 = nu * s * c7 * k0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6) / 40320.0;
  const double t6e = nu * c * k0;
  const double t7 = nu * c3 * k0 * (1.0 - t2 + h2) / 6.0;
  const double t8 = nu * c5 * k0 *
                    (5.0 - 18.0 * t2 + t4 + 14.0 * h2 - 58.0 * t2 * h2 + 13.0 * h4 + 4.0 * h6 -
                     64.0 * t2 * h4 - 24.0 * t2 * h6) /
                    120.0;
  const double t9 = nu * c7 * k0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6) / 5040.0;

  const double dl2 = dl * dl;
  const double dl3 = dl2 * dl;
  const double dl4 = dl2 * dl2;
  const double dl5 = dl4 * dl;
  const double dl6 = dl4 * dl2;
  const double dl7 = dl6 * dl;
  const double dl8 = dl4 * dl4;
  const double north = falseNorthing + t1 + dl2 * t2n + dl4 * t3 + dl6 * t4n + dl8 * t5;
  const double east = falseEasting_ + dl * t6e + dl3 * t7 + dl5 * t8 + dl7 * t9;
  northing = RequireFinite(north);
  easting = RequireFinite(east);
}

void TransverseMercator::Reverse(double lambda0, double falseNorthing, double northing,
                                 double easting, double& latitude, double& longitude) const {
  const double a = ellipsoid_.a();
  const double e2 = ellipsoid_.e2();
  const double m = (northing - falseNorthing) / k1_;

  double phi = m / MeridianRadius(a, e2, 0.0);
  for (int i = 0; i < kFootpointIterations; ++i) {
    const double sinPhi = std::sin(phi);
    const double w = std::sqrt(1.0 - e2 * sinPhi * sinPhi);
    phi += (m - MeridianArc(arc_, phi, sinPhi, std::cos(phi))) / (a * (1.0 - e2) / (w * w * w));
  }

  const LatitudePowers p = PowersAt(phi, ellipsoid_.ep2());
  const auto [s, c, t, t2, t4, t6, h2, h4, h6, h8] = p;
  const double w = std::sqrt(1.0 - e2 * s * s);
  const double rho = RequireFinite(a * (1.0 - e2) / (w * w * w));
  const double nu = RequireFinite(a / w);
  const double nu3 = nu * nu * nu;
  const double nu5 = nu3 * nu * nu;
  const double nu7 = nu5 * nu * nu;

  const double t10 = t / (2.0 * rho * nu * k2_);
  const double t11 =
      t * (5.0 + 3.0 * t2 + h2 - 4.0 * h4 - 9.0 * t2 * h2) / (24.0 * rho * nu3 * k4_);
  const double t12 = t *
                     (61.0 + 90.0 * t2 + 46.0 * h2 + 45.0 * t4 - 252.0 * t2 * h2 - 3.0 * h4 +
                      100.0 * h6 - 66.0 * t2 * h4 - 90.0 * t4 * h2 + 88.0 * h8 + 225.0 * t4 * h4 +
                      84.0 * t2 * h6 - 192.0 * t2 * h8) /
                     (720.0 * rho * nu5 * k6_);
  const double t13 =
      t * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6) / (40320.0 * rho * nu7 * k8_);
  const double t14 = 1.0 / (nu * c * k1_);
  const double t15 = (1.0 + 2.0 * t2 + h2) / (6.0 * nu3 * c * k3_);
  const double t16 = (5.0 + 6.0 * h2 + 28.0 * t2 - 3.0 * h4 + 8.0 * t2 * h2 + 24.0 * t4 - 4.0 * h6 +
                      4.0 * t2 * h4 + 24.0 * t2 * h6) /
                     (120.0 * nu5 * c * k5_);
  const double t17 = (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6) / (5040.0 * nu7 * c * k7_);

  const double de = easting - falseEasting_;
  const double de2 = de * de;
  const double de3 = de2 * de;
  const double de4 = de2 * de2;
  const double de5 = de4 * de;
  const double de6 = de4 * de2;
  const double de7 = de6 * de;
  const double de8 = de4 * de4;
  const double lat = phi - de2 * t10 + de4 * t11 - de6 * t12 + de8 * t13;
  const double lon = lambda0 + de * t14 - de3 * t15 + de5 * t16 - de7 * t17;
  latitude = RequireFinite(lat);
  longitude = RequireFinite(lon);
}

}  // namespace koord::DMA
