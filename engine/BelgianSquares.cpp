#include "engine/BelgianSquares.h"

#include <array>

namespace koord {
namespace {

struct Square {
  std::string_view letters;
  std::string_view gridZone;
};

// The squares that points within 20 km of Belgium fall in, on a 0.01°
// grid, in the lettering of WGS84, ETRS89, BD72 and European 1950 alike.
constexpr std::array<Square, 18> kSquares{{
    {"DR", "31U"},
    {"DS", "31U"},
    {"DT", "31U"},
    {"ER", "31U"},
    {"ES", "31U"},
    {"ET", "31U"},
    {"FQ", "31U"},
    {"FR", "31U"},
    {"FS", "31U"},
    {"FT", "31U"},
    {"GQ", "31U"},
    {"GR", "31U"},
    {"GS", "31U"},
    {"KA", "32U"},
    {"KB", "32U"},
    {"KV", "32U"},
    {"LA", "32U"},
    {"LB", "32U"},
}};

// Zone, band and the two letters of a reference.
constexpr std::size_t kGridZone = 3;
constexpr std::size_t kHead = kGridZone + 2;

}  // namespace

std::optional<std::string_view> GridZoneOfBelgianSquare(std::string_view letters) {
  for (const Square& square : kSquares) {
    if (square.letters == letters) return square.gridZone;
  }
  return std::nullopt;
}

bool InBelgianSquare(std::string_view reference) {
  if (reference.size() < kHead) return false;
  const std::optional<std::string_view> zone =
      GridZoneOfBelgianSquare(reference.substr(kGridZone, 2));
  return zone && *zone == reference.substr(0, kGridZone);
}

}  // namespace koord
