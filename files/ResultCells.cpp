#include "files/ResultCells.h"

#include <algorithm>

namespace koord::files {
namespace {

// The engine's output style, its fields cut at tabs: no separator stands
// inside a field.
OutputStyle StyleOf(const BatchChoices& choices) {
  OutputStyle style;
  style.separator = '\t';
  style.decimalMark = choices.decimalMark;
  style.degreeDecimals =
      std::clamp(choices.degreeDecimals, kMinDegreeDecimals, kMaxDegreeDecimals);
  style.ifblDots = choices.ifblDots;
  style.mgrsShort = choices.mgrsShort;
  style.metres = {std::clamp(choices.metreDecimals, 0, kMaxMetreDecimals), choices.decimalMark,
                  '\t'};
  return style;
}

std::vector<const KindDescriptor*> OutputsOf(const BatchChoices& choices) {
  std::vector<const KindDescriptor*> outputs{&Describe(choices.coorDest)};
  for (const CoordKind kind : choices.moreOutputs) outputs.push_back(&Describe(kind));
  return outputs;
}

}  // namespace

std::string ColumnLetters(std::size_t column) {
  constexpr std::size_t kLetters = 26;
  std::string name;
  for (std::size_t n = column + 1; n > 0; n = (n - 1) / kLetters) {
    name.insert(name.begin(), static_cast<char>('A' + (n - 1) % kLetters));
  }
  return name;
}

ResultCells::ResultCells(const BatchChoices& choices)
    : choices_(choices), outputs_(OutputsOf(choices)), style_(StyleOf(choices)) {}

std::vector<Column> ResultCells::Columns(const std::vector<std::string>& input) const {
  std::vector<Column> columns;
  for (const std::string& name : input) columns.push_back({name});
  if (choices_.showKind) columns.push_back({std::string(kKindColumn.In(choices_.language))});
  for (const KindDescriptor* output : outputs_) {
    const std::vector<ColumnType> types = ResultColumnTypes(output->kind);
    for (std::size_t i = 0; i < output->fieldCount; ++i) {
      columns.push_back({std::string(output->fieldNames[i].In(choices_.language)), types.at(i)});
    }
  }
  columns.push_back({std::string(kRefusalColumn)});
  return columns;
}

void ResultCells::Converted(const TransCoo& point, CoordKind readAs,
                            std::vector<std::string>& cells) {
  if (choices_.showKind) cells.emplace_back(Describe(readAs).cliName);
  for (const KindDescriptor* output : outputs_) {
    fields_.clear();
    output->write(point, style_, fields_);
    std::string_view rest = fields_;
    for (std::size_t i = 0; i + 1 < output->fieldCount; ++i) {
      const std::size_t tab = rest.find('\t');
      cells.emplace_back(rest.substr(0, tab));
      rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }
    cells.emplace_back(rest);
  }
  cells.emplace_back();
}

void ResultCells::Refused(std::string_view why, std::vector<std::string>& cells) const {
  std::size_t empty = choices_.showKind ? 1 : 0;
  for (const KindDescriptor* output : outputs_) empty += output->fieldCount;
  cells.insert(cells.end(), empty, std::string());
  cells.emplace_back(why);
}

}  // namespace koord::files
