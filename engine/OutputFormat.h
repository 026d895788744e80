#pragma once
// Texts of the batch output: Lambert 1972, Lambert 2008 and UTM numbers in
// metres, decimal degrees with five to seven decimals,
// degrees-minutes-seconds, IFBL codes with or without full stops. Every
// number is rounded once, to the nearest, from its exact binary value (ties
// to even, as to_chars). Independent of the locale; the decimal mark is
// given.

#include <string>
#include <string_view>

#include "engine/UtmZoneText.h"

namespace koord {

// How metres are written: the decimals (0 to 3), their mark, and what
// separates two numbers.
struct MetreStyle {
  int decimals = 0;
  char decimalMark = '.';
  char separator = '\t';
};

// x, the separator, y, each rounded to the nearest at `decimals`:
// "150001\t169999" for (150000.9, 169999.2), "150000.9\t169999.2" with one
// decimal. No sign for positive values nor for a value that rounds to zero,
// no grouping.
void AppendMetres(std::string& out, double x, double y, const MetreStyle& style = {});

// Latitude on the pattern "00.00000", the separator, longitude on "000.00000":
// (50.5, 4.25) gives "50.50000\t004.25000" with '.', rounded to `decimals`
// decimals (5 to 7), a minus sign before the padded digits of a negative
// value, and no sign when the value rounds to zero.
void AppendDegrees(std::string& out, double latitude, double longitude, char decimalMark,
                   char separator = '\t', int decimals = 5);

// Latitude, the separator, longitude, each as degrees, two-digit minutes and
// seconds with one decimal, and its hemisphere letter: 50°50'25,5"N and
// 4°22'07,5"E with ','. The angle is rounded once, to the tenth of a
// second, from its exact value, so seconds that round to 60 carry into the
// minutes; an angle that rounds to zero is N or E. A field is quoted as CSV
// wants when the separator is not a tab (it holds a double quote).
void AppendDms(std::string& out, double latitude, double longitude, char decimalMark,
               char separator = '\t');

// An IFBL code ("E43522", "E435", "E4"), with full stops between its parts
// when `dots` is set: "E4.35.22", "E4.35", "E4".
void AppendIfbl(std::string& out, std::string_view code, bool dots);

// The zone, the easting and the northing as AppendMetres writes them:
// "31N\t596037\t5634128".
void AppendUtm(std::string& out, const UtmZoneText& zone, double easting, double northing,
               const MetreStyle& style = {});

}  // namespace koord
