#pragma once
// The texts of the main window's status line: what a run made of the
// lines, how far a long run has got.

#include <QString>

#include "engine/BatchRun.h"

namespace koord::ui {

// "3 lignes converties, 1 refusée", numbers grouped as the locale writes
// them ("100 000").
QString RunSummaryText(const RunSummary& summary);

// "Conversion en cours… 45 %" for `done` bytes of `size`.
QString RunProgressText(std::size_t done, std::size_t size);

}  // namespace koord::ui
