#include "support/Checked.h"

#include <cmath>
#include <limits>

#include "support/RuntimeError.h"

namespace koord {
namespace {

// Half to even, independent of the current floating-point rounding mode.
double RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double diff = value - down;
  if (diff < 0.5) return down;
  if (diff > 0.5) return down + 1.0;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

template <typename Int>
Int ToInt(double value) {
  if (!std::isfinite(value)) throw RuntimeError(Fault::Overflow);
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    throw RuntimeError(Fault::Overflow);
  }
  return static_cast<Int>(rounded);
}

}  // namespace

namespace checked_detail {

std::int16_t RoundToInt16(double value) {
  return ToInt<std::int16_t>(value);
}

std::int32_t RoundToInt32(double value) {
  return ToInt<std::int32_t>(value);
}

void ThrowFloatFault() {
  throw RuntimeError(Fault::FloatFault);
}

}  // namespace checked_detail

std::int16_t MulInt16(std::int16_t a, std::int16_t b) {
  const std::int32_t product = std::int32_t{a} * std::int32_t{b};
  if (product < std::numeric_limits<std::int16_t>::min() ||
      product > std::numeric_limits<std::int16_t>::max()) {
    throw RuntimeError(Fault::Overflow);
  }
  return static_cast<std::int16_t>(product);
}

}  // namespace koord
