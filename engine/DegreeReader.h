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
//   "N50 51.100"     -> 50.851667 N   "50.85167° N"   -> 50.85167 N
//   "50°51’06”N"     -> 50.851667 N   "50 51 06"      -> 50.851667
//
// Degree signs ° º ˚ and d; minute signs ' ′ ’ and m; second signs " ″ ”,
// two apostrophes and s; a colon or blanks between the parts (an angle has
// no thousands to group, so a blank between digits separates its parts).
// The last part may have decimals (comma or full stop); minutes and
// seconds are below 60. The value read is the angle without the letter's
// sign: the caller decides, with both fields' letters, which is the
// latitude.

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

// Reads a field that holds both angles of a point, as map sites and GPS
// receivers copy them: "50.846667, 4.352500", "50.85 4.35",
// "N50 51.100 E004 21.167", "50°51'06\"N 4°21'10\"E". The angles are split
// at a semicolon, at a comma followed by a blank, or at the one run of
// blanks where both sides read as angles (a comma alone may be a decimal
// mark and splits nothing). Returns why not: the reason of the reading
// that failed, or AmbiguousPair when the blanks split it in more than one
// way.
std::optional<Reason> ReadDegreePairField(std::string_view field, DegreeReading& first,
                                          DegreeReading& second);

}  // namespace koord
