#pragma once
// Decimal degrees and degrees-minutes-seconds.

#include <cstdint>

namespace koord {

struct Dms {
  std::int16_t degrees;  // carries the sign of the angle
  std::int16_t minutes;  // 0..59
  float seconds;
};

// The sign comes from the degrees alone; minutes and seconds count away from
// zero in its direction.
double DmsToDegrees(std::int16_t degrees, std::int16_t minutes, float seconds);

// The total minutes pass through a 32-bit float, so the seconds of a
// latitude near 50 degrees are good to about a hundredth of a second. The
// sign rides on the degrees and is lost below one degree. Raises
// RuntimeError when the degrees (or minutes) do not fit 16 bits.
Dms DegreesToDms(double degrees);

}  // namespace koord
