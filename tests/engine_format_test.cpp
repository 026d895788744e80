// Output texts: whole Lambert metres, decimal degrees, degrees-minutes-
// seconds and IFBL codes.

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>

#include "engine/OutputFormat.h"

namespace {

struct LambertCase {
  double x;
  double y;
  std::string_view expected;
};

const LambertCase kLambertCases[] = {
    {150000.9, 169999.2, "150000\t169999"},  // floor, not rounding
    {-0.5, 0, "-1\t0"},                      // floor goes down
    {-0.0, 310000, "0\t310000"},             // no "-0"
    {999000, 1000, "999000\t1000"},
    {1e20, 0.999, "100000000000000000000\t0"},  // no exponent, no separators
};

TEST(AppendLambert, FloorsToWholeMetres) {
  for (const LambertCase& c : kLambertCases) {
    std::string out;
    koord::AppendLambert(out, c.x, c.y);
    EXPECT_EQ(out, c.expected) << c.x << " " << c.y;
  }
}

struct DegreeCase {
  double latitude;
  double longitude;
  char mark;
  std::string_view expected;
};

const DegreeCase kDegreeCases[] = {
    {50.5, 4.25, '.', "50.50000\t004.25000"},           {50.5, 4.25, ',', "50,50000\t004,25000"},
    {-4.25, -123.456789, '.', "-04.25000\t-123.45679"},  // sign before padding
    {5.123456, 179.999996, '.', "05.12346\t180.00000"},  // rounds, carries
    {-0.000004, -0.0, '.', "00.00000\t000.00000"},       // no "-00.00000"
    {-0.000006, 0.000006, ',', "-00,00001\t000,00001"}, {90, -180, '.', "90.00000\t-180.00000"},
};

TEST(AppendDegrees, FiveDecimalsPaddedWithTheGivenMark) {
  for (const DegreeCase& c : kDegreeCases) {
    std::string out;
    koord::AppendDegrees(out, c.latitude, c.longitude, c.mark);
    EXPECT_EQ(out, c.expected) << c.latitude << " " << c.longitude;
  }
}

struct DecimalsCase {
  int decimals;
  std::string_view expected;
};

TEST(AppendDegrees, SixOrSevenDecimalsOnRequest) {
  const DecimalsCase cases[] = {
      {5, "50.84041\t004.36875"},
      {6, "50.840413\t004.368753"},
      {7, "50.8404127\t004.3687535"},
  };
  for (const DecimalsCase& c : cases) {
    std::string out;
    koord::AppendDegrees(out, 50.84041274, 4.36875349, '.', '\t', c.decimals);
    EXPECT_EQ(out, c.expected) << c.decimals;
  }
}

struct DmsCase {
  koord::DmsAngle latitude;
  koord::DmsAngle longitude;
  char mark;
  char separator;
  std::string_view expected;
};

// The parts as DegreesToDms gives them: the sign on the degrees, none below
// one degree; the hemisphere comes with them.
const DmsCase kDmsCases[] = {
    {{{50, 50, 25.46f}, false}, {{4, 22, 7.54f}, false}, ',', '\t', "50°50'25,5\"N\t4°22'07,5\"E"},
    {{{50, 50, 25.46f}, false}, {{4, 22, 7.54f}, false}, '.', '\t', "50°50'25.5\"N\t4°22'07.5\"E"},
    // Seconds that round to 60 carry into the minutes, then the degrees.
    {{{50, 59, 59.96f}, false}, {{4, 21, 59.95f}, false}, '.', '\t', "51°00'00.0\"N\t4°22'00.0\"E"},
    {{{-33, 52, 0.0f}, true},
     {{-151, 12, 36.04f}, true},
     '.',
     '\t',
     "33°52'00.0\"S\t151°12'36.0\"W"},
    // Below one degree the sign is only in the hemisphere.
    {{{0, 30, 0.0f}, true}, {{0, 0, 0.04f}, true}, '.', '\t', "0°30'00.0\"S\t0°00'00.0\"E"},
    {{{90, 0, 0.0f}, false}, {{180, 0, 0.0f}, true}, '.', '\t', "90°00'00.0\"N\t180°00'00.0\"W"},
    // A CSV field holding a double quote is quoted, the quote doubled.
    {{{50, 50, 25.46f}, false},
     {{4, 22, 7.54f}, false},
     ',',
     ';',
     "\"50°50'25,5\"\"N\";\"4°22'07,5\"\"E\""},
};

TEST(AppendDms, DegreesMinutesTenthsOfSecondsAndTheHemisphere) {
  for (const DmsCase& c : kDmsCases) {
    SCOPED_TRACE(c.expected);
    std::string out;
    koord::AppendDms(out, c.latitude, c.longitude, c.mark, c.separator);
    EXPECT_EQ(out, c.expected);
  }
}

TEST(AppendIfbl, FullStopsBetweenThePartsOnRequest) {
  const std::tuple<std::string_view, bool, std::string_view> cases[] = {
      {"E43522", true, "E4.35.22"}, {"E435", true, "E4.35"}, {"E4", true, "E4"},
      {"E43522", false, "E43522"},  {"M0", false, "M0"},
  };
  for (const auto& [code, dots, expected] : cases) {
    std::string out;
    koord::AppendIfbl(out, code, dots);
    EXPECT_EQ(out, expected);
  }
}

}  // namespace
