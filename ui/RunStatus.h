#pragma once
// The texts of the main window's status line: what a run made of the
// lines, where a stopped run stopped, how far a long run has got, and the
// notes that go with them; numbers as the window's language writes them
// ("200 000 lignes converties", "200,000 lines converted").

#include <QString>
#include <cstddef>
#include <cstdint>

#include "engine/BatchRun.h"
#include "support/Language.h"

namespace koord::ui {

// "3 lignes converties, 1 refusée".
QString RunSummaryText(const RunSummary& summary, Language language);

// "Conversion arrêtée après 142 993 lignes", and ", dont 3 refusées" when
// some were refused.
QString StoppedRunText(std::uint64_t lines, std::size_t refused, Language language);

// "Conversion en cours… 45 %" for `done` of `size`.
QString RunProgressText(std::size_t done, std::size_t size);

// "résultat en WGS84": the datum of the output written.
QString OutputDatumText(Datum datum);

// "coordonnées lues à partir du champ 3": a reading that does not start at
// the first field.
QString FirstColumnText(std::size_t column, Language language);

// The result no longer matches the input or the choices.
QString OutOfDateText();

}  // namespace koord::ui
