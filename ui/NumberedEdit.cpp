#include "ui/NumberedEdit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <tuple>

namespace koord::ui {
namespace {

// Blank on each side of the numbers, in pixels.
constexpr int kMarginPadding = 4;
// Digits the margin always has room for, so that it does not widen at once.
constexpr int kLeastDigits = 3;

int Digits(int number) {
  int digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

bool IsCtrlTab(const QKeyEvent* event, bool& backward) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  if (!ctrl) return false;
  if (event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && shift)) {
    backward = true;
    return true;
  }
  backward = false;
  return event->key() == Qt::Key_Tab;
}

}  // namespace

class NumberedEdit::NumberMargin : public QWidget {
 public:
  explicit NumberMargin(NumberedEdit* edit) : QWidget(edit), edit_(edit) {}
  QSize sizeHint() const override { return {edit_->NumberMarginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { edit_->PaintNumbers(event); }

 private:
  NumberedEdit* edit_;
};

NumberedEdit::NumberedEdit(QWidget* parent)
    : QPlainTextEdit(parent), margin_(new NumberMargin(this)) {
  margin_->setObjectName(QStringLiteral("lineNumbers"));
  connect(this, &QPlainTextEdit::blockCountChanged, this, &NumberedEdit::UpdateMarginWidth);
  connect(this, &QPlainTextEdit::updateRequest, this, &NumberedEdit::UpdateMargin);
  UpdateMarginWidth();
}

int NumberedEdit::NumberMarginWidth() const {
  const int digits = std::max({kLeastDigits, Digits(blockCount()), Digits(reservedLines_)});
  return 2 * kMarginPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void NumberedEdit::SelectLine(int index) {
  const QTextBlock block = document()->findBlockByNumber(index);
  if (!block.isValid()) return;
  // Selected from its end back to its start, so that the box stays scrolled
  // to the left.
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock);
  cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  centerCursor();
}

void NumberedEdit::ReserveLines(int lines) {
  reservedLines_ = lines;
  UpdateMarginWidth();
}

void NumberedEdit::UpdateMarginWidth() {
  if (viewportMargins().left() == NumberMarginWidth()) return;
  setViewportMargins(NumberMarginWidth(), 0, 0, 0);
}

void NumberedEdit::UpdateMargin(const QRect& rect, int dy) {
  if (dy != 0) {
    margin_->scroll(0, dy);
  } else {
    margin_->update(0, rect.y(), margin_->width(), rect.height());
  }
}

void NumberedEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect contents = contentsRect();
  margin_->setGeometry(contents.left(), contents.top(), NumberMarginWidth(), contents.height());
}

void NumberedEdit::keyPressEvent(QKeyEvent* event) {
  bool backward = false;
  if (IsCtrlTab(event, backward)) {
    // The text box itself keeps Tab; the window moves on.
    QWidget::focusNextPrevChild(!backward);
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void NumberedEdit::PaintNumbers(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.setFont(font());
  const int width = margin_->width() - kMarginPadding;
  const int lineHeight = fontMetrics().height();
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int bottom = top + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && bottom >= event->rect().top()) {
      painter.drawText(0, top, width, lineHeight, Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(block.blockNumber() + 1));
    }
    block = block.next();
    top = bottom;
  }
}

ScrollLink::ScrollLink(QAbstractScrollArea* first, QAbstractScrollArea* second)
    : QObject(first), first_(first->verticalScrollBar()), second_(second->verticalScrollBar()) {
  connect(first_, &QScrollBar::valueChanged, this, [this](int value) { Follow(second_, value); });
  connect(second_, &QScrollBar::valueChanged, this, [this](int value) { Follow(first_, value); });
  // A text box scrolls by its keys with its scroll bar's signals blocked; it
  // asks for its viewport to be moved all the same.
  for (auto [box, bar, other] : {std::tuple{first, first_, &second_}, {second, second_, &first_}}) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
      connect(edit, &QPlainTextEdit::updateRequest, this, [this, bar, other](const QRect&, int dy) {
        if (dy != 0) Follow(*other, bar->value());
      });
    }
  }
}

void ScrollLink::SecondFollows() {
  Follow(second_, first_->value());
}

void ScrollLink::Follow(QScrollBar* follower, int value) {
  if (following_) return;
  following_ = true;
  follower->setValue(value);
  following_ = false;
}

}  // namespace koord::ui
