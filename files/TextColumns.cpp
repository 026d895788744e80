#include "files/TextColumns.h"

#include <limits>

#include "files/ResultCells.h"

namespace koord::files {

void TextColumns::Settle(std::string_view first, bool header, Separator separator) {
  fields_ = header;
  separator_ = separator;
  names_.clear();
  if (!header) {
    names_.emplace_back(kLineColumn);
    return;
  }
  splitter_.Split(first, separator_, std::numeric_limits<std::size_t>::max());
  names_.assign(splitter_.All().begin(), splitter_.All().end());
}

void TextColumns::Cells(std::string_view line, std::vector<std::string>& cells) {
  cells.clear();
  if (!fields_) {
    cells.emplace_back(line);
    return;
  }
  splitter_.Split(line, separator_, std::numeric_limits<std::size_t>::max());
  for (std::size_t i = 0; i < splitter_.Count(); ++i) {
    if (i >= names_.size() && !cells.empty()) {
      cells.back() += EntryOf(kSeparatorTable, separator_).input;
      cells.back() += splitter_[i];
    } else {
      cells.emplace_back(splitter_[i]);
    }
  }
  cells.resize(names_.size());
}

}  // namespace koord::files
