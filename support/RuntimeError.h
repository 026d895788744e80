#pragma once
// The one exception type of Koord: a fault that the batch converter catches
// and reports (overflow, floating-point fault, index out of range,
// a computation that does not converge). Refused input is not a fault: the
// conversion object reports it through its French error text instead.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "support/Language.h"

namespace koord {

// What went wrong; what() of the exception is its French text, and a
// caller that speaks another language writes FaultText instead.
enum class Fault {
  Overflow,                 // a value beyond the integer it must fit in
  FloatFault,               // NaN or infinity out of a computation
  LambertNoConvergence,     // the inverse Lambert latitude
  GeocentricNoConvergence,  // the geodetic latitude from geocentric X, Y, Z
  IndexOutOfRange,          // a table index beyond its table
  IndexNotInSelection,      // an IFBL sub-square index beyond 0..3
  MgrsTooShort,             // an MGRS reference without its square letters
  PastThePole,              // a datum shift that carries a latitude past a pole
};

inline constexpr std::array<std::pair<Fault, Translated>, 8> kFaultTexts{{
    {Fault::Overflow,
     {"Dépassement de capacité", "Capaciteitsoverschrijding", "Arithmetic overflow",
      "Arithmetischer Überlauf"}},
    {Fault::FloatFault,
     {"Erreur de calcul en virgule flottante", "Rekenfout met drijvende komma",
      "Floating-point error", "Gleitkomma-Rechenfehler"}},
    {Fault::LambertNoConvergence,
     {"Le calcul de la latitude Lambert ne converge pas",
      "De berekening van de Lambert-breedtegraad convergeert niet",
      "The Lambert latitude computation does not converge",
      "Die Berechnung der Lambert-Breite konvergiert nicht"}},
    {Fault::GeocentricNoConvergence,
     {"Le calcul de la latitude géocentrique ne converge pas",
      "De berekening van de geocentrische breedtegraad convergeert niet",
      "The geocentric latitude computation does not converge",
      "Die Berechnung der geozentrischen Breite konvergiert nicht"}},
    {Fault::IndexOutOfRange,
     {"Indice hors limites", "Index buiten bereik", "Index out of range",
      "Index außerhalb des Bereichs"}},
    {Fault::IndexNotInSelection,
     {"L'indice n'appartient pas à la sélection", "De index hoort niet bij de selectie",
      "The index is not in the selection", "Der Index gehört nicht zur Auswahl"}},
    {Fault::MgrsTooShort,
     {"Référence MGRS trop courte", "MGRS-referentie te kort", "MGRS reference too short",
      "MGRS-Referenz zu kurz"}},
    {Fault::PastThePole,
     {"Changement de datum au-delà du pôle", "Datumverschuiving voorbij de pool",
      "Datum shift past the pole", "Datumswechsel über den Pol hinaus"}},
}};

constexpr std::string_view FaultText(Fault fault, Language language) {
  for (const auto& [listed, text] : kFaultTexts) {
    if (listed == fault) return text.In(language);
  }
  return {};
}

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(Fault fault)
      : std::runtime_error(std::string(FaultText(fault, Language::French))), fault_(fault) {}

  Fault Code() const { return fault_; }

 private:
  Fault fault_;
};

}  // namespace koord
