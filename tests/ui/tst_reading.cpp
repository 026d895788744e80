// The main window reads what is pasted as it comes and writes every system,
// tried as a user tries it, with the keys, the mouse and the clipboard, in
// French and in Dutch or English: the columns found from a header or where
// they read, and said in the status line; columns that read at two places;
// points far from Belgium counted, reached, or refused; the decimals of
// metres; each line's kind found, shown and counted; several outputs
// chosen in a dialog; Belgian MGRS squares without their zone; an old
// profile's reading options; the result saved with the separator found.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "tests/ui/LanguageRows.h"
#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/MapView.h"
#include "ui/OutputKindsDialog.h"
#include "ui/QtLanguage.h"
#include "ui/ResultView.h"
#include "ui/Settings.h"
#include "ui/frmMap.h"

using koord::Language;
using koord::ui::Form1;

class TestReading : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();

  void columnsFoundAndSaid_data();
  void columnsFoundAndSaid();
  void columnsReadTwiceAreRefused_data();
  void columnsReadTwiceAreRefused();
  void readingMenuStartsAutomatic_data();
  void readingMenuStartsAutomatic();
  void oldProfileReadsAutomatically_data();
  void oldProfileReadsAutomatically();
  void farPointsCountedAndReached_data();
  void farPointsCountedAndReached();
  void farPointsRefusedOnRequest_data();
  void farPointsRefusedOnRequest();
  void metreDecimals_data();
  void metreDecimals();
  void decimalMarkKeptByOtherOptions_data();
  void decimalMarkKeptByOtherOptions();
  void eachLinesKindFound_data();
  void eachLinesKindFound();
  void severalOutputsChosen_data();
  void severalOutputsChosen();
  void mgrsSquaresWithoutZone_data();
  void mgrsSquaresWithoutZone();
  void savedWithTheSeparatorFound_data();
  void savedWithTheSeparatorFound();
  void mapNamesPointsByAnotherField_data();
  void mapNamesPointsByAnotherField();
  void helpNamesTheControls_data();
  void helpNamesTheControls();

 private:
  template <typename T>
  T* Find(const char* name) const {
    auto* found = window_->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
  }
  QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
  QPlainTextEdit* Input() const { return Find<QPlainTextEdit>("txtFrom"); }
  koord::ui::ResultView* Result() const { return Find<koord::ui::ResultView>("txtDest"); }
  QAbstractButton* Button(const char* name) const { return Find<QAbstractButton>(name); }
  QString Status() const { return Find<QLabel>("lblStatus")->text(); }

  // A fresh window, as a new user gets it, in `language`.
  void NewWindow(Language language);
  // The window as it opens on the next start, settings kept.
  void Reopen();
  // Picks the entry of a list with the keyboard, as a user does.
  void Pick(const char* list, int position);
  // Pastes `text` over the input box's text.
  void Paste(const QString& text);
  // Ctrl+Entrée from the input box, and the run to its end.
  void Convert();
  // « Plusieurs systèmes… » picked, and its dialog once it shows.
  koord::ui::OutputKindsDialog* AskSeveralOutputs();
  QString WriteFile(const QString& name, const QByteArray& bytes);

  QTemporaryDir dir_;
  std::unique_ptr<Form1> window_;
  Language language_ = Language::French;
};

namespace {

// List positions of the kinds.
constexpr int kLambert = 0;
constexpr int kMgrs = 1;
constexpr int kIfbl = 2;
constexpr int kDegrees = 3;
constexpr int kLambert2008 = 4;
// The last entries: the kind of each line found, several outputs.
constexpr int kDetect = 6;
constexpr int kSeveral = 7;

using koord::ui::test::AddLanguages;
using koord::ui::test::FetchLanguage;
using koord::ui::test::In;

QString FromUtf8(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

void TestReading::initTestCase() {
  QVERIFY(dir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void TestReading::cleanup() {
  window_.reset();
}

void TestReading::NewWindow(Language language) {
  window_.reset();
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  koord::ui::SaveLanguage(language);
  language_ = language;
  Reopen();
}

void TestReading::Reopen() {
  window_.reset();
  window_ = std::make_unique<Form1>();
  Form1::Dialogs dialogs;
  dialogs.askContinue = [](const QString&) { return true; };
  dialogs.warn = [](const QString& message) { qWarning("%s", qPrintable(message)); };
  window_->SetDialogs(dialogs);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestReading::Pick(const char* list, int position) {
  QComboBox* box = List(list);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < position; ++i) QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(box->currentIndex(), position);
}

void TestReading::Paste(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  Input()->setFocus();
  QTest::keyClick(Input(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Input(), Qt::Key_V, Qt::ControlModifier);
}

void TestReading::Convert() {
  Input()->setFocus();
  QTest::keyClick(Input(), Qt::Key_Return, Qt::ControlModifier);
  QTRY_VERIFY_WITH_TIMEOUT(!window_->Running(), 60000);
}

koord::ui::OutputKindsDialog* TestReading::AskSeveralOutputs() {
  // From the open list, which also takes it when it is the entry shown.
  QComboBox* list = List("cmbCoorDest");
  list->setFocus();
  list->showPopup();
  QAbstractItemView* entries = list->view();
  entries->setCurrentIndex(entries->model()->index(kSeveral, 0));
  QTest::keyClick(entries, Qt::Key_Return);
  koord::ui::OutputKindsDialog* dialog = nullptr;
  [&] { QTRY_VERIFY((dialog = window_->findChild<koord::ui::OutputKindsDialog*>())); }();
  if (dialog) {
    [&] {
      QVERIFY(QTest::qWaitForWindowExposed(dialog));
      dialog->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(dialog));
    }();
  }
  return dialog;
}

QString TestReading::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

// ---- Where the coordinates are ----

void TestReading::columnsFoundAndSaid_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("output");
  QTest::addColumn<QString>("note");  // in the status line; empty for none
  struct Row {
    const char* name;
    const char* input;
    const char* output;
    const char* note[3];
  };
  const Row rows[] = {
      // A block copied from a spreadsheet: a header, an identifier, an
      // empty cell, blanks between thousands, a column after.
      {"header naming X and Y after an identifier",
       "Id\tX\tY\tEspèce\nP01\t150000\t170000\tQuercus robur\nP02\t\t170000\tAcer\n"
       "P03\t152 500\t212 000\tIlex aquifolium\n",
       "IFBL\nE43522\n%MISSING%\nC42641\n",
       {"coordonnées lues dans les colonnes X et Y", "coördinaten gelezen uit de kolommen X en Y",
        "coordinates read from columns X and Y"}},
      {"header with Y before X",
       "Y;X\n170000;150000\n",
       "IFBL\nE43522\n",
       {"coordonnées lues dans les colonnes X et Y", "coördinaten gelezen uit de kolommen X en Y",
        "coordinates read from columns X and Y"}},
      {"no header, an identifier first",
       "P01;150000;170000\nP03;152500;212000\n",
       "E43522\nC42641\n",
       {"coordonnées lues à partir du champ 2", "coördinaten gelezen vanaf veld 2",
        "coordinates read from field 2"}},
      {"header in the first columns, nothing to say",
       "X\tY\n150000\t170000\n",
       "IFBL\nE43522\n",
       {"", "", ""}},
      {"the example of the empty box", "150000 170000\n", "E43522\n", {"", "", ""}},
  };
  for (const Language language : {Language::French, Language::Dutch}) {
    for (const Row& row : rows) {
      const auto index = static_cast<std::size_t>(language);
      QTest::addRow("%s, %s", koord::ui::LanguageCode(language), row.name)
          << static_cast<int>(language) << FromUtf8(row.input) << FromUtf8(row.output)
          << FromUtf8(row.note[index]);
    }
  }
}

// The separator and the columns are found in the text; the status line
// says where the coordinates were read when it is not the first columns.
void TestReading::columnsFoundAndSaid() {
  NewWindow(FetchLanguage());
  QFETCH(QString, input);
  QFETCH(QString, output);
  QFETCH(QString, note);
  Pick("cmbCoorDest", kIfbl);
  Paste(input);
  Convert();
  output.replace(QStringLiteral("%MISSING%"),
                 In(language_, "Champ manquant : X", "Ontbrekend veld: X", "Missing field: X", ""));
  QCOMPARE(Result()->Text(), output);
  if (note.isEmpty()) {
    QVERIFY2(!Status().contains(In(language_, "coordonnées", "coördinaten", "coordinates", "")),
             qPrintable(Status()));
  } else {
    QVERIFY2(Status().endsWith(note), qPrintable(Status()));
  }
}

void TestReading::columnsReadTwiceAreRefused_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// Two pairs that both read near Belgium: Koord does not choose; every line
// says why, the status line says where to choose, and the field chosen
// settles it.
void TestReading::columnsReadTwiceAreRefused() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorDest", kLambert);
  Paste(QStringLiteral("150000\t170000\t160000\t180000\n150000\t170000\t160000\t180000\n"));
  Convert();
  const QString reason = In(language_,
                            "Les coordonnées se lisent en plusieurs colonnes ; choisissez la "
                            "bonne : colonne 1 ou 3",
                            "",
                            "The coordinates read from more than one column; choose the "
                            "right one: column 1 or 3",
                            "");
  QCOMPARE(Result()->Text(), reason + u'\n' + reason + u'\n');
  QVERIFY2(Status().startsWith(In(language_, "0 ligne convertie, 2 refusées", "",
                                  "0 lines converted, 2 refused", "")),
           qPrintable(Status()));
  QVERIFY2(Status().contains(In(language_, "Options de lecture", "", "Reading options", "")),
           qPrintable(Status()));
  Button("cmdFirstRefused")->click();
  QCOMPARE(Input()->textCursor().blockNumber(), 0);
  Find<QSpinBox>("spnFirstColumn")->setValue(3);
  Convert();
  QCOMPARE(Result()->Text(), QStringLiteral("160000\t180000\n160000\t180000\n"));
}

void TestReading::readingMenuStartsAutomatic_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// « Automatique » leads the separators and stands for the column; a
// separator the user picks holds, even for a CSV file of semicolons.
void TestReading::readingMenuStartsAutomatic() {
  NewWindow(FetchLanguage());
  auto* separators = Find<QMenu>("mnuSeparator");
  const QAction* first = separators->actions().front();
  QCOMPARE(first->text(), In(language_, "Automatique", "Automatisch", "Automatic", ""));
  QVERIFY(first->isChecked());
  auto* column = Find<QSpinBox>("spnFirstColumn");
  QCOMPARE(column->value(), 0);
  QCOMPARE(column->text(), In(language_, "Automatique", "Automatisch", "Automatic", ""));
  Pick("cmbCoorDest", kLambert);
  const QString csv = WriteFile(QStringLiteral("points.csv"), "X;Y\r\n150000;170000\r\n");
  QVERIFY(window_->OpenFile(csv));
  Convert();
  QCOMPARE(Result()->Text(), QStringLiteral("X;Y\n150000;170000\n"));
  Find<QAction>("actSeparator_tab")->trigger();
  QVERIFY(window_->OpenFile(csv));
  Convert();
  QVERIFY2(Status().startsWith(In(language_, "0 ligne convertie, 1 refusée",
                                  "0 regels omgezet, 1 geweigerd", "", "")),
           qPrintable(Status()));
  // Chosen, it is remembered.
  Reopen();
  QVERIFY(Find<QAction>("actSeparator_tab")->isChecked());
}

void TestReading::oldProfileReadsAutomatically_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("version");  // of the store; 0 for none
  QTest::addColumn<QString>("separator");
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("shown");  // the separator shown after
  QTest::addColumn<int>("columnShown");
  for (const Language language : {Language::French, Language::English}) {
    const char* code = koord::ui::LanguageCode(language);
    const int l = static_cast<int>(language);
    // A store from before the columns were found: its tab and column were
    // all it could hold; it reads as a new one.
    QTest::addRow("%s, old tab and column 1", code) << l << 0 << "tab" << 1 << "auto" << 0;
    QTest::addRow("%s, old semicolon and column 3", code) << l << 0 << ";" << 3 << "auto" << 0;
    // Chosen since, they hold.
    QTest::addRow("%s, tab and column 1 chosen", code) << l << 2 << "tab" << 1 << "tab" << 1;
  }
}

void TestReading::oldProfileReadsAutomatically() {
  NewWindow(FetchLanguage());
  QFETCH(int, version);
  QFETCH(QString, separator);
  QFETCH(int, column);
  QFETCH(QString, shown);
  QFETCH(int, columnShown);
  window_.reset();
  {
    QSettings store(QStringLiteral("Koord"), QStringLiteral("koord"));
    store.clear();
    if (version > 0) store.setValue(QStringLiteral("settings/version"), version);
    store.setValue(QStringLiteral("window/language"),
                   QString::fromLatin1(koord::ui::LanguageCode(language_)));
    store.setValue(QStringLiteral("input/separator"), separator);
    store.setValue(QStringLiteral("input/firstColumn"), column);
    store.setValue(QStringLiteral("choices/to"), QStringLiteral("ifbl"));
  }
  Reopen();
  QVERIFY(Find<QAction>(qPrintable(QStringLiteral("actSeparator_") + shown))->isChecked());
  QCOMPARE(Find<QSpinBox>("spnFirstColumn")->value(), columnShown);
  Paste(QStringLiteral("Id\tX\tY\tEspèce\nP01\t150000\t170000\tQuercus robur\n"));
  Convert();
  if (shown == u"auto") {
    QCOMPARE(Result()->Text(), QStringLiteral("IFBL\nE43522\n"));
  } else {
    // The first column, as chosen: the identifier is no number.
    QVERIFY2(Result()->Text().contains(u"P01"), qPrintable(Result()->Text()));
  }
}

// ---- Far from Belgium ----

void TestReading::farPointsCountedAndReached_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// Points far from Belgium are converted, counted in the status line, and a
// button goes to the first in both boxes.
void TestReading::farPointsCountedAndReached() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorFrom", kDegrees);
  Pick("cmbCoorDest", kDegrees);
  Paste(QStringLiteral("50,85\t4,35\n48,85\t2,35\n51\t4\n45\t2\n"));
  Convert();
  QVERIFY2(
      Status().startsWith(In(language_, "4 lignes converties, 0 refusée, 2 loin de la Belgique",
                             "4 regels omgezet, 0 geweigerd, 2 ver van België", "", "")),
      qPrintable(Status()));
  QAbstractButton* far = Button("cmdFirstFar");
  QVERIFY(far->isVisible());
  QVERIFY(!Button("cmdFirstRefused")->isVisible());
  QTest::mouseClick(far, Qt::LeftButton);
  QCOMPARE(Input()->textCursor().blockNumber(), 1);
  QCOMPARE(Input()->textCursor().selectedText(), QStringLiteral("48,85\t2,35"));
  QCOMPARE(Result()->Cursor().line, 1);
  QCOMPARE(Result()->SelectedText(), QStringLiteral("48,85000\t002,35000"));
  // A run without far points offers nothing to go to.
  Paste(QStringLiteral("50,85\t4,35\n"));
  Convert();
  QVERIFY(!far->isVisible());
  QVERIFY2(!Status().contains(In(language_, "loin", "ver van", "far", "")), qPrintable(Status()));
}

void TestReading::farPointsRefusedOnRequest_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// « Refuser les points loin de la Belgique » refuses them with their
// distance, and is remembered.
void TestReading::farPointsRefusedOnRequest() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorFrom", kDegrees);
  Pick("cmbCoorDest", kDegrees);
  Find<QAction>("actNearBelgium")->trigger();
  Paste(QStringLiteral("50.85\t4.35\n48.85\t2.35\n"));
  Convert();
  QCOMPARE(Result()->Text(), In(language_, "50,85000\t004,35000\nLoin de la Belgique : 181 km\n",
                                "", "50.85000\t004.35000\nFar from Belgium: 181 km\n", ""));
  QVERIFY2(Status().startsWith(In(language_, "1 ligne convertie, 1 refusée —", "",
                                  "1 line converted, 1 refused —", "")),
           qPrintable(Status()));
  Reopen();
  QVERIFY(Find<QAction>("actNearBelgium")->isChecked());
}

// ---- How the result is written ----

void TestReading::metreDecimals_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// The outputs in metres take 0 to 3 decimals from « Options du résultat »;
// the choice is there while an output is in metres.
void TestReading::metreDecimals() {
  NewWindow(FetchLanguage());
  auto* decimals = Find<QMenu>("mnuMetreDecimals");
  QVERIFY(!decimals->isEnabled());  // MGRS
  Pick("cmbCoorDest", kLambert);
  QVERIFY(decimals->isEnabled());
  QCOMPARE(decimals->actions().size(), 4);
  QCOMPARE(decimals->actions().front()->text(),
           In(language_, "Au mètre", "Op de meter", "To the metre", ""));
  Paste(QStringLiteral("150000,4\t170000,6\n"));
  Convert();
  QCOMPARE(Result()->Text(), QStringLiteral("150000\t170001\n"));
  Find<QAction>("actMetreDecimals2")->trigger();
  Convert();
  QCOMPARE(Result()->Text(),
           In(language_, "150000,40\t170000,60\n", "", "150000.40\t170000.60\n", ""));
  Pick("cmbCoorDest", kLambert2008);
  QVERIFY(decimals->isEnabled());
  Pick("cmbCoorDest", kIfbl);
  QVERIFY(!decimals->isEnabled());
  Reopen();
  QVERIFY(Find<QAction>("actMetreDecimals2")->isChecked());
}

void TestReading::decimalMarkKeptByOtherOptions_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// Another result option changed leaves the decimal mark as it was: the
// menu shows the language's mark, not always the comma.
void TestReading::decimalMarkKeptByOtherOptions() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorDest", kDegrees);
  const bool point = language_ == Language::English;
  QVERIFY(Find<QAction>(point ? "actDecimalPoint" : "actDecimalComma")->isChecked());
  Find<QAction>("actReplaceResult")->trigger();
  Find<QAction>("actShowKind")->trigger();
  Find<QAction>("actShowKind")->trigger();
  Paste(QStringLiteral("150000\t170000\n"));
  Convert();
  QCOMPARE(Result()->Text(), point ? QStringLiteral("50.84041\t004.36875\n")
                                   : QStringLiteral("50,84041\t004,36875\n"));
}

void TestReading::eachLinesKindFound_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// « Détection automatique » reads each line as its kind: the input datum
// goes by the kind, « Afficher le type lu » writes the kind first, and the
// status line counts the kinds.
void TestReading::eachLinesKindFound() {
  NewWindow(FetchLanguage());
  Pick("cmbCoorFrom", kDetect);
  QCOMPARE(
      List("cmbCoorFrom")->currentText(),
      In(language_, "Détection automatique", "Automatische herkenning", "Automatic detection", ""));
  QComboBox* datum = List("cmbDatumFrom");
  QVERIFY(datum->isEnabled());
  QCOMPARE(datum->currentText(), In(language_, "Selon le type", "Volgens het type", "By kind", ""));
  QVERIFY2(Input()->placeholderText().contains(QStringLiteral("31UES963329")),
           qPrintable(Input()->placeholderText()));
  Pick("cmbCoorDest", kIfbl);
  Find<QAction>("actShowKind")->trigger();
  Paste(
      QStringLiteral("150000\t170000\n50.840956\t4.367486\n31UES963329\nE4.35.22\n"
                     "649999\t670000\n31N\t596372\t5632971\n150\t170\nabc\n"));
  Convert();
  const QStringList lines = Result()->Text().split(u'\n');
  const QStringList kinds{"lambert", "deg", "mgrs", "ifbl", "lambert2008", "utm", "lambert"};
  for (int i = 0; i < kinds.size(); ++i) {
    QCOMPARE(lines[i], kinds[i] + QStringLiteral("\tE43522"));
  }
  QVERIFY2(Status().startsWith(In(language_,
                                  "7 lignes converties, 1 refusée — 2 lambert, 1 mgrs, 1 ifbl, "
                                  "1 deg, 1 lambert2008, 1 utm — résultat en Lambert 1972",
                                  "7 regels omgezet, 1 geweigerd — 2 lambert, 1 mgrs, 1 ifbl, "
                                  "1 deg, 1 lambert2008, 1 utm — resultaat in Lambert 1972",
                                  "", "")),
           qPrintable(Status()));
  // Remembered, with the datum by kind.
  Reopen();
  QCOMPARE(List("cmbCoorFrom")->currentIndex(), kDetect);
  QCOMPARE(List("cmbDatumFrom")->currentIndex(), 0);
  // A kind named again has its own datum, and no entry by kind.
  Pick("cmbCoorFrom", kLambert);
  QCOMPARE(List("cmbDatumFrom")->currentText(), QStringLiteral("Lambert 1972"));
  QVERIFY(!List("cmbDatumFrom")->isEnabled());
  QCOMPARE(
      List("cmbDatumFrom")->findText(In(language_, "Selon le type", "Volgens het type", "", "")),
      -1);
}

void TestReading::severalOutputsChosen_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::English});
}

// « Plusieurs systèmes… » opens a list of the kinds to check and order,
// each with its precision; the result has a column per field, the header
// names them, and the choice is remembered.
void TestReading::severalOutputsChosen() {
  NewWindow(FetchLanguage());
  koord::ui::OutputKindsDialog* dialog = AskSeveralOutputs();
  QVERIFY(dialog);
  auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstOutputs"));
  // First offered: Lambert 1972, degrees, MGRS and IFBL.
  QStringList checked;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->checkState() == Qt::Checked) checked << list->item(row)->text();
  }
  QCOMPARE(checked.size(), 4);
  QVERIFY2(checked[2].startsWith(In(language_, "UTM alphanumérique (MGRS) — 100 m", "",
                                    "Alphanumeric UTM (MGRS) — 100 m", "")),
           qPrintable(checked[2]));
  // IFBL before MGRS, MGRS to the kilometre, by the keyboard.
  list->setFocus();
  list->setCurrentRow(3);
  // The button's letter clicks it, as a click shows: a moment later.
  QTest::keyClick(list, Qt::Key(In(language_, "M", "O", "U", "").at(0).unicode()), Qt::AltModifier);
  QTRY_COMPARE(list->currentRow(), 2);
  list->setCurrentRow(3);
  auto* precision = dialog->findChild<QComboBox*>(QStringLiteral("cmbOutputPrecision"));
  QVERIFY(precision->isEnabled());
  precision->setFocus();
  QTest::keyClick(precision, Qt::Key_Down);
  QCOMPARE(precision->currentText(), QStringLiteral("1 km"));
  // Nothing checked, nothing to accept.
  auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  for (int row = 0; row < list->count(); ++row) list->item(row)->setCheckState(Qt::Unchecked);
  QVERIFY(!ok->isEnabled());
  for (int row = 0; row < 4; ++row) list->item(row)->setCheckState(Qt::Checked);
  QTest::mouseClick(ok, Qt::LeftButton);
  QTRY_VERIFY(!window_->findChild<koord::ui::OutputKindsDialog*>());
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QCOMPARE(List("cmbCoorDest")->currentText(),
           In(language_, "Plusieurs systèmes…", "", "Several systems…", ""));
  QVERIFY(Find<QLabel>("lblOutputs")->isVisible());
  QVERIFY(!List("cmbPrecision")->isVisible());
  Paste(QStringLiteral("X\tY\n150000\t170000\n"));
  Convert();
  const QString expected = In(language_,
                              "X\tY\tLatitude\tLongitude\tIFBL\tMGRS\n"
                              "150000\t170000\t50,84041\t004,36875\tE43522\t31UES9632\n",
                              "",
                              "X\tY\tLatitude\tLongitude\tIFBL\tMGRS\n"
                              "150000\t170000\t50.84041\t004.36875\tE43522\t31UES9632\n",
                              "");
  QCOMPARE(Result()->Text(), expected);
  QVERIFY2(Status().contains(In(language_, "résultat en Lambert 1972 et WGS84", "",
                                "result in Lambert 1972 and WGS84", "")),
           qPrintable(Status()));
  // Remembered; Annuler keeps them.
  Reopen();
  QCOMPARE(List("cmbCoorDest")->currentIndex(), kSeveral);
  dialog = AskSeveralOutputs();
  QVERIFY(dialog);
  QTest::keyClick(dialog, Qt::Key_Escape);
  QTRY_VERIFY(!window_->findChild<koord::ui::OutputKindsDialog*>());
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QCOMPARE(List("cmbCoorDest")->currentIndex(), kSeveral);
  Paste(QStringLiteral("X\tY\n150000\t170000\n"));
  Convert();
  QCOMPARE(Result()->Text(), expected);
  // One kind picked again is the only output.
  Pick("cmbCoorDest", kMgrs);
  QVERIFY(!Find<QLabel>("lblOutputs")->isVisible());
  Convert();
  QCOMPARE(Result()->Text(), QStringLiteral("MGRS\n31UES9632\n"));
}

void TestReading::mgrsSquaresWithoutZone_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch});
}

// Belgian squares as atlases name them, on request, while MGRS is among
// the outputs.
void TestReading::mgrsSquaresWithoutZone() {
  NewWindow(FetchLanguage());
  QAction* shortSquares = Find<QAction>("actMgrsShort");
  QVERIFY(shortSquares->isEnabled());
  shortSquares->trigger();
  Paste(QStringLiteral("150000\t170000\n"));
  Convert();
  QCOMPARE(Result()->Text(), QStringLiteral("ES963329\n"));
  Pick("cmbCoorDest", kIfbl);
  QVERIFY(!shortSquares->isEnabled());
  Pick("cmbCoorDest", kMgrs);
  QVERIFY(shortSquares->isChecked());
}

void TestReading::savedWithTheSeparatorFound_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("input");
  QTest::addColumn<bool>("keep");
  QTest::addColumn<QByteArray>("csv");
  const QByteArray mark("\xEF\xBB\xBF");
  for (const Language language : {Language::French, Language::Dutch}) {
    const char* code = koord::ui::LanguageCode(language);
    const int l = static_cast<int>(language);
    // Fields written with semicolons stay as they are.
    QTest::addRow("%s, semicolons kept", code)
        << l << "Id;X;Y\nP1;150000;170000\n"
        << true << mark + "Id;X;Y;IFBL\r\nP1;150000;170000;E43522\r\n";
    // Blank-separated input gives tab-separated output, made CSV.
    QTest::addRow("%s, blanks", code) << l << "150000 170000\n" << false << mark + "E43522\r\n";
    QTest::addRow("%s, tabs and a kept line with a semicolon", code)
        << l << "Id\tX\tY\na;b\t150000\t170000\n"
        << true << mark + "Id;X;Y;IFBL\r\n\"a;b\";150000;170000;E43522\r\n";
  }
}

// A CSV saved from the result is cut where the result's fields are, with
// the separator the run found.
void TestReading::savedWithTheSeparatorFound() {
  NewWindow(FetchLanguage());
  QFETCH(QString, input);
  QFETCH(bool, keep);
  QFETCH(QByteArray, csv);
  Pick("cmbCoorDest", kIfbl);
  if (keep) Find<QAction>("actKeepLine")->trigger();
  Paste(input);
  Convert();
  const QString path = dir_.filePath(QStringLiteral("résultat.csv"));
  QVERIFY(window_->SaveResult(path));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), csv);
}

void TestReading::mapNamesPointsByAnotherField_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("input");
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("label");
  for (const Language language : {Language::French, Language::English}) {
    const char* code = koord::ui::LanguageCode(language);
    const int l = static_cast<int>(language);
    QTest::addRow("%s, identifier first", code)
        << l << "Id\tX\tY\tEspèce\nP01\t150000\t170000\tQuercus robur\n"
        << 2 << "P01";
    QTest::addRow("%s, species between X and Y", code)
        << l << "X;Espèce;Y\n150000;Quercus robur;170000\n"
        << 2 << "Quercus robur";
    QTest::addRow("%s, identifier before blanks", code) << l << "P07 150000 170000\n" << 1 << "P07";
  }
}

// Under the pointer, the map names a point by the first field of its line
// that is not one of the coordinates found.
void TestReading::mapNamesPointsByAnotherField() {
  NewWindow(FetchLanguage());
  QFETCH(QString, input);
  QFETCH(int, line);
  QFETCH(QString, label);
  Paste(input);
  QTest::keyClick(Input(), Qt::Key_M, Qt::ControlModifier);
  koord::ui::frmMap* map = window_->LoadedMap();
  QVERIFY(map && QTest::qWaitForWindowExposed(map));
  koord::ui::MapView* view = map->Picture();
  const QPoint dot =
      (view->Viewport().ToPixel(150000, 170000) + QPointF(view->DrawingArea().topLeft())).toPoint();
  // From elsewhere, as the pointer may stand there since the last case.
  QTest::mouseMove(view, QPoint(1, 1));
  QTest::mouseMove(view, dot + QPoint(1, 1));
  const QString readOut = map->findChild<QLabel*>(QStringLiteral("lblReadOut"))->text();
  QCOMPARE(
      readOut.section(u'\n', -1),
      In(language_, "Ligne %1\u00A0: %2", "Regel %1: %2", "Line %1: %2", "").arg(line).arg(label));
}

void TestReading::helpNamesTheControls_data() {
  QTest::addColumn<int>("language");
  AddLanguages({Language::French, Language::Dutch, Language::English, Language::German});
}

// The help describes the reading found, the far points, the kinds found,
// several outputs, zone-less squares and the metre decimals by the names
// the window shows them under.
void TestReading::helpNamesTheControls() {
  NewWindow(FetchLanguage());
  QTest::mouseClick(Button("cmdHelp"), Qt::LeftButton);
  auto* help = window_->findChild<koord::ui::HelpWindow*>();
  QVERIFY(help);
  const QString page = help->Browser()->toPlainText().replace(QChar(QChar::Nbsp), u' ');
  // A control's words, without their access key, example or ellipsis.
  const auto words = [](QString text) {
    text.remove(u'&').remove(u'…');
    return text.section(QStringLiteral(" ("), 0, 0).replace(QChar(QChar::Nbsp), u' ');
  };
  QStringList names{
      words(Find<QMenu>("mnuSeparator")->actions().front()->text()),
      words(Find<QAction>("actNearBelgium")->text()),
      words(Find<QAction>("actShowKind")->text()),
      words(Find<QAction>("actMgrsShort")->text()),
      words(Find<QMenu>("mnuMetreDecimals")->title()),
      words(Button("cmdFirstFar")->text()),
      words(List("cmbCoorFrom")->itemText(kDetect)),
      words(List("cmbCoorDest")->itemText(kSeveral)),
  };
  for (const QString& name : names) QVERIFY2(page.contains(name), qPrintable(name));
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
  TestReading test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_reading.moc"
