#include "ui/InputEdit.h"

#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QStringDecoder>
#include <QUrl>

#include <optional>

namespace koord::ui {
namespace {

QString Decode(const QByteArray& data) {
  const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(data);
  if (marked == QStringConverter::Utf16LE || marked == QStringConverter::Utf16BE) {
    QStringDecoder utf16(*marked);
    return utf16(data);
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(data);
  return utf8.hasError() ? QString::fromLatin1(data) : text;
}

QString FirstLocalFile(const QMimeData* source) {
  if (!source->hasUrls()) return {};
  const QList<QUrl> urls = source->urls();
  return urls.isEmpty() ? QString() : urls.first().toLocalFile();
}

}  // namespace

QString ImportedText(const QByteArray& data) {
  QString text = Decode(data);
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

bool InputEdit::LoadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxDroppedFileSize) return false;
  const QByteArray bytes = file.read(kMaxDroppedFileSize);
  if (file.error() != QFileDevice::NoError) return false;
  setPlainText(ImportedText(bytes));
  emit FileLoaded(path);
  return true;
}

bool InputEdit::canInsertFromMimeData(const QMimeData* source) const {
  return !FirstLocalFile(source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void InputEdit::insertFromMimeData(const QMimeData* source) {
  const QString path = FirstLocalFile(source);
  if (path.isEmpty()) {
    QPlainTextEdit::insertFromMimeData(source);
  } else if (!LoadFile(path)) {
    QMessageBox::warning(this, QStringLiteral("Koord"),
                         QStringLiteral("Le fichier %1 ne peut pas être lu "
                                        "(ou dépasse %2 Mo).")
                             .arg(path)
                             .arg(kMaxDroppedFileSize / (1024 * 1024)));
  }
}

}  // namespace koord::ui
