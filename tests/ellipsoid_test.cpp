// The ellipsoid as a value: what it derives from a and 1/f, and the
// ellipsoids that derive nothing finite.
//
// Reference values: WGS 84 from NIMA TR8350.2 (table 3.1 and 7.1), GRS 80
// from Moritz, "Geodetic Reference System 1980", the International 1924
// (Hayford) and Clarke 1880 (IGN) semi-minor axes as IGN and EPSG list them.

#include "geodesy/Ellipsoid.h"

#include <gtest/gtest.h>
#include <limits>

#include "support/RuntimeError.h"

namespace koord {
namespace {

constexpr double kAxisTolerance = 1e-4;    // m, the sources give 0.1 mm
constexpr double kRatioTolerance = 1e-14;  // the sources give 14 decimals

TEST(Ellipsoid, DerivedQuantitiesOfKnownEllipsoids) {
  struct Case {
    const char* name;
    double a, inverseFlattening;
    double b, e2, ep2;
  } const cases[] = {
      {"WGS 84", 6378137, 298.257223563, 6356752.3142, 0.00669437999014, 0.00673949674228},
      {"GRS 80", 6378137, 298.257222101, 6356752.3141, 0.00669438002290, 0.00673949677548},
      {"Hayford", 6378388, 297, 6356911.9461, 0.00672267002233, 0.00676817019722},
      {"Clarke 1880 (IGN)", 6378249.145, 293.465, 6356514.8696, 0.00680351128285, 0.00685011612520},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Ellipsoid e(c.a, c.inverseFlattening);
    EXPECT_EQ(e.a(), c.a);
    EXPECT_EQ(e.InverseFlattening(), c.inverseFlattening);
    EXPECT_DOUBLE_EQ(e.f(), 1 / c.inverseFlattening);
    EXPECT_NEAR(e.b(), c.b, kAxisTolerance);
    EXPECT_NEAR(e.e2(), c.e2, kRatioTolerance);
    EXPECT_NEAR(e.ep2(), c.ep2, kRatioTolerance);
  }
  // TR8350.2 gives n for WGS 84 too.
  EXPECT_NEAR(Ellipsoid(6378137, 298.257223563).n(), 0.00167922038638, kRatioTolerance);
}

TEST(Ellipsoid, KeepsItsCatalogueNumber) {
  EXPECT_EQ(Ellipsoid(6378388, 297).Number(), 0);
  EXPECT_EQ(Ellipsoid(6378388, 297, 15).Number(), 15);
  const EllipsoidRecord record{21, "WGS 1984", 6378137, 298.257223563};
  const Ellipsoid e(record);
  EXPECT_EQ(e.Number(), 21);
  EXPECT_EQ(e.a(), 6378137);
  EXPECT_EQ(e.InverseFlattening(), 298.257223563);
}

TEST(Ellipsoid, NoEllipsoidWithoutFiniteShapeIsBuilt) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    double a, inverseFlattening;
  } const cases[] = {
      {"zero axis", 0, 297},           {"1/f of 0", 6378388, 0},
      {"1/f of 1: b = 0", 6378388, 1}, {"a sphere, 1/f infinite", 6378388, inf},
      {"NaN axis", nan, 297},          {"infinite axis", inf, 297},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(Ellipsoid(c.a, c.inverseFlattening), RuntimeError);
  }
}

}  // namespace
}  // namespace koord
