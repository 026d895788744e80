#include "cli/FileOutput.h"

#include <algorithm>
#include <unistd.h>

#include "cli/Descriptor.h"
#include "cli/Fatal.h"
#include "cli/LineSinks.h"
#include "cli/Say.h"
#include "cli/TemporaryFile.h"
#include "files/FileError.h"
#include "files/ReplacedFiles.h"
#include "files/ResultCells.h"

namespace koord::cli {
namespace {

files::ResultChoice ResultOf(const Options& options, const BatchChoices& choices) {
  return {choices.coorDest, choices.datumDest, choices.utmZone, choices.preciseTransformation,
          options.squares};
}

std::string Listed(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return list;
}

// A warning on standard error, as koord-cli writes its messages.
void Warn(const std::string& text) {
  if (WriteAll(STDERR_FILENO, "koord-cli: " + text + "\n") == EPIPE) throw BrokenPipe();
}

}  // namespace

FileOutput::FileOutput(const Options& options, FileInputs& inputs, RefusalMessages& messages)
    : path_(options.output),
      format_(*options.outputFormat),
      traits_(files::Traits(format_)),
      inputs_(inputs),
      messages_(messages),
      choices_(inputs.Choices()),
      kind_(Describe(choices_.coorDest)),
      result_(choices_),
      records_(choices_, ResultOf(options, choices_), traits_.geometry, traits_.wgs84Only) {
  try {
    if (traits_.geometry && !records_.Epsg()) {
      std::string system(kind_.cliName);
      system += ", ";
      system += EntryOf(kDatumTable, choices_.datumDest).code;
      if (choices_.utmZone != 0) system += ", zone " + std::to_string(choices_.utmZone);
      throw files::FileError(files::FileAction::Create, path_, files::FileProblem::NoEpsg, system);
    }
    // Refused now rather than after the inputs are read: a file that may
    // not be replaced, a folder that takes no file.
    const EndingSignalsHeld held;
    const files::ReplacedFiles probe(path_);
  } catch (const files::FileError& error) {
    throw Fatal(error.Text(Spoken()));
  }
}

FileOutput::~FileOutput() {
  written_.reset();
  if (!writer_) return;
  // Uncommitted: the writer removes its folder, the signals need not.
  const EndingSignalsHeld held;
  writer_.reset();
  ForgetTemporaryFolder();
}

bool FileOutput::Take(const LineResult& result) {
  const QueuedLine& line = inputs_.Take(result);
  LineStatus status = result.status;
  std::string_view why = result.why;
  if (!line.refusal.empty()) {
    status = LineStatus::Refused;
    why = line.refusal;
  }
  if (status == LineStatus::Blank) return true;
  if (text_ != result.text) {
    text_ = result.text;
    settled_ = false;
  }
  if (!settled_) Settle(result, line);
  if (status == LineStatus::Header) return true;
  if (status != LineStatus::Converted) {
    messages_.Add(static_cast<std::uint32_t>(result.text), line.record, why);
  }
  RecordWriter::Record& record = written_->Next();
  InputCells(line, record.cells);
  if (status == LineStatus::Converted) {
    files::ResultRecords::Read(result.extra, record.cells, record.shape);
  } else {
    result_.Refused(why, record.cells);
  }
  // A line without a point, which GPX has no place for.
  if (traits_.geometry && !traits_.keepsNoGeometry && record.shape.empty() &&
      firstUnplaced_.empty()) {
    firstUnplaced_ = inputs_.Name(result.text) + ':' + std::to_string(line.record);
  }
  try {
    written_->Submit();
  } catch (const files::FileError& error) {
    throw Fatal(error.Text(Spoken()));
  }
  return true;
}

// The columns of a text, from its first line that is not blank: a file's
// fields, a text's header cut into its names, or its whole line.
void FileOutput::Settle(const LineResult& result, const QueuedLine& line) {
  settled_ = true;
  const std::size_t text = result.text;
  std::vector<std::string> names;
  if (inputs_.IsFile(text)) {
    source_ = Source::Record;
    names = inputs_.FieldNames(text);
    // A workbook's first row that is no header is its first record.
    if (result.status != LineStatus::Header && !inputs_.IsPointLayer(text)) {
      for (std::size_t i = 0; i < names.size(); ++i) names[i] = files::ColumnLetters(i);
    }
  } else {
    source_ = Source::Text;
    // A header cut where the engine cut it.
    columns_.Settle(line.line, result.status == LineStatus::Header, result.layout.separator);
    names = columns_.Names();
  }
  if (!writer_) {
    Open(names);
    return;
  }
  if (names == attributes_) return;
  static constexpr Translated kOtherColumns{
      "« %1 » n'a pas les colonnes de « %2 » (%3), qui font celles de « %4 »",
      "“%1” heeft niet de kolommen van “%2” (%3), die van “%4” zijn",
      "“%1” does not have the columns of “%2” (%3), which are those of “%4”",
      "„%1“ hat nicht die Spalten von „%2“ (%3), die „%4“ übernimmt"};
  throw Fatal(
      Say(kOtherColumns, {inputs_.Name(text), inputs_.Name(0), Listed(attributes_), path_}));
}

void FileOutput::Open(const std::vector<std::string>& attributes) {
  attributes_ = attributes;
  files::WriteLayout layout;
  layout.columns = result_.Columns(attributes);
  if (traits_.geometry) layout.epsg = records_.Epsg();
  layout.geometry = records_.Type();
  try {
    // The folder of the new file is made and its name recorded with no
    // signal between the two.
    const EndingSignalsHeld held;
    writer_.emplace(path_, format_, layout);
    WatchTemporaryFolder(writer_->WorkFolder());
    // Its thread leaves the signals to this one.
    written_.emplace(*writer_);
  } catch (const files::FileError& error) {
    throw Fatal(error.Text(Spoken()));
  }
}

void FileOutput::InputCells(const QueuedLine& line, std::vector<std::string>& cells) {
  if (source_ == Source::Record) {
    cells.assign(line.cells.begin(), line.cells.end());
    cells.resize(attributes_.size());
  } else {
    columns_.Cells(line.line, cells);
  }
}

std::size_t FileOutput::Commit() {
  if (!writer_) {
    // Nothing read: the columns of the first input as far as they are known.
    const bool fields = inputs_.IsFile(0);
    Open(fields ? inputs_.FieldNames(0)
                : std::vector<std::string>{std::string(files::kLineColumn)});
  }
  try {
    written_->Finish();
    written_.reset();
    const EndingSignalsHeld held;
    writer_->Commit();
    ForgetTemporaryFolder();
  } catch (const files::FileError& error) {
    throw Fatal(error.Text(Spoken()));
  }
  const std::size_t unplaced = writer_->Unplaced();
  writer_.reset();
  if (unplaced == 0) return 0;
  static constexpr Translated kOne{
      "1 ligne sans point absente de « %1 », un GPX ne gardant que des points (%2)",
      "1 regel zonder punt ontbreekt in “%1”, een GPX bewaart alleen punten (%2)",
      "1 line without a point left out of “%1”, a GPX keeping points only (%2)",
      "1 Zeile ohne Punkt fehlt in „%1“, da eine GPX-Datei nur Punkte enthält (%2)"};
  static constexpr Translated kMany{
      "%3 lignes sans point absentes de « %1 », un GPX ne gardant que des points (première : "
      "%2)",
      "%3 regels zonder punt ontbreken in “%1”, een GPX bewaart alleen punten (eerste: %2)",
      "%3 lines without a point left out of “%1”, a GPX keeping points only (first: %2)",
      "%3 Zeilen ohne Punkt fehlen in „%1“, da eine GPX-Datei nur Punkte enthält (erste: %2)"};
  Warn(unplaced == 1 ? Say(kOne, {path_, firstUnplaced_})
                     : Say(kMany, {path_, firstUnplaced_, std::to_string(unplaced)}));
  return unplaced;
}

}  // namespace koord::cli
