// The whole chain Lambert 1972 -> WGS84 degrees as Koord does it (inverse
// Lambert, three-parameter Molodensky shift of BD72) against PROJ's default
// transformation EPSG:31370 -> EPSG:4326 (seven-parameter Helmert, 1 m).

#include <gtest/gtest.h>
#include <string>

#include "tests/accuracy/Chain.h"
#include "tests/accuracy/Figures.h"

namespace koord::accuracy {
namespace {

constexpr double kStep = 5000;  // grid spacing, m
constexpr int kColumns = 62;    // 0..310000 m in X
constexpr int kRows = 52;       // 0..260000 m in Y
constexpr double kGuard = 2.0;  // m

TEST(ChainAccuracy, Lambert72ToWgs84OverBelgium) {
  ChainComparison chain;
  Spread distances;
  std::string operation;
  for (int i = 0; i <= kColumns; ++i) {
    for (int j = 0; j <= kRows; ++j) {
      const double X = i * kStep;
      const double Y = j * kStep;
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
