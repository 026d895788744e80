#pragma once
// The lines of koord-cli's inputs, read in blocks so that memory does not
// grow with the input, each with its file and its number in that file.
//
// Lines that come from a pipe or a terminal are handed on as soon as they
// are read; when such an input pauses (at most about 20 ms after the first
// line that still waits for its result), onPause is called so that the results of
// the lines already read can be written out: a run that reads `tail -f` or
// a person typing answers line by line.

#include <cstdint>
#include <functional>
#include <string_view>

#include "cli/InputFiles.h"

namespace koord::cli {

struct InputLine {
  std::uint32_t file;    // index among the inputs
  std::uint64_t number;  // from 1 in its file
  std::string_view text;
  bool tooLong;      // cut to the longest length kept
  bool mayBeHeader;  // the first non-blank line of its file
};

using OnInputLine = std::function<void(const InputLine& line)>;
using OnPause = std::function<void()>;

// Reads the files in order. Each file ends its own last line. Raises Fatal
// when a file cannot be read.
void ForEachInputLine(const InputFiles& inputs, const OnInputLine& onLine, const OnPause& onPause);

}  // namespace koord::cli
