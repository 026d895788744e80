#include "engine/NumberReader.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "support/Ascii.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

const char* const kTooLarge = "Nombre trop grand";

// Exponents beyond this are out of range whatever the digits; it keeps the
// magnitude arithmetic below far from integer overflow.
constexpr long kExponentCap = 100000;

bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

// The parts of the number found in a field, without the skipped characters.
struct NumberText {
  bool negative = false;
  std::string integer;
  std::string fraction;
  bool exponentNegative = false;
  std::string exponent;
};

// The field without the skipped characters, with commas as full stops.
std::string Compact(std::string_view field) {
  std::string s;
  s.reserve(field.size());
  for (char c : field) {
    if (!IsSkipped(c)) s += c == ',' ? '.' : c;
  }
  return s;
}

// Sign, integer, fraction, then an exponent that counts only with a digit;
// the first character that cannot continue ends the number.
NumberText Scan(std::string_view field) {
  const std::string s = Compact(field);
  const auto at = [&s](std::size_t i) { return i < s.size() ? s[i] : '\0'; };
  NumberText n;
  std::size_t i = 0;
  if (at(i) == '+' || at(i) == '-') n.negative = s[i++] == '-';
  while (ascii::IsDigit(at(i))) n.integer += s[i++];
  if (at(i) == '.') {
    ++i;
    while (ascii::IsDigit(at(i))) n.fraction += s[i++];
  }
  if (n.integer.empty() && n.fraction.empty()) return n;
  if (at(i) == 'E' || at(i) == 'e') {
    std::size_t j = i + 1;
    const bool negative = at(j) == '-';
    if (at(j) == '+' || at(j) == '-') ++j;
    while (ascii::IsDigit(at(j))) n.exponent += s[j++];
    n.exponentNegative = negative;
  }
  return n;
}

// Power of ten of the first significant digit (0 for a zero mantissa);
// saturates with huge exponents.
long Magnitude(const NumberText& n) {
  long exponent = 0;
  for (char d : n.exponent) {
    exponent = exponent * 10 + (d - '0');
    if (exponent > kExponentCap) break;
  }
  if (n.exponentNegative) exponent = -exponent;
  const auto firstInteger = n.integer.find_first_not_of('0');
  if (firstInteger != std::string::npos) {
    return exponent + static_cast<long>(n.integer.size() - firstInteger) - 1;
  }
  const auto firstFraction = n.fraction.find_first_not_of('0');
  if (firstFraction == std::string::npos) return 0;
  return exponent - static_cast<long>(firstFraction) - 1;
}

// Digits that always make a whole number below 2^53, exact in a double.
constexpr int kExactDigits = 15;
// Exact powers of ten: such a whole number divided by one of them is the
// correctly rounded value of the decimal text, as from_chars gives.
constexpr std::array<double, kExactDigits + 1> kExactPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Adds the digits from p on to `digits`, at most up to kExactDigits in all;
// returns where they end.
const char* ReadDigits(const char* p, const char* end, std::uint64_t& digits, int& count) {
  for (; p != end && ascii::IsDigit(*p); ++p) {
    if (++count > kExactDigits) return p;
    digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  return p;
}

// The common field, digits with an optional sign and decimal mark and
// nothing else, read without building a text. Returns false for any other
// field, and for digits too many to be exact this way.
bool ReadPlainNumber(std::string_view field, double& value) {
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) ++p;
  std::uint64_t digits = 0;
  int count = 0;
  p = ReadDigits(p, end, digits, count);
  const int integerDigits = count;
  if (p != end && (*p == '.' || *p == ',')) p = ReadDigits(p + 1, end, digits, count);
  if (p != end || count == 0 || count > kExactDigits) return false;
  const double magnitude = static_cast<double>(digits) /
                           kExactPowersOfTen[static_cast<std::size_t>(count - integerDigits)];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

double ReadNumber(std::string_view field) {
  double plain = 0;
  if (ReadPlainNumber(field, plain)) return plain;
  const NumberText n = Scan(field);
  if (n.integer.empty() && n.fraction.empty()) return 0;

  std::string text = n.integer.empty() ? "0" : n.integer;
  if (!n.fraction.empty()) text += '.' + n.fraction;
  if (!n.exponent.empty()) {
    text += n.exponentNegative ? "e-" : "e";
    text += n.exponent;
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too small to tell from zero is zero; too large is a fault.
    if (Magnitude(n) >= 0) throw RuntimeError(kTooLarge);
    value = 0;
  } else if (ec != std::errc{} || end != text.data() + text.size()) {
    throw RuntimeError(kTooLarge);
  }
  return n.negative ? -value : value;
}

}  // namespace koord
