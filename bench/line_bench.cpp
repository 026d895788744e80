// One input line of each kind to each output kind through the converter
// shared by the window and koord-cli: reading, the whole conversion
// pipeline and the output text. One point per iteration.

#include <benchmark/benchmark.h>
#include <string>
#include <string_view>
#include <vector>

#include "bench/Points.h"
#include "engine/Kind.h"
#include "engine/LineConverter.h"

namespace koord::bench {
namespace {

// The lines are made in BEL72; the default precisions (100 m, 1 x 1 km).
BatchChoices ChoicesFor(CoordKind from, CoordKind to) {
  BatchChoices choices;
  choices.coorFrom = from;
  choices.coorDest = to;
  choices.datumFrom = Datum::Bel72;
  choices.datumDest = to == CoordKind::Lambert ? Datum::Bel72 : Datum::Wgs84;
  return choices;
}

void ConvertLine(benchmark::State& state, CoordKind from, CoordKind to) {
  const std::vector<std::string> lines = InputLines(from, kPointPool);
  LineConverter converter(ChoicesFor(from, to), RunOutput::Text);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(converter.Convert(lines[i], Layout{}).text.data());
    i = (i + 1) % lines.size();
  }
  state.SetItemsProcessed(state.iterations());
}

const bool kRegistered = [] {
  for (const KindDescriptor& from : AllKinds()) {
    for (const KindDescriptor& to : AllKinds()) {
      const std::string name = "Line/" + std::string(from.cliName) + "->" + std::string(to.cliName);
      benchmark::RegisterBenchmark(name.c_str(), ConvertLine, from.kind, to.kind);
    }
  }
  return true;
}();

}  // namespace
}  // namespace koord::bench
