#pragma once
// A run's results as the records of a file: the columns a file gets
// besides the input's, and the cells of each line, converted or refused,
// as koord-cli and the window write them.
//
//   ResultCells result(choices);     // -t lambert2008 --decimals 3
//   WriteLayout layout;
//   layout.columns = result.Columns({"Id", "Espèce"});
//   // Id, Espèce, X (real), Y (real), koord_refus
//   std::vector<std::string> cells{"P1", "Chêne"};
//   result.Converted(point, cells);  // ..., "649999.687", "670000.412", ""
//   result.Refused("Champ manquant : X", cells);  // ..., "", "", "Champ manquant : X"
//
// The result's columns (the kind read when shown, then each output's
// fields) are named as a text's header names them, in the run's language, and typed by ResultColumnTypes; their cells are the
// fields the engine writes for the line (its rounding, its decimal mark).

#include <string>
#include <string_view>
#include <vector>

#include "core/TransCoo.h"
#include "engine/Choices.h"
#include "engine/Kind.h"
#include "files/FileWriter.h"

namespace koord::files {

// The column that holds a text's whole line, when its first line names no
// columns.
inline constexpr std::string_view kLineColumn = "koord_ligne";

// A, B... Z, AA, AB...: a spreadsheet's name of its column `column`, from 0,
// for a workbook whose first row is no header.
std::string ColumnLetters(std::size_t column);

class ResultCells {
 public:
  explicit ResultCells(const BatchChoices& choices);

  // The input's columns (as text), the result's, then kRefusalColumn.
  std::vector<Column> Columns(const std::vector<std::string>& input) const;
  // Appends the result's fields of a converted point (a TransCoo after a
  // Conversion whose outputs of the choices' kinds have no OutputError),
  // after the kind it was read as when the choices show it, then an empty
  // refusal.
  void Converted(const TransCoo& point, CoordKind readAs, std::vector<std::string>& cells);
  // Appends empty result cells, then why the line was refused.
  void Refused(std::string_view why, std::vector<std::string>& cells) const;

 private:
  BatchChoices choices_;
  std::vector<const KindDescriptor*> outputs_;  // the first output, then the others
  OutputStyle style_;
  std::string fields_;
};

}  // namespace koord::files
