#pragma once
// The input box: a plain text box that also loads a text or CSV file
// dropped on it.

#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>

namespace koord::ui {

// Largest file loaded by a drop (bytes); far beyond any list of points.
inline constexpr qint64 kMaxDroppedFileSize = 64 * 1024 * 1024;

// The text of a dropped file, ready to convert: UTF-8 (Latin-1 when it is
// not valid UTF-8), line ends made "\n", and the separators of CSV files
// made tabs: every ';', and the comma of a line that has no tab, no ';'
// and exactly one comma. Other commas stay (they are decimal marks).
QString ImportedText(const QByteArray& data);

class InputEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

  // Replaces the text by the file's; false (and the text unchanged) when it
  // cannot be read or is too large.
  bool LoadFile(const QString& path);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace koord::ui
