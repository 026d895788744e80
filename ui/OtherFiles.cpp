#include "ui/OtherFiles.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchRun.h"
#include "engine/Kind.h"
#include "files/FileError.h"
#include "files/FileReader.h"
#include "files/RecordLines.h"
#include "files/TextResultFile.h"

namespace koord::ui {
namespace {

std::string Local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Converting threads of a save: the calling one writes the file.
constexpr unsigned kSavingThreads = 2;

// The outcomes of a run written to the file with their lines' texts.
class FileSink : public LineSink {
 public:
  FileSink(files::TextResultFile& file, const std::vector<std::string_view>& lines)
      : file_(file), lines_(lines) {}

  bool Take(const LineResult& result) override {
    const std::size_t index = static_cast<std::size_t>(result.number - 1);
    file_.Take(result, index < lines_.size() ? lines_[index] : std::string_view());
    return true;
  }

 private:
  files::TextResultFile& file_;
  const std::vector<std::string_view>& lines_;
};

}  // namespace

std::optional<files::FileFormat> OtherFormatOf(const QString& path) {
  const std::optional<files::FileFormat> format = files::DetectFormat(Local(path));
  if (format && files::Traits(*format).read) return format;
  return std::nullopt;
}

std::optional<files::FileFormat> SavedFormatOf(const QString& path) {
  const std::optional<files::FileFormat> format = files::FormatOfPath(Local(path));
  if (format && *format != files::FileFormat::Csv && files::Traits(*format).write) return format;
  return std::nullopt;
}

QStringList PartsToChoose(const QString& path, files::FileFormat format) {
  QStringList parts;
  for (const std::string& name : files::PartsOf(Local(path), format)) {
    parts << FromUtf8(name);
  }
  return parts.size() > 1 ? parts : QStringList();
}

OtherFileText ReadOtherFile(const QString& path, files::FileFormat format, const QString& part,
                            const files::CoordSystem& assumed, Language language) {
  files::ReadOptions options;
  const bool workbook = !files::Traits(format).geometry;
  (workbook ? options.sheet : options.layer) = part.toStdString();
  files::FileReader reader(Local(path), options, format);
  files::RecordLines lines(reader, assumed, language, /*withCells=*/true);
  OtherFileText file;
  file.layer = reader.HasGeometry();
  file.system = reader.System();
  std::string text(lines.First());
  files::Record record;
  std::uint64_t number = 1;
  while (reader.Next(record)) {
    ++number;
    text += '\n';
    text += lines.Of(record);
    if (reader.HasGeometry() && !record.point) {
      if (file.withoutPoint++ == 0) {
        file.firstWithoutPoint = number;
        file.firstReason = FromUtf8(record.RefusalText(language));
      }
    }
  }
  text += '\n';
  file.text = FromUtf8(text);
  return file;
}

QString FileMessage(const files::FileError& error, const QString& path, Language language) {
  const files::FileError named(error.Action(), QFileInfo(path).fileName().toStdString(),
                               error.Problem(), error.Detail(), error.ErrorNumber());
  return FromUtf8(named.Text(language));
}

QString SystemName(const files::CoordSystem& system, Language language) {
  const KindDescriptor& kind = Describe(system.kind);
  QString name = FromUtf8(kind.label.In(language));
  if (!kind.singleDatum)
    name += QStringLiteral(", ") + FromUtf8(EntryOf(kDatumTable, system.datum).label);
  if (system.kind == CoordKind::Utm) name += QStringLiteral(" %1").arg(system.utmZone);
  if (system.epsg != 0) name += QStringLiteral(" (EPSG %1)").arg(system.epsg);
  return name;
}

std::string LinesOf(const QTextDocument& input) {
  // Each block's text, no-break spaces kept.
  std::string bytes;
  for (QTextBlock block = input.firstBlock(); block.isValid(); block = block.next()) {
    bytes += block.text().toUtf8().toStdString();
    if (block.next().isValid()) bytes += '\n';
  }
  return bytes;
}

QString SaveOtherFile(const QString& path, files::FileFormat format, const BatchChoices& choices,
                      bool squares, const QString& layerName, const std::string& bytes,
                      Language language, std::size_t& unplaced) {
  unplaced = 0;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= bytes.size();) {
    const std::size_t end = bytes.find('\n', start);
    const std::size_t stop = end == std::string::npos ? bytes.size() : end;
    lines.emplace_back(bytes.data() + start, stop - start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  try {
    files::TextResultFile file(Local(path), format, choices, squares, layerName.toStdString());
    FileSink sink(file, lines);
    BatchRun run(choices, RunOutput::Text, sink, kSavingThreads, &file.Work());
    run.Feed(bytes);
    run.Finish();
    unplaced = file.Commit();
  } catch (const files::FileError& error) {
    return FileMessage(error, path, language);
  }
  return {};
}

}  // namespace koord::ui
