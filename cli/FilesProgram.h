#pragma once
// The runs of koord-cli that read or write files of other programs. They
// need the file layer, and GDAL with it, which koord-cli does not load for
// its texts, so that a small pipe answers at once: they are made by
// koord-cli-full, the same program with the file layer (and the map),
// which koord-cli becomes for such a run, as it does for --map.

#include "cli/FilePlan.h"
#include "cli/Options.h"

namespace koord::cli {

// In a program without the file layer, becomes koord-cli-full, beside it,
// with the same arguments; returns in a program with it. Raises Fatal when
// koord-cli-full is missing, or was built without the file layer.
void BecomeFilesProgram(char** argv);

// The run of a plan that needs the file layer: text, workbook and layer
// inputs, converted to text, to a file of another program, or to the map
// (options.map). Returns 0 when every line converted, 1 when some line was
// refused; raises Fatal on a file error, BrokenPipe when the output's
// reader has gone.
int ConvertWithFiles(const Options& options, const FilePlan& plan);

}  // namespace koord::cli
