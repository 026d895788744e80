#include "core/IfblCode.h"

namespace koord {
namespace {

bool InRange(char c, char low, char high) { return c >= low && c <= high; }

}  // namespace

bool IsIfblGridCode(std::string_view code) {
  const std::size_t n = code.size();
  if (n != 2 && n != 4 && n != 6) return false;
  if (std::string_view("MLKJHGFEDCBA").find(code[0]) == std::string_view::npos) return false;
  if (!InRange(code[1], '0', '9')) return false;
  if (n >= 4 && !(InRange(code[2], '1', '5') && InRange(code[3], '1', '8'))) return false;
  if (n == 6 && !(InRange(code[4], '1', '4') && InRange(code[5], '1', '4'))) return false;
  return true;
}

}  // namespace koord
