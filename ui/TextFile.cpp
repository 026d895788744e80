#include "ui/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

#include "engine/FieldSplitter.h"
#include "engine/Windows1252.h"

namespace koord::ui {

// The context of the file messages in the translations.
class FileTexts {
  Q_DECLARE_TR_FUNCTIONS(FileTexts)
};

namespace {

// Bytes looked at to tell text from binary data.
constexpr qsizetype kSniffedBytes = 64 * 1024;
// Control characters a text may hold by accident, per this many bytes.
constexpr qsizetype kBytesPerStrayControl = 100;
// The marks at the start of workbook files: ZIP (.xlsx, .ods) and OLE
// compound files (.xls).
const std::array<QByteArray, 2> kWorkbookMarks{QByteArray("PK\x03\x04", 4),
                                               QByteArray("\xD0\xCF\x11\xE0", 4)};
// Separator of the CSV files written, as French spreadsheets read them.
constexpr char kCsvSeparator = ';';
constexpr char kCsvFileSeparator[] = "\r\n";
const QByteArray kUtf8Mark("\xEF\xBB\xBF");

bool IsStrayControl(unsigned char byte) {
  return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
         byte != '\v';
}

std::optional<QStringConverter::Encoding> Utf16Mark(const QByteArray& data) {
  const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(data);
  if (marked == QStringConverter::Utf16LE || marked == QStringConverter::Utf16BE) return marked;
  return std::nullopt;
}

QString FromWindows1252(const QByteArray& data) {
  std::string utf8;
  AppendWindows1252(utf8,
                    std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
  return QString::fromStdString(utf8);
}

QString Decode(const QByteArray& data) {
  if (const auto utf16 = Utf16Mark(data)) {
    QStringDecoder decoder(*utf16);
    return decoder(data);
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(data);
  return utf8.hasError() ? FromWindows1252(data) : text;
}

QString FileName(const QString& path) {
  return QFileInfo(path).fileName();
}

// A tab-separated line as a CSV record.
std::string CsvRecord(const QString& line) {
  std::string record;
  const QStringList fields = line.split(u'\t');
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) record += kCsvSeparator;
    AppendField(record, fields[i].toStdString(), kCsvSeparator);
  }
  return record;
}

QByteArray CsvBytes(const QString& text, char separator) {
  QByteArray bytes = kUtf8Mark;
  QStringList lines = text.split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (const QString& line : lines) {
    if (separator == '\t') {
      bytes += CsvRecord(line);
    } else {
      bytes += line.toUtf8();
    }
    bytes += kCsvFileSeparator;
  }
  return bytes;
}

}  // namespace

FileContent ContentOf(const QByteArray& data) {
  for (const QByteArray& mark : kWorkbookMarks) {
    if (data.startsWith(mark)) return FileContent::Workbook;
  }
  if (Utf16Mark(data)) return FileContent::Text;
  const QByteArray head = data.left(kSniffedBytes);
  qsizetype strays = 0;
  for (const char c : head) {
    if (c == '\0') return FileContent::OtherBinary;
    if (IsStrayControl(static_cast<unsigned char>(c))) ++strays;
  }
  return strays > head.size() / kBytesPerStrayControl ? FileContent::OtherBinary
                                                      : FileContent::Text;
}

QString ImportedText(const QByteArray& data) {
  QString text = Decode(data);
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

TextFile ReadTextFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {{},
            FileTexts::tr("Le fichier «\u00A0%1\u00A0» ne peut pas être lu\u00A0: %2.")
                .arg(FileName(path), file.errorString())};
  }
  if (file.size() > kMaxTextFileSize) {
    return {
        {},
        FileTexts::tr("Le fichier «\u00A0%1\u00A0» dépasse %2\u00A0Mo, plus que Koord n'en lit.")
            .arg(FileName(path))
            .arg(kMaxTextFileSize / (1024 * 1024))};
  }
  const QByteArray bytes = file.read(kMaxTextFileSize);
  if (file.error() != QFileDevice::NoError) {
    return {{},
            FileTexts::tr("Le fichier «\u00A0%1\u00A0» ne peut pas être lu\u00A0: %2.")
                .arg(FileName(path), file.errorString())};
  }
  switch (ContentOf(bytes)) {
    case FileContent::Workbook:
      return {{},
              FileTexts::tr("«\u00A0%1\u00A0» est un classeur de tableur, que Koord ne lit pas. "
                            "Dans le tableur, enregistrez la feuille au format CSV "
                            "(Enregistrer sous… > CSV), puis ouvrez ce fichier CSV.")
                  .arg(FileName(path))};
    case FileContent::OtherBinary:
      return {{},
              FileTexts::tr("«\u00A0%1\u00A0» n'est pas un fichier texte (une image, un PDF…). "
                            "Koord lit les fichiers texte et CSV\u00A0: enregistrez les points "
                            "au format CSV, puis ouvrez ce fichier CSV.")
                  .arg(FileName(path))};
    case FileContent::Text: break;
  }
  return {ImportedText(bytes), {}};
}

QString WriteResultFile(const QString& path, const QString& text, char separator) {
  const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
  QSaveFile file(path);
  // Unbuffered, a short write (a full disk) shows in the count written; a
  // buffered one is lost in the flush and the truncated file committed.
  const QIODevice::OpenMode mode =
      QIODevice::WriteOnly | QIODevice::Unbuffered | (csv ? QIODevice::NotOpen : QIODevice::Text);
  const QByteArray bytes = csv ? CsvBytes(text, separator) : text.toUtf8();
  if (!file.open(mode) || file.write(bytes) != bytes.size() || !file.commit()) {
    return FileTexts::tr(
               "Le résultat n'a pas pu être enregistré dans «\u00A0%1\u00A0»\u00A0: %2. "
               "Le fichier qui s'y trouvait n'a pas été modifié.")
        .arg(FileName(path), file.errorString());
  }
  return {};
}

}  // namespace koord::ui
