#include "map/MapPng.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include "map/MapRenderer.h"

namespace koord::map {
namespace {

bool Fail(QString* error, const QString& message) {
  if (error) *error = message;
  return false;
}

}  // namespace

bool RenderMapPng(const std::vector<std::pair<double, double>>& points, const QString& path,
                  QSize size, bool ifblGrid, QString* error) {
  if (size.width() < 1 || size.height() < 1 || size.width() > kMaxPngSide ||
      size.height() > kMaxPngSide) {
    return Fail(error,
                QStringLiteral("Taille de carte invalide : %1 x %2 (de 1 à %3 pixels de côté)")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(kMaxPngSide));
  }
  std::vector<QPointF> dots;
  dots.reserve(points.size());
  for (const auto& [x, y] : points) dots.emplace_back(x, y);

  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return Fail(error, QStringLiteral("Mémoire insuffisante pour la carte"));
  {
    QPainter painter(&image);
    PaintMap(painter, MapViewport(size), dots, ifblGrid);
  }
  // Unbuffered, a short write (a full disk) fails the image's writer
  // instead of being lost in the flush and the truncated file committed.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !image.save(&file, "PNG") ||
      !file.commit()) {
    return Fail(
        error,
        QStringLiteral("Impossible d'écrire la carte %1 : %2").arg(path, file.errorString()));
  }
  return true;
}

}  // namespace koord::map
