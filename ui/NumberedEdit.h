#pragma once
// A text box of lines with their numbers in a margin on the left, as the two
// boxes of the main window show them so that a result line is found beside
// its input line. Ctrl+Tab and Ctrl+Shift+Tab leave it, since Tab types a
// tab in it.

#include <QPlainTextEdit>

class QScrollBar;

namespace koord::ui {

class NumberedEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit NumberedEdit(QWidget* parent = nullptr);

  // Width of the number margin, in pixels: room for the largest number,
  // and for `ReserveLines` lines.
  int NumberMarginWidth() const;
  // Makes room in the margin for the numbers of `lines` lines at once: a
  // margin that widens relays out the whole text (a third of a second for a
  // million lines), which a run then does once, before its first line.
  void ReserveLines(int lines);
  // Selects line `index` (from 0) whole and scrolls it to the middle.
  void SelectLine(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class NumberMargin;
  friend class NumberMargin;

  void UpdateMarginWidth();
  void UpdateMargin(const QRect& rect, int dy);
  void PaintNumbers(QPaintEvent* event);

  QWidget* margin_;
  int reservedLines_ = 0;
};

// Keeps two boxes scrolled to the same line, whichever scrolls and however:
// scroll bar, wheel, or the keys that move the cursor (which scroll a box
// without a word from its scroll bar). A box that has fewer lines stops at
// its last one without holding the other back.
class ScrollLink : public QObject {
  Q_OBJECT

 public:
  // Both boxes' vertical scroll bars count lines.
  ScrollLink(QAbstractScrollArea* first, QAbstractScrollArea* second);

  // Scrolls the second box to the first one's line, as far as it can (after
  // lines were added to it).
  void SecondFollows();

 private:
  void Follow(QScrollBar* follower, int value);

  QScrollBar* first_;
  QScrollBar* second_;
  bool following_ = false;
};

}  // namespace koord::ui
