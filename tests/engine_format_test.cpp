// Output texts: metres, decimal degrees, degrees-minutes-seconds and IFBL
// codes, each number rounded once to the nearest.

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>

#include "engine/OutputFormat.h"

namespace {

struct MetreCase {
  double x;
  double y;
  koord::MetreStyle style;
  std::string_view expected;
};

const MetreCase kMetreCases[] = {
    // PROJ gives 149999.9968 170000.0022 for the point of 150000, 170000:
    // rounded, not cut down a metre.
    {149999.9968, 170000.0022, {}, "150000\t170000"},
    {150000.9, 169999.2, {}, "150001\t169999"},
    {150000.5, 169999.5, {}, "150000\t170000"},  // ties to even, as to_chars
    {-0.4, 0, {}, "0\t0"},                       // no "-0"
    {-0.6, 310000, {}, "-1\t310000"},
    {1e20, 0.999, {}, "100000000000000000000\t1"},  // no exponent, no grouping
    {150000.04, 170000.06, {1, '.', '\t'}, "150000.0\t170000.1"},
    {150000.0449, 170000.0551, {2, ',', ';'}, "150000,04;170000,06"},
    {649999.9996, 670000.0004, {3, '.', '\t'}, "650000.000\t670000.000"},
};

TEST(AppendMetres, RoundedToTheDecimalsAsked) {
  for (const MetreCase& c : kMetreCases) {
    std::string out;
    koord::AppendMetres(out, c.x, c.y, c.style);
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
  double latitude;
  double longitude;
  char mark;
  char separator;
  std::string_view expected;
};

const DmsCase kDmsCases[] = {
    {50.840406, 4.368761, ',', '\t', "50°50'25,5\"N\t4°22'07,5\"E"},
    {50.840406, 4.368761, '.', '\t', "50°50'25.5\"N\t4°22'07.5\"E"},
    // Rounded once from the angle, not through a 32-bit float: 11.94757"
    // is 11.9", where the float's seconds gave 12.0.
    {51.069985466, 4.0, '.', '\t', "51°04'11.9\"N\t4°00'00.0\"E"},
    // Seconds that round to 60 carry into the minutes, then the degrees.
    {50.99999, 4.366665, '.', '\t', "51°00'00.0\"N\t4°22'00.0\"E"},
    {-33.866667, -151.21001, '.', '\t', "33°52'00.0\"S\t151°12'36.0\"W"},
    // Below one degree the sign is in the hemisphere; zero is N and E.
    {-0.5, -0.00001, '.', '\t', "0°30'00.0\"S\t0°00'00.0\"E"},
    {90, -180, '.', '\t', "90°00'00.0\"N\t180°00'00.0\"W"},
    // A CSV field holding a double quote is quoted, the quote doubled.
    {50.840406, 4.368761, ',', ';', "\"50°50'25,5\"\"N\";\"4°22'07,5\"\"E\""},
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
