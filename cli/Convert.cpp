#include "cli/Convert.h"

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "cli/Fatal.h"
#include "cli/InputFiles.h"
#include "cli/InputLines.h"
#include "cli/MapPng.h"
#include "cli/OutputFile.h"
#include "cli/ParallelConverter.h"
#include "cli/RefusalMessages.h"
#include "cli/Say.h"
#include "engine/LineConverter.h"

namespace koord::cli {
namespace {

// Exit statuses of a run that got to its end.
constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;

bool IsRefused(const LineOutcome& outcome) {
  return outcome.status == LineStatus::Refused || outcome.status == LineStatus::Fault;
}

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
  {
    ParallelConverter converter(options.choices, options.threads, [&](const Batch& batch) {
      for (const Batch::Refusal& refusal : batch.refusals) {
        const Batch::Line& line = batch.lines[refusal.line];
        messages.Add(line.file, line.number, batch.Reason(refusal));
      }
      output.Write(batch.output);
    });
    ForEachInputLine(
        inputs, [&](const InputLine& line) { converter.Add(line); },
        [&] {
          converter.Flush();
          messages.Flush();
          output.Flush();
        });
    converter.Flush();
  }
  messages.Flush();
  output.Commit();
  return messages.Any() ? kSomeRefused : kAllConverted;
}

int PlotToMap(const Options& options) {
  InputFiles inputs(options.inputs);
  RefusalMessages messages(Names(inputs));
  LineConverter converter(options.choices, RunOutput::Map);
  std::vector<MapPoint> points;
  ForEachInputLine(
      inputs,
      [&](const InputLine& line) {
        const LineOutcome& outcome = converter.Convert(line.text, line.tooLong, line.mayBeHeader);
        if (IsRefused(outcome)) {
          messages.Add(line.file, line.number, outcome.why);
        } else if (outcome.status == LineStatus::Converted) {
          points.push_back({outcome.x, outcome.y});
        }
      },
      [&] { messages.Flush(); });
  messages.Flush();
  WriteMapPng(points, options.map, options.mapWidth, options.mapHeight, options.mapGrid);
  return messages.Any() ? kSomeRefused : kAllConverted;
}

}  // namespace koord::cli
