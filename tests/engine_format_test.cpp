// Output texts: whole Lambert metres and decimal degrees.

#include <gtest/gtest.h>
#include <string>
#include <string_view>

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

}  // namespace
