#pragma once
// What the window remembers between sessions, in the platform's settings
// store (QSettings, organisation "Koord", application "koord").

#include <cstddef>

#include "engine/Choices.h"

namespace koord::ui {

// How the input lines are read (engine/BatchChoices).
struct InputOptions {
  Separator separator = Separator::Tab;
  std::size_t firstColumn = 1;
  bool keepLine = false;
};

// The options saved last; the defaults for any that is missing or unknown.
InputOptions LoadInputOptions();
void SaveInputOptions(const InputOptions& options);

// Most coordinate column offered.
inline constexpr int kMaxFirstColumn = 1000;

}  // namespace koord::ui
