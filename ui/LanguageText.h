#pragma once
// The engine's texts in the window: UTF-8 views, and the texts kept in
// each language side by side (support/Language.h) in the window's one.

#include <QString>
#include <string_view>

#include "support/Language.h"

namespace koord::ui {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString TextIn(const Translated& text, Language language) {
  return FromUtf8(text.In(language));
}

}  // namespace koord::ui
