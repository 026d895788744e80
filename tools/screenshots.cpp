// Writes PNG pictures of koord's windows into a folder, for the help and the
// project page: the main window at start, after a conversion and after a
// run with refused lines, the map with dots, enlarged, and zoomed in on
// Bruxelles with the IFBL grid, the about window and the help window; then
// the main window, the map, the about and the help windows in Dutch and in
// English (names ending in _nl and _en). Run it with
// QT_QPA_PLATFORM=offscreen (make screenshots).
//
// Usage: koord-screenshots FOLDER

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cstdio>

#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/MapView.h"
#include "ui/QtLanguage.h"
#include "ui/Settings.h"
#include "ui/frmAbout.h"
#include "ui/frmMap.h"

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

// Records pasted from a spreadsheet, with a header and three faulty lines.
const char* const kRecords =
    "X\tY\n"
    "150000\t170000\n"
    "152500\n"
    "105000\t194000\n"
    "70 000\t211 000\n"
    "2350OO\t148000\n"
    "185000\t128000\n"
    "400000\t170000\n"
    "120000\t127000\n";

// Relevés around Bruxelles, a few hundred metres apart.
const char* const kSightings =
    "149200\t171300\n"
    "151800\t169400\n"
    "147600\t166900\n"
    "153900\t173800\n"
    "156400\t167200\n"
    "144800\t172600\n"
    "150700\t175900\n";

// Wheel notches that bring the map close enough for the 4 x 4 km codes.
constexpr int kZoomNotches = 11;
// The map window's drawing area when enlarged for the zoomed picture.
constexpr QSize kLargeMap(560, 462);

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  const bool saved = widget->grab().save(path);
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "écrit" : "échec :", qPrintable(path));
  return saved;
}

template <typename T>
T* Find(QWidget* parent, const char* name) {
  return parent->findChild<T*>(QString::fromLatin1(name));
}

void Wheel(QWidget* widget, QPointF at, int notches) {
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

void PointAt(QWidget* widget, QPointF at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// The map, enlarged and zoomed in on Bruxelles with the IFBL grid, the
// pointer on a relevé.
bool SaveGridPicture(koord::ui::frmMap* map, const QDir& folder) {
  koord::ui::MapView* view = map->Picture();
  map->resize(map->size() + kLargeMap - view->DrawingArea().size());
  QApplication::processEvents();
  Find<QToolButton>(map, "chkIfblGrid")->click();
  const QPointF bruxelles =
      view->Viewport().ToPixel(150000, 170000) + QPointF(view->DrawingArea().topLeft());
  Wheel(view, bruxelles, kZoomNotches);
  const QPointF sighting =
      view->Viewport().ToPixel(151800, 169400) + QPointF(view->DrawingArea().topLeft());
  PointAt(view, sighting);
  QApplication::processEvents();
  return Save(map, folder, QStringLiteral("koord-map-grid.png"));
}

// The main window at start, after a conversion, with its map, and after a
// run with refused lines, the about and the help windows, in `language`.
bool SaveLanguagePictures(koord::Language language, const QDir& folder) {
  koord::ui::SaveLanguage(language);
  const QString suffix =
      QStringLiteral("_%1.png").arg(QString::fromLatin1(koord::ui::LanguageCode(language)));
  bool ok = true;
  koord::ui::Form1 window;
  window.show();
  ok &= Save(&window, folder, QStringLiteral("koord-start") + suffix);
  auto* input = Find<QPlainTextEdit>(&window, "txtFrom");
  input->setPlainText(QString::fromUtf8(kTowns) + QString::fromUtf8(kSightings));
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(2);
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-main") + suffix);

  QTimer::singleShot(0, &window, [&] {
    auto* map = qobject_cast<koord::ui::frmMap*>(QApplication::activeModalWidget());
    if (!map) {
      ok = false;
      return;
    }
    koord::ui::MapView* view = map->Picture();
    const QPointF bruxelles =
        view->Viewport().ToPixel(150000, 170000) + QPointF(view->DrawingArea().topLeft());
    PointAt(view, bruxelles);
    QApplication::processEvents();
    ok &= Save(map, folder, QStringLiteral("koord-map") + suffix);
    map->close();
  });
  Find<QAbstractButton>(&window, "Command3")->click();

  Find<QAbstractButton>(&window, "cmdErase")->click();
  Find<QAction>(&window, "actReplaceResult")->setChecked(true);
  input->setPlainText(QString::fromUtf8(kRecords));
  Find<QAbstractButton>(&window, "Command1")->click();
  Find<QAbstractButton>(&window, "cmdFirstRefused")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-refusals") + suffix);

  koord::ui::frmAbout about(&window);
  about.show();
  ok &= Save(&about, folder, QStringLiteral("koord-about") + suffix);

  koord::ui::HelpWindow help;
  help.ShowContents();
  ok &= Save(&help, folder, QStringLiteral("koord-help") + suffix);
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The pictures show the program as it first opens, whatever the user's
  // own settings.
  QStandardPaths::setTestModeEnabled(true);
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
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
  ok &= Save(&window, folder, QStringLiteral("koord-start.png"));
  auto* input = Find<QPlainTextEdit>(&window, "txtFrom");
  input->setPlainText(QString::fromUtf8(kTowns));
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(2);
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-main.png"));

  // The map shows modally: picture it from inside its own event loop.
  QTimer::singleShot(0, &app, [&] {
    auto* map = qobject_cast<koord::ui::frmMap*>(QApplication::activeModalWidget());
    if (!map) {
      ok = false;
      return;
    }
    ok &= Save(map, folder, QStringLiteral("koord-map.png"));
    map->resize(map->size() * 2);
    ok &= Save(map, folder, QStringLiteral("koord-map-large.png"));
    map->close();
  });
  Find<QAbstractButton>(&window, "Command3")->click();

  input->setPlainText(QString::fromUtf8(kTowns) + QString::fromUtf8(kSightings));
  QTimer::singleShot(0, &app, [&] {
    auto* map = qobject_cast<koord::ui::frmMap*>(QApplication::activeModalWidget());
    if (!map) {
      ok = false;
      return;
    }
    ok &= SaveGridPicture(map, folder);
    map->close();
  });
  Find<QAbstractButton>(&window, "Command3")->click();

  // A run with refused lines, the first one selected in both boxes.
  Find<QAbstractButton>(&window, "cmdErase")->click();
  Find<QAction>(&window, "actReplaceResult")->setChecked(true);
  input->setPlainText(QString::fromUtf8(kRecords));
  Find<QAbstractButton>(&window, "Command1")->click();
  Find<QAbstractButton>(&window, "cmdFirstRefused")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-refusals.png"));

  koord::ui::frmAbout about(&window);
  about.show();
  ok &= Save(&about, folder, QStringLiteral("koord-about.png"));

  koord::ui::HelpWindow help;
  help.ShowContents();
  ok &= Save(&help, folder, QStringLiteral("koord-help.png"));
  help.Browser()->scrollToAnchor(QStringLiteral("ifbl"));
  ok &= Save(&help, folder, QStringLiteral("koord-help-ifbl.png"));

  for (const koord::Language language : {koord::Language::Dutch, koord::Language::English}) {
    ok &= SaveLanguagePictures(language, folder);
  }
  return ok ? 0 : 1;
}
