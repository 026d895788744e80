#pragma once
// The input box: a numbered text box that also loads a text or CSV file
// dropped on it, and refuses any other file with what to do instead. It
// knows whether it holds a file's text, until that text is emptied,
// replaced by a paste or undone.

#include <QString>
#include <functional>

#include "ui/NumberedEdit.h"

namespace koord::ui {

class InputEdit : public NumberedEdit {
  Q_OBJECT

 public:
  explicit InputEdit(QWidget* parent = nullptr);

  // Replaces the text by the file's, as one step that Ctrl+Z undoes; when
  // the file cannot be read or is no text, the text stays and FileRefused
  // tells why. True when loaded.
  bool LoadFile(const QString& path);
  // Replaces the text by `text`, read from the file `path` by another
  // reader (a workbook, a map layer), as LoadFile does.
  void LoadText(const QString& path, const QString& text);
  // What opens a file dropped on the box; LoadFile until one is given.
  void SetFileOpener(std::function<bool(const QString& path)> open) { open_ = std::move(open); }
  // The file whose text the box holds; empty for a text typed or pasted.
  QString LoadedFile() const { return loadedFile_; }

 signals:
  // A file's text was loaded into the box.
  void FileLoaded(const QString& path);
  // A file was not loaded: the French message says why and what to do.
  void FileRefused(const QString& message);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void TextChanged();

  std::function<bool(const QString&)> open_;
  QString loadedFile_;
  // The undo steps once the file was loaded: fewer, and the load is undone.
  int loadedSteps_ = 0;
};

}  // namespace koord::ui
