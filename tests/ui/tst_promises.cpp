// The main window keeps its promises, tried as a user tries them: with the
// keys, the mouse and the clipboard, in French and in Dutch or English.
// One case or more for each fault a user met: GPS degrees on the wrong
// datum, results that drift away from their lines, a separator that
// sticks, boxes that part, a map that blocks the work, numbers written as
// the system writes them, words, and the smaller misses.

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <memory>

#include "tests/ui/LanguageRows.h"
#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/InputOptionsMenu.h"
#include "ui/MapView.h"
#include "ui/QtLanguage.h"
#include "ui/ResultView.h"
#include "ui/Settings.h"
#include "ui/frmAbout.h"
#include "ui/frmMap.h"

using koord::Language;
using koord::ui::Form1;

class TestPromises : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();

  // 1. GPS degrees on the wrong datum.
  void degreesGoWithWgs84_data();
  void degreesGoWithWgs84();
  // 2. Results that drift away from their lines.
  void convertingAgainReplaces_data();
  void convertingAgainReplaces();
  void resultOutOfDateUntilConverted_data();
  void resultOutOfDateUntilConverted();
  void openingAFileClearsTheResult_data();
  void openingAFileClearsTheResult();
  void stoppedRunSaysWhereItStopped_data();
  void stoppedRunSaysWhereItStopped();
  void undoBringsTheStatusBack_data();
  void undoBringsTheStatusBack();
  // 3. The separator that sticks, the column remembered.
  void fileSeparatorForThatFileOnly_data();
  void fileSeparatorForThatFileOnly();
  void rememberedColumnShown_data();
  void rememberedColumnShown();
  // 4. The boxes that part.
  void boxesScrollTogetherByKeys_data();
  void boxesScrollTogetherByKeys();
  // 5. The map that blocks the work.
  void mapBesideTheWindow_data();
  void mapBesideTheWindow();
  // 6. Numbers as the system writes them.
  void numbersInTheWindowsLanguage_data();
  void numbersInTheWindowsLanguage();
  // 7. Words.
  void wordsMended_data();
  void wordsMended();
  // 8. The smaller misses.
  void keptLineByteForByte_data();
  void keptLineByteForByte();
  void refusedLinesByF8_data();
  void refusedLinesByF8();
  void dialogsRememberFolderAndFormat_data();
  void dialogsRememberFolderAndFormat();
  void mapNamesTheLineAndSaysCopied_data();
  void mapNamesTheLineAndSaysCopied();

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
  QString Status() const { return Find<QLabel>("lblStatus")->text(); }

  // A fresh window, as a new user gets it, in `language`.
  void NewWindow(Language language);
  // The window as it opens on the next start, settings kept.
  void Reopen();
  void Activate();
  // Picks the entry of a list with the keyboard, as a user does.
  void Pick(const char* list, int position);
  // Pastes `text` over the input box's text.
  void Paste(const QString& text);
  void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
  // Ctrl+Entrée from the input box, and the run to its end.
  void Convert();
  bool Greyed() const;
  QString WriteFile(const QString& name, const QByteArray& bytes);

  QTemporaryDir dir_;
  std::unique_ptr<Form1> window_;
  Language language_ = Language::French;
  QStringList prompts_;
  bool answer_ = true;
};

namespace {

// List positions of the kinds and datums.
constexpr int kLambert = 0;
constexpr int kIfbl = 2;
constexpr int kDegrees = 3;
constexpr int kMgrs = 1;
constexpr int kBel72 = 0;

using koord::ui::test::AddLanguages;
using koord::ui::test::FetchLanguage;
using koord::ui::test::In;

// Answers the file dialog that opens next, once it shows.
void AnswerFileDialog(QObject* context, std::function<void(QFileDialog*)> answer) {
  auto* poll = new QTimer(context);
  QObject::connect(poll, &QTimer::timeout, context, [poll, answer] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(window);
      if (!dialog || !dialog->isVisible()) continue;
      poll->stop();
      poll->deleteLater();
      answer(dialog);
      return;
    }
  });
  poll->start(20);
}

QString Lines(const QString& line, int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += line + u'\n';
  return text;
}

}  // namespace

void TestPromises::initTestCase() {
  QVERIFY(dir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void TestPromises::cleanup() {
  window_.reset();
}

void TestPromises::NewWindow(Language language) {
  window_.reset();
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  koord::ui::SaveLanguage(language);
  language_ = language;
  Reopen();
}

void TestPromises::Reopen() {
  window_.reset();
  prompts_.clear();
  window_ = std::make_unique<Form1>();
  Form1::Dialogs dialogs;
  dialogs.askContinue = [this](const QString& message) {
    prompts_ << message;
    return answer_;
  };
  dialogs.warn = [this](const QString& message) { prompts_ << message; };
  window_->SetDialogs(dialogs);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  Activate();
}

void TestPromises::Activate() {
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestPromises::Pick(const char* list, int position) {
  QComboBox* box = List(list);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < position; ++i) QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(box->currentIndex(), position);
}

void TestPromises::Paste(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  Box("txtFrom")->setFocus();
  QTest::keyClick(Box("txtFrom"), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Box("txtFrom"), Qt::Key_V, Qt::ControlModifier);
}

void TestPromises::Convert() {
  Box("txtFrom")->setFocus();
  QTest::keyClick(Box("txtFrom"), Qt::Key_Return, Qt::ControlModifier);
  QTRY_VERIFY_WITH_TIMEOUT(!window_->Running(), 60000);
}

bool TestPromises::Greyed() const {
  const QPalette palette = Result()->palette();
  return palette.color(QPalette::Active, QPalette::Text) ==
         palette.color(QPalette::Disabled, QPalette::Text);
}

QString TestPromises::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

// ---- 1. GPS degrees on the wrong datum ----

void TestPromises::degreesGoWithWgs84_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// IFBL locks the output datum on Lambert 1972; degrees chosen after it go
// back to WGS84, where a GPS point stays where the GPS put it.
void TestPromises::degreesGoWithWgs84() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorFrom", kDegrees);
  Pick("cmbCoorDest", kIfbl);
  QCOMPARE(List("cmbDatumDest")->currentText(), QStringLiteral("Lambert 1972"));
  QVERIFY(!List("cmbDatumDest")->isEnabled());
  Pick("cmbCoorDest", kDegrees);
  QCOMPARE(List("cmbDatumDest")->currentText(), QStringLiteral("WGS84"));
  QVERIFY(List("cmbDatumDest")->isEnabled());
  Paste(QStringLiteral("50,85\t4,35\n"));
  Convert();
  const QString mark = In(language_, ",", ",", ".", ",");
  QCOMPARE(Result()->Text(), QStringLiteral("50") + mark + QStringLiteral("85000\t004") + mark +
                                 QStringLiteral("35000\n"));
  QVERIFY2(Status().endsWith(
               In(language_, "résultat en WGS84", "", "result in WGS84", "Ergebnis in WGS84")),
           qPrintable(Status()));
}

// ---- 2. Results that drift away from their lines ----

void TestPromises::convertingAgainReplaces_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// A fresh profile replaces the result at each conversion: the header stays
// on line 1, beside its own.
void TestPromises::convertingAgainReplaces() {
  NewWindow(FetchLanguage());
  Paste(QStringLiteral("X\tY\n150000\t170000\n"));
  Convert();
  const QString first = Result()->Text();
  Convert();
  QCOMPARE(Result()->Text(), first);
  QCOMPARE(Result()->LineCount(), Box("txtFrom")->blockCount());
  QVERIFY(Find<QAction>("actReplaceResult")->isChecked());
}

void TestPromises::resultOutOfDateUntilConverted_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("change");
  for (const Language language : {Language::French, Language::English}) {
    for (const char* change : {"output kind", "output datum", "precision", "pasted lines",
                               "reading option", "decimal mark"}) {
      QTest::addRow("%s, %s", koord::ui::LanguageCode(language), change)
          << static_cast<int>(language) << QString::fromLatin1(change);
    }
  }
}

// After the input or a choice changes, the result is greyed and the status
// line says so and offers Ctrl+Entrée, until the next conversion.
void TestPromises::resultOutOfDateUntilConverted() {
  NewWindow(FetchLanguage());
  QFETCH(QString, change);
  Pick("cmbCoorDest", kMgrs);
  Paste(QStringLiteral("150000\t170000\n160000\t170000\n"));
  Convert();
  QVERIFY(!Greyed());
  const QString summary = Status();
  if (change == u"output kind") Pick("cmbCoorDest", kIfbl);
  if (change == u"output datum") Pick("cmbDatumDest", kBel72);
  if (change == u"precision") Pick("cmbPrecision", 0);
  if (change == u"pasted lines") Paste(Lines(QStringLiteral("170000\t170000"), 200));
  if (change == u"reading option") Find<QAction>("actKeepLine")->trigger();
  if (change == u"decimal mark") {
    Find<QAction>(language_ == Language::English ? "actDecimalComma" : "actDecimalPoint")
        ->trigger();
  }
  QVERIFY(Greyed());
  QVERIFY2(Status().contains(
               In(language_, "Résultat à refaire", "", "Result out of date", "Ergebnis veraltet")),
           qPrintable(Status()));
  QVERIFY(
      Status().contains(In(language_, "Ctrl+Entrée", "Ctrl+Enter", "Ctrl+Enter", "Strg+Eingabe")));
  Convert();
  QVERIFY(!Greyed());
  QVERIFY(!Status().contains(QStringLiteral("Ctrl+")));
  QVERIFY(Status() != QString());
  Q_UNUSED(summary);
}

void TestPromises::openingAFileClearsTheResult_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

void TestPromises::openingAFileClearsTheResult() {
  NewWindow(FetchLanguage());
  Paste(QStringLiteral("150000\t170000\nabc\t1\n"));
  Convert();
  QVERIFY(!Result()->Text().isEmpty());
  const QString path = WriteFile(QStringLiteral("relevés.txt"), "160000\t170000\n");
  Form1::Dialogs dialogs;
  dialogs.openPath = [path] { return path; };
  window_->SetDialogs(dialogs);
  Activate();
  QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(Box("txtFrom")->toPlainText(), QStringLiteral("160000\t170000\n"));
  QVERIFY(Result()->Text().isEmpty());
  QCOMPARE(Status(), QString());
  QVERIFY(!Button("cmdFirstRefused")->isVisible());
}

void TestPromises::stoppedRunSaysWhereItStopped_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// Échap stops a long run; the status line says it stopped, and where,
// not how many lines a whole run converted.
void TestPromises::stoppedRunSaysWhereItStopped() {
  NewWindow(FetchLanguage());
  constexpr int kLines = 400000;
  Box("txtFrom")->setPlainText(Lines(QStringLiteral("150000\t170000"), kLines));
  QTest::keyClick(Box("txtFrom"), Qt::Key_Return, Qt::ControlModifier);
  QVERIFY(window_->Running());
  // Stopped once the first lines show.
  QTRY_VERIFY(Result()->LineCount() > 1);
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  QVERIFY(!window_->Running());
  const int written = Result()->LineCount() - 1;
  QVERIFY(written > 0 && written < kLines);
  const QString where =
      In(language_, "Conversion arrêtée après %1 lignes", "", "Conversion stopped after %1 lines",
         "Umrechnung nach %1 Zeilen abgebrochen")
          .arg(QLocale(In(language_, "fr_BE", "nl_BE", "en", "fr_BE")).toString(written));
  QCOMPARE(Status(), QString(where).replace(QLocale(QStringLiteral("fr_BE")).groupSeparator(),
                                            QChar(0x202F)));
}

void TestPromises::undoBringsTheStatusBack_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("box");
  for (const Language language : {Language::French, Language::Dutch}) {
    QTest::addRow("%s, result", koord::ui::LanguageCode(language))
        << static_cast<int>(language) << 1;
    QTest::addRow("%s, input", koord::ui::LanguageCode(language))
        << static_cast<int>(language) << 0;
  }
}

// Effacer, then Ctrl+Z: the text comes back, and with it the status line
// and the way to the refused line.
void TestPromises::undoBringsTheStatusBack() {
  NewWindow(FetchLanguage());
  QFETCH(int, box);
  Paste(QStringLiteral("150000\t170000\nabc\t1\n"));
  Convert();
  const QString input = Box("txtFrom")->toPlainText();
  const QString output = Result()->Text();
  const QString status = Status();
  QVERIFY(Button("cmdFirstRefused")->isVisible());
  for (QAbstractButton* erase :
       window_->findChildren<QAbstractButton*>(QStringLiteral("cmdErase"))) {
    if (erase->property("index").toInt() == box) QTest::mouseClick(erase, Qt::LeftButton);
  }
  QVERIFY(Status() != status);
  QWidget* focus = box == 0 ? static_cast<QWidget*>(Box("txtFrom")) : Result();
  focus->setFocus();
  QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(Box("txtFrom")->toPlainText(), input);
  QCOMPARE(Result()->Text(), output);
  QCOMPARE(Status(), status);
  QVERIFY(!Greyed());
  QVERIFY(Button("cmdFirstRefused")->isVisible());
}

// ---- 3. The separator that sticks ----

void TestPromises::fileSeparatorForThatFileOnly_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QByteArray>("csv");
  for (const Language language : {Language::French, Language::English}) {
    QTest::addRow("%s, semicolons", koord::ui::LanguageCode(language))
        << static_cast<int>(language) << QByteArray("X;Y\r\n150000;170000\r\n");
    QTest::addRow("%s, commas", koord::ui::LanguageCode(language))
        << static_cast<int>(language) << QByteArray("X,Y\r\n150000,170000\r\n");
  }
}

// A CSV file is read with its own separator; the tab-separated text pasted
// after it is read with tabs, and the menu still shows the user's choice.
void TestPromises::fileSeparatorForThatFileOnly() {
  NewWindow(FetchLanguage());
  QFETCH(QByteArray, csv);
  Pick("cmbCoorDest", kLambert);
  const QString path = WriteFile(QStringLiteral("points.csv"), csv);
  QVERIFY(window_->OpenFile(path));
  Convert();
  const QString refusedNone = In(language_, "0 refusée", "", "0 refused", "0 abgelehnt");
  QVERIFY2(Status().contains(refusedNone), qPrintable(Status()));
  Paste(QStringLiteral("X\tY\n150000\t170000\n"));
  Convert();
  QCOMPARE(Result()->Text(), QStringLiteral("X\tY\n150000\t170000\n"));
  QVERIFY2(Status().contains(refusedNone), qPrintable(Status()));
  QCOMPARE(window_->findChild<koord::ui::InputOptionsMenu*>()->Options().separator,
           koord::Separator::Auto);
  // The next session starts with tabs too.
  Reopen();
  Paste(QStringLiteral("150000\t170000\n"));
  Convert();
  QVERIFY2(Status().contains(refusedNone), qPrintable(Status()));
}

void TestPromises::rememberedColumnShown_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// A column remembered from an earlier session shows in the status line from
// the start, and after each run, until it is 1 again.
void TestPromises::rememberedColumnShown() {
  NewWindow(FetchLanguage());
  window_->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(2);
  Reopen();
  const QString note =
      In(language_, "lues à partir du champ 2", "gelezen vanaf veld 2", "", "ab Feld 2 gelesen");
  QVERIFY2(Status().contains(note), qPrintable(Status()));
  Paste(QStringLiteral("150000\t170000\n"));
  Convert();
  QVERIFY2(Status().contains(note), qPrintable(Status()));
  window_->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(1);
  Convert();
  QVERIFY2(!Status().contains(note), qPrintable(Status()));
}

// ---- 4. The boxes that part ----

void TestPromises::boxesScrollTogetherByKeys_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// Ctrl+End, Page Up, the arrows and Ctrl+Home in the input box take the
// result along; a long input line does not make the boxes show different
// numbers of lines.
void TestPromises::boxesScrollTogetherByKeys() {
  NewWindow(FetchLanguage());
  QString input = Lines(QStringLiteral("150000\t170000"), 40);
  input.insert(0, QStringLiteral("150000\t170000\t") + QString(300, u'x') + u'\n');
  Paste(input);
  Convert();
  QPlainTextEdit* from = Box("txtFrom");
  QScrollBar* fromBar = from->verticalScrollBar();
  QScrollBar* destBar = Result()->verticalScrollBar();
  QCOMPARE(from->viewport()->height(), Result()->viewport()->height());
  from->setFocus();
  const std::initializer_list<std::pair<int, Qt::KeyboardModifiers>> keys = {
      {Qt::Key_End, Qt::ControlModifier}, {Qt::Key_PageUp, Qt::NoModifier},
      {Qt::Key_Up, Qt::NoModifier},       {Qt::Key_Home, Qt::ControlModifier},
      {Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_Down, Qt::NoModifier}};
  for (const auto& [key, modifiers] : keys) {
    for (int i = 0; i < 12; ++i) QTest::keyClick(from, Qt::Key(key), modifiers);
    QCOMPARE(destBar->value(), fromBar->value());
  }
  QTest::keyClick(from, Qt::Key_End, Qt::ControlModifier);
  QVERIFY(fromBar->value() > 0);
  QCOMPARE(destBar->value(), fromBar->value());
  QCOMPARE(destBar->maximum(), fromBar->maximum());
}

// ---- 5. The map that blocks the work ----

void TestPromises::mapBesideTheWindow_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// The map is a window of its own beside the main one, which takes its
// clicks while the map is open; it opens at a useful size, with a title
// of its own, and comes back where it was left.
void TestPromises::mapBesideTheWindow() {
  NewWindow(FetchLanguage());
  window_->move(0, 0);
  Paste(QStringLiteral("150000\t170000\n"));
  QTest::keyClick(Box("txtFrom"), Qt::Key_M, Qt::ControlModifier);
  koord::ui::frmMap* map = window_->LoadedMap();
  QVERIFY(map);
  QVERIFY(QTest::qWaitForWindowExposed(map));
  QVERIFY(!QApplication::activeModalWidget());
  QCOMPARE(map->windowTitle(),
           In(language_, "Koord — carte", "Koord — kaart", "Koord — map", "Koord — Karte"));
  const QRect screen = map->screen()->availableGeometry();
  QVERIFY2(map->width() > screen.width() / 3 && map->height() > screen.height() / 2,
           qPrintable(QStringLiteral("%1 x %2").arg(map->width()).arg(map->height())));
  QVERIFY(!map->frameGeometry().intersects(window_->frameGeometry()));
  // The main window works on: a conversion with the map open.
  Click("Command1");
  QVERIFY(!Result()->Text().isEmpty());
  map->resize(420, 380);
  map->move(screen.topLeft() + QPoint(30, 40));
  const QRect left = map->geometry();
  map->close();
  Reopen();
  Paste(QStringLiteral("160000\t170000\n"));
  Click("Command3");
  QVERIFY(QTest::qWaitForWindowExposed(window_->LoadedMap()));
  QCOMPARE(window_->LoadedMap()->size(), left.size());
}

// ---- 6. Numbers as the system writes them ----

void TestPromises::numbersInTheWindowsLanguage_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch, Language::English, Language::German});
}

// The window's language writes the numbers, whatever the system's: counts
// with their thousands grouped, degrees with the language's decimal mark
// until the user picks another in "Options du résultat".
void TestPromises::numbersInTheWindowsLanguage() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorDest", kDegrees);
  Paste(Lines(QStringLiteral("150000\t170000"), 1200));
  Convert();
  const QString count = In(language_, "1\u202F200 lignes converties", "1\u202F200 regels omgezet",
                           "1,200 lines converted", "1\u202F200 Zeilen umgerechnet");
  QVERIFY2(Status().startsWith(count), qPrintable(Status()));
  const QString first = Result()->Line(0);
  QCOMPARE(first, In(language_, "50,84041\t004,36875", "50,84041\t004,36875", "50.84041\t004.36875",
                     "50,84041\t004,36875"));
  // The other mark, picked, is kept for the next session.
  const bool point = language_ != Language::English;
  Find<QAction>(point ? "actDecimalPoint" : "actDecimalComma")->trigger();
  Reopen();
  Paste(QStringLiteral("150000\t170000\n"));
  Convert();
  QCOMPARE(Result()->Text(), point ? QStringLiteral("50.84041\t004.36875\n")
                                   : QStringLiteral("50,84041\t004,36875\n"));
}

// ---- 7. Words ----

void TestPromises::wordsMended_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch, Language::English, Language::German});
}

void TestPromises::wordsMended() {
  NewWindow(FetchLanguage());
  // Labels as the language writes them: a no-break space before a French
  // colon, in every label of the window alike.
  const QString colon = In(language_, "\u00A0:", ":", ":", ":");
  for (const char* label :
       {"lblDepart", "Label1", "lblDatumFrom", "Label3", "lblPrecision", "lblLanguage"}) {
    const QString text = Find<QLabel>(label)->text();
    QVERIFY2(text.endsWith(colon) && !text.endsWith(u' ' + colon), qPrintable(text));
  }
  QCOMPARE(Find<QLabel>("lblDepart")->text(),
           In(language_, "Les coordonnées de &départ sont en\u00A0:", "&Broncoördinaten zijn in:",
              "&Source coordinates are in:", "&Ausgangskoordinaten in:"));
  QCOMPARE(Button("cmdAbout")->text(), In(language_, "À &propos…", "&Over…", "&About…", "&Info…"));
  // The about window is named for what it is, and closes by a button.
  koord::ui::frmAbout about(window_.get());
  QCOMPARE(about.windowTitle(),
           In(language_, "À propos de Koord", "Over Koord", "About Koord", "Über Koord"));
  QVERIFY(about.findChild<QAbstractButton*>(QStringLiteral("cmdClose")));
  // Each row of buttons starts at the left edge of its box.
  for (const char* button : {"cmdErase", "cmdCopy"}) {
    QWidget* box = QString::fromLatin1(button) == u"cmdCopy" ? static_cast<QWidget*>(Result())
                                                             : Box("txtFrom");
    QCOMPARE(Button(button)->geometry().left(), box->geometry().left());
  }
  // A menu's arrow keeps clear of the button's text.
  for (const char* name : {"cmdOptions", "cmdOutputOptions"}) {
    QAbstractButton* button = Button(name);
    const int text = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
    QVERIFY2(button->width() >= text + 30, qPrintable(button->text()));
  }
  // The help names the map's button as the map shows it.
  Click("cmdHelp");
  auto* help = window_->findChild<koord::ui::HelpWindow*>();
  QVERIFY(help);
  const QString page = help->Browser()->toPlainText();
  koord::ui::frmMap map;
  const QString save =
      map.findChild<QAbstractButton*>(QStringLiteral("cmdSaveImage"))->text().remove(u'&');
  QVERIFY2(page.contains(save), qPrintable(save));
  // Qt's own file dialogs speak the language too.
  const QString folder = QAbstractFileIconProvider().type(QFileInfo(dir_.path()));
  QCOMPARE(folder, In(language_, "Dossier", "Map", "Folder", "Ordner"));
}

// ---- 8. The smaller misses ----

void TestPromises::keptLineByteForByte_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// "Recopier la ligne" keeps the line as it is: no-break spaces too, in the
// box, in the copy and in the file saved.
void TestPromises::keptLineByteForByte() {
  NewWindow(FetchLanguage());
  Find<QAction>("actKeepLine")->trigger();
  window_->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(2);
  Pick("cmbCoorDest", kIfbl);
  const QString line = QStringLiteral("Chêne\u00A0pédonculé\t150\u00A0000\t170\u00A0000");
  Paste(line + u'\n');
  Convert();
  Click("cmdCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), line + QStringLiteral("\tE43522\n"));
  const QString path = dir_.filePath(QStringLiteral("gardé.txt"));
  QVERIFY(window_->SaveResult(path));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromUtf8(file.readAll()), line + QStringLiteral("\tE43522\n"));
}

void TestPromises::refusedLinesByF8_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// F8 goes from one refused line to the next, Maj+F8 back, round the end;
// with the input lines kept, the reason comes into view on the right.
void TestPromises::refusedLinesByF8() {
  NewWindow(FetchLanguage());
  Find<QAction>("actKeepLine")->trigger();
  Pick("cmbCoorDest", kIfbl);
  const QString record = QStringLiteral("\t") + QString(200, u'x');
  Paste(QStringLiteral("150000\t170000") + record + u'\n' + QStringLiteral("abc\t1") + record +
        u'\n' + QStringLiteral("150000\t170000") + record + u'\n' + QStringLiteral("def\t2") +
        record + u'\n');
  Convert();
  QPlainTextEdit* from = Box("txtFrom");
  koord::ui::ResultView* dest = Result();
  from->moveCursor(QTextCursor::Start);
  const auto lineOf = [](QPlainTextEdit* box) { return box->textCursor().blockNumber() + 1; };
  QTest::keyClick(from, Qt::Key_F8);
  QCOMPARE(lineOf(from), 2);
  QCOMPARE(dest->Cursor().line + 1, 2);
  QVERIFY2(dest->SelectedText().startsWith(In(language_, "Nombre illisible", "Onleesbaar getal",
                                              "Unreadable number", "Unlesbare Zahl")),
           qPrintable(dest->SelectedText()));
  // The reason, far to the right of the kept line, is in view.
  QVERIFY(dest->horizontalScrollBar()->value() > 0);
  const QRect reason = dest->CursorRect();
  QVERIFY(dest->viewport()->rect().contains(reason.center()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
  QCOMPARE(lineOf(from), 4);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
  QCOMPARE(lineOf(from), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8, Qt::ShiftModifier);
  QCOMPARE(lineOf(from), 4);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8, Qt::ShiftModifier);
  QCOMPARE(lineOf(from), 2);
}

void TestPromises::dialogsRememberFolderAndFormat_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// The open dialog starts in the folder last used; after a CSV was opened,
// the save dialog offers CSV first.
void TestPromises::dialogsRememberFolderAndFormat() {
  NewWindow(FetchLanguage());
  QDir(dir_.path()).mkpath(QStringLiteral("relevés"));
  const QString folder = dir_.filePath(QStringLiteral("relevés"));
  const QString csv = QDir(folder).filePath(QStringLiteral("points.csv"));
  {
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("X;Y\r\n150000;170000\r\n");
  }
  AnswerFileDialog(this, [&](QFileDialog* dialog) {
    // Typed in the file name box, as a user may.
    auto* name = dialog->findChild<QLineEdit*>();
    if (name) name->setText(csv);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Click("cmdOpen");
  QCOMPARE(Box("txtFrom")->toPlainText(), QStringLiteral("X;Y\n150000;170000\n"));
  Convert();
  Reopen();
  window_->OpenFile(csv);
  Convert();
  QString savedIn;
  QString filter;
  QString name;
  AnswerFileDialog(this, [&](QFileDialog* dialog) {
    savedIn = dialog->directory().absolutePath();
    filter = dialog->selectedNameFilter();
    if (auto* edit = dialog->findChild<QLineEdit*>()) name = edit->text();
    dialog->reject();
  });
  Click("cmdSave");
  QCOMPARE(savedIn, folder);
  QVERIFY2(filter.startsWith(QStringLiteral("CSV")), qPrintable(filter));
  QVERIFY2(name.endsWith(QStringLiteral(".csv")), qPrintable(name));
  // The next open starts there too.
  QString openedIn;
  AnswerFileDialog(this, [&](QFileDialog* dialog) {
    openedIn = dialog->directory().absolutePath();
    dialog->reject();
  });
  Click("cmdOpen");
  QCOMPARE(openedIn, folder);
}

void TestPromises::mapNamesTheLineAndSaysCopied_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// Under the pointer, the map names the nearest point's line and its first
// text field; a click says that it copied.
void TestPromises::mapNamesTheLineAndSaysCopied() {
  NewWindow(FetchLanguage());
  window_->findChild<QSpinBox*>(QStringLiteral("spnFirstColumn"))->setValue(2);
  Paste(QStringLiteral("Id\tX\tY\tEspèce\nP01\t150000\t170000\tQuercus robur\n"));
  Click("Command3");
  koord::ui::frmMap* map = window_->LoadedMap();
  QVERIFY(map && QTest::qWaitForWindowExposed(map));
  koord::ui::MapView* view = map->Picture();
  const QPoint dot =
      (view->Viewport().ToPixel(150000, 170000) + QPointF(view->DrawingArea().topLeft())).toPoint();
  QTest::mouseMove(view, dot + QPoint(2, 1));
  const QString readOut = map->findChild<QLabel*>(QStringLiteral("lblReadOut"))->text();
  QCOMPARE(readOut.section(u'\n', -1),
           In(language_, "Ligne 2\u00A0: P01", "Regel 2: P01", "Line 2: P01", "Zeile 2: P01"));
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, dot);
  auto* copied = map->findChild<QLabel*>(QStringLiteral("lblCopied"));
  QVERIFY(copied->isVisible());
  QCOMPARE(copied->text(), In(language_, "Copié", "Gekopieerd", "Copied", "Kopiert"));
  const QString copiedText = QGuiApplication::clipboard()->text();
  QVERIFY2(copiedText.startsWith(QStringLiteral("Lambert 1972\t1")) &&
               copiedText.contains(QStringLiteral("\nIFBL\tE4.35.")),
           qPrintable(copiedText));
}

// Offscreen, a screen as large as a desktop's, where the map has room
// beside the main window.
int main(int argc, char* argv[]) {
  QTemporaryDir screenDir;
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screenDir.isValid()) {
    QFile screen(screenDir.filePath(QStringLiteral("screen.json")));
    if (screen.open(QIODevice::WriteOnly) &&
        screen.write(R"({"screens":[{"name":"screen","x":0,"y":0,"width":1600,"height":900,)"
                     R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})") > 0) {
      screen.close();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
  }
  QApplication app(argc, argv);
  QTEST_SET_MAIN_SOURCE_PATH
  TestPromises test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_promises.moc"
