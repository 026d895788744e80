#pragma once
// The input box: a plain text box that also loads a text or CSV file
// dropped on it.

#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>

namespace koord::ui {

// Largest file loaded by a drop (bytes); far beyond any list of points.
inline constexpr qint64 kMaxDroppedFileSize = 64 * 1024 * 1024;

// The text of a dropped file, as it stands: UTF-8 with or without a
// byte-order mark, UTF-16 with one, Latin-1 when it is none of these; line
// ends made "\n". Its separators are left for the conversion to read.
QString ImportedText(const QByteArray& data);

class InputEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

  // Replaces the text by the file's; false (and the text unchanged) when it
  // cannot be read or is too large.
  bool LoadFile(const QString& path);

 signals:
  // A file's text was loaded into the box.
  void FileLoaded(const QString& path);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace koord::ui
