#include "files/TextResultFile.h"

#include <utility>

#include "engine/Kind.h"
#include "files/FileError.h"
#include "files/ReplacedFiles.h"

namespace koord::files {

TextResultFile::TextResultFile(const std::string& path, FileFormat format,
                               const BatchChoices& choices, bool squares, std::string layerName)
    : path_(path),
      layerName_(std::move(layerName)),
      format_(format),
      traits_(Traits(format)),
      result_(choices),
      records_(choices,
               {choices.coorDest, choices.datumDest, choices.utmZone, choices.preciseTransformation,
                squares},
               traits_.geometry, traits_.wgs84Only) {
  if (traits_.geometry && !records_.Epsg()) {
    std::string system(Describe(choices.coorDest).cliName);
    system += ", ";
    system += EntryOf(kDatumTable, choices.datumDest).code;
    if (choices.utmZone != 0) system += ", zone " + std::to_string(choices.utmZone);
    throw FileError(FileAction::Create, path_, FileProblem::NoEpsg, system);
  }
  // Refused before any line is converted: a file that may not be
  // replaced, a folder that takes no file.
  const ReplacedFiles probe(path_);
}

TextResultFile::~TextResultFile() = default;

void TextResultFile::Open() {
  WriteLayout layout;
  layout.columns = result_.Columns(columns_.Names());
  if (traits_.geometry) layout.epsg = records_.Epsg();
  layout.geometry = records_.Type();
  layout.layerName = layerName_;
  writer_.emplace(path_, format_, layout);
}

void TextResultFile::Take(const LineResult& result, std::string_view line) {
  if (result.status == LineStatus::Blank) return;
  if (!settled_) {
    // The columns come from the first line that is not blank.
    settled_ = true;
    columns_.Settle(line, result.status == LineStatus::Header, result.layout.separator);
    Open();
  }
  if (result.status == LineStatus::Header) return;
  columns_.Cells(line, cells_);
  shape_.clear();
  if (result.status == LineStatus::Converted) {
    ResultRecords::Read(result.extra, cells_, shape_);
  } else {
    result_.Refused(result.why, cells_);
  }
  writer_->Write(cells_, shape_);
}

std::size_t TextResultFile::Commit() {
  if (!writer_) {
    // An empty text: a file with the line column alone.
    columns_.Settle({}, false, Separator::Tab);
    Open();
  }
  writer_->Commit();
  return writer_->Unplaced();
}

}  // namespace koord::files
