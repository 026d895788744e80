#pragma once
// koord-cli's inputs fed to a run, read in blocks so that memory does not
// grow with the input, each file a text of the run.
//
// Blocks that come from a pipe or a terminal are fed as soon as they are
// read; when such an input pauses (at most about 20 ms after the first
// block whose lines may still wait for their results), onPause is called
// so that the results of the lines already read can be written out: a run
// that reads `tail -f` or a person typing answers line by line.

#include <cstddef>
#include <functional>
#include <string_view>

#include "cli/InputFiles.h"
#include "engine/BatchRun.h"

namespace koord::cli {

using OnPause = std::function<void()>;

// What a run over files of other programs adds to the feeding of its
// inputs (FileRun.h).
class InputWatch {
 public:
  virtual ~InputWatch() = default;
  // Feeds input `i` to the run itself, its text ended, when it is a file
  // of another program; false for a text, fed as it is read.
  virtual bool FeedItself(std::size_t i, BatchRun& run) = 0;
  // Sees each block of a text input before the run, and the text's end.
  virtual void Block(std::size_t i, std::string_view block) = 0;
  virtual void End(std::size_t i) = 0;
};

// Feeds the files in order, each ending its text. Raises Fatal when a file
// cannot be read.
void FeedInputs(const InputFiles& inputs, BatchRun& run, const OnPause& onPause,
                InputWatch* watch = nullptr);

}  // namespace koord::cli
