#include "engine/Refusal.h"

#include <array>
#include <utility>

namespace koord {
namespace {

constexpr std::array<std::pair<Reason, std::string_view>, 6> kReasonTexts{{
    {Reason::MissingField, "Champ manquant"},
    {Reason::LineTooLong, "Ligne trop longue"},
    {Reason::OutsideUtm, "Hors des latitudes UTM (80° S à 84° N)"},
    {Reason::MgrsNotMade, "Référence MGRS impossible à établir"},
    {Reason::OutsideIfbl, "Hors de la grille IFBL"},
    {Reason::OutsideLambert,
     "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)"},
}};

}  // namespace

std::string_view ReasonText(Reason reason) {
  for (const auto& [listed, text] : kReasonTexts) {
    if (listed == reason) return text;
  }
  return {};  // Refused and Fault: the detail says it
}

}  // namespace koord
