// The batch run on arbitrary text, with the run's choices (kinds, datums,
// precisions, dotted IFBL codes, degree and metre decimals, decimal mark,
// separator or `auto`, first column or none, whether the input line is
// kept, text or map, and the answers to faults) taken from the first bytes,
// fed in blocks on one thread or two.
//
// With every fault taken the output has exactly one line per input line:
// empty for an empty record, the output's column names for a header (the
// first non-blank line only), otherwise either a coordinate of the output
// kind, well formed, or a reason that shows no coordinate (digits only
// inside the field it quotes). A line is never a coordinate unless every
// field of it was accounted for: where blanks or commas separate the
// fields, a line read as numbers holds exactly the columns before the
// coordinates and the coordinates; and unless its coordinate fields pass
// the grammar written here independently (numbers for Lambert and UTM, the
// zone with its hemisphere or band) and lie in the accepted ranges. A
// Lambert 1972 point given back as it was comes back rounded to the
// nearest, never cut. Nothing holds "nan" or "inf". The map gets finite
// points only.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/TransCoo.h"
#include "engine/BatchRun.h"
#include "engine/Kind.h"
#include "engine/LineConverter.h"
#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "engine/Windows1252.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"
#include "fuzz/TextOracle.h"
#include "geodesy/ConformalConic.h"
#include "geodesy/Ifbl.h"
#include "geodesy/Lambert.h"
#include "support/RuntimeError.h"

namespace {

using koord::fuzz::Require;

// Longest input text tried.
constexpr std::size_t kMaxInput = 1 << 14;
using koord::CoordKind;
// Digits per axis of an MGRS output by precision (1 m to 10 km).
constexpr std::array<std::size_t, 5> kMgrsDigits{5, 4, 3, 2, 1};
constexpr std::size_t kFullMgrsDigits = 5;
// Code length of an IFBL output by precision (1 x 1 km to 32 x 20 km).
constexpr std::array<std::size_t, 3> kIfblLength{6, 4, 2};

// Accepted input, bounds included: Lambert 1972 and 2008 metres.
constexpr koord::GridBounds kLambertBounds = koord::Lambert::kBounds;
constexpr koord::GridBounds kLambert2008Bounds = koord::kLambert2008Bounds;
// A Lambert value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

// Reasons that hold digits without being coordinates.
const std::array<std::string, 8> kReasonsWithDigits{
    std::string(koord::kBadLambert2008),
    koord::ConversionErrorText(koord::ConversionError::OutsideUtm, {}, koord::Language::French),
    std::string(
        koord::ReasonText(koord::Reason::MinutesOrSecondsOutOfRange, koord::Language::French)),
    koord::ConversionErrorText(koord::ConversionError::OutsideLambert, {}, koord::Language::French),
    koord::ConversionErrorText(koord::ConversionError::OutsideLambert2008, {},
                               koord::Language::French),
    koord::ConversionErrorText(koord::ConversionError::UtmZoneTooFar, {}, koord::Language::French),
    std::string(koord::ReasonText(koord::Reason::UnreadableZone, koord::Language::French)),
    std::string(koord::ReasonText(koord::Reason::MgrsWithoutZone, koord::Language::French))};

// The sink: a text out, a map that records its points, and each fault
// answered Yes, or No at the answer given.
class FuzzSink : public koord::LineSink {
 public:
  explicit FuzzSink(int noAtPrompt) : noAt_(noAtPrompt) {}

  bool Take(const koord::LineResult& line) override {
    if (line.status == koord::LineStatus::Fault && ++prompts_ == noAt_) return false;
    if (line.status == koord::LineStatus::Converted) {
      Require(std::isfinite(line.x) && std::isfinite(line.y), "a plotted point is finite");
      ++points_;
    }
    Require(line.number == ++lines_, "lines come in order, numbered from 1");
    output_ += line.output;
    output_ += '\n';
    return true;
  }

  const std::string& Output() const { return output_; }
  bool SaidNo() const { return noAt_ > 0 && prompts_ >= noAt_; }
  int Points() const { return points_; }

 private:
  std::string output_;
  int noAt_;
  int prompts_ = 0;
  int points_ = 0;
  std::uint64_t lines_ = 0;
};

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The lines of the decoded input: CR LF, LF and a lone CR each end a line;
// the rest after the last line end is a line unless it is blank.
// `utf16`: the text was UTF-16, its lines UTF-8 already; otherwise a line
// that is not UTF-8 is read as Windows-1252.
std::vector<std::string> InputLines(std::string_view text, bool utf16) {
  std::vector<std::string> lines;
  const auto add = [&lines, utf16](std::string_view line) {
    if (utf16 || koord::IsUtf8(line)) {
      lines.emplace_back(line);
    } else {
      std::string decoded;
      koord::AppendWindows1252(decoded, line);
      lines.push_back(decoded);
    }
  };
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    add(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (!IsBlank(text.substr(start))) add(text.substr(start));
  return lines;
}

std::vector<std::string_view> OutputLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t at = text.find('\n');
    lines.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  return lines;
}

// The fields of a line, cut at the separator as spreadsheets write CSV: a
// field that starts (after blanks) with a quote runs to the next quote that
// is not doubled, a doubled quote standing for one; what follows up to the
// separator belongs to it. Runs of blanks and tabs separate for Blank.
std::vector<std::string> Fields(std::string_view line, koord::Separator separator) {
  const bool blanks = separator == koord::Separator::Blank;
  const char cut = koord::EntryOf(koord::kSeparatorTable, separator).input;
  const auto isCut = [&](char c) { return blanks ? c == ' ' || c == '\t' : c == cut; };
  std::vector<std::string> fields;
  std::size_t i = 0;
  if (blanks) i = std::min(line.find_first_not_of(" \t"), line.size());
  for (;;) {
    std::string field;
    std::size_t j = i;
    while (j < line.size() && (line[j] == ' ' || line[j] == '\t') && !isCut(line[j])) ++j;
    if (j < line.size() && line[j] == '"') {
      for (++j; j < line.size(); ++j) {
        if (line[j] != '"') {
          field += line[j];
        } else if (j + 1 < line.size() && line[j + 1] == '"') {
          field += '"';
          ++j;
        } else {
          ++j;
          break;
        }
      }
      for (; j < line.size() && !isCut(line[j]); ++j) field += line[j];
    } else {
      for (j = i; j < line.size() && !isCut(line[j]); ++j) field += line[j];
    }
    fields.push_back(field);
    if (j >= line.size()) break;
    i = j + 1;
    if (blanks) {
      i = std::min(line.find_first_not_of(" \t", i), line.size());
      if (i == line.size()) break;
    }
  }
  return fields;
}

// Degree output or input: a text of degrees-minutes-seconds is read as
// degrees.
bool IsDegreeKind(CoordKind kind) {
  return kind == CoordKind::Degrees || kind == CoordKind::Dms;
}

std::size_t FieldCount(CoordKind kind) {
  if (kind == CoordKind::Mgrs || kind == CoordKind::Ifbl) return 1;
  return kind == CoordKind::Utm ? 3 : 2;
}

// The coordinate fields of a line; fewer when the line has fewer.
std::vector<std::string> CoordinateFields(const koord::BatchChoices& c, std::string_view line) {
  std::vector<std::string> all = Fields(line, c.separator);
  const std::size_t first = c.firstColumn == 0 ? 0 : c.firstColumn - 1;
  std::vector<std::string> fields;
  for (std::size_t i = first; i < all.size() && i < first + FieldCount(c.coorFrom); ++i) {
    fields.push_back(all[i]);
  }
  // Cut at blanks, a reference or a square is the rest of the line: the
  // blanks people put inside it split nothing.
  const bool oneText = c.coorFrom == CoordKind::Mgrs || c.coorFrom == CoordKind::Ifbl;
  if (oneText && c.separator == koord::Separator::Blank && !fields.empty()) {
    for (std::size_t i = first + 1; i < all.size(); ++i) fields[0].append(" ").append(all[i]);
  }
  return fields;
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// What the object keeps of an MGRS input: the upper-case text without
// leading and trailing blanks.
std::string MgrsEcho(const std::string& input) {
  const std::string field = Upper(input);
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

// Digits per axis of an MGRS input, blanks left out: after a zone of one or
// two digits come the band, two square letters and the digits.
std::size_t MgrsInputDigits(std::string_view echo) {
  std::string s;
  for (char c : echo) {
    if (c != ' ') s += c;
  }
  // A Belgian square without its zone ("ES9534") starts with its letters.
  const bool zoneless = s.size() > 1 && s[0] >= 'A' && s[0] <= 'Z' && s[1] >= 'A' && s[1] <= 'Z';
  const std::size_t head = zoneless ? 2 : s.size() > 1 && s[1] >= '0' && s[1] <= '9' ? 5 : 4;
  return s.size() > head ? (s.size() - head) / 2 : 0;
}

// What the object keeps of an IFBL input: upper case, without blanks and
// full stops.
std::string IfblEcho(const std::string& input) {
  std::string code;
  for (char c : Upper(input)) {
    if (c != ' ' && c != '.') code += c;
  }
  return code;
}

// A number of metres with its decimals.
std::string MetrePattern(int decimals, char mark, bool sign) {
  std::string pattern = sign ? "-?[0-9]+" : "[0-9]+";
  if (decimals > 0) {
    pattern += mark == '.' ? "\\." : std::string(1, mark);
    pattern += "[0-9]{" + std::to_string(decimals) + "}";
  }
  return pattern;
}

std::regex LambertPattern(char separator, int decimals, char mark) {
  return std::regex(MetrePattern(decimals, mark, true) + separator +
                    MetrePattern(decimals, mark, true));
}

std::regex DegreePattern(const std::string& mark, char separator, int decimals) {
  const std::string fraction = "[0-9]{" + std::to_string(decimals) + "}";
  return std::regex("-?[0-9]{2,}" + mark + fraction + separator + "-?[0-9]{3,}" + mark + fraction);
}

// Degrees, minutes and seconds with a tenth and the hemisphere letter, each
// field quoted as CSV when the separator is not a tab.
std::regex DmsPattern(const std::string& mark, char separator) {
  const bool tab = separator == '\t';
  const std::string quote = tab ? "" : "\"";
  const std::string seconds = tab ? "\"" : "\"\"";
  const auto angle = [&](int degreeDigits, const char* letters) {
    return quote + "[0-9]{1," + std::to_string(degreeDigits) + "}\xC2\xB0[0-5][0-9]'[0-5][0-9]" +
           mark + "[0-9]" + seconds + letters + quote;
  };
  return std::regex(angle(2, "[NS]") + separator + angle(3, "[EW]"));
}

// An IFBL output without the full stops of the dotted form, or nothing
// when the stops are misplaced.
std::optional<std::string> IfblCode(const std::string& out, bool dots) {
  if (!dots) return out;
  static const std::regex dotted("[A-Z][0-9](\\.[0-9]{2}){0,2}");
  if (!std::regex_match(out, dotted)) return std::nullopt;
  std::string code;
  for (char c : out) {
    if (c != '.') code += c;
  }
  return code;
}

// Zone, band, square letters and k digits per axis.
const std::regex& MgrsOutput(std::size_t k) {
  static const std::array<std::regex, kFullMgrsDigits + 1> patterns = [] {
    std::array<std::regex, kFullMgrsDigits + 1> all;
    for (std::size_t n = 0; n < all.size(); ++n) {
      const std::string digits = "[0-9]{" + std::to_string(n) + "}";
      all[n] = std::regex("[ 0-9][0-9][C-HJ-NP-X][A-HJ-NP-Z]{2}" + digits + digits);
    }
    return all;
  }();
  return patterns[k];
}

// True when `out` is a well-formed coordinate of the output kind for the
// coordinate fields `in`.
bool IsConverted(const koord::BatchChoices& c, const std::vector<std::string>& in,
                 const std::string& out, char separator) {
  switch (c.coorDest) {
    case CoordKind::Lambert:
    case CoordKind::Lambert2008:
      return std::regex_match(out, LambertPattern(separator, c.metreDecimals, c.decimalMark));
    case CoordKind::Utm:
      return std::regex_match(
          out, std::regex(std::string("([1-9]|[1-5][0-9]|60)[NS]") + separator +
                          MetrePattern(c.metreDecimals, c.decimalMark, false) + separator +
                          MetrePattern(c.metreDecimals, c.decimalMark, false)));
    case CoordKind::Degrees:
      return std::regex_match(
          out, DegreePattern(c.decimalMark == '.' ? "\\." : ",", separator, c.degreeDecimals));
    case CoordKind::Dms:
      return std::regex_match(out, DmsPattern(c.decimalMark == '.' ? "\\." : ",", separator));
    case CoordKind::Mgrs: {
      const auto digits = kMgrsDigits[static_cast<std::size_t>(
          ListPosition(koord::kMgrsPrecisionTable, c.mgrsPrecision))];
      if (c.coorFrom != CoordKind::Mgrs) return std::regex_match(out, MgrsOutput(digits));
      // An MGRS input is given back as it is, unless it is cut to the
      // precision asked for or written anew on another datum, never finer.
      const std::string echo = MgrsEcho(in.at(0));
      const std::size_t given = MgrsInputDigits(echo);
      const std::size_t kept = std::min(given, digits);
      std::string solid = echo;
      std::erase(solid, ' ');
      // Belgian squares are written with or without their zone, whichever
      // way they were read.
      const auto withoutZone = [](std::string text) {
        if (text.starts_with("31U") || text.starts_with("32U")) text.erase(0, 3);
        return text;
      };
      if (c.datumFrom == c.datumDest && kept == given) {
        return out == solid || withoutZone(out) == withoutZone(solid);
      }
      return std::regex_match(out, MgrsOutput(kept));
    }
    case CoordKind::Ifbl: {
      const auto length = kIfblLength[static_cast<std::size_t>(
          ListPosition(koord::kIfblPrecisionTable, c.ifblPrecision))];
      // Codes outside the lettered grid are refused, not shown.
      const std::optional<std::string> code = IfblCode(out, c.ifblDots);
      return code && koord::IFBL::IsGridCode(*code) &&
             (c.coorFrom == CoordKind::Ifbl ? *code == IfblEcho(in.at(0)).substr(0, length)
                                            : code->size() == length);
    }
  }
  return false;
}

// An output field of a CSV line without its quotes.
std::string Unquoted(std::string_view out, char separator) {
  if (separator == '\t' || !out.starts_with('"')) return std::string(out);
  std::string text;
  for (std::size_t i = 1; i + 1 < out.size(); ++i) {
    text += out[i];
    if (out[i] == '"') ++i;
  }
  return text;
}

// A reason never shows a coordinate: no digits, but inside the « » that
// quote a field, in the echo of a refused MGRS input and in the few fixed
// reasons that name latitudes.
bool IsReason(std::string_view out) {
  if (out.empty()) return false;
  if (out.starts_with(koord::kBadMgrsPrefix) && out.ends_with(")")) return true;
  // Reasons whose detail is numbers of their own: distances, counts of
  // fields, columns.
  static const std::regex counted(
      "(Loin de la Belgique|Aucune lecture près de la Belgique|Les coordonnées se lisent en "
      "plusieurs colonnes ; choisissez la bonne)( : .*)?|"
      "[0-9]+ champs séparés par des (blancs|virgules) pour .*");
  if (std::regex_match(std::string(out), counted)) return true;
  for (std::string_view known : kReasonsWithDigits) {
    if (out.starts_with(known)) out.remove_prefix(known.size());
  }
  // From the first « to the last »: a quoted field may hold » itself.
  std::string unquoted(out);
  const std::size_t open = out.find("\xC2\xAB ");
  const std::size_t close = out.rfind(" \xC2\xBB");
  if (open != std::string_view::npos && close != std::string_view::npos && close > open) {
    unquoted = std::string(out.substr(0, open)) + std::string(out.substr(close + 3));
  }
  return unquoted.find_first_of("0123456789") == std::string::npos &&
         !koord::fuzz::HoldsNanOrInf(unquoted);
}

// The blanks of a field: blank, tab and the no-break spaces.
std::string WithoutBlanks(std::string_view field) {
  static const std::regex blanks("[ \t]|\xC2\xA0|\xE2\x80\xAF|\xEF\xBB\xBF");
  std::string text = std::regex_replace(std::string(field), blanks, "");
  return std::regex_replace(text, std::regex("\xE2\x88\x92"), "-");
}

// A number as users type it, its blanks taken out; its value, or nothing.
std::optional<double> Number(std::string_view field) {
  static const std::regex number(R"([+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?)");
  std::string text = WithoutBlanks(field);
  if (!std::regex_match(text, number)) return std::nullopt;
  for (char& c : text) c = c == ',' ? '.' : c;
  const double value = std::strtod(text.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// A Lambert value: under 1000, kilometres.
double Metres(double value) {
  return value < kKilometreLimit ? value * kMetresPerKilometre : value;
}

// Lines that no run may turn into a coordinate, read with a layout the user
// gave: a coordinate field missing or not of the grammar, Lambert outside
// the accepted ranges (bounds included), degrees without a digit.
bool MustBeRefused(const koord::BatchChoices& c, const std::vector<std::string>& fields) {
  if (fields.empty()) return true;
  if (IsDegreeKind(c.coorFrom)) {
    for (const std::string& field : fields) {
      if (field.find_first_of("0123456789") != std::string::npos) return false;
    }
    return true;
  }
  if (fields.size() < FieldCount(c.coorFrom)) return true;
  if (c.coorFrom == CoordKind::Lambert2008) {
    const std::optional<double> a = Number(fields[0]);
    const std::optional<double> b = Number(fields[1]);
    return !(a && b && kLambert2008Bounds.Contains(Metres(*a), Metres(*b)));
  }
  if (c.coorFrom == CoordKind::Utm) {
    static const std::regex zone("(0?[1-9]|[1-5][0-9]|60)[C-HJ-NP-Xc-hj-np-x]");
    return !std::regex_match(WithoutBlanks(fields[0]), zone) || !Number(fields[1]) ||
           !Number(fields[2]);
  }
  if (c.coorFrom != CoordKind::Lambert) return false;
  std::optional<double> a = Number(fields[0]);
  std::optional<double> b = Number(fields[1]);
  if (!a || !b) return true;
  return !kLambertBounds.Contains(Metres(*a), Metres(*b));
}

// Where blanks or commas separate the fields, a line read as numbers holds
// exactly the columns before its coordinates and its coordinates.
bool AccountedFor(const koord::BatchChoices& c, std::string_view line) {
  const bool numbers = c.coorFrom == CoordKind::Lambert || c.coorFrom == CoordKind::Lambert2008 ||
                       c.coorFrom == CoordKind::Utm;
  const bool mayStandInValues =
      c.separator == koord::Separator::Blank || c.separator == koord::Separator::Comma;
  if (!numbers || !mayStandInValues) return true;
  return Fields(line, c.separator).size() == c.firstColumn - 1 + FieldCount(c.coorFrom);
}

// A whole number of the output that rounds `value`: the nearest, or either
// one at a tie.
bool RoundsTo(std::string_view out, double value) {
  const std::optional<double> written = Number(out);
  if (!written) return false;
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction < 0.5) return *written == floor;
  if (fraction > 0.5) return *written == floor + 1;
  return *written == floor || *written == floor + 1;
}

// The output's column names, joined by the output separator.
std::string ColumnNames(const koord::BatchChoices& c, char separatorCharacter) {
  const std::string separator(1, separatorCharacter);
  switch (c.coorDest) {
    case CoordKind::Lambert:
    case CoordKind::Lambert2008: return "X" + separator + "Y";
    case CoordKind::Utm: return "Zone" + separator + "Est" + separator + "Nord";
    case CoordKind::Degrees:
    case CoordKind::Dms: return "Latitude" + separator + "Longitude";
    case CoordKind::Mgrs: return "MGRS";
    case CoordKind::Ifbl: return "IFBL";
  }
  return {};
}

koord::BatchChoices Choose(koord::fuzz::FuzzBytes& bytes) {
  koord::BatchChoices choices;
  const auto pick = [&bytes](const auto& table) {
    return table[static_cast<std::size_t>(bytes.Pick(static_cast<int>(table.size())))].value;
  };
  const auto kind = [&bytes]() {
    const std::span<const koord::KindDescriptor> kinds = koord::AllKinds();
    return kinds[static_cast<std::size_t>(bytes.Pick(static_cast<int>(kinds.size())))].kind;
  };
  choices.coorFrom = kind();
  choices.coorDest = kind();
  // Sometimes each line read as its own kind; sometimes more outputs.
  choices.detectKind = bytes.Pick(6) == 0;
  if (bytes.Pick(6) == 0) {
    const CoordKind more = kind();
    if (more != choices.coorDest) choices.moreOutputs.push_back(more);
  }
  choices.showKind = bytes.Pick(8) == 0;
  choices.mgrsShort = bytes.Pick(4) == 0;
  choices.datumFrom = pick(koord::kDatumTable);
  choices.datumDest = pick(koord::kDatumTable);
  choices.mgrsPrecision = pick(koord::kMgrsPrecisionTable);
  choices.ifblPrecision = pick(koord::kIfblPrecisionTable);
  choices.ifblDots = bytes.Pick(2) == 0;
  choices.degreeDecimals = bytes.Between(koord::kMinDegreeDecimals, koord::kMaxDegreeDecimals);
  choices.decimalMark = bytes.Pick(2) == 0 ? '.' : ',';
  choices.metreDecimals = bytes.Between(0, koord::kMaxMetreDecimals);
  choices.separator = pick(koord::kSeparatorTable);
  if (choices.separator == koord::Separator::Comma) choices.decimalMark = '.';
  // The columns given, or found (0).
  choices.firstColumn = static_cast<std::size_t>(bytes.Between(0, 3));
  choices.nearBelgium = bytes.Pick(4) == 0;
  choices.keepLine = bytes.Pick(4) == 0;
  choices.preciseTransformation = bytes.Pick(2) == 0;
  // Mostly the point's own zone; sometimes one of Belgium's or a far one.
  constexpr std::array<std::int16_t, 6> kZones{0, 0, 0, 31, 32, 1};
  choices.utmZone = kZones[static_cast<std::size_t>(bytes.Pick(static_cast<int>(kZones.size())))];
  return choices;
}

// The choices in a few words, for the report of a broken invariant.
std::string Summary(const koord::BatchChoices& c) {
  std::string text = "-f ";
  text.append(c.detectKind ? "auto" : koord::Describe(c.coorFrom).cliName);
  text.append(" -t ").append(koord::Describe(c.coorDest).cliName);
  for (const CoordKind kind : c.moreOutputs) text.append(",").append(koord::Describe(kind).cliName);
  text.append(" --separator ").append(koord::EntryOf(koord::kSeparatorTable, c.separator).cliName);
  text.append(" --columns ").append(std::to_string(c.firstColumn));
  if (c.keepLine) text.append(" --keep");
  if (c.nearBelgium) text.append(" --near-belgium");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  koord::fuzz::FuzzBytes bytes(data, size);
  const koord::BatchChoices choices = Choose(bytes);
  const bool onMap = bytes.Pick(4) == 0;
  const koord::RunOutput output = onMap ? koord::RunOutput::Map : koord::RunOutput::Text;
  // Mostly Yes at every prompt; sometimes No at the first, second or third.
  const int noAt = bytes.Pick(8) < 5 ? 0 : bytes.Between(1, 3);
  // Fed in blocks of a size of its own, on one thread or two.
  const std::size_t block = static_cast<std::size_t>(bytes.Between(1, 64));
  const unsigned threads = static_cast<unsigned>(bytes.Between(1, 2));
  FuzzSink host(noAt);
  const std::string_view given = bytes.Rest();
  const bool returned = koord::fuzz::OnlyRuntimeError([&] {
    koord::BatchRun run(choices, output, host, threads);
    for (std::size_t at = 0; at < given.size(); at += block) run.Feed(given.substr(at, block));
    run.Finish();
  });
  Require(returned, "faults never leave the run");
  const std::string input = koord::fuzz::DecodedText(std::string(given));
  const bool utf16 =
      given.starts_with(koord::kUtf16LeMark) || given.starts_with(koord::kUtf16BeMark);
  const std::vector<std::string> lines = InputLines(input, utf16);

  const std::vector<std::string_view> out = OutputLines(host.Output());
  if (onMap) {
    Require(host.Points() <= static_cast<int>(lines.size()), "at most one point per line");
    return 0;
  }
  if (host.SaidNo()) {
    Require(out.size() <= lines.size(), "an ended run writes no more lines than it read");
  } else {
    Require(out.size() == lines.size(), "one output line per input line",
            std::to_string(lines.size()) + " in, " + std::to_string(out.size()) + " out");
  }
  // The layout the user gave, which the oracle can follow; otherwise the
  // run finds it, and only what holds for any layout is checked.
  const bool layoutGiven = choices.separator != koord::Separator::Auto && choices.firstColumn != 0;
  const std::string separators =
      layoutGiven ? std::string(1, koord::EntryOf(koord::kSeparatorTable, choices.separator).output)
                  : std::string("\t;,");
  bool seenText = false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    std::string_view line = out[i];
    const std::string trace =
        std::string(lines[i]) + " -> " + std::string(line) + "\n  with " + Summary(choices);
    Require(line.find_first_of("\r\n") == std::string::npos, "an output line holds no line end",
            trace);
    if (lines[i].find_first_not_of(" \t;,") == std::string_view::npos) {
      Require(line.empty(), "an empty record gives an empty line", trace);
      continue;
    }
    const bool mayBeHeader = !seenText;
    seenText = true;
    if (choices.keepLine) {
      Require(line.starts_with(lines[i]) && line.size() > lines[i].size() &&
                  separators.find(line[lines[i].size()]) != std::string::npos,
              "a kept line comes first", trace);
      line.remove_prefix(lines[i].size());
    }
    // The output separator: the one that follows a kept line, or the first
    // candidate that shows in the output.
    char separator = separators.front();
    if (choices.keepLine) {
      separator = line.front();
      line.remove_prefix(1);
    } else {
      for (const char candidate : separators) {
        if (line.find(candidate) != std::string_view::npos) {
          separator = candidate;
          break;
        }
      }
    }
    if (line == ColumnNames(choices, separator)) {
      Require(mayBeHeader, "only the first line of a text is a header", trace);
      continue;
    }
    const std::string text = Unquoted(line, separator);
    const bool plain = !choices.detectKind && choices.moreOutputs.empty() && !choices.showKind &&
                       !choices.mgrsShort;
    if (!plain) {
      // Several outputs, the kind shown first, or a kind found per line:
      // a reason, or as many fields as the outputs write.
      std::size_t fields = choices.showKind ? 1 : 0;
      fields += FieldCount(choices.coorDest);
      for (const CoordKind kind : choices.moreOutputs) fields += FieldCount(kind);
      const std::size_t cuts =
          static_cast<std::size_t>(std::count(line.begin(), line.end(), separator));
      Require(IsReason(text) || cuts + 1 >= fields, "a line gives its outputs' fields or a reason",
              trace);
      continue;
    }
    if (!layoutGiven) {
      Require(IsConverted(choices, {std::string(lines[i])}, std::string(line), separator) ||
                  IsReason(text) || choices.coorFrom == CoordKind::Mgrs ||
                  choices.coorFrom == CoordKind::Ifbl,
              "a line gives a well-formed coordinate or a reason without one", trace);
      continue;
    }
    const std::vector<std::string> fields = CoordinateFields(choices, lines[i]);
    const bool reason = IsReason(text);
    if (MustBeRefused(choices, fields) || !AccountedFor(choices, lines[i])) {
      Require(reason, "a refused line shows its reason", trace);
      continue;
    }
    Require(IsConverted(choices, fields, std::string(line), separator) || reason,
            "a line gives a well-formed coordinate or a reason without one", trace);
    // Lambert 1972 given back as it was: rounded, never cut.
    if (!reason && choices.coorFrom == CoordKind::Lambert &&
        choices.coorDest == CoordKind::Lambert && choices.metreDecimals == 0) {
      const std::size_t cut = line.find(separator);
      const std::optional<double> x = Number(fields[0]);
      const std::optional<double> y = Number(fields[1]);
      Require(x && y && RoundsTo(line.substr(0, cut), Metres(*x)) &&
                  RoundsTo(line.substr(cut + 1), Metres(*y)),
              "a Lambert point given back is rounded to the nearest metre", trace);
    }
  }
  return 0;
}
