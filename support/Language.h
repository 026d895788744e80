#pragma once
// The languages Koord speaks. French is the language of the texts as they
// are written in the code and the default everywhere; Dutch and English are
// translations of it.

#include <array>
#include <optional>
#include <string_view>

namespace koord {

enum class Language { French, Dutch, English };

struct LanguageEntry {
  Language value;
  std::string_view code;        // on the command line, in KOORD_LANG and in settings
  std::string_view nativeName;  // in the window's « Langue » list
};
inline constexpr std::array<LanguageEntry, 3> kLanguageTable{{
    {Language::French, "fr", "Français"},
    {Language::Dutch, "nl", "Nederlands"},
    {Language::English, "en", "English"},
}};

// The language of a code ("fr", "nl", "en"), if the code names one.
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
  for (const LanguageEntry& entry : kLanguageTable) {
    if (entry.code == code) return entry.value;
  }
  return std::nullopt;
}

// The code of a language ("fr", "nl", "en"): a string literal, so its
// data() ends with a null character.
constexpr std::string_view CodeOf(Language language) {
  for (const LanguageEntry& entry : kLanguageTable) {
    if (entry.value == language) return entry.code;
  }
  return kLanguageTable.front().code;
}

// One text in each language, kept together so that none goes missing.
struct Translated {
  std::string_view fr;
  std::string_view nl;
  std::string_view en;

  constexpr std::string_view In(Language language) const {
    switch (language) {
      case Language::Dutch: return nl;
      case Language::English: return en;
      case Language::French: break;
    }
    return fr;
  }
};

}  // namespace koord
