// The main window in each language: the « Langue » list retranslates the
// open windows at once, keeps the lists' selections, is remembered, and
// takes Qt's own buttons and the help along.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/QtLanguage.h"
#include "ui/ResultView.h"

using koord::ui::Form1;

class TestLanguage : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void frenchByDefault();
  void switching_data();
  void switching();
  void listsKeepTheirSelection();
  void rememberedAfterRestart();
  void helpInTheLanguage_data();
  void helpInTheLanguage();
  // Needs the engine that writes its reasons in the chosen language.
  void refusalReasonsInTheLanguage_data();
  void refusalReasonsInTheLanguage();

 private:
  template <typename T>
  T* Find(const char* name) const {
    auto* found = window_->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
  }
  QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
  void NewWindow();
  void ChooseLanguage(int position);
  QString ConvertRefused();

  QTemporaryDir settingsDir_;
  std::unique_ptr<Form1> window_;
};

namespace {

constexpr int kFrench = 0;
constexpr int kDutch = 1;
constexpr int kEnglish = 2;
constexpr int kIfbl = 2;

}  // namespace

void TestLanguage::initTestCase() {
  // Settings go to a scratch store of this process, neither the user's nor
  // that of a window test running beside it.
  QVERIFY(settingsDir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

void TestLanguage::init() {
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  NewWindow();
}

void TestLanguage::cleanup() {
  window_.reset();
}

void TestLanguage::NewWindow() {
  window_ = std::make_unique<Form1>();
  Form1::Dialogs dialogs;
  dialogs.askContinue = [](const QString&) { return true; };
  dialogs.warn = [](const QString&) {};
  dialogs.openPath = [] { return QString(); };
  dialogs.savePath = [] { return QString(); };
  window_->SetDialogs(dialogs);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestLanguage::ChooseLanguage(int position) {
  Find<QComboBox>("cmbLanguage")->setCurrentIndex(position);
}

// The output of "abc<TAB>1" read as Lambert 1972.
QString TestLanguage::ConvertRefused() {
  Find<QComboBox>("cmbCoorFrom")->setCurrentIndex(0);
  Find<QPlainTextEdit>("txtFrom")->setPlainText(QStringLiteral("abc\t1"));
  Find<QAbstractButton>("Command1")->click();
  return Find<koord::ui::ResultView>("txtDest")->Text().trimmed();
}

void TestLanguage::frenchByDefault() {
  QCOMPARE(koord::ui::InstalledLanguage(), koord::Language::French);
  QCOMPARE(Find<QComboBox>("cmbLanguage")->currentText(), QStringLiteral("Français"));
  QCOMPARE(Text("lblLanguage"), QStringLiteral("Langue\u00A0:"));
  QCOMPARE(Text("lblDepart"), QStringLiteral("Les coordonnées de &départ sont en\u00A0:"));
}

void TestLanguage::switching_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QStringList>("texts");
  // « Langue », the input kind's label, Effacer, the reading options, the
  // first kind, the status after one refused line, Oui and Non.
  QTest::newRow("nl") << kDutch
                      << QStringList{"Taal:",
                                     "&Broncoördinaten zijn in:",
                                     "&Wissen",
                                     "&Leesopties",
                                     "Belgische Lambert 72",
                                     "0 regels omgezet, 1 geweigerd",
                                     "Ja",
                                     "Nee"};
  QTest::newRow("en") << kEnglish
                      << QStringList{"Language:",
                                     "&Source coordinates are in:",
                                     "C&lear",
                                     "&Reading options",
                                     "Belgian Lambert 1972",
                                     "0 lines converted, 1 refused",
                                     "Yes",
                                     "No"};
  QTest::newRow("back to fr") << kFrench
                              << QStringList{"Langue\u00A0:",
                                             "Les coordonnées de &départ sont en\u00A0:",
                                             "&Effacer",
                                             "Options de &lecture",
                                             "Lambert belge 1972",
                                             "0 ligne convertie, 1 refusée",
                                             "Oui",
                                             "Non"};
}

void TestLanguage::switching() {
  QFETCH(int, language);
  QFETCH(QStringList, texts);
  if (language == kFrench) ChooseLanguage(kDutch);
  ConvertRefused();
  // The status line of the run already shown follows too.
  ChooseLanguage(language);
  QCOMPARE(Text("lblLanguage"), texts[0]);
  QCOMPARE(Text("lblDepart"), texts[1]);
  QCOMPARE(Find<QAbstractButton>("cmdErase")->text(), texts[2]);
  QCOMPARE(Find<QAbstractButton>("cmdOptions")->text(), texts[3]);
  QCOMPARE(Find<QComboBox>("cmbCoorFrom")->itemText(0), texts[4]);
  QCOMPARE(Text("lblStatus"), texts[5]);
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Koord"), QString(),
                  QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), texts[6]);
  QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), texts[7]);
}

void TestLanguage::listsKeepTheirSelection() {
  auto* dest = Find<QComboBox>("cmbCoorDest");
  dest->setCurrentIndex(kIfbl);
  Find<QComboBox>("cmbPrecision")->setCurrentIndex(1);
  ChooseLanguage(kDutch);
  QCOMPARE(dest->currentIndex(), kIfbl);
  QCOMPARE(dest->currentText(), QStringLiteral("IFBL-hokken"));
  QCOMPARE(Find<QComboBox>("cmbPrecision")->currentText(), QStringLiteral("4 x 4 km"));
  QCOMPARE(Text("lblPrecision"), QStringLiteral("Gewe&nste precisie:"));
  QCOMPARE(Find<QPlainTextEdit>("txtFrom")->placeholderText().section(u':', 0, 0),
           QStringLiteral("Eén punt per regel"));
}

void TestLanguage::rememberedAfterRestart() {
  ChooseLanguage(kEnglish);
  window_.reset();
  // Another language in place before the restart: the window takes its own.
  koord::ui::InstallLanguage(koord::Language::Dutch);
  NewWindow();
  QCOMPARE(Find<QComboBox>("cmbLanguage")->currentText(), QStringLiteral("English"));
  QCOMPARE(Text("lblLanguage"), QStringLiteral("Language:"));
  QCOMPARE(koord::ui::InstalledLanguage(), koord::Language::English);
}

void TestLanguage::helpInTheLanguage_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("page");
  QTest::newRow("fr") << kFrench << "koord.html";
  QTest::newRow("nl") << kDutch << "koord_nl.html";
  QTest::newRow("en") << kEnglish << "koord_en.html";
}

void TestLanguage::helpInTheLanguage() {
  QFETCH(int, language);
  QFETCH(QString, page);
  if (language == kFrench) ChooseLanguage(kEnglish);
  Find<QAbstractButton>("cmdHelp")->click();
  auto* help = window_->findChild<koord::ui::HelpWindow*>();
  QVERIFY(help);
  // An open help window turns to the page of the language chosen.
  ChooseLanguage(language);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QCOMPARE(help->Browser()->source().fileName(), page);
  QVERIFY(!help->Browser()->toPlainText().isEmpty());
}

void TestLanguage::refusalReasonsInTheLanguage_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("reason");
  QTest::newRow("fr") << kFrench << "Nombre illisible : « abc »";
  QTest::newRow("nl") << kDutch << "Onleesbaar getal: “abc”";
  QTest::newRow("en") << kEnglish << "Unreadable number: “abc”";
}

void TestLanguage::refusalReasonsInTheLanguage() {
  QFETCH(int, language);
  QFETCH(QString, reason);
  ChooseLanguage(language);
  QCOMPARE(ConvertRefused(), reason);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
