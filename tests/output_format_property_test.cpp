// The output texts against std::to_chars, which rounds a double's exact
// binary value correctly: degrees and whole metres must come out with the
// same digits on a million values drawn from every range that matters
// (Belgian coordinates, ties at the fifth decimal, five to seven decimals, huge, tiny and
// subnormal values, both signs, both zeros).

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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

TEST(OutputFormatProperty, WholeMetresMatchToCharsOnAMillionValues) {
  Values values;
  int mismatches = 0;
  for (int i = 0; i < kValues && mismatches < 10; ++i) {
    const double x = values.Next();
    const double y = values.Next();
    std::string out;
    koord::AppendLambert(out, x, y);
    const std::string expected =
        Reference(std::floor(x), 0, 1) + '\t' + Reference(std::floor(y), 0, 1);
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

}  // namespace
