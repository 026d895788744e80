// koord-precision-map: draws Belgium with one coloured dot every few
// kilometres, the colour giving the distance between Koord's Lambert 1972
// -> WGS84 conversion (three-parameter Molodensky shift of BD72, or with
// --precise the official chain) and PROJ's official transformation
// EPSG:31370 -> EPSG:4326 (seven-parameter Helmert).
// Usage: koord-precision-map [--precise] [image.png]

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "map/MapData.h"
#include "map/MapRenderer.h"
#include "map/MapViewport.h"
#include "tests/accuracy/Chain.h"

namespace {

using koord::accuracy::ChainComparison;

const char* const kDefaultPath = "docs/precision-bd72.png";

// What a picture shows: the chain, the top of its colour scale and the unit
// of its legend.
struct Picture {
  bool precise;
  double scaleTop;     // m, red end of the colour scale
  double unit;         // m per unit of the legend
  const char* symbol;  // of that unit
  const char* title;
};
const Picture kMolodensky{false, 2.0, 1.0, "m",
                          "Écart (m) entre Koord et la transformation officielle\n"
                          "Lambert 1972 → WGS84 (EPSG:31370 → 4326)"};
const Picture kPrecise{true, 0.001, 0.001, "mm",
                       "Écart (mm) entre Koord (transformation précise)\n"
                       "et l'officielle, EPSG:31370 → 4326"};
// The map window's proportions (250:206), at a size that keeps the file small.
const QSize kImageSize(800, 659);
constexpr double kStep = 5000;        // grid spacing, Lambert metres
constexpr int kColumns = 62;          // 0..310000 m in X
constexpr int kRows = 52;             // 0..260000 m in Y
constexpr double kBlueHue = 240;      // degrees of hue at 0 m; 0 (red) at kScaleTop
constexpr int kClasses = 8;           // colour classes of kScaleTop / kClasses metres
constexpr double kDotFraction = 0.4;  // dot radius, as a fraction of the grid step

struct Sample {
  double x, y;      // Lambert 1972, m
  double distance;  // m
};

bool InBelgium(double x, double y) {
  for (const koord::map::MapShape& shape : koord::map::BelgiumMap()) {
    if (shape.kind == koord::map::MapShape::Kind::Province &&
        shape.ring.containsPoint(QPointF(x, y), Qt::OddEvenFill)) {
      return true;
    }
  }
  return false;
}

std::vector<Sample> Measure(const Picture& picture) {
  ChainComparison chain(picture.precise);
  std::vector<Sample> samples;
  for (int i = 0; i <= kColumns; ++i) {
    for (int j = 0; j <= kRows; ++j) {
      const double x = i * kStep;
      const double y = j * kStep;
      if (InBelgium(x, y)) samples.push_back({x, y, chain.At(x, y).distance});
    }
  }
  return samples;
}

// One flat colour per class keeps the classes readable and the file small.
QColor ColourOf(double distance, double scaleTop) {
  const int k = std::clamp(static_cast<int>(distance / scaleTop * kClasses), 0, kClasses - 1);
  const double share = static_cast<double>(k) / (kClasses - 1);
  return QColor::fromHsvF(static_cast<float>(kBlueHue * (1.0 - share) / 360.0), 0.85f, 0.95f);
}

QString Length(double metres, const Picture& picture) {
  return QString::number(metres / picture.unit, 'f', 2).replace('.', ',') + " " +
         QString::fromUtf8(picture.symbol);
}

void PaintSamples(QPainter& painter, const std::vector<Sample>& samples, double scaleTop) {
  const koord::map::MapViewport scale(kImageSize);
  const double radius = kDotFraction * kStep * scale.PixelsPerMetre();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  for (const Sample& s : samples) {
    painter.setBrush(ColourOf(s.distance, scaleTop));
    painter.drawEllipse(scale.ToPixel(s.x, s.y), radius, radius);
  }
}

// Title, colour bar and the measured mean and maximum, bottom left over
// France, where no dot lies.
void PaintLegend(QPainter& painter, const Picture& picture, double mean, double max) {
  const QRectF box(10, kImageSize.height() - 114, 330, 104);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawRect(box);
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  painter.drawText(box.adjusted(8, 6, -8, 0), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromUtf8(picture.title));
  const QRectF bar(box.left() + 8, box.top() + 44, box.width() - 16, 14);
  const double width = bar.width() / kClasses;
  for (int k = 0; k < kClasses; ++k) {
    const double from = picture.scaleTop * k / kClasses;
    painter.fillRect(QRectF(bar.left() + width * k, bar.top(), width, bar.height()),
                     ColourOf(from, picture.scaleTop));
    painter.drawText(QPointF(bar.left() + width * k, bar.bottom() + 14),
                     QString::number(from / picture.unit, 'f', 2).replace('.', ','));
  }
  painter.drawText(QPointF(bar.left(), bar.bottom() + 32),
                   QStringLiteral("Belgique : moyenne %1, maximum %2")
                       .arg(Length(mean, picture), Length(max, picture)));
}

bool WritePng(const QImage& image, const QString& path) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
  // Draws into an image only: no display needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arguments = app.arguments().mid(1);
  const bool precise = arguments.contains(QStringLiteral("--precise"));
  const Picture& picture = precise ? kPrecise : kMolodensky;
  QStringList paths = arguments;
  paths.removeAll(QStringLiteral("--precise"));
  const QString path = paths.isEmpty() ? QString(kDefaultPath) : paths.first();

  const std::vector<Sample> samples = Measure(picture);
  if (samples.empty()) {
    std::fprintf(stderr, "Aucun point de la grille en Belgique\n");
    return 1;
  }
  double sum = 0, max = 0;
  for (const Sample& s : samples) {
    sum += s.distance;
    max = std::max(max, s.distance);
  }
  const double mean = sum / static_cast<double>(samples.size());

  QImage image(kImageSize, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    koord::map::PaintMap(painter, koord::map::MapViewport(kImageSize), {}, false);
    PaintSamples(painter, samples, picture.scaleTop);
    PaintLegend(painter, picture, mean, max);
  }
  if (!WritePng(image, path)) {
    std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(path));
    return 1;
  }
  std::printf("Belgique : %zu points, écart moyen %s, maximum %s -> %s\n", samples.size(),
              qPrintable(Length(mean, picture)), qPrintable(Length(max, picture)),
              qPrintable(path));
  return 0;
}
