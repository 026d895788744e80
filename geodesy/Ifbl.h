#pragma once
// The IFBL grid, the floristic mapping grid of Belgium, defined on Belgian
// Lambert 1972 X/Y (metres). Codes have 2 (32 x 20 km), 4 (4 x 4 km) or
// 6 (1 x 1 km) characters: row letter, column digit, sub-row, sub-column,
// quadrant, square.

#include <cstdint>
#include <string>
#include <string_view>

namespace koord::IFBL {

// Centre of the square named by `code`. The code is normalised in place
// (trimmed, spaces removed, upper case for lengths 2, 4 and 6). On refusal
// status becomes -1 and X, Y are left alone; on acceptance status is not
// written (the caller presets it to 0).
void IfblToLambert(std::string& code, double& X, double& Y, std::int32_t& status);

// Code of the square holding (X, Y) at `precision` characters (2, 4, any
// other value gives 6). Refuses X outside 0..350000 or Y outside 0..270000
// with status 1, leaving `code` alone; on acceptance status is not written.
void LambertToIfbl(double X, double Y, std::string& code, std::int32_t& status,
                   std::int16_t precision);

// True when `code` names a square of the lettered grid: a row letter of
// "MLKJHGFEDCBA", a column digit, then for 4 and 6 characters a sub-row 1-5
// and a sub-column 1-8, then for 6 a quadrant 1-4 and a square 1-4.
bool IsGridCode(std::string_view code);

// True when (X, Y) lies in a square of the lettered grid, rows M to A and
// columns 0 to 9: LambertToIfbl then writes a code that IsGridCode accepts.
// Elsewhere within its bounds it still writes one, such as "N-13821",
// which names no square.
bool InLetteredGrid(double X, double Y);

}  // namespace koord::IFBL
