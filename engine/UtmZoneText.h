#pragma once
// A UTM zone as users write it beside their eastings and northings: the
// zone number and the hemisphere, "31N", "32 S", "31n", or the zone and its
// latitude band, "31U": bands C to M lie south of the equator, P to X
// north. N and S keep their meaning of hemispheres (north, south), as UTM
// numbers have always been written, not of the bands N (0° to 8° N) and S
// (32° to 40° N).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace koord {

struct UtmZoneText {
  std::int16_t zone;  // 1 to 60
  bool north;
  char band = '\0';  // the latitude band written, '\0' for a hemisphere
};

// The zone of a field, or nothing when it is none.
std::optional<UtmZoneText> ReadUtmZone(std::string_view field);

// "31N", "6S".
std::string UtmZoneName(const UtmZoneText& zone);

}  // namespace koord
