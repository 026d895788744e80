#include "ui/StatusLabel.h"

#include <QPainter>
#include <QStyle>

namespace koord::ui {

QSize StatusLabel::minimumSizeHint() const {
  return {0, QLabel::minimumSizeHint().height()};
}

QSize StatusLabel::sizeHint() const {
  return {0, QLabel::sizeHint().height()};
}

void StatusLabel::paintEvent(QPaintEvent*) {
  const QRect room = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
  setToolTip(shown == text() ? QString() : text());
  QPainter painter(this);
  style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace koord::ui
