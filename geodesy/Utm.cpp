#include "geodesy/Utm.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::DMA {
namespace {

constexpr int kGreenwichZone = 31;  // the zone from 0 to 6 degrees east

// Latitude band letter numbers (A = 1) that the cell rules name.
constexpr int kBandV = 22;        // 56 to 64 degrees north, Norway exception
constexpr int kBandX = 24;        // last band, 72 to 84 degrees north
constexpr int kBandHeight = 8;    // degrees
constexpr int kBandXHeight = 12;  // degrees
constexpr int kLetterBase = 64;   // character code of the letter before A
// Bands south of the equator: the equator's band, N, is the eleventh.
constexpr int kSouthernBands = static_cast<int>(-kUtmSouthLatitude) / kBandHeight;
constexpr int kLastBand = static_cast<int>(kBandLetters.size()) - 1;

// Where the Norway and Svalbard cells begin, degrees east: zone 32 of band
// V from 3 degrees, zones 33, 35 and 37 of band X from 9, 21 and 33.
constexpr double kNorwayEdge = 3;
constexpr std::array<double, 3> kSvalbardEdges{9, 21, 33};
constexpr int kFirstSpecialZone = 31;
constexpr int kLastSpecialZone = 37;

// The letter number of each band, from the south.
constexpr std::array<std::int16_t, kBandLetters.size()> BandNumbers() {
  std::array<std::int16_t, kBandLetters.size()> numbers{};
  for (std::size_t i = 0; i < kBandLetters.size(); ++i) {
    numbers[i] = static_cast<std::int16_t>(kBandLetters[i] - kLetterBase);
  }
  return numbers;
}
constexpr std::array<std::int16_t, kBandLetters.size()> kBandNumbers = BandNumbers();

// Central meridian of a zone, radians.
double CentralMeridianRadians(std::int16_t zone) {
  return CentralMeridian(zone) * Degree();
}

// Position in kBandLetters of a band letter number.
int BandPosition(std::int16_t band) {
  const std::size_t position =
      band > 0 ? kBandLetters.find(static_cast<char>(band + kLetterBase)) : std::string_view::npos;
  if (position == std::string_view::npos) throw RuntimeError(Fault::IndexOutOfRange);
  return static_cast<int>(position);
}

}  // namespace

TransverseMercator UtmProjection(const koord::Ellipsoid& ellipsoid) {
  return TransverseMercator(ellipsoid, kUtmScaleFactor, kUtmFalseEasting);
}

std::int16_t LatitudeBand(double latitude) {
  // Dividing by a power of two is exact, so a latitude just south of a
  // parallel never rounds onto it.
  const int position = ToInt16(std::floor(latitude / kBandHeight)) + kSouthernBands;
  return kBandNumbers[static_cast<std::size_t>(std::clamp(position, 0, kLastBand))];
}

std::int16_t StandardZone(double longitude) {
  // The whole degree west of the point decides, so that a meridian is
  // never rounded across.
  const int degree = ToInt16(std::floor(longitude));
  const int zone = (degree + 180) / static_cast<int>(kUtmZoneWidth) + 1;
  return static_cast<std::int16_t>(std::clamp(zone, kUtmFirstZone, kUtmLastZone));
}

GridZone GridZoneOf(double latitude, double longitude) {
  const std::int16_t band = LatitudeBand(latitude);
  std::int16_t zone = StandardZone(longitude);
  if (band == kBandV && (zone == kGreenwichZone || zone == kGreenwichZone + 1)) {
    zone = static_cast<std::int16_t>(longitude < kNorwayEdge ? kGreenwichZone : kGreenwichZone + 1);
  } else if (band == kBandX && zone >= kFirstSpecialZone && zone <= kLastSpecialZone) {
    zone = kFirstSpecialZone;
    for (const double edge : kSvalbardEdges) {
      if (longitude >= edge) zone = static_cast<std::int16_t>(zone + 2);
    }
  }
  return {zone, band};
}

void GeoToTm(const TransverseMercator& tm, double latitude, double longitude, std::int16_t& zone,
             double& northing, double& easting, std::int16_t zoneGiven) {
  if (zoneGiven == 0) zone = StandardZone(longitude / Degree());
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

CellLimits BandLimits(std::int16_t band, std::int16_t zone) {
  const double degree = Degree();
  CellLimits cell{};
  cell.south = (BandPosition(band) * kBandHeight + kUtmSouthLatitude) * degree;
  cell.north = cell.south + (band == kBandX ? kBandXHeight : kBandHeight) * degree;

  const double centre = CentralMeridianRadians(zone);
  const double halfZone = kUtmZoneWidth / 2 * degree;
  cell.east = centre + halfZone;
  cell.west = centre - halfZone;

  // Norway (band V) and Svalbard (band X) cells.
  if (zone < kFirstSpecialZone || zone > kLastSpecialZone || band < kBandV) return cell;
  if (band == kBandV) {
    if (zone == kGreenwichZone) cell.east = kNorwayEdge * degree;
    if (zone == kGreenwichZone + 1) cell.west = kNorwayEdge * degree;
    return cell;
  }
  if (band < kBandX) return cell;
  switch (zone) {
    case 31: cell.east = kSvalbardEdges[0] * degree; break;
    case 33:
      cell.west = kSvalbardEdges[0] * degree;
      cell.east = kSvalbardEdges[1] * degree;
      break;
    case 35:
      cell.west = kSvalbardEdges[1] * degree;
      cell.east = kSvalbardEdges[2] * degree;
      break;
    case 37: cell.west = kSvalbardEdges[2] * degree; break;
    default:  // 32, 34 and 36 do not exist in band X
      break;
  }
  return cell;
}

}  // namespace koord::DMA
