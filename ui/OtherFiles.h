#pragma once
// The files of other programs in the window: a workbook's sheet or a layer
// of points turned into the text of the input box, and the result saved as
// a workbook, a GPS file or a map layer. The file layer (files/), and GDAL
// with it, is started only by these functions, when such a file is opened
// or saved: a window that never meets one starts as fast as before.
//
//   if (const auto format = OtherFormatOf(path)) {
//     OtherFileText file = ReadOtherFile(path, *format, {}, input, Language::French);
//     box->setPlainText(file.text);   // a layer: "X\tY\tname...", a line per point
//   }

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/Choices.h"
#include "files/FileFormat.h"
#include "files/Geometry.h"
#include "support/Language.h"

class QTextDocument;

namespace koord::files {
class FileError;
}

namespace koord::ui {

// The format of another program that a path holds, by its content then its
// extension (a file that cannot be opened goes by its extension, so that
// opening it says why); nothing for a text, CSV included.
std::optional<files::FileFormat> OtherFormatOf(const QString& path);

// The format of another program that a result saved to `path` is written
// in, by its extension; nothing for a text or CSV file.
std::optional<files::FileFormat> SavedFormatOf(const QString& path);

// The sheets of a workbook, the layers of a map file, to choose from when
// there are several; empty otherwise.
QStringList PartsToChoose(const QString& path, files::FileFormat format);

// A file of another program as the input box's text.
struct OtherFileText {
  // A workbook: its rows, cells joined by tabs. A layer: a header naming
  // its system's coordinates and its fields, then a line per feature, its
  // coordinates then its attributes; a feature without a point has empty
  // coordinates, which the conversion refuses.
  QString text;
  // A layer of points, and its system; nothing for a workbook or a layer
  // that names none.
  bool layer = false;
  std::optional<files::CoordSystem> system;
  // Features without a point, and the first one's line and reason.
  std::size_t withoutPoint = 0;
  std::uint64_t firstWithoutPoint = 0;
  QString firstReason;
};

// Reads the file: `part` is the sheet or layer chosen, empty for the first
// or only one; `assumed` is the system of a layer that names none (the
// user's choice). Raises files::FileError when it cannot be read.
OtherFileText ReadOtherFile(const QString& path, files::FileFormat format, const QString& part,
                            const files::CoordSystem& assumed, Language language);

// The message of a file that could not be read or written, naming it by
// its name as the window shows it rather than its whole path.
QString FileMessage(const files::FileError& error, const QString& path, Language language);

// How a system is named to the user: « Lambert 1972 (EPSG 31370) ».
QString SystemName(const files::CoordSystem& system, Language language);

// The lines of the input box as a run reads them, joined by line feeds.
std::string LinesOf(const QTextDocument& input);

// Converts `lines` (LinesOf) with `choices` and writes each with its
// result to `path` in `format`; IFBL and MGRS results as their squares'
// polygons with `squares`. The file is replaced only when the whole of it
// is written; its layer or sheet is named `layerName`, or after the file
// when it is empty. Returns the message of a failure in `language`, empty
// on success; `unplaced` gets the lines the format had no place for.
QString SaveOtherFile(const QString& path, files::FileFormat format, const BatchChoices& choices,
                      bool squares, const QString& layerName, const std::string& lines,
                      Language language, std::size_t& unplaced);

}  // namespace koord::ui
