#include "cli/MapPng.h"

#include "cli/Fatal.h"

#ifdef KOORD_HAVE_MAP
#include <QString>

#include "map/MapPng.h"
#endif

namespace koord::cli {

#ifdef KOORD_HAVE_MAP

void WriteMapPng(const std::vector<MapPoint>& points, const std::string& path, int width,
                 int height) {
  std::vector<std::pair<double, double>> dots;
  dots.reserve(points.size());
  for (const MapPoint& p : points) dots.emplace_back(p.x, p.y);
  QString error;
  if (!map::RenderMapPng(dots, QString::fromStdString(path), QSize(width, height), &error)) {
    throw Fatal(error.toStdString());
  }
}

#else

void WriteMapPng(const std::vector<MapPoint>& /*points*/, const std::string& path, int /*width*/,
                 int /*height*/) {
  throw Fatal("la carte (« " + path +
              " ») demande le programme de bureau, absent de cette compilation");
}

#endif

}  // namespace koord::cli
