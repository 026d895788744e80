#pragma once
// Texts of the batch output: Lambert 1972 as whole metres, decimal degrees
// with five decimals. Independent of the locale; the decimal mark is given.

#include <string>

#include "engine/UtmZoneText.h"

namespace koord {

// floor(x), the separator (a tab by default), floor(y): "150000\t169999"
// for (150000.9, 169999.2).
// No sign for positive values, no separators; -0.5 gives "-1".
void AppendLambert(std::string& out, double x, double y, char separator = '\t');

// Latitude on the pattern "00.00000", the separator, longitude on "000.00000":
// (50.5, 4.25) gives "50.50000\t004.25000" with '.', rounded to five
// decimals, a minus sign before the padded digits of a negative value, and
// no sign when the value rounds to zero.
void AppendDegrees(std::string& out, double latitude, double longitude, char decimalMark,
                   char separator = '\t');

// The zone, the easting and the northing, rounded to the metre:
// "31N\t596037\t5634128".
void AppendUtm(std::string& out, const UtmZoneText& zone, double easting, double northing,
               char separator = '\t');

}  // namespace koord
