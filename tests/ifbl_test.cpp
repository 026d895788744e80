#include "geodesy/Ifbl.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using koord::IFBL::IfblToLambert;
using koord::IFBL::LambertToIfbl;

// Centres are whole metres or half kilometres: exact in doubles.
TEST(IfblToLambert, CentresOfSquares) {
  struct Case {
    const char* code;
    const char* normalised;
    double X, Y;  // metres
  } const cases[] = {
      {"E5", "E5", 178012, 168180},
      {"E537", "E537", 188012, 168180},
      {"E53711", "E53711", 186512, 169680},
      {" e5 37 44 ", "E53744", 189512, 166680},
      {"M0", "M0", 18012, 28180},
      {"A9", "A9", 306012, 248180},
      // A pair outside the table leaves the south-west corner of E537.
      {"E53755", "E53755", 186012, 166180},
      // A non-digit counts 0: column 0, sub-row 0 runs one square north.
      {"ex", "EX", 18012, 168180},
      {"E5x1", "E5X1", 164012, 180180},
  };
  for (const Case& c : cases) {
    std::string code = c.code;
    double X = -1, Y = -1;
    std::int32_t status = 0;
    IfblToLambert(code, X, Y, status);
    EXPECT_EQ(status, 0) << c.code;
    EXPECT_EQ(code, c.normalised);
    EXPECT_EQ(X, c.X) << c.code;
    EXPECT_EQ(Y, c.Y) << c.code;
  }
}

TEST(IfblToLambert, RefusalsLeaveXY) {
  struct Case {
    const char* code;
    const char* normalised;  // upper case only at lengths 2, 4 and 6
  } const cases[] = {
      {"I5", "I5"},
      {"i5", "I5"},
      {"N5", "N5"},
      {"5E", "5E"},
      {"E5X", "E5X"},
      {"", ""},
      {"   ", ""},
      {" e 5x", "e5x"},
      {"E5371", "E5371"},
      {"E537111", "E537111"},
      // One character, two bytes: length 2; only ASCII letters change case.
      {"é5", "é5"},
  };
  for (const Case& c : cases) {
    std::string code = c.code;
    double X = 7, Y = 8;
    std::int32_t status = 0;
    IfblToLambert(code, X, Y, status);
    EXPECT_EQ(status, -1) << c.code;
    EXPECT_EQ(X, 7) << c.code;
    EXPECT_EQ(Y, 8) << c.code;
    EXPECT_EQ(code, c.normalised);
  }
}

TEST(LambertToIfbl, CodesAtEachPrecision) {
  struct Case {
    double X, Y;  // metres
    std::int16_t precision;
    const char* code;
  } const cases[] = {
      {150000, 170000, 2, "E4"},
      {150000, 170000, 4, "E435"},
      {150000, 170000, 6, "E43522"},
      {150000, 170000, 0, "E43522"},  // anything but 2 or 4 gives 6
      {150000, 170000, -4, "E43522"},
      {2012, 18180, 6, "M05133"},  // grid origin
      // A boundary belongs to the square north and east of it.
      {34012, 38180, 6, "L15133"},
      {34011.999, 38179.999, 6, "M01822"},
      // Outside the lettered grid the arithmetic runs on.
      {1000, 10000, 6, "N-13821"},
      {0, 0, 6, "N-15832"},
      {350000, 270000, 6, "@103722"},
      {350000, 270000, 2, "@10"},
  };
  for (const Case& c : cases) {
    std::string code = "unchanged";
    std::int32_t status = 0;
    LambertToIfbl(c.X, c.Y, code, status, c.precision);
    EXPECT_EQ(status, 0) << c.X << " " << c.Y;
    EXPECT_EQ(code, c.code) << c.X << " " << c.Y << " " << c.precision;
  }
}

TEST(LambertToIfbl, RefusalsLeaveCode) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double points[][2] = {{-0.001, 170000},     {350000.001, 170000}, {150000, -0.001},
                              {150000, 270000.001}, {nan, 170000},        {150000, nan},
                              {inf, 170000},        {1e300, -1e300}};
  for (const auto& p : points) {
    std::string code = "unchanged";
    std::int32_t status = 0;
    LambertToIfbl(p[0], p[1], code, status, 6);
    EXPECT_EQ(status, 1) << p[0] << " " << p[1];
    EXPECT_EQ(code, "unchanged");
  }
}

// Every valid code of every length names a square whose centre converts
// back to the code itself.
TEST(Ifbl, EveryCodeRoundTrips) {
  const std::string rows = "MLKJHGFEDCBA";
  const char* const pairs[] = {"11", "12", "13", "14", "21", "22", "23", "24",
                               "31", "32", "33", "34", "41", "42", "43", "44"};
  std::vector<std::string> codes;
  for (char row : rows) {
    for (char column = '0'; column <= '9'; ++column) {
      const std::string large{row, column};
      codes.push_back(large);
      for (char subRow = '1'; subRow <= '5'; ++subRow) {
        for (char subColumn = '1'; subColumn <= '8'; ++subColumn) {
          const std::string square = large + subRow + subColumn;
          codes.push_back(square);
          for (const char* pair : pairs) codes.push_back(square + pair);
        }
      }
    }
  }
  ASSERT_EQ(codes.size(), 120u * (1 + 40 * 17));
  for (const std::string& original : codes) {
    std::string code = original;
    double X = 0, Y = 0;
    std::int32_t status = 0;
    IfblToLambert(code, X, Y, status);
    std::string back;
    LambertToIfbl(X, Y, back, status, static_cast<std::int16_t>(code.size()));
    ASSERT_EQ(status, 0) << original;
    ASSERT_EQ(back, original);
  }
}

}  // namespace
