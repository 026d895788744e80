#include "engine/Refusal.h"

#include <array>
#include <cstddef>
#include <utility>

namespace koord {
namespace {

constexpr std::array<std::pair<Reason, std::string_view>, 19> kReasonTexts{{
    {Reason::MissingField, "Champ manquant"},
    {Reason::UnreadableNumber, "Nombre illisible"},
    {Reason::NumberTooLarge, "Nombre trop grand"},
    {Reason::UnknownHemisphere, "Lettre d'hémisphère inconnue (N, S, E ou W)"},
    {Reason::SignAndHemisphere, "Signe et lettre d'hémisphère ensemble"},
    {Reason::TwoHemisphereLetters, "Deux lettres d'hémisphère"},
    {Reason::MinutesOrSecondsOutOfRange, "Minutes ou secondes de 60 ou plus"},
    {Reason::LatitudeLetterOnLongitude, "Lettre de latitude (N ou S) sur la longitude"},
    {Reason::LongitudeLetterOnLatitude, "Lettre de longitude (E ou W) sur la latitude"},
    {Reason::TwoLatitudes, "Deux latitudes (N ou S)"},
    {Reason::TwoLongitudes, "Deux longitudes (E ou W)"},
    {Reason::LineTooLong, "Ligne trop longue"},
    {Reason::OutsideUtm, "Hors des latitudes UTM (80° S à 84° N)"},
    {Reason::MgrsNotMade, "Référence MGRS impossible à établir"},
    {Reason::OutsideIfbl, "Hors de la grille IFBL"},
    {Reason::OutsideLambert,
     "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)"},
    {Reason::OutsideLambert2008,
     "Hors du domaine Lambert 2008 (X de 499 900 à 810 100 m, Y de 499 900 à 760 100 m)"},
    {Reason::UtmZoneTooFar, "Zone UTM trop éloignée du point (9° au plus de son méridien central)"},
    {Reason::UnreadableZone, "Zone UTM illisible (de 1N à 60N ou de 1S à 60S)"},
}};

// Characters of a field shown in a reason; a longer field is cut.
constexpr std::size_t kQuotedCharacters = 30;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";     // …
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kOpenQuote = "\xC2\xAB ";       // « and a blank
constexpr std::string_view kCloseQuote = " \xC2\xBB";      // a blank and »

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0
// for a byte that is not one or a control character (a tab or a line end
// in a reason would break the output's lines and columns).
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned min = 0;
  if (lead < 0x20 || lead == 0x7F) return 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  unsigned code = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < min || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::string_view ReasonText(Reason reason) {
  for (const auto& [listed, text] : kReasonTexts) {
    if (listed == reason) return text;
  }
  return {};  // Refused and Fault: the detail says it
}

std::string RefusalText(Reason reason, std::string_view detail) {
  const std::string_view text = ReasonText(reason);
  std::string out(text);
  if (!text.empty() && !detail.empty()) out += " : ";
  out += detail;
  return out;
}

std::string QuotedField(std::string_view field) {
  std::string out(kOpenQuote);
  std::size_t characters = 0;
  while (!field.empty()) {
    if (characters == kQuotedCharacters) {
      out += kEllipsis;
      break;
    }
    const std::size_t length = SequenceLength(field);
    out += length == 0 ? kReplacement : field.substr(0, length);
    field.remove_prefix(length == 0 ? 1 : length);
    ++characters;
  }
  out += kCloseQuote;
  return out;
}

}  // namespace koord
