// Kind detection (-f auto): each line read as the one kind whose form fits
// and whose point lies within 20 km of Belgium. For every line recognised,
// the output is the one the line gives with its kind named; the others are
// refused, naming the readings that lie farther.

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchRun.h"

namespace {

using koord::CoordKind;

struct Row {
  std::string_view line;
  std::optional<CoordKind> kind;  // nothing: refused
  std::string_view reason = {};   // the start of the refusal
};

constexpr auto kIfbl = CoordKind::Ifbl;
constexpr auto kMgrs = CoordKind::Mgrs;
constexpr auto kUtm = CoordKind::Utm;
constexpr auto kL08 = CoordKind::Lambert2008;
constexpr auto kL72 = CoordKind::Lambert;
constexpr auto kDeg = CoordKind::Degrees;
constexpr std::string_view kNone = "Aucune lecture près de la Belgique";

const Row kRows[] = {
    // IFBL squares, dotted or not, at every size.
    {"E4.35.22", kIfbl},
    {"E43522", kIfbl},
    {"E4", kIfbl},
    {"E4.35", kIfbl},
    {"e4 35 22", kIfbl},
    {"K6.17.44", kIfbl},
    {"B2.22.11", kIfbl},
    // MGRS with its grid zone, and Belgian squares without.
    {"31UES9637232971", kMgrs},
    {"31U ES 963 329", kMgrs},
    {"31UES963329", kMgrs},
    {"31ues963329", kMgrs},
    {"ES95", kMgrs},
    {"ES9534", kMgrs},
    {"ES 95 34", kMgrs},
    {"FS 1456", kMgrs},
    {"GR0000", kMgrs},
    {"LB5050", std::nullopt, "Aucune lecture près de la Belgique : mgrs à 60 km"},
    {"ZZ95", std::nullopt, kNone},
    {"33UVP1234", std::nullopt, kNone},  // Austria: no Belgian square
    {"31UES96372", std::nullopt, kNone},  // as many digits on both axes
    // UTM numbers with the hemisphere or the band.
    {"31N 596372 5632971", kUtm},
    {"31U 596372 5632971", kUtm},
    {"31n 596372 5632971", kUtm},
    {"32N 300000 5600000", kUtm},
    {"30N 600000 5600000", std::nullopt, kNone},
    {"31S 596372 5632971", std::nullopt, kNone},
    // Lambert 2008 and Lambert 1972, in metres or kilometres.
    {"649999 670000", kL08},
    {"650000.5 670000.5", kL08},
    {"650 670", kL08},
    {"500021 499984", std::nullopt, "Aucune lecture près de la Belgique : lambert2008 à 150 km"},
    {"150000 170000", kL72},
    {"150.000 170.000", kL72},
    {"150,5 170", kL72},
    {"22000 200000", kL72},
    {"310000 260000", std::nullopt, "Aucune lecture près de la Belgique : lambert à 79 km"},
    {"150 000 170 000", std::nullopt, "4 champs séparés par des blancs pour 2 coordonnées"},
    // Degrees in every form people paste. 50.85 4.35 read as Lambert
    // kilometres would lie in France, 150.000 170.000 as degrees nowhere.
    {"50.85 4.35", kDeg},
    {"50,85 4,35", kDeg},
    {"51 4", kDeg},
    {"50 5", kDeg},
    {"49.5 5.9", kDeg},
    {"50.85N 4.35E", kDeg},
    {"4.35E 50.85N", kDeg},
    {"50°51'06\"N 4°21'10\"E", kDeg},
    {"50°51’06”N 4°21’10”E", kDeg},
    {"N50 51.100 E004 21.167", kDeg},
    {"50.846667, 4.352500", kDeg},
    {"48.85 2.35", std::nullopt, "Aucune lecture près de la Belgique : lambert à 111 km"},
    {"51.3 6.6", std::nullopt,
     "Aucune lecture près de la Belgique : lambert à 106 km, deg à 56 km"},
    {"-50.85 4.35", std::nullopt, kNone},
    {"50.85 -4.35", std::nullopt, kNone},
    {"1 2", std::nullopt, "Aucune lecture près de la Belgique : lambert à 148 km"},
    {"150000", std::nullopt, kNone},
    {"abc 123", std::nullopt, kNone},
};

class Lines : public koord::LineSink {
 public:
  bool Take(const koord::LineResult& line) override {
    texts.emplace_back(line.output);
    kinds.push_back(line.status == koord::LineStatus::Converted ? std::optional(line.kind)
                                                                : std::nullopt);
    return true;
  }
  std::vector<std::string> texts;
  std::vector<std::optional<CoordKind>> kinds;
};

koord::BatchChoices Choices(std::optional<CoordKind> kind) {
  koord::BatchChoices choices;
  choices.detectKind = !kind;
  choices.coorFrom = kind.value_or(kDeg);
  // GPS receivers' datum for the kinds that have more than one.
  choices.datumFrom = kind ? koord::Describe(*kind).defaultDatum : koord::Datum::Wgs84;
  choices.coorDest = kL72;
  choices.moreOutputs = {kDeg, kMgrs};
  return choices;
}

Lines ConvertAlone(std::string_view line, std::optional<CoordKind> kind) {
  Lines lines;
  koord::BatchRun run(Choices(kind), koord::RunOutput::Text, lines);
  run.Feed(line);
  run.Finish();
  return lines;
}

TEST(KindDetection, EachLineAsTheOneKindNearBelgium) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.line);
    const Lines detected = ConvertAlone(row.line, std::nullopt);
    ASSERT_EQ(detected.texts.size(), 1u);
    EXPECT_EQ(detected.kinds.front(), row.kind);
    if (!row.kind) {
      EXPECT_TRUE(detected.texts.front().starts_with(row.reason)) << detected.texts.front();
      continue;
    }
    EXPECT_EQ(detected.texts.front(), ConvertAlone(row.line, row.kind).texts.front());
  }
}

// A text of mixed kinds, each line read as its own, the kinds counted.
TEST(KindDetection, MixedListsAndTheirCount) {
  std::string text;
  std::size_t recognised = 0;
  for (const Row& row : kRows) {
    text += std::string(row.line) + "\n";
    if (row.kind) ++recognised;
  }
  Lines lines;
  koord::BatchRun run(Choices(std::nullopt), koord::RunOutput::Text, lines, 2);
  run.Feed(text);
  run.Finish();
  EXPECT_EQ(run.Summary().converted, recognised);
  EXPECT_EQ(run.Summary().kinds[static_cast<std::size_t>(kMgrs)], 9u);
  EXPECT_EQ(run.Summary().kinds[static_cast<std::size_t>(kDeg)], 11u);
}

// Two readings near Belgium in two columns leave the columns to the user.
TEST(KindDetection, TwoColumnsThatReadNearBelgiumAreNamed) {
  const Lines lines = ConvertAlone("51\t4\t50.85\t4.35", std::nullopt);
  EXPECT_EQ(lines.texts.front(),
            "Les coordonnées se lisent en plusieurs colonnes ; choisissez la bonne : colonne 1 "
            "ou 3");
}

}  // namespace
