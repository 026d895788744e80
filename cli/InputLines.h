#pragma once
// The lines of koord-cli's inputs, read in blocks so that memory does not
// grow with the input.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace koord::cli {

// Called for every line, numbered from 1 across all inputs; tooLong flags a
// line cut to the longest length kept, mayBeHeader the first non-blank line
// of each file.
using OnInputLine = std::function<void(std::uint64_t number, std::string_view line, bool tooLong,
                                       bool mayBeHeader)>;

// Reads the files in order ("-" is standard input). Each file ends its own
// last line. Raises Fatal when a file cannot be opened or read.
void ForEachInputLine(const std::vector<std::string>& inputs, const OnInputLine& onLine);

// "fichier introuvable" and the like, for a failed file operation.
std::string FileProblem(int error);

}  // namespace koord::cli
