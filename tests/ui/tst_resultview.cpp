// The result box: its lines face those of a text box of the same size
// (the same tops, tab stops and scroll range), it takes text added in
// pieces, and it reads, selects and copies as a read-only text box does,
// by keys and by mouse.

#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "ui/ResultView.h"

using koord::ui::ResultView;

class TestResultView : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void linesAddedInPieces();
  void linesFaceTheTextBox_data();
  void linesFaceTheTextBox();
  void keysMoveAndSelect_data();
  void keysMoveAndSelect();
  void mouseSelects();
  void copiesTheSelection();
  void selectedLineInView();

 private:
  QPlainTextEdit* box_ = nullptr;
  ResultView* view_ = nullptr;
  QWidget* window_ = nullptr;
};

namespace {

constexpr qreal kTabStop = 80;

QString Lines(int count) {
  QString text;
  for (int i = 1; i <= count; ++i) text += QStringLiteral("%1\t%2\tE43522\n").arg(i).arg(i * 7);
  return text;
}

}  // namespace

void TestResultView::init() {
  window_ = new QWidget;
  box_ = new QPlainTextEdit(window_);
  view_ = new ResultView(window_);
  box_->setLineWrapMode(QPlainTextEdit::NoWrap);
  box_->setTabStopDistance(kTabStop);
  view_->SetTabStopDistance(kTabStop);
  for (QAbstractScrollArea* area : std::initializer_list<QAbstractScrollArea*>{box_, view_}) {
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->resize(300, 260);
  }
  view_->move(320, 0);
  window_->resize(640, 280);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void TestResultView::cleanup() {
  delete window_;
}

void TestResultView::linesAddedInPieces() {
  view_->Append(QStringLiteral("E43"));
  view_->Append(QStringLiteral("522\nC426"));
  view_->Append(QStringLiteral("41\n"));
  QCOMPARE(view_->Text(), QStringLiteral("E43522\nC42641\n"));
  // As in a text box, a final line break is followed by an empty line.
  QCOMPARE(view_->LineCount(), 3);
  QCOMPARE(view_->Line(0), QStringLiteral("E43522"));
  QCOMPARE(view_->Line(1), QStringLiteral("C42641"));
  QCOMPARE(view_->Line(2), QString());
  QVERIFY(!view_->IsEmpty());
  view_->Clear();
  QVERIFY(view_->IsEmpty());
  QCOMPARE(view_->LineCount(), 1);
  view_->SetText(QStringLiteral("a\u00A0b"));
  QCOMPARE(view_->Text(), QStringLiteral("a\u00A0b"));
}

void TestResultView::linesFaceTheTextBox_data() {
  QTest::addColumn<int>("scrolledTo");
  QTest::addColumn<int>("line");
  QTest::addColumn<int>("column");
  QTest::newRow("top, first line") << 0 << 0 << 0;
  QTest::newRow("top, after a tab") << 0 << 3 << 2;
  QTest::newRow("top, after two tabs") << 0 << 5 << 5;
  QTest::newRow("scrolled, a line further down") << 40 << 47 << 2;
}

// At any scroll, a line stands where the text box puts it, and a character
// after tabs at the same x.
void TestResultView::linesFaceTheTextBox() {
  QFETCH(int, scrolledTo);
  QFETCH(int, line);
  QFETCH(int, column);
  const QString text = Lines(200);
  box_->setPlainText(text);
  view_->SetText(text);
  QCOMPARE(view_->verticalScrollBar()->maximum(), box_->verticalScrollBar()->maximum());
  box_->verticalScrollBar()->setValue(scrolledTo);
  view_->verticalScrollBar()->setValue(scrolledTo);
  QTextCursor cursor(box_->document()->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
  const QRect expected = box_->cursorRect(cursor);
  // The view's cursor at the same place.
  view_->SelectLine(line, column);
  view_->verticalScrollBar()->setValue(scrolledTo);
  const QRect shown = view_->CursorRect();
  QVERIFY2(std::abs(shown.top() - expected.top()) <= 1,
           qPrintable(QStringLiteral("%1 / %2").arg(shown.top()).arg(expected.top())));
  QVERIFY2(std::abs(shown.left() - expected.left()) <= 2,
           qPrintable(QStringLiteral("%1 / %2").arg(shown.left()).arg(expected.left())));
}

void TestResultView::keysMoveAndSelect_data() {
  QTest::addColumn<QList<int>>("keys");  // key, modifiers, key, modifiers...
  QTest::addColumn<QString>("selected");
  QTest::addColumn<int>("line");
  const int shift = Qt::ShiftModifier;
  const int ctrl = Qt::ControlModifier;
  QTest::newRow("Maj+End") << QList<int>{Qt::Key_End, shift} << "1\t7\tE43522" << 0;
  QTest::newRow("Maj+Down") << QList<int>{Qt::Key_Down, shift} << "1\t7\tE43522\n" << 1;
  QTest::newRow("Down then Maj+Right twice")
      << QList<int>{Qt::Key_Down, 0, Qt::Key_Right, shift, Qt::Key_Right, shift} << "2\t" << 1;
  QTest::newRow("Right past the end goes on the next line")
      << QList<int>{Qt::Key_End, 0, Qt::Key_Right, shift, Qt::Key_Right, shift} << "\n2" << 1;
  QTest::newRow("Ctrl+Maj+End") << QList<int>{Qt::Key_End, ctrl | shift}
                                << "1\t7\tE43522\n2\t14\tE43522\n"
                                << 2;
  QTest::newRow("Ctrl+A") << QList<int>{Qt::Key_A, ctrl} << "1\t7\tE43522\n2\t14\tE43522\n" << 2;
  QTest::newRow("Page Down, no selection") << QList<int>{Qt::Key_PageDown, 0} << QString() << 2;
  QTest::newRow("letters change nothing")
      << QList<int>{Qt::Key_X, 0, Qt::Key_Delete, 0} << QString() << 0;
}

void TestResultView::keysMoveAndSelect() {
  QFETCH(QList<int>, keys);
  QFETCH(QString, selected);
  QFETCH(int, line);
  view_->SetText(QStringLiteral("1\t7\tE43522\n2\t14\tE43522\n"));
  view_->setFocus();
  for (qsizetype i = 0; i + 1 < keys.size(); i += 2) {
    QTest::keyClick(view_, Qt::Key(keys[i]), Qt::KeyboardModifiers(keys[i + 1]));
  }
  QCOMPARE(view_->SelectedText(), selected);
  QCOMPARE(view_->Cursor().line, line);
  QCOMPARE(view_->Text(), QStringLiteral("1\t7\tE43522\n2\t14\tE43522\n"));
}

// A drag selects from where it started; a double click selects the field
// under the pointer.
void TestResultView::mouseSelects() {
  view_->SetText(QStringLiteral("150000\t170000\tE43522\n152500\t212000\tC42641\n"));
  QWidget* area = view_->viewport();
  view_->SelectLine(1, 0);
  const QPoint secondLine = view_->CursorRect().center();
  view_->SelectLine(0, 0);
  const QPoint firstLine = view_->CursorRect().center() + QPoint(2, 0);
  QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, firstLine);
  QMouseEvent move(QEvent::MouseMove, secondLine, area->mapToGlobal(secondLine), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(area, &move);
  QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, secondLine);
  QCOMPARE(view_->SelectedText(), QStringLiteral("150000\t170000\tE43522\n"));
  QTest::mouseDClick(area, Qt::LeftButton, Qt::NoModifier, secondLine + QPoint(15, 0));
  QCOMPARE(view_->SelectedText(), QStringLiteral("152500"));
}

void TestResultView::copiesTheSelection() {
  view_->SetText(QStringLiteral("E43522\nC42641\n"));
  view_->setFocus();
  view_->SelectLine(1);
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(view_, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("C42641"));
  // The context menu's Copy does the same; Select all selects the text.
  std::unique_ptr<QMenu> menu(view_->CreateStandardContextMenu(window_));
  const QList<QAction*> actions = menu->actions();
  QCOMPARE(actions.size(), 2);
  QVERIFY(actions[0]->isEnabled());
  actions[1]->trigger();
  QCOMPARE(view_->SelectedText(), QStringLiteral("E43522\nC42641\n"));
}

// A line far down and a column far right come into view when selected.
void TestResultView::selectedLineInView() {
  QString text = Lines(300);
  text.replace(QStringLiteral("250\t1750\tE43522"),
               QStringLiteral("250\t1750\t") + QString(200, u'x') + QStringLiteral("\tCause"));
  view_->SetText(text);
  const int line = 249;
  const int column = static_cast<int>(view_->Line(line).lastIndexOf(u'\t')) + 1;
  view_->SelectLine(line, column);
  QCOMPARE(view_->SelectedText(), QStringLiteral("Cause"));
  QVERIFY(view_->horizontalScrollBar()->value() > 0);
  QVERIFY(view_->viewport()->rect().contains(view_->CursorRect().center()));
  const int first = view_->verticalScrollBar()->value();
  QVERIFY(first < line && line < first + view_->verticalScrollBar()->pageStep());
}

QTEST_MAIN(TestResultView)
#include "tst_resultview.moc"
