#pragma once
// The two runs of koord-cli over its inputs, line by line through the same
// converter as the desktop program. Every input is opened before anything
// is written. Each refused line is reported on standard error as
// "koord-cli: FILE:N: <raison>".

#include <string>
#include <vector>

#include "cli/InputFiles.h"
#include "cli/Options.h"

namespace koord::cli {

// Writes one output line per input line (its reason when refused); an
// output file is replaced only when the whole run succeeds. Returns 0 when
// every line converted, 1 when some line was refused; raises Fatal on a
// file error, BrokenPipe when the output's reader has gone.
int ConvertToText(const Options& options);

// Plots the converted points into options.map; same status as above.
int PlotToMap(const Options& options);

// Exit statuses of a run that got to its end.
inline constexpr int kAllConverted = 0;
inline constexpr int kSomeRefused = 1;

// The names of the inputs as given, in order, for the messages.
std::vector<std::string> InputNames(const InputFiles& inputs);

// Writing into a file while reading it would lose or mix its lines; only a
// regular file keeps what is written into it. Raises UsageError when the
// output (standard output when empty) is one of the inputs.
void RefuseOutputOverInput(const std::string& output, const InputFiles& inputs);

}  // namespace koord::cli
