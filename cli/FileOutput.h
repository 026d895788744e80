#pragma once
// The output of koord-cli as a file of another program (-o relevés.gpkg):
// a record per input line, written whole or not at all.
//
// Each record holds the input's columns, then the result's, named as a
// text's header names them (X, Y; Latitude, Longitude; MGRS...), then
// koord_refus, the reason of a refused line, whose result columns stay
// empty: no line is dropped. The input's columns are a layer's or a
// workbook's fields (a workbook whose first row is a point has its columns
// named A, B, C...); a text's fields when its first line is a header, cut
// as the engine cuts it; otherwise one column, koord_ligne, holding the
// whole line. Later inputs must have the columns of the first.
//
// The geometry is the result's point (or square, --squares) in the output
// kind's system, or in WGS84 degrees for KML and GPX. GPX holds nothing
// but points with a position: its refused lines are counted and named on
// standard error.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/FileInputs.h"
#include "cli/Options.h"
#include "cli/RecordWriter.h"
#include "cli/RefusalMessages.h"
#include "engine/BatchRun.h"
#include "engine/Kind.h"
#include "files/FileWriter.h"
#include "files/Geometry.h"
#include "files/ResultCells.h"
#include "files/ResultRecords.h"
#include "files/TextColumns.h"

namespace koord::cli {

class FileOutput : public LineSink {
 public:
  // Checks that the output can be written (a folder that takes files, a
  // file that may be replaced) and that its format has a system for the
  // results. Raises Fatal otherwise.
  FileOutput(const Options& options, FileInputs& inputs, RefusalMessages& messages);
  ~FileOutput() override;
  FileOutput(const FileOutput&) = delete;
  FileOutput& operator=(const FileOutput&) = delete;

  // What the run must make of each converted point.
  const PointWork& Work() const { return records_; }

  // Takes the outcomes of a run given Work().
  bool Take(const LineResult& result) override;

  // Puts the file in place of the old one. Then writes on standard error
  // how many lines GPX left out (the refused ones), if any, and returns
  // that number.
  std::size_t Commit();

 private:
  // Where the input's cells come from: a file's records, or a text's lines.
  enum class Source { Record, Text };

  void Settle(const LineResult& result, const QueuedLine& line);
  void Open(const std::vector<std::string>& attributes);
  void InputCells(const QueuedLine& line, std::vector<std::string>& cells);

  const std::string path_;
  const files::FileFormat format_;
  const files::FormatTraits& traits_;
  FileInputs& inputs_;
  RefusalMessages& messages_;
  const BatchChoices& choices_;
  const KindDescriptor& kind_;
  files::ResultCells result_;
  const files::ResultRecords records_;
  std::optional<files::FileWriter> writer_;
  std::optional<RecordWriter> written_;  // after writer_, which it uses
  std::vector<std::string> attributes_;  // the input's columns, once known
  // The current text: its number, whether its columns are settled, and how
  // its lines become cells.
  std::optional<std::size_t> text_;
  bool settled_ = false;
  Source source_ = Source::Text;
  files::TextColumns columns_;
  // The first line that GPX has no place for, a refused one.
  std::string firstUnplaced_;
};

}  // namespace koord::cli
