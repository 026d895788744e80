#pragma once
// The two runs of koord-cli over its inputs, line by line through the same
// converter as the desktop program. Every input is opened before anything
// is written. Each refused line is reported on standard error as
// "koord-cli: FILE:N: <raison>".

#include "cli/Options.h"

namespace koord::cli {

// Writes one output line per input line (its reason when refused); an
// output file is replaced only when the whole run succeeds. Returns 0 when
// every line converted, 1 when some line was refused; raises Fatal on a
// file error, BrokenPipe when the output's reader has gone.
int ConvertToText(const Options& options);

// Plots the converted points into options.map; same status as above.
int PlotToMap(const Options& options);

}  // namespace koord::cli
