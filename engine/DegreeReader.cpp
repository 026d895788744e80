#include "engine/DegreeReader.h"

#include <array>
#include <charconv>
#include <string>
#include <system_error>
#include <utility>

#include "engine/NumberReader.h"
#include "engine/TextScan.h"
#include "support/Ascii.h"

namespace koord {
namespace {

// The signs that close each part of an angle. Two apostrophes (or primes)
// close seconds and are looked for before one, which closes minutes.
constexpr std::array<std::string_view, 5> kDegreeSigns{"\xC2\xB0", "\xC2\xBA", "\xCB\x9A", "d",
                                                       "D"};  // ° º ˚
constexpr std::array<std::string_view, 8> kSecondSigns{
    "\"",
    "\xE2\x80\xB3",
    "\xE2\x80\x9D",
    "''",
    "\xE2\x80\xB2\xE2\x80\xB2",
    "\xE2\x80\x99\xE2\x80\x99",
    "s",
    "S"};  // ″, ” (word processors' quote), two ′, two ’
constexpr std::array<std::string_view, 5> kMinuteSigns{"'", "\xE2\x80\xB2", "\xE2\x80\x99", "m",
                                                       "M"};  // ′ ’
constexpr std::string_view kColon = ":";
constexpr double kPerDegree[] = {1, 60, 3600};  // degrees, minutes, seconds
constexpr double kPartLimit = 60;               // minutes and seconds stay below

template <std::size_t N>
bool TakeAny(TextScan& scan, const std::array<std::string_view, N>& signs) {
  for (const std::string_view sign : signs) {
    if (scan.Take(sign)) return true;
  }
  return false;
}

// The sign that closes part `part` (0 degrees, 1 minutes, 2 seconds).
bool TakeClosingSign(TextScan& scan, int part) {
  switch (part) {
    case 0: return TakeAny(scan, kDegreeSigns) || scan.Take(kColon);
    case 1:
      // Two apostrophes close seconds, never minutes.
      return !TakeAny(scan, kSecondSigns) && (TakeAny(scan, kMinuteSigns) || scan.Take(kColon));
    default: return TakeAny(scan, kSecondSigns);
  }
}

// Digits with at most one decimal mark, as C text; empty when none.
std::string TakeDecimal(TextScan& scan, bool& hasMark) {
  std::string text(scan.TakeDigits());
  hasMark = false;
  if (!text.empty() && scan.TakeOneOf(".,") != '\0') {
    hasMark = true;
    text += '.';
    text += scan.TakeDigits();
  }
  return text;
}

// What an angle without letters reads as.
struct Angle {
  std::optional<Reason> refusal;
  double value = 0;
  bool signTyped = false;
};

// Degrees, minutes and seconds, each closed by its sign (the last may go
// without). Nothing when the text uses no sign at all or breaks the form.
std::optional<Angle> ReadSexagesimal(std::string_view text) {
  TextScan scan(text);
  scan.SkipBlanks();
  const int sign = scan.TakeSign();
  Angle angle;
  angle.signTyped = sign != 0;
  bool closedAny = false;
  for (int part = 0; part < 3; ++part) {
    scan.SkipBlanks();
    bool hasMark = false;
    const std::string number = TakeDecimal(scan, hasMark);
    if (number.empty()) {
      if (part == 0) return std::nullopt;
      break;
    }
    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc{}) {
      angle.refusal = Reason::NumberTooLarge;
    } else if (part > 0 && !(value < kPartLimit)) {
      angle.refusal = Reason::MinutesOrSecondsOutOfRange;
    }
    angle.value += value / kPerDegree[part];
    scan.SkipBlanks();
    const bool closed = TakeClosingSign(scan, part);
    closedAny = closedAny || closed;
    scan.SkipBlanks();
    // Only the last part may have decimals or go without its sign.
    if (!closed || scan.AtEnd()) break;
    if (hasMark) return std::nullopt;
  }
  scan.SkipBlanks();
  if (!closedAny || !scan.AtEnd()) return std::nullopt;
  if (sign < 0) angle.value = -angle.value;
  return angle;
}

// Degrees, minutes and maybe seconds separated by blanks, no sign between
// them: "50 51.100", "50 51 06". Nothing when the text is not of that form.
std::optional<Angle> ReadBlankSeparated(std::string_view text) {
  TextScan scan(TrimBlanks(text));
  const int sign = scan.TakeSign();
  Angle angle;
  angle.signTyped = sign != 0;
  int part = 0;
  for (; part < 3 && !scan.AtEnd(); ++part) {
    if (part > 0) {
      const std::size_t before = scan.Rest().size();
      scan.SkipBlanks();
      if (scan.Rest().size() == before) return std::nullopt;  // parts need a blank between
    }
    bool hasMark = false;
    const std::string number = TakeDecimal(scan, hasMark);
    if (number.empty()) return std::nullopt;
    if (hasMark && !TrimBlanks(scan.Rest()).empty()) return std::nullopt;  // decimals last only
    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc{}) {
      angle.refusal = Reason::NumberTooLarge;
    } else if (part > 0 && !(value < kPartLimit)) {
      angle.refusal = Reason::MinutesOrSecondsOutOfRange;
    }
    angle.value += value / kPerDegree[part];
  }
  if (part < 2 || !scan.AtEnd()) return std::nullopt;
  if (sign < 0) angle.value = -angle.value;
  return angle;
}

// Whether a blank stands between two characters of the text: in an angle
// it separates parts ("50 51.100", "50° 51'"), never digits of one number.
bool HasInnerBlank(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  // One pass over the bytes; the no-break spaces begin beyond ASCII.
  bool beyondAscii = false;
  for (const char c : trimmed) {
    if (c == ' ' || c == '\t') return true;
    beyondAscii = beyondAscii || !ascii::IsAscii(c);
  }
  return beyondAscii && (trimmed.find(kNoBreakSpace) != std::string_view::npos ||
                         trimmed.find(kNarrowNoBreakSpace) != std::string_view::npos);
}

// A plain number, or degrees, minutes and seconds.
Angle ReadAngle(std::string_view text) {
  Angle angle;
  if (HasInnerBlank(text)) {
    if (const std::optional<Angle> parts = ReadBlankSeparated(text)) return *parts;
    if (const std::optional<Angle> sexagesimal = ReadSexagesimal(text)) return *sexagesimal;
    angle.refusal = Reason::UnreadableNumber;
    return angle;
  }
  const std::optional<Reason> number = ReadNumber(text, angle.value);
  if (!number) {
    TextScan scan(text);
    scan.SkipBlanks();
    angle.signTyped = scan.TakeSign() != 0;
    return angle;
  }
  if (*number == Reason::UnreadableNumber) {
    if (const std::optional<Angle> sexagesimal = ReadSexagesimal(text)) return *sexagesimal;
  }
  angle.refusal = number;
  return angle;
}

bool IsLetter(char c) {
  return ascii::IsUpper(c) || ascii::IsLower(c);
}

std::optional<Hemisphere> HemisphereOf(char letter) {
  switch (ascii::ToUpper(letter)) {
    case 'N': return Hemisphere::North;
    case 'S': return Hemisphere::South;
    case 'E': return Hemisphere::East;
    case 'W': return Hemisphere::West;
    default: return std::nullopt;
  }
}

// Both angles of a pair, or why not.
std::optional<Reason> ReadBothSides(std::string_view left, std::string_view right,
                                    DegreeReading& first, DegreeReading& second) {
  if (const std::optional<Reason> why = ReadDegrees(left, first)) return why;
  return ReadDegrees(right, second);
}

}  // namespace

std::optional<Reason> ReadDegreePairField(std::string_view field, DegreeReading& first,
                                          DegreeReading& second) {
  const std::string_view text = TrimBlanks(field);
  if (text.empty()) return Reason::MissingField;
  // A semicolon, or a comma and a blank, say where the second angle starts.
  for (const std::string_view mark : {std::string_view(";"), std::string_view(", ")}) {
    const std::size_t at = text.find(mark);
    if (at == std::string_view::npos) continue;
    if (text.find(mark, at + 1) != std::string_view::npos) return Reason::UnreadableNumber;
    return ReadBothSides(text.substr(0, at), text.substr(at + mark.size()), first, second);
  }
  // Otherwise the one run of blanks where both sides read.
  std::optional<Reason> why = Reason::UnreadableNumber;
  int splits = 0;
  for (std::size_t at = text.find_first_of(" \t"); at != std::string_view::npos;
       at = text.find_first_of(" \t", text.find_first_not_of(" \t", at))) {
    DegreeReading left;
    DegreeReading right;
    const std::optional<Reason> sides =
        ReadBothSides(text.substr(0, at), text.substr(at), left, right);
    if (sides) continue;
    if (++splits > 1) return Reason::AmbiguousPair;
    first = left;
    second = right;
    why = std::nullopt;
  }
  return why;
}

std::optional<Reason> ReadDegrees(std::string_view field, DegreeReading& reading) {
  // Most fields are one plain number, which reads as it stands.
  if (double value = 0; !HasInnerBlank(field) && !ReadNumber(field, value)) {
    reading = {value, Hemisphere::None};
    return std::nullopt;
  }
  const std::string_view text = TrimBlanks(field);
  if (text.empty()) return Reason::MissingField;
  // A letter at either end may be a hemisphere, unless the angle reads with
  // it ("50d51m06s", "1e5"): the angle is read first as it stands, then
  // without the letter at its end, its start, or both.
  const bool leading = text.size() > 1 && IsLetter(text.front());
  const bool trailing = text.size() > 1 && IsLetter(text.back());
  constexpr std::array<std::pair<bool, bool>, 4> kAttempts{
      {{false, false}, {false, true}, {true, false}, {true, true}}};
  std::optional<Reason> refusal;
  for (const auto& [front, back] : kAttempts) {
    if ((front && !leading) || (back && !trailing)) continue;
    std::string_view inner = text;
    if (front) inner.remove_prefix(1);
    if (back) inner.remove_suffix(1);
    const Angle angle = ReadAngle(inner);
    if (angle.refusal) {
      // A telling reason (too large, minutes of 60) beats "unreadable".
      if (!refusal || refusal == Reason::UnreadableNumber) refusal = angle.refusal;
      continue;
    }
    if (!front && !back) {
      reading = {angle.value, Hemisphere::None};
      return std::nullopt;
    }
    if (front && back) return Reason::TwoHemisphereLetters;
    const std::optional<Hemisphere> hemisphere = HemisphereOf(front ? text.front() : text.back());
    if (!hemisphere) return Reason::UnknownHemisphere;
    if (angle.signTyped) return Reason::SignAndHemisphere;
    reading = {angle.value, *hemisphere};
    return std::nullopt;
  }
  return refusal;
}

}  // namespace koord
