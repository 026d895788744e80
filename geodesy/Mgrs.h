#pragma once
// MGRS references: UTM zone, latitude band, 100 km square letters and
// the position within the square, on the template "ZZLLLEEEEENNNNN".
//
// Angles are radians, lengths metres. The lettering scheme is chosen by the
// catalogue number of the projection's ellipsoid. Refusals are reported through
// fixed English error texts in the text argument (and a flag for
// MgrsToGeo), as other military grid software does.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/TransverseMercator.h"

namespace koord::DMA {

// Error texts, blanks included.
inline constexpr const char* kUtmError = "   UTM ERROR";
inline constexpr const char* kMgrsNotValid = "MGRS  NOT VALID";
inline constexpr const char* kInvalidMgrs = " INVALID MGRS  ";
inline constexpr const char* kEllipsoidNA = " ELLIPSOID N/A  ";
inline constexpr const char* kOutsideRange = " OUTSIDE RANGE ";

// The letters of the 100 km squares, written once for the encoder and the
// decoder. Rows: twenty letters, A to V without I and O, one per 100 km of
// northing, in a cycle of 2 000 000 m.
inline constexpr std::string_view kRowLetters = "ABCDEFGHJKLMNPQRSTUV";
// Columns: eight letters per zone, west to east from easting 100 000 m;
// zones 1, 4, 7 ... take the first run, 2, 5, 8 ... the second (O
// skipped), 3, 6, 9 ... the third.
inline constexpr std::array<std::string_view, 3> kColumnLetters{"ABCDEFGH", "JKLMNPQR", "STUVWXYZ"};

// The column letters of a zone (any zone number, 0 and negative included).
std::string_view ColumnLetters(std::int16_t zone);

// What the text of GeoToUtm and UtmToMgrs holds, so that callers need not
// recognise the error texts.
enum class MgrsStatus {
  Made,         // a 15-character reference
  OutsideUtm,   // empty: the latitude lies outside -80..84 degrees
  NoLettering,  // kMgrsNotValid: the ellipsoid has no MGRS lettering
  NotMade,      // kUtmError: the position has no reference (a fault)
};

// UTM position of a point given in degrees, and its MGRS reference with
// `digits` digits per axis (5: 1 m, 4: 10 m ... 0: 100 km), the zone
// written without a leading blank ("6VUN4417488521"). The grid zone is
// decided on the degrees as given (GridZoneOf: a point on a zone meridian
// or band parallel belongs to the eastern zone and the northern band), and
// they are projected with this module's degree, so that a point on a
// central meridian lies on it (easting 500 000 m). At 1 m the digits are
// those of the position rounded to the nearest metre; at 10 m and coarser
// the reference names the square that holds the position itself.
// Outside the UTM latitude range (-80..84 degrees) the text is empty and
// zone, northing and easting are 0. `tm` is the UTM projection of the
// ellipsoid (UtmProjection), whose number chooses the lettering. Throws
// RuntimeError on a floating-point fault or `digits` outside 0..5.
MgrsStatus GeoToUtm(const TransverseMercator& tm, double latitude, double longitude,
                    std::int16_t& zone, double& northing, double& easting, std::string& mgrs,
                    std::int16_t digits = 5);

// Letter set of a zone: first column letter number, row offset in metres;
// refused = 1 when the ellipsoid has no lettering scheme.
void MgrsLetterSet(std::int16_t zone, std::int16_t& firstColumn, double& rowOffset,
                   std::int16_t ellipsoidNumber, std::int32_t& refused);

// Writes the reference of a UTM position in a grid zone (`band` a letter
// number, GridZone), with `digits` digits per axis as GeoToUtm does, or an
// error text; never throws.
MgrsStatus UtmToMgrs(std::int16_t zone, std::int16_t band, double northing, double easting,
                     std::int16_t ellipsoidNumber, std::int16_t digits, std::string& mgrs);

// The UTM position that the reference UtmToMgrs makes of the same
// numbers stands for, as MgrsToGeo reads it back: its square's south-west
// corner plus 1 m short of half its side, or the metre itself with 5
// digits; the northing with its false northing. Spares the caller that
// made the reference the reading of its text. False for numbers off the
// grid (negative, or beyond what the encoder takes) or `digits` outside
// 0..5.
bool MgrsPointOfUtm(std::int16_t zone, std::int16_t band, double& northing, double& easting,
                    std::int16_t digits);

// One of the twenty latitude bands (kBandLetters). Any other letter would
// place the cell below 80 degrees south or beyond the pole.
bool IsBandLetter(char c);

// Decodes a full text: the zone in two digits (or a blank and a digit, or
// one digit), band and square letters, five digits per axis; the reference
// given with `digits` digits per axis (5: 1 m ... 0: 100 km), completed to
// its square's representative point. The point decoded is that of the text,
// but the reference is accepted when its square, not only that point,
// meets its grid zone (the zone's longitude span with the Norway and
// Svalbard cells, and the band's latitudes): a square cut by a zone or band
// edge is valid for its part inside. Within a zone the row letters repeat
// every 2 000 000 m; the square is taken in the cycle that holds the band
// across the whole zone.
//
// On refusal (a letter that is no UTM band, no column letter of the zone or
// no row letter; band X with zone 32, 34 or 36; no lettering; a square
// wholly outside its band and zone) refused becomes 1 and the text is
// overwritten with an error text. The northing comes back non-negative,
// false northing included. Throws RuntimeError on a text too short to hold
// its square letters, `digits` outside 0..5 or a floating-point fault.
void MgrsToGeo(std::string& mgrs, const TransverseMercator& tm, double& latitude, double& longitude,
               std::int16_t& zone, double& northing, double& easting, std::int32_t& refused,
               std::int16_t digits = 5);

}  // namespace koord::DMA
