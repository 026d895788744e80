// Times koord's windows on large inputs, as a user meets them: a text of
// points put into the input box, converted and shown in the result box (the
// run goes in slices, the window alive between them, the conversion on
// worker threads), converted again over that result, and the map redrawn
// with many dots; the result saved as a GeoPackage and as a workbook, and
// the GeoPackage opened again (the window waits for these). Prints milliseconds of the clock, and
// of the processor for the window's thread and for the whole program (steadier than the clock on a
// machine others use too); nothing is asserted. Run it with QT_QPA_PLATFORM=offscreen (make
// window-timing).
//
// Usage: koord-window-timing [LINES...]   (default: 100000 1000000)

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "ui/Form1.h"
#include "ui/MapView.h"
#include "ui/frmMap.h"

namespace {

// Draws of each map redraw timed; the median is printed.
constexpr int kRedraws = 5;
// Steps of the Lambert points across Belgium (m).
constexpr long kSpanX = 280000;
constexpr long kSpanY = 230000;
constexpr long kMinX = 20000;
constexpr long kMinY = 20000;

// Points spread over Belgium without a random generator: the same text on
// every run.
QString LambertLines(int count) {
  QString text;
  text.reserve(static_cast<qsizetype>(count) * 15);
  for (long i = 0; i < count; ++i) {
    text += QString::number(kMinX + (i * 7919) % kSpanX) + u'\t' +
            QString::number(kMinY + (i * 104729) % kSpanY) + u'\n';
  }
  return text;
}

// Processor time (ms) of the calling thread, or of the whole process.
qint64 CpuMilliseconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

template <typename T>
T* Find(QWidget* parent, const char* name) {
  return parent->findChild<T*>(QString::fromLatin1(name));
}

// One run from the click to the last line shown: the clock, the longest
// time the window took no event, and the processor time of the window's
// thread and of the program.
void TimeRun(koord::ui::Form1& window, const char* what, int lines) {
  QElapsedTimer timer;
  timer.start();
  const qint64 threadStart = CpuMilliseconds(CLOCK_THREAD_CPUTIME_ID);
  const qint64 processStart = CpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
  // The click returns after the first slice; the longest time between two
  // turns of the event loop is how long the window stays deaf.
  QElapsedTimer pause;
  pause.start();
  Find<QAbstractButton>(&window, "Command1")->click();
  qint64 longestPause = pause.restart();
  while (window.Running()) {
    QApplication::processEvents(QEventLoop::AllEvents);
    longestPause = std::max(longestPause, pause.restart());
  }
  QApplication::processEvents();
  const qint64 run = timer.elapsed();
  std::printf(
      "%9d lignes -> %-26s %-10s %5lld ms, fenêtre figée %4lld ms au plus, "
      "processeur : fenêtre %5lld ms, programme %5lld ms\n",
      lines, qPrintable(Find<QComboBox>(&window, "cmbCoorDest")->currentText()), what, run,
      longestPause, CpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) - threadStart,
      CpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - processStart);
}

void TimeConversion(int lines, int destKind) {
  koord::ui::Form1 window;
  window.show();
  QApplication::processEvents();
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(destKind);
  const QString text = LambertLines(lines);
  QElapsedTimer timer;
  timer.start();
  Find<QPlainTextEdit>(&window, "txtFrom")->setPlainText(text);
  QApplication::processEvents();
  std::printf("%9d lignes collées en %lld ms\n", lines, timer.elapsed());
  TimeRun(window, "converties", lines);
  TimeRun(window, "à nouveau", lines);
}

// The degrees of the lines saved as a file of another program, then the
// GeoPackage opened into the input box: the window waits meanwhile, drawn.
void TimeFiles(int lines) {
  QTemporaryDir folder;
  koord::ui::Form1 window;
  // The file, in degrees, is opened into a window set for Lambert: yes to
  // its system.
  koord::ui::Form1::Dialogs dialogs;
  dialogs.ask = [](const QString&) { return true; };
  window.SetDialogs(dialogs);
  window.show();
  QApplication::processEvents();
  constexpr int kDegrees = 3;
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kDegrees);
  Find<QPlainTextEdit>(&window, "txtFrom")
      ->setPlainText(QStringLiteral("X\tY\n") + LambertLines(lines));
  TimeRun(window, "converties", lines);
  for (const char* name : {"points.gpkg", "points.xlsx"}) {
    QElapsedTimer timer;
    timer.start();
    const qint64 processStart = CpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
    const bool saved = window.SaveResult(folder.filePath(QString::fromLatin1(name)));
    std::printf("%9d lignes enregistrées dans %-12s %6lld ms, processeur %6lld ms%s\n", lines, name,
                timer.elapsed(), CpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - processStart,
                saved ? "" : " (échec)");
  }
  QElapsedTimer timer;
  timer.start();
  const bool opened = window.OpenFile(folder.filePath(QStringLiteral("points.gpkg")));
  QApplication::processEvents();
  std::printf("%9d points ouverts de points.gpkg     %6lld ms%s\n", lines, timer.elapsed(),
              opened ? "" : " (échec)");
}

qint64 MedianRedraw(koord::ui::MapView* view) {
  std::vector<qint64> times;
  for (int i = 0; i < kRedraws; ++i) {
    QElapsedTimer timer;
    timer.start();
    view->repaint();
    times.push_back(timer.elapsed());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void TimeMap(int points) {
  koord::ui::frmMap map;
  for (long i = 0; i < points; ++i) {
    map.AddPoint(static_cast<double>(kMinX + (i * 7919) % kSpanX),
                 static_cast<double>(kMinY + (i * 104729) % kSpanY));
  }
  map.resize(820, 760);
  map.show();
  QApplication::processEvents();
  koord::ui::MapView* view = map.Picture();
  const qint64 whole = MedianRedraw(view);
  view->SetIfblGrid(true);
  const qint64 grid = MedianRedraw(view);
  view->ResetView();
  const QSize area = view->DrawingArea().size();
  std::printf("%9d points, carte %dx%d : redessin %lld ms, avec la grille IFBL %lld ms\n", points,
              area.width(), area.height(), whole, grid);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The user's settings stay untouched, and the run starts from a new
  // user's choices (Lambert 1972 in, French), whatever an earlier run of a
  // tool left in the test store.
  QStandardPaths::setTestModeEnabled(true);
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  QList<int> counts;
  for (const QString& word : app.arguments().mid(1)) counts << word.toInt();
  if (counts.isEmpty()) counts = {100000, 1000000};
  constexpr int kMgrs = 1;
  constexpr int kDegrees = 3;
  for (const int lines : counts) {
    TimeConversion(lines, kMgrs);
    TimeConversion(lines, kDegrees);
  }
  for (const int points : counts) TimeMap(points);
  for (const int lines : counts) TimeFiles(lines);
  return 0;
}
