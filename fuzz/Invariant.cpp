#include "fuzz/Invariant.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace koord::fuzz {

void Broken(std::string_view invariant, std::string_view detail) {
  std::fprintf(stderr, "\nInvariant broken: %.*s\n", static_cast<int>(invariant.size()),
               invariant.data());
  if (!detail.empty()) {
    std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
  }
  std::abort();
}

bool HoldsNanOrInf(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

}  // namespace koord::fuzz
