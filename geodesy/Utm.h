#pragma once
// Universal Transverse Mercator with the series of the U.S. Defense Mapping
// Agency (technical manual 8358.2): radii of curvature, meridian arc,
// forward and inverse projection, latitude bands and cell limits.
//
// Angles are radians; inside this module one degree is atan(1)/45 at full
// precision. Lengths are metres. a is the semi-major axis, f the flattening.
// A floating-point fault raises RuntimeError at once.

#include <cstdint>
#include <string_view>

namespace koord::DMA {

// One degree in radians, atan(1)/45.
double Degree();

double CurvatureDenominator(double e2, double phi);
double PrimeVerticalRadius(double a, double e2, double phi);
double MeridianRadius(double a, double e2, double phi);

// Coefficients A' .. E' of the meridian arc series.
struct ArcCoefficients {
  double A, B, C, D, E;
};
double MeridianArc(const ArcCoefficients& k, double phi);

// Forward projection. With zoneGiven 0 the zone is chosen from the
// longitude (1..60) and written back; otherwise `zone` is used as given.
// The northing carries a false northing of 10 000 000 m south of the equator.
void GeoToTm(double a, double f, double latitude, double longitude, std::int16_t& zone,
             double& northing, double& easting, std::int16_t zoneGiven);

// Inverse projection. A negative northing marks the southern hemisphere;
// it is replaced by its absolute value in the caller's variable.
void UtmToGeo(double a, double f, double& latitude, double& longitude, std::int16_t zone,
              double& northing, double easting);

// The twenty latitude bands, 8 degrees each from 80 degrees south (X, the
// last, 12 degrees): C to X without I and O.
inline constexpr std::string_view kBandLetters = "CDEFGHJKLMNPQRSTUVWX";

// Latitude band (letter number, C = 3 .. X = 24; 0 asks for it to be
// derived from the latitude and written back) and the limits, in radians,
// of the cell of that band and zone, Norway and Svalbard included.
void BandLimits(std::int16_t& band, double latitude, std::int16_t zone, double& south,
                double& north, double& east, double& west);

}  // namespace koord::DMA
