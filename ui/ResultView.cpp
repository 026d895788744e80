#include "ui/ResultView.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace koord::ui {
namespace {

// Blank around the text, as a text box's document has (pixels).
constexpr qreal kDocumentMargin = 4;
// Blank on each side of the numbers, in pixels, and the digits the margin
// always has room for: as in the input box.
constexpr int kMarginPadding = 4;
constexpr int kLeastDigits = 3;
// A tab counts for this many characters when looking for the widest line.
constexpr qsizetype kTabWeight = 8;
// The text box's own Copy and Select All, in the language of Qt's
// translations.
constexpr char kTextBoxContext[] = "QWidgetTextControl";
constexpr char kCopy[] = "&Copy";
constexpr char kSelectAll[] = "Select All";
// Pixels of a step of the horizontal scroll bar.
constexpr int kHorizontalStep = 20;

int Digits(int number) {
  int digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

// The x after `text` drawn from x = 0, tabs going to the next stop.
qreal TextWidth(QStringView text, const QFontMetricsF& metrics, qreal tabStop) {
  qreal x = 0;
  qsizetype start = 0;
  for (;;) {
    const qsizetype tab = text.indexOf(u'\t', start);
    x += metrics.horizontalAdvance(
        text.mid(start, (tab < 0 ? text.size() : tab) - start).toString());
    if (tab < 0) return x;
    x = (std::floor(x / tabStop) + 1) * tabStop;
    start = tab + 1;
  }
}

bool IsBlankOrTab(QChar c) {
  return c == u'\t' || c.isSpace();
}

using Place = ResultView::Place;

// Two places, the earlier first.
std::pair<Place, Place> Ordered(Place a, Place b) {
  const bool aFirst = a.line < b.line || (a.line == b.line && a.column <= b.column);
  return aFirst ? std::pair{a, b} : std::pair{b, a};
}

}  // namespace

class ResultView::NumberMargin : public QWidget {
 public:
  explicit NumberMargin(ResultView* view) : QWidget(view), view_(view) {}
  QSize sizeHint() const override { return {view_->NumberMarginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { view_->PaintNumbers(event); }

 private:
  ResultView* view_;
};

ResultView::ResultView(QWidget* parent)
    : QAbstractScrollArea(parent), margin_(new NumberMargin(this)) {
  margin_->setObjectName(QStringLiteral("lineNumbers"));
  // The input box's font and colours, so that the lines face each other.
  setFont(QApplication::font("QPlainTextEdit"));
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  setFocusPolicy(Qt::StrongFocus);
  horizontalScrollBar()->setSingleStep(kHorizontalStep);
  UpdateMarginWidth();
  UpdateScrollBars();
}

QString ResultView::Line(int index) const {
  return LineView(index).toString();
}

QStringView ResultView::LineView(int index) const {
  if (index < 0 || index >= LineCount()) return {};
  const std::size_t i = static_cast<std::size_t>(index);
  const qsizetype start = starts_[i];
  const qsizetype end = i + 1 < starts_.size() ? starts_[i + 1] - 1 : text_.size();
  return QStringView(text_).mid(start, end - start);
}

void ResultView::SetText(const QString& text) {
  Clear();
  Append(text);
}

void ResultView::Clear() {
  text_.clear();
  starts_.assign(1, 0);
  widestLength_ = 0;
  widestLine_ = 0;
  cursor_ = anchor_ = Place();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  UpdateMarginWidth();
  UpdateScrollBars();
  viewport()->update();
  margin_->update();
}

void ResultView::Append(const QString& text) {
  if (text.isEmpty()) return;
  const qsizetype from = text_.size();
  text_ += text;
  IndexLines(from);
  UpdateMarginWidth();
  UpdateScrollBars();
  viewport()->update();
  margin_->update();
}

void ResultView::IndexLines(qsizetype from) {
  const QChar* chars = text_.constData();
  qsizetype tabs = 0;
  const auto weigh = [&](qsizetype end) {
    const qsizetype weight = end - starts_.back() + tabs * kTabWeight;
    if (weight > widestLength_) {
      widestLength_ = weight;
      widestLine_ = LineCount() - 1;
    }
  };
  for (qsizetype i = from; i < text_.size(); ++i) {
    if (chars[i] == u'\t') ++tabs;
    if (chars[i] != u'\n') continue;
    weigh(i);
    starts_.push_back(i + 1);
    tabs = 0;
  }
  weigh(text_.size());
}

QString ResultView::SelectedText() const {
  const auto [start, end] = Ordered(anchor_, cursor_);
  const qsizetype from = starts_[static_cast<std::size_t>(start.line)] + start.column;
  const qsizetype to = starts_[static_cast<std::size_t>(end.line)] + end.column;
  return text_.mid(from, to - from);
}

void ResultView::SelectLine(int index, int fromColumn) {
  if (index < 0 || index >= LineCount()) return;
  const int length = static_cast<int>(LineView(index).size());
  anchor_ = {index, length};
  cursor_ = {index, std::clamp(fromColumn, 0, length)};
  // The end comes into view, then the start: as much of the selection as
  // fits, the box scrolled to the left for a whole line.
  EnsureVisible(anchor_);
  EnsureVisible(cursor_);
  verticalScrollBar()->setValue(index - VisibleLines() / 2);
  viewport()->update();
}

void ResultView::SelectAll() {
  anchor_ = {};
  cursor_ = {LineCount() - 1, static_cast<int>(LineView(LineCount() - 1).size())};
  viewport()->update();
}

QRect ResultView::CursorRect() const {
  const qreal x =
      kDocumentMargin - horizontalScrollBar()->value() + ColumnX(cursor_.line, cursor_.column);
  return QRectF(x, LineTop(cursor_.line), 1, LineHeight()).toAlignedRect();
}

void ResultView::SetTabStopDistance(qreal distance) {
  if (distance > 0) tabStop_ = distance;
  UpdateScrollBars();
  viewport()->update();
}

int ResultView::NumberMarginWidth() const {
  const int digits = std::max({kLeastDigits, Digits(LineCount()), Digits(reservedLines_)});
  return 2 * kMarginPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void ResultView::ReserveLines(int lines) {
  reservedLines_ = lines;
  UpdateMarginWidth();
}

QMenu* ResultView::CreateStandardContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  QAction* copy =
      menu->addAction(QApplication::translate(kTextBoxContext, kCopy), this, &ResultView::Copy);
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(!(anchor_ == cursor_));
  QAction* all = menu->addAction(QApplication::translate(kTextBoxContext, kSelectAll), this,
                                 &ResultView::SelectAll);
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(!IsEmpty());
  return menu;
}

// A text box's line is as high as its font, rounded up to whole pixels.
qreal ResultView::LineHeight() const {
  return std::ceil(QFontMetricsF(font()).height());
}

// A text box counts the lines that show whole between the document's
// margins.
int ResultView::VisibleLines() const {
  const int height = static_cast<int>(LineHeight());
  if (height <= 0) return 1;
  return std::max(1, (viewport()->height() - 2 * static_cast<int>(kDocumentMargin) - 1) / height);
}

// As in a text box, the document's margin shows above the first line only.
qreal ResultView::LineTop(int index) const {
  const int first = verticalScrollBar()->value();
  return (first == 0 ? kDocumentMargin : 0) + (index - first) * LineHeight();
}

qreal ResultView::ColumnX(int line, int column) const {
  return TextWidth(LineView(line).left(column), QFontMetricsF(font()), tabStop_);
}

ResultView::Place ResultView::PlaceAt(QPoint viewportPoint) const {
  const int first = verticalScrollBar()->value();
  const qreal top = first == 0 ? kDocumentMargin : 0;
  const int line =
      std::clamp(first + static_cast<int>(std::floor((viewportPoint.y() - top) / LineHeight())), 0,
                 LineCount() - 1);
  const qreal x = viewportPoint.x() + horizontalScrollBar()->value() - kDocumentMargin;
  const QStringView text = LineView(line);
  // The character boundary nearest the point.
  int column = 0;
  qreal before = 0;
  for (; column < text.size(); ++column) {
    const qreal after = ColumnX(line, column + 1);
    if (x < (before + after) / 2) break;
    before = after;
  }
  return {line, column};
}

void ResultView::MoveCursor(Place place, bool keepAnchor) {
  place.line = std::clamp(place.line, 0, LineCount() - 1);
  place.column = std::clamp(place.column, 0, static_cast<int>(LineView(place.line).size()));
  cursor_ = place;
  if (!keepAnchor) anchor_ = place;
  EnsureVisible(place);
  viewport()->update();
}

void ResultView::EnsureVisible(Place place) {
  QScrollBar* vertical = verticalScrollBar();
  if (place.line < vertical->value()) vertical->setValue(place.line);
  if (place.line >= vertical->value() + VisibleLines()) {
    vertical->setValue(place.line - VisibleLines() + 1);
  }
  QScrollBar* horizontal = horizontalScrollBar();
  const int x = static_cast<int>(std::round(kDocumentMargin + ColumnX(place.line, place.column)));
  const int width = viewport()->width();
  if (x - horizontal->value() < kDocumentMargin) {
    horizontal->setValue(x - static_cast<int>(2 * kDocumentMargin));
  } else if (x - horizontal->value() > width - kDocumentMargin) {
    horizontal->setValue(x - width + static_cast<int>(2 * kDocumentMargin));
  }
}

void ResultView::Copy() const {
  if (anchor_ == cursor_) return;
  QGuiApplication::clipboard()->setText(SelectedText());
}

void ResultView::UpdateScrollBars() {
  QScrollBar* vertical = verticalScrollBar();
  vertical->setPageStep(VisibleLines());
  vertical->setRange(0, std::max(0, LineCount() - VisibleLines()));
  const qreal width =
      2 * kDocumentMargin + ColumnX(widestLine_, static_cast<int>(LineView(widestLine_).size()));
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setPageStep(viewport()->width());
  horizontal->setRange(0, std::max(0, static_cast<int>(std::ceil(width)) - viewport()->width()));
}

void ResultView::UpdateMarginWidth() {
  if (viewportMargins().left() == NumberMarginWidth()) return;
  setViewportMargins(NumberMarginWidth(), 0, 0, 0);
  const QRect contents = contentsRect();
  margin_->setGeometry(contents.left(), contents.top(), NumberMarginWidth(), contents.height());
}

void ResultView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QFontMetricsF metrics(font());
  const qreal height = LineHeight();
  const qreal left = kDocumentMargin - horizontalScrollBar()->value();
  const QPalette& colours = palette();
  const auto [start, end] = Ordered(anchor_, cursor_);
  const auto drawLine = [&](QStringView text, qreal top) {
    qreal x = 0;
    qsizetype from = 0;
    for (;;) {
      const qsizetype tab = text.indexOf(u'\t', from);
      const QString piece = text.mid(from, (tab < 0 ? text.size() : tab) - from).toString();
      painter.drawText(QPointF(left + x, top + metrics.ascent()), piece);
      x += metrics.horizontalAdvance(piece);
      if (tab < 0) return;
      x = (std::floor(x / tabStop_) + 1) * tabStop_;
      from = tab + 1;
    }
  };
  for (int line = verticalScrollBar()->value(); line < LineCount(); ++line) {
    const qreal top = LineTop(line);
    if (top > event->rect().bottom()) break;
    if (top + height < event->rect().top()) continue;
    const QStringView text = LineView(line);
    painter.setPen(colours.color(QPalette::Text));
    drawLine(text, top);
    if (line < start.line || line > end.line || start == end) continue;
    // The selected part, over the line: highlighted, with the line's end
    // marked as a blank when the selection goes on below.
    const qreal from = line == start.line ? ColumnX(line, start.column) : 0;
    qreal to =
        line == end.line ? ColumnX(line, end.column) : ColumnX(line, static_cast<int>(text.size()));
    if (line != end.line) to += metrics.horizontalAdvance(u' ');
    const QRectF selected(left + from, top, to - from, height);
    painter.fillRect(selected, colours.color(QPalette::Highlight));
    painter.save();
    painter.setClipRect(selected);
    painter.setPen(colours.color(QPalette::HighlightedText));
    drawLine(text, top);
    painter.restore();
  }
  if (hasFocus() && start == end) painter.fillRect(CursorRect(), colours.color(QPalette::Text));
}

void ResultView::PaintNumbers(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.setFont(font());
  const int width = margin_->width() - kMarginPadding;
  const qreal height = LineHeight();
  for (int line = verticalScrollBar()->value(); line < LineCount(); ++line) {
    const qreal top = LineTop(line);
    if (top > event->rect().bottom()) break;
    painter.drawText(QRectF(0, top, width, height), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(line + 1));
  }
}

void ResultView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const QRect contents = contentsRect();
  margin_->setGeometry(contents.left(), contents.top(), NumberMarginWidth(), contents.height());
  UpdateScrollBars();
}

void ResultView::scrollContentsBy(int, int) {
  viewport()->update();
  margin_->update();
}

void ResultView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (event->matches(QKeySequence::SelectAll)) return SelectAll();
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  Place place = cursor_;
  const int length = static_cast<int>(LineView(place.line).size());
  switch (event->key()) {
    case Qt::Key_Tab: focusNextPrevChild(true); return;
    case Qt::Key_Backtab: focusNextPrevChild(false); return;
    case Qt::Key_Up: --place.line; break;
    case Qt::Key_Down: ++place.line; break;
    case Qt::Key_PageUp: place.line -= VisibleLines(); break;
    case Qt::Key_PageDown: place.line += VisibleLines(); break;
    case Qt::Key_Left:
      if (place.column > 0) {
        --place.column;
      } else if (place.line > 0) {
        --place.line;
        place.column = static_cast<int>(LineView(place.line).size());
      }
      break;
    case Qt::Key_Right:
      if (place.column < length) {
        ++place.column;
      } else if (place.line + 1 < LineCount()) {
        ++place.line;
        place.column = 0;
      }
      break;
    case Qt::Key_Home: place = ctrl ? Place() : Place{place.line, 0}; break;
    case Qt::Key_End:
      place = ctrl ? Place{LineCount() - 1, static_cast<int>(LineView(LineCount() - 1).size())}
                   : Place{place.line, length};
      break;
    default:
      // The window's keys (Ctrl+Z, Ctrl+Entrée) go on to the window.
      event->ignore();
      return;
  }
  MoveCursor(place, shift);
}

void ResultView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  selecting_ = true;
  MoveCursor(PlaceAt(event->position().toPoint()), event->modifiers().testFlag(Qt::ShiftModifier));
}

void ResultView::mouseMoveEvent(QMouseEvent* event) {
  if (!selecting_ || !(event->buttons() & Qt::LeftButton)) return;
  MoveCursor(PlaceAt(event->position().toPoint()), true);
}

void ResultView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  selecting_ = false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection() && !(anchor_ == cursor_)) {
    clipboard->setText(SelectedText(), QClipboard::Selection);
  }
}

// A double click selects the field under the pointer: what lies between
// two tabs or blanks.
void ResultView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const Place place = PlaceAt(event->position().toPoint());
  const QStringView text = LineView(place.line);
  int from = place.column;
  int to = place.column;
  while (from > 0 && !IsBlankOrTab(text[from - 1])) --from;
  while (to < text.size() && !IsBlankOrTab(text[to])) ++to;
  anchor_ = {place.line, from};
  cursor_ = {place.line, to};
  viewport()->update();
}

void ResultView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void ResultView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void ResultView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMarginWidth();
    UpdateScrollBars();
  }
}

}  // namespace koord::ui
