// Writes PNG pictures of koord's windows into a folder, for the help and the
// project page: the main window at start and after a conversion, the map with dots, the
// about window and the help window. Run it with QT_QPA_PLATFORM=offscreen
// (make screenshots).
//
// Usage: koord-screenshots FOLDER

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>

#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/QtFrench.h"
#include "ui/frmAbout.h"

namespace {

// Lambert 1972 points (m) of a few Belgian towns.
const char* const kTowns =
    "150000\t170000\n"   // Bruxelles
    "152500\t212000\n"   // Antwerpen
    "105000\t194000\n"   // Gent
    "70000\t211000\n"    // Brugge
    "235000\t148000\n"   // Liège
    "185000\t128000\n"   // Namur
    "120000\t127000\n"   // Mons
    "255000\t42000\n"    // Arlon
    "219000\t181000\n"   // Hasselt
    "173000\t174000\n"   // Leuven
    "155000\t122000\n"   // Charleroi
    "207000\t82000\n"    // Marche-en-Famenne
    "39000\t200000\n"    // Ieper
    "268000\t142000\n";  // Eupen

bool Save(QWidget* widget, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  const bool saved = widget->grab().save(path);
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "écrit" : "échec :", qPrintable(path));
  return saved;
}

template <typename T>
T* Find(QWidget* parent, const char* name) {
  return parent->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  koord::ui::InstallQtFrench();
  if (argc != 2) {
    std::fprintf(stderr, "usage : koord-screenshots DOSSIER\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "koord-screenshots : dossier %s impossible à créer\n", argv[1]);
    return 2;
  }
  bool ok = true;

  koord::ui::Form1 window;
  window.show();
  ok &= Save(&window, folder, "koord-start.png");
  Find<QPlainTextEdit>(&window, "txtFrom")->setPlainText(QString::fromUtf8(kTowns));
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(2);
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, "koord-main.png");

  // The map shows modally: picture it from inside its own event loop.
  QTimer::singleShot(0, &app, [&] {
    QWidget* map = QApplication::activeModalWidget();
    if (!map) {
      ok = false;
      return;
    }
    ok &= Save(map, folder, "koord-map.png");
    map->resize(map->size() * 2);
    ok &= Save(map, folder, "koord-map-large.png");
    map->close();
  });
  Find<QAbstractButton>(&window, "Command3")->click();

  koord::ui::frmAbout about(&window);
  about.show();
  ok &= Save(&about, folder, "koord-about.png");

  koord::ui::HelpWindow help;
  help.ShowContents();
  ok &= Save(&help, folder, "koord-help.png");
  help.Browser()->scrollToAnchor(QStringLiteral("ifbl"));
  ok &= Save(&help, folder, "koord-help-ifbl.png");
  return ok ? 0 : 1;
}
