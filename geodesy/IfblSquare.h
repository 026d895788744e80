#pragma once
// The square an IFBL code names, as its sides in Belgian Lambert 1972
// metres: 32 x 20 km for two characters, 4 x 4 km for four, 1 x 1 km for
// six. The grid is drawn on Lambert X/Y, so the four corners are exact and
// the square's sides are straight lines in Lambert 1972.
//
//   IfblSquareOf("E4")   // west 130012, south 178180, east 162012, north 198180
//   IfblSquareOf("E4 35 22")  // a 1 km square; blanks are ignored

#include <optional>
#include <string_view>

namespace koord::IFBL {

struct LambertSquare {
  double west, south, east, north;  // Lambert 1972 metres
};

// The square of a code of 2, 4 or 6 characters, blanks aside, in any
// case, with or without full stops between its parts ("E4.35.22"); nothing
// for a code that IfblToLambert refuses.
std::optional<LambertSquare> IfblSquareOf(std::string_view code);

}  // namespace koord::IFBL
