#pragma once
// Reading an angle in degrees from a field: a decimal number (read as by
// ReadNumber) or degrees, minutes and seconds, with an optional hemisphere
// letter N, S, E or W (either case) before or after, with or without a blank.
//
//   "50.85"          -> 50.85         "50,85 N"       -> 50.85 N
//   "S33.9"          -> 33.9 S        "-4.35"         -> -4.35
//   "50°51'06\"N"    -> 50.851667 N   "50°51'06.5\""  -> 50.851806
//   "50°51.1'N"      -> 50.851667 N   "50:51:06"      -> 50.851667
//   "50d51m06s"      -> 50.851667     "4°21′36″ E"    -> 4.36 E
//
// Degree signs ° º ˚ and d; minute signs ' ′ ’ and m; second signs " ″,
// two apostrophes and s; a colon between the parts. The last part may have
// decimals (comma or full stop); minutes and seconds are below 60. The
// value read is the angle without the letter's sign: the caller decides,
// with both fields' letters, which is the latitude.

#include <optional>
#include <string_view>

#include "engine/Refusal.h"

namespace koord {

enum class Hemisphere { None, North, South, East, West };

struct DegreeReading {
  double value = 0;  // with the sign typed, not yet the letter's
  Hemisphere hemisphere = Hemisphere::None;
};

// Reads `field`; returns why not when it is no angle.
std::optional<Reason> ReadDegrees(std::string_view field, DegreeReading& reading);

}  // namespace koord
