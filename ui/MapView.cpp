#include "ui/MapView.h"

#include <QMouseEvent>
#include <QPainter>

#include "map/MapRenderer.h"
#include "map/MapScale.h"

namespace koord::ui {

MapView::MapView(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(map::kDefaultAreaWidth / 2, map::kDefaultAreaHeight / 2);
}

void MapView::AddDot(double x, double y) {
  dots_.emplace_back(x, y);
  update();
}

QSize MapView::sizeHint() const {
  const int frame = 2 * frameWidth();
  return {map::kDefaultAreaWidth + frame, map::kDefaultAreaHeight + frame};
}

void MapView::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = DrawingArea();
  painter.translate(area.topLeft());
  map::PaintMap(painter, area.size(), dots_);
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  const QRect area = DrawingArea();
  const QPointF pixel = event->position() - QPointF(area.topLeft());
  emit PointerMoved(map::MapScale(area.size()).ToLambert(pixel));
  QFrame::mouseMoveEvent(event);
}

}  // namespace koord::ui
