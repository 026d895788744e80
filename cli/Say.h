#pragma once
// The language koord-cli speaks in, chosen once at start, and its messages
// written in it.

#include <initializer_list>
#include <string>
#include <string_view>

#include "support/Language.h"

namespace koord::cli {

// Chooses the language of every message that follows; French until then.
void SpeakIn(Language language);
Language Spoken();

// The text in the language spoken, with %1 to %9 replaced by the arguments
// in order (never by text they bring themselves).
std::string Say(const Translated& text, std::initializer_list<std::string_view> arguments = {});

}  // namespace koord::cli
