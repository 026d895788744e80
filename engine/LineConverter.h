#pragma once
// Converts one line of the input text with one conversion object, for the
// text output or for the map. Converti and koord-cli share it, so both give
// the same text for the same line.
//
//   LineConverter converter(choices, /*onMap=*/false);
//   converter.SelectPrecision();            // may raise RuntimeError
//   const LineOutcome& r = converter.Convert("150000\t170000");
//   // r.status == LineStatus::Converted, r.text == "31UFS..."

#include <cstdint>
#include <string>
#include <string_view>

#include "core/TransCoo.h"
#include "engine/BatchConverter.h"

namespace koord {

// Reasons given in place of an output, and the fault of a bad precision.
inline constexpr std::string_view kMissingField = "Champ manquant";
inline constexpr std::string_view kOutsideUtm =
    "Hors des latitudes UTM (80° S à 84° N)";
inline constexpr std::string_view kMgrsNotMade =
    "Référence MGRS impossible à établir";
inline constexpr std::string_view kOutsideIfbl = "Hors de la grille IFBL";
inline constexpr std::string_view kUnknownDest =
    "Type de coordonnées de destination inconnu";
inline constexpr std::string_view kLineTooLong = "Ligne trop longue";
inline constexpr std::string_view kBadPrecision =
    "Indice hors limites : précision inconnue";

enum class LineStatus {
  Blank,      // only blanks and tabs: an empty output line, no conversion
  Converted,  // text holds the output fields (text mode); x, y the point
  Refused,    // text holds why: the object's Error or a missing result
  Fault,      // text holds the fault: a missing field, an overflow
};

struct LineOutcome {
  LineStatus status = LineStatus::Blank;
  std::string text;
  // The point to plot in map mode, Lambert 1972 metres.
  double x = 0;
  double y = 0;
};

class LineConverter {
 public:
  // Selects the datums of the choices; a position outside 0..3 selects
  // nothing and the object keeps its own ("EUR-M").
  LineConverter(const BatchChoices& choices, bool onMap);

  // Sets the MGRS or IFBL precision from its table. Raises RuntimeError
  // when the precision position lies outside the table; the object then
  // keeps its default (full MGRS reference, 1 x 1 km IFBL square).
  void SelectPrecision();

  // Converts one line (without its line end); a line flagged tooLong is
  // refused unread. The outcome stays valid until the next call.
  const LineOutcome& Convert(std::string_view line, bool tooLong = false);

 private:
  void ReadInput(std::string_view line);
  void ReadResult();
  void FormatOutput();
  void Refuse(std::string_view reason);

  const BatchChoices choices_;
  const bool onMap_;
  TransCoo point_;
  LineOutcome outcome_;
};

}  // namespace koord
