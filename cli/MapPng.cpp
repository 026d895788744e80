#include "cli/MapPng.h"

#include "cli/Fatal.h"
#include "cli/Say.h"

#ifdef KOORD_HAVE_MAP
#include <QGuiApplication>
#include <QString>

#include "map/MapPng.h"
#endif

namespace koord::cli {

#ifdef KOORD_HAVE_MAP

namespace {

// Silences Qt while it lives: the notes of its start-up without a display
// (a missing runtime folder and the like) are no concern of a command-line
// user, and a failure to draw or write comes back through RenderMapPng.
class QuietQt {
 public:
  QuietQt()
      : previous_(
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {}
  ~QuietQt() { qInstallMessageHandler(previous_); }
  QuietQt(const QuietQt&) = delete;
  QuietQt& operator=(const QuietQt&) = delete;

 private:
  QtMessageHandler previous_;
};

}  // namespace

void WriteMapPng(const std::vector<MapPoint>& points, const std::string& path, int width,
                 int height, bool ifblGrid) {
  std::vector<std::pair<double, double>> dots;
  dots.reserve(points.size());
  for (const MapPoint& p : points) dots.emplace_back(p.x, p.y);
  // The map's text (the grid's codes) needs fonts, and they an application
  // object; the offscreen platform needs no display.
  static int argc = 3;
  static char name[] = "koord-cli";
  static char platform[] = "-platform";
  static char offscreen[] = "offscreen";
  static char* argv[] = {name, platform, offscreen, nullptr};
  const QuietQt quiet;
  const QGuiApplication application(argc, argv);
  QString error;
  if (!map::RenderMapPng(dots, QString::fromStdString(path), QSize(width, height), ifblGrid, &error,
                         Spoken())) {
    throw Fatal(error.toStdString());
  }
}

#else

void WriteMapPng(const std::vector<MapPoint>& /*points*/, const std::string& path, int /*width*/,
                 int /*height*/, bool /*ifblGrid*/) {
  static constexpr Translated kNoMap{
      "la carte (« %1 ») demande le programme de bureau, absent de cette compilation",
      "de kaart (“%1”) vraagt het bureaubladprogramma, dat in deze build ontbreekt",
      "the map (“%1”) needs the desktop program, which this build lacks"};
  throw Fatal(Say(kNoMap, {path}));
}

#endif

}  // namespace koord::cli
