#pragma once
// The refusals of the conversion object: a code with its data (the
// reference of a refused MGRS input), and its text in each language. The
// codes name the input that the object refuses (its Error property holds
// the French text) and the outputs that a converted point has not
// (TransCoo::OutputError).
//
//   ConversionErrorText(ConversionError::BadMgrs, "31UE", Language::English)
//       // "Invalid MGRS coordinates (31UE)"
//   ConversionErrorText(ConversionError::OutsideLambert, {}, Language::English)
//       // "Outside the Lambert 1972 domain (X from 0 to 310,000 m, Y from 0 to 260,000 m)"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "support/Language.h"

namespace koord {

enum class ConversionError {
  None,
  DatumNotSet,  // a datum code that selected nothing
  UnknownKind,  // an input kind the object does not know
  BadMgrs,      // followed by the reference as given and ")"
  BadLambert,
  BadIfbl,
  BadDms,
  BadDeg,
  BadLambert2008,
  BadUtm,
  OutsideBand,  // UTM input outside the latitude band written, followed by its letter
  // Outputs that a converted point has not.
  OutsideUtm,          // MGRS or UTM output for a latitude outside the UTM grid
  MgrsNotMade,         // MGRS output that the UTM routines could not make
  OutsideIfbl,         // IFBL output for a point outside the lettered grid
  OutsideLambert,      // Lambert 1972 output outside the bounds of Lambert 1972 input
  OutsideLambert2008,  // the same for Lambert 2008
  UtmZoneTooFar,       // UTM output in a zone given, too far from the point
};

// The texts of the refusals; the numbers they name are written %1, %2...
// and filled in by ConversionErrorText from the constants they describe.
inline constexpr std::array<std::pair<ConversionError, Translated>, 16> kConversionErrorTexts{{
    {ConversionError::DatumNotSet,
     {"Datum non initialisé", "Datum niet ingesteld", "Datum not set", "Datum nicht festgelegt"}},
    {ConversionError::UnknownKind,
     {"Type de coordonnées originales inconnu", "Onbekend type van de oorspronkelijke coördinaten",
      "Unknown type of the original coordinates", "Unbekannter Typ der Ausgangskoordinaten"}},
    {ConversionError::BadMgrs,
     {"Coordonnées MGRS erronées (", "Foute MGRS-coördinaten (", "Invalid MGRS coordinates (",
      "Fehlerhafte MGRS-Koordinaten ("}},
    {ConversionError::BadLambert,
     {"Coordonnées Lambert incorrectes", "Onjuiste Lambert 72-coördinaten",
      "Incorrect Lambert coordinates", "Ungültige Lambert-Koordinaten"}},
    {ConversionError::BadIfbl,
     {"Coordonnée IFBL incorrecte", "Onjuist IFBL-hok", "Incorrect IFBL square",
      "Ungültiges IFBL-Quadrat"}},
    {ConversionError::BadDms,
     {"Coordonnées DMS incorrectes", "Onjuiste DMS-coördinaten", "Incorrect DMS coordinates",
      "Ungültige DMS-Koordinaten"}},
    {ConversionError::BadDeg,
     {"Coordonnées DEG incorrectes", "Onjuiste DEG-coördinaten", "Incorrect DEG coordinates",
      "Ungültige DEG-Koordinaten"}},
    {ConversionError::BadLambert2008,
     {"Coordonnées Lambert 2008 incorrectes", "Onjuiste Lambert 2008-coördinaten",
      "Incorrect Lambert 2008 coordinates", "Ungültige Lambert-2008-Koordinaten"}},
    {ConversionError::BadUtm,
     {"Coordonnées UTM incorrectes", "Onjuiste UTM-coördinaten", "Incorrect UTM coordinates",
      "Ungültige UTM-Koordinaten"}},
    {ConversionError::OutsideBand,
     {"Nord hors de la bande de latitude ", "Noord buiten de breedteband ",
      "Northing outside the latitude band ", "Nordwert außerhalb des Breitenbands "}},
    {ConversionError::OutsideUtm,
     {"Hors des latitudes UTM (%1° S à %2° N)", "Buiten de UTM-breedtegraden (%1° Z tot %2° N)",
      "Outside the UTM latitudes (%1° S to %2° N)", "Außerhalb der UTM-Breiten (%1° S bis %2° N)"}},
    {ConversionError::MgrsNotMade,
     {"Référence MGRS impossible à établir", "Geen MGRS-referentie mogelijk",
      "No MGRS reference can be made", "Keine MGRS-Referenz möglich"}},
    {ConversionError::OutsideIfbl,
     {"Hors de la grille IFBL", "Buiten het IFBL-hokkenraster", "Outside the IFBL grid",
      "Außerhalb des IFBL-Gitters"}},
    {ConversionError::OutsideLambert,
     {"Hors du domaine Lambert 1972 (X de %1 à %2 m, Y de %3 à %4 m)",
      "Buiten het bereik van Lambert 72 (X van %1 tot %2 m, Y van %3 tot %4 m)",
      "Outside the Lambert 1972 domain (X from %1 to %2 m, Y from %3 to %4 m)",
      "Außerhalb des Bereichs von Lambert 1972 (X von %1 bis %2 m, Y von %3 bis %4 m)"}},
    {ConversionError::OutsideLambert2008,
     {"Hors du domaine Lambert 2008 (X de %1 à %2 m, Y de %3 à %4 m)",
      "Buiten het bereik van Lambert 2008 (X van %1 tot %2 m, Y van %3 tot %4 m)",
      "Outside the Lambert 2008 domain (X from %1 to %2 m, Y from %3 to %4 m)",
      "Außerhalb des Bereichs von Lambert 2008 (X von %1 bis %2 m, Y von %3 bis %4 m)"}},
    {ConversionError::UtmZoneTooFar,
     {"Zone UTM trop éloignée du point (%1° au plus de son méridien central)",
      "UTM-zone te ver van het punt (hoogstens %1° van de centrale meridiaan van de zone)",
      "UTM zone too far from the point (at most %1° from its central meridian)",
      "UTM-Zone zu weit vom Punkt entfernt (höchstens %1° von ihrem Mittelmeridian)"}},
}};

// The text of a refusal in each language, its numbers still %1, %2...;
// empty texts for None.
constexpr Translated ConversionErrorTexts(ConversionError code) {
  for (const auto& [listed, texts] : kConversionErrorTexts) {
    if (listed == code) return texts;
  }
  return {};
}

// The text of a refusal in `language`, its numbers written with the
// grouping of that language ("310 000", "310,000"), then its data: for
// BadMgrs the reference as given and ")", for OutsideBand the band's
// letter; the other codes have none and `data` is left out. Empty for
// None.
std::string ConversionErrorText(ConversionError code, std::string_view data, Language language);

// The object's French error text `french`, of the refusal `code`, in
// `language`: what follows the French text (the reference of BadMgrs) is
// data and stays as it is.
inline std::string ConversionErrorIn(ConversionError code, std::string_view french,
                                     Language language) {
  const Translated texts = ConversionErrorTexts(code);
  if (language == Language::French || texts.fr.empty() || !french.starts_with(texts.fr)) {
    return std::string(french);
  }
  std::string out(texts.In(language));
  out += french.substr(texts.fr.size());
  return out;
}

}  // namespace koord
