#include "ui/InputEdit.h"

#include <QMimeData>
#include <QTextCursor>
#include <QUrl>

#include "ui/TextFile.h"

namespace koord::ui {
namespace {

QString FirstLocalFile(const QMimeData* source) {
  if (!source->hasUrls()) return {};
  const QList<QUrl> urls = source->urls();
  return urls.isEmpty() ? QString() : urls.first().toLocalFile();
}

}  // namespace

InputEdit::InputEdit(QWidget* parent) : NumberedEdit(parent) {
  connect(this, &QPlainTextEdit::textChanged, this, &InputEdit::TextChanged);
}

void InputEdit::TextChanged() {
  if (loadedFile_.isEmpty()) return;
  if (document()->isEmpty() || document()->availableUndoSteps() < loadedSteps_) {
    loadedFile_.clear();
  }
}

bool InputEdit::LoadFile(const QString& path) {
  const TextFile file = ReadTextFile(path);
  if (!file.error.isEmpty()) {
    emit FileRefused(file.error);
    return false;
  }
  LoadText(path, file.text);
  return true;
}

void InputEdit::LoadText(const QString& path, const QString& text) {
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  all.insertText(text);
  loadedFile_ = path;
  loadedSteps_ = document()->availableUndoSteps();
  emit FileLoaded(path);
}

bool InputEdit::canInsertFromMimeData(const QMimeData* source) const {
  return !FirstLocalFile(source).isEmpty() || NumberedEdit::canInsertFromMimeData(source);
}

void InputEdit::insertFromMimeData(const QMimeData* source) {
  const QString path = FirstLocalFile(source);
  if (path.isEmpty()) {
    // A paste over the whole text, or into an empty box, is a new text.
    const QTextCursor cursor = textCursor();
    if (document()->isEmpty() || (cursor.selectionStart() == 0 &&
                                  cursor.selectionEnd() >= document()->characterCount() - 1)) {
      loadedFile_.clear();
    }
    NumberedEdit::insertFromMimeData(source);
  } else {
    if (open_) {
      open_(path);
    } else {
      LoadFile(path);
    }
  }
}

}  // namespace koord::ui
