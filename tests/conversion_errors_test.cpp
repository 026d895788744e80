// The refusals' texts in each language: the numbers that they name written
// from the constants they describe, in each language's grouping, and the
// data that follows a refused reference.

#include <gtest/gtest.h>
#include <string>

#include "core/ConversionErrors.h"

namespace koord {
namespace {

constexpr Language kLanguages[] = {Language::French, Language::Dutch, Language::English,
                                   Language::German};

TEST(ConversionErrorText, TextsThatNameNumbers) {
  // As the command line and the window have always written them.
  const struct {
    ConversionError code;
    Translated text;
  } rows[] = {
      {ConversionError::OutsideUtm,
       {"Hors des latitudes UTM (80° S à 84° N)", "Buiten de UTM-breedtegraden (80° Z tot 84° N)",
        "Outside the UTM latitudes (80° S to 84° N)",
        "Außerhalb der UTM-Breiten (80° S bis 84° N)"}},
      {ConversionError::OutsideLambert,
       {"Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)",
        "Buiten het bereik van Lambert 72 (X van 0 tot 310 000 m, Y van 0 tot 260 000 m)",
        "Outside the Lambert 1972 domain (X from 0 to 310,000 m, Y from 0 to 260,000 m)",
        "Außerhalb des Bereichs von Lambert 1972 (X von 0 bis 310 000 m, Y von 0 bis 260 000 m)"}},
      {ConversionError::OutsideLambert2008,
       {"Hors du domaine Lambert 2008 (X de 499 900 à 810 100 m, Y de 499 900 à 760 100 m)",
        "Buiten het bereik van Lambert 2008 (X van 499 900 tot 810 100 m, Y van 499 900 tot "
        "760 100 m)",
        "Outside the Lambert 2008 domain (X from 499,900 to 810,100 m, Y from 499,900 to "
        "760,100 m)",
        "Außerhalb des Bereichs von Lambert 2008 (X von 499 900 bis 810 100 m, Y von 499 900 bis "
        "760 100 m)"}},
      {ConversionError::UtmZoneTooFar,
       {"Zone UTM trop éloignée du point (9° au plus de son méridien central)",
        "UTM-zone te ver van het punt (hoogstens 9° van de centrale meridiaan van de zone)",
        "UTM zone too far from the point (at most 9° from its central meridian)",
        "UTM-Zone zu weit vom Punkt entfernt (höchstens 9° von ihrem Mittelmeridian)"}},
      {ConversionError::MgrsNotMade,
       {"Référence MGRS impossible à établir", "Geen MGRS-referentie mogelijk",
        "No MGRS reference can be made", "Keine MGRS-Referenz möglich"}},
      {ConversionError::OutsideIfbl,
       {"Hors de la grille IFBL", "Buiten het IFBL-hokkenraster", "Outside the IFBL grid",
        "Außerhalb des IFBL-Gitters"}},
  };
  for (const auto& row : rows) {
    for (const Language language : kLanguages) {
      SCOPED_TRACE(row.text.In(language));
      EXPECT_EQ(ConversionErrorText(row.code, {}, language), row.text.In(language));
    }
  }
}

TEST(ConversionErrorText, ARefusedReferenceIsNamedAsGiven) {
  const struct {
    std::string_view reference;
    Translated text;
  } rows[] = {
      {"31UE",
       {"Coordonnées MGRS erronées (31UE)", "Foute MGRS-coördinaten (31UE)",
        "Invalid MGRS coordinates (31UE)", "Fehlerhafte MGRS-Koordinaten (31UE)"}},
      {"",
       {"Coordonnées MGRS erronées ()", "Foute MGRS-coördinaten ()", "Invalid MGRS coordinates ()",
        "Fehlerhafte MGRS-Koordinaten ()"}},
      // Whatever it holds, %1 included, is data and stays as it is.
      {"31U ES %1",
       {"Coordonnées MGRS erronées (31U ES %1)", "Foute MGRS-coördinaten (31U ES %1)",
        "Invalid MGRS coordinates (31U ES %1)", "Fehlerhafte MGRS-Koordinaten (31U ES %1)"}},
  };
  for (const auto& row : rows) {
    for (const Language language : kLanguages) {
      SCOPED_TRACE(row.text.In(language));
      EXPECT_EQ(ConversionErrorText(ConversionError::BadMgrs, row.reference, language),
                row.text.In(language));
    }
  }
}

TEST(ConversionErrorText, AUtmBandIsNamedByItsLetter) {
  const Translated text{"Nord hors de la bande de latitude U", "Noord buiten de breedteband U",
                        "Northing outside the latitude band U",
                        "Nordwert außerhalb des Breitenbands U"};
  for (const Language language : kLanguages) {
    SCOPED_TRACE(text.In(language));
    EXPECT_EQ(ConversionErrorText(ConversionError::OutsideBand, "U", language), text.In(language));
  }
}

TEST(ConversionErrorText, EveryCodeHasAWholeTextInEveryLanguage) {
  for (const auto& [code, texts] : kConversionErrorTexts) {
    for (const Language language : kLanguages) {
      const std::string text = ConversionErrorText(code, {}, language);
      SCOPED_TRACE(text);
      EXPECT_FALSE(text.empty());
      EXPECT_EQ(text.find('%'), std::string::npos);  // every number filled in
    }
  }
  // Codes without data leave it out; None has no text.
  EXPECT_EQ(ConversionErrorText(ConversionError::BadLambert, "150000", Language::English),
            "Incorrect Lambert coordinates");
  EXPECT_EQ(ConversionErrorText(ConversionError::None, "x", Language::French), "");
}

TEST(ConversionErrorText, ReadsBackInAnotherLanguage) {
  // The French text of the conversion object, in the engine's other
  // languages, as ConversionErrorIn turns it.
  const std::string french =
      ConversionErrorText(ConversionError::BadMgrs, "31UE", Language::French);
  for (const Language language : kLanguages) {
    SCOPED_TRACE(CodeOf(language));
    EXPECT_EQ(ConversionErrorIn(ConversionError::BadMgrs, french, language),
              ConversionErrorText(ConversionError::BadMgrs, "31UE", language));
  }
}

}  // namespace
}  // namespace koord
