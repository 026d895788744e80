#pragma once
// What the windows remember between sessions, in the platform's settings
// store (QSettings, organisation "Koord", application "koord"): the choices
// of the lists, the reading and result options, the language, and where
// the windows stood. A value missing or unknown (an older or a damaged
// store) gives its default.

#include <QByteArray>
#include <cstddef>

#include "engine/Choices.h"
#include "support/Language.h"

namespace koord::ui {

// How the input lines are read (engine/BatchChoices).
struct InputOptions {
  Separator separator = Separator::Tab;
  std::size_t firstColumn = 1;
  bool keepLine = false;
};

InputOptions LoadInputOptions();
void SaveInputOptions(const InputOptions& options);

// Most coordinate column offered.
inline constexpr int kMaxFirstColumn = 1000;

// The choices of the main window's lists.
struct ListChoices {
  CoordKind from = CoordKind::Lambert;
  CoordKind dest = CoordKind::Mgrs;
  Datum datumFrom = Datum::Bel72;
  Datum datumDest = Datum::Wgs84;
  MgrsPrecision mgrsPrecision = MgrsPrecision::HundredMetres;
  IfblPrecision ifblPrecision = IfblPrecision::Square1km;
  int degreeDecimals = kDefaultDegreeDecimals;
  // UTM numbers all in this zone; 0 for the zone of each point.
  int utmZone = 0;
};

ListChoices LoadListChoices();
void SaveListChoices(const ListChoices& choices);

// What the result box does with the output of a run.
struct OutputOptions {
  // The box is emptied before each run, so that the result stays line for
  // line beside the input.
  bool replaceResult = false;
  // IFBL codes written E4.35.22.
  bool ifblDots = false;
  // BD72 and WGS84 through "BD72 to ETRS89 (2)" instead of Molodensky.
  bool preciseTransformation = false;
};

OutputOptions LoadOutputOptions();
void SaveOutputOptions(const OutputOptions& options);

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
