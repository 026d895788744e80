#include "ui/TestData.h"

#include <QRandomGenerator>
#include <cmath>
#include <string>

#include "engine/BatchRun.h"
#include "engine/LineConverter.h"

namespace koord::ui {
namespace {

// Ranges of the test points (m): start and width.
constexpr double kMinX = 17570;
constexpr double kSpanX = 298300;
constexpr double kMinY = 20000;
constexpr double kSpanY = 292000;
// Draws per point wanted before giving up: about three in four draws lie
// within the Lambert bounds, so this is never reached in practice.
constexpr int kDrawsPerPoint = 64;

QString Whole(double value) {
  return QString::number(value, 'f', 0);
}

struct LambertPoint {
  double x;
  double y;
};

LambertPoint Draw(QRandomGenerator& random) {
  const double x = std::floor(random.generateDouble() * kSpanX) + kMinX;
  const double y = std::floor(random.generateDouble() * kSpanY) + kMinY;
  return {x, y};
}

BatchChoices ToKind(CoordKind kind, Datum datum, char decimalMark) {
  BatchChoices choices;
  choices.coorFrom = CoordKind::Lambert;
  choices.datumFrom = Datum::Bel72;
  choices.coorDest = kind;
  choices.datumDest = datum;
  choices.mgrsPrecision = MgrsPrecision::Metre;
  choices.ifblPrecision = IfblPrecision::Square1km;
  choices.decimalMark = decimalMark;
  return choices;
}

}  // namespace

QString MakeTestPoints(QRandomGenerator& random) {
  QString text;
  text.reserve(kTestPointCount * 16);
  for (int i = 0; i < kTestPointCount; ++i) {
    const LambertPoint point = Draw(random);
    text += u' ' + Whole(point.x) + u'\t' + u' ' + Whole(point.y) + u'\n';
  }
  return text;
}

QString MakeTestPoints(QRandomGenerator& random, CoordKind kind, Datum datum, char decimalMark) {
  if (kind == CoordKind::Lambert) return MakeTestPoints(random);
  LineConverter converter(ToKind(kind, datum, decimalMark), RunOutput::Text);
  QString text;
  int made = 0;
  for (int draw = 0; draw < kTestPointCount * kDrawsPerPoint && made < kTestPointCount; ++draw) {
    const LambertPoint point = Draw(random);
    const std::string line = Whole(point.x).toStdString() + '\t' + Whole(point.y).toStdString();
    const LineOutcome& outcome = converter.Convert(line, Layout{});
    if (outcome.status != LineStatus::Converted) continue;
    text += QString::fromStdString(outcome.text) + u'\n';
    ++made;
  }
  return text;
}

}  // namespace koord::ui
