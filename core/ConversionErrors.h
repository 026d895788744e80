#pragma once
// The refusals of the conversion object: a code beside the French text that
// its Error property holds, and that text in each language.

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
};

inline constexpr std::array<std::pair<ConversionError, Translated>, 9> kConversionErrorTexts{{
    {ConversionError::DatumNotSet,
     {"Datum non initialisé", "Datum niet ingesteld", "Datum not set"}},
    {ConversionError::UnknownKind,
     {"Type de coordonnées originales inconnu", "Onbekend type van de oorspronkelijke coördinaten",
      "Unknown type of the original coordinates"}},
    {ConversionError::BadMgrs,
     {"Coordonnées MGRS erronées (", "Foute MGRS-coördinaten (", "Invalid MGRS coordinates ("}},
    {ConversionError::BadLambert,
     {"Coordonnées Lambert incorrectes", "Onjuiste Lambert 72-coördinaten",
      "Incorrect Lambert coordinates"}},
    {ConversionError::BadIfbl,
     {"Coordonnée IFBL incorrecte", "Onjuist IFBL-hok", "Incorrect IFBL square"}},
    {ConversionError::BadDms,
     {"Coordonnées DMS incorrectes", "Onjuiste DMS-coördinaten", "Incorrect DMS coordinates"}},
    {ConversionError::BadDeg,
     {"Coordonnées DEG incorrectes", "Onjuiste DEG-coördinaten", "Incorrect DEG coordinates"}},
    {ConversionError::BadLambert2008,
     {"Coordonnées Lambert 2008 incorrectes", "Onjuiste Lambert 2008-coördinaten",
      "Incorrect Lambert 2008 coordinates"}},
    {ConversionError::BadUtm,
     {"Coordonnées UTM incorrectes", "Onjuiste UTM-coördinaten", "Incorrect UTM coordinates"}},
}};

// The text of a refusal in each language; empty texts for None.
constexpr Translated ConversionErrorTexts(ConversionError code) {
  for (const auto& [listed, texts] : kConversionErrorTexts) {
    if (listed == code) return texts;
  }
  return {};
}

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
