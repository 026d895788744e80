// The batch converter Converti, run against a fake host.
//
// Independent references: the worked example, the kilometre rule and the
// IFBL codes come from the system's own examples; the MGRS reference of
// 50.85 N 4.3505 E (WGS84) from GeographicLib's GeoConvert; the WGS84 position
// of Lambert (150000, 170000) from PROJ (EPSG:31370 to EPSG:4326), which
// shifts the datum with a different method, hence the metre tolerances.

#include <cmath>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchConverter.h"
#include "engine/LineConverter.h"
#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"

namespace {

using koord::BatchChoices;

using koord::CoordKind;
using koord::Datum;
using koord::RunOutput;
constexpr CoordKind kLambert = CoordKind::Lambert;
constexpr CoordKind kMgrs = CoordKind::Mgrs;
constexpr CoordKind kIfbl = CoordKind::Ifbl;
constexpr CoordKind kDegrees = CoordKind::Degrees;
constexpr Datum kBel72 = Datum::Bel72;
constexpr Datum kWgs84 = Datum::Wgs84;

struct Point {
  double x;
  double y;
};

// Records what the converter asks of its host.
class FakeHost : public koord::BatchHost {
 public:
  explicit FakeHost(std::string text, std::deque<bool> yesOrNo = {})
      : input(std::move(text)), answers(std::move(yesOrNo)) {}

  std::string InputText() override { return input; }
  void SetInputText(const std::string& text) override {
    input = text;
    ++inputWrites;
  }
  void AppendOutput(std::string_view text) override {
    output += text;
    ++appends;
  }
  void SetBusy(bool on) override { busy.push_back(on); }
  bool AskContinue(const std::string& message) override {
    prompts.push_back(message);
    EXPECT_FALSE(answers.empty()) << "unexpected prompt: " << message;
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void PrepareMap() override { ++mapPreparations; }
  void PlotPoint(double x, double y) override { points.push_back({x, y}); }
  void ShowMap() override { ++mapShows; }

  std::string input;
  std::deque<bool> answers;
  int inputWrites = 0;
  std::string output;
  int appends = 0;
  std::vector<bool> busy;
  std::vector<std::string> prompts;
  int mapPreparations = 0;
  std::vector<Point> points;
  int mapShows = 0;
};

// precision: the position in the precision list of the output kind.
BatchChoices Choices(CoordKind from, CoordKind dest, Datum datumFrom, Datum datumDest,
                     int precision = 0) {
  BatchChoices c;
  c.coorFrom = from;
  c.coorDest = dest;
  c.datumFrom = datumFrom;
  c.datumDest = datumDest;
  if (dest == kMgrs) c.mgrsPrecision = *AtListPosition(koord::kMgrsPrecisionTable, precision);
  if (dest == kIfbl) c.ifblPrecision = *AtListPosition(koord::kIfblPrecisionTable, precision);
  return c;
}

std::string Convert(const std::string& input, const BatchChoices& choices) {
  FakeHost host(input);
  koord::Converti(host, choices, RunOutput::Text);
  EXPECT_TRUE(host.prompts.empty()) << host.prompts.front();
  return host.output;
}

std::string Prompt(std::string_view description) {
  return std::string(description) + "\r\n\r\nContinuer?";
}

TEST(Converti, WorkedExampleClosesTheInputAndAppliesTheKilometreRule) {
  FakeHost host("150000\t170000\r\n150\t170");
  koord::Converti(host, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text);
  EXPECT_EQ(host.input, "150000\t170000\r\n150\t170\r\n");
  EXPECT_EQ(host.output, "150000\t170000\r\n150000\t170000\r\n");
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
  EXPECT_TRUE(host.prompts.empty());
  EXPECT_EQ(host.mapShows, 0);
}

TEST(Converti, OutputIsAppendedOnceForAWholeRun) {
  FakeHost host("150000\t170000\n");
  host.output = "earlier run\r\n";
  koord::Converti(host, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text);
  EXPECT_EQ(host.output, "earlier run\r\n150000\t170000\r\n");
  EXPECT_EQ(host.appends, 1);
}

struct KilometreCase {
  std::string_view line;
  Point expected;  // metres
};

TEST(Converti, KilometreRuleOnTheMapWithoutConversion) {
  const KilometreCase cases[] = {
      {"150,5\t170", {150500, 170000}},
      {"999\t999", {999000, 999000}},  // outside Belgium, still plotted
      {"1000\t1000", {1000, 1000}},    // the test is strict
      {"-5\t20", {-5000, 20000}},      // negative values too
      {"400\t170", {400000, 170000}},  // unchecked on the map
      {"150 000\t170000,0", {150000, 170000}},
  };
  std::string input;
  for (const KilometreCase& c : cases) input += std::string(c.line) + "\r\n";
  FakeHost host(input);
  koord::Converti(host, Choices(kLambert, kMgrs, kBel72, kWgs84, 2), RunOutput::Map);
  ASSERT_EQ(host.points.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(host.points[i].x, cases[i].expected.x) << cases[i].line;
    EXPECT_EQ(host.points[i].y, cases[i].expected.y) << cases[i].line;
  }
  EXPECT_EQ(host.output, "");
  EXPECT_EQ(host.mapPreparations, 1);
  EXPECT_EQ(host.mapShows, 1);
}

TEST(Converti, MapModeDrawsConvertedPointsAndSkipsRefusedOnes) {
  // E53711 is the square centred on (186512, 169680); XX is no square.
  FakeHost host("E5.37.11\nXX\ne53711\n");
  koord::Converti(host, Choices(kIfbl, kMgrs, kBel72, kWgs84, 2), RunOutput::Map);
  ASSERT_EQ(host.points.size(), 2u);
  for (const Point& p : host.points) {
    EXPECT_NEAR(p.x, 186512, 1e-6);  // metres
    EXPECT_NEAR(p.y, 169680, 1e-6);
  }
  EXPECT_EQ(host.mapShows, 1);
}

TEST(Converti, DegreesAreReadWithEitherMarkAndWrittenWithTheChosenOne) {
  const std::string input = "50,5\t4,25\n50.5\t4.25\n";
  BatchChoices choices = Choices(kDegrees, kDegrees, kWgs84, kWgs84);
  EXPECT_EQ(Convert(input, choices), "50.50000\t004.25000\r\n50.50000\t004.25000\r\n");
  choices.decimalMark = ',';
  choices.lineEnd = "\n";
  EXPECT_EQ(Convert(input, choices), "50,50000\t004,25000\n50,50000\t004,25000\n");
}

struct PrecisionCase {
  int position;
  std::string_view expected;
};

TEST(Converti, EveryMgrsPrecisionCutsTheReference) {
  // GeoConvert: 50.85 N 4.3505 E on WGS84 is UTM 31N 595067.490
  // 5634013.477, half a metre from the lines of every precision.
  const PrecisionCase cases[] = {
      {0, "31UES9506734013"}, {1, "31UES95063401"}, {2, "31UES950340"},
      {3, "31UES9534"},       {4, "31UES93"},
  };
  for (const PrecisionCase& c : cases) {
    EXPECT_EQ(Convert("50.85\t4.3505\n", Choices(kDegrees, kMgrs, kWgs84, kWgs84, c.position)),
              std::string(c.expected) + "\r\n")
        << c.position;
  }
}

TEST(Converti, EveryIfblPrecisionGivesItsSquare) {
  const PrecisionCase cases[] = {{0, "E43522"}, {1, "E435"}, {2, "E4"}};
  for (const PrecisionCase& c : cases) {
    EXPECT_EQ(Convert("150000\t170000\n", Choices(kLambert, kIfbl, kBel72, kWgs84, c.position)),
              std::string(c.expected) + "\r\n")
        << c.position;
  }
}

TEST(Converti, LambertToMgrsAndDegreesOnWgs84) {
  // PROJ: Lambert (150000, 170000) is 50.8404113 N 4.3687521 E on WGS84,
  // 31UES9637232970 at 1 m; 70 m from any 100 m line, so the datum methods
  // agree at 100 m.
  EXPECT_EQ(Convert("150000\t170000\n", Choices(kLambert, kMgrs, kBel72, kWgs84, 2)),
            "31UES963329\r\n");
  const std::string degrees = Convert("150\t170\n", Choices(kLambert, kDegrees, kBel72, kWgs84));
  const std::size_t tab = degrees.find('\t');
  ASSERT_NE(tab, std::string::npos);
  EXPECT_EQ(degrees.substr(degrees.size() - 2), "\r\n");
  EXPECT_EQ(degrees.find_first_not_of("0123456789.\t\r\n"), std::string::npos);
  // 2e-5 degrees is about 2 m, the gap between the two datum shifts.
  double latitude = 0;
  double longitude = 0;
  EXPECT_FALSE(koord::ReadNumber(degrees.substr(0, tab), latitude));
  EXPECT_FALSE(koord::ReadNumber(degrees.substr(tab + 1, degrees.size() - tab - 3), longitude));
  EXPECT_NEAR(latitude, 50.8404113, 2e-5);
  EXPECT_NEAR(longitude, 4.3687521, 2e-5);
}

TEST(Converti, IfblAndMgrsInputAreUpperCased) {
  EXPECT_EQ(Convert("e5 37 11\n", Choices(kIfbl, kLambert, kBel72, kBel72)), "186512\t169680\r\n");
  EXPECT_EQ(Convert("31ues9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 0)),
            "31UES9506734013\r\n");
}

struct RefusalCase {
  std::string_view input;
  BatchChoices choices;
  std::string_view expected;
};

TEST(Converti, RefusedPointsShowWhyInsteadOfAResult) {
  const RefusalCase cases[] = {
      {"400\t170\n", Choices(kLambert, kLambert, kBel72, kBel72),
       "Coordonnées Lambert incorrectes\r\n"},
      {"400\t170\n", Choices(kLambert, kMgrs, kBel72, kWgs84, 2),
       "Coordonnées Lambert incorrectes\r\n"},
      {"95\t4\n", Choices(kDegrees, kDegrees, kWgs84, kWgs84), "Coordonnées DEG incorrectes\r\n"},
      {"31U\n", Choices(kMgrs, kLambert, kWgs84, kBel72), "Coordonnées MGRS erronées (31U)\r\n"},
      {"E2X\n", Choices(kIfbl, kLambert, kBel72, kBel72), "Coordonnée IFBL incorrecte\r\n"},
      // Valid points without a result of the wanted kind.
      {"85\t4\n", Choices(kDegrees, kMgrs, kWgs84, kWgs84, 2),
       "Hors des latitudes UTM (80° S à 84° N)\r\n"},
      {"20\t4\n", Choices(kDegrees, kIfbl, kWgs84, kWgs84, 0), "Hors de la grille IFBL\r\n"},
      // Inside the Lambert range but south-west of the lettered grid.
      {"1000\t10000\n", Choices(kLambert, kIfbl, kBel72, kBel72, 0), "Hors de la grille IFBL\r\n"},
      // Lambert 1972 only within the bounds of Lambert input: latitude and
      // longitude swapped, Paris, Amsterdam.
      {"4.35\t50.85\n", Choices(kDegrees, kLambert, kWgs84, kBel72),
       "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\r\n"},
      {"48.85\t2.35\n", Choices(kDegrees, kLambert, kWgs84, kBel72),
       "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\r\n"},
      {"52.37\t4.90\n", Choices(kDegrees, kLambert, kWgs84, kBel72),
       "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\r\n"},
  };
  for (const RefusalCase& c : cases) {
    EXPECT_EQ(Convert(std::string(c.input), c.choices), c.expected) << c.input;
  }
}

BatchChoices In(koord::Language language, BatchChoices choices) {
  choices.language = language;
  return choices;
}

TEST(Converti, ReasonsAndHeaderNamesInTheRunsLanguage) {
  // The quoted fields and the reference refused are data: they stay as given.
  constexpr koord::Language kDutch = koord::Language::Dutch;
  constexpr koord::Language kEnglish = koord::Language::English;
  const RefusalCase cases[] = {
      {"abc\t170\n", In(kDutch, Choices(kLambert, kLambert, kBel72, kBel72)),
       "Onleesbaar getal: \u201Cabc\u201D\r\n"},
      {"abc\t170\n", In(kEnglish, Choices(kLambert, kLambert, kBel72, kBel72)),
       "Unreadable number: \u201Cabc\u201D\r\n"},
      {"150\n", In(kDutch, Choices(kLambert, kLambert, kBel72, kBel72)), "Ontbrekend veld\r\n"},
      {"N50\tS4\n", In(kEnglish, Choices(kDegrees, kDegrees, kWgs84, kWgs84)),
       "Two latitudes (N or S): \u201CN50\u201D and \u201CS4\u201D\r\n"},
      {"31U\n", In(kEnglish, Choices(kMgrs, kLambert, kWgs84, kBel72)),
       "Invalid MGRS coordinates (31U)\r\n"},
      {"E2X\n", In(kDutch, Choices(kIfbl, kLambert, kBel72, kBel72)), "Onjuist IFBL-hok\r\n"},
      {"20\t4\n", In(kDutch, Choices(kDegrees, kIfbl, kWgs84, kWgs84, 0)),
       "Buiten het IFBL-hokkenraster\r\n"},
      {"lat\tlon\n", In(kDutch, Choices(kLambert, kDegrees, kBel72, kWgs84)),
       "Breedtegraad\tLengtegraad\r\n"},
      {"x\ty\n", In(kEnglish, Choices(kLambert, CoordKind::Utm, kBel72, kWgs84)),
       "Zone\tEasting\tNorthing\r\n"},
  };
  for (const RefusalCase& c : cases) {
    EXPECT_EQ(Convert(std::string(c.input), c.choices), c.expected) << c.input;
  }
}

TEST(Converti, SameKindOutputTakesThePrecisionAskedFor) {
  // Cut or shortened to it, never made finer than the input.
  const RefusalCase cases[] = {
      {"31UES9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 0), "31UES9506734013\r\n"},
      {"31UES9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 2), "31UES950340\r\n"},
      {"31UES9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 3), "31UES9534\r\n"},
      {"31UES9534\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 0), "31UES9534\r\n"},
      {"E51234\n", Choices(kIfbl, kIfbl, kBel72, kBel72, 0), "E51234\r\n"},
      {"E51234\n", Choices(kIfbl, kIfbl, kBel72, kBel72, 1), "E512\r\n"},
      {"E51234\n", Choices(kIfbl, kIfbl, kBel72, kBel72, 2), "E5\r\n"},
      {"E512\n", Choices(kIfbl, kIfbl, kBel72, kBel72, 0), "E512\r\n"},
  };
  for (const RefusalCase& c : cases) {
    EXPECT_EQ(Convert(std::string(c.input), c.choices), c.expected) << c.input;
  }
}

TEST(Converti, DegreesAreWrittenInTheOutputDatum) {
  // PROJ (molodensky with the catalogue's European 1950 parameters): 50.85 N
  // 4.35 E on WGS84 is 50.850834964 N 4.351293803 E on European 1950.
  EXPECT_EQ(Convert("50.85\t4.35\n", Choices(kDegrees, kDegrees, kWgs84, Datum::Eur50)),
            "50.85083\t004.35129\r\n");
}

TEST(Converti, BlankLinesGiveEmptyLinesWithoutPrompt) {
  EXPECT_EQ(
      Convert("150\t170\r\n\r\n \t \r\n150\t170\r\n", Choices(kLambert, kLambert, kBel72, kBel72)),
      "150000\t170000\r\n\r\n\r\n150000\t170000\r\n");
}

TEST(Converti, EmptyInputConvertsNothing) {
  FakeHost host("");
  koord::Converti(host, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text);
  EXPECT_EQ(host.output, "");
  EXPECT_EQ(host.input, "");
  EXPECT_EQ(host.inputWrites, 0);
  EXPECT_TRUE(host.prompts.empty());
}

TEST(Converti, LastLineIsConvertedWhateverItEndsWith) {
  // Ending in a blank: no closing line break added, the line still counts.
  FakeHost host("150\t170\n150\t170 ");
  koord::Converti(host, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text);
  EXPECT_EQ(host.inputWrites, 0);
  EXPECT_EQ(host.output, "150000\t170000\r\n150000\t170000\r\n");
  // A rest of blanks and tabs is not a line.
  EXPECT_EQ(Convert("150\t170\n \t", Choices(kLambert, kLambert, kBel72, kBel72)),
            "150000\t170000\r\n");
}

TEST(Converti, OverlongLinesAreRefusedUnread) {
  const std::string longLine(koord::kMaxLineLength + 1, '1');
  EXPECT_EQ(Convert(longLine + "\n150\t170\n", Choices(kLambert, kLambert, kBel72, kBel72)),
            "Ligne trop longue\r\n150000\t170000\r\n");
}

TEST(Converti, EveryLineEndCutsLines) {
  EXPECT_EQ(
      Convert("150\t170\n151\t171\r152\t172\r\n", Choices(kLambert, kLambert, kBel72, kBel72)),
      "150000\t170000\r\n151000\t171000\r\n152000\t172000\r\n");
}

TEST(Converti, MissingFieldIsRefusedInPlaceWithoutPrompt) {
  FakeHost host("150\t170\n150\n151\t171\n");
  const koord::RunSummary summary =
      koord::Converti(host, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text);
  EXPECT_TRUE(host.prompts.empty());
  EXPECT_EQ(host.output, "150000\t170000\r\nChamp manquant\r\n151000\t171000\r\n");
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
  EXPECT_EQ(summary.converted, 2u);
  EXPECT_EQ(summary.refused, 1u);
  EXPECT_EQ(summary.firstRefused, 1u);
}

// Only a run-time fault prompts: degrees at the pole fault in the projection.
constexpr std::string_view kFaultLine = "90\t180\n";
constexpr std::string_view kFault = "Erreur de calcul en virgule flottante";

TEST(Converti, FaultPromptsAndYesKeepsTheLine) {
  FakeHost host("50.85\t4.35\n" + std::string(kFaultLine) + "50.85\t4.35\n", {true});
  const koord::RunSummary summary =
      koord::Converti(host, Choices(kDegrees, kIfbl, kWgs84, kWgs84, 1), RunOutput::Text);
  EXPECT_EQ(host.prompts, (std::vector<std::string>{Prompt(kFault)}));
  EXPECT_EQ(host.output, "E425\r\n" + std::string(kFault) + "\r\nE425\r\n");
  // Normal while the prompt shows, busy again after Yes.
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(summary.refused, 1u);
  EXPECT_EQ(summary.firstRefused, 1u);
}

TEST(Converti, NoEndsTheRunAtOnce) {
  FakeHost host("50.85\t4.35\n" + std::string(kFaultLine) + "50.85\t4.35\n", {false});
  koord::Converti(host, Choices(kDegrees, kIfbl, kWgs84, kWgs84, 1), RunOutput::Text);
  EXPECT_EQ(host.prompts, (std::vector<std::string>{Prompt(kFault)}));
  EXPECT_EQ(host.output, "E425\r\n");
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
}

TEST(Converti, FaultPromptInTheRunsLanguage) {
  FakeHost host(std::string(kFaultLine), {true});
  koord::Converti(host, In(koord::Language::Dutch, Choices(kDegrees, kIfbl, kWgs84, kWgs84, 1)),
                  RunOutput::Text);
  EXPECT_EQ(host.prompts,
            (std::vector<std::string>{"Rekenfout met drijvende komma\r\n\r\nDoorgaan?"}));
  EXPECT_EQ(host.output, "Rekenfout met drijvende komma\r\n");
}

TEST(Converti, NoInMapModeDoesNotShowTheMap) {
  FakeHost host("50.85\t4.35\n\t\t\n50.85\n" + std::string(kFaultLine) + "50\t4\n", {false});
  koord::Converti(host, Choices(kDegrees, kMgrs, kWgs84, kWgs84, 2), RunOutput::Map);
  EXPECT_EQ(host.prompts.size(), 1u);  // neither the blank line nor the missing field
  EXPECT_EQ(host.points.size(), 1u);
  EXPECT_EQ(host.mapShows, 0);
}

TEST(Converti, MgrsInputNeedsOneFieldDegreesTwo) {
  EXPECT_EQ(Convert("31UES9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 0)),
            "31UES9506734013\r\n");
  EXPECT_EQ(Convert("50.85\n", Choices(kDegrees, kMgrs, kWgs84, kWgs84, 0)), "Champ manquant\r\n");
}

// A run in steps of any size gives what a run in one call gives: lines cut
// across steps, a CR LF split between two, the header and the summary.
TEST(BatchRun, StepsOfAnySizeGiveTheWholeRun) {
  const std::string text = "X\tY\r\n150\t170\r\n\r\n150\r\n151000\t171000\r\nabc\t1\r\n152\t172";
  const BatchChoices choices = Choices(kLambert, kIfbl, kBel72, kBel72, 1);
  FakeHost whole(text);
  const koord::RunSummary expected = koord::Converti(whole, choices, RunOutput::Text);
  EXPECT_EQ(expected.converted, 3u);
  EXPECT_EQ(expected.refused, 2u);
  EXPECT_EQ(expected.firstRefused, 3u);
  for (std::size_t step : {1u, 2u, 7u, 64u}) {
    SCOPED_TRACE(step);
    FakeHost host(text);
    koord::BatchRun run(host, choices, RunOutput::Text);
    std::size_t steps = 0;
    while (run.Step(step)) ++steps;
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(run.Done(), run.Size());
    EXPECT_GE(steps + 1, (text.size() + 2) / step);
    EXPECT_EQ(host.output, whole.output);
    EXPECT_EQ(host.input, whole.input);
    EXPECT_EQ(run.Summary().converted, expected.converted);
    EXPECT_EQ(run.Summary().refused, expected.refused);
    EXPECT_EQ(run.Summary().firstRefused, expected.firstRefused);
    EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
  }
}

TEST(BatchRun, StopKeepsTheOutputSoFarAndShowsNoMap) {
  FakeHost host("150\t170\n151\t171\n152\t172\n");
  koord::BatchRun run(host, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Map);
  EXPECT_TRUE(run.Step(9));
  run.Stop();
  EXPECT_TRUE(run.Ended());
  EXPECT_FALSE(run.Step(100));
  EXPECT_EQ(host.points.size(), 1u);
  EXPECT_EQ(host.mapPreparations, 1);
  EXPECT_EQ(host.mapShows, 0);
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
}

}  // namespace
