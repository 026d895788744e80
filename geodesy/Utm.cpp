#include "geodesy/Utm.h"

#include <algorithm>
#include <cmath>

#include "geodesy/Ellipsoid.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::DMA {
namespace {

constexpr double kK0 = 0.9996;                      // central scale factor
constexpr double kFalseEasting = 500000.0;          // metres
constexpr double kSouthFalseNorthing = 10000000.0;  // metres, south of the equator
constexpr int kZoneWidth = 6;                       // degrees of longitude
constexpr int kGreenwichZone = 31;                  // the zone from 0 to 6 degrees east
constexpr int kFirstZone = 1;
constexpr int kLastZone = 60;
constexpr int kFootpointIterations = 5;  // fixed count, enough at UTM latitudes

// Latitude band letter numbers (A = 1) that the cell rules name.
constexpr int kBandM = 13;        // last band of the southern hemisphere
constexpr int kBandN = 14;        // first band of the northern hemisphere
constexpr int kBandV = 22;        // 56 to 64 degrees north, Norway exception
constexpr int kBandX = 24;        // last band, 72 to 84 degrees north
constexpr int kBandHeight = 8;    // degrees
constexpr int kBandXHeight = 12;  // degrees
constexpr int kSouthEdge = 80;    // degrees south where band C begins
constexpr int kLetterBase = 64;   // character code of the letter before A

// Quantities of the ellipsoid that both projections need.
struct Shape {
  double e2;   // first eccentricity squared
  double ep2;  // second eccentricity squared
  ArcCoefficients arc;
};

// The shape of the last ellipsoid asked for on this thread: every point of
// a run uses the same one.
struct ShapeCache {
  bool filled = false;
  double a = 0;
  double f = 0;
  double b = 0;
  Shape shape{};
};

// Derives the shape from a and f, and stores the semi-minor axis into the
// ellipsoid in use as the rest of the program expects.
Shape ComputeShape(double a, double f) {
  const double inverse = 1.0 / f;
  const double b = RequireFinite((inverse - 1.0) * a / inverse);
  CurrentEllipsoid().b = b;
  const double a2 = a * a;
  const double b2 = b * b;
  const double n = (a - b) / (a + b);
  const double n2 = n * n;
  const double n3 = n2 * n;
  const double n4 = n3 * n;
  const double n5 = n4 * n;
  const Shape shape{
      (a2 - b2) / a2,
      (a2 - b2) / b2,
      {a * (1.0 - n + 5.0 / 4.0 * (n2 - n3) + 81.0 / 64.0 * (n4 - n5)),
       3.0 * a / 2.0 * (n - n2 + 7.0 / 8.0 * (n3 - n4) + 55.0 / 64.0 * n5),
       15.0 * a / 16.0 * (n2 - n3 + 3.0 / 4.0 * (n4 - n5)),
       35.0 * a / 48.0 * (n3 - n4 + 11.0 / 16.0 * n5), 315.0 * a / 512.0 * (n4 - n5)}};
  // b = 0 or a = 0 would divide by zero above.
  for (const double value :
       {shape.e2, shape.ep2, shape.arc.A, shape.arc.B, shape.arc.C, shape.arc.D, shape.arc.E}) {
    RequireFinite(value);
  }
  return shape;
}

// ComputeShape, worked out again only when a or f change; a shape that
// raised a fault is never kept.
const Shape& DeriveShape(double a, double f) {
  thread_local ShapeCache cache;
  if (cache.filled && cache.a == a && cache.f == f) {
    CurrentEllipsoid().b = cache.b;
    return cache.shape;
  }
  cache.filled = false;
  cache.shape = ComputeShape(a, f);
  cache.a = a;
  cache.f = f;
  cache.b = CurrentEllipsoid().b;
  cache.filled = true;
  return cache.shape;
}

double CentralMeridian(std::int16_t zone) {
  return (6.0 * zone - 183.0) * Degree();
}

// Zone of a longitude; checked conversion so that NaN or a huge value
// raises instead of overflowing.
std::int16_t ZoneOf(double longitude) {
  const int zone = ToInt16(std::floor(longitude / Degree() / kZoneWidth)) + kGreenwichZone;
  return static_cast<std::int16_t>(std::clamp(zone, kFirstZone, kLastZone));
}

// Letter number of the band at a position in kBandLetters.
std::int16_t BandNumber(int position) {
  if (position < 0 || position >= static_cast<int>(kBandLetters.size())) {
    throw RuntimeError(Fault::IndexOutOfRange);
  }
  return static_cast<std::int16_t>(kBandLetters[static_cast<std::size_t>(position)] - kLetterBase);
}

// Position in kBandLetters of a band letter number.
int BandPosition(std::int16_t band) {
  const std::size_t position =
      band > 0 ? kBandLetters.find(static_cast<char>(band + kLetterBase)) : std::string_view::npos;
  if (position == std::string_view::npos) throw RuntimeError(Fault::IndexOutOfRange);
  return static_cast<int>(position);
}

// Bands count from 80 degrees south, truncated toward zero; above 80
// degrees north the last band, X, goes on to the pole.
std::int16_t BandOf(double latitude) {
  const double degree = Degree();
  const int position =
      ToInt16(std::trunc((kSouthEdge * degree + latitude) / (kBandHeight * degree)));
  std::int16_t band = BandNumber(std::min(position, static_cast<int>(kBandLetters.size()) - 1));
  // The equator belongs to the northern hemisphere.
  if (band == kBandM && latitude == 0.0) band = kBandN;
  return band;
}

}  // namespace

double Degree() {
  static const double degree = std::atan(1.0) / 45.0;
  return degree;
}

namespace {

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
  return k.A * phi - k.B * std::sin(2.0 * phi) + k.C * std::sin(4.0 * phi) -
         k.D * std::sin(6.0 * phi) + k.E * std::sin(8.0 * phi);
}

void GeoToTm(double a, double f, double latitude, double longitude, std::int16_t& zone,
             double& northing, double& easting, std::int16_t zoneGiven) {
  const Shape& shape = DeriveShape(a, f);
  if (zoneGiven == 0) zone = ZoneOf(longitude);
  const double dl = longitude - CentralMeridian(zone);

  const LatitudePowers p = PowersAt(latitude, shape.ep2);
  const auto [s, c, t, t2, t4, t6, h2, h4, h6, h8] = p;
  const double c3 = c * c * c;
  const double c5 = c3 * c * c;
  const double c7 = c5 * c * c;
  const double nu = PrimeVerticalRadius(a, shape.e2, latitude);
  const double arc = MeridianArc(shape.arc, latitude);

  const double t1 = arc * kK0;
  const double t2n = nu * s * c * kK0 / 2.0;
  const double t3 = nu * s * c3 * kK0 * (5.0 - t2 + 9.0 * h2 + 4.0 * h4) / 24.0;
  const double t4n =
      nu * s * c5 * kK0 *
      (61.0 - 58.0 * t2 + t4 + 270.0 * h2 - 330.0 * t2 * h2 + 445.0 * h4 + 324.0 * h6 -
       680.0 * t2 * h4 + 88.0 * h8 - 600.0 * t2 * h6 - 192.0 * t2 * h8) /
      720.0;
  const double t5 = nu * s * c7 * kK0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6) / 40320.0;
  const double t6e = nu * c * kK0;
  const double t7 = nu * c3 * kK0 * (1.0 - t2 + h2) / 6.0;
  const double t8 = nu * c5 * kK0 *
                    (5.0 - 18.0 * t2 + t4 + 14.0 * h2 - 58.0 * t2 * h2 + 13.0 * h4 + 4.0 * h6 -
                     64.0 * t2 * h4 - 24.0 * t2 * h6) /
                    120.0;
  const double t9 = nu * c7 * kK0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6) / 5040.0;

  const double dl2 = dl * dl;
  const double dl3 = dl2 * dl;
  const double dl4 = dl2 * dl2;
  const double dl5 = dl4 * dl;
  const double dl6 = dl4 * dl2;
  const double dl7 = dl6 * dl;
  const double dl8 = dl4 * dl4;
  const double falseNorthing = latitude < 0.0 ? kSouthFalseNorthing : 0.0;
  const double north = falseNorthing + t1 + dl2 * t2n + dl4 * t3 + dl6 * t4n + dl8 * t5;
  const double east = kFalseEasting + dl * t6e + dl3 * t7 + dl5 * t8 + dl7 * t9;
  northing = RequireFinite(north);
  easting = RequireFinite(east);
}

void UtmToGeo(double a, double f, double& latitude, double& longitude, std::int16_t zone,
              double& northing, double easting) {
  const Shape& shape = DeriveShape(a, f);
  double falseNorthing = 0.0;
  if (northing < 0.0) {
    northing = -northing;
    falseNorthing = kSouthFalseNorthing;
  }
  const double m = (northing - falseNorthing) / kK0;

  double phi = m / MeridianRadius(a, shape.e2, 0.0);
  for (int i = 0; i < kFootpointIterations; ++i) {
    phi += (m - MeridianArc(shape.arc, phi)) / MeridianRadius(a, shape.e2, phi);
  }

  const double rho = RequireFinite(MeridianRadius(a, shape.e2, phi));
  const double nu = RequireFinite(PrimeVerticalRadius(a, shape.e2, phi));
  const LatitudePowers p = PowersAt(phi, shape.ep2);
  const auto [s, c, t, t2, t4, t6, h2, h4, h6, h8] = p;
  const double nu3 = nu * nu * nu;
  const double nu5 = nu3 * nu * nu;
  const double nu7 = nu5 * nu * nu;
  const double k2 = kK0 * kK0;
  const double k3 = k2 * kK0;
  const double k4 = k2 * k2;
  const double k5 = k4 * kK0;
  const double k6 = k4 * k2;
  const double k7 = k6 * kK0;
  const double k8 = k4 * k4;

  const double t10 = t / (2.0 * rho * nu * k2);
  const double t11 = t * (5.0 + 3.0 * t2 + h2 - 4.0 * h4 - 9.0 * t2 * h2) / (24.0 * rho * nu3 * k4);
  const double t12 = t *
                     (61.0 + 90.0 * t2 + 46.0 * h2 + 45.0 * t4 - 252.0 * t2 * h2 - 3.0 * h4 +
                      100.0 * h6 - 66.0 * t2 * h4 - 90.0 * t4 * h2 + 88.0 * h8 + 225.0 * t4 * h4 +
                      84.0 * t2 * h6 - 192.0 * t2 * h8) /
                     (720.0 * rho * nu5 * k6);
  const double t13 =
      t * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6) / (40320.0 * rho * nu7 * k8);
  const double t14 = 1.0 / (nu * c * kK0);
  const double t15 = (1.0 + 2.0 * t2 + h2) / (6.0 * nu3 * c * k3);
  const double t16 = (5.0 + 6.0 * h2 + 28.0 * t2 - 3.0 * h4 + 8.0 * t2 * h2 + 24.0 * t4 - 4.0 * h6 +
                      4.0 * t2 * h4 + 24.0 * t2 * h6) /
                     (120.0 * nu5 * c * k5);
  const double t17 = (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6) / (5040.0 * nu7 * c * k7);

  const double de = easting - kFalseEasting;
  const double de2 = de * de;
  const double de3 = de2 * de;
  const double de4 = de2 * de2;
  const double de5 = de4 * de;
  const double de6 = de4 * de2;
  const double de7 = de6 * de;
  const double de8 = de4 * de4;
  const double lat = phi - de2 * t10 + de4 * t11 - de6 * t12 + de8 * t13;
  const double lon = CentralMeridian(zone) + de * t14 - de3 * t15 + de5 * t16 - de7 * t17;
  latitude = RequireFinite(lat);
  longitude = RequireFinite(lon);
}

void BandLimits(std::int16_t& band, double latitude, std::int16_t zone, double& south,
                double& north, double& east, double& west) {
  if (band == 0) band = BandOf(latitude);
  const double degree = Degree();

  south = (BandPosition(band) * kBandHeight - kSouthEdge) * degree;
  north = south + (band == kBandX ? kBandXHeight : kBandHeight) * degree;

  const double centre = CentralMeridian(zone);
  const double halfZone = kZoneWidth / 2 * degree;
  east = centre + halfZone;
  west = centre - halfZone;

  // Norway (band V) and Svalbard (band X) cells.
  if (zone < 31 || zone > 37 || band < kBandV) return;
  if (band == kBandV) {
    if (zone == 31) east = 3.0 * degree;
    if (zone == 32) west = 3.0 * degree;
    return;
  }
  if (band < kBandX) return;
  switch (zone) {
    case 31: east = 9.0 * degree; break;
    case 33:
      west = 9.0 * degree;
      east = 21.0 * degree;
      break;
    case 35:
      west = 21.0 * degree;
      east = 33.0 * degree;
      break;
    case 37: west = 33.0 * degree; break;
    default:  // 32, 34 and 36 do not exist in band X
      break;
  }
}

}  // namespace koord::DMA
