#include "cli/Say.h"

#include <atomic>
#include <cstddef>

namespace koord::cli {
namespace {

// Read by the converting threads' error paths as well.
std::atomic<Language> spoken{Language::French};

}  // namespace

void SpeakIn(Language language) {
  spoken.store(language);
}

Language Spoken() {
  return spoken.load();
}

std::string Say(const Translated& text, std::initializer_list<std::string_view> arguments) {
  const std::string_view pattern = text.In(Spoken());
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9') {
      const auto index = static_cast<std::size_t>(next - '1');
      if (index < arguments.size()) out += arguments.begin()[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace koord::cli
