#include "engine/OutputFormat.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/FieldSplitter.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// Room for the longest fixed text of a finite double (309 integer digits,
// sign, mark and five decimals).
constexpr std::size_t kNumberRoom = 330;
// Room for a scaled value's text: sign, 20 digits, mark, 7 decimals, with
// margin for the padding of the integer part (3 digits at most).
constexpr std::size_t kScaledRoom = 34;
// Least integer digits of latitude and of longitude output.
constexpr int kLatitudeDigits = 2;
constexpr int kLongitudeDigits = 3;

// Powers of ten up to the most decimals written (7).
constexpr std::array<std::uint64_t, 8> kPowersOfTen{1,      10,      100,       1000,
                                                    10'000, 100'000, 1'000'000, 10'000'000};
// Magnitudes below this are scaled exactly in 128 bits: their 53-bit
// mantissa times 10^7 fits, and the scaled value (below 10^19) fits 64
// bits.
constexpr double kExactLimit = 1e12;
// Beyond this many fraction bits, a magnitude times 10^7 stays below one
// half: it rounds to zero.
constexpr int kNegligibleShift = 100;

// Degrees-minutes-seconds: tenths of a second written, and the marks.
constexpr int kTenthsPerSecond = 10;
constexpr int kTenthsPerMinute = 60 * kTenthsPerSecond;
constexpr int kMinutesPerDegree = 60;
constexpr std::string_view kDegreeSign = "\xC2\xB0";  // °
// Characters of the parts of a 6-character IFBL code: letter and column,
// 4 x 4 km square, 1 x 1 km square.
constexpr std::size_t kIfblPart = 2;
// Stored fraction bits of a double; its exponent bias plus those bits, the
// shift of an exponent field of 1; and the shift of subnormal values.
constexpr int kFractionBits = 52;
constexpr int kNormalShift = 1023 + kFractionBits;
constexpr int kSubnormalShift = kNormalShift - 1;

__extension__ using Wide = unsigned __int128;

// magnitude * factor rounded to a whole number, ties to even, worked out
// exactly from the binary value, as to_chars rounds. False for a magnitude
// too large for this way. The factor is at most 10^7.
bool ScaleExactly(double magnitude, std::uint64_t factor, std::uint64_t& scaled) {
  if (!(magnitude < kExactLimit)) return false;
  // magnitude = mantissa / 2^shift, read from the bits; shift > 0 below
  // the limit.
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto biased = static_cast<int>(bits >> kFractionBits);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << kFractionBits) - 1);
  const std::uint64_t mantissa =
      biased == 0 ? fraction : fraction | (std::uint64_t{1} << kFractionBits);
  const int shift = biased == 0 ? kSubnormalShift : kNormalShift - biased;
  if (shift > kNegligibleShift) {
    scaled = 0;
    return true;
  }
  const Wide product = Wide{mantissa} * factor;
  const Wide quotient = product >> shift;
  const Wide remainder = product - (quotient << shift);
  const Wide half = Wide{1} << (shift - 1);
  const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
  scaled = static_cast<std::uint64_t>(quotient) + (up ? 1 : 0);
  return true;
}

// AppendFixed for magnitudes that scale exactly: the same text, written
// from its last digit.
void AppendScaled(std::string& out, bool negative, std::uint64_t scaled, int decimals,
                  int minDigits, char mark) {
  std::array<char, kScaledRoom> text;
  std::size_t start = text.size();
  std::uint64_t rest = scaled;
  for (int i = 0; i < decimals; ++i) {
    text[--start] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  if (decimals > 0) text[--start] = mark;
  int digits = 0;
  do {
    text[--start] = static_cast<char>('0' + rest % 10);
    rest /= 10;
    ++digits;
  } while (rest != 0);
  for (; digits < minDigits; ++digits) text[--start] = '0';
  // A value that rounds to zero is shown without a sign.
  if (negative && scaled != 0) text[--start] = '-';
  out.append(text.data() + start, text.size() - start);
}

// Appends `value` in fixed notation with `decimals` decimals (at most 7),
// its integer part padded with zeros to `minDigits`, the full stop replaced
// by `mark`.
void AppendFixed(std::string& out, double value, int decimals, int minDigits, char mark) {
  RequireFinite(value);
  std::uint64_t scaled = 0;
  if (ScaleExactly(std::fabs(value), kPowersOfTen[static_cast<std::size_t>(decimals)], scaled)) {
    AppendScaled(out, std::signbit(value), scaled, decimals, minDigits, mark);
    return;
  }
  std::array<char, kNumberRoom> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (negative && text.find_first_of("123456789") != std::string_view::npos) {
    out += '-';
  }
  const std::size_t markAt = text.find('.');
  const std::size_t digits = markAt == std::string_view::npos ? text.size() : markAt;
  if (digits < static_cast<std::size_t>(minDigits)) {
    out.append(static_cast<std::size_t>(minDigits) - digits, '0');
  }
  out.append(text.substr(0, digits));
  if (markAt != std::string_view::npos) {
    out += mark;
    out.append(text.substr(markAt + 1));
  }
}

// Two digits of a value below 100.
void AppendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

// One angle of AppendDms, its seconds rounded once, to the tenth, from the
// angle's exact value.
std::string DmsText(double angle, char positive, char negative, char decimalMark) {
  constexpr std::uint64_t kTenthsPerDegree = kMinutesPerDegree * kTenthsPerMinute;
  std::uint64_t tenths = 0;
  if (!ScaleExactly(std::fabs(RequireFinite(angle)), kTenthsPerDegree, tenths)) {
    throw RuntimeError(Fault::Overflow);
  }
  const std::uint64_t degrees = tenths / kTenthsPerDegree;
  const auto minutes = static_cast<int>(tenths % kTenthsPerDegree / kTenthsPerMinute);
  const auto rest = static_cast<int>(tenths % kTenthsPerMinute);
  std::string text = std::to_string(degrees);
  text += kDegreeSign;
  AppendTwoDigits(text, minutes);
  text += '\'';
  AppendTwoDigits(text, rest / kTenthsPerSecond);
  text += decimalMark;
  text += static_cast<char>('0' + rest % kTenthsPerSecond);
  text += '"';
  // An angle that rounds to zero lies on neither side.
  text += angle < 0 && tenths != 0 ? negative : positive;
  return text;
}

}  // namespace

void AppendMetres(std::string& out, double x, double y, const MetreStyle& style) {
  AppendFixed(out, x, style.decimals, 1, style.decimalMark);
  out += style.separator;
  AppendFixed(out, y, style.decimals, 1, style.decimalMark);
}

void AppendDegrees(std::string& out, double latitude, double longitude, char decimalMark,
                   char separator, int decimals) {
  AppendFixed(out, latitude, decimals, kLatitudeDigits, decimalMark);
  out += separator;
  AppendFixed(out, longitude, decimals, kLongitudeDigits, decimalMark);
}

void AppendDms(std::string& out, double latitude, double longitude, char decimalMark,
               char separator) {
  AppendField(out, DmsText(latitude, 'N', 'S', decimalMark), separator);
  out += separator;
  AppendField(out, DmsText(longitude, 'E', 'W', decimalMark), separator);
}

void AppendIfbl(std::string& out, std::string_view code, bool dots) {
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (dots && i > 0 && i % kIfblPart == 0) out += '.';
    out += code[i];
  }
}

void AppendUtm(std::string& out, const UtmZoneText& zone, double easting, double northing,
               const MetreStyle& style) {
  out += UtmZoneName(zone);
  out += style.separator;
  AppendMetres(out, easting, northing, style);
}

}  // namespace koord
