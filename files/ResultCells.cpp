#include "files/ResultCells.h"

#include <algorithm>

namespace koord::files {
namespace {

// The engine's output style, its fields cut at tabs: no separator stands
// inside a field.
OutputStyle StyleOf(const BatchChoices& choices) {
  const int metres = std::clamp(choices.metreDecimals, 0, kMaxMetreDecimals);
  return {'\t', choices.decimalMark,
          std::clamp(choices.degreeDecimals, kMinDegreeDecimals, kMaxDegreeDecimals),
          choices.ifblDots, MetreStyle{metres, choices.decimalMark, '\t'}};
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
    : choices_(choices), kind_(Describe(choices.coorDest)), style_(StyleOf(choices)) {}

std::vector<Column> ResultCells::Columns(const std::vector<std::string>& input) const {
  std::vector<Column> columns;
  for (const std::string& name : input) columns.push_back({name});
  const std::vector<ColumnType> types = ResultColumnTypes(kind_.kind);
  for (std::size_t i = 0; i < kind_.fieldCount; ++i) {
    columns.push_back({std::string(kind_.fieldNames[i].In(choices_.language)), types.at(i)});
  }
  columns.push_back({std::string(kRefusalColumn)});
  return columns;
}

void ResultCells::Converted(const TransCoo& point, std::vector<std::string>& cells) {
  fields_.clear();
  kind_.write(point, style_, fields_);
  std::string_view rest = fields_;
  for (std::size_t i = 0; i + 1 < kind_.fieldCount; ++i) {
    const std::size_t tab = rest.find('\t');
    cells.emplace_back(rest.substr(0, tab));
    rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
  }
  cells.emplace_back(rest);
  cells.emplace_back();
}

void ResultCells::Refused(std::string_view why, std::vector<std::string>& cells) const {
  cells.insert(cells.end(), kind_.fieldCount, std::string());
  cells.emplace_back(why);
}

}  // namespace koord::files
