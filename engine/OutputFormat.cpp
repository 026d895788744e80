#include "engine/OutputFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "core/Checked.h"

namespace koord {
namespace {

// Room for the longest fixed text of a finite double (309 integer digits,
// sign, mark and five decimals).
constexpr std::size_t kNumberRoom = 330;
// Decimals of degree output.
constexpr int kDegreeDecimals = 5;
// Least integer digits of latitude and of longitude output.
constexpr int kLatitudeDigits = 2;
constexpr int kLongitudeDigits = 3;

// Appends `value` in fixed notation with `decimals` decimals, its integer
// part padded with zeros to `minDigits`, the full stop replaced by `mark`.
void AppendFixed(std::string& out, double value, int decimals, int minDigits,
                 char mark) {
  std::array<char, kNumberRoom> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                    RequireFinite(value), std::chars_format::fixed, decimals);
  std::string_view text(buffer.data(),
                        static_cast<std::size_t>(result.ptr - buffer.data()));
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  // A value that rounds to zero is shown without a sign.
  if (negative && text.find_first_of("123456789") != std::string_view::npos) {
    out += '-';
  }
  const std::size_t markAt = text.find('.');
  const std::size_t digits = markAt == std::string_view::npos ? text.size()
                                                               : markAt;
  if (digits < static_cast<std::size_t>(minDigits)) {
    out.append(static_cast<std::size_t>(minDigits) - digits, '0');
  }
  out.append(text.substr(0, digits));
  if (markAt != std::string_view::npos) {
    out += mark;
    out.append(text.substr(markAt + 1));
  }
}

void AppendWholeMetres(std::string& out, double value) {
  AppendFixed(out, std::floor(value), 0, 1, '.');
}

}  // namespace

void AppendLambert(std::string& out, double x, double y) {
  AppendWholeMetres(out, x);
  out += '\t';
  AppendWholeMetres(out, y);
}

void AppendDegrees(std::string& out, double latitude, double longitude,
                   char decimalMark) {
  AppendFixed(out, latitude, kDegreeDecimals, kLatitudeDigits, decimalMark);
  out += '\t';
  AppendFixed(out, longitude, kDegreeDecimals, kLongitudeDigits, decimalMark);
}

}  // namespace koord
