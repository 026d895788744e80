#pragma once
// The 100 km squares of MGRS that cover Belgium and the 20 km around it.
// Belgian atlases name a square by its two letters alone ("ES95",
// "ES9534"): within Belgium they name one square, since zones 31 and 32
// letter their columns differently (A to H, J to R).
//
//   GridZoneOfBelgianSquare("ES") == "31U"
//   GridZoneOfBelgianSquare("LA") == "32U"
//   GridZoneOfBelgianSquare("ZZ") == nullopt

#include <optional>
#include <string_view>

namespace koord {

// The grid zone of a Belgian square named by its two upper-case letters.
std::optional<std::string_view> GridZoneOfBelgianSquare(std::string_view letters);

// Whether a full reference ("31UES9637232971") lies in a Belgian square.
bool InBelgianSquare(std::string_view reference);

}  // namespace koord
