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

bool InputEdit::LoadFile(const QString& path) {
  const TextFile file = ReadTextFile(path);
  if (!file.error.isEmpty()) {
    emit FileRefused(file.error);
    return false;
  }
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  all.insertText(file.text);
  emit FileLoaded(path);
  return true;
}

bool InputEdit::canInsertFromMimeData(const QMimeData* source) const {
  return !FirstLocalFile(source).isEmpty() || NumberedEdit::canInsertFromMimeData(source);
}

void InputEdit::insertFromMimeData(const QMimeData* source) {
  const QString path = FirstLocalFile(source);
  if (path.isEmpty()) {
    NumberedEdit::insertFromMimeData(source);
  } else {
    LoadFile(path);
  }
}

}  // namespace koord::ui
