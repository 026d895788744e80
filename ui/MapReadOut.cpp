#include "ui/MapReadOut.h"

#include <QCoreApplication>
#include <cmath>
#include <string>

#include "core/TransCoo.h"
#include "engine/Choices.h"
#include "engine/OutputFormat.h"
#include "map/MapViewport.h"
#include "support/RuntimeError.h"

namespace koord::ui {

// The context of the read-out's texts in the translations.
class ReadOutTexts {
  Q_DECLARE_TR_FUNCTIONS(ReadOutTexts)
};

namespace {

const QString kNone = QStringLiteral("—");
// Decimals of the degrees read out: about a metre, as the pointer is.
constexpr int kDegreeDecimals = 5;
// Lengths asked of the conversion object: MGRS to the metre, the IFBL
// square of 1 x 1 km.
constexpr std::int32_t kMgrsMetre = 1;
constexpr std::int16_t kIfblSquare = 6;

QString Whole(double value) {
  // Adding 0.0 turns a floor of -0 into 0.
  return QString::number(std::floor(value) + 0.0, 'f', 0);
}

QString Degree(double value, QChar decimalMark) {
  return QString::number(value, 'f', kDegreeDecimals).replace(u'.', decimalMark);
}

QString OrNone(const QString& text) {
  return text.isEmpty() ? kNone : text;
}

}  // namespace

PointReadOut ReadOut(QPointF lambert) {
  PointReadOut readOut;
  readOut.lambert = lambert;
  TransCoo point;
  point.SetDatumFrom(EntryOf(kDatumTable, Datum::Bel72).code);
  point.SetDatumDest(EntryOf(kDatumTable, Datum::Wgs84).code);
  point.mgrsPrecision = kMgrsMetre;
  point.IfblPrecision = kIfblSquare;
  point.Reset();
  point.SetOrigType("lmb");
  point.SetX(lambert.x());
  point.SetY(lambert.y());
  try {
    point.Conversion();
  } catch (const RuntimeError&) {
    return readOut;  // no system but Lambert for a point that faults
  }
  if (!point.Error().empty()) return readOut;
  readOut.wgs84 = QPointF(point.Latitude(), point.Longitude());
  if (point.MgrsResult() == DMA::MgrsStatus::Made) {
    readOut.mgrs = QString::fromStdString(point.MGRS());
  }
  if (point.IfblInGrid()) {
    std::string dotted;
    AppendIfbl(dotted, point.IFBL(), true);
    readOut.ifbl = QString::fromStdString(dotted);
  }
  return readOut;
}

QString ReadOutText(const PointReadOut& readOut, QChar decimalMark) {
  QString degrees = kNone;
  if (readOut.wgs84) {
    const double latitude = readOut.wgs84->x();
    const double longitude = readOut.wgs84->y();
    degrees = QStringLiteral("%1 %2  %3 %4")
                  .arg(Degree(std::fabs(latitude), decimalMark),
                       latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"),
                       Degree(std::fabs(longitude), decimalMark),
                       longitude < 0 ? QStringLiteral("W") : QStringLiteral("E"));
  }
  return ReadOutTexts::tr(
             "Lambert 1972\u00A0: X=%1 Y=%2\nWGS84\u00A0: %3\nMGRS\u00A0: %4\nIFBL\u00A0: %5")
      .arg(Whole(readOut.lambert.x()), Whole(readOut.lambert.y()), degrees, OrNone(readOut.mgrs),
           OrNone(readOut.ifbl));
}

QString ReadOutClipboard(const PointReadOut& readOut, QChar decimalMark) {
  QString degrees = kNone;
  if (readOut.wgs84) {
    degrees =
        Degree(readOut.wgs84->x(), decimalMark) + u'\t' + Degree(readOut.wgs84->y(), decimalMark);
  }
  return QStringLiteral("Lambert 1972\t%1\t%2\nWGS84\t%3\nMGRS\t%4\nIFBL\t%5\n")
      .arg(Whole(readOut.lambert.x()), Whole(readOut.lambert.y()), degrees, OrNone(readOut.mgrs),
           OrNone(readOut.ifbl));
}

}  // namespace koord::ui
