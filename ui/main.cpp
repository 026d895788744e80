// koord: the desktop converter of Belgian coordinates.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include "ui/Form1.h"
#include "ui/QtLanguage.h"
#include "ui/Settings.h"
#include "ui/frmAbout.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("koord"));
  QApplication::setApplicationVersion(koord::ui::ProgramVersion());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/koord.svg")));
  koord::ui::InstallLanguage(koord::ui::LoadLanguage());

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Conversion de coordonnées belges"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);

  koord::ui::Form1 window;
  window.show();
  return QApplication::exec();
}
