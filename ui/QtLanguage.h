#pragma once
// The language of the windows: Koord's texts and Qt's own (the Oui/Non
// buttons of the prompt, the standard context menus) in French, Dutch or
// English. French is written in the code; the other two come from the
// translations embedded in the program.

#include "support/Language.h"

namespace koord::ui {

// Installs the translations of `language` into the running application,
// replacing those of the language before, and makes its locale the
// default one (numbers, dates, file types); the open windows then get a
// LanguageChange event; nothing changes when `language` is in place
// already. False when a translation is missing (its texts then stay
// French, or English for Qt's own).
bool InstallLanguage(Language language);
// The language installed last; French before any.
Language InstalledLanguage();

// The code of a language ("fr", "nl", "en").
const char* LanguageCode(Language language);

}  // namespace koord::ui
