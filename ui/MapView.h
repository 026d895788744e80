#pragma once
// The map picture of the map window: the map of Belgium with its dots,
// scaled to the drawing area inside a sunken frame, reporting the Lambert
// 1972 point under the pointer.

#include <QFrame>
#include <QPointF>
#include <vector>

namespace koord::ui {

class MapView : public QFrame {
  Q_OBJECT

 public:
  explicit MapView(QWidget* parent = nullptr);

  // Adds a dot at a Lambert 1972 point (m); it stays until the view goes.
  void AddDot(double x, double y);
  const std::vector<QPointF>& Dots() const { return dots_; }

  // The drawing area (inside the frame), in widget pixels.
  QRect DrawingArea() const { return contentsRect(); }

  QSize sizeHint() const override;

 signals:
  // The Lambert 1972 point (m) under the pointer.
  void PointerMoved(QPointF lambert);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::vector<QPointF> dots_;
};

}  // namespace koord::ui
