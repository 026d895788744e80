#pragma once
// Cuts a line into fields at a separator: a tab, a semicolon, a comma, or
// runs of blanks and tabs. A field may be quoted with double quotes, as
// spreadsheets write CSV: the quotes go, and a doubled quote inside stands
// for one.
//
//   FieldSplitter fields;
//   fields.Split("id;\"50,85\";4,35", Separator::Semicolon, 3);
//   fields[1] == "50,85"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Choices.h"

namespace koord {

class FieldSplitter {
 public:
  // Cuts the first `wanted` fields of `line` (fewer when the line has
  // fewer). The fields stay valid until the next Split and while the line
  // lives.
  void Split(std::string_view line, Separator separator, std::size_t wanted);

  std::size_t Count() const { return fields_.size(); }
  std::string_view operator[](std::size_t i) const { return fields_[i]; }
  std::span<const std::string_view> All() const { return fields_; }

 private:
  // The common line, with no quote anywhere: fields cut at each separator.
  void SplitUnquoted(std::string_view line, char separator, std::size_t wanted);
  std::string_view TakeQuoted(std::string_view& rest, char separator);

  std::vector<std::string_view> fields_;
  std::string unquoted_;  // room for quoted fields with doubled quotes
};

// Appends `field` for a line cut at `separator` (its output character):
// quoted, with its quotes doubled, when it holds the separator or a quote
// and the separator is not a tab.
void AppendField(std::string& out, std::string_view field, char separator);

}  // namespace koord
