#pragma once
// The language of the windows: Koord's texts and Qt's own (the Oui/Non
// buttons of the prompt, the standard context menus) in French, Dutch or
// English. French is written in the
// code; the other two come from the translations embedded in the program.

#include "support/Language.h"

namespace koord::ui {

// Installs the translations of `language` into the running application,
// replacing those of the language before; the open windows then get a
// LanguageChange event. Nothing happens when `language` is already in
// place. False when a translation is missing (its texts then stay French,
// or for Qt's own texts English).
bool InstallLanguage(Language language);
// The language installed last; French before any.
Language InstalledLanguage();

// The code of a language ("fr", "nl", "en").
const char* LanguageCode(Language language);

}  // namespace koord::ui
