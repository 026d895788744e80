#include "engine/UtmZoneText.h"

#include "engine/TextScan.h"
#include "support/Ascii.h"

namespace koord {
namespace {

constexpr int kLastZone = 60;

}  // namespace

std::optional<UtmZoneText> ReadUtmZone(std::string_view field) {
  TextScan scan(TrimBlanks(field));
  const std::string_view digits = scan.TakeDigits();
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  const int zone = digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + digits[1] - '0';
  scan.SkipBlanks();
  const char hemisphere = ascii::ToUpper(scan.TakeOneOf("NnSs"));
  if (zone < 1 || zone > kLastZone || hemisphere == '\0' || !scan.AtEnd()) return std::nullopt;
  return UtmZoneText{static_cast<std::int16_t>(zone), hemisphere == 'N'};
}

std::string UtmZoneName(const UtmZoneText& zone) {
  return std::to_string(zone.zone) + (zone.north ? 'N' : 'S');
}

}  // namespace koord
