#include "cli/Convert.h"

#include <cstdint>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "cli/Fatal.h"
#include "cli/InputFiles.h"
#include "cli/LineSinks.h"
#include "cli/MapFile.h"
#include "cli/OutputFile.h"
#include "cli/ReadInputs.h"
#include "cli/RefusalMessages.h"
#include "cli/Say.h"
#include "engine/BatchRun.h"
#include "engine/LineSplitter.h"

namespace koord::cli {

std::vector<std::string> InputNames(const InputFiles& inputs) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < inputs.Count(); ++i) names.push_back(inputs[i].name);
  return names;
}

void RefuseOutputOverInput(const std::string& output, const InputFiles& inputs) {
  struct stat status {};
  const bool found =
      output.empty() ? ::fstat(STDOUT_FILENO, &status) == 0 : ::stat(output.c_str(), &status) == 0;
  if (!found || !S_ISREG(status.st_mode)) return;
  const Input* same = inputs.Find(FileId::Of(status));
  if (same == nullptr) return;
  static constexpr Translated kStandardInput{"l'entrée standard", "de standaardinvoer",
                                             "standard input", "die Standardeingabe"};
  static constexpr Translated kInputFile{"le fichier d'entrée « %1 »", "het invoerbestand “%1”",
                                         "the input file “%1”", "die Eingabedatei „%1“"};
  static constexpr Translated kStandardOutputToo{
      "la sortie standard est aussi %1", "de standaarduitvoer is ook %1",
      "standard output is also %1", "die Standardausgabe ist auch %1"};
  static constexpr Translated kOutputFileToo{
      "le fichier de sortie « %1 » est aussi %2", "het uitvoerbestand “%1” is ook %2",
      "the output file “%1” is also %2", "die Ausgabedatei „%1“ ist auch %2"};
  const std::string input = same->name == "-" ? Say(kStandardInput) : Say(kInputFile, {same->name});
  throw UsageError(output.empty() ? Say(kStandardOutputToo, {input})
                                  : Say(kOutputFileToo, {output, input}));
}

int ConvertToText(const Options& options) {
  InputFiles inputs(options.inputs);
  RefuseOutputOverInput(options.output, inputs);
  OutputFile output(options.output);
  RefusalMessages messages(InputNames(inputs));
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
  RefusalMessages messages(InputNames(inputs));
  MapSink sink(messages);
  {
    BatchRun run(options.choices, RunOutput::Map, sink, options.threads);
    FeedInputs(inputs, run, [&] {
      run.Flush();
      messages.Flush();
    });
    run.Finish();
    messages.AddFarPoints(run.Summary());
  }
  messages.Flush();
  // The run's threads are gone: an ending signal while the map's temporary
  // file is made can only land on this thread, which holds it meanwhile.
  WriteMap(sink.Points(), options.map, options.mapWidth, options.mapHeight, options.mapGrid);
  return messages.Any() ? kSomeRefused : kAllConverted;
}

}  // namespace koord::cli
