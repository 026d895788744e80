#pragma once
// Random test points, for trying the program out: Belgian Lambert 1972
// metres, or those points converted to the kind of the input.

#include <QString>

#include "engine/Choices.h"

class QRandomGenerator;

namespace koord::ui {

// Number of lines of a test text.
inline constexpr int kTestPointCount = 501;

// kTestPointCount lines " X\t Y\n" of whole metres, X in 17570..315869 and
// Y in 20000..311999 (a blank before each number, read back as nothing).
QString MakeTestPoints(QRandomGenerator& random);

// kTestPointCount points of `kind` on `datum`, one per line: Lambert points
// drawn as above, kept when they convert (within the Lambert bounds, and
// for IFBL within the lettered grid) and converted: degrees with five
// decimals and `decimalMark`, MGRS references to the metre, IFBL squares of
// 1 x 1 km. Lambert 1972 gives MakeTestPoints.
QString MakeTestPoints(QRandomGenerator& random, CoordKind kind, Datum datum, char decimalMark);

}  // namespace koord::ui
