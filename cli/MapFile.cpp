#include "cli/MapFile.h"

#include <string_view>

#include "cli/Fatal.h"
#include "cli/FullProgram.h"
#include "cli/Say.h"

#ifdef KOORD_HAVE_MAP
#include <QGuiApplication>
#include <QString>

#include "cli/OutputFile.h"
#include "map/MapPng.h"
#include "support/Ascii.h"
#endif

namespace koord::cli {

#ifdef KOORD_HAVE_MAP

namespace {

// Silences Qt while it lives: the notes of its start-up without a display
// (a missing runtime folder and the like) are no concern of a command-line
// user.
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

void BecomeMapProgram(char** /*argv*/) {}

void WriteMap(const std::vector<MapPoint>& points, const std::string& path, int width, int height,
              bool ifblGrid) {
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
  const bool svg = ascii::ToLower(path).ends_with(".svg");
  const QByteArray bytes =
      map::MapPicture(dots, QSize(width, height), ifblGrid,
                      svg ? map::PictureFormat::Svg : map::PictureFormat::Png, Spoken());
  if (bytes.isEmpty()) {
    static constexpr Translated kNoMemory{"mémoire insuffisante pour la carte « %1 »",
                                          "onvoldoende geheugen voor de kaart “%1”",
                                          "not enough memory for the map “%1”"};
    throw Fatal(Say(kNoMemory, {path}));
  }
  // Written as every output of koord-cli: whole or not at all.
  OutputFile file(path);
  file.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  file.Commit();
}

#else

void BecomeMapProgram(char** argv) {
  static constexpr Translated kNoMap{
      "la carte demande koord-cli-full, absent de cette installation",
      "de kaart vraagt koord-cli-full, dat in deze installatie ontbreekt",
      "the map needs koord-cli-full, which this installation lacks"};
  BecomeFullProgram(argv, kNoMap);
}

void WriteMap(const std::vector<MapPoint>& /*points*/, const std::string& /*path*/, int /*width*/,
              int /*height*/, bool /*ifblGrid*/) {}

#endif

}  // namespace koord::cli
