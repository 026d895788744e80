#pragma once
// The input box: a numbered text box that also loads a text or CSV file
// dropped on it, and refuses any other file with what to do instead.

#include <QString>

#include "ui/NumberedEdit.h"

namespace koord::ui {

class InputEdit : public NumberedEdit {
  Q_OBJECT

 public:
  using NumberedEdit::NumberedEdit;

  // Replaces the text by the file's, as one step that Ctrl+Z undoes; when
  // the file cannot be read or is no text, the text stays and FileRefused
  // tells why. True when loaded.
  bool LoadFile(const QString& path);

 signals:
  // A file's text was loaded into the box.
  void FileLoaded(const QString& path);
  // A file was not loaded: the French message says why and what to do.
  void FileRefused(const QString& message);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace koord::ui
