#pragma once
// The result box: lines of text that a run writes and the user reads,
// selects and copies, with their numbers in a margin on the left. It looks
// and scrolls as the input box does (a text box of one block per line, its
// scroll bar counting lines), so that each result line stands beside its
// input line; but it keeps its text as one string and draws only the lines
// in view, so that a million lines are added in milliseconds where a text
// document takes seconds.
//
//   ResultView box;
//   box.Append("E43522\nC42641\n");   // lines 1 and 2, and an empty line 3
//   box.SelectLine(1);                 // "C42641", selected and in view
//   box.SelectedText() == "C42641"
//
// The keys are a read-only text box's: the arrows, Page Up and Page Down,
// Home and End (with Ctrl for the whole text) move the cursor and, with
// Maj, the selection; Ctrl+A selects all, Ctrl+C copies; Tab and Ctrl+Tab
// leave the box.

#include <QAbstractScrollArea>
#include <QString>
#include <vector>

class QMenu;

namespace koord::ui {

class ResultView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ResultView(QWidget* parent = nullptr);

  // The text, lines separated by "\n"; a final "\n" is followed by an empty
  // line, as in a text box.
  QString Text() const { return text_; }
  bool IsEmpty() const { return text_.isEmpty(); }
  void SetText(const QString& text);
  void Append(const QString& text);
  void Clear();
  int LineCount() const { return static_cast<int>(starts_.size()); }
  QString Line(int index) const;

  // A place in the text: a line (from 0) and a character of it.
  struct Place {
    int line = 0;
    int column = 0;
    friend bool operator==(const Place&, const Place&) = default;
  };
  // The cursor, and the selection between it and its anchor.
  Place Cursor() const { return cursor_; }
  QString SelectedText() const;
  // Selects line `index` from character `fromColumn` to its end, scrolled
  // to the middle with as much of the selection in view as fits.
  void SelectLine(int index, int fromColumn = 0);
  void SelectAll();
  // Where the cursor is drawn, in the viewport.
  QRect CursorRect() const;

  // Distance between tab stops (pixels).
  void SetTabStopDistance(qreal distance);
  // Width of the number margin, in pixels: room for the largest number,
  // and for `ReserveLines` lines.
  int NumberMarginWidth() const;
  void ReserveLines(int lines);
  // Copy and Select all, for a context menu.
  QMenu* CreateStandardContextMenu(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  class NumberMargin;

  QStringView LineView(int index) const;
  // Adds the starts of the lines of text_ from `from` on.
  void IndexLines(qsizetype from);
  void UpdateScrollBars();
  void UpdateMarginWidth();
  void PaintNumbers(QPaintEvent* event);
  qreal LineHeight() const;
  // Lines that show whole, as a text box counts them for its scroll bar.
  int VisibleLines() const;
  // Top of line `index` in the viewport.
  qreal LineTop(int index) const;
  // The x of a character in its line (tabs expanded), from the text's left.
  qreal ColumnX(int line, int column) const;
  Place PlaceAt(QPoint viewportPoint) const;
  void MoveCursor(Place place, bool keepAnchor);
  void EnsureVisible(Place place);
  void Copy() const;

  QString text_;
  std::vector<qsizetype> starts_{0};  // where each line starts in text_
  qsizetype widestLength_ = 0;        // the line likely the widest, by
  int widestLine_ = 0;                // characters and tabs
  qreal tabStop_ = 80;
  int reservedLines_ = 0;
  Place cursor_;
  Place anchor_;
  bool selecting_ = false;
  QWidget* margin_;
};

}  // namespace koord::ui
