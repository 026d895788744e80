// The batch run on a text of 100 000 Lambert lines, with a sink that keeps
// the output in memory: the work behind one click of the window.

#include <benchmark/benchmark.h>
#include <string>

#include "bench/Points.h"
#include "engine/BatchRun.h"

namespace koord::bench {
namespace {

constexpr std::size_t kLines = 100000;

class MemorySink : public LineSink {
 public:
  bool Take(const LineResult& line) override {
    output.append(line.output);
    output += '\n';
    return true;
  }

  std::string output;
};

std::string InputText() {
  std::string text;
  for (const std::string& line : InputLines(CoordKind::Lambert, kLines)) {
    text += line;
    text += '\n';
  }
  return text;
}

void Converti100k(benchmark::State& state, CoordKind to) {
  const std::string text = InputText();
  MemorySink sink;
  BatchChoices choices;
  choices.coorDest = to;
  for (auto _ : state) {
    sink.output.clear();
    BatchRun run(choices, RunOutput::Text, sink);
    run.Feed(text);
    run.Finish();
    benchmark::DoNotOptimize(sink.output.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLines));
}
BENCHMARK_CAPTURE(Converti100k, lambert->mgrs, CoordKind::Mgrs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Converti100k, lambert->deg, CoordKind::Degrees)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace koord::bench
