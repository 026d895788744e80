#pragma once
// What the windows remember between sessions, in the platform's settings
// store (QSettings, organisation "Koord", application "koord"): the choices
// of the next run, whether a run replaces the result, the language, and
// where the windows stood. A value missing or unknown (an older or a
// damaged store) gives its default.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "engine/Choices.h"
#include "support/Language.h"

namespace koord::ui {

// Most coordinate column offered.
inline constexpr int kMaxFirstColumn = 1000;

// The choices of the next run as the user left them: the kinds (the input
// kind found per line, several outputs), datums and precisions of the
// lists, the reading options and the result options. The language and the
// decimal mark are not among them: the window sets those. The separator
// and the column of a store from before the program found them itself
// (a store without a version) are not read: such a store starts with both
// found per text, as a new one does, rather than with the tab and the
// first column it remembers only because nothing else was offered then.
BatchChoices LoadChoices();
void SaveChoices(const BatchChoices& choices);

// With the input kind found per line, whether the input datum is each
// kind's own (the default) rather than the one of the datum list.
bool LoadInputDatumByKind();
void SaveInputDatumByKind(bool byKind);

// The outputs last chosen together, in order, for the next choice of
// several; empty before any.
std::vector<CoordKind> LoadSeveralOutputs();
void SaveSeveralOutputs(const std::vector<CoordKind>& kinds);

// Whether a run replaces the result box's text rather than adding below it
// (the default).
bool LoadReplaceResult();
void SaveReplaceResult(bool replace);

// Whether IFBL and MGRS results are saved in map files as their squares.
bool LoadSquares();
void SaveSquares(bool squares);

// The decimal mark the user chose for the output, ',' or '.'; none while
// the window's language gives it.
std::optional<char> LoadDecimalMark();
void SaveDecimalMark(char mark);

// The folder of the last file opened or saved; empty before any.
QString LoadLastFolder();
void SaveLastFolder(const QString& folder);

// The windows whose place and size are kept (QWidget::saveGeometry).
enum class Window { Main, Map };

QByteArray LoadGeometry(Window window);
void SaveGeometry(Window window, const QByteArray& geometry);

// The language of the windows, French when none was chosen (whatever the
// system's language).
Language LoadLanguage();
void SaveLanguage(Language language);

// Whether the map shows the IFBL grid.
bool LoadMapGrid();
void SaveMapGrid(bool shown);

}  // namespace koord::ui
