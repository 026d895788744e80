#pragma once
// The map picture of the map window: the map of Belgium with its dots and,
// on request, the IFBL grid, inside a sunken frame. The wheel zooms about
// the pointer, a drag pans, a click reports its point; keys do the same
// (+ and -, the arrows, Origine or 0 for the whole map).

#include <QFrame>
#include <QPointF>
#include <optional>
#include <vector>

#include "map/MapViewport.h"

namespace koord::ui {

class MapView : public QFrame {
  Q_OBJECT

 public:
  explicit MapView(QWidget* parent = nullptr);

  // Adds a dot at a Lambert 1972 point (m); it stays until the view goes.
  void AddDot(double x, double y);
  // The dots replaced by `dots`.
  void SetDots(const std::vector<QPointF>& dots);
  const std::vector<QPointF>& Dots() const { return dots_; }

  void SetIfblGrid(bool shown);
  bool IfblGrid() const { return ifblGrid_; }
  // Back to the whole map.
  void ResetView();
  const map::MapViewport& Viewport() const { return view_; }

  // The drawing area (inside the frame), in widget pixels.
  QRect DrawingArea() const { return contentsRect(); }

  QSize sizeHint() const override;

 signals:
  // The Lambert 1972 point (m) under the pointer, and the pointer gone.
  void PointerMoved(QPointF lambert);
  void PointerLeft();
  // A click (not a drag) on a Lambert 1972 point (m).
  void Clicked(QPointF lambert);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPointF AreaPoint(QPointF widgetPoint) const;
  void Changed();

  map::MapViewport view_;
  std::vector<QPointF> dots_;
  bool ifblGrid_ = false;
  // Where the left button went down, and whether it has dragged since.
  std::optional<QPointF> pressedAt_;
  QPointF lastDragPoint_;
  bool dragging_ = false;
};

}  // namespace koord::ui
