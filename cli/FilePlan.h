#pragma once
// Which of koord-cli's inputs and output are files of other programs
// (workbooks, GPS files, map layers), told without the file layer: by the
// first bytes of each input and its extension, and by the output's
// extension or --format. koord-cli loads the file layer, and GDAL with it,
// only for a run that has one (FilesProgram.h).
//
//   koord-cli -t lambert relevés.xlsx points.txt
//   // inputs {FileFormat::Xlsx, nothing}, output nothing: text

#include <cstddef>
#include <optional>
#include <vector>

#include "cli/Options.h"
#include "files/FileFormat.h"

namespace koord::cli {

struct FilePlan {
  // Per input, in order: the format of another program it is in, or
  // nothing for a text (standard input, a pipe, a CSV or any other text).
  std::vector<std::optional<files::FileFormat>> inputs;
  // The output's, as Options::outputFormat.
  std::optional<files::FileFormat> output;

  // Whether the run needs the file layer.
  bool Needed() const;
  // Whether input `i` is a workbook (.xlsx, .ods) or a layer of points.
  bool IsWorkbook(std::size_t i) const;
  bool IsPointLayer(std::size_t i) const;
};

// Looks at each input that is a regular file. Raises UsageError for an
// option that no input would use: --sheet without a workbook, --layer
// without a point layer; and for one that would misread an input:
// --separator with a file of another program, --columns with a point
// layer (whose coordinates come from its points).
FilePlan PlanFiles(const Options& options);

}  // namespace koord::cli
