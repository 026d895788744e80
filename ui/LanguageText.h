#pragma once
// The window's language applied to what the window writes itself: the
// engine's texts (UTF-8 views, texts kept in each language side by side),
// and numbers, written as the language writes them whatever the system's
// settings: French and Dutch group thousands with a narrow no-break space
// and write a decimal comma, English groups with a comma and writes a
// point.
//
//   Number(200000, Language::French) == "200 000" (U+202F)
//   Number(200000, Language::English) == "200,000"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <string_view>

#include "support/Language.h"

namespace koord::ui {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString TextIn(const Translated& text, Language language) {
  return FromUtf8(text.In(language));
}

// The locale of the language as Belgium writes it (English as such).
QLocale LocaleOf(Language language);

// A whole number with its thousands grouped.
QString Number(std::uint64_t value, Language language);

// The decimal mark of the language: ',' or '.'.
char DecimalMarkOf(Language language);

}  // namespace koord::ui
