// The number reader on arbitrary text, against an independent statement of
// what a number field is: with its blanks (blank, tab, the no-break spaces
// U+00A0, U+202F and U+FEFF) taken out and the minus sign U+2212 read as '-', the
// field is accepted exactly when it matches
//
//   [+-]? ( digits ([.,] digits?)? | [.,] digits ) ([eE] [+-]? digits)?
//
// and then reads as strtod reads it (out of range: refused as too large,
// or zero when it underflows). Besides: a blank inserted between two
// characters changes nothing, and a letter appended makes any field a
// refusal.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "engine/NumberReader.h"
#include "fuzz/Invariant.h"

namespace {

using koord::Reason;
using koord::fuzz::Require;

// Longest field tried; longer ones only repeat what shorter ones show.
constexpr std::size_t kMaxField = 4096;

struct Reading {
  std::optional<Reason> refusal;
  double value = 0;
};

Reading Read(std::string_view field) {
  Reading reading;
  reading.refusal = koord::ReadNumber(field, reading.value);
  Require(std::isfinite(reading.value), "a number read is finite", field);
  return reading;
}

bool Same(const Reading& a, const Reading& b) {
  return a.refusal == b.refusal && (a.refusal || a.value == b.value);
}

// The field without its blanks, U+2212 as '-'.
std::string Compact(std::string_view field) {
  std::string s;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const std::string_view rest = field.substr(i);
    if (field[i] == ' ' || field[i] == '\t') continue;
    if (rest.starts_with("\xC2\xA0")) {
      i += 1;
      continue;
    }
    if (rest.starts_with("\xE2\x80\xAF") || rest.starts_with("\xEF\xBB\xBF")) {
      i += 2;
      continue;
    }
    if (rest.starts_with("\xE2\x88\x92")) {
      s += '-';
      i += 2;
      continue;
    }
    s += field[i];
  }
  return s;
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > kMaxField) return 0;
  // The first byte says where a blank goes; the rest is the field.
  const std::size_t blankAt = data[0];
  const std::string_view field(reinterpret_cast<const char*>(data + 1), size - 1);
  const Reading reading = Read(field);

  static const std::regex kNumber(R"([+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?)");
  const std::string compact = Compact(field);
  if (compact.empty()) {
    Require(reading.refusal == Reason::MissingField, "a blank field is a missing field", field);
  } else if (!std::regex_match(compact, kNumber)) {
    Require(reading.refusal == Reason::UnreadableNumber, "what is no number is refused", field);
  } else {
    std::string c = compact;
    for (char& ch : c) ch = ch == ',' ? '.' : ch;
    errno = 0;
    const double expected = std::strtod(c.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(expected)) {
      Require(reading.refusal == Reason::NumberTooLarge, "beyond a double is too large", field);
    } else {
      Require(!reading.refusal, "a number is accepted", field);
      Require(reading.value == expected || (errno == ERANGE && reading.value == 0),
              "a number reads as strtod reads it", field);
    }
  }

  std::size_t at = blankAt % (field.size() + 1);
  while (at < field.size() && IsContinuationByte(field[at])) ++at;
  std::string withBlank(field);
  withBlank.insert(at, 1, ' ');
  Require(Same(Read(withBlank), reading), "a blank changes nothing", field);
  Require(Read(std::string(field) + "x").refusal.has_value(), "a letter after it is refused",
          field);
  return 0;
}
