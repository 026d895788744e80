// The batch run over texts of points, its lines taken by a recording sink.
//
// Independent references: the worked example, the kilometre rule and the
// IFBL codes come from the system's own examples; the MGRS reference of
// 50.85 N 4.3505 E (WGS84) from GeographicLib's GeoConvert; the WGS84 position
// of Lambert (150000, 170000) from PROJ (EPSG:31370 to EPSG:4326), which
// shifts the datum with a different method, hence the metre tolerances.

#include <cmath>
#include <cstdint>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/BatchRun.h"
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

// Takes the lines as a host would: output lines ended by CR LF, a prompt
// answered from a list for each fault, the points of a map.
class RecordingSink : public koord::LineSink {
 public:
  explicit RecordingSink(std::deque<bool> yesOrNo = {}) : answers(std::move(yesOrNo)) {}

  bool Take(const koord::LineResult& line) override {
    if (line.status == koord::LineStatus::Fault) {
      prompts.emplace_back(line.why);
      EXPECT_FALSE(answers.empty()) << "unexpected prompt: " << line.why;
      if (answers.empty() || !answers.front()) return false;
      answers.pop_front();
    }
    output += line.output;
    output += "\r\n";
    if (line.status == koord::LineStatus::Converted) points.push_back({line.x, line.y});
    places.push_back({line.text, line.number});
    layouts.push_back(line.layout);
    return true;
  }

  std::deque<bool> answers;
  std::string output;
  std::vector<std::string> prompts;
  std::vector<Point> points;
  std::vector<koord::RunSummary::Place> places;
  std::vector<koord::Layout> layouts;
};

// One text converted whole.
koord::RunSummary RunText(RecordingSink& sink, std::string_view text, const BatchChoices& choices,
                          RunOutput output = RunOutput::Text, unsigned threads = 1) {
  koord::BatchRun run(choices, output, sink, threads);
  run.Feed(text);
  run.Finish();
  return run.Summary();
}

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
  RecordingSink sink;
  RunText(sink, input, choices);
  EXPECT_TRUE(sink.prompts.empty()) << sink.prompts.front();
  return sink.output;
}

TEST(BatchRun, WorkedExampleAndTheKilometreRule) {
  EXPECT_EQ(Convert("150000\t170000\r\n150\t170", Choices(kLambert, kLambert, kBel72, kBel72)),
            "150000\t170000\r\n150000\t170000\r\n");
}

struct KilometreCase {
  std::string_view line;
  Point expected;  // metres
};

TEST(BatchRun, KilometreRuleOnTheMapWithoutConversion) {
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
  RecordingSink sink;
  RunText(sink, input, Choices(kLambert, kMgrs, kBel72, kWgs84, 2), RunOutput::Map);
  ASSERT_EQ(sink.points.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(sink.points[i].x, cases[i].expected.x) << cases[i].line;
    EXPECT_EQ(sink.points[i].y, cases[i].expected.y) << cases[i].line;
  }
}

TEST(BatchRun, MapModeDrawsConvertedPointsAndSkipsRefusedOnes) {
  // E53711 is the square centred on (186512, 169680); XX is no square.
  RecordingSink sink;
  RunText(sink, "E5.37.11\nXX\ne53711\n", Choices(kIfbl, kMgrs, kBel72, kWgs84, 2), RunOutput::Map);
  ASSERT_EQ(sink.points.size(), 2u);
  for (const Point& p : sink.points) {
    EXPECT_NEAR(p.x, 186512, 1e-6);  // metres
    EXPECT_NEAR(p.y, 169680, 1e-6);
  }
}

TEST(BatchRun, DegreesAreReadWithEitherMarkAndWrittenWithTheChosenOne) {
  const std::string input = "50,5\t4,25\n50.5\t4.25\n";
  BatchChoices choices = Choices(kDegrees, kDegrees, kWgs84, kWgs84);
  EXPECT_EQ(Convert(input, choices), "50.50000\t004.25000\r\n50.50000\t004.25000\r\n");
  choices.decimalMark = ',';
  EXPECT_EQ(Convert(input, choices), "50,50000\t004,25000\r\n50,50000\t004,25000\r\n");
}

struct PrecisionCase {
  int position;
  std::string_view expected;
};

TEST(BatchRun, EveryMgrsPrecisionCutsTheReference) {
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

TEST(BatchRun, EveryIfblPrecisionGivesItsSquare) {
  const PrecisionCase cases[] = {{0, "E43522"}, {1, "E435"}, {2, "E4"}};
  for (const PrecisionCase& c : cases) {
    EXPECT_EQ(Convert("150000\t170000\n", Choices(kLambert, kIfbl, kBel72, kWgs84, c.position)),
              std::string(c.expected) + "\r\n")
        << c.position;
  }
}

TEST(BatchRun, LambertToMgrsAndDegreesOnWgs84) {
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

TEST(BatchRun, IfblAndMgrsInputAreUpperCased) {
  EXPECT_EQ(Convert("e5 37 11\n", Choices(kIfbl, kLambert, kBel72, kBel72)), "186512\t169680\r\n");
  EXPECT_EQ(Convert("31ues9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 0)),
            "31UES9506734013\r\n");
}

struct RefusalCase {
  std::string_view input;
  BatchChoices choices;
  std::string_view expected;
};

TEST(BatchRun, RefusedPointsShowWhyInsteadOfAResult) {
  const RefusalCase cases[] = {
      {"400\t170\n", Choices(kLambert, kLambert, kBel72, kBel72),
       "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\r\n"},
      {"400\t170\n", Choices(kLambert, kMgrs, kBel72, kWgs84, 2),
       "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\r\n"},
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

TEST(BatchRun, ReasonsAndHeaderNamesInTheRunsLanguage) {
  // The quoted fields and the reference refused are data: they stay as given.
  constexpr koord::Language kDutch = koord::Language::Dutch;
  constexpr koord::Language kEnglish = koord::Language::English;
  constexpr koord::Language kGerman = koord::Language::German;
  const RefusalCase cases[] = {
      {"abc\t170\n", In(kDutch, Choices(kLambert, kLambert, kBel72, kBel72)),
       "Onleesbaar getal: \u201Cabc\u201D\r\n"},
      {"abc\t170\n", In(kEnglish, Choices(kLambert, kLambert, kBel72, kBel72)),
       "Unreadable number: \u201Cabc\u201D\r\n"},
      {"150\n", In(kDutch, Choices(kLambert, kLambert, kBel72, kBel72)), "Ontbrekend veld: Y\r\n"},
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
      // German quotes, and thousands apart by a blank, as French and Dutch write them.
      {"abc\t170\n", In(kGerman, Choices(kLambert, kLambert, kBel72, kBel72)),
       "Unlesbare Zahl: \u201Eabc\u201C\r\n"},
      {"150\n", In(kGerman, Choices(kLambert, kLambert, kBel72, kBel72)), "Fehlendes Feld: Y\r\n"},
      {"N50\tS4\n", In(kGerman, Choices(kDegrees, kDegrees, kWgs84, kWgs84)),
       "Zwei Breiten (N oder S): \u201EN50\u201C und \u201ES4\u201C\r\n"},
      {"31U\n", In(kGerman, Choices(kMgrs, kLambert, kWgs84, kBel72)),
       "Fehlerhafte MGRS-Koordinaten (31U)\r\n"},
      {"400000\t170000\n", In(kGerman, Choices(kLambert, kLambert, kBel72, kBel72)),
       "Außerhalb des Bereichs von Lambert 1972 (X von 0 bis 310 000 m, Y von 0 bis 260 000 "
       "m)\r\n"},
      {"lat\tlon\n", In(kGerman, Choices(kLambert, kDegrees, kBel72, kWgs84)), "Breite\tLänge\r\n"},
      {"x\ty\n", In(kGerman, Choices(kLambert, CoordKind::Utm, kBel72, kWgs84)),
       "Zone\tOstwert\tNordwert\r\n"},
  };
  for (const RefusalCase& c : cases) {
    EXPECT_EQ(Convert(std::string(c.input), c.choices), c.expected) << c.input;
  }
}

TEST(BatchRun, SameKindOutputTakesThePrecisionAskedFor) {
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

TEST(BatchRun, DegreesAreWrittenInTheOutputDatum) {
  // PROJ (molodensky with the catalogue's European 1950 parameters): 50.85 N
  // 4.35 E on WGS84 is 50.850834964 N 4.351293803 E on European 1950.
  EXPECT_EQ(Convert("50.85\t4.35\n", Choices(kDegrees, kDegrees, kWgs84, Datum::Eur50)),
            "50.85083\t004.35129\r\n");
}

TEST(BatchRun, BlankLinesGiveEmptyLinesWithoutPrompt) {
  EXPECT_EQ(
      Convert("150\t170\r\n\r\n \t \r\n150\t170\r\n", Choices(kLambert, kLambert, kBel72, kBel72)),
      "150000\t170000\r\n\r\n\r\n150000\t170000\r\n");
}

TEST(BatchRun, EmptyInputConvertsNothing) {
  RecordingSink sink;
  const koord::RunSummary summary = RunText(sink, "", Choices(kLambert, kLambert, kBel72, kBel72));
  EXPECT_EQ(sink.output, "");
  EXPECT_EQ(summary.converted + summary.refused, 0u);
}

TEST(BatchRun, LastLineIsConvertedWhateverItEndsWith) {
  EXPECT_EQ(Convert("150\t170\n150\t170 ", Choices(kLambert, kLambert, kBel72, kBel72)),
            "150000\t170000\r\n150000\t170000\r\n");
  // A rest of blanks and tabs is not a line.
  EXPECT_EQ(Convert("150\t170\n \t", Choices(kLambert, kLambert, kBel72, kBel72)),
            "150000\t170000\r\n");
}

TEST(BatchRun, OverlongLinesAreRefusedUnread) {
  const std::string longLine(koord::kMaxLineLength + 1, '1');
  EXPECT_EQ(Convert(longLine + "\n150\t170\n", Choices(kLambert, kLambert, kBel72, kBel72)),
            "Ligne trop longue\r\n150000\t170000\r\n");
}

TEST(BatchRun, EveryLineEndCutsLines) {
  EXPECT_EQ(
      Convert("150\t170\n151\t171\r152\t172\r\n", Choices(kLambert, kLambert, kBel72, kBel72)),
      "150000\t170000\r\n151000\t171000\r\n152000\t172000\r\n");
}

TEST(BatchRun, MissingFieldIsRefusedInPlaceWithoutPrompt) {
  RecordingSink sink;
  const koord::RunSummary summary =
      RunText(sink, "150\t170\n150\n151\t171\n", Choices(kLambert, kLambert, kBel72, kBel72));
  EXPECT_TRUE(sink.prompts.empty());
  EXPECT_EQ(sink.output, "150000\t170000\r\nChamp manquant : Y\r\n151000\t171000\r\n");
  EXPECT_EQ(summary.converted, 2u);
  EXPECT_EQ(summary.refused, 1u);
  ASSERT_TRUE(summary.firstRefused);
  EXPECT_EQ(summary.firstRefused->number, 2u);
}

// Only a run-time fault prompts: degrees at the pole fault in the projection.
constexpr std::string_view kFaultLine = "90\t180\n";
constexpr std::string_view kFault = "Erreur de calcul en virgule flottante";

TEST(BatchRun, FaultIsHandedOverAndTheSinkGoesOn) {
  RecordingSink sink({true});
  const koord::RunSummary summary =
      RunText(sink, "50.85\t4.35\n" + std::string(kFaultLine) + "50.85\t4.35\n",
              Choices(kDegrees, kIfbl, kWgs84, kWgs84, 1));
  EXPECT_EQ(sink.prompts, (std::vector<std::string>{std::string(kFault)}));
  EXPECT_EQ(sink.output, "E425\r\n" + std::string(kFault) + "\r\nE425\r\n");
  EXPECT_EQ(summary.refused, 1u);
  ASSERT_TRUE(summary.firstRefused);
  EXPECT_EQ(summary.firstRefused->number, 2u);
}

// A sink that does not take a line ends the run there; that line counts
// in neither total.
TEST(BatchRun, ASinkThatStopsEndsTheRun) {
  RecordingSink sink({false});
  koord::BatchRun run(Choices(kDegrees, kIfbl, kWgs84, kWgs84, 1), RunOutput::Text, sink);
  EXPECT_FALSE(run.Feed("50.85\t4.35\n" + std::string(kFaultLine) + "50.85\t4.35\n"));
  EXPECT_FALSE(run.Finish());
  EXPECT_TRUE(run.Ended());
  EXPECT_EQ(sink.output, "E425\r\n");
  EXPECT_EQ(run.Summary().converted, 1u);
  EXPECT_EQ(run.Summary().refused, 0u);
}

TEST(BatchRun, FaultInTheRunsLanguage) {
  RecordingSink sink({true});
  RunText(sink, kFaultLine,
          In(koord::Language::Dutch, Choices(kDegrees, kIfbl, kWgs84, kWgs84, 1)));
  EXPECT_EQ(sink.prompts, (std::vector<std::string>{"Rekenfout met drijvende komma"}));
  EXPECT_EQ(sink.output, "Rekenfout met drijvende komma\r\n");
}

TEST(BatchRun, MgrsInputNeedsOneFieldDegreesTwo) {
  EXPECT_EQ(Convert("31UES9506734013\n", Choices(kMgrs, kMgrs, kWgs84, kWgs84, 0)),
            "31UES9506734013\r\n");
  EXPECT_EQ(Convert("50.85\n", Choices(kDegrees, kMgrs, kWgs84, kWgs84, 0)),
            "Champ manquant : Longitude\r\n");
}

// A text fed in blocks of any size, on one thread or several, gives what
// it gives whole: lines cut across blocks, a CR LF split between two, the
// header and the summary.
TEST(BatchRun, BlocksOfAnySizeAndThreadsGiveTheWholeRun) {
  const std::string text = "X\tY\r\n150\t170\r\n\r\n150\r\n151000\t171000\r\nabc\t1\r\n152\t172";
  const BatchChoices choices = Choices(kLambert, kIfbl, kBel72, kBel72, 1);
  RecordingSink whole;
  const koord::RunSummary expected = RunText(whole, text, choices);
  EXPECT_EQ(expected.converted, 3u);
  EXPECT_EQ(expected.refused, 2u);
  ASSERT_TRUE(expected.firstRefused);
  EXPECT_EQ(expected.firstRefused->number, 4u);
  for (const unsigned threads : {1u, 2u, 3u}) {
    for (const std::size_t block : {1u, 2u, 7u, 64u}) {
      SCOPED_TRACE(testing::Message() << threads << " threads, blocks of " << block);
      RecordingSink sink;
      koord::BatchRun run(choices, RunOutput::Text, sink, threads);
      for (std::size_t at = 0; at < text.size(); at += block) {
        EXPECT_TRUE(run.Feed(std::string_view(text).substr(at, block)));
      }
      EXPECT_TRUE(run.Finish());
      EXPECT_EQ(sink.output, whole.output);
      EXPECT_EQ(run.Summary().converted, expected.converted);
      EXPECT_EQ(run.Summary().refused, expected.refused);
      ASSERT_TRUE(run.Summary().firstRefused);
      EXPECT_EQ(run.Summary().firstRefused->number, expected.firstRefused->number);
    }
  }
}

// What a sink needs of each converted point besides its text (a file's
// cells and geometry) comes back with its line, whichever thread converted
// it; refused lines have none.
TEST(BatchRun, PointWorkComesBackWithItsLine) {
  class IfblWork : public koord::PointWork {
    class Worker : public koord::PointWork::Worker {
      void Do(const koord::TransCoo& point, CoordKind readAs, std::string& out) override {
        out += point.IFBL();
        out += readAs == kLambert ? "/L" : "/?";
      }
    };

   public:
    std::unique_ptr<koord::PointWork::Worker> NewWorker() const override {
      return std::make_unique<Worker>();
    }
  };
  class ExtraSink : public koord::LineSink {
   public:
    bool Take(const koord::LineResult& line) override {
      const bool converted = line.status == koord::LineStatus::Converted;
      lines.push_back(std::string(converted ? line.output : "-") + "|" + std::string(line.extra));
      return true;
    }
    std::vector<std::string> lines;
  };
  // Over several batches, so that several workers take part.
  std::string text;
  for (int i = 0; i < 10'000; ++i) {
    text += i % 7 == 3 ? "abc\t1\n" : std::to_string(30000 + 20 * i) + "\t150000\n";
  }
  const IfblWork work;
  const BatchChoices choices = Choices(kLambert, kIfbl, kBel72, kBel72, 1);
  for (const unsigned threads : {1u, 2u, 3u}) {
    SCOPED_TRACE(testing::Message() << threads << " threads");
    ExtraSink sink;
    koord::BatchRun run(choices, RunOutput::Text, sink, threads, &work);
    run.Feed(text);
    run.Finish();
    ASSERT_EQ(sink.lines.size(), 10'000u);
    for (std::size_t i = 0; i < sink.lines.size(); ++i) {
      const std::string& line = sink.lines[i];
      const std::size_t bar = line.find('|');
      if (i % 7 == 3) {
        EXPECT_EQ(line, "-|") << i;
      } else {
        EXPECT_EQ(line.substr(bar + 1), line.substr(0, bar) + "/L") << i;
      }
    }
  }
}

// Each text (a file, a paste) has its own line numbers, byte-order mark and
// header; a text cut before its end line still ends its last line.
TEST(BatchRun, EveryTextStartsAfresh) {
  RecordingSink sink;
  koord::BatchRun run(Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text, sink, 2);
  run.Feed("X\tY\n150\t170");
  run.EndText();
  run.Feed("\xEF\xBB\xBFX\tY\nabc\t1\n");
  run.Finish();
  EXPECT_EQ(sink.output, "X\tY\r\n150000\t170000\r\nX\tY\r\nNombre illisible : « abc »\r\n");
  const std::vector<std::pair<std::size_t, std::uint64_t>> expected{{0, 1}, {0, 2}, {1, 1}, {1, 2}};
  ASSERT_EQ(sink.places.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(sink.places[i].text, expected[i].first);
    EXPECT_EQ(sink.places[i].number, expected[i].second);
  }
  ASSERT_TRUE(run.Summary().firstRefused);
  EXPECT_EQ(run.Summary().firstRefused->text, 1u);
  EXPECT_EQ(run.Summary().firstRefused->number, 2u);
}

// Each line tells where its text's coordinates were found, so that a
// window can say so and write the result with the text's separator.
TEST(BatchRun, EachLineCarriesTheLayoutOfItsText) {
  for (const unsigned threads : {1u, 2u}) {
    RecordingSink sink;
    koord::BatchRun run(Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text, sink,
                        threads);
    run.Feed("Id;X;Y\nP1;150000;170000\n");
    run.EndText();
    run.Feed("150000 170000\n");
    run.Finish();
    ASSERT_EQ(sink.layouts.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(sink.layouts[i].separator, koord::Separator::Semicolon);
      EXPECT_EQ(sink.layouts[i].first, 1u);
      EXPECT_TRUE(sink.layouts[i].named);
    }
    EXPECT_EQ(sink.layouts[2].separator, koord::Separator::Blank);
    EXPECT_EQ(sink.layouts[2].first, 0u);
    EXPECT_FALSE(sink.layouts[2].named);
  }
}

// Many lines on several threads come back in order.
TEST(BatchRun, ThreadsKeepTheOrderOfALargeText) {
  std::string text;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    text += std::to_string(100000 + i) + "\t170000\n";
    expected += std::to_string(100000 + i) + "\t170000\r\n";
  }
  RecordingSink sink;
  RunText(sink, text, Choices(kLambert, kLambert, kBel72, kBel72), RunOutput::Text, 3);
  EXPECT_EQ(sink.output, expected);
}

}  // namespace
