#pragma once
// Checked numeric conversions. Every conversion of a double to a 16- or
// 32-bit integer rounds to nearest with ties to even, as integer conversion
// does in the program's arithmetic, and raises RuntimeError when the value
// does not fit; a NaN or an infinity never becomes an output.
//
// The common cases (a whole value in range, a finite value) are decided
// here, inline, since every point goes through them many times.

#include <cmath>
#include <cstdint>
#include <limits>

namespace koord {

namespace checked_detail {
// The uncommon paths: rounding, range and the faults.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);
[[noreturn]] void ThrowFloatFault();

// A value that is whole and in the range of Int, or false.
template <typename Int>
bool IsWholeIn(double value, Int& whole) {
  constexpr double kLowest = std::numeric_limits<Int>::min();
  constexpr double kHighest = std::numeric_limits<Int>::max();
  if (!(value >= kLowest && value <= kHighest)) return false;
  whole = static_cast<Int>(value);
  return whole == value;
}
}  // namespace checked_detail

// Rounds half to even and checks the 16-bit range.
inline std::int16_t ToInt16(double value) {
  std::int16_t whole = 0;
  return checked_detail::IsWholeIn(value, whole) ? whole : checked_detail::RoundToInt16(value);
}

// Rounds half to even and checks the 32-bit range.
inline std::int32_t ToInt32(double value) {
  std::int32_t whole = 0;
  return checked_detail::IsWholeIn(value, whole) ? whole : checked_detail::RoundToInt32(value);
}

// 16-bit product with overflow detection.
std::int16_t MulInt16(std::int16_t a, std::int16_t b);

// Returns the value, or raises RuntimeError when it is NaN or infinite.
inline double RequireFinite(double value) {
  if (!std::isfinite(value)) checked_detail::ThrowFloatFault();
  return value;
}

}  // namespace koord
