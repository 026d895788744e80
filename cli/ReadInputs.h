#pragma once
// koord-cli's inputs fed to a run, read in blocks so that memory does not
// grow with the input, each file a text of the run.
//
// Blocks that come from a pipe or a terminal are fed as soon as they are
// read; when such an input pauses (at most about 20 ms after the first
// block whose lines may still wait for their results), onPause is called
// so that the results of the lines already read can be written out: a run
// that reads `tail -f` or a person typing answers line by line.

#include <functional>

#include "cli/InputFiles.h"
#include "engine/BatchRun.h"

namespace koord::cli {

using OnPause = std::function<void()>;

// Feeds the files in order, each ending its text. Raises Fatal when a file
// cannot be read.
void FeedInputs(const InputFiles& inputs, BatchRun& run, const OnPause& onPause);

}  // namespace koord::cli
