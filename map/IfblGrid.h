#pragma once
// The IFBL grid as the map draws it: the 32 x 20 km squares of the lettered
// grid with their codes, and the side of the 4 x 4 km squares. Its
// geometry and codes are read from the IFBL routines themselves, so that
// the drawing and the conversions cannot disagree.

#include <QRectF>
#include <QString>
#include <vector>

namespace koord::map {

struct IfblSquare {
  QRectF lambert;  // Lambert 1972 metres; top() is the southern edge
  QString code;    // "E4"
};

class IfblGrid {
 public:
  // The grid, worked out once.
  static const IfblGrid& Get();

  const std::vector<IfblSquare>& LargeSquares() const { return large_; }
  // Side of a 4 x 4 km square (m); 0, and no squares, if the IFBL routines
  // could not give the grid.
  double SmallSide() const { return smallSide_; }
  // The lettered grid (m); top() is its southern edge.
  QRectF Extent() const { return extent_; }

  // The code of the 4 x 4 km square holding a point, dotted ("E4.35"); empty
  // outside the lettered grid.
  static QString SmallSquareCode(double x, double y);

 private:
  IfblGrid();

  std::vector<IfblSquare> large_;
  double smallSide_ = 0;
  QRectF extent_;
};

}  // namespace koord::map
