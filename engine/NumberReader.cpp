#include "engine/NumberReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "engine/TextScan.h"
#include "support/Ascii.h"

namespace koord {
namespace {

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
// nothing else, read without building a text. False for any other field,
// and for digits too many to be exact this way.
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

// The field as C text for from_chars: blanks dropped, the sign and the
// decimal mark in ASCII; nothing when it breaks the grammar.
std::optional<std::string> Normalised(std::string_view field) {
  TextScan scan(field);
  std::string text;
  scan.SkipBlanks();
  if (scan.TakeSign() < 0) text += '-';
  bool mantissaDigits = false;
  bool mark = false;
  for (;;) {
    scan.SkipBlanks();
    const std::string_view digits = scan.TakeDigits();
    if (!digits.empty()) {
      text += digits;
      mantissaDigits = true;
    } else if (!mark && scan.TakeOneOf(".,") != '\0') {
      text += '.';
      mark = true;
    } else {
      break;
    }
  }
  if (!mantissaDigits) return std::nullopt;
  if (scan.TakeOneOf("eE") != '\0') {
    text += 'e';
    scan.SkipBlanks();
    if (scan.TakeSign() < 0) text += '-';
    bool exponentDigits = false;
    for (;;) {
      scan.SkipBlanks();
      const std::string_view digits = scan.TakeDigits();
      if (digits.empty()) break;
      text += digits;
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  scan.SkipBlanks();
  if (!scan.AtEnd()) return std::nullopt;
  return text;
}

// Exponents beyond this are out of range whatever the digits; it keeps the
// magnitude arithmetic below far from integer overflow.
constexpr long kExponentCap = 100000;

// Power of ten of the first significant digit of a normalised text (0 for a
// zero mantissa), saturating with huge exponents: a text out of a double's
// range is too large when this is not negative, too small otherwise.
long Magnitude(std::string_view text) {
  const std::size_t e = text.find('e');
  const std::string_view mantissa = text.substr(0, e);
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = text.substr(e + 1);
    const bool negative = digits.starts_with('-');
    if (negative) digits.remove_prefix(1);
    for (const char d : digits) {
      exponent = exponent * 10 + (d - '0');
      if (exponent > kExponentCap) break;
    }
    if (negative) exponent = -exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  const long shift = static_cast<long>(point) - static_cast<long>(first);
  return exponent + (first < point ? shift - 1 : shift);
}

// A letter other than an exponent's, which no number holds: such a field
// ("31UES963329", "K35531") is told unreadable without building a text.
bool HasLetterBesidesExponent(std::string_view field) {
  return std::any_of(field.begin(), field.end(), [](char c) {
    return (ascii::IsUpper(c) || ascii::IsLower(c)) && c != 'e' && c != 'E';
  });
}

}  // namespace

std::optional<Reason> ReadNumber(std::string_view field, double& value) {
  if (ReadPlainNumber(field, value)) return std::nullopt;
  TextScan blanks(field);
  blanks.SkipBlanks();
  if (blanks.AtEnd()) return Reason::MissingField;
  if (HasLetterBesidesExponent(field)) return Reason::UnreadableNumber;
  const std::optional<std::string> text = Normalised(field);
  if (!text) return Reason::UnreadableNumber;
  double read = 0;
  const char* const begin = text->data();
  const char* const end = begin + text->size();
  const auto [stop, ec] = std::from_chars(begin, end, read);
  if (ec == std::errc::result_out_of_range) {
    // Too small to tell from zero is zero; too large is refused.
    if (Magnitude(*text) >= 0) return Reason::NumberTooLarge;
    read = 0;
  } else if (ec != std::errc{} || stop != end) {
    return Reason::UnreadableNumber;
  }
  value = read;
  return std::nullopt;
}

bool HasDigit(std::string_view field) {
  for (const char c : field) {
    if (ascii::IsDigit(c)) return true;
  }
  return false;
}

}  // namespace koord
