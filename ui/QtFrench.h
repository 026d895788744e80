#pragma once
// Qt's own texts (the Oui/Non buttons of the prompt, the standard context
// menus) in French.

namespace koord::ui {

// Loads Qt's French translation into the running application, once.
// False when the translation is not installed (the texts stay English).
bool InstallQtFrench();

}  // namespace koord::ui
