#pragma once
// Universal Transverse Mercator: the grid's constants, the zone of a point,
// the projection in a zone, latitude bands and cell limits.
//
//   const DMA::TransverseMercator tm = DMA::UtmProjection(ellipsoid);
//   std::int16_t zone = 0;
//   double northing = 0, easting = 0;
//   DMA::GeoToTm(tm, latitude, longitude, zone, northing, easting, 0);
//
// Angles are radians; inside this module one degree is atan(1)/45 at full
// precision. Lengths are metres. A floating-point fault raises
// RuntimeError at once.

#include <cstdint>
#include <numbers>
#include <string_view>

#include "geodesy/Ellipsoid.h"
#include "geodesy/TransverseMercator.h"

namespace koord::DMA {

// The constants of the UTM grid, as the DMA manual 8358.2 defines them.
inline constexpr double kUtmScaleFactor = 0.9996;           // scale on the central meridian, k0
inline constexpr double kUtmFalseEasting = 500000;          // m, easting of the central meridian
inline constexpr double kUtmSouthFalseNorthing = 10000000;  // m, added south of the equator
inline constexpr double kUtmZoneWidth = 6;  // degrees of longitude; zone 1 begins at 180 W
inline constexpr int kUtmFirstZone = 1;
inline constexpr int kUtmLastZone = 60;
inline constexpr double kUtmSouthLatitude = -80;  // degrees, where the grid begins (band C)
inline constexpr double kUtmNorthLatitude = 84;   // degrees, where it ends (band X)
// The largest easting of the UTM numbers that Koord reads and writes, m:
// twice the false easting, as far east of the central meridian as 0 is west.
inline constexpr double kUtmMaxEasting = 2 * kUtmFalseEasting;
// How far from a zone's central meridian a point given or asked for in
// that zone may lie, degrees: the zone and its neighbour. Koord's own
// bound: the series stay within 0.3 mm of the exact projection there at
// Belgian latitudes.
inline constexpr double kUtmZoneReach = 9;

// Longitude of the central meridian of a zone, degrees (3 for zone 31).
constexpr double CentralMeridian(int zone) {
  return kUtmZoneWidth * zone - (180 + kUtmZoneWidth / 2);
}

// One degree in radians, atan(1)/45: pi/180 rounded once, since atan(1)
// is pi/4 rounded and the division by 4 is exact.
constexpr double Degree() {
  return std::numbers::pi / 180;
}

// The projection of the UTM grid on an ellipsoid: the DMA series with the
// scale and false easting above.
TransverseMercator UtmProjection(const koord::Ellipsoid& ellipsoid);

// Forward projection. With zoneGiven 0 the zone is chosen from the
// longitude (1..60) and written back; otherwise `zone` is used as given.
// The northing carries a false northing of 10 000 000 m south of the equator.
void GeoToTm(const TransverseMercator& tm, double latitude, double longitude, std::int16_t& zone,
             double& northing, double& easting, std::int16_t zoneGiven);

// Inverse projection. A negative northing marks the southern hemisphere;
// it is replaced by its absolute value in the caller's variable.
void UtmToGeo(const TransverseMercator& tm, double& latitude, double& longitude, std::int16_t zone,
              double& northing, double easting);

// The twenty latitude bands, 8 degrees each from 80 degrees south (X, the
// last, 12 degrees): C to X without I and O.
inline constexpr std::string_view kBandLetters = "CDEFGHJKLMNPQRSTUVWX";

// The latitude band of a latitude in degrees, as its letter number (A = 1:
// C = 3 .. X = 24). A parallel between two bands belongs to the northern
// one (the equator to N, 48 degrees north to U); below 80 degrees south
// the band is C, above 72 degrees north X (the caller keeps to the UTM
// latitudes). Raises RuntimeError on a NaN.
std::int16_t LatitudeBand(double latitude);

// The zone of a longitude in degrees, 1 to 60, without the Norway and
// Svalbard cells. A zone meridian belongs to the zone east of it (6
// degrees east to zone 32); longitudes beyond 180 degrees either way keep
// to zone 60 or 1. Raises RuntimeError on a NaN or a huge longitude.
std::int16_t StandardZone(double longitude);

// The grid zone of a point: its UTM zone, the Norway (band V) and Svalbard
// (band X) cells included, and its latitude band (a letter number).
struct GridZone {
  std::int16_t zone;
  std::int16_t band;
};

// The grid zone of a point given in degrees, decided on those degrees as
// they are: a point on a zone meridian or on a band parallel belongs to the
// eastern zone and the northern band, as on 3, 9, 21 and 33 degrees east
// where the Norway and Svalbard cells begin.
GridZone GridZoneOf(double latitude, double longitude);

// The limits of a grid zone (latitude band within the zone's longitude span,
// Norway and Svalbard included), radians.
struct CellLimits {
  double south, north, west, east;
};

// The cell of a band (letter number, C = 3 .. X = 24) in a zone, Norway and
// Svalbard included. Raises RuntimeError for a letter that is no band.
CellLimits BandLimits(std::int16_t band, std::int16_t zone);

}  // namespace koord::DMA
