#include "core/MgrsDigits.h"

#include <algorithm>

#include "support/Ascii.h"

namespace koord {
namespace {

// Two square letters and 5 + 5 digits.
constexpr std::size_t kCompleteLength = 12;

}  // namespace

std::string CompleteMgrsDigits(std::string_view text) {
  if (text.empty()) return std::string();
  const std::string_view trimmed = ascii::TrimBlanks(text);
  if (trimmed.size() == kCompleteLength) return std::string(trimmed);

  std::string s(trimmed);
  s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
  const std::size_t n = s.size();
  if (n != 2 && n != 4 && n != 6 && n != 8 && n != 10) return std::string(trimmed);

  // Fill each axis to 5 digits with 1 m short of the half of the square:
  // "49999" for 100 km, "4999" for 10 km, "499" for 1 km, "49" for 100 m,
  // "4" for 10 m.
  const std::size_t digits = (n - 2) / 2;
  std::string fill(5 - digits, '9');
  fill.front() = '4';
  std::string full;
  full.reserve(kCompleteLength);
  full.append(s, 0, 2);
  full.append(s, 2, digits);
  full.append(fill);
  full.append(s, 2 + digits, digits);
  full.append(fill);
  return full;
}

}  // namespace koord
