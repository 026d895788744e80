#pragma once
// The command line of koord-cli, read into the batch converter's choices.

#include <string>
#include <vector>

#include "cli/Fatal.h"
#include "engine/Choices.h"

namespace koord::cli {

struct Options {
  BatchChoices choices;
  // Files to read in order; "-" is standard input. Never empty.
  std::vector<std::string> inputs;
  // Where the output goes; empty for standard output.
  std::string output;
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
// for an output without one, --map with --output, or KOORD_THREADS not a
// number from 1 to 8.
Options ParseOptions(int argc, const char* const* argv);

}  // namespace koord::cli
