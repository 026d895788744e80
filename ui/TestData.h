#pragma once
// Random test points in Belgian Lambert 1972, for trying the program out.

#include <QString>

class QRandomGenerator;

namespace koord::ui {

// Number of lines of a test text.
inline constexpr int kTestPointCount = 501;

// kTestPointCount lines " X\t Y\n" of whole metres, X in 17570..315869 and
// Y in 20000..311999 (a blank before each number, read back as nothing).
QString MakeTestPoints(QRandomGenerator& random);

}  // namespace koord::ui
