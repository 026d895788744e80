#include "ui/MapPoints.h"

#include <algorithm>
#include <cmath>

namespace koord::ui {
namespace {

// Cells are at least this wide (m), and at most this many a side: about
// one point a cell, within memory bounds whatever the spread.
constexpr double kLeastCell = 100;
constexpr int kMostCells = 2048;

bool Finite(QPointF point) {
  return std::isfinite(point.x()) && std::isfinite(point.y());
}

// The cell of a coordinate, clamped to [0, count - 1]; any double is safe.
int CellOf(double offset, double cell, int count) {
  const double index = std::floor(offset / cell);
  return static_cast<int>(std::clamp(index, 0.0, static_cast<double>(count - 1)));
}

}  // namespace

void MapPoints::Add(QPointF lambert, std::uint64_t line, QStringView label) {
  points_.push_back(lambert);
  lines_.push_back(line);
  labels_ += label.left(kMaxLabel);
  labelEnds_.push_back(static_cast<std::uint32_t>(labels_.size()));
  indexed_ = false;
}

QString MapPoints::Label(std::size_t index) const {
  const std::uint32_t start = index == 0 ? 0 : labelEnds_[index - 1];
  return labels_.mid(start, labelEnds_[index] - start);
}

void MapPoints::Index() const {
  indexed_ = true;
  std::size_t finite = 0;
  QPointF low;
  QPointF high;
  for (const QPointF& point : points_) {
    if (!Finite(point)) continue;
    low = finite == 0 ? point : QPointF(std::min(low.x(), point.x()), std::min(low.y(), point.y()));
    high =
        finite == 0 ? point : QPointF(std::max(high.x(), point.x()), std::max(high.y(), point.y()));
    ++finite;
  }
  bounds_ = QRectF(low, high);
  columns_ = rows_ = 0;
  cellStarts_.clear();
  order_.clear();
  if (finite == 0) return;
  const double width = bounds_.width();
  const double height = bounds_.height();
  cell_ = std::max({kLeastCell, std::sqrt(width * height / static_cast<double>(finite)),
                    width / (kMostCells - 1), height / (kMostCells - 1)});
  columns_ = CellOf(width, cell_, kMostCells) + 1;
  rows_ = CellOf(height, cell_, kMostCells) + 1;
  const auto cellOf = [this](QPointF point) {
    return static_cast<std::size_t>(CellOf(point.y() - bounds_.top(), cell_, rows_)) *
               static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(CellOf(point.x() - bounds_.left(), cell_, columns_));
  };
  const std::size_t cells = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
  cellStarts_.assign(cells + 1, 0);
  for (const QPointF& point : points_) {
    if (Finite(point)) ++cellStarts_[cellOf(point) + 1];
  }
  for (std::size_t i = 0; i < cells; ++i) cellStarts_[i + 1] += cellStarts_[i];
  order_.resize(finite);
  std::vector<std::uint32_t> next(cellStarts_.begin(), cellStarts_.end() - 1);
  for (std::size_t i = 0; i < points_.size(); ++i) {
    if (Finite(points_[i])) order_[next[cellOf(points_[i])]++] = static_cast<std::uint32_t>(i);
  }
}

std::optional<std::size_t> MapPoints::Nearest(QPointF lambert, double reach) const {
  if (!Finite(lambert) || !(reach > 0) || points_.empty()) return std::nullopt;
  if (!indexed_) Index();
  if (columns_ == 0) return std::nullopt;
  const QRectF around(lambert.x() - reach, lambert.y() - reach, 2 * reach, 2 * reach);
  if (around.right() < bounds_.left() || around.left() > bounds_.right() ||
      around.bottom() < bounds_.top() || around.top() > bounds_.bottom()) {
    return std::nullopt;
  }
  const int column0 = CellOf(around.left() - bounds_.left(), cell_, columns_);
  const int column1 = CellOf(around.right() - bounds_.left(), cell_, columns_);
  const int row0 = CellOf(around.top() - bounds_.top(), cell_, rows_);
  const int row1 = CellOf(around.bottom() - bounds_.top(), cell_, rows_);
  std::optional<std::size_t> nearest;
  double best = reach * reach;
  const auto consider = [&](std::uint32_t index) {
    const QPointF d = points_[index] - lambert;
    const double distance = d.x() * d.x() + d.y() * d.y();
    if (distance <= best) {
      best = distance;
      nearest = index;
    }
  };
  for (int row = row0; row <= row1; ++row) {
    for (int column = column0; column <= column1; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                               static_cast<std::size_t>(column);
      for (std::uint32_t i = cellStarts_[cell]; i < cellStarts_[cell + 1]; ++i) {
        consider(order_[i]);
      }
    }
  }
  return nearest;
}

}  // namespace koord::ui
