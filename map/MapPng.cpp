#include "map/MapPng.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "map/MapRenderer.h"

namespace koord::map {
namespace {

bool Fail(QString* error, const QString& message) {
  if (error) *error = message;
  return false;
}

constexpr Translated kBadSize{"Taille de carte invalide : %1 x %2 (de 1 à %3 pixels de côté)",
                              "Ongeldige kaartgrootte: %1 x %2 (van 1 tot %3 pixels per zijde)",
                              "Invalid map size: %1 x %2 (1 to %3 pixels a side)",
                              "Ungültige Kartengröße: %1 x %2 (1 bis %3 Pixel pro Seite)"};
constexpr Translated kNoMemory{
    "Mémoire insuffisante pour la carte", "Onvoldoende geheugen voor de kaart",
    "Not enough memory for the map", "Nicht genug Speicher für die Karte"};
// %2 is the system's own description, as Qt gives it.
constexpr Translated kCannotWrite{
    "Impossible d'écrire la carte %1 : %2", "Kan de kaart %1 niet schrijven: %2",
    "Cannot write the map %1: %2", "Die Karte %1 kann nicht geschrieben werden: %2"};

QString Text(const Translated& text, Language language) {
  const std::string_view chosen = text.In(language);
  return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

constexpr Translated kTitle{"Carte de distribution", "Verspreidingskaart", "Distribution map",
                            "Verbreitungskarte"};
constexpr Translated kDrawnBy{"Dessinée par Koord", "Getekend door Koord", "Drawn by Koord",
                              "Gezeichnet von Koord"};

std::vector<QPointF> Dots(const std::vector<std::pair<double, double>>& points) {
  std::vector<QPointF> dots;
  dots.reserve(points.size());
  for (const auto& [x, y] : points) dots.emplace_back(x, y);
  return dots;
}

}  // namespace

QByteArray MapPicture(const std::vector<std::pair<double, double>>& points, QSize size,
                      bool ifblGrid, PictureFormat format, Language language) {
  const std::vector<QPointF> dots = Dots(points);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (format == PictureFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(Text(kTitle, language));
    svg.setDescription(Text(kDrawnBy, language));
    QPainter painter(&svg);
    PaintMap(painter, MapViewport(size), dots, ifblGrid);
    painter.end();
    return bytes;
  }
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  {
    QPainter painter(&image);
    PaintMap(painter, MapViewport(size), dots, ifblGrid);
  }
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

bool RenderMapPng(const std::vector<std::pair<double, double>>& points, const QString& path,
                  QSize size, bool ifblGrid, QString* error, Language language) {
  if (size.width() < 1 || size.height() < 1 || size.width() > kMaxPngSide ||
      size.height() > kMaxPngSide) {
    return Fail(error,
                Text(kBadSize, language).arg(size.width()).arg(size.height()).arg(kMaxPngSide));
  }
  const std::vector<QPointF> dots = Dots(points);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return Fail(error, Text(kNoMemory, language));
  {
    QPainter painter(&image);
    PaintMap(painter, MapViewport(size), dots, ifblGrid);
  }
  // Unbuffered, a short write (a full disk) fails the image's writer
  // instead of being lost in the flush and the truncated file committed.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !image.save(&file, "PNG") ||
      !file.commit()) {
    return Fail(error, Text(kCannotWrite, language).arg(path, file.errorString()));
  }
  return true;
}

}  // namespace koord::map
