// The batch converter on a text of 100 000 Lambert lines, with a host that
// keeps the output in memory: the work behind one click of the window.

#include <benchmark/benchmark.h>
#include <string>

#include "bench/Points.h"
#include "engine/BatchConverter.h"

namespace koord::bench {
namespace {

constexpr std::size_t kLines = 100000;

class MemoryHost : public BatchHost {
 public:
  explicit MemoryHost(std::string input) : input_(std::move(input)) {}
  std::string InputText() override { return input_; }
  void SetInputText(const std::string& text) override { input_ = text; }
  void AppendOutput(std::string_view text) override { output.append(text); }
  void SetBusy(bool) override {}
  bool AskContinue(const std::string&) override { return true; }
  void PrepareMap() override {}
  void PlotPoint(double, double) override {}
  void ShowMap() override {}

  std::string output;

 private:
  std::string input_;
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
  MemoryHost host(InputText());
  BatchChoices choices;
  choices.coorDest = to;
  choices.lineEnd = "\n";
  for (auto _ : state) {
    host.output.clear();
    Converti(host, choices, RunOutput::Text);
    benchmark::DoNotOptimize(host.output.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLines));
}
BENCHMARK_CAPTURE(Converti100k, lambert->mgrs, CoordKind::Mgrs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Converti100k, lambert->deg, CoordKind::Degrees)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace koord::bench
