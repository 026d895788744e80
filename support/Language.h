#pragma once
// The languages Koord speaks. French is the language of the texts as they
// are written in the code and the default everywhere; Dutch, English and
// German are translations of it.

#include <array>
#include <optional>
#include <string_view>

namespace koord {

enum class Language { French, Dutch, English, German };

struct LanguageEntry {
  Language value;
  std::string_view code;        // on the command line, in KOORD_LANG and in settings
  std::string_view nativeName;  // in the window's « Langue » list
};
inline constexpr std::array<LanguageEntry, 4> kLanguageTable{{
    {Language::French, "fr", "Français"},
    {Language::Dutch, "nl", "Nederlands"},
    {Language::English, "en", "English"},
    {Language::German, "de", "Deutsch"},
}};

// The language of a code ("fr", "nl", "en", "de"), if the code names one.
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
  for (const LanguageEntry& entry : kLanguageTable) {
    if (entry.code == code) return entry.value;
  }
  return std::nullopt;
}

// The code of a language ("fr", "nl", "en", "de"): a string literal, so its
// data() ends with a null character.
constexpr std::string_view CodeOf(Language language) {
  for (const LanguageEntry& entry : kLanguageTable) {
    if (entry.value == language) return entry.code;
  }
  return kLanguageTable.front().code;
}

// One text in each language, kept together so that none goes missing: the
// texts are given all four at once, by the compiler, and a text written in
// some languages and left empty in another does not build. Only a text
// empty in every language, the default, stands for no text at all (a field
// that a kind has not).
//
//   constexpr Translated kJoint{" et ", " en ", " and ", " und "};
struct Translated {
  std::string_view fr;
  std::string_view nl;
  std::string_view en;
  std::string_view de;

  constexpr Translated() = default;
  consteval Translated(std::string_view french, std::string_view dutch, std::string_view english,
                       std::string_view german)
      : fr(french), nl(dutch), en(english), de(german) {
    const bool none = fr.empty();
    // Thrown while compiling, which stops the build at the text.
    if (nl.empty() != none || en.empty() != none || de.empty() != none) {
      throw "a text left empty in one language";
    }
  }

  constexpr std::string_view In(Language language) const {
    switch (language) {
      case Language::Dutch: return nl;
      case Language::English: return en;
      case Language::German: return de;
      case Language::French: break;
    }
    return fr;
  }
};

}  // namespace koord
