// The number reader on arbitrary text. Besides never failing but with
// RuntimeError, it must give a finite number and keep three properties
// that follow from how users type numbers:
// - a blank inserted anywhere changes nothing (blanks are skipped);
// - a character that cannot continue a number, appended, changes nothing;
// - a plain decimal reads as the C library reads it, and a leading minus
//   sign negates it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/NumberReader.h"
#include "fuzz/Invariant.h"

namespace {

using koord::fuzz::Require;

// Longest field tried; longer ones only repeat what shorter ones show.
constexpr std::size_t kMaxField = 4096;
// Longest plain decimal compared with the C library: up to 15 significant
// digits both readers give the same correctly rounded double.
constexpr std::size_t kPlainDigits = 15;

// The value read, or nothing when the reader raised its fault.
std::optional<double> Read(std::string_view field) {
  double value = 0;
  if (!koord::fuzz::OnlyRuntimeError([&] { value = koord::ReadNumber(field); })) {
    return std::nullopt;
  }
  Require(std::isfinite(value), "a number read is finite", field);
  return value;
}

bool Same(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || *a == *b);
}

// The field as the reader sees it: without blanks, tabs and line feeds,
// commas as full stops.
std::string Compact(std::string_view field) {
  std::string s;
  for (char c : field) {
    if (c == ' ' || c == '\t' || c == '\n') continue;
    s += c == ',' ? '.' : c;
  }
  return s;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits with at most one full stop, at most kPlainDigits digits.
bool IsPlainDecimal(std::string_view s) {
  std::size_t digits = 0;
  std::size_t stops = 0;
  for (char c : s) {
    if (IsDigit(c)) {
      ++digits;
    } else if (c == '.') {
      ++stops;
    } else {
      return false;
    }
  }
  return digits > 0 && digits <= kPlainDigits && stops <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > kMaxField) return 0;
  // The first byte says where a blank goes; the rest is the field.
  const std::size_t blankAt = data[0];
  const std::string_view field(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::optional<double> value = Read(field);

  std::string withBlank(field);
  withBlank.insert(blankAt % (field.size() + 1), 1, ' ');
  Require(Same(Read(withBlank), value), "a blank changes nothing", field);

  Require(Same(Read(std::string(field) + "x"), value),
          "a character after the number changes nothing", field);

  const std::string compact = Compact(field);
  if (IsPlainDecimal(compact)) {
    const double expected = std::strtod(compact.c_str(), nullptr);
    Require(value && *value == expected, "a plain decimal reads as strtod", field);
    std::string negated = "-";
    negated += field;
    Require(Same(Read(negated), -expected), "a minus sign negates the number", field);
  }
  return 0;
}
