#include "engine/Refusal.h"

#include <array>
#include <utility>

namespace koord {
namespace {

constexpr std::array<std::pair<Reason, std::string_view>, 5> kReasonTexts{{
    {Reason::MissingField, "Champ manquant"},
    {Reason::LineTooLong, "Ligne trop longue"},
    {Reason::OutsideUtm, "Hors des latitudes UTM (80° S à 84° N)"},
    {Reason::MgrsNotMade, "Référence MGRS impossible à établir"},
    {Reason::OutsideIfbl, "Hors de la grille IFBL"},
}};

}  // namespace

std::string_view ReasonText(Reason reason) {
  for (const auto& [listed, text] : kReasonTexts) {
    if (listed == reason) return text;
  }
  return {};  // Refused and Fault: the detail says it
}

}  // namespace koord
