#pragma once
// koord-cli's inputs that are files of other programs, fed to the run as
// the lines of a text, and the line each outcome comes back for.
//
// A workbook is fed as its rows, a layer as a header and its points'
// numbers (files::RecordLines); the outcome of a record without a point
// becomes the reader's refusal (« Géométrie non ponctuelle : LineString »).
// The run's input kind and datum are those of the layers' system.
//
//   FileInputs files(options, plan, /*keepRecords=*/true);
//   BatchRun run(files.Choices(), RunOutput::Text, sink);
//   FeedInputs(inputs, run, onPause, &files);
//   // in the sink:
//   const QueuedLine& line = files.Take(result);  // its record, its cells
//
// Lines are queued (their record, its cells, or a text's own line) from
// when they are fed until their outcome is taken; a run holds few lines
// at a time, so the queue stays short whatever the size of the files.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/FilePlan.h"
#include "cli/Options.h"
#include "cli/ReadInputs.h"
#include "engine/BatchRun.h"
#include "engine/LineSplitter.h"
#include "files/FileReader.h"

namespace koord::cli {

// A line fed to the run, as its outcome's sink needs it.
struct QueuedLine {
  std::size_t text = 0;
  std::uint64_t number = 0;  // in the run's text
  // The number that messages give: a layer's record (from 1, after the
  // header that Koord adds), a workbook's row, a text's line.
  std::uint64_t record = 0;
  // A layer's record without a point: why, in the run's language.
  std::string refusal;
  // A workbook's or a layer's cells, with keepRecords.
  std::vector<std::string> cells;
  // A text's line, with keepRecords.
  std::string line;
};

class FileInputs : public InputWatch {
 public:
  // Opens the readers of the inputs that the plan says are files of other
  // programs, and settles the run's choices: the input kind and datum of
  // the layers' system. With keepRecords, every line of every input is
  // queued with its cells (a file output writes them); otherwise only the
  // layers' lines, for their numbers and refusals. Raises Fatal for a file
  // that cannot be read, UsageError for a system that contradicts -f,
  // --datum-from or another layer's.
  FileInputs(const Options& options, const FilePlan& plan, bool keepRecords);
  ~FileInputs() override;
  FileInputs(const FileInputs&) = delete;
  FileInputs& operator=(const FileInputs&) = delete;

  // The run's choices, its input kind and datum settled.
  const BatchChoices& Choices() const { return choices_; }

  // Input `i`'s name, as given.
  const std::string& Name(std::size_t i) const { return names_[i]; }
  // Whether input `i` is a workbook or a layer, and its field names.
  bool IsFile(std::size_t i) const { return readers_[i] != nullptr; }
  bool IsPointLayer(std::size_t i) const;
  const std::vector<std::string>& FieldNames(std::size_t i) const;

  // The number that messages give to line `number` of text `i`: a layer's
  // record, the line's own number otherwise.
  std::uint64_t RecordNumber(std::size_t i, std::uint64_t number) const {
    return IsPointLayer(i) && number > 0 ? number - 1 : number;
  }
  // A run's summary with its places so numbered.
  RunSummary InRecords(RunSummary summary) const;

  // Whether the outcomes of text `i`'s lines are to be taken.
  bool Queued(std::size_t i) const { return keepRecords_ || IsPointLayer(i); }
  // The line of an outcome, taken off the queue (outcomes come in the order
  // lines are fed); valid until the next call.
  const QueuedLine& Take(const LineResult& result);

  bool FeedItself(std::size_t i, BatchRun& run) override;
  void Block(std::size_t i, std::string_view block) override;
  void End(std::size_t i) override;

 private:
  QueuedLine& Queue(std::size_t text, std::uint64_t number, std::uint64_t record);
  void SettleSystem(const Options& options);
  // Appends a line to the block fed to the run, feeding it when full.
  bool Add(std::string_view line, BatchRun& run);
  bool FeedWorkbook(std::size_t i, BatchRun& run);
  bool FeedLayer(std::size_t i, BatchRun& run);

  BatchChoices choices_;
  bool keepRecords_;
  std::vector<std::string> names_;  // of the inputs, as given
  std::vector<std::unique_ptr<files::FileReader>> readers_;
  // The system of the layers' points; that of the choices for a layer
  // that names none.
  files::CoordSystem system_{};
  // Lines fed whose outcome has not been taken, in a ring whose entries
  // keep their storage.
  std::vector<QueuedLine> queue_;
  std::size_t first_ = 0;
  std::size_t count_ = 0;
  QueuedLine taken_;
  // A text's own lines, cut as the run cuts them (keepRecords).
  LineSplitter lines_;
  std::uint64_t lineNumber_ = 0;
  std::string block_;  // lines waiting to be fed
  files::Record record_;
};

}  // namespace koord::cli
