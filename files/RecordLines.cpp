#include "files/RecordLines.h"

#include "engine/Kind.h"

namespace koord::files {
namespace {

// A cell as a field of a line cut at tabs.
void AppendCell(std::string& line, std::string_view cell) {
  const bool quoted = cell.find_first_of("\t\"") != std::string_view::npos;
  if (quoted) line += '"';
  for (const char c : cell) {
    if (c == '"') line += '"';
    line += c == '\r' || c == '\n' ? ' ' : c;
  }
  if (quoted) line += '"';
}

void AppendCells(std::string& line, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    AppendCell(line, cells[i]);
  }
}

void JoinCells(std::string& line, const std::vector<std::string>& cells) {
  line.clear();
  AppendCells(line, cells);
}

}  // namespace

RecordLines::RecordLines(const FileReader& reader, const CoordSystem& system, Language language,
                         bool withCells)
    : reader_(reader),
      system_(reader.System().value_or(system)),
      language_(language),
      withCells_(withCells) {}

std::string_view RecordLines::First() {
  if (!reader_.HasGeometry()) {
    JoinCells(line_, reader_.FieldNames());
    return line_;
  }
  const KindDescriptor& kind = Describe(system_.kind);
  line_.clear();
  for (std::size_t field = 0; field < kind.fieldCount; ++field) {
    if (field > 0) line_ += '\t';
    line_ += kind.fieldNames[field].In(language_);
  }
  if (withCells_ && !reader_.FieldNames().empty()) {
    line_ += '\t';
    AppendCells(line_, reader_.FieldNames());
  }
  return line_;
}

std::string_view RecordLines::Of(const Record& record) {
  if (!reader_.HasGeometry()) {
    JoinCells(line_, record.cells);
  } else if (record.point) {
    line_ = EngineFields(system_, *record.point);
  } else {
    line_.assign(Describe(system_.kind).fieldCount - 1, '\t');
  }
  if (withCells_ && reader_.HasGeometry() && !record.cells.empty()) {
    line_ += '\t';
    AppendCells(line_, record.cells);
  }
  return line_;
}

}  // namespace koord::files
