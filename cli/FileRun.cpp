// The runs of koord-cli-full over files of other programs
// (FilesProgram.h): the inputs fed through FileInputs, the outcomes to an
// output line, a dot on the map or a record of a file.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/Convert.h"
#include "cli/FileInputs.h"
#include "cli/FileOutput.h"
#include "cli/FilesProgram.h"
#include "cli/InputFiles.h"
#include "cli/LineSinks.h"
#include "cli/MapFile.h"
#include "cli/OutputFile.h"
#include "cli/ReadInputs.h"
#include "cli/RefusalMessages.h"
#include "cli/TemporaryFile.h"
#include "engine/BatchRun.h"

namespace koord::cli {
namespace {

// The outcomes of a layer's lines as their records': numbered as the
// records are, and a record without a point refused with the reader's
// reason; those of other inputs as they come.
class RecordSink : public LineSink {
 public:
  RecordSink(FileInputs& inputs, LineSink& next, bool keepLines)
      : inputs_(inputs), next_(next), keepLines_(keepLines) {}

  bool Take(const LineResult& result) override {
    if (!inputs_.Queued(result.text)) return next_.Take(result);
    const QueuedLine& line = inputs_.Take(result);
    LineResult record = result;
    record.number = line.record;
    if (!line.refusal.empty()) {
      record.status = LineStatus::Refused;
      record.reason = Reason::Refused;
      record.why = line.refusal;
      record.extra = {};
      // In the place of the result, after the empty fields of the point
      // when the lines are kept.
      output_.clear();
      if (keepLines_) output_.assign(Describe(inputs_.Choices().coorFrom).fieldCount, '\t');
      output_ += line.refusal;
      record.output = output_;
    }
    return next_.Take(record);
  }

 private:
  FileInputs& inputs_;
  LineSink& next_;
  const bool keepLines_;
  std::string output_;
};

int ToText(const Options& options, InputFiles& inputs, FileInputs& files,
           RefusalMessages& messages) {
  OutputFile output(options.output);
  TextSink text(output, messages, files.Choices().keepLine);
  RecordSink sink(files, text, files.Choices().keepLine);
  BatchRun run(files.Choices(), RunOutput::Text, sink, options.threads);
  FeedInputs(
      inputs, run,
      [&] {
        run.Flush();
        messages.Flush();
        output.Flush();
      },
      &files);
  run.Finish();
  messages.AddFarPoints(files.InRecords(run.Summary()));
  messages.Flush();
  output.Commit();
  return messages.Any() ? kSomeRefused : kAllConverted;
}

int ToMap(const Options& options, InputFiles& inputs, FileInputs& files,
          RefusalMessages& messages) {
  MapSink map(messages);
  RecordSink sink(files, map, false);
  {
    BatchRun run(files.Choices(), RunOutput::Map, sink, options.threads);
    FeedInputs(
        inputs, run,
        [&] {
          run.Flush();
          messages.Flush();
        },
        &files);
    run.Finish();
    messages.AddFarPoints(files.InRecords(run.Summary()));
  }
  messages.Flush();
  // As PlotToMap: the run's threads are gone before the map is written.
  WriteMap(map.Points(), options.map, options.mapWidth, options.mapHeight, options.mapGrid);
  return messages.Any() ? kSomeRefused : kAllConverted;
}

int ToFile(const Options& options, InputFiles& inputs, FileInputs& files,
           RefusalMessages& messages) {
  FileOutput sink(options, files, messages);
  // The run's threads are started with the ending signals held, so that
  // they leave them to this thread: it holds them while the new file's
  // folder is made and recorded, which a signal handled on another thread
  // in between would leave behind.
  std::optional<BatchRun> run;
  {
    const EndingSignalsHeld held;
    run.emplace(files.Choices(), RunOutput::Text, sink, options.threads, &sink.Work());
  }
  FeedInputs(
      inputs, *run,
      [&] {
        run->Flush();
        messages.Flush();
      },
      &files);
  run->Finish();
  messages.AddFarPoints(files.InRecords(run->Summary()));
  messages.Flush();
  const std::size_t unplaced = sink.Commit();
  return messages.Any() || unplaced > 0 ? kSomeRefused : kAllConverted;
}

}  // namespace

int ConvertWithFiles(const Options& options, const FilePlan& plan) {
  InputFiles inputs(options.inputs);
  RefuseOutputOverInput(options.output, inputs);
  RefusalMessages messages(InputNames(inputs));
  FileInputs files(options, plan, plan.output.has_value());
  if (!options.map.empty()) return ToMap(options, inputs, files, messages);
  if (plan.output) return ToFile(options, inputs, files, messages);
  return ToText(options, inputs, files, messages);
}

}  // namespace koord::cli
