#pragma once
// The status line's label: one line that never widens its window; a text
// longer than the room it has is cut with "…", and shows whole in its
// tooltip. text() keeps the whole text.

#include <QLabel>

namespace koord::ui {

class StatusLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace koord::ui
