#pragma once
// A UTM zone as users write it beside their eastings and northings: the
// zone number and the hemisphere, "31N", "32 S", "31n". Band letters (31U)
// are MGRS, not this: only N and S say the hemisphere.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace koord {

struct UtmZoneText {
  std::int16_t zone;  // 1 to 60
  bool north;
};

// The zone of a field, or nothing when it is none.
std::optional<UtmZoneText> ReadUtmZone(std::string_view field);

// "31N", "6S".
std::string UtmZoneName(const UtmZoneText& zone);

}  // namespace koord
