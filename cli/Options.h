#pragma once
// The command line of koord-cli, read into the batch converter's choices.

#include <optional>
#include <string>
#include <vector>

#include "cli/Fatal.h"
#include "engine/Choices.h"
#include "files/FileFormat.h"

namespace koord::cli {

struct Options {
  BatchChoices choices;
  // Files to read in order; "-" is standard input. Never empty.
  std::vector<std::string> inputs;
  // Where the output goes; empty for standard output.
  std::string output;
  // The output is a file of another program (a workbook, a GPS file, a map
  // layer), written with every input attribute: its format, from --format
  // or the output's extension. Nothing for text (a .csv by its extension
  // included: koord-cli's own lines).
  std::optional<files::FileFormat> outputFormat;
  // IFBL and MGRS results written as their squares' polygons.
  bool squares = false;
  // The sheet of the workbooks read, the layer of the map layers read;
  // empty: the first sheet, the only layer.
  std::string sheet;
  std::string layer;
  // -f and --datum-from were given: a file whose own system differs is a
  // usage error rather than a silent choice.
  bool fromGiven = false;
  bool datumFromGiven = false;
  // PNG to plot the points into instead of converting; empty for none.
  std::string map;
  // Size of that image in pixels; the map window's proportion by default.
  int mapWidth = 1000;
  int mapHeight = 824;
  // The IFBL grid drawn on that map.
  bool mapGrid = false;
  // Converting threads: KOORD_THREADS, or one per core (8 at most).
  unsigned threads = 1;
  bool help = false;
  bool version = false;
};

// Chooses the language of the messages first (--lang, KOORD_LANG, French),
// and sets choices.language to it. Raises UsageError on an unknown language,
// an unknown option, an option given twice, a missing
// or unknown value, an empty file name, a precision or a decimal mark given
// for an output without one, --map with --output, --format without --output
// or against its extension, --squares for an output without squares or a
// file without geometry, --keep for a file of another program, or
// KOORD_THREADS not a number from 1 to 8.
Options ParseOptions(int argc, const char* const* argv);

}  // namespace koord::cli
