// The output texts against an independent exact rounding: std::to_chars,
// which rounds a double's exact binary value correctly, for degrees and
// metres; exact decimal arithmetic for degrees-minutes-seconds. The same
// digits on a million values drawn from every range that matters (Belgian
// coordinates, ties, every number of decimals, huge, tiny and subnormal
// values, both signs, both zeros).

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "engine/Choices.h"
#include "engine/OutputFormat.h"

namespace {

constexpr int kValues = 1000000;

// The expected text: to_chars in fixed notation, the integer part padded
// with zeros to `digits`, and no minus sign on a value that rounds to zero.
std::string Reference(double value, int decimals, int digits) {
  std::array<char, 400> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::fixed, decimals)
                       .ptr;
  std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  std::string out;
  if (text.front() == '-') {
    text.remove_prefix(1);
    if (text.find_first_of("123456789") != std::string_view::npos) out += '-';
  }
  const std::size_t integer = std::min(text.find('.'), text.size());
  if (integer < static_cast<std::size_t>(digits)) {
    out.append(static_cast<std::size_t>(digits) - integer, '0');
  }
  out += text;
  return out;
}

// Values drawn from one of several ranges, in turn.
class Values {
 public:
  double Next() {
    switch (turn_++ % 7) {
      case 0: return Uniform(-200, 200);                          // degrees
      case 1: return Uniform(-1e6, 1e6);                          // metres
      case 2: return Tie();                                       // x.xxxxx5
      case 3: return std::ldexp(Uniform(-1, 1), Int(-1074, 60));  // any magnitude
      case 4: return std::nextafter(Tie(), Uniform(-1, 1) < 0 ? -1e300 : 1e300);
      case 5: return Bits();  // any finite double
      default: return Uniform(-1e12, 1e12) * (Uniform(0, 1) < 0.5 ? 1 : 1e-12);
    }
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  // A value exactly halfway between two fifth decimals: an odd multiple of
  // 1/64 has six decimals, the last a 5.
  double Tie() { return (Int(-6400, 6400) * 2 + 1) / 64.0 + Int(-180, 180); }
  double Bits() {
    for (;;) {
      const double value = std::bit_cast<double>(random_());
      if (std::isfinite(value)) return value;
    }
  }

  std::mt19937_64 random_{20260101};
  unsigned turn_ = 0;
};

TEST(OutputFormatProperty, DegreesMatchToCharsOnAMillionValues) {
  Values values;
  int mismatches = 0;
  for (int i = 0; i < kValues && mismatches < 10; ++i) {
    const double latitude = values.Next();
    const double longitude = values.Next();
    // Five to seven decimals in turn.
    const int decimals = 5 + i % 3;
    std::string out;
    koord::AppendDegrees(out, latitude, longitude, '.', '\t', decimals);
    const std::string expected =
        Reference(latitude, decimals, 2) + '\t' + Reference(longitude, decimals, 3);
    if (out != expected) {
      ++mismatches;
      ADD_FAILURE() << std::hexfloat << latitude << " " << longitude << ": " << out
                    << " != " << expected;
    }
  }
}

TEST(OutputFormatProperty, MetresMatchToCharsOnAMillionValues) {
  Values values;
  int mismatches = 0;
  for (int i = 0; i < kValues && mismatches < 10; ++i) {
    const double x = values.Next();
    const double y = values.Next();
    const int decimals = i % (koord::kMaxMetreDecimals + 1);
    std::string out;
    koord::AppendMetres(out, x, y, {decimals, '.', '\t'});
    const std::string expected = Reference(x, decimals, 1) + '\t' + Reference(y, decimals, 1);
    if (out != expected) {
      ++mismatches;
      ADD_FAILURE() << std::hexfloat << x << " " << y << ": " << out << " != " << expected;
    }
  }
}

TEST(OutputFormatProperty, SpecialValuesMatchToChars) {
  constexpr double kMin = std::numeric_limits<double>::denorm_min();
  constexpr double kMax = std::numeric_limits<double>::max();
  for (const double value :
       {0.0, -0.0, kMin, -kMin, kMax, -kMax, 0.000005, -0.000005, 0.0000049999999999, 1e12,
        std::nextafter(1e12, 0.0), 99.999995, -179.999995, 9.999995, 0.5, -0.5}) {
    std::string out;
    koord::AppendDegrees(out, value, value, ',');
    std::string expected = Reference(value, koord::kDefaultDegreeDecimals, 2) + '\t' +
                           Reference(value, koord::kDefaultDegreeDecimals, 3);
    std::replace(expected.begin(), expected.end(), '.', ',');
    EXPECT_EQ(out, expected) << std::hexfloat << value;
  }
}

// The exact decimal digits of a finite double, as "-123.456...", through
// to_chars with enough decimals to hold every binary fraction bit.
std::string ExactDecimal(double value) {
  std::array<char, 1200> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::fixed, 1100)
                       .ptr;
  return std::string(buffer.data(), end);
}

// Tenths of a second of |angle|, rounded half to even from its exact
// decimal value: the digits times 36 000, in decimal long multiplication.
std::uint64_t ExactTenths(double angle) {
  std::string text = ExactDecimal(std::fabs(angle));
  const std::size_t point = text.find('.');
  std::string digits = text.substr(0, point) + text.substr(point + 1);
  const std::size_t fraction = text.size() - point - 1;
  // digits * 36000, from the last digit.
  std::string product(digits.size() + 6, '0');
  unsigned carry = 0;
  for (std::size_t i = 0; i < product.size(); ++i) {
    const unsigned digit =
        i < digits.size() ? static_cast<unsigned>(digits[digits.size() - 1 - i] - '0') : 0;
    const unsigned value = digit * 36000 + carry;
    product[product.size() - 1 - i] = static_cast<char>('0' + value % 10);
    carry = value / 10;
  }
  const std::string whole = product.substr(0, product.size() - fraction);
  const std::string rest = product.substr(product.size() - fraction);
  std::uint64_t tenths = std::stoull(whole);
  const bool restAfterFive = rest.find_first_not_of('0', 1) != std::string::npos;
  const bool pastHalf = rest[0] > '5' || (rest[0] == '5' && restAfterFive);
  const bool half = rest[0] == '5' && !restAfterFive;
  if (pastHalf || (half && tenths % 2 == 1)) ++tenths;
  return tenths;
}

std::string ExpectedDms(double angle, char positive, char negative) {
  const std::uint64_t tenths = ExactTenths(angle);
  const std::uint64_t degrees = tenths / 36000;
  const std::uint64_t minutes = tenths % 36000 / 600;
  const std::uint64_t rest = tenths % 600;
  char text[64];
  std::snprintf(text, sizeof text, "%llu\xC2\xB0%02llu'%02llu.%llu\"%c",
                static_cast<unsigned long long>(degrees), static_cast<unsigned long long>(minutes),
                static_cast<unsigned long long>(rest / 10),
                static_cast<unsigned long long>(rest % 10),
                angle < 0 && tenths != 0 ? negative : positive);
  return text;
}

TEST(OutputFormatProperty, DmsRoundedOnceFromTheExactAngleOnAMillionValues) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> latitudes(-90, 90);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  int mismatches = 0;
  for (int i = 0; i < kValues && mismatches < 10; ++i) {
    double latitude = latitudes(random);
    double longitude = longitudes(random);
    // Every fourth pair lies on a tie of the twentieth of a second, or next
    // to one.
    if (i % 4 == 0) {
      latitude = std::round(latitude * 72000) / 72000;
      longitude = std::nextafter(std::round(longitude * 72000) / 72000, i % 8 == 0 ? 0.0 : 200.0);
    }
    std::string out;
    koord::AppendDms(out, latitude, longitude, '.', '\t');
    const std::string expected =
        ExpectedDms(latitude, 'N', 'S') + '\t' + ExpectedDms(longitude, 'E', 'W');
    if (out != expected) {
      ++mismatches;
      ADD_FAILURE() << std::hexfloat << latitude << " " << longitude << ": " << out
                    << " != " << expected;
    }
  }
}

}  // namespace
