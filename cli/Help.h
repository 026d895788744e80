#pragma once
// The text of koord-cli --help.

#include <string_view>

#include "support/Language.h"

namespace koord::cli {

std::string_view HelpText(Language language);

}  // namespace koord::cli
