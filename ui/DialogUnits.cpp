#include "ui/DialogUnits.h"

#include <QString>

namespace koord::ui {
namespace {

// The average character width is measured over the 52 Latin letters, as
// the dialog templates that define the unit do.
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
// Horizontal dialog units per average character width.
constexpr double kUnitsPerCharacter = 4;

}  // namespace

double HorizontalDialogUnits(const QFontMetricsF& metrics, int units) {
  const double average =
      metrics.horizontalAdvance(kAlphabet) / static_cast<double>(kAlphabet.size());
  return units * average / kUnitsPerCharacter;
}

}  // namespace koord::ui
