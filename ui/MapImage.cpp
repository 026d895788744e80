#include "ui/MapImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "map/MapRenderer.h"

namespace koord::ui {

// The context of the picture's texts in the translations.
class ImageTexts {
  Q_DECLARE_TR_FUNCTIONS(ImageTexts)
};

namespace {

QByteArray PngBytes(const map::MapViewport& view, const std::vector<QPointF>& dots, bool ifblGrid) {
  const double factor = std::max(1.0, kLeastImageWidth / view.Area().width());
  const map::MapViewport large = view.Scaled(factor);
  QImage image(large.Area().toSize(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  {
    QPainter painter(&image);
    map::PaintMap(painter, large, dots, ifblGrid);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray SvgBytes(const map::MapViewport& view, const std::vector<QPointF>& dots, bool ifblGrid) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(view.Area().toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), view.Area()));
  svg.setTitle(ImageTexts::tr("Carte de distribution"));
  svg.setDescription(ImageTexts::tr("Dessinée par Koord"));
  {
    QPainter painter(&svg);
    map::PaintMap(painter, view, dots, ifblGrid);
  }
  return bytes;
}

}  // namespace

QString SaveMapImage(const QString& path, const map::MapViewport& view,
                     const std::vector<QPointF>& dots, bool ifblGrid) {
  const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
  const QByteArray bytes = svg ? SvgBytes(view, dots, ifblGrid) : PngBytes(view, dots, ifblGrid);
  const QString name = QFileInfo(path).fileName();
  if (bytes.isEmpty()) {
    return ImageTexts::tr(
               "L'image «\u00A0%1\u00A0» n'a pas pu être dessinée (mémoire insuffisante).")
        .arg(name);
  }
  // Unbuffered, a short write (a full disk) shows in the count written.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      file.write(bytes) != bytes.size() || !file.commit()) {
    return ImageTexts::tr(
               "L'image n'a pas pu être enregistrée dans «\u00A0%1\u00A0»\u00A0: %2. "
               "Le fichier qui s'y trouvait n'a pas été modifié.")
        .arg(name, file.errorString());
  }
  return {};
}

}  // namespace koord::ui
