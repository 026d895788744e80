#include "engine/UtmZoneText.h"

#include "engine/TextScan.h"
#include "geodesy/Utm.h"
#include "support/Ascii.h"

namespace koord {
namespace {

// The hemispheres and the latitude bands (C to X without I and O), either
// case; bands from P on lie north of the equator.
constexpr std::string_view kLetters = "NnSsCcDdEeFfGgHhJjKkLlMmPpQqRrTtUuVvWwXx";
constexpr char kFirstNorthernBand = 'P';

}  // namespace

std::optional<UtmZoneText> ReadUtmZone(std::string_view field) {
  TextScan scan(TrimBlanks(field));
  const std::string_view digits = scan.TakeDigits();
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  const int zone = digits.size() == 1 ? digits[0] - '0' : (digits[0] - '0') * 10 + digits[1] - '0';
  scan.SkipBlanks();
  const char letter = ascii::ToUpper(scan.TakeOneOf(kLetters));
  if (zone < DMA::kUtmFirstZone || zone > DMA::kUtmLastZone || letter == '\0' || !scan.AtEnd()) return std::nullopt;
  const auto number = static_cast<std::int16_t>(zone);
  if (letter == 'N' || letter == 'S') return UtmZoneText{number, letter == 'N'};
  return UtmZoneText{number, letter >= kFirstNorthernBand, letter};
}

std::string UtmZoneName(const UtmZoneText& zone) {
  return std::to_string(zone.zone) + (zone.north ? 'N' : 'S');
}

}  // namespace koord
