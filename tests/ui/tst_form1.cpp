// The main window, driven through its controls: defaults, lists and their
// coupling, erase buttons and their undo, conversions, the status line and
// the first refused line, the prompt of faults, the boxes that scroll
// together, test data, the map run, files opened and saved, the settings
// kept between sessions, and the keyboard.

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/InputEdit.h"
#include "ui/InputOptionsMenu.h"
#include "ui/MapView.h"
#include "ui/NumberedEdit.h"
#include "ui/OutputOptionsMenu.h"
#include "ui/QtLanguage.h"
#include "ui/ResultView.h"
#include "ui/frmMap.h"

using koord::ui::Form1;

class TestForm1 : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void defaults_data();
  void defaults();
  void everyKindOfferedRoundTrips();
  void outputKindCoupling_data();
  void outputKindCoupling();
  void inputKindCoupling_data();
  void inputKindCoupling();
  void tabReachesEveryControlOnce();
  void eraseAndUndo_data();
  void eraseAndUndo();
  void conversion_data();
  void conversion();
  void runsAccumulateOrReplace_data();
  void runsAccumulateOrReplace();
  void missingFieldIsRefusedWithoutDialog();
  void firstRefusedLineAfterEarlierOutput();
  void faultPrompt_data();
  void faultPrompt();
  void longRunKeepsTheWindowAliveAndStops();
  void boxesScrollTogether();
  void lineNumbers();
  void resultIsReadOnlyButSelectable();
  void testData_data();
  void testData();
  void copyOutput();
  void mapRun();
  void mapRunEndedAtThePrompt();
  void pastedSpreadsheetBlock();
  void semicolonsFoundWithoutTabs();
  void openFile_data();
  void openFile();
  void droppedBrokenWorkbookSaysWhy();
  void saveResult_data();
  void saveResult();
  void failedSaveLeavesTheOldFile();
  void emptyResultIsNotSaved();
  void settingsRestoredAfterRestart();
  void keyboard_data();
  void keyboard();
  void everyButtonHasAKey();
  void promptButtonsInFrench();

 private:
  template <typename T>
  T* Find(const char* name) const {
    auto* found = window_->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
  }
  QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
  QPlainTextEdit* Box(const char* name) const { return Find<QPlainTextEdit>(name); }
  koord::ui::ResultView* Result() const { return Find<koord::ui::ResultView>("txtDest"); }
  QAbstractButton* Button(const char* name) const { return Find<QAbstractButton>(name); }
  QAbstractButton* EraseButton(int index) const;
  QString Status() const { return Find<QLabel>("lblStatus")->text(); }
  void Choose(int from, int datumFrom, int dest, int datumDest, int precision);
  void NewWindow();
  void Activate();
  QString WriteFile(const QString& name, const QByteArray& bytes);

  std::unique_ptr<Form1> window_;
  QTemporaryDir dir_;
  QStringList prompts_;
  QStringList warnings_;
  bool answer_ = true;
  QString openPath_;
  QString savePath_;
};

namespace {

const QStringList kKinds = {QStringLiteral("Lambert belge 1972"),
                            QStringLiteral("UTM alphanumérique (MGRS)"),
                            QStringLiteral("IFBL"),
                            QStringLiteral("Degrés décimaux Greenwich"),
                            QStringLiteral("Lambert belge 2008"),
                            QStringLiteral("UTM (zone, est, nord)")};
const QStringList kMgrsPrecisions = {QStringLiteral("1 m"), QStringLiteral("10 m"),
                                     QStringLiteral("100 m"), QStringLiteral("1 km"),
                                     QStringLiteral("10 km")};
const QStringList kIfblPrecisions = {QStringLiteral("1 x 1 km"), QStringLiteral("4 x 4 km"),
                                     QStringLiteral("32 x 20 km")};
const QStringList kDecimals = {QStringLiteral("5 décimales (1 m)"),
                               QStringLiteral("6 décimales (10 cm)"),
                               QStringLiteral("7 décimales (1 cm)")};

// List positions: kinds, datums.
constexpr int kLambert = 0;
constexpr int kMgrs = 1;
constexpr int kIfbl = 2;
constexpr int kDegrees = 3;
constexpr int kLambert2008 = 4;
constexpr int kUtm = 5;
constexpr int kDmsOut = 6;
constexpr int kBel72 = 0;
constexpr int kWgs84 = 1;
constexpr int kEur50 = 2;
constexpr int kNtf = 3;
constexpr int kEtrs89 = 4;

QStringList Entries(const QComboBox* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

// A degree value written with the French window's decimal comma, as the
// output box shows it.
QString Degrees(const char* withPoint) {
  return QString::fromUtf8(withPoint).replace(u'.', u',');
}

QString SelectedText(const QPlainTextEdit* box) {
  return box->textCursor().selectedText();
}

// Makes files larger than `bytes` fail to write, in this process, for its
// lifetime: a failing disk, even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*previous_)(int) = nullptr;
};

}  // namespace

void TestForm1::initTestCase() {
  // Settings go to a scratch store of this process, neither the user's nor
  // that of a window test running beside it.
  QVERIFY(dir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void TestForm1::init() {
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  prompts_.clear();
  warnings_.clear();
  answer_ = true;
  NewWindow();
}

void TestForm1::cleanup() {
  window_.reset();
}

void TestForm1::NewWindow() {
  window_ = std::make_unique<Form1>();
  Form1::Dialogs dialogs;
  dialogs.askContinue = [this](const QString& message) {
    prompts_ << message;
    // The pointer is normal while the prompt shows.
    if (QGuiApplication::overrideCursor()) prompts_ << QStringLiteral("busy");
    return answer_;
  };
  dialogs.warn = [this](const QString& message) { warnings_ << message; };
  dialogs.openPath = [this] { return openPath_; };
  dialogs.savePath = [this] { return savePath_; };
  window_->SetDialogs(dialogs);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestForm1::Activate() {
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

QString TestForm1::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

QAbstractButton* TestForm1::EraseButton(int index) const {
  for (auto* button : window_->findChildren<QAbstractButton*>(QStringLiteral("cmdErase"))) {
    if (button->property("index").toInt() == index) return button;
  }
  qFatal("no cmdErase %d", index);
}

// By list position; the datums only where their lists are enabled.
void TestForm1::Choose(int from, int datumFrom, int dest, int datumDest, int precision) {
  List("cmbCoorFrom")->setCurrentIndex(from);
  List("cmbCoorDest")->setCurrentIndex(dest);
  if (List("cmbDatumFrom")->isEnabled()) List("cmbDatumFrom")->setCurrentIndex(datumFrom);
  if (List("cmbDatumDest")->isEnabled()) List("cmbDatumDest")->setCurrentIndex(datumDest);
  List("cmbPrecision")->setCurrentIndex(precision);
}

void TestForm1::defaults_data() {
  QTest::addColumn<QString>("list");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<bool>("enabled");
  QTest::newRow("input kind") << "cmbCoorFrom"
                              << "Lambert belge 1972" << true;
  // Lambert 1972 coordinates have one datum: nothing to choose.
  QTest::newRow("input datum") << "cmbDatumFrom"
                               << "Lambert 1972" << false;
  QTest::newRow("output kind") << "cmbCoorDest"
                               << "UTM alphanumérique (MGRS)" << true;
  QTest::newRow("output datum") << "cmbDatumDest"
                                << "WGS84" << true;
  QTest::newRow("precision") << "cmbPrecision"
                             << "100 m" << true;
}

void TestForm1::defaults() {
  QFETCH(QString, list);
  QFETCH(QString, selected);
  QFETCH(bool, enabled);
  QCOMPARE(window_->findChild<QComboBox*>(list)->currentText(), selected);
  QCOMPARE(window_->findChild<QComboBox*>(list)->isEnabled(), enabled);
  QCOMPARE(window_->windowTitle(), QStringLiteral("Koord"));
  QVERIFY(Box("txtFrom")->toPlainText().isEmpty());
  QVERIFY(Result()->Text().isEmpty());
  QVERIFY(List("cmbPrecision")->isVisible());
  QVERIFY(Find<QLabel>("lblPrecision")->isVisible());
  QVERIFY(Status().isEmpty());
}

// Whatever the lists hold, what they offer works: every output kind writes
// a Belgian point, and every input kind reads back what it wrote, to within
// its finest precision (a 1 x 1 km IFBL square at worst).
void TestForm1::everyKindOfferedRoundTrips() {
  constexpr double kWithinSquare = 710;  // half the diagonal of 1 x 1 km
  const QString point = QStringLiteral("150000\t170000\n");
  for (int dest = 0; dest < List("cmbCoorDest")->count(); ++dest) {
    const QString kind = List("cmbCoorDest")->itemText(dest);
    // « Plusieurs systèmes… » opens a choice of kinds, tried elsewhere.
    if (kind.endsWith(u'…')) continue;
    List("cmbCoorFrom")->setCurrentIndex(kLambert);
    List("cmbCoorDest")->setCurrentIndex(dest);
    List("cmbPrecision")->setCurrentIndex(0);
    Box("txtFrom")->setPlainText(point);
    Result()->Clear();
    Button("Command1")->click();
    const QString written = Result()->Text();
    QVERIFY2(Status().startsWith(QStringLiteral("1 ligne convertie, 0 refusée")),
             qPrintable(kind + u' ' + written));
    const int from = List("cmbCoorFrom")->findText(kind);
    if (from < 0) continue;  // written only
    List("cmbCoorFrom")->setCurrentIndex(from);
    List("cmbCoorDest")->setCurrentIndex(kLambert);
    Box("txtFrom")->setPlainText(written);
    Result()->Clear();
    Button("Command1")->click();
    const QStringList xy = Result()->Text().trimmed().split(u'\t');
    QVERIFY2(xy.size() == 2, qPrintable(kind + u' ' + written));
    QVERIFY2(std::hypot(xy[0].toDouble() - 150000, xy[1].toDouble() - 170000) < kWithinSquare,
             qPrintable(kind + u' ' + written + u' ' + xy.join(u' ')));
  }
}

void TestForm1::outputKindCoupling_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QStringList>("precisions");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("datum");
  QTest::addColumn<bool>("datumEnabled");
  // The output datum starts at "NTF (France)" each time: the kind brings
  // its own.
  QTest::newRow("Lambert") << kLambert << QStringList() << QString() << "Lambert 1972" << false;
  QTest::newRow("MGRS") << kMgrs << kMgrsPrecisions << "100 m"
                        << "WGS84" << true;
  QTest::newRow("IFBL") << kIfbl << kIfblPrecisions << "1 x 1 km"
                        << "Lambert 1972" << false;
  QTest::newRow("degrees") << kDegrees << kDecimals << "5 décimales (1 m)"
                           << "WGS84" << true;
  QTest::newRow("degrees-minutes-seconds")
      << kDmsOut << QStringList() << QString() << "WGS84" << true;
  QTest::newRow("Lambert 2008") << kLambert2008 << QStringList() << QString() << "ETRS89" << false;
  QTest::newRow("UTM numbers") << kUtm << QStringList{"Zone de chaque point", "Zone 31", "Zone 32"}
                               << "Zone de chaque point"
                               << "WGS84" << true;
}

void TestForm1::outputKindCoupling() {
  QFETCH(int, kind);
  QFETCH(QStringList, precisions);
  QFETCH(QString, selected);
  QFETCH(QString, datum);
  QFETCH(bool, datumEnabled);
  List("cmbCoorDest")->setCurrentIndex(kind == kDegrees ? kMgrs : kDegrees);
  List("cmbDatumDest")->setCurrentIndex(kNtf);
  List("cmbCoorDest")->setCurrentIndex(kind);
  QCOMPARE(Entries(List("cmbPrecision")), precisions);
  QCOMPARE(List("cmbPrecision")->currentText(), selected);
  QCOMPARE(List("cmbPrecision")->isVisible(), !precisions.isEmpty());
  QCOMPARE(Find<QLabel>("lblPrecision")->isVisible(), !precisions.isEmpty());
  QCOMPARE(List("cmbDatumDest")->currentText(), datum);
  QCOMPARE(List("cmbDatumDest")->isEnabled(), datumEnabled);
}

void TestForm1::inputKindCoupling_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("datum");
  QTest::addColumn<bool>("datumEnabled");
  QTest::addColumn<QString>("example");
  // A GPS gives WGS84 degrees: choosing degrees leaves no Belgian datum
  // that would put the points 60 to 90 m off.
  QTest::newRow("Lambert") << kLambert << "Lambert 1972" << false << "150000";
  QTest::newRow("MGRS") << kMgrs << "WGS84" << true << "31UES";
  QTest::newRow("IFBL") << kIfbl << "Lambert 1972" << false << "E4.35.22";
  QTest::newRow("degrees") << kDegrees << "WGS84" << true << "latitude";
  QTest::newRow("Lambert 2008") << kLambert2008 << "ETRS89" << false << "649999";
  QTest::newRow("UTM numbers") << kUtm << "WGS84" << true << "31N";
}

void TestForm1::inputKindCoupling() {
  QFETCH(int, kind);
  QFETCH(QString, datum);
  QFETCH(bool, datumEnabled);
  QFETCH(QString, example);
  List("cmbCoorFrom")->setCurrentIndex(kind == kDegrees ? kMgrs : kDegrees);
  List("cmbDatumFrom")->setCurrentIndex(kEur50);
  List("cmbCoorFrom")->setCurrentIndex(kind);
  QCOMPARE(List("cmbDatumFrom")->currentText(), datum);
  QCOMPARE(List("cmbDatumFrom")->isEnabled(), datumEnabled);
  QVERIFY2(Box("txtFrom")->placeholderText().contains(example),
           qPrintable(Box("txtFrom")->placeholderText()));
}

// A keyboard user reaches every control with Tab (Ctrl+Tab out of the text
// boxes, where Tab types a tab), each once before coming back to the first,
// in the order of the work: the input's kind and box, then the output's
// choices, the convert button and the result.
void TestForm1::tabReachesEveryControlOnce() {
  Activate();
  List("cmbCoorFrom")->setFocus();
  QList<QWidget*> visited;
  QWidget* at = QApplication::focusWidget();
  while (at && !visited.contains(at) && visited.size() < 100) {
    visited << at;
    const bool textBox = qobject_cast<QPlainTextEdit*>(at) != nullptr;
    QTest::keyClick(at, Qt::Key_Tab, textBox ? Qt::ControlModifier : Qt::NoModifier);
    at = QApplication::focusWidget();
  }
  QCOMPARE(at, static_cast<QWidget*>(List("cmbCoorFrom")));
  for (QWidget* control : window_->findChildren<QWidget*>()) {
    const bool tabbable = control->isVisible() && control->isEnabled() &&
                          (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                          control->window() == window_.get();
    if (tabbable) QVERIFY2(visited.contains(control), qPrintable(control->objectName()));
  }
  const auto place = [&](const char* name) { return visited.indexOf(Find<QWidget>(name)); };
  QVERIFY(place("cmbCoorFrom") < place("txtFrom"));
  QVERIFY(place("txtFrom") < place("cmbCoorDest"));
  QVERIFY(place("cmbCoorDest") < place("Command1"));
  QVERIFY(place("Command1") < place("txtDest"));
}

void TestForm1::eraseAndUndo_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<bool>("inputKept");
  QTest::addColumn<bool>("outputKept");
  QTest::newRow("left: input box") << 0 << false << true;
  QTest::newRow("right: output box") << 1 << true << false;
}

void TestForm1::eraseAndUndo() {
  QFETCH(int, index);
  QFETCH(bool, inputKept);
  QFETCH(bool, outputKept);
  Activate();
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n"));
  Button("Command1")->click();
  const QString output = Result()->Text();
  QTest::mouseClick(EraseButton(index), Qt::LeftButton);
  QCOMPARE(!Box("txtFrom")->toPlainText().isEmpty(), inputKept);
  QCOMPARE(!Result()->Text().isEmpty(), outputKept);
  QVERIFY(Status().contains(QStringLiteral("Ctrl+Z")));
  // Ctrl+Z, with the focus on the button just clicked, takes it back.
  EraseButton(index)->setFocus();
  QTest::keyClick(EraseButton(index), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(Box("txtFrom")->toPlainText(), QStringLiteral("150000\t170000\n"));
  QCOMPARE(Result()->Text(), output);
  // Once only: a second Ctrl+Z has nothing left to undo.
  QTest::keyClick(EraseButton(index), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(Result()->Text(), output);
}

// Expected values from the worked examples of the geodesy: Lambert 150000,
// 170000 is IFBL E43522 and latitude 50.840956, longitude 4.367486 on the
// Belgian datum, 50°50'25.5"N 4°22'07.5"E on WGS84; IFBL E5 has its centre
// at 178012, 168180.
void TestForm1::conversion_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QList<int>>("choices");  // from, datumFrom, dest, datumDest, precision
  QTest::addColumn<bool>("ifblDots");
  QTest::addColumn<QString>("output");
  QTest::addColumn<QString>("inputAfter");
  QTest::newRow("Lambert to Lambert, metres and km")
      << "150000\t170000\n150\t170" << QList<int>{kLambert, kBel72, kLambert, kBel72, -1} << false
      << "150000\t170000\n150000\t170000\n"
      << "150000\t170000\n150\t170\n";
  QTest::newRow("Lambert to IFBL 1 x 1 km")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kIfbl, kBel72, 0} << false << "E43522\n"
      << "150000\t170000\n";
  QTest::newRow("Lambert to IFBL 32 x 20 km")
      << "150000\t170000" << QList<int>{kLambert, kBel72, kIfbl, kBel72, 2} << false << "E4\n"
      << "150000\t170000\n";
  QTest::newRow("Lambert to dotted IFBL")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kIfbl, kBel72, 0} << true << "E4.35.22\n"
      << "150000\t170000\n";
  QTest::newRow("Lambert to degrees, Belgian datum")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kDegrees, kBel72, 0} << false
      << Degrees("50.84096\t004.36749\n") << "150000\t170000\n";
  // The last two of seven decimals are the chain's own, which the accuracy
  // suite holds to PROJ within millimetres.
  QTest::newRow("Lambert to degrees, 7 decimals")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kDegrees, kBel72, 2} << false
      << Degrees("50.8409562\t004.3674865\n") << "150000\t170000\n";
  QTest::newRow("Lambert to degrees-minutes-seconds, WGS84")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kDmsOut, kWgs84, -1} << false
      << Degrees("50°50'25.5\"N\t4°22'07.5\"E\n") << "150000\t170000\n";
  QTest::newRow("IFBL to Lambert, lower case and dotted")
      << "e5\nE5.37.11\n"
      << QList<int>{kIfbl, kBel72, kLambert, kBel72, -1} << false
      << "178012\t168180\n186512\t169680\n"
      << "e5\nE5.37.11\n";
  // cs2cs EPSG:31370 EPSG:3812 gives 649999.687 670000.412, EPSG:31370
  // EPSG:32631 596372.043 5632970.913; 50.85 N 4.35 E is 32N 172733.3
  // 5643453.4 (EPSG:32632).
  QTest::newRow("Lambert to Lambert 2008")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kLambert2008, kEtrs89, -1} << false << "650000\t670000\n"
      << "150000\t170000\n";
  QTest::newRow("Lambert to UTM numbers, each point's zone")
      << "150000\t170000\n"
      << QList<int>{kLambert, kBel72, kUtm, kWgs84, 0} << false << "31N\t596372\t5632971\n"
      << "150000\t170000\n";
  QTest::newRow("degrees to UTM numbers in zone 32")
      << "50.85\t4.35\n"
      << QList<int>{kDegrees, kWgs84, kUtm, kWgs84, 2} << false << "32N\t172733\t5643453\n"
      << "50.85\t4.35\n";
  QTest::newRow("decimal comma") << "150,5\t170\n"
                                 << QList<int>{kLambert, kBel72, kLambert, kBel72, -1} << false
                                 << "150500\t170000\n"
                                 << "150,5\t170\n";
}

void TestForm1::conversion() {
  QFETCH(QString, input);
  QFETCH(QList<int>, choices);
  QFETCH(bool, ifblDots);
  QFETCH(QString, output);
  QFETCH(QString, inputAfter);
  Choose(choices[0], choices[1], choices[2], choices[3], choices[4]);
  Find<QAction>("actIfblDots")->setChecked(ifblDots);
  Box("txtFrom")->setPlainText(input);
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  QCOMPARE(Result()->Text(), output);
  QCOMPARE(Box("txtFrom")->toPlainText(), inputAfter);
  QVERIFY(!QGuiApplication::overrideCursor());
  QVERIFY(prompts_.isEmpty());
}

void TestForm1::runsAccumulateOrReplace_data() {
  QTest::addColumn<bool>("replace");
  QTest::addColumn<QString>("output");
  QTest::newRow("appended") << false << "E435\nE435\n";
  QTest::newRow("replaced, as by default") << true << "E435\n";
}

void TestForm1::runsAccumulateOrReplace() {
  QFETCH(bool, replace);
  QFETCH(QString, output);
  Find<QAction>("actReplaceResult")->setChecked(replace);
  Choose(kLambert, kBel72, kIfbl, kBel72, 1);
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n"));
  Button("Command1")->click();
  Button("Command1")->click();
  QCOMPARE(Result()->Text(), output);
}

void TestForm1::missingFieldIsRefusedWithoutDialog() {
  Choose(kLambert, kBel72, kLambert, kBel72, -1);
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n150000\n160000\t170000\n"));
  Button("Command1")->click();
  QVERIFY(prompts_.isEmpty());
  QCOMPARE(Result()->Text(),
           QStringLiteral("150000\t170000\nChamp manquant : Y\n160000\t170000\n"));
  QCOMPARE(Status(), QStringLiteral("2 lignes converties, 1 refusée — résultat en Lambert 1972"));
  auto* goTo = Button("cmdFirstRefused");
  QVERIFY(goTo->isVisible());
  goTo->click();
  QCOMPARE(SelectedText(Box("txtFrom")), QStringLiteral("150000"));
  QCOMPARE(Result()->SelectedText(), QStringLiteral("Champ manquant : Y"));
  // A run without refusals offers nothing to go to.
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n"));
  Button("Command1")->click();
  QCOMPARE(Status(), QStringLiteral("1 ligne convertie, 0 refusée — résultat en Lambert 1972"));
  QVERIFY(!goTo->isVisible());
}

void TestForm1::firstRefusedLineAfterEarlierOutput() {
  // Appended below an earlier result, the refused line is found where this
  // run wrote it.
  Find<QAction>("actReplaceResult")->setChecked(false);
  Choose(kLambert, kBel72, kIfbl, kBel72, 2);
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n150000\t170000\n"));
  Button("Command1")->click();
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\nabc\t1\n"));
  Button("Command1")->click();
  Button("cmdFirstRefused")->click();
  QCOMPARE(SelectedText(Box("txtFrom")), QStringLiteral("abc\t1"));
  QCOMPARE(Result()->SelectedText(), QStringLiteral("Nombre illisible : « abc »"));
  QCOMPARE(Result()->Cursor().line, 3);
}

void TestForm1::faultPrompt_data() {
  QTest::addColumn<bool>("answer");
  QTest::addColumn<int>("outputLines");
  // The second line, degrees at the pole, faults in the projection: the
  // prompt comes up once.
  QTest::newRow("Yes goes on") << true << 3;
  QTest::newRow("No ends the run") << false << 1;
}

void TestForm1::faultPrompt() {
  QFETCH(bool, answer);
  QFETCH(int, outputLines);
  answer_ = answer;
  Choose(kDegrees, kWgs84, kIfbl, kWgs84, 1);
  Box("txtFrom")->setPlainText(QStringLiteral("50.85\t4.35\n90\t180\n50.85\t4.35\n"));
  Button("Command1")->click();
  QCOMPARE(prompts_.size(), 1);
  QVERIFY2(prompts_[0].endsWith(QStringLiteral("\n\nContinuer?")), qPrintable(prompts_[0]));
  QVERIFY(prompts_[0].size() > QStringLiteral("\n\nContinuer?").size());
  const QStringList lines = Result()->Text().split(u'\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), outputLines);
  QCOMPARE(lines.first(), QStringLiteral("E425"));
  if (answer) QCOMPARE(lines.last(), QStringLiteral("E425"));
  QVERIFY(!QGuiApplication::overrideCursor());
  QVERIFY(!window_->Running());
}

void TestForm1::longRunKeepsTheWindowAliveAndStops() {
  // Enough lines for several slices: the call returns while the run goes on
  // and the window takes events, among them the stop.
  constexpr int kLines = 400000;
  QString input;
  for (int i = 0; i < kLines; ++i) input += QStringLiteral("150000\t170000\n");
  Choose(kLambert, kBel72, kLambert, kBel72, -1);
  Box("txtFrom")->setPlainText(input);
  Activate();
  Button("Command1")->click();
  QVERIFY(window_->Running());
  QVERIFY(Box("txtFrom")->isReadOnly());
  QVERIFY(!Button("Command1")->isEnabled());
  QVERIFY(Button("cmdStopRun")->isVisible());
  QTRY_VERIFY(Status().startsWith(QStringLiteral("Conversion en cours")));
  QTRY_VERIFY(Result()->LineCount() > 1);
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  QVERIFY(!window_->Running());
  QVERIFY(!QGuiApplication::overrideCursor());
  QVERIFY(!Box("txtFrom")->isReadOnly());
  const int written = Result()->LineCount() - 1;
  QVERIFY2(written > 0 && written < kLines, qPrintable(QString::number(written)));
  // Said as stopped, not as a whole run.
  QVERIFY2(Status().startsWith(QStringLiteral("Conversion arrêtée après ")), qPrintable(Status()));
  // A whole run of the same text ends with every line.
  Find<QAction>("actReplaceResult")->setChecked(true);
  Button("Command1")->click();
  QTRY_VERIFY_WITH_TIMEOUT(!window_->Running(), 60000);
  QCOMPARE(Result()->LineCount(), kLines + 1);
}

void TestForm1::boxesScrollTogether() {
  QString input;
  for (int i = 0; i < 300; ++i) input += QStringLiteral("150000\t170000\n");
  Choose(kLambert, kBel72, kIfbl, kBel72, 2);
  Box("txtFrom")->setPlainText(input);
  QScrollBar* from = Box("txtFrom")->verticalScrollBar();
  QScrollBar* dest = Result()->verticalScrollBar();
  // As after a paste, the input shows its last lines: the result of the run
  // comes into view beside them.
  from->setValue(from->maximum());
  QVERIFY(from->value() > 250);
  Button("Command1")->click();
  QCOMPARE(dest->value(), from->value());
  from->setValue(0);
  QCOMPARE(dest->value(), 0);
  from->setValue(120);
  QCOMPARE(dest->value(), 120);
  dest->setValue(40);
  QCOMPARE(from->value(), 40);
  // A shorter box stops at its end without holding the other back.
  Result()->SetText(QStringLiteral("E4\nE4\n"));
  from->setValue(200);
  QCOMPARE(from->value(), 200);
  QCOMPARE(dest->value(), dest->maximum());
}

void TestForm1::lineNumbers() {
  auto* from = Find<koord::ui::NumberedEdit>("txtFrom");
  koord::ui::ResultView* dest = Result();
  const int narrow = from->NumberMarginWidth();
  QVERIFY(narrow > 0);
  QCOMPARE(dest->NumberMarginWidth(), narrow);
  QString input;
  for (int i = 0; i < 12000; ++i) input += QStringLiteral("1\t1\n");
  from->setPlainText(input);
  QVERIFY(from->NumberMarginWidth() > narrow);  // room for five digits
  QVERIFY(from->viewport()->geometry().left() >= from->NumberMarginWidth());
  dest->SetText(input);
  QCOMPARE(dest->NumberMarginWidth(), from->NumberMarginWidth());
  QVERIFY(dest->viewport()->geometry().left() >= dest->NumberMarginWidth());
}

void TestForm1::resultIsReadOnlyButSelectable() {
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n"));
  Button("Command1")->click();
  koord::ui::ResultView* dest = Result();
  const QString output = dest->Text();
  dest->setFocus();
  QTest::keyClicks(dest, QStringLiteral("xyz"));
  QTest::keyClick(dest, Qt::Key_Delete);
  QCOMPARE(dest->Text(), output);
  QTest::keyClick(dest, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(dest->SelectedText(), output);
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(dest, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), output);
}

void TestForm1::testData_data() {
  QTest::addColumn<int>("kind");
  QTest::newRow("Lambert") << kLambert;
  QTest::newRow("MGRS") << kMgrs;
  QTest::newRow("IFBL") << kIfbl;
  QTest::newRow("degrees") << kDegrees;
}

void TestForm1::testData() {
  QFETCH(int, kind);
  List("cmbCoorFrom")->setCurrentIndex(kind);
  Find<QAction>("Command2")->trigger();
  const QStringList lines = Box("txtFrom")->toPlainText().split(u'\n');
  QCOMPARE(lines.size(), 502);  // 501 lines and the empty rest after the last break
  QVERIFY(lines.last().isEmpty());
  if (kind == kLambert) {
    static const QRegularExpression line(QStringLiteral("^ (\\d+)\t (\\d+)$"));
    for (int i = 0; i < 501; ++i) {
      const auto match = line.match(lines[i]);
      QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
      const int x = match.captured(1).toInt();
      const int y = match.captured(2).toInt();
      QVERIFY(x >= 17570 && x <= 315869);
      QVERIFY(y >= 20000 && y <= 311999);
    }
    return;
  }
  // Points of the input kind, all of which convert.
  Choose(kind, kWgs84, kLambert, kBel72, -1);
  Button("Command1")->click();
  QVERIFY2(Status().startsWith(QStringLiteral("501 lignes converties, 0 refusée")),
           qPrintable(Status()));
}

void TestForm1::copyOutput() {
  Result()->SetText(QStringLiteral("E435\nE436\n"));
  Button("cmdCopy")->click();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("E435\nE436\n"));
}

void TestForm1::mapRun() {
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n250\t50\n"));
  Button("Command3")->click();
  // The map shows beside the window, which stays usable.
  koord::ui::frmMap* map = window_->LoadedMap();
  QVERIFY(map && map->isVisible());
  QCOMPARE(map->Picture()->Dots(), (std::vector<QPointF>{{150000, 170000}, {250000, 50000}}));
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(Result()->Text().isEmpty());
  QCOMPARE(Status(), QStringLiteral("2 lignes converties, 0 refusée"));
  // The next run's dots take the place of these.
  Box("txtFrom")->setPlainText(QStringLiteral("160000\t170000\n"));
  Button("Command3")->click();
  QCOMPARE(window_->LoadedMap(), map);
  QCOMPARE(map->Picture()->Dots(), (std::vector<QPointF>{{160000, 170000}}));
}

void TestForm1::mapRunEndedAtThePrompt() {
  answer_ = false;
  Choose(kDegrees, kWgs84, kMgrs, kWgs84, 2);
  Box("txtFrom")->setPlainText(QStringLiteral("50.85\t4.35\n90\t180\n"));
  Button("Command3")->click();
  // Stopped: no map, and the status line says where it stopped.
  QVERIFY(!window_->LoadedMap() || !window_->LoadedMap()->isVisible());
  QCOMPARE(Status(), QStringLiteral("Conversion arrêtée après 1 ligne"));
  answer_ = true;
  Button("Command3")->click();
  QVERIFY(window_->LoadedMap()->isVisible());
  QCOMPARE(window_->LoadedMap()->Picture()->Dots().size(), std::size_t(1));
}

void TestForm1::pastedSpreadsheetBlock() {
  // A block copied from a spreadsheet and pasted: a header, an identifier
  // column, an empty cell and a column after the coordinates. With the
  // coordinates in the second field and the input lines kept, the result
  // pastes back.
  auto* menu = window_->findChild<koord::ui::InputOptionsMenu*>();
  QVERIFY(menu);
  menu->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(2);
  menu->findChild<QAction*>(QStringLiteral("actKeepLine"))->setChecked(true);
  Choose(kLambert, kBel72, kIfbl, kBel72, 1);
  QGuiApplication::clipboard()->setText(
      QStringLiteral("Id\tX\tY\tEspèce\r\n"
                     "P1\t150000\t170000\tQuercus robur\r\n"
                     "P2\t\t170000\tAcer\r\n"
                     "P3\t150,5\t170\tIlex\r\n"));
  Box("txtFrom")->setFocus();
  QTest::keyClick(Box("txtFrom"), Qt::Key_V, Qt::ControlModifier);
  Activate();
  QTest::keyClick(Box("txtFrom"), Qt::Key_Return, Qt::ControlModifier);
  QVERIFY(prompts_.isEmpty());
  QCOMPARE(Result()->Text(), QStringLiteral("Id\tX\tY\tEspèce\tIFBL\n"
                                            "P1\t150000\t170000\tQuercus robur\tE435\n"
                                            "P2\t\t170000\tAcer\tChamp manquant : X\n"
                                            "P3\t150,5\t170\tIlex\tE436\n"));
  QCOMPARE(Status(), QStringLiteral("2 lignes converties, 1 refusée — résultat en Lambert 1972 — "
                                    "coordonnées lues à partir du champ 2"));
}

void TestForm1::semicolonsFoundWithoutTabs() {
  Choose(kLambert, kBel72, kLambert, kBel72, 0);
  Box("txtFrom")->setPlainText(QStringLiteral("x;y\n150 000;170 000\n"));
  Button("Command1")->click();
  QCOMPARE(Result()->Text(), QStringLiteral("X;Y\n150000;170000\n"));
}

void TestForm1::openFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("text");     // the input box after, or empty
  QTest::addColumn<QString>("refusal");  // a word of the warning, or empty
  QTest::newRow("UTF-8 text") << "points.txt" << QByteArray("150000\t170000\n")
                              << "150000\t170000\n"
                              << QString();
  QTest::newRow("UTF-16 with its mark") << "points.txt"
                                        << QByteArray(
                                               "\xFF\xFE"
                                               "E\0"
                                               "4\0"
                                               "\r\0\n\0",
                                               10)
                                        << "E4\n"
                                        << QString();
  QTest::newRow("Windows-1252 CSV")
      << "relevés.csv" << QByteArray("Lieu;X;Y\r\nLi\xe8ge \x80;235000;148000\r\n")
      << "Lieu;X;Y\nLiège €;235000;148000\n"
      << QString();
  // A workbook is read as one, and says why when it cannot be.
  QTest::newRow("broken workbook") << "points.xlsx" << QByteArray("PK\x03\x04\x14\0\x06\0", 8)
                                   << QString() << "impossible de lire « points.xlsx »";
  QTest::newRow("old workbook") << "points.xls" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1", 6)
                                << QString() << "CSV";
  QTest::newRow("image") << "carte.png" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                         << QString() << "CSV";
}

void TestForm1::openFile() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(QString, text);
  QFETCH(QString, refusal);
  const QString before = QStringLiteral("typed before\n");
  Box("txtFrom")->setPlainText(before);
  openPath_ = WriteFile(name, bytes);
  Button("cmdOpen")->click();
  if (refusal.isEmpty()) {
    QVERIFY(warnings_.isEmpty());
    QCOMPARE(Box("txtFrom")->toPlainText(), text);
    // Opening replaced the text in one step that Ctrl+Z takes back.
    Box("txtFrom")->undo();
    QCOMPARE(Box("txtFrom")->toPlainText(), before);
  } else {
    QCOMPARE(warnings_.size(), 1);
    QVERIFY2(warnings_[0].contains(refusal), qPrintable(warnings_[0]));
    QCOMPARE(Box("txtFrom")->toPlainText(), before);
  }
}

// A workbook dropped is read as one: a broken one says why, by its name.
void TestForm1::droppedBrokenWorkbookSaysWhy() {
  const QString path = WriteFile(QStringLiteral("dropped.xlsx"), QByteArray("PK\x03\x04", 4));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QWidget* target = Box("txtFrom")->viewport();
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  QCOMPARE(warnings_.size(), 1);
  QCOMPARE(warnings_[0],
           QStringLiteral("impossible de lire « dropped.xlsx » : format non reconnu"));
  QVERIFY(Box("txtFrom")->toPlainText().isEmpty());
}

void TestForm1::saveResult_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("text as it is") << "resultat.txt"
                                 << "150000\t170000\n150\t170\n"
                                 << QByteArray("150000\t170000\n150000\t170000\n");
  // For a spreadsheet: a mark, semicolons, CR LF, a field with a semicolon
  // quoted.
  QTest::newRow("CSV") << "resultat.csv"
                       << "X\tY\n150000\t170000\na;b\t1\n"
                       << QByteArray(
                              "\xEF\xBB\xBFX;Y\r\n150000;170000\r\n"
                              "\"Nombre illisible : \xC2\xAB a;b \xC2\xBB\"\r\n");
}

void TestForm1::saveResult() {
  QFETCH(QString, name);
  QFETCH(QString, input);
  QFETCH(QByteArray, bytes);
  Choose(kLambert, kBel72, kLambert, kBel72, -1);
  Box("txtFrom")->setPlainText(input);
  Button("Command1")->click();
  savePath_ = dir_.filePath(name);
  Button("cmdSave")->click();
  QVERIFY(warnings_.isEmpty());
  QFile file(savePath_);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), bytes);
}

void TestForm1::failedSaveLeavesTheOldFile() {
  const QByteArray old("ancien résultat\n");
  const QString path = WriteFile(QStringLiteral("garde.txt"), old);
  QString input;
  for (int i = 0; i < 100; ++i) input += QStringLiteral("150000\t170000\n");
  Box("txtFrom")->setPlainText(input);
  Button("Command1")->click();
  {
    const FileSizeLimit full(64);
    QVERIFY(!window_->SaveResult(path));
  }
  QCOMPARE(warnings_.size(), 1);
  QVERIFY2(warnings_[0].contains(QStringLiteral("pas été modifié")), qPrintable(warnings_[0]));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), old);
  QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).filter(QStringLiteral("garde")).size(), 1);
}

void TestForm1::emptyResultIsNotSaved() {
  savePath_ = dir_.filePath(QStringLiteral("vide.txt"));
  Button("cmdSave")->click();
  QVERIFY(!QFile::exists(savePath_));
  QVERIFY2(Status().contains(QStringLiteral("vide")), qPrintable(Status()));
}

void TestForm1::settingsRestoredAfterRestart() {
  Choose(kDegrees, kNtf, kIfbl, kBel72, 1);
  Find<QAction>("actReplaceResult")->setChecked(true);
  Find<QAction>("actIfblDots")->setChecked(true);
  auto* menu = window_->findChild<koord::ui::InputOptionsMenu*>();
  menu->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(3);
  window_->resize(900, 640);
  QTRY_COMPARE(window_->size(), QSize(900, 640));
  window_->close();
  NewWindow();
  QCOMPARE(List("cmbCoorFrom")->currentText(), kKinds[kDegrees]);
  QCOMPARE(List("cmbDatumFrom")->currentText(), QStringLiteral("NTF (France)"));
  QCOMPARE(List("cmbCoorDest")->currentText(), QStringLiteral("IFBL"));
  QCOMPARE(List("cmbPrecision")->currentText(), QStringLiteral("4 x 4 km"));
  QVERIFY(Find<QAction>("actReplaceResult")->isChecked());
  QVERIFY(Find<QAction>("actIfblDots")->isChecked());
  QCOMPARE(window_->findChild<koord::ui::InputOptionsMenu*>()->Options().firstColumn,
           std::size_t(3));
  QCOMPARE(window_->size(), QSize(900, 640));
  // Degrees with their decimals.
  Choose(kDegrees, kWgs84, kDegrees, kWgs84, 2);
  NewWindow();
  QCOMPARE(List("cmbCoorDest")->currentText(), kKinds[kDegrees]);
  QCOMPARE(List("cmbDatumDest")->currentText(), QStringLiteral("WGS84"));
  QCOMPARE(List("cmbPrecision")->currentText(), kDecimals[2]);
  // The zone of UTM numbers and the precise transformation.
  Choose(kLambert, kBel72, kUtm, kWgs84, 1);
  Find<QAction>("actPreciseTransformation")->setChecked(true);
  NewWindow();
  QCOMPARE(List("cmbPrecision")->currentText(), QStringLiteral("Zone 31"));
  QCOMPARE(Find<QLabel>("lblPrecision")->text(), QStringLiteral("Zo&ne UTM\u00A0:"));
  QVERIFY(Find<QAction>("actPreciseTransformation")->isChecked());
  // ... which the conversion follows: EPSG:31370 to EPSG:4258 gives
  // 50.84041128 4.36875214, Molodensky 50.8404127 4.3687535.
  // (The coordinates still start at the third field.)
  Choose(kLambert, kBel72, kDegrees, kWgs84, 2);
  Box("txtFrom")->setPlainText(QStringLiteral("P1\t2026\t150000\t170000\n"));
  Button("Command1")->click();
  QCOMPARE(Result()->Text(), Degrees("50.8404113\t004.3687521\n"));
}

void TestForm1::keyboard_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("effect");
  QTest::newRow("Ctrl+Entrée converts")
      << int(Qt::Key_Return) << int(Qt::ControlModifier) << "converted";
  QTest::newRow("Ctrl+Entrée of the keypad converts")
      << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier) << "converted";
  QTest::newRow("F1 opens the help") << int(Qt::Key_F1) << int(Qt::NoModifier) << "help";
  QTest::newRow("Ctrl+Tab leaves the input box")
      << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "cmbCoorDest";
  QTest::newRow("Ctrl+Maj+Tab leaves it backwards")
      << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << "cmbCoorFrom";
  QTest::newRow("Tab types a tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << "tab";
}

void TestForm1::keyboard() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, effect);
  Choose(kLambert, kBel72, kLambert, kBel72, -1);
  Box("txtFrom")->setPlainText(QStringLiteral("150\t170"));
  Box("txtFrom")->moveCursor(QTextCursor::End);
  Activate();
  Box("txtFrom")->setFocus();
  QTest::keyClick(Box("txtFrom"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  if (effect == u"converted") {
    QCOMPARE(Result()->Text(), QStringLiteral("150000\t170000\n"));
  } else if (effect == u"help") {
    auto* help = window_->findChild<koord::ui::HelpWindow*>();
    QVERIFY(help && help->isVisible());
  } else if (effect == u"tab") {
    QCOMPARE(Box("txtFrom")->toPlainText(), QStringLiteral("150\t170\t"));
  } else {
    QCOMPARE(QApplication::focusWidget()->objectName(), effect);
    QCOMPARE(Box("txtFrom")->toPlainText(), QStringLiteral("150\t170"));
  }
}

void TestForm1::everyButtonHasAKey() {
  // A mnemonic in its text, or a shortcut in its tooltip: "(Ctrl+M)".
  static const QRegularExpression shortcut(QStringLiteral("\\((Ctrl|F\\d|Échap)"));
  for (const QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
    const bool mnemonic = !QKeySequence::mnemonic(button->text()).isEmpty();
    QVERIFY2(mnemonic || shortcut.match(button->toolTip()).hasMatch(),
             qPrintable(button->objectName()));
  }
}

void TestForm1::promptButtonsInFrench() {
  QVERIFY(koord::ui::InstallLanguage(koord::Language::French));
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Koord"), QString(),
                  QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Oui"));
  QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Non"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
