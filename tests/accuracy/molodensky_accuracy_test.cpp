// MolodenskyShift for every catalogue datum against PROJ's standard
// Molodensky operation with the same five parameters, both directions.

#include <gtest/gtest.h>
#include <string>

#include "core/Catalogue.h"
#include "geodesy/General.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Ground.h"
#include "tests/accuracy/Proj.h"

namespace koord::accuracy {
namespace {

// Europe, where the three datums are used, at one-degree spacing.
constexpr int kSouth = 35, kNorth = 72;  // degrees
constexpr int kWest = -10, kEast = 30;   // degrees
constexpr double kTolerance = 0.001;     // m

struct Differences {
  Spread sameRadians;  // PROJ fed the radians of Koord's own DegToRad
  Spread trueDegrees;  // PROJ fed degrees turned into radians with full pi
};

// Koord's shift of (latitude, longitude) in `direction` against PROJ's.
void Compare(const ProjOperation& proj, const DatumRecord& datum, const EllipsoidRecord& ellipsoid,
             int direction, double latitude, double longitude, Differences& out) {
  double koordLatitude = 0, koordLongitude = 0;
  const General::Molodensky koordShift(datum, Ellipsoid(ellipsoid),
                                       static_cast<std::int16_t>(direction));
  koordShift.Shift(latitude, longitude, 0, koordLatitude, koordLongitude);
  const auto shift = [&](double lam, double phi) {
    return direction > 0 ? proj.Forward(lam, phi) : proj.Inverse(lam, phi);
  };
  const std::string where = std::string(TrimmedCode(datum)) + (direction > 0 ? " +1 " : " -1 ") +
                            std::to_string(latitude) + " " + std::to_string(longitude);

  const PJ_COORD same = shift(General::DegToRad(longitude), General::DegToRad(latitude));
  out.sameRadians.Add(GroundDistance(koordLatitude, koordLongitude, General::RadToDeg(same.lp.phi),
                                     General::RadToDeg(same.lp.lam)),
                      where);
  const PJ_COORD exact = shift(proj_torad(longitude), proj_torad(latitude));
  out.trueDegrees.Add(GroundDistance(koordLatitude, koordLongitude, proj_todeg(exact.lp.phi),
                                     proj_todeg(exact.lp.lam)),
                      where);
}

TEST(MolodenskyAccuracy, EveryDatumBothDirections) {
  const auto ellipsoids = EllipsoidCatalogue();
  Differences differences;
  for (const DatumRecord& datum : DatumCatalogue()) {
    const EllipsoidRecord& ellipsoid = ellipsoids[static_cast<std::size_t>(datum.Ellipsoid) - 1];
    const ProjOperation proj(MolodenskyDefinition(datum, ellipsoid));
    for (int direction : {+1, -1}) {
      for (int latitude = kSouth; latitude <= kNorth; ++latitude) {
        for (int longitude = kWest; longitude <= kEast; ++longitude) {
          Compare(proj, datum, ellipsoid, direction, latitude + 0.5, longitude + 0.5, differences);
        }
      }
    }
  }
  Report("MolodenskyShift, 4 datums x 2 directions", "PROJ molodensky (same radians)",
         differences.sameRadians, "m", kTolerance);
  Report("MolodenskyShift, same points", "PROJ molodensky (true degrees)", differences.trueDegrees,
         "m", kTolerance);
  EXPECT_LE(differences.sameRadians.Max(), kTolerance) << differences.sameRadians.WorstAt();
  EXPECT_LE(differences.trueDegrees.Max(), kTolerance) << differences.trueDegrees.WorstAt();
}

}  // namespace
}  // namespace koord::accuracy
