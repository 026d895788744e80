// The IFBL grid on arbitrary input: IfblToLambert on any text, and
// LambertToIfbl on any number and precision.
//
// IfblToLambert: a refused code leaves X and Y alone; an accepted one comes
// back without blanks, in upper case, with the centre of its square inside
// the grid, and LambertToIfbl at the code's length gives back a code that
// names the same square when the code holds only grid digits.
// LambertToIfbl: a refused point leaves the code alone; an accepted one
// gives a code of the grid or of the band just around it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>

#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"
#include "geodesy/Ifbl.h"

namespace {

using koord::fuzz::Require;

constexpr std::size_t kMaxInput = 4096;
// Longest code text tried.
constexpr std::size_t kMaxCode = 64;

// Square centres lie inside the lettered grid, Lambert metres: columns 0-9
// from X = 2012, rows M-A from Y = 18180, and at most one neighbouring
// square beyond it on each side for digits outside their ranges.
constexpr double kLowestX = 2012.0 - 32000.0;
constexpr double kHighestX = 2012.0 + 11 * 32000.0;
constexpr double kLowestY = 18180.0 - 20000.0;
constexpr double kHighestY = 18180.0 + 13 * 20000.0;

// Codes that LambertToIfbl writes inside its accepted bounds: the grid rows
// and the one beyond each end ('@', 'N'), the grid columns and -1 or 10.
const std::regex kWrittenCode("[@A-HJ-N](-1|[0-9]|10)([1-5][1-8]([1-4][1-4])?)?");

void CheckCodeToLambert(const std::string& text) {
  std::string code = text;
  const double untouched = -1.0;
  double x = untouched;
  double y = untouched;
  std::int32_t status = 0;
  if (!koord::fuzz::OnlyRuntimeError([&] { koord::IFBL::IfblToLambert(code, x, y, status); })) {
    return;
  }
  if (status != 0) {
    Require(status == -1, "a refused code has status -1", text);
    Require(x == untouched && y == untouched, "a refused code leaves X and Y", text);
    return;
  }
  Require(code.find(' ') == std::string::npos, "an accepted code has no blank", code);
  for (char c : code) Require(!(c >= 'a' && c <= 'z'), "an accepted code is upper case", code);
  Require(std::isfinite(x) && std::isfinite(y), "a square centre is finite", code);
  Require(x >= kLowestX && x <= kHighestX && y >= kLowestY && y <= kHighestY,
          "a square centre lies at the grid", code);
  if (!koord::IFBL::IsGridCode(code)) return;

  std::string back;
  std::int32_t backStatus = 0;
  koord::IFBL::LambertToIfbl(x, y, back, backStatus, static_cast<std::int16_t>(code.size()));
  Require(backStatus == 0 && back == code, "a grid code comes back from its centre",
          code + " -> " + back);
}

void CheckLambertToCode(double x, double y, std::int16_t precision) {
  const std::string untouched = "unchanged";
  std::string code = untouched;
  std::int32_t status = 0;
  if (!koord::fuzz::OnlyRuntimeError(
          [&] { koord::IFBL::LambertToIfbl(x, y, code, status, precision); })) {
    return;
  }
  const std::string point = std::to_string(x) + " " + std::to_string(y);
  if (status != 0) {
    Require(status == 1, "a refused point has status 1", point);
    Require(code == untouched, "a refused point leaves the code", point);
    return;
  }
  Require(std::regex_match(code, kWrittenCode), "a written code has the grid's layout",
          point + " -> " + code);
  const std::size_t wanted = precision == 2 ? 2 : precision == 4 ? 4 : 6;
  const std::size_t columnDigits = code[1] == '-' || code.substr(1, 2) == "10" ? 2 : 1;
  Require(code.size() == wanted + columnDigits - 1, "a code has the length asked for",
          point + " -> " + code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  koord::fuzz::FuzzBytes bytes(data, size);
  const double x = bytes.Double();
  const double y = bytes.Double();
  const std::int16_t precision =
      bytes.Pick(2) == 0 ? static_cast<std::int16_t>(2 * bytes.Between(1, 3)) : bytes.Int16();
  CheckLambertToCode(x, y, precision);
  CheckCodeToLambert(std::string(bytes.Rest().substr(0, kMaxCode)));
  return 0;
}
