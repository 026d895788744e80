#pragma once
// Dialog units: the font-relative length unit of classic dialog layouts.
// One horizontal unit is a quarter of the font's average character width.

#include <QFontMetricsF>

namespace koord::ui {

// Width in pixels of `units` horizontal dialog units of the font.
double HorizontalDialogUnits(const QFontMetricsF& metrics, int units);

}  // namespace koord::ui
