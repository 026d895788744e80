// One input line of each kind to each output kind through the converter
// shared by the window and koord-cli: reading, the whole conversion
// pipeline and the output text. One point per iteration.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bench/Points.h"
#include "engine/BatchConverter.h"
#include "engine/LineConverter.h"

namespace koord::bench {
namespace {

constexpr std::array<std::string_view, kKinds> kKindNames{"lambert", "mgrs",
                                                          "ifbl", "deg"};
// Datum positions: BEL72, the datum the lines are made in; WGS84.
constexpr int kBel72 = 0;
constexpr int kWgs84 = 1;
// Default precisions: 100 m for MGRS, 1 x 1 km for IFBL.
constexpr int kMgrsDefault = 2;
constexpr int kIfblDefault = 0;

BatchChoices ChoicesFor(int from, int to) {
  BatchChoices choices;
  choices.coorFrom = from;
  choices.coorDest = to;
  choices.datumFrom = kBel72;
  choices.datumDest = to == kLambert ? kBel72 : kWgs84;
  choices.precision = to == kIfbl ? kIfblDefault : kMgrsDefault;
  choices.lineEnd = "\n";
  return choices;
}

void ConvertLine(benchmark::State& state, int from, int to) {
  const std::vector<std::string> lines = InputLines(from, kPointPool);
  LineConverter converter(ChoicesFor(from, to), false);
  converter.SelectPrecision();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(converter.Convert(lines[i]).text.data());
    i = (i + 1) % lines.size();
  }
  state.SetItemsProcessed(state.iterations());
}

const bool kRegistered = [] {
  for (int from = 0; from < kKinds; ++from) {
    for (int to = 0; to < kKinds; ++to) {
      const std::string name = "Line/" + std::string(kKindNames[from]) +
                               "->" + std::string(kKindNames[to]);
      benchmark::RegisterBenchmark(name.c_str(), ConvertLine, from, to);
    }
  }
  return true;
}();

}  // namespace
}  // namespace koord::bench
