#include "ui/TestData.h"

#include <QRandomGenerator>
#include <cmath>

namespace koord::ui {
namespace {

// Ranges of the test points (m): start and width.
constexpr double kMinX = 17570;
constexpr double kSpanX = 298300;
constexpr double kMinY = 20000;
constexpr double kSpanY = 292000;

QString Whole(double value) {
  return QString::number(value, 'f', 0);
}

}  // namespace

QString MakeTestPoints(QRandomGenerator& random) {
  QString text;
  text.reserve(kTestPointCount * 16);
  for (int i = 0; i < kTestPointCount; ++i) {
    const double x = std::floor(random.generateDouble() * kSpanX) + kMinX;
    const double y = std::floor(random.generateDouble() * kSpanY) + kMinY;
    text += u' ' + Whole(x) + u'\t' + u' ' + Whole(y) + u'\n';
  }
  return text;
}

}  // namespace koord::ui
