#pragma once
// How far a point lies from Belgium, so that a point that a Belgian list
// should not hold (latitude and longitude swapped, a thousands mark read
// as a decimal mark, a column taken for another) does not pass unseen.
//
//   KilometresFromBelgium(50.85, 4.35)  == 0        (Brussels)
//   KilometresFromBelgium(48.86, 2.35)  ≈ 200       (Paris)
//   FarFromBelgium(50.0, 50.0)          == true     (Kazakhstan)
//
// Degrees on WGS84 or any datum close to it (a datum moves a point by
// metres, the border is known to 300 m).

#include <cstddef>

namespace koord {

// Points farther than this from Belgium's border are flagged, km.
inline constexpr double kFarFromBelgiumKm = 100;

// 0 inside Belgium, else the distance to its border in kilometres, on a
// sphere of Earth's mean radius: within a kilometre near Belgium, within
// a few percent across the world.
double KilometresFromBelgium(double latitude, double longitude);

// Kind detection takes a reading whose point lies this near Belgium, km.
inline constexpr double kCloseToBelgiumKm = 20;

// True when the point lies more than kFarFromBelgiumKm from Belgium; at
// once for most points, from a grid of cells judged near or far.
bool FarFromBelgium(double latitude, double longitude);

// True when the point lies within kCloseToBelgiumKm of Belgium, from the
// same grid.
bool CloseToBelgium(double latitude, double longitude);

// The grid: cells of about 6 by 5 km over Belgium's box and this margin
// around it, each judged once and for all from the distance at its centre,
// give or take half its diagonal, against both distances. A point in a
// cell astride the line it is asked about, or off the grid, is measured.
inline constexpr std::size_t kCells = 128;
inline constexpr double kCellMarginDegrees = 2.5;
inline constexpr char kCloseCell = '#';         // within 20 km
inline constexpr char kAstrideCloseCell = '+';  // astride 20 km
inline constexpr char kNearCell = '-';          // beyond 20 km, within 100
inline constexpr char kAstrideFarCell = '~';    // astride 100 km
inline constexpr char kFarCell = '.';           // beyond 100 km
inline constexpr char kUnreadableCell = '!';    // astride both: cells too large

// A cell's verdict measured, and as the program holds it; row 0 is the
// southern row, column 0 the western column.
char JudgedCell(std::size_t row, std::size_t column);
char TabledCell(std::size_t row, std::size_t column);

// Lambert 1972 metres (X 0 to 310 000, Y 0 to 260 000) read as a kind that
// might fit: false when the point lies surely beyond kCloseToBelgiumKm,
// from a map of 5 km squares, so that kind detection converts no reading
// that cannot be taken ("50.85 4.35" read as Lambert kilometres).
bool MayBeCloseToBelgiumInLambert72(double X, double Y);

inline constexpr double kLambertSquareMetres = 5000;
inline constexpr std::size_t kLambertColumns = 62;  // X 0 to 310 km
inline constexpr std::size_t kLambertRows = 52;     // Y 0 to 260 km

// A square's verdict measured, and as the program holds it: kCloseCell
// where a point may lie within kCloseToBelgiumKm, kFarCell where none
// does; row 0 is the southern row.
char JudgedLambertSquare(std::size_t row, std::size_t column);
char TabledLambertSquare(std::size_t row, std::size_t column);

}  // namespace koord
