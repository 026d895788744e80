#include "geodesy/IfblSquare.h"

#include <cstdint>
#include <string>

#include "geodesy/Ifbl.h"

namespace koord::IFBL {
namespace {

// Half the sides of the squares, metres, by the length of their code.
struct HalfSides {
  double east;
  double north;
};
constexpr HalfSides kLargeSquare{16000, 10000};  // 32 x 20 km
constexpr HalfSides kMiddleSquare{2000, 2000};   // 4 x 4 km
constexpr HalfSides kSmallSquare{500, 500};      // 1 x 1 km

}  // namespace

std::optional<LambertSquare> IfblSquareOf(std::string_view code) {
  std::string text;
  for (const char c : code) {
    if (c != '.') text += c;
  }
  double x = 0;
  double y = 0;
  std::int32_t status = 0;
  IfblToLambert(text, x, y, status);  // normalises the text: blanks out
  if (status != 0) return std::nullopt;
  const HalfSides half = text.size() == 2   ? kLargeSquare
                         : text.size() == 4 ? kMiddleSquare
                                            : kSmallSquare;
  return LambertSquare{x - half.east, y - half.north, x + half.east, y + half.north};
}

}  // namespace koord::IFBL
