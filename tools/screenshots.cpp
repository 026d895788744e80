// Writes PNG pictures of koord's windows into a folder, for the help and the
// project page: the main window at start, after a conversion, with a result
// out of date, after a run with refused lines and after a stopped run, with
// the reading options open, after a run with points far from Belgium, after
// a run that found each line's kind, and with several outputs and their
// dialog; the map as it opens, beside the main window, and zoomed in on
// Bruxelles with the IFBL grid; a GPS file opened and converted; the about
// window and the help window. The same pictures in Dutch, English and
// German have names ending in _nl, _en and _de. Run it with
// QT_QPA_PLATFORM=offscreen (make screenshots): the pictures are then drawn
// on a screen of 1600 x 900 pixels.
//
// Usage: koord-screenshots FOLDER

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QWheelEvent>
#include <cstdio>
#include <exception>
#include <vector>

#include "files/FileWriter.h"
#include "ui/Form1.h"
#include "ui/HelpWindow.h"
#include "ui/MapView.h"
#include "ui/OutputKindsDialog.h"
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

// Relevés around Bruxelles, a few hundred metres apart, with their names.
const char* const kSightings =
    "149200\t171300\tR01\n"
    "151800\t169400\tR02\n"
    "147600\t166900\tR03\n"
    "153900\t173800\tR04\n"
    "156400\t167200\tR05\n"
    "144800\t172600\tR06\n"
    "150700\t175900\tR07\n";

// GPS points in degrees, of which the fifth stops the run: a point at the
// pole, which the IFBL grid cannot hold, and the question after it
// answered No.
const char* const kStoppedRun =
    "50.85\t4.35\n"
    "51.22\t4.40\n"
    "51.05\t3.72\n"
    "50.63\t5.57\n"
    "90\t180\n"
    "50.47\t4.87\n";

// GPS sightings copied from a spreadsheet: an identifier, a species, the
// degrees named by their header, one point with latitude and longitude
// swapped and one with a wrong degree, both far from Belgium.
const char* const kFarRecords =
    "Id\tEspèce\tLat (WGS84)\tLon (WGS84)\n"
    "R01\tQuercus robur\t50,8467\t4,3525\n"
    "R02\tIlex aquifolium\t51,2194\t4,4025\n"
    "R03\tFagus sylvatica\t4,8718\t50,4674\n"
    "R04\tAcer campestre\t51,0543\t3,7174\n"
    "R05\tCarpinus betulus\t47,6326\t5,5797\n"
    "R06\tTaxus baccata\t50,4674\t4,8718\n";

// Lines of every kind, as an e-mail of records mixes them.
const char* const kMixedKinds =
    "150000\t170000\n"
    "50.840956\t4.367486\n"
    "31UES963329\n"
    "E4.35.22\n"
    "ES 95 34\n"
    "649999\t670000\n"
    "31N\t596372\t5632971\n"
    "N50 51.100 E004 21.167\n"
    "152,5\t212\n"
    "50°38'N 5°34'E\n";

// Wheel notches that bring the map close enough for the 1 x 1 km lines.
constexpr int kZoomNotches = 13;
// The screen the pictures are drawn on (pixels), when offscreen.
constexpr char kScreen[] = R"({"screens":[{"name":"screen","x":0,"y":0,"width":1600,"height":900,)"
                           R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
// Kind list positions.
constexpr int kIfblKind = 2;
constexpr int kDegreeKind = 3;
constexpr int kMgrsKind = 1;
constexpr int kLambertKind = 0;
constexpr int kDetectKind = 6;
constexpr int kSeveralKinds = 7;

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

// The pixel of the map window's picture where a Lambert point is drawn.
QPointF PixelOf(koord::ui::MapView* view, double x, double y) {
  return view->Viewport().ToPixel(x, y) + QPointF(view->DrawingArea().topLeft());
}

// The main window and the map side by side, where they stand on the
// screen.
bool SaveBeside(QWidget* window, QWidget* map, const QDir& folder, const QString& name) {
  const QRect both = window->geometry().united(map->geometry());
  QImage picture(both.size(), QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.drawPixmap(window->geometry().topLeft() - both.topLeft(), window->grab());
  painter.drawPixmap(map->geometry().topLeft() - both.topLeft(), map->grab());
  painter.end();
  const QString path = folder.filePath(name);
  const bool saved = picture.save(path);
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "écrit" : "échec :", qPrintable(path));
  return saved;
}

// The main window with the reading options open at the separators, drawn
// over it where they open.
bool SaveReadingMenu(QWidget* window, const QDir& folder, const QString& name) {
  auto* button = Find<QPushButton>(window, "cmdOptions");
  QMenu* menu = button->menu();
  auto* separators = Find<QMenu>(menu, "mnuSeparator");
  menu->popup(button->mapToGlobal(QPoint(0, button->height())));
  QApplication::processEvents();
  const QRect item = menu->actionGeometry(separators->menuAction());
  separators->popup(menu->mapToGlobal(QPoint(item.right(), item.top())));
  QApplication::processEvents();
  const QRect whole = window->geometry().united(menu->geometry()).united(separators->geometry());
  QImage picture(whole.size(), QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.drawPixmap(window->geometry().topLeft() - whole.topLeft(), window->grab());
  painter.drawPixmap(menu->geometry().topLeft() - whole.topLeft(), menu->grab());
  painter.drawPixmap(separators->geometry().topLeft() - whole.topLeft(), separators->grab());
  painter.end();
  separators->hide();
  menu->hide();
  const QString path = folder.filePath(name);
  const bool saved = picture.save(path);
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "écrit" : "échec :", qPrintable(path));
  return saved;
}

// The map, zoomed in on Bruxelles with the IFBL grid down to its 1 x 1 km
// lines, the pointer on a relevé, whose line and name it reads out.
bool SaveGridPicture(koord::ui::frmMap* map, const QDir& folder, const QString& name) {
  koord::ui::MapView* view = map->Picture();
  auto* grid = Find<QToolButton>(map, "chkIfblGrid");
  if (!grid->isChecked()) grid->click();
  Wheel(view, PixelOf(view, 150000, 170000), kZoomNotches);
  PointAt(view, PixelOf(view, 151800, 169400));
  QApplication::processEvents();
  const bool saved = Save(map, folder, name);
  grid->click();
  view->ResetView();
  return saved;
}

// Every picture of the main window and of the map in the language of the
// settings, with `suffix` before ".png".
// A walk in the Forêt de Soignes as a GPS keeps it: four named waypoints
// with their times and heights.
bool WriteWalk(const QString& path) {
  koord::files::WriteLayout layout;
  layout.columns = {{"name"}, {"time"}, {"ele"}};
  layout.epsg = 4326;
  try {
    koord::files::FileWriter writer(QFile::encodeName(path).toStdString(),
                                    koord::files::FileFormat::Gpx, layout);
    const struct {
      const char* name;
      const char* time;
      const char* ele;
      koord::files::Point point;
    } walk[] = {{"Rouge-Cloître", "2024-04-21T09:12:00Z", "78", {4.4078, 50.8139}},
                {"Groenendael", "2024-04-21T10:05:00Z", "96", {4.4521, 50.7667}},
                {"Drève de Lorraine", "2024-04-21T11:20:00Z", "121", {4.3960, 50.7826}},
                {"Étangs de Boitsfort", "2024-04-21T12:02:00Z", "84", {4.4046, 50.7995}}};
    for (const auto& point : walk) {
      const std::vector<koord::files::Point> shape{point.point};
      writer.Write({point.name, point.time, point.ele}, shape);
    }
    writer.Commit();
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

bool SavePictures(const QDir& folder, const QString& suffix) {
  bool ok = true;
  koord::ui::Form1 window;
  koord::ui::Form1::Dialogs dialogs;
  dialogs.askContinue = [](const QString&) { return false; };
  dialogs.warn = [](const QString&) {};
  dialogs.openPath = [] { return QString(); };
  dialogs.savePath = [] { return QString(); };
  dialogs.ask = [](const QString&) { return true; };
  window.SetDialogs(dialogs);
  window.move(40, 60);
  window.show();
  ok &= Save(&window, folder, QStringLiteral("koord-start") + suffix);

  auto* input = Find<QPlainTextEdit>(&window, "txtFrom");
  input->setPlainText(QString::fromUtf8(kTowns) + QString::fromUtf8(kSightings));
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kIfblKind);
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-main") + suffix);

  // Another output kind: the result no longer matches the lists.
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kMgrsKind);
  ok &= Save(&window, folder, QStringLiteral("koord-outofdate") + suffix);

  Find<QAbstractButton>(&window, "Command3")->click();
  koord::ui::frmMap* map = window.LoadedMap();
  if (!map) return false;
  QApplication::processEvents();
  koord::ui::MapView* view = map->Picture();
  PointAt(view, PixelOf(view, 150000, 170000));
  QApplication::processEvents();
  ok &= Save(map, folder, QStringLiteral("koord-map") + suffix);
  ok &= SaveBeside(&window, map, folder, QStringLiteral("koord-beside") + suffix);
  ok &= SaveGridPicture(map, folder, QStringLiteral("koord-map-grid") + suffix);
  map->close();

  // A run with refused lines, the first one selected in both boxes.
  input->setPlainText(QString::fromUtf8(kRecords));
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kIfblKind);
  Find<QAbstractButton>(&window, "Command1")->click();
  Find<QAbstractButton>(&window, "cmdFirstRefused")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-refusals") + suffix);

  // A run stopped at the question after a fault.
  Find<QComboBox>(&window, "cmbCoorFrom")->setCurrentIndex(kDegreeKind);
  input->setPlainText(QString::fromUtf8(kStoppedRun));
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-stopped") + suffix);

  // The reading options, separator and column found by default.
  input->setPlainText(QString::fromUtf8(kFarRecords));
  ok &= SaveReadingMenu(&window, folder, QStringLiteral("koord-reading") + suffix);

  // Columns found by their header; two points far from Belgium, the first
  // of which the button selects.
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kMgrsKind);
  Find<QAbstractButton>(&window, "Command1")->click();
  Find<QAbstractButton>(&window, "cmdFirstFar")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-far") + suffix);

  // Each line's kind found, shown and counted.
  Find<QComboBox>(&window, "cmbCoorFrom")->setCurrentIndex(kDetectKind);
  Find<QAction>(&window, "actShowKind")->trigger();
  input->setPlainText(QString::fromUtf8(kMixedKinds));
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-detect") + suffix);
  Find<QAction>(&window, "actShowKind")->trigger();

  // Several outputs: their dialog, MGRS selected, then their result.
  Find<QComboBox>(&window, "cmbCoorFrom")->setCurrentIndex(kLambertKind);
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kSeveralKinds);
  auto* outputs = window.findChild<koord::ui::OutputKindsDialog*>();
  if (!outputs) return false;
  QApplication::processEvents();
  Find<QListWidget>(outputs, "lstOutputs")->setCurrentRow(2);
  QApplication::processEvents();
  ok &= Save(outputs, folder, QStringLiteral("koord-several-dialog") + suffix);
  outputs->accept();
  QApplication::processEvents();
  input->setPlainText(QStringLiteral("X\tY\n") + QString::fromUtf8(kTowns));
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-several") + suffix);

  // A GPS file of waypoints opened: its system made the input's, its
  // names and times beside the points, then converted to Lambert 1972.
  QTemporaryDir gpxFolder;
  const QString gpx = gpxFolder.filePath(QStringLiteral("balade.gpx"));
  if (!WriteWalk(gpx)) return false;
  Find<QComboBox>(&window, "cmbCoorDest")->setCurrentIndex(kLambertKind);
  if (!window.OpenFile(gpx)) return false;
  Find<QAbstractButton>(&window, "Command1")->click();
  ok &= Save(&window, folder, QStringLiteral("koord-gpx") + suffix);

  koord::ui::frmAbout about(&window);
  about.show();
  ok &= Save(&about, folder, QStringLiteral("koord-about") + suffix);

  koord::ui::HelpWindow help;
  help.ShowContents();
  ok &= Save(&help, folder, QStringLiteral("koord-help") + suffix);
  if (suffix == QStringLiteral(".png")) {
    help.Browser()->scrollToAnchor(QStringLiteral("ifbl"));
    ok &= Save(&help, folder, QStringLiteral("koord-help-ifbl.png"));
  }
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Offscreen, a screen as large as a desktop's, so that the map opens
  // beside the main window as it does there.
  QTemporaryDir screenDir;
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screenDir.isValid()) {
    QFile screen(screenDir.filePath(QStringLiteral("screen.json")));
    if (screen.open(QIODevice::WriteOnly) && screen.write(kScreen) > 0) {
      screen.close();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
  }
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
  bool ok = SavePictures(folder, QStringLiteral(".png"));
  for (const koord::Language language :
       {koord::Language::Dutch, koord::Language::English, koord::Language::German}) {
    QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
    koord::ui::SaveLanguage(language);
    ok &= SavePictures(folder, QStringLiteral("_%1.png").arg(
                                   QString::fromLatin1(koord::ui::LanguageCode(language))));
  }
  return ok ? 0 : 1;
}
