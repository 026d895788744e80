#pragma once

#include <string_view>

namespace koord {

// True when `code` names a square of the lettered IFBL grid: a row letter of
// "MLKJHGFEDCBA", a column digit, then for 4 and 6 characters a sub-row 1-5
// and a sub-column 1-8, then for 6 a quadrant 1-4 and a square 1-4.
bool IsIfblGridCode(std::string_view code);

}  // namespace koord
