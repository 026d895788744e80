// Reading numbers and angles from fields: what is accepted, what each is
// worth, and why the rest is refused.

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DegreeReader.h"
#include "engine/NumberReader.h"

namespace {

using koord::Hemisphere;
using koord::Reason;

struct NumberCase {
  std::string_view field;
  double expected;  // the nearest double of a short decimal: compared exactly
};

const NumberCase kAccepted[] = {
    {"150000", 150000},
    {"150,5", 150.5},     // comma as decimal mark
    {"150 000", 150000},  // blanks anywhere
    {"150\xC2\xA0"
     "000,25",
     150000.25},  // no-break space between thousands
    {"1\xE2\x80\xAF"
     "234",
     1234},  // narrow no-break space
    {" \t-4,25 ", -4.25},
    {"+7", 7},
    {"- 5", -5},
    {"\xE2\x88\x92"
     "4.25",
     -4.25},  // the minus sign U+2212
    {".5", 0.5},
    {"5.", 5},
    {"1,5e3", 1500},
    {"2E-2", 0.02},
    {"1 e 3", 1000},
    {"1e-999", 0},  // underflow is zero
    {"0e99999999999999999999", 0},
    {"1.7976931348623157e308", 1.7976931348623157e308},
    {"000150000", 150000},
};

TEST(ReadNumber, AcceptsOneNumberAsUsersTypeIt) {
  for (const NumberCase& c : kAccepted) {
    SCOPED_TRACE(c.field);
    double value = -1;
    EXPECT_EQ(koord::ReadNumber(c.field, value), std::nullopt);
    EXPECT_EQ(value, c.expected);
  }
}

struct RefusedCase {
  std::string_view field;
  Reason reason;
};

const RefusedCase kRefused[] = {
    {"", Reason::MissingField},
    {" \t", Reason::MissingField},
    {"abc", Reason::UnreadableNumber},
    {"nan", Reason::UnreadableNumber},
    {"inf", Reason::UnreadableNumber},
    {"-inf", Reason::UnreadableNumber},
    {"0x10", Reason::UnreadableNumber},
    {"+", Reason::UnreadableNumber},
    {".", Reason::UnreadableNumber},
    {"-", Reason::UnreadableNumber},
    {"1.2.3", Reason::UnreadableNumber},
    {"1,2.3", Reason::UnreadableNumber},  // two decimal marks
    {"150000abc", Reason::UnreadableNumber},
    {"50.8 N", Reason::UnreadableNumber},  // letters are for degrees only
    {"--5", Reason::UnreadableNumber},
    {"1e", Reason::UnreadableNumber},  // an exponent needs digits
    {"1e+", Reason::UnreadableNumber},
    {"e5", Reason::UnreadableNumber},
    {"12\n34", Reason::UnreadableNumber},  // a line feed is no blank
    {"1e999", Reason::NumberTooLarge},
    {"-1e999", Reason::NumberTooLarge},
    {"1.8e308", Reason::NumberTooLarge},
    {"1e99999999999999999999", Reason::NumberTooLarge},
};

TEST(ReadNumber, RefusesAnythingElseWithItsReason) {
  for (const RefusedCase& c : kRefused) {
    SCOPED_TRACE(c.field);
    double value = -1;
    EXPECT_EQ(koord::ReadNumber(c.field, value), c.reason);
    EXPECT_EQ(value, -1);  // left alone
  }
  double value = -1;
  EXPECT_EQ(koord::ReadNumber(std::string(400, '9'), value), Reason::NumberTooLarge);
  EXPECT_EQ(koord::ReadNumber("1" + std::string(400, '0') + "e-450", value), std::nullopt);
  EXPECT_EQ(value, 1e-50);
}

struct DegreeCase {
  std::string_view field;
  double value;  // without the letter's sign
  Hemisphere hemisphere;
};

constexpr double kDms = 50 + 51 / 60.0 + 6 / 3600.0;  // 50°51'06"

const DegreeCase kDegrees[] = {
    {"50.85", 50.85, Hemisphere::None},
    {"50,85 N", 50.85, Hemisphere::North},
    {"50.85n", 50.85, Hemisphere::North},
    {"N50.85", 50.85, Hemisphere::North},
    {"N 50.85", 50.85, Hemisphere::North},
    {"S33.9", 33.9, Hemisphere::South},
    {"4.35 W", 4.35, Hemisphere::West},
    {"4.35e", 4.35, Hemisphere::East},  // an exponent needs digits: E is east
    {"e4.35", 4.35, Hemisphere::East},
    {"-4.35", -4.35, Hemisphere::None},
    {"1e1", 10, Hemisphere::None},  // an exponent
    {"50°51'06\"N", kDms, Hemisphere::North},
    {"50° 51' 06\" N", kDms, Hemisphere::North},
    {"50°51'06.5\"", 50 + 51 / 60.0 + 6.5 / 3600.0, Hemisphere::None},
    {"50°51,5'", 50 + 51.5 / 60.0, Hemisphere::None},
    {"50°51.1'N", 50 + 51.1 / 60.0, Hemisphere::North},
    {"50:51:06", kDms, Hemisphere::None},
    {"50:51.1", 50 + 51.1 / 60.0, Hemisphere::None},
    {"50d51m06s", kDms, Hemisphere::None},
    {"50d51m06sS", kDms, Hemisphere::South},
    {"50º51'06''", kDms, Hemisphere::None},  // º, two apostrophes
    {"50\xCB\x9A"
     "51\xE2\x80\xB2"
     "06\xE2\x80\xB3 N",
     kDms, Hemisphere::North},  // ˚ ′ ″
    {"50°51\xE2\x80\x99"
     "06\xE2\x80\x99\xE2\x80\x99",
     kDms, Hemisphere::None},  // ’ and ’’
    {"-50°51'06\"", -kDms, Hemisphere::None},
    {"50.85°", 50.85, Hemisphere::None},
    {"50°", 50, Hemisphere::None},
    {"50°59'59.9\"", 50 + 59 / 60.0 + 59.9 / 3600.0, Hemisphere::None},
};

TEST(ReadDegrees, AcceptsDecimalsAndDegreesMinutesSeconds) {
  for (const DegreeCase& c : kDegrees) {
    SCOPED_TRACE(c.field);
    koord::DegreeReading reading;
    EXPECT_EQ(koord::ReadDegrees(c.field, reading), std::nullopt);
    EXPECT_NEAR(reading.value, c.value, 1e-12);  // degrees
    EXPECT_EQ(reading.hemisphere, c.hemisphere);
  }
}

const RefusedCase kRefusedDegrees[] = {
    {"", Reason::MissingField},
    {"abc", Reason::UnreadableNumber},
    {"lat", Reason::UnreadableNumber},
    {"50.85 O", Reason::UnknownHemisphere},  // O is west in French, east in Dutch
    {"O4.35", Reason::UnknownHemisphere},
    {"50.85 X", Reason::UnknownHemisphere},
    {"-50.85 N", Reason::SignAndHemisphere},
    {"+50.85N", Reason::SignAndHemisphere},
    {"N50.85N", Reason::TwoHemisphereLetters},
    {"50.85 NE", Reason::UnreadableNumber},
    {"50°60'", Reason::MinutesOrSecondsOutOfRange},
    {"50°51'60\"", Reason::MinutesOrSecondsOutOfRange},
    {"50°61'N", Reason::MinutesOrSecondsOutOfRange},
    {"50.5°30'", Reason::UnreadableNumber},  // decimals only on the last part
    {"50°30'20\"10", Reason::UnreadableNumber},
    {"50°°", Reason::UnreadableNumber},
    {"°50", Reason::UnreadableNumber},
    {"1e999", Reason::NumberTooLarge},
    {"1e999 N", Reason::NumberTooLarge},
};

TEST(ReadDegrees, RefusesWithTheReason) {
  for (const RefusedCase& c : kRefusedDegrees) {
    SCOPED_TRACE(c.field);
    koord::DegreeReading reading;
    EXPECT_EQ(koord::ReadDegrees(c.field, reading), c.reason);
  }
  koord::DegreeReading reading;
  EXPECT_EQ(koord::ReadDegrees(std::string(400, '9') + "\xC2\xB0", reading),
            Reason::NumberTooLarge);
}

}  // namespace
