#pragma once
// The texts of the main window's status line: what a run made of the
// lines, where a stopped run stopped, how far a long run has got, and the
// notes that go with them; numbers as the window's language writes them
// ("200 000 lignes converties", "200,000 lines converted").

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/BatchRun.h"
#include "support/Language.h"

namespace koord::ui {

// "3 lignes converties, 1 refusée", and ", 2 loin de la Belgique" when
// some points lie more than 100 km from Belgium.
QString RunSummaryText(const RunSummary& summary, Language language);

// "12 lambert, 3 mgrs": the lines converted by the kind they were read as,
// by the kinds' words (those of the kind column).
QString KindCountsText(const RunSummary& summary, Language language);

// "Conversion arrêtée après 142 993 lignes", and ", dont 3 refusées" when
// some were refused.
QString StoppedRunText(std::uint64_t lines, std::size_t refused, Language language);

// "Conversion en cours… 45 %" for `done` of `size`.
QString RunProgressText(std::size_t done, std::size_t size);

// "résultat en WGS84": the datum of the output written; "résultat en
// Lambert 1972 et WGS84" for outputs on different datums, in their order.
QString OutputDatumText(const std::vector<Datum>& datums);

// "coordonnées lues à partir du champ 3": a reading that does not start at
// the first field.
QString FirstColumnText(std::size_t column, Language language);

// "coordonnées lues dans les colonnes X et Y": the names of the columns a
// header gave the coordinates.
QString NamedColumnsText(const QStringList& names);

// The coordinates read at two places near Belgium: which, and where to
// choose.
QString AmbiguousColumnsText(std::size_t first, std::size_t other, Language language);

// The result no longer matches the input or the choices.
QString OutOfDateText();

}  // namespace koord::ui
