#pragma once
// Checked numeric conversions. Every conversion of a double to a 16- or
// 32-bit integer rounds to nearest with ties to even, as integer conversion
// does in the program's arithmetic, and raises RuntimeError when the value
// does not fit; a NaN or an infinity never becomes an output.

#include <cstdint>

namespace koord {

// Rounds half to even and checks the 16-bit range.
std::int16_t ToInt16(double value);
// Rounds half to even and checks the 32-bit range.
std::int32_t ToInt32(double value);
// 16-bit product with overflow detection.
std::int16_t MulInt16(std::int16_t a, std::int16_t b);
// Returns the value, or raises RuntimeError when it is NaN or infinite.
double RequireFinite(double value);

}  // namespace koord
