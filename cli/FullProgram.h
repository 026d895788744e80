#pragma once
// koord-cli loads neither Qt nor GDAL; for a map or a file of another
// program it becomes koord-cli-full, the same program with both, installed
// beside it.

#include "support/Language.h"

namespace koord::cli {

// Runs koord-cli-full from this program's folder with the same arguments;
// returns only by throwing Fatal with `lacking` when it cannot.
[[noreturn]] void BecomeFullProgram(char** argv, const Translated& lacking);

}  // namespace koord::cli
