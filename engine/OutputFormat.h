#pragma once
// Texts of the batch output: Lambert 1972 as whole metres, decimal degrees
// with five to seven decimals, degrees-minutes-seconds, IFBL codes with or
// without full stops. Independent of the locale; the decimal mark is given.

#include <string>
#include <string_view>

#include "core/Dms.h"

#include "engine/UtmZoneText.h"

namespace koord {

// floor(x), the separator (a tab by default), floor(y): "150000\t169999"
// for (150000.9, 169999.2).
// No sign for positive values, no separators; -0.5 gives "-1".
void AppendLambert(std::string& out, double x, double y, char separator = '\t');

// Latitude on the pattern "00.00000", the separator, longitude on "000.00000":
// (50.5, 4.25) gives "50.50000\t004.25000" with '.', rounded to `decimals`
// decimals (5 to 7), a minus sign before the padded digits of a negative
// value, and no sign when the value rounds to zero.
void AppendDegrees(std::string& out, double latitude, double longitude, char decimalMark,
                   char separator = '\t', int decimals = 5);

// An angle's degrees-minutes-seconds parts as the conversion object holds
// them (their signs are ignored), and which side of the equator or of
// Greenwich it lies on.
struct DmsAngle {
  Dms parts;
  bool negative;  // south or west
};

// Latitude, the separator, longitude, each as degrees, two-digit minutes and
// seconds with one decimal, and its hemisphere letter: 50°50'25,5"N and
// 4°22'07,5"E with ','. The parts are those DegreesToDms gives (minutes
// and seconds below 60); seconds that round to 60 carry into the minutes;
// an angle that rounds to zero is N or E. A field is quoted as CSV wants
// when the separator is not a tab (it holds a double quote).
void AppendDms(std::string& out, const DmsAngle& latitude, const DmsAngle& longitude,
               char decimalMark, char separator = '\t');

// An IFBL code ("E43522", "E435", "E4"), with full stops between its parts
// when `dots` is set: "E4.35.22", "E4.35", "E4".
void AppendIfbl(std::string& out, std::string_view code, bool dots);

// The zone, the easting and the northing, rounded to the metre:
// "31N\t596037\t5634128".
void AppendUtm(std::string& out, const UtmZoneText& zone, double easting, double northing,
               char separator = '\t');

}  // namespace koord
