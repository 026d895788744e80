#pragma once
// MGRS references: UTM zone, latitude band, 100 km square letters and
// the position within the square, on the template "ZZLLLEEEEENNNNN".
//
// Angles are radians, lengths metres. The lettering scheme is chosen by the
// catalogue number of the ellipsoid in use. Refusals are reported through
// fixed English error texts in the text argument (and a flag for
// MgrsToGeo), as other military grid software does.

#include <cstdint>
#include <string>

namespace koord::DMA {

// Error texts, blanks included.
inline constexpr const char* kUtmError = "   UTM ERROR";
inline constexpr const char* kMgrsNotValid = "MGRS  NOT VALID";
inline constexpr const char* kInvalidMgrs = " INVALID MGRS  ";
inline constexpr const char* kEllipsoidNA = " ELLIPSOID N/A  ";
inline constexpr const char* kOutsideRange = " OUTSIDE RANGE ";

// UTM position of a point and its 15-character MGRS text. Outside the UTM
// latitude range (-80..84 degrees) the text is empty and zone, northing and
// easting are 0. Applies the Norway and Svalbard zones.
void GeoToUtm(double a, double f, double latitude, double longitude,
              std::int16_t& zone, double& northing, double& easting,
              std::string& mgrs, std::int16_t ellipsoidNumber);

// Letter set of a zone: first column letter number, row offset in metres;
// refused = 1 when the ellipsoid has no lettering scheme.
void MgrsLetterSet(std::int16_t zone, std::int16_t& firstColumn,
                   double& rowOffset, std::int16_t ellipsoidNumber,
                   std::int32_t& refused);

// Writes the 15-character text, or an error text; never throws.
void UtmToMgrs(std::int16_t zone, double northing, double easting,
               double latitude, std::int16_t ellipsoidNumber,
               std::string& mgrs);

// The twenty latitude bands, C to X without I and O. Any other letter would
// place the cell below 80 degrees south or beyond the pole.
bool IsBandLetter(char c);

// Decodes a full 15-character text. On refusal (a letter that is no UTM
// band; band X with zone 32, 34 or 36; no lettering; the point outside its
// band and zone) refused becomes 1 and the text is overwritten with an
// error text. The northing comes back non-negative, false northing included.
void MgrsToGeo(std::string& mgrs, std::int16_t ellipsoidNumber, double a,
               double f, double& latitude, double& longitude,
               std::int16_t& zone, double& northing, double& easting,
               std::int32_t& refused);

}  // namespace koord::DMA
