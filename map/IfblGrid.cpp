#include "map/IfblGrid.h"

#include <cstdint>
#include <string>

#include "engine/OutputFormat.h"
#include "geodesy/Ifbl.h"

namespace koord::map {
namespace {

// Two 4 x 4 km squares side by side in the south-west corner of the grid,
// row M being the southern one: sub-row 5 is the southern sub-row of a
// large square, sub-columns count from the west.
constexpr const char* kSouthWestSquare = "M051";
constexpr const char* kItsEastNeighbour = "M052";
// 4 x 4 km squares across and down a large square (sub-columns 1 to 8,
// sub-rows 1 to 5).
constexpr int kSubColumns = 8;
constexpr int kSubRows = 5;
// Rows and columns looked for: more than the grid has.
constexpr int kMostSquares = 32;
// Characters of a large square's code and of a 4 x 4 km square's.
constexpr std::int16_t kLargeCode = 2;
constexpr std::int16_t kSmallCode = 4;

QPointF CentreOf(const char* code) {
  std::string text(code);
  double x = 0;
  double y = 0;
  std::int32_t status = 0;
  IFBL::IfblToLambert(text, x, y, status);
  return {x, y};
}

std::string CodeAt(double x, double y, std::int16_t length) {
  std::string code;
  std::int32_t outside = 0;
  IFBL::LambertToIfbl(x, y, code, outside, length);
  return outside == 0 ? code : std::string();
}

}  // namespace

const IfblGrid& IfblGrid::Get() {
  static const IfblGrid grid;
  return grid;
}

IfblGrid::IfblGrid() {
  const QPointF first = CentreOf(kSouthWestSquare);
  smallSide_ = CentreOf(kItsEastNeighbour).x() - first.x();
  // Routines that refused the codes would give no grid to draw.
  if (!(smallSide_ > 0)) {
    smallSide_ = 0;
    return;
  }
  const double width = kSubColumns * smallSide_;
  const double height = kSubRows * smallSide_;
  const QPointF corner = first - QPointF(smallSide_ / 2, smallSide_ / 2);
  for (int row = 0; row < kMostSquares; ++row) {
    for (int column = 0; column < kMostSquares; ++column) {
      const QRectF square(corner.x() + column * width, corner.y() + row * height, width, height);
      const QPointF centre = square.center();
      if (!IFBL::InLetteredGrid(centre.x(), centre.y())) continue;
      large_.push_back(
          {square, QString::fromStdString(CodeAt(centre.x(), centre.y(), kLargeCode))});
      extent_ = extent_.united(square);
    }
  }
}

QString IfblGrid::SmallSquareCode(double x, double y) {
  if (!IFBL::InLetteredGrid(x, y)) return {};
  std::string dotted;
  AppendIfbl(dotted, CodeAt(x, y, kSmallCode), true);
  return QString::fromStdString(dotted);
}

}  // namespace koord::map
