#pragma once
// The points of a map run and what names each: the number of the input line
// it came from and the first text field of that line (an identifier, a
// species). The point nearest a place is found through a grid of cells, so
// that a million points answer the pointer at once.
//
//   MapPoints points;
//   points.Add({150000, 170000}, 2, u"P01");
//   points.Nearest({150100, 170050}, 500) == 0
//   points.Line(0) == 2, points.Label(0) == "P01"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace koord::ui {

class MapPoints {
 public:
  // Longest label kept, in characters.
  static constexpr qsizetype kMaxLabel = 60;

  // A point in Lambert 1972 metres, its line number (from 1) and its label
  // (cut to kMaxLabel characters; empty when the line has none).
  void Add(QPointF lambert, std::uint64_t line, QStringView label);

  std::size_t Size() const { return points_.size(); }
  const std::vector<QPointF>& Lambert() const { return points_; }
  std::uint64_t Line(std::size_t index) const { return lines_[index]; }
  QString Label(std::size_t index) const;

  // The index of the point nearest `lambert`, no farther than `reach`
  // metres; none when no point is that close.
  std::optional<std::size_t> Nearest(QPointF lambert, double reach) const;

 private:
  // Sorts the points into cells, once after the last Add.
  void Index() const;

  std::vector<QPointF> points_;
  std::vector<std::uint64_t> lines_;
  QString labels_;                        // back to back
  std::vector<std::uint32_t> labelEnds_;  // where each label ends in labels_

  mutable bool indexed_ = false;
  mutable QRectF bounds_;
  mutable double cell_ = 0;  // side of a cell (m)
  mutable int columns_ = 0;
  mutable int rows_ = 0;
  mutable std::vector<std::uint32_t> cellStarts_;  // per cell, into order_
  mutable std::vector<std::uint32_t> order_;       // point indexes by cell
};

}  // namespace koord::ui
