// Reading numbers from fields of the input text.

#include <gtest/gtest.h>
#include <string_view>

#include "engine/NumberReader.h"
#include "support/RuntimeError.h"

namespace {

struct ReadCase {
  std::string_view field;
  double expected;
};

// Exact decimal values: every expectation is the nearest double of a short
// decimal, so equality is the right test.
const ReadCase kReadCases[] = {
    {"150000", 150000},
    {"150,5", 150.5},     // comma as decimal mark
    {"150 000", 150000},  // blanks inside are skipped
    {"50.8 N", 50.8},     // stops at the first character that cannot go on
    {"abc", 0},           // no number
    {"", 0},
    {"150,000", 150},     // a thousands comma is a decimal mark
    {" \t-4,25", -4.25},  // leading blanks and tabs, sign
    {"+7", 7},
    {"- 5", -5},  // a blank between sign and digits is skipped
    {"--5", 0},   // a second sign cannot continue
    {".5", 0.5},
    {"5.", 5},
    {"-", 0},
    {".", 0},
    {"1.2.3", 1.2},
    {"1,5e3", 1500},
    {"2E-2", 0.02},
    {"1 e 3", 1000},  // blanks skipped inside the exponent too
    {"1e", 1},        // an exponent without digits is not read
    {"1e+", 1},
    {"1ex", 1},
    {"e5", 0},         // no mantissa, no number
    {"12\n34", 1234},  // line feeds are skipped like blanks
    {"1e-999", 0},     // underflow is zero, not a fault
    {"0e99999999999999999999", 0},
    {"1.7976931348623157e308", 1.7976931348623157e308},
};

TEST(ReadNumber, ReadsFieldsTheLenientWay) {
  for (const ReadCase& c : kReadCases) {
    EXPECT_EQ(koord::ReadNumber(c.field), c.expected) << "field: " << c.field;
  }
}

TEST(ReadNumber, NumbersTooLargeForADoubleAreFaults) {
  const std::string fourHundredDigits(400, '9');
  const std::string_view overflowing[] = {
      "1e999", "-1e999", "1.8e308", "1e99999999999999999999", fourHundredDigits,
  };
  for (std::string_view field : overflowing) {
    EXPECT_THROW(koord::ReadNumber(field), koord::RuntimeError) << field;
  }
}

}  // namespace
