#include "geodesy/Utm.h"

#include <algorithm>
#include <cmath>

#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::DMA {
namespace {

constexpr int kGreenwichZone = 31;  // the zone from 0 to 6 degrees east

// Latitude band letter numbers (A = 1) that the cell rules name.
constexpr int kBandM = 13;        // last band of the southern hemisphere
constexpr int kBandN = 14;        // first band of the northern hemisphere
constexpr int kBandV = 22;        // 56 to 64 degrees north, Norway exception
constexpr int kBandX = 24;        // last band, 72 to 84 degrees north
constexpr int kBandHeight = 8;    // degrees
constexpr int kBandXHeight = 12;  // degrees
constexpr int kLetterBase = 64;   // character code of the letter before A

// Central meridian of a zone, radians.
double CentralMeridianRadians(std::int16_t zone) {
  return CentralMeridian(zone) * Degree();
}

// Zone of a longitude; checked conversion so that NaN or a huge value
// raises instead of overflowing.
std::int16_t ZoneOf(double longitude) {
  const int zone = ToInt16(std::floor(longitude / Degree() / kUtmZoneWidth)) + kGreenwichZone;
  return static_cast<std::int16_t>(std::clamp(zone, kUtmFirstZone, kUtmLastZone));
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
      ToInt16(std::trunc((-kUtmSouthLatitude * degree + latitude) / (kBandHeight * degree)));
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

TransverseMercator UtmProjection(const koord::Ellipsoid& ellipsoid) {
  return TransverseMercator(ellipsoid, kUtmScaleFactor, kUtmFalseEasting);
}

void GeoToTm(const TransverseMercator& tm, double latitude, double longitude, std::int16_t& zone,
             double& northing, double& easting, std::int16_t zoneGiven) {
  if (zoneGiven == 0) zone = ZoneOf(longitude);
  const double falseNorthing = latitude < 0.0 ? kUtmSouthFalseNorthing : 0.0;
  tm.Forward(CentralMeridianRadians(zone), falseNorthing, latitude, longitude, northing, easting);
}

void UtmToGeo(const TransverseMercator& tm, double& latitude, double& longitude, std::int16_t zone,
              double& northing, double easting) {
  double falseNorthing = 0.0;
  if (northing < 0.0) {
    northing = -northing;
    falseNorthing = kUtmSouthFalseNorthing;
  }
  tm.Reverse(CentralMeridianRadians(zone), falseNorthing, northing, easting, latitude, longitude);
}

void BandLimits(std::int16_t& band, double latitude, std::int16_t zone, double& south,
                double& north, double& east, double& west) {
  if (band == 0) band = BandOf(latitude);
  const double degree = Degree();

  south = (BandPosition(band) * kBandHeight + kUtmSouthLatitude) * degree;
  north = south + (band == kBandX ? kBandXHeight : kBandHeight) * degree;

  const double centre = CentralMeridianRadians(zone);
  const double halfZone = kUtmZoneWidth / 2 * degree;
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
