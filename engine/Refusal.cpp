#include "engine/Refusal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

namespace koord {
namespace {

constexpr std::array<std::pair<Reason, Translated>, 19> kReasonTexts{{
    {Reason::MissingField, {"Champ manquant", "Ontbrekend veld", "Missing field"}},
    {Reason::UnreadableNumber, {"Nombre illisible", "Onleesbaar getal", "Unreadable number"}},
    {Reason::NumberTooLarge, {"Nombre trop grand", "Getal te groot", "Number too large"}},
    {Reason::UnknownHemisphere,
     {"Lettre d'hémisphère inconnue (N, S, E ou W)", "Onbekende halfrondletter (N, S, E of W)",
      "Unknown hemisphere letter (N, S, E or W)"}},
    {Reason::SignAndHemisphere,
     {"Signe et lettre d'hémisphère ensemble", "Teken en halfrondletter samen",
      "Sign and hemisphere letter together"}},
    {Reason::TwoHemisphereLetters,
     {"Deux lettres d'hémisphère", "Twee halfrondletters", "Two hemisphere letters"}},
    {Reason::MinutesOrSecondsOutOfRange,
     {"Minutes ou secondes de 60 ou plus", "Minuten of seconden van 60 of meer",
      "Minutes or seconds of 60 or more"}},
    {Reason::LatitudeLetterOnLongitude,
     {"Lettre de latitude (N ou S) sur la longitude",
      "Letter van een breedtegraad (N of S) bij de lengtegraad",
      "Latitude letter (N or S) on the longitude"}},
    {Reason::LongitudeLetterOnLatitude,
     {"Lettre de longitude (E ou W) sur la latitude",
      "Letter van een lengtegraad (E of W) bij de breedtegraad",
      "Longitude letter (E or W) on the latitude"}},
    {Reason::TwoLatitudes,
     {"Deux latitudes (N ou S)", "Twee breedtegraden (N of S)", "Two latitudes (N or S)"}},
    {Reason::TwoLongitudes,
     {"Deux longitudes (E ou W)", "Twee lengtegraden (E of W)", "Two longitudes (E or W)"}},
    {Reason::AmbiguousPair,
     {"Séparation ambiguë de la latitude et de la longitude",
      "Dubbelzinnige scheiding van breedte en lengte",
      "Ambiguous split of latitude and longitude"}},
    {Reason::LineTooLong, {"Ligne trop longue", "Regel te lang", "Line too long"}},
    {Reason::MgrsWithoutZone,
     {"Référence MGRS sans sa zone de grille (31U ou 32U pour les carrés de la Belgique)",
      "MGRS-referentie zonder gridzone (31U of 32U voor de hokken van België)",
      "MGRS reference without its grid zone (31U or 32U for the squares of Belgium)"}},
    {Reason::AmbiguousKind,
     {"Plusieurs lectures près de la Belgique ; choisissez le type de départ",
      "Meer dan één lezing dicht bij België; kies het type van de invoer",
      "More than one reading near Belgium; choose the input type"}},
    {Reason::NoKindFits,
     {"Aucune lecture près de la Belgique", "Geen lezing dicht bij België",
      "No reading near Belgium"}},
    {Reason::AmbiguousColumns,
     {"Les coordonnées se lisent en plusieurs colonnes ; choisissez la bonne",
      "De coördinaten zijn in meer dan één kolom leesbaar; kies de juiste",
      "The coordinates read from more than one column; choose the right one"}},
    {Reason::FarFromBelgium, {"Loin de la Belgique", "Ver van België", "Far from Belgium"}},
    {Reason::UnreadableZone,
     {"Zone UTM illisible (de 1 à 60, puis N ou S ou la bande de latitude, comme 31U)",
      "Onleesbare UTM-zone (1 tot 60, dan N of S of de breedteband, zoals 31U)",
      "Unreadable UTM zone (1 to 60, then N or S or the latitude band, as in 31U)"}},
}};

// Half the Earth's circumference, km: no point lies farther.
constexpr double kMaxKilometres = 20038;

// Characters of a field shown in a reason; a longer field is cut.
constexpr std::size_t kQuotedCharacters = 30;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";     // …
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
// French quotes with their blanks; Dutch and English ones without.
constexpr Translated kOpenQuote{"\xC2\xAB ", "\xE2\x80\x9C", "\xE2\x80\x9C"};   // « “
constexpr Translated kCloseQuote{" \xC2\xBB", "\xE2\x80\x9D", "\xE2\x80\x9D"};  // » ”
constexpr Translated kDetailColon{" : ", ": ", ": "};
constexpr Translated kJoint{" et ", " en ", " and "};

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

std::string_view ReasonText(Reason reason, Language language) {
  for (const auto& [listed, text] : kReasonTexts) {
    if (listed == reason) return text.In(language);
  }
  return {};  // Refused and Fault: the detail says it
}

std::string RefusalText(Reason reason, std::string_view detail, Language language) {
  const std::string_view text = ReasonText(reason, language);
  std::string out(text);
  if (!text.empty() && !detail.empty()) out += kDetailColon.In(language);
  out += detail;
  return out;
}

std::string_view FieldsJoint(Language language) {
  return kJoint.In(language);
}

std::string KilometresText(double kilometres, Language language) {
  static constexpr Translated kThousands{" ", " ", ","};
  const std::string digits = std::isfinite(kilometres) && kilometres < kMaxKilometres
                                 ? std::to_string(std::llround(kilometres))
                                 : std::to_string(std::llround(kMaxKilometres));
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += kThousands.In(language);
    out += digits[i];
  }
  return out + " km";
}

std::string QuotedField(std::string_view field, Language language) {
  std::string out(kOpenQuote.In(language));
  // Most fields quoted are short and printable ASCII: copied whole.
  if (field.size() <= kQuotedCharacters &&
      std::all_of(field.begin(), field.end(), [](char c) { return c >= ' ' && c < '\x7F'; })) {
    out += field;
    out += kCloseQuote.In(language);
    return out;
  }
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
  out += kCloseQuote.In(language);
  return out;
}

}  // namespace koord
