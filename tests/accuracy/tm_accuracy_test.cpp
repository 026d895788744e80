// GeoToTm / UtmToGeo (DMA series) against GeographicLib's exact transverse
// Mercator, world-wide within 3.5 degrees of the central meridian and in
// Belgium, on the three ellipsoids of the catalogue's datums.

#include <GeographicLib/TransverseMercatorExact.hpp>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "core/Catalogue.h"
#include "geodesy/Utm.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Ground.h"

namespace koord::accuracy {
namespace {

constexpr double kWorldTolerance = 1e-4;     // m, -80..84 and 3.5 degrees off
constexpr double kBelgiumTolerance = 0.001;  // m, zones 31 and 32 in Belgium

struct Tested {
  std::int16_t number;  // catalogue number
  const char* name;
};
constexpr Tested kEllipsoids[] = {{21, "WGS84"}, {15, "Hayford"}, {6, "Clarke 1880"}};

// UTM position of (latitude, longitude) in `zone`, by the exact projection.
struct Utm {
  double easting, northing;
};
Utm ExactUtm(const GeographicLib::TransverseMercatorExact& tm, int zone, double latitude,
             double longitude) {
  double x = 0, y = 0;
  tm.Forward(DMA::CentralMeridian(zone), latitude, longitude, x, y);
  return {x + DMA::kUtmFalseEasting, y + (latitude < 0 ? DMA::kUtmSouthFalseNorthing : 0)};
}

struct Differences {
  Spread forward;  // m on the grid
  Spread inverse;  // m on the ground
};

// Koord both ways at one point, with the zone given.
void Compare(const EllipsoidRecord& e, const GeographicLib::TransverseMercatorExact& tm,
             std::int16_t zone, double latitude, double longitude, Differences& out) {
  const DMA::TransverseMercator koord = DMA::UtmProjection(Ellipsoid(e));
  const double degree = DMA::Degree();
  const std::string where =
      std::string(e.Name) + " " + std::to_string(latitude) + " " + std::to_string(longitude);
  const Utm exact = ExactUtm(tm, zone, latitude, longitude);

  std::int16_t koordZone = zone;
  double northing = 0, easting = 0;
  DMA::GeoToTm(koord, latitude * degree, longitude * degree, koordZone, northing, easting, 1);
  out.forward.Add(std::hypot(easting - exact.easting, northing - exact.northing), where);

  // A negative northing tells the inverse that the point is south.
  double signedNorthing = latitude < 0 ? -exact.northing : exact.northing;
  double phi = 0, lambda = 0;
  DMA::UtmToGeo(koord, phi, lambda, zone, signedNorthing, exact.easting);
  out.inverse.Add(GroundDistance(phi / degree, lambda / degree, latitude, longitude), where);
}

const EllipsoidRecord& Catalogued(std::int16_t number) {
  return EllipsoidCatalogue()[static_cast<std::size_t>(number) - 1];
}

TEST(TransverseMercatorAccuracy, WorldWithinThreeAndAHalfDegrees) {
  constexpr std::int16_t kZone = 31;  // central meridian 3 E; any zone would do
  // The UTM latitudes, degrees, in one-degree steps.
  constexpr int kSouth = static_cast<int>(DMA::kUtmSouthLatitude);
  constexpr int kNorth = static_cast<int>(DMA::kUtmNorthLatitude);
  constexpr int kOffsets = 14;  // quarter degrees each side
  Differences differences;
  for (const Tested& ellipsoid : kEllipsoids) {
    const EllipsoidRecord& e = Catalogued(ellipsoid.number);
    const GeographicLib::TransverseMercatorExact tm(e.SemiMajorAxis, 1.0 / e.InverseFlattening,
                                                    DMA::kUtmScaleFactor);
    for (int latitude = kSouth; latitude <= kNorth; ++latitude) {
      for (int k = -kOffsets; k <= kOffsets; ++k) {
        Compare(e, tm, kZone, latitude, 3.0 + 0.25 * k, differences);
      }
    }
  }
  Report("GeoToTm, -80..84, <= 3.5 deg off, 3 ellipsoids", "GeographicLib TM exact",
         differences.forward, "m", kWorldTolerance);
  Report("UtmToGeo, same points", "GeographicLib TM exact", differences.inverse, "m",
         kWorldTolerance);
  EXPECT_LE(differences.forward.Max(), kWorldTolerance) << differences.forward.WorstAt();
  EXPECT_LE(differences.inverse.Max(), kWorldTolerance) << differences.inverse.WorstAt();
}

TEST(TransverseMercatorAccuracy, BelgiumUnderAMillimetre) {
  // Belgium's extent, with a margin, in tenths of a degree.
  constexpr int kSouth = 493, kNorth = 516, kWest = 25, kEast = 65;
  constexpr double kTenth = 0.1;
  constexpr int kGreenwichZone = 31;  // from 0 to 6 degrees east
  Differences differences;
  for (const Tested& ellipsoid : kEllipsoids) {
    const EllipsoidRecord& e = Catalogued(ellipsoid.number);
    const GeographicLib::TransverseMercatorExact tm(e.SemiMajorAxis, 1.0 / e.InverseFlattening,
                                                    DMA::kUtmScaleFactor);
    for (int i = kSouth; i <= kNorth; ++i) {
      for (int j = kWest; j <= kEast; ++j) {
        const auto zone = static_cast<std::int16_t>(
            kGreenwichZone + j / static_cast<int>(DMA::kUtmZoneWidth / kTenth));
        Compare(e, tm, zone, i * kTenth, j * kTenth, differences);
      }
    }
  }
  Report("GeoToTm, Belgium, zones 31/32", "GeographicLib TM exact", differences.forward, "m",
         kBelgiumTolerance);
  Report("UtmToGeo, Belgium, zones 31/32", "GeographicLib TM exact", differences.inverse, "m",
         kBelgiumTolerance);
  EXPECT_LE(differences.forward.Max(), kBelgiumTolerance) << differences.forward.WorstAt();
  EXPECT_LE(differences.inverse.Max(), kBelgiumTolerance) << differences.inverse.WorstAt();
}

}  // namespace
}  // namespace koord::accuracy
