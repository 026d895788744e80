// The whole chain Lambert 1972 -> WGS84 degrees as Koord does it (inverse
// Lambert, three-parameter Molodensky shift of BD72) against PROJ's default
// transformation EPSG:31370 -> EPSG:4326 (seven-parameter Helmert, 1 m).

#include <gtest/gtest.h>
#include <string>

#include "geodesy/Lambert.h"
#include "tests/accuracy/Chain.h"
#include "tests/accuracy/Figures.h"

namespace koord::accuracy {
namespace {

constexpr double kStep = 5000;  // grid spacing, m, over the accepted range (Lambert::kBounds)
constexpr double kGuard = 2.0;  // m

TEST(ChainAccuracy, Lambert72ToWgs84OverBelgium) {
  ChainComparison chain;
  Spread distances;
  std::string operation;
  for (double X = Lambert::kBounds.minX; X <= Lambert::kBounds.maxX; X += kStep) {
    for (double Y = Lambert::kBounds.minY; Y <= Lambert::kBounds.maxY; Y += kStep) {
      const ChainPoint p = chain.At(X, Y);
      if (!p.inAreaOfUse) continue;
      operation = chain.OperationName();
      distances.Add(p.distance, "X=" + std::to_string(static_cast<long>(X)) +
                                    " Y=" + std::to_string(static_cast<long>(Y)));
    }
  }
  ASSERT_GT(distances.Count(), 0u);
  std::printf("PROJ operation used: %s\n", operation.c_str());
  Report("Lambert 1972 -> WGS84 (TransCoo), Belgium", "PROJ EPSG:31370 -> EPSG:4326", distances,
         "m", kGuard);
  EXPECT_LE(distances.Max(), kGuard) << distances.WorstAt();
}

}  // namespace
}  // namespace koord::accuracy
