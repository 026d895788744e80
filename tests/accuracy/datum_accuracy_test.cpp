// The conversion object's datum changes against PROJ: degrees from each of
// the four datums to each other, and MGRS on European 1950 both ways, over
// Europe. PROJ runs pipelines of its molodensky operation with the
// catalogue's parameters (input datum to WGS84, the height set back to 0 as
// Koord does, WGS84 to the output datum) and its utm operation on the
// datum's ellipsoid.

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <gtest/gtest.h>
#include <proj.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/TransCoo.h"
#include "geodesy/Utm.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Proj.h"

namespace koord::accuracy {
namespace {

// Europe, where the datums are used, every two degrees.
constexpr int kSouth = 35, kNorth = 71;  // degrees
constexpr int kWest = -9, kEast = 29;    // degrees
constexpr int kStep = 2;                 // degrees
constexpr double kDegreeTolerance = 1e-8;
constexpr double kGridTolerance = 0.001;  // m

const DatumRecord& Datum(std::string_view code) {
  for (const DatumRecord& datum : DatumCatalogue()) {
    if (TrimmedCode(datum) == code) return datum;
  }
  throw std::runtime_error("no datum " + std::string(code));
}

std::string Molodensky(std::string_view code) {
  const DatumRecord& datum = Datum(code);
  return MolodenskyDefinition(datum,
                              EllipsoidCatalogue()[static_cast<std::size_t>(datum.Ellipsoid) - 1]);
}

// PROJ's shift from one catalogue datum to another, as a pipeline of steps.
std::string ShiftSteps(std::string_view from, std::string_view dest) {
  std::string steps;
  if (from != "WGS84") steps += " +step " + Molodensky(from) + " +step +proj=set +v_3=0";
  if (dest != "WGS84") steps += " +step +inv " + Molodensky(dest);
  return steps;
}

std::string UtmOn(std::string_view code, int zone) {
  const EllipsoidRecord& e =
      EllipsoidCatalogue()[static_cast<std::size_t>(Datum(code).Ellipsoid) - 1];
  char text[128];
  std::snprintf(text, sizeof text, "+proj=utm +zone=%d +a=%.17g +rf=%.17g", zone, e.SemiMajorAxis,
                e.InverseFlattening);
  return text;
}

TransCoo Object(std::string_view from, std::string_view dest) {
  TransCoo object;
  object.SetDatumFrom(from);
  object.SetDatumDest(dest);
  return object;
}

std::string Where(std::string_view from, std::string_view dest, int latitude, int longitude) {
  return std::string(from) + " -> " + std::string(dest) + " " + std::to_string(latitude) + " " +
         std::to_string(longitude);
}

TEST(DatumAccuracy, DegreesBetweenEveryPairOfDatums) {
  const std::vector<std::string_view> codes{"BEL72", "WGS84", "EUR-M", "NTF"};
  Spread degrees;
  for (std::string_view from : codes) {
    for (std::string_view dest : codes) {
      if (from == dest) continue;
      const ProjOperation proj("+proj=pipeline" + ShiftSteps(from, dest));
      TransCoo object = Object(from, dest);
      for (int latitude = kSouth; latitude <= kNorth; latitude += kStep) {
        for (int longitude = kWest; longitude <= kEast; longitude += kStep) {
          object.Reset();
          object.SetOrigType("deg");
          object.SetLatitude(latitude);
          object.SetLongitude(longitude);
          object.Conversion();
          ASSERT_EQ(object.Error(), "");
          const PJ_COORD expected = proj.Forward(proj_torad(longitude), proj_torad(latitude));
          degrees.Add(std::max(std::fabs(object.Latitude() - proj_todeg(expected.lp.phi)),
                               std::fabs(object.Longitude() - proj_todeg(expected.lp.lam))),
                      Where(from, dest, latitude, longitude));
        }
      }
    }
  }
  Report("Degrees, 4 datums x 3 others (TransCoo)", "PROJ molodensky pipelines", degrees, "deg",
         kDegreeTolerance);
  EXPECT_LE(degrees.Max(), kDegreeTolerance) << degrees.WorstAt();
}

TEST(DatumAccuracy, MgrsOnEuropean1950) {
  Spread grid;     // m, WGS84 degrees to UTM on European 1950
  Spread degrees;  // deg, UTM on European 1950 back to WGS84 degrees
  TransCoo out = Object("WGS84", "EUR-M");
  TransCoo back = Object("EUR-M", "WGS84");
  for (int latitude = kSouth; latitude <= kNorth; latitude += kStep) {
    for (int longitude = kWest; longitude <= kEast; longitude += kStep) {
      out.Reset();
      out.SetOrigType("deg");
      out.SetLatitude(latitude);
      out.SetLongitude(longitude);
      out.Conversion();
      ASSERT_EQ(out.Error(), "");
      ASSERT_EQ(out.MgrsResult(), DMA::MgrsStatus::Made);
      const int zone = std::stoi(out.MGRS().substr(0, 2));
      const bool south = latitude < 0;
      const ProjOperation toGrid("+proj=pipeline" + ShiftSteps("WGS84", "EUR-M") + " +step " +
                                 UtmOn("EUR-M", zone) + (south ? " +south" : ""));
      const PJ_COORD expected = toGrid.Forward(proj_torad(longitude), proj_torad(latitude));
      const std::string where = Where("WGS84", "EUR-M", latitude, longitude) + " " + out.MGRS();
      grid.Add(
          std::hypot(out.Easting() - expected.xy.x,
                     out.Northing() - expected.xy.y - (south ? DMA::kUtmSouthFalseNorthing : 0)),
          where);

      // The reference read back on European 1950 and given on WGS84.
      back.Reset();
      back.SetOrigType("mgr");
      back.SetMGRS(out.MGRS());
      back.Conversion();
      ASSERT_EQ(back.Error(), "") << out.MGRS();
      const ProjOperation fromGrid("+proj=pipeline +step +inv " + UtmOn("EUR-M", zone) +
                                   ShiftSteps("EUR-M", "WGS84"));
      // The reference holds the UTM position rounded to the metre.
      const PJ_COORD decoded =
          fromGrid.Forward(std::round(out.Easting()), std::round(out.Northing()));
      degrees.Add(std::max(std::fabs(back.Latitude() - proj_todeg(decoded.lp.phi)),
                           std::fabs(back.Longitude() - proj_todeg(decoded.lp.lam))),
                  where);
    }
  }
  Report("WGS84 degrees -> UTM on European 1950", "PROJ molodensky + utm (intl)", grid, "m",
         kGridTolerance);
  Report("MGRS on European 1950 -> WGS84 degrees", "PROJ inverse utm + molodensky", degrees, "deg",
         kDegreeTolerance);
  EXPECT_LE(grid.Max(), kGridTolerance) << grid.WorstAt();
  EXPECT_LE(degrees.Max(), kDegreeTolerance) << degrees.WorstAt();
}

}  // namespace
}  // namespace koord::accuracy
