#include "core/Dms.h"

#include <cmath>
#include <cstdlib>

#include "support/Checked.h"

namespace koord {

double DmsToDegrees(std::int16_t degrees, std::int16_t minutes, float seconds) {
  const double tail = minutes / 60.0 + static_cast<double>(seconds) / 3600.0;
  if (degrees < 0) return -std::abs(static_cast<double>(degrees)) - tail;
  return degrees + tail;
}

Dms DegreesToDms(double degrees) {
  // The total minutes pass through a 32-bit float: the seconds are good to
  // about a hundredth of a second, the precision of the DMS parts.
  const float total = static_cast<float>(std::fabs(degrees * 60.0));
  const double minutesTotal = total;
  Dms dms{};
  dms.degrees = ToInt16(std::trunc(minutesTotal / 60.0));
  dms.minutes = ToInt16(std::trunc(minutesTotal - dms.degrees * 60.0));
  dms.seconds = static_cast<float>((minutesTotal - dms.degrees * 60.0 - dms.minutes) * 60.0);
  if (degrees < 0) dms.degrees = static_cast<std::int16_t>(-dms.degrees);
  return dms;
}

}  // namespace koord
