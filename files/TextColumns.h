#pragma once
// The columns that a text's lines get in a file of another program: the
// fields of its header, cut where the engine cut it, or, when its first
// line names no columns, one column holding each whole line (kLineColumn).
// What koord-cli and the window write for a text's lines, beside their
// results.
//
//   TextColumns columns;
//   columns.Settle("Id;X;Y", /*header=*/true, Separator::Semicolon);
//   columns.Names()                     // {"Id", "X", "Y"}
//   columns.Cells("P1;150000;170000;x", cells);  // {"P1", "150000", "170000;x"}

#include <string>
#include <string_view>
#include <vector>

#include "engine/Choices.h"
#include "engine/FieldSplitter.h"

namespace koord::files {

class TextColumns {
 public:
  // From the text's first line that is not blank: with `header` (the
  // engine read it as one), its fields cut at `separator`; otherwise one
  // column, kLineColumn.
  void Settle(std::string_view first, bool header, Separator separator);
  const std::vector<std::string>& Names() const { return names_; }

  // A line's cells, one per name: its fields, those beyond the header's
  // names kept in the last column with their separators; or the whole line.
  void Cells(std::string_view line, std::vector<std::string>& cells);

 private:
  bool fields_ = false;
  Separator separator_ = Separator::Tab;
  FieldSplitter splitter_;
  std::vector<std::string> names_;
};

}  // namespace koord::files
