#pragma once
// Files of points and of results as spreadsheet users have them: a text or
// CSV file read whatever its encoding, anything else refused with what to
// do instead, and the result written whole or not at all.

#include <QByteArray>
#include <QString>

namespace koord::ui {

// Largest file read (bytes); far beyond any list of points.
inline constexpr qint64 kMaxTextFileSize = 64 * 1024 * 1024;

// What the bytes of a file are, as far as reading points goes.
enum class FileContent { Text, Workbook, OtherBinary };

// A spreadsheet workbook (a ZIP container or an OLE compound file, as
// .xlsx, .ods and .xls are), other binary data (NUL bytes or control
// characters, as in images and PDF files), or text: UTF-16 with its mark,
// or bytes with at most a few stray control characters.
FileContent ContentOf(const QByteArray& data);

// The text of a file, as it stands: UTF-8 with or without a byte-order
// mark, UTF-16 with one, Windows-1252 when it is none of these; line ends
// made "\n". Its separators are left for the conversion to read.
QString ImportedText(const QByteArray& data);

// A file read for the input box: its text, or why it was not read (a French
// message that says what to do). The box keeps its text when `error` is
// set.
struct TextFile {
  QString text;
  QString error;
};
TextFile ReadTextFile(const QString& path);

// Writes the result text to `path`, or nothing: on any failure the file
// that was there stays as it was. A path ending in .csv gets CSV as
// spreadsheets read it: UTF-8 with a byte-order mark, CR LF, fields
// separated by semicolons (a text whose fields are separated by tabs is
// converted, fields quoted where needed; `separator` says what separates
// the fields of the text). Any other path gets the text as it is, in
// UTF-8. Returns the French message of a failure, or nothing.
QString WriteResultFile(const QString& path, const QString& text, char separator);

}  // namespace koord::ui
