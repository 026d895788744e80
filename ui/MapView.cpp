#include "ui/MapView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "map/MapRenderer.h"

namespace koord::ui {
namespace {

// One notch of the wheel (120 eighths of a degree) zooms by this factor;
// so do the + and - keys.
constexpr double kZoomStep = 1.25;
constexpr double kWheelNotch = 120;
// An arrow key pans by this share of the area.
constexpr double kPanShare = 0.125;

}  // namespace

MapView::MapView(QWidget* parent)
    : QFrame(parent), view_(QSizeF(map::kDefaultAreaWidth, map::kDefaultAreaHeight)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(map::kDefaultAreaWidth / 2, map::kDefaultAreaHeight / 2);
}

void MapView::AddDot(double x, double y) {
  dots_.emplace_back(x, y);
  update();
}

void MapView::SetDots(const std::vector<QPointF>& dots) {
  dots_ = dots;
  update();
}

void MapView::SetIfblGrid(bool shown) {
  ifblGrid_ = shown;
  update();
}

void MapView::ResetView() {
  view_.Reset();
  Changed();
}

QSize MapView::sizeHint() const {
  const int frame = 2 * frameWidth();
  return {map::kDefaultAreaWidth + frame, map::kDefaultAreaHeight + frame};
}

QPointF MapView::AreaPoint(QPointF widgetPoint) const {
  return widgetPoint - QPointF(DrawingArea().topLeft());
}

// After a zoom or a pan: redraw, and read out the point now under the
// pointer.
void MapView::Changed() {
  update();
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  if (DrawingArea().contains(pointer)) emit PointerMoved(view_.ToLambert(AreaPoint(pointer)));
}

void MapView::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.translate(DrawingArea().topLeft());
  map::PaintMap(painter, view_, dots_, ifblGrid_);
}

void MapView::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  view_.Resize(DrawingArea().size());
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
  pressedAt_ = event->position();
  lastDragPoint_ = event->position();
  dragging_ = false;
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
    if (!dragging_ && (at - *pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
      dragging_ = true;
      setCursor(Qt::ClosedHandCursor);
    }
    if (dragging_) {
      view_.PanBy(at - lastDragPoint_);
      lastDragPoint_ = at;
      update();
    }
  }
  emit PointerMoved(view_.ToLambert(AreaPoint(at)));
  QFrame::mouseMoveEvent(event);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressedAt_) return QFrame::mouseReleaseEvent(event);
  if (!dragging_) emit Clicked(view_.ToLambert(AreaPoint(event->position())));
  pressedAt_.reset();
  dragging_ = false;
  setCursor(Qt::CrossCursor);
}

void MapView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kWheelNotch;
  if (notches == 0) return QFrame::wheelEvent(event);
  view_.ZoomAt(AreaPoint(event->position()), std::pow(kZoomStep, notches));
  Changed();
  event->accept();
}

void MapView::keyPressEvent(QKeyEvent* event) {
  const QSizeF area = view_.Area();
  const QPointF middle(area.width() / 2, area.height() / 2);
  const double dx = area.width() * kPanShare;
  const double dy = area.height() * kPanShare;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: view_.ZoomAt(middle, kZoomStep); break;
    case Qt::Key_Minus: view_.ZoomAt(middle, 1 / kZoomStep); break;
    case Qt::Key_Left: view_.PanBy(QPointF(dx, 0)); break;
    case Qt::Key_Right: view_.PanBy(QPointF(-dx, 0)); break;
    case Qt::Key_Up: view_.PanBy(QPointF(0, dy)); break;
    case Qt::Key_Down: view_.PanBy(QPointF(0, -dy)); break;
    case Qt::Key_Home:
    case Qt::Key_0: view_.Reset(); break;
    default: QFrame::keyPressEvent(event); return;
  }
  Changed();
}

void MapView::leaveEvent(QEvent* event) {
  emit PointerLeft();
  QFrame::leaveEvent(event);
}

}  // namespace koord::ui
