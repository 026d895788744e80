// The about window and the help window.

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "support/Version.h"
#include "ui/HelpWindow.h"
#include "ui/frmAbout.h"

class TestAboutHelp : public QObject {
  Q_OBJECT

 private slots:
  void aboutLabels_data();
  void aboutLabels();
  void aboutWindow();
  void helpOpensAtItsContents();
};

void TestAboutHelp::aboutLabels_data() {
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("expected");
  QTest::newRow("program and version")
      << QStringLiteral("Label1") << QStringLiteral("Koord " KOORD_VERSION);
  QTest::newRow("credit") << QStringLiteral("Label2") << QStringLiteral("L'équipe Koord");
  QTest::newRow("tool") << QStringLiteral("Label2") << QStringLiteral("C++ et Qt 6");
  QTest::newRow("map data") << QStringLiteral("Label2") << QStringLiteral("Natural Earth");
}

void TestAboutHelp::aboutLabels() {
  QFETCH(QString, label);
  QFETCH(QString, expected);
  koord::ui::frmAbout about;
  const auto* shown = about.findChild<QLabel*>(label);
  QVERIFY(shown);
  QVERIFY2(shown->text().contains(expected), qPrintable(shown->text()));
  QCOMPARE(shown->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  QCOMPARE(shown->palette().color(QPalette::Window), QColor(Qt::black));
}

void TestAboutHelp::aboutWindow() {
  koord::ui::frmAbout about;
  QCOMPARE(about.windowTitle(), QStringLiteral("À propos de Koord"));
  QVERIFY(about.isModal());
  // Closed by its own button, not only by the window's frame.
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  auto* close = about.findChild<QPushButton*>(QStringLiteral("cmdClose"));
  QVERIFY(close);
  QCOMPARE(close->text(), QStringLiteral("&Fermer"));
  QTest::mouseClick(close, Qt::LeftButton);
  QVERIFY(!about.isVisible());
  const auto* title = about.findChild<QLabel*>(QStringLiteral("Label1"));
  QCOMPARE(title->text(), QStringLiteral("Koord " KOORD_VERSION));
  QVERIFY(title->font().bold());
  QCOMPARE(title->font().pointSize(), 12);
  const auto* picture = about.findChild<QLabel*>(QStringLiteral("Picture1"));
  QVERIFY(!picture->pixmap().isNull());
}

void TestAboutHelp::helpOpensAtItsContents() {
  koord::ui::HelpWindow help;
  help.ShowContents();
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  QCOMPARE(help.Browser()->source().fragment(), QStringLiteral("sommaire"));
  const QString text = help.Browser()->toPlainText();
  for (const char* topic : {"Lambert belge 1972", "MGRS", "IFBL", "Degrés décimaux", "WGS84",
                            "koord-cli", "Natural Earth"}) {
    QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
  }
  // The IFBL figure is embedded and readable.
  QVERIFY(
      !help.Browser()
           ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("qrc:/help/ifbl.svg")))
           .isNull());
}

QTEST_MAIN(TestAboutHelp)
#include "tst_about_help.moc"
