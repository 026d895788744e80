// The main window, driven through its controls: defaults, lists and their
// coupling, erase buttons, conversions through Command1, the prompt, the
// test data, the map run and the dropped-file import.

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/Form1.h"
#include "ui/InputEdit.h"
#include "ui/InputOptionsMenu.h"
#include "ui/MapView.h"
#include "ui/QtFrench.h"
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
  void listContents_data();
  void listContents();
  void outputKindCoupling_data();
  void outputKindCoupling();
  void inputKindCoupling_data();
  void inputKindCoupling();
  void tabOrder();
  void eraseButtons_data();
  void eraseButtons();
  void conversion_data();
  void conversion();
  void runsAccumulate();
  void prompt_data();
  void prompt();
  void testData();
  void copyOutput();
  void mapRun();
  void mapRunEndedAtThePrompt();
  void importedText_data();
  void importedText();
  void spreadsheetBlock();
  void semicolonsFoundWithoutTabs();
  void csvFileSetsItsSeparator();
  void readingOptionsAreRemembered();
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
  QAbstractButton* EraseButton(int index) const;
  void Choose(int from, int datumFrom, int dest, int datumDest, int precision);

  std::unique_ptr<Form1> window_;
  QStringList prompts_;
};

namespace {

const QStringList kKinds = {QStringLiteral("Lambert belge 1972"),
                            QStringLiteral("UTM alphanumérique (MGRS)"), QStringLiteral("IFBL"),
                            QStringLiteral("Degrés décimaux Greenwich")};
const QStringList kDatums = {QStringLiteral("Lambert 1972"), QStringLiteral("WGS84"),
                             QStringLiteral("European 1950"), QStringLiteral("NTF (France)")};
const QStringList kMgrsPrecisions = {QStringLiteral("1 m"), QStringLiteral("10 m"),
                                     QStringLiteral("100 m"), QStringLiteral("1 km"),
                                     QStringLiteral("10 km")};
const QStringList kIfblPrecisions = {QStringLiteral("1 x 1 km"), QStringLiteral("4 x 4 km"),
                                     QStringLiteral("32 x 20 km")};

QStringList Entries(const QComboBox* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

// A degree value written with the system's decimal mark, as the output box
// shows it.
QString Degrees(const char* withPoint) {
  return QString::fromLatin1(withPoint).replace(u'.', QLocale::system().decimalPoint());
}

}  // namespace

void TestForm1::initTestCase() {
  // Settings go to a scratch store, not the user's.
  QStandardPaths::setTestModeEnabled(true);
}

void TestForm1::init() {
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  window_ = std::make_unique<Form1>();
  prompts_.clear();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestForm1::cleanup() {
  window_.reset();
}

QAbstractButton* TestForm1::EraseButton(int index) const {
  for (auto* button : window_->findChildren<QAbstractButton*>(QStringLiteral("cmdErase"))) {
    if (button->property("index").toInt() == index) return button;
  }
  qFatal("no cmdErase %d", index);
}

void TestForm1::Choose(int from, int datumFrom, int dest, int datumDest, int precision) {
  List("cmbCoorFrom")->setCurrentIndex(from);
  List("cmbCoorDest")->setCurrentIndex(dest);
  List("cmbDatumFrom")->setCurrentIndex(datumFrom);
  List("cmbDatumDest")->setCurrentIndex(datumDest);
  List("cmbPrecision")->setCurrentIndex(precision);
}

void TestForm1::defaults_data() {
  QTest::addColumn<QString>("list");
  QTest::addColumn<QString>("selected");
  QTest::newRow("input kind") << "cmbCoorFrom"
                              << "Lambert belge 1972";
  QTest::newRow("input datum") << "cmbDatumFrom"
                               << "Lambert 1972";
  QTest::newRow("output kind") << "cmbCoorDest"
                               << "UTM alphanumérique (MGRS)";
  QTest::newRow("output datum") << "cmbDatumDest"
                                << "WGS84";
  QTest::newRow("precision") << "cmbPrecision"
                             << "100 m";
}

void TestForm1::defaults() {
  QFETCH(QString, list);
  QFETCH(QString, selected);
  QCOMPARE(window_->findChild<QComboBox*>(list)->currentText(), selected);
  QCOMPARE(window_->windowTitle(), QStringLiteral("Koord"));
  QVERIFY(Box("txtFrom")->toPlainText().isEmpty());
  QVERIFY(Box("txtDest")->toPlainText().isEmpty());
  QVERIFY(List("cmbPrecision")->isVisible());
  QVERIFY(Find<QLabel>("lblPrecision")->isVisible());
}

void TestForm1::listContents_data() {
  QTest::addColumn<QString>("list");
  QTest::addColumn<QStringList>("entries");
  QTest::newRow("input kinds") << "cmbCoorFrom" << kKinds;
  QTest::newRow("output kinds") << "cmbCoorDest"
                                << kKinds + QStringList{QStringLiteral("Degrés, minutes, secondes")};
  QTest::newRow("input datums") << "cmbDatumFrom" << kDatums;
  QTest::newRow("output datums") << "cmbDatumDest" << kDatums;
  QTest::newRow("MGRS precisions") << "cmbPrecision" << kMgrsPrecisions;
}

void TestForm1::listContents() {
  QFETCH(QString, list);
  QFETCH(QStringList, entries);
  QCOMPARE(Entries(window_->findChild<QComboBox*>(list)), entries);
}

void TestForm1::outputKindCoupling_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QStringList>("precisions");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("datum");
  // The output datum starts at "NTF (France)" each time.
  QTest::newRow("Lambert") << 0 << QStringList() << QString() << "Lambert 1972";
  QTest::newRow("MGRS") << 1 << kMgrsPrecisions << "100 m"
                        << "WGS84";
  QTest::newRow("IFBL") << 2 << kIfblPrecisions << "1 x 1 km"
                        << "NTF (France)";
  QTest::newRow("degrees") << 3 << QStringList() << QString() << "NTF (France)";
}

void TestForm1::outputKindCoupling() {
  QFETCH(int, kind);
  QFETCH(QStringList, precisions);
  QFETCH(QString, selected);
  QFETCH(QString, datum);
  List("cmbCoorDest")->setCurrentIndex(kind == 3 ? 2 : 3);
  List("cmbDatumDest")->setCurrentIndex(3);
  List("cmbCoorDest")->setCurrentIndex(kind);
  QCOMPARE(Entries(List("cmbPrecision")), precisions);
  QCOMPARE(List("cmbPrecision")->currentText(), selected);
  QCOMPARE(List("cmbPrecision")->isVisible(), !precisions.isEmpty());
  QCOMPARE(Find<QLabel>("lblPrecision")->isVisible(), !precisions.isEmpty());
  QCOMPARE(List("cmbDatumDest")->currentText(), datum);
}

void TestForm1::inputKindCoupling_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("datum");
  // The input datum starts at "European 1950" each time.
  QTest::newRow("Lambert") << 0 << "Lambert 1972";
  QTest::newRow("MGRS") << 1 << "European 1950";
  QTest::newRow("IFBL") << 2 << "European 1950";
  QTest::newRow("degrees") << 3 << "European 1950";
}

void TestForm1::inputKindCoupling() {
  QFETCH(int, kind);
  QFETCH(QString, datum);
  List("cmbCoorFrom")->setCurrentIndex(kind == 0 ? 1 : 0);
  List("cmbDatumFrom")->setCurrentIndex(2);
  List("cmbCoorFrom")->setCurrentIndex(kind);
  QCOMPARE(List("cmbDatumFrom")->currentText(), datum);
  QVERIFY(!Box("txtFrom")->placeholderText().isEmpty());
}

void TestForm1::tabOrder() {
  const QStringList expected = {"cmbCoorFrom",  "cmbDatumFrom", "txtFrom",  "cmbCoorDest",
                                "cmbDatumDest", "cmbPrecision", "Command1", "txtDest",
                                "Command3",     "cmdHelp",      "cmdStop",  "cmdErase",
                                "cmdAbout",     "cmdErase"};
  QStringList chain;
  QWidget* widget = List("cmbCoorFrom");
  for (int step = 0; step < 200 && chain.size() < expected.size(); ++step) {
    if (expected.contains(widget->objectName()) && widget->parentWidget() == window_.get()) {
      chain << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  }
  QCOMPARE(chain, expected);
}

void TestForm1::eraseButtons_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<bool>("inputKept");
  QTest::addColumn<bool>("outputKept");
  QTest::newRow("left: input box") << 0 << false << true;
  QTest::newRow("right: output box") << 1 << true << false;
}

void TestForm1::eraseButtons() {
  QFETCH(int, index);
  QFETCH(bool, inputKept);
  QFETCH(bool, outputKept);
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000"));
  Box("txtDest")->setPlainText(QStringLiteral("31UES"));
  QTest::mouseClick(EraseButton(index), Qt::LeftButton);
  QCOMPARE(!Box("txtFrom")->toPlainText().isEmpty(), inputKept);
  QCOMPARE(!Box("txtDest")->toPlainText().isEmpty(), outputKept);
}

// Expected values from the worked examples of the geodesy: Lambert 150000,
// 170000 is IFBL E43522 and latitude 50.840956, longitude 4.367486 on the
// Belgian datum; IFBL E5 has its centre at 178012, 168180.
void TestForm1::conversion_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QList<int>>("choices");  // from, datumFrom, dest, datumDest, precision
  QTest::addColumn<QString>("output");
  QTest::addColumn<QString>("inputAfter");
  QTest::newRow("Lambert to Lambert, metres and km")
      << "150000\t170000\n150\t170" << QList<int>{0, 0, 0, 0, -1}
      << "150000\t170000\n150000\t170000\n"
      << "150000\t170000\n150\t170\n";
  QTest::newRow("Lambert to IFBL 1 x 1 km") << "150000\t170000\n"
                                            << QList<int>{0, 0, 2, 0, 0} << "E43522\n"
                                            << "150000\t170000\n";
  QTest::newRow("Lambert to IFBL 4 x 4 km") << "150000\t170000\n"
                                            << QList<int>{0, 0, 2, 0, 1} << "E435\n"
                                            << "150000\t170000\n";
  QTest::newRow("Lambert to IFBL 32 x 20 km")
      << "150000\t170000" << QList<int>{0, 0, 2, 0, 2} << "E4\n"
      << "150000\t170000\n";
  QTest::newRow("Lambert to degrees, Belgian datum")
      << "150000\t170000\n"
      << QList<int>{0, 0, 3, 0, -1} << Degrees("50.84096\t004.36749\n") << "150000\t170000\n";
  QTest::newRow("IFBL to Lambert, lower case")
      << "e5\nE53711\n"
      << QList<int>{2, 0, 0, 0, -1} << "178012\t168180\n186512\t169680\n"
      << "e5\nE53711\n";
  QTest::newRow("decimal comma") << "150,5\t170\n"
                                 << QList<int>{0, 0, 0, 0, -1} << "150500\t170000\n"
                                 << "150,5\t170\n";
}

void TestForm1::conversion() {
  QFETCH(QString, input);
  QFETCH(QList<int>, choices);
  QFETCH(QString, output);
  QFETCH(QString, inputAfter);
  Choose(choices[0], choices[1], choices[2], choices[3], choices[4]);
  Box("txtFrom")->setPlainText(input);
  QTest::mouseClick(Find<QAbstractButton>("Command1"), Qt::LeftButton);
  QCOMPARE(Box("txtDest")->toPlainText(), output);
  QCOMPARE(Box("txtFrom")->toPlainText(), inputAfter);
  QVERIFY(!QGuiApplication::overrideCursor());
}

void TestForm1::runsAccumulate() {
  Choose(0, 0, 2, 0, 1);
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n"));
  Find<QAbstractButton>("Command1")->click();
  Find<QAbstractButton>("Command1")->click();
  QCOMPARE(Box("txtDest")->toPlainText(), QStringLiteral("E435\nE435\n"));
}

void TestForm1::prompt_data() {
  QTest::addColumn<bool>("answer");
  QTest::addColumn<int>("outputLines");
  // The second line, degrees at the pole, faults in the projection: the
  // prompt comes up once.
  QTest::newRow("Yes goes on") << true << 3;
  QTest::newRow("No ends the run") << false << 1;
}

void TestForm1::prompt() {
  QFETCH(bool, answer);
  QFETCH(int, outputLines);
  window_->SetPrompt([this, answer](const QString& message) {
    prompts_ << message;
    // The pointer is normal while the prompt shows.
    if (QGuiApplication::overrideCursor()) prompts_ << QStringLiteral("busy");
    return answer;
  });
  Choose(3, 1, 2, 1, 1);
  Box("txtFrom")->setPlainText(QStringLiteral("50.85\t4.35\n90\t180\n50.85\t4.35\n"));
  Find<QAbstractButton>("Command1")->click();
  QCOMPARE(prompts_.size(), 1);
  QVERIFY2(prompts_[0].endsWith(QStringLiteral("\n\nContinuer?")), qPrintable(prompts_[0]));
  QVERIFY(prompts_[0].size() > QStringLiteral("\n\nContinuer?").size());
  const QStringList lines = Box("txtDest")->toPlainText().split(u'\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), outputLines);
  QCOMPARE(lines.first(), QStringLiteral("E425"));
  if (answer) QCOMPARE(lines.last(), QStringLiteral("E425"));
  QVERIFY(!QGuiApplication::overrideCursor());
}

void TestForm1::testData() {
  auto* action = Find<QAction>("Command2");
  action->trigger();
  const QStringList lines = Box("txtFrom")->toPlainText().split(u'\n');
  QCOMPARE(lines.size(), 502);  // 501 lines and the empty rest after the last break
  QVERIFY(lines.last().isEmpty());
  static const QRegularExpression line(QStringLiteral("^ (\\d+)\t (\\d+)$"));
  for (int i = 0; i < 501; ++i) {
    const auto match = line.match(lines[i]);
    QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
    const int x = match.captured(1).toInt();
    const int y = match.captured(2).toInt();
    QVERIFY(x >= 17570 && x <= 315869);
    QVERIFY(y >= 20000 && y <= 311999);
  }
}

void TestForm1::copyOutput() {
  Box("txtDest")->setPlainText(QStringLiteral("E435\nE436\n"));
  Find<QAbstractButton>("cmdCopy")->click();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("E435\nE436\n"));
}

void TestForm1::mapRun() {
  Box("txtFrom")->setPlainText(QStringLiteral("150000\t170000\n250\t50\n"));
  std::vector<QPointF> shown;
  QString title;
  QTimer::singleShot(0, this, [&] {
    auto* map = qobject_cast<koord::ui::frmMap*>(QApplication::activeModalWidget());
    if (!map) return;
    shown = map->Picture()->Dots();
    title = map->windowTitle();
    map->close();
  });
  Find<QAbstractButton>("Command3")->click();
  QCOMPARE(shown, (std::vector<QPointF>{{150000, 170000}, {250000, 50000}}));
  QCOMPARE(title, QString());
  QVERIFY(Box("txtDest")->toPlainText().isEmpty());
  QVERIFY(!window_->LoadedMap());  // closed: the next run gets a fresh map
}

void TestForm1::mapRunEndedAtThePrompt() {
  window_->SetPrompt([](const QString&) { return false; });
  Choose(3, 1, 1, 1, 2);
  Box("txtFrom")->setPlainText(QStringLiteral("50.85\t4.35\n90\t180\n"));
  Find<QAbstractButton>("Command3")->click();
  // Not shown, but loaded with the dot drawn so far; the next run adds to it.
  QVERIFY(window_->LoadedMap());
  QVERIFY(!window_->LoadedMap()->isVisible());
  QCOMPARE(window_->LoadedMap()->Picture()->Dots().size(), std::size_t(1));
  Find<QAbstractButton>("Command3")->click();
  QCOMPARE(window_->LoadedMap()->Picture()->Dots().size(), std::size_t(2));
}

void TestForm1::importedText_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("text");
  QTest::newRow("tabs stay") << QByteArray("150000\t170000\n") << "150000\t170000\n";
  QTest::newRow("semicolons stay") << QByteArray("150000;170000\r\n50,5;4,25\r\n")
                                   << "150000;170000\n50,5;4,25\n";
  QTest::newRow("commas stay") << QByteArray("150000,170000\n") << "150000,170000\n";
  QTest::newRow("lone CR") << QByteArray("E4\rE5\r") << "E4\nE5\n";
  QTest::newRow("Latin-1") << QByteArray("Li\xe8ge;E4\n") << "Liège;E4\n";
  QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBFLi\xC3\xA8ge\n") << "Liège\n";
  QTest::newRow("UTF-16 little endian")
      << QByteArray("\xFF\xFE" "E\0" "4\0" "\r\0\n\0" "\xE8\0", 12) << "E4\nè";
  QTest::newRow("UTF-16 big endian") << QByteArray("\xFE\xFF\0E\0" "4", 6) << "E4";
}

void TestForm1::importedText() {
  QFETCH(QByteArray, file);
  QFETCH(QString, text);
  QCOMPARE(koord::ui::ImportedText(file), text);
}

void TestForm1::spreadsheetBlock() {
  // A block copied from a spreadsheet: a header, an identifier column, an
  // empty cell and a column after the coordinates. With the coordinates in
  // the second field and the input lines kept, the result pastes back.
  auto* menu = window_->findChild<koord::ui::InputOptionsMenu*>();
  QVERIFY(menu);
  menu->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(2);
  menu->findChild<QAction*>(QStringLiteral("actKeepLine"))->setChecked(true);
  Choose(0, 0, 2, 0, 1);
  Box("txtFrom")->setPlainText(QStringLiteral("Id\tX\tY\tEspèce\n"
                                              "P1\t150000\t170000\tQuercus robur\n"
                                              "P2\t\t170000\tAcer\n"
                                              "P3\t150,5\t170\tIlex"));
  Find<QAbstractButton>("Command1")->click();
  QVERIFY(prompts_.isEmpty());
  QCOMPARE(Box("txtDest")->toPlainText(),
           QStringLiteral("Id\tX\tY\tEspèce\tIFBL\n"
                          "P1\t150000\t170000\tQuercus robur\tE435\n"
                          "P2\t\t170000\tAcer\tChamp manquant\n"
                          "P3\t150,5\t170\tIlex\tE436\n"));
}

void TestForm1::semicolonsFoundWithoutTabs() {
  Choose(0, 0, 0, 0, 0);
  Box("txtFrom")->setPlainText(QStringLiteral("x;y\n150 000;170 000\n"));
  Find<QAbstractButton>("Command1")->click();
  QCOMPARE(Box("txtDest")->toPlainText(), QStringLiteral("X;Y\n150000;170000\n"));
}

void TestForm1::csvFileSetsItsSeparator() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("points.csv"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("Lat,Lon\n50.85,4.35\n");
  file.close();
  QVERIFY(window_->findChild<koord::ui::InputEdit*>()->LoadFile(path));
  auto* menu = window_->findChild<koord::ui::InputOptionsMenu*>();
  QCOMPARE(menu->Options().separator, koord::Separator::Comma);
  Choose(3, 1, 3, 1, 0);
  Find<QAbstractButton>("Command1")->click();
  QCOMPARE(Box("txtDest")->toPlainText(),
           QStringLiteral("Latitude,Longitude\n50.85000,004.35000\n"));
}

void TestForm1::readingOptionsAreRemembered() {
  auto* menu = window_->findChild<koord::ui::InputOptionsMenu*>();
  menu->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(3);
  menu->findChild<QAction*>(QStringLiteral("actKeepLine"))->setChecked(true);
  window_ = std::make_unique<Form1>();
  const koord::ui::InputOptions options =
      window_->findChild<koord::ui::InputOptionsMenu*>()->Options();
  QCOMPARE(options.firstColumn, std::size_t(3));
  QVERIFY(options.keepLine);
  QCOMPARE(options.separator, koord::Separator::Tab);
}

void TestForm1::promptButtonsInFrench() {
  QVERIFY(koord::ui::InstallQtFrench());
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Koord"), QString(),
                  QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Oui"));
  QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Non"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
