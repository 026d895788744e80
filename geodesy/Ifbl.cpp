#include "geodesy/Ifbl.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "support/Ascii.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::IFBL {
namespace {

constexpr std::string_view kRows = "MLKJHGFEDCBA";  // row letters, south to north
constexpr double kOriginX = 2012.0;                 // south-west corner of the grid, m
constexpr double kOriginY = 18180.0;
constexpr double kMetresPerKm = 1000.0;
constexpr double kColumnWidth = 32.0;  // large square, km
constexpr double kRowHeight = 20.0;
constexpr double kSquare = 4.0;     // 4 x 4 km square, km
constexpr double kSubRows = 5.0;    // sub-rows per large square
constexpr double kMaxX = 350000.0;  // accepted Lambert range, m
constexpr double kMaxY = 270000.0;
constexpr int kLastRowIndex = 11;  // letters A..M less I, north to south
constexpr double kLastColumn = 9;  // columns 0..9, west to east
constexpr char kSubColumns = '8';  // sub-columns 1..8 of a large square
constexpr char kQuadrants = '4';   // quadrants 1..4, squares 1..4 in each
constexpr int kLetterI = 8;        // row index that would give the letter I
constexpr std::int32_t kRefusedCode = -1;
constexpr std::int32_t kRefusedPoint = 1;

// Pair naming the 1 km square at [i][j]: i west to east, j south to north
// in the 4 km square; its centre lies at (i + 0.5, j + 0.5) km from the
// square's south-west corner.
constexpr int kSide = 4;
constexpr std::int16_t kPairs[kSide][kSide] = {
    {33, 31, 13, 11}, {34, 32, 14, 12}, {43, 41, 23, 21}, {44, 42, 24, 22}};

// The longest code, in characters.
constexpr std::size_t kLongestCode = 6;

// The first characters of a text (UTF-8 sequences), so that a non-ASCII
// character counts once in the length of a code; `count` goes one past
// kLongestCode at most, which is enough to refuse a longer text.
struct Characters {
  std::array<std::string_view, kLongestCode + 1> at;
  std::size_t count = 0;

  explicit Characters(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t k = 1; k <= text.size() && count < at.size(); ++k) {
      const bool continuation =
          k < text.size() && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80;
      if (!continuation) {
        at[count++] = text.substr(start, k - start);
        start = k;
      }
    }
  }
};

bool IsDigit(std::string_view character) {
  return character.size() == 1 && ascii::IsDigit(character[0]);
}

// Value of a one-character text: its digit, 0 for anything else.
double DigitValue(std::string_view character) {
  return IsDigit(character) ? character[0] - '0' : 0.0;
}

// Adds the offset (km) of the 1 km square named by the two characters; a
// pair outside the table adds nothing.
void AddPairOffset(std::string_view first, std::string_view second, double& x, double& y) {
  if (!IsDigit(first) || !IsDigit(second)) return;
  const int pair = (first[0] - '0') * 10 + (second[0] - '0');
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      if (kPairs[i][j] == pair) {
        x += i + 0.5;
        y += j + 0.5;
        return;
      }
    }
  }
}

std::int16_t PairAt(std::int16_t i, std::int16_t j) {
  if (i < 0 || i >= kSide || j < 0 || j >= kSide) throw RuntimeError(Fault::IndexNotInSelection);
  return kPairs[i][j];
}

// Row (from the south, M = 0) and column of the large square holding a
// point, as the grid arithmetic gives them: outside the lettered grid too.
struct LargeSquare {
  double rowFromSouth;
  double column;
};

LargeSquare LargeSquareAt(double X, double Y) {
  const double y = (Y - kOriginY) / kMetresPerKm;
  const double x = (X - kOriginX) / kMetresPerKm;
  return {std::floor(y / kRowHeight), std::floor(x / kColumnWidth)};
}

bool InRange(char c, char low, char high) {
  return c >= low && c <= high;
}

// Room for the longest code: a letter and four numbers of 16 bits.
constexpr std::size_t kCodeRoom = 32;

// A code being written, without allocation.
class CodeText {
 public:
  explicit CodeText(char letter) { text_[length_++] = letter; }
  // The decimal text of a whole value held in 16 bits.
  void AppendNumber(double wholeValue) {
    const auto result =
        std::to_chars(text_.data() + length_, text_.data() + text_.size(), ToInt16(wholeValue));
    length_ = static_cast<std::size_t>(result.ptr - text_.data());
  }
  std::string_view View() const { return {text_.data(), length_}; }

 private:
  std::array<char, kCodeRoom> text_;  // written up to length_
  std::size_t length_ = 0;
};

}  // namespace

void IfblToLambert(std::string& code, double& X, double& Y, std::int32_t& status) {
  std::erase(code, ' ');
  const Characters characters(code);
  const auto& upper = characters.at;
  const std::size_t n = characters.count;
  if (n != 2 && n != 4 && n != 6) {
    status = kRefusedCode;
    return;
  }
  ascii::ToUpperInPlace(code);  // in place: the character views stay valid
  const std::size_t row = upper[0].size() == 1 ? kRows.find(upper[0][0]) : std::string_view::npos;
  if (row == std::string_view::npos) {
    status = kRefusedCode;
    return;
  }

  double y = kRowHeight * static_cast<double>(row);
  double x = kColumnWidth * DigitValue(upper[1]);
  if (n == 2) {
    x += kColumnWidth / 2;
    y += kRowHeight / 2;
  } else {
    y += kSquare * (kSubRows - DigitValue(upper[2]));
    x += kSquare * (DigitValue(upper[3]) - 1);
    if (n == 4) {
      x += kSquare / 2;
      y += kSquare / 2;
    } else {
      AddPairOffset(upper[4], upper[5], x, y);
    }
  }
  Y = y * kMetresPerKm + kOriginY;
  X = x * kMetresPerKm + kOriginX;
}

void LambertToIfbl(double X, double Y, std::string& code, std::int32_t& status,
                   std::int16_t precision) {
  // Written so that a NaN is refused too.
  if (!(0 <= X && X <= kMaxX) || !(0 <= Y && Y <= kMaxY)) {
    status = kRefusedPoint;
    return;
  }
  const double y = (Y - kOriginY) / kMetresPerKm;
  const double x = (X - kOriginX) / kMetresPerKm;
  const auto [rowFromSouth, column] = LargeSquareAt(X, Y);

  std::int16_t g = ToInt16(kLastRowIndex - rowFromSouth);
  if (g >= kLetterI) ++g;
  CodeText result(static_cast<char>('A' + g));
  result.AppendNumber(column);
  if (precision != 2) {
    const double ry = y - rowFromSouth * kRowHeight;
    const double rx = x - column * kColumnWidth;
    const double subRow = std::floor(ry / kSquare);
    const double subColumn = std::floor(rx / kSquare);
    result.AppendNumber(kSubRows - subRow);
    result.AppendNumber(subColumn + 1);
    if (precision != 4) {
      const std::int16_t i = ToInt16(std::floor(rx - subColumn * kSquare));
      const std::int16_t j = ToInt16(std::floor(ry - subRow * kSquare));
      result.AppendNumber(PairAt(i, j));
    }
  }
  code = result.View();
}

bool IsGridCode(std::string_view code) {
  const std::size_t n = code.size();
  if (n != 2 && n != 4 && n != 6) return false;
  if (kRows.find(code[0]) == std::string_view::npos) return false;
  if (!ascii::IsDigit(code[1])) return false;
  const char lastSubRow = static_cast<char>('0' + kSubRows);
  if (n >= 4 && !(InRange(code[2], '1', lastSubRow) && InRange(code[3], '1', kSubColumns))) {
    return false;
  }
  if (n == 6 && !(InRange(code[4], '1', kQuadrants) && InRange(code[5], '1', kQuadrants))) {
    return false;
  }
  return true;
}

bool InLetteredGrid(double X, double Y) {
  if (!(0 <= X && X <= kMaxX) || !(0 <= Y && Y <= kMaxY)) return false;
  const auto [rowFromSouth, column] = LargeSquareAt(X, Y);
  return rowFromSouth >= 0 && rowFromSouth <= kLastRowIndex && column >= 0 && column <= kLastColumn;
}

}  // namespace koord::IFBL
