#include "cli/Convert.h"

#include <cstdint>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "cli/Fatal.h"
#include "cli/InputFiles.h"
#include "cli/MapFile.h"
#include "cli/OutputFile.h"
#include "cli/ReadInputs.h"
#include "cli/RefusalMessages.h"
#include "cli/Say.h"
#include "engine/BatchRun.h"
#include "engine/LineSplitter.h"

namespace koord::cli {
namespace {

// Exit statuses of a run that got to its end.
constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;

bool IsRefused(const LineResult& line) {
  return line.status == LineStatus::Refused || line.status == LineStatus::Fault;
}

// Every line's outcome on its own output line; the reason of a refused one
// also on standard error, with its file and number. With the input lines
// kept, the output keeps their byte-order mark and line ends too, so that
// a spreadsheet reopens it as it opened the input.
class TextSink : public LineSink {
 public:
  TextSink(OutputFile& output, RefusalMessages& messages, bool keepLines)
      : output_(output), messages_(messages), keepLines_(keepLines) {}

  bool Take(const LineResult& line) override {
    if (IsRefused(line))
      messages_.Add(static_cast<std::uint32_t>(line.text), line.number, line.why);
    if (keepLines_ && line.byteOrderMark && first_) output_.Write(kByteOrderMark);
    first_ = false;
    output_.Write(line.output);
    // A file keeps to one kind of line end: its first line's.
    if (keepLines_ && !lineEndSeen_ && line.ending != LineEnding::None) {
      lineEnd_ = LineEndingText(line.ending);
      lineEndSeen_ = true;
    }
    output_.Write(lineEnd_);
    return true;
  }

 private:
  OutputFile& output_;
  RefusalMessages& messages_;
  const bool keepLines_;
  bool first_ = true;
  bool lineEndSeen_ = false;
  std::string_view lineEnd_ = "\n";
};

// The points of the converted lines; the reasons of the refused ones on
// standard error.
class MapSink : public LineSink {
 public:
  explicit MapSink(RefusalMessages& messages) : messages_(messages) {}

  bool Take(const LineResult& line) override {
    if (IsRefused(line)) {
      messages_.Add(static_cast<std::uint32_t>(line.text), line.number, line.why);
    } else if (line.status == LineStatus::Converted) {
      points_.push_back({line.x, line.y});
    }
    return true;
  }

  const std::vector<MapPoint>& Points() const { return points_; }

 private:
  RefusalMessages& messages_;
  std::vector<MapPoint> points_;
};

std::vector<std::string> Names(const InputFiles& inputs) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < inputs.Count(); ++i) names.push_back(inputs[i].name);
  return names;
}

// Writing into a file while reading it would lose or mix its lines; only a
// regular file keeps what is written into it.
void RefuseOutputOverInput(const std::string& output, const InputFiles& inputs) {
  struct stat status {};
  const bool found =
      output.empty() ? ::fstat(STDOUT_FILENO, &status) == 0 : ::stat(output.c_str(), &status) == 0;
  if (!found || !S_ISREG(status.st_mode)) return;
  const Input* same = inputs.Find(FileId::Of(status));
  if (same == nullptr) return;
  static constexpr Translated kStandardInput{"l'entrée standard", "de standaardinvoer",
                                             "standard input"};
  static constexpr Translated kInputFile{"le fichier d'entrée « %1 »", "het invoerbestand “%1”",
                                         "the input file “%1”"};
  static constexpr Translated kStandardOutputToo{"la sortie standard est aussi %1",
                                                 "de standaarduitvoer is ook %1",
                                                 "standard output is also %1"};
  static constexpr Translated kOutputFileToo{"le fichier de sortie « %1 » est aussi %2",
                                             "het uitvoerbestand “%1” is ook %2",
                                             "the output file “%1” is also %2"};
  const std::string input = same->name == "-" ? Say(kStandardInput) : Say(kInputFile, {same->name});
  throw UsageError(output.empty() ? Say(kStandardOutputToo, {input})
                                  : Say(kOutputFileToo, {output, input}));
}

}  // namespace

int ConvertToText(const Options& options) {
  InputFiles inputs(options.inputs);
  RefuseOutputOverInput(options.output, inputs);
  OutputFile output(options.output);
  RefusalMessages messages(Names(inputs));
  TextSink sink(output, messages, options.choices.keepLine);
  BatchRun run(options.choices, RunOutput::Text, sink, options.threads);
  FeedInputs(inputs, run, [&] {
    run.Flush();
    messages.Flush();
    output.Flush();
  });
  run.Finish();
  messages.AddFarPoints(run.Summary());
  messages.Flush();
  output.Commit();
  return messages.Any() ? kSomeRefused : kAllConverted;
}

int PlotToMap(const Options& options) {
  InputFiles inputs(options.inputs);
  RefusalMessages messages(Names(inputs));
  MapSink sink(messages);
  BatchRun run(options.choices, RunOutput::Map, sink, options.threads);
  FeedInputs(inputs, run, [&] {
    run.Flush();
    messages.Flush();
  });
  run.Finish();
  messages.AddFarPoints(run.Summary());
  messages.Flush();
  WriteMap(sink.Points(), options.map, options.mapWidth, options.mapHeight, options.mapGrid);
  return messages.Any() ? kSomeRefused : kAllConverted;
}

}  // namespace koord::cli
