// The batch converter on arbitrary text, with the run's choices (kinds,
// datums, precisions, dotted IFBL codes, degree decimals, decimal mark,
// separator, first column, whether the input line is kept, line end, text
// or map, and the answers at the "Continuer?" prompt) taken from the first
// bytes.
//
// With every prompt answered Yes the output has exactly one line per input
// line: empty for a blank line, the output's column names for a header (the
// first non-blank line when its coordinate fields hold no digit), otherwise
// either a coordinate of the output kind, well formed, or a reason that
// shows no coordinate (digits only inside the field it quotes). A line is
// never a coordinate unless its coordinate fields pass the grammar written
// here independently (a number, or for degrees an angle with at most one
// hemisphere letter) and lie in the accepted ranges. Nothing holds "nan" or
// "inf". The map gets finite points only, and is shown once, after the last
// one. The pointer is normal whenever a prompt shows and after the run; a No
// ends the run without showing the map.

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
#include "engine/NumberReader.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"
#include "fuzz/TextOracle.h"
#include "geodesy/Ifbl.h"
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

// Accepted input, bounds included: Lambert 1972 metres and degrees.
constexpr double kLambertMaxX = 310000;
constexpr double kLambertMaxY = 260000;
constexpr double kLambert2008MinX = 499900;
constexpr double kLambert2008MaxX = 810100;
constexpr double kLambert2008MinY = 499900;
constexpr double kLambert2008MaxY = 760100;
constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;
// A Lambert value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

// Reasons that hold digits without being coordinates.
const std::array<std::string_view, 7> kReasonsWithDigits{
    koord::kBadLambert2008,
    koord::ReasonText(koord::Reason::OutsideUtm, koord::Language::French),
    koord::ReasonText(koord::Reason::MinutesOrSecondsOutOfRange, koord::Language::French),
    koord::ReasonText(koord::Reason::OutsideLambert, koord::Language::French),
    koord::ReasonText(koord::Reason::OutsideLambert2008, koord::Language::French),
    koord::ReasonText(koord::Reason::UtmZoneTooFar, koord::Language::French),
    koord::ReasonText(koord::Reason::UnreadableZone, koord::Language::French)};

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
std::vector<std::string_view> InputLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (!IsBlank(text.substr(start))) lines.push_back(text.substr(start));
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
  const std::size_t first = c.firstColumn - 1;
  std::vector<std::string> fields;
  for (std::size_t i = first; i < all.size() && i < first + FieldCount(c.coorFrom); ++i) {
    fields.push_back(all[i]);
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
  const std::size_t head = s.size() > 1 && s[1] >= '0' && s[1] <= '9' ? 5 : 4;
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

std::regex LambertPattern(char separator) {
  return std::regex(std::string("-?[0-9]+") + separator + "-?[0-9]+");
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
                 const std::string& out) {
  const char separator = koord::EntryOf(koord::kSeparatorTable, c.separator).output;
  switch (c.coorDest) {
    case CoordKind::Lambert:
    case CoordKind::Lambert2008: return std::regex_match(out, LambertPattern(separator));
    case CoordKind::Utm:
      return std::regex_match(out, std::regex(std::string("([1-9]|[1-5][0-9]|60)[NS]") + separator +
                                              "[0-9]+" + separator + "[0-9]+"));
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
      if (c.datumFrom == c.datumDest && kept == given) return out == echo;
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

// An angle: a number, or degrees, minutes and seconds with their signs,
// with at most one hemisphere letter before or after. The value, when it is
// a plain number without a letter; a NaN for any other accepted form.
std::optional<double> Angle(std::string_view field) {
  static const std::string deg = "(\xC2\xB0|\xC2\xBA|\xCB\x9A|d|D|:)";
  static const std::string min = "('|\xE2\x80\xB2|\xE2\x80\x99|m|M|:)";
  static const std::string sec =
      "(\"|\xE2\x80\xB3|''|\xE2\x80\xB2\xE2\x80\xB2|\xE2\x80\x99\xE2\x80\x99|s|S)";
  static const std::regex sexagesimal("[+-]?[0-9]+([.,][0-9]*)?" + deg + "|[+-]?[0-9]+" + deg +
                                      "[0-9]+([.,][0-9]*)?" + min + "?|[+-]?[0-9]+" + deg +
                                      "[0-9]+" + min + "[0-9]+([.,][0-9]*)?" + sec + "?");
  const std::string text = WithoutBlanks(field);
  const auto reads = [&](const std::string& t) {
    return Number(t).has_value() || std::regex_match(t, sexagesimal);
  };
  if (const std::optional<double> plain = Number(text)) return plain;
  if (reads(text)) return std::nan("");
  static const std::string letters = "NSEWnsew";
  const bool front = !text.empty() && letters.find(text.front()) != std::string::npos;
  const bool back = !text.empty() && letters.find(text.back()) != std::string::npos;
  if ((front && reads(text.substr(1))) || (back && reads(text.substr(0, text.size() - 1)))) {
    return std::nan("");
  }
  return std::nullopt;
}

// Lines that no converter may turn into a coordinate: a coordinate field
// missing or not of the grammar, or Lambert 1972 or plain degrees outside
// the accepted ranges (bounds included; Lambert values under 1000 are
// kilometres).
bool MustBeRefused(const koord::BatchChoices& c, const std::vector<std::string>& fields) {
  if (fields.size() < FieldCount(c.coorFrom)) return true;
  if (IsDegreeKind(c.coorFrom)) {
    const std::optional<double> a = Angle(fields[0]);
    const std::optional<double> b = Angle(fields[1]);
    if (!a || !b) return true;
    if (std::isnan(*a) || std::isnan(*b)) return false;  // letters decide
    return !(std::fabs(*a) <= kMaxLatitude && std::fabs(*b) <= kMaxLongitude);
  }
  if (c.coorFrom == CoordKind::Lambert2008) {
    const std::optional<double> a = Number(fields[0]);
    const std::optional<double> b = Number(fields[1]);
    return !(a && b && *a >= kLambert2008MinX && *a <= kLambert2008MaxX && *b >= kLambert2008MinY &&
             *b <= kLambert2008MaxY);
  }
  if (c.coorFrom == CoordKind::Utm) {
    static const std::regex zone("(0?[1-9]|[1-5][0-9]|60)[NnSs]");
    return !std::regex_match(WithoutBlanks(fields[0]), zone) || !Number(fields[1]) ||
           !Number(fields[2]);
  }
  if (c.coorFrom != CoordKind::Lambert) return false;
  std::optional<double> a = Number(fields[0]);
  std::optional<double> b = Number(fields[1]);
  if (!a || !b) return true;
  if (*a < kKilometreLimit) *a *= kMetresPerKilometre;
  if (*b < kKilometreLimit) *b *= kMetresPerKilometre;
  return !(*a >= 0 && *a <= kLambertMaxX && *b >= 0 && *b <= kLambertMaxY);
}

// The output's column names, joined by the output separator.
std::string ColumnNames(const koord::BatchChoices& c) {
  const std::string separator(1, koord::EntryOf(koord::kSeparatorTable, c.separator).output);
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

bool HasDigit(const std::vector<std::string>& fields) {
  for (const std::string& field : fields) {
    if (field.find_first_of("0123456789") != std::string::npos) return true;
  }
  return false;
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
  choices.datumFrom = pick(koord::kDatumTable);
  choices.datumDest = pick(koord::kDatumTable);
  choices.mgrsPrecision = pick(koord::kMgrsPrecisionTable);
  choices.ifblPrecision = pick(koord::kIfblPrecisionTable);
  choices.ifblDots = bytes.Pick(2) == 0;
  choices.degreeDecimals = bytes.Between(koord::kMinDegreeDecimals, koord::kMaxDegreeDecimals);
  choices.decimalMark = bytes.Pick(2) == 0 ? '.' : ',';
  choices.separator = pick(koord::kSeparatorTable);
  if (choices.separator == koord::Separator::Comma) choices.decimalMark = '.';
  choices.firstColumn = static_cast<std::size_t>(bytes.Between(1, 3));
  choices.keepLine = bytes.Pick(4) == 0;
  choices.preciseTransformation = bytes.Pick(2) == 0;
  // Mostly the point's own zone; sometimes one of Belgium's or a far one.
  constexpr std::array<std::int16_t, 6> kZones{0, 0, 0, 31, 32, 1};
  choices.utmZone = kZones[static_cast<std::size_t>(bytes.Pick(static_cast<int>(kZones.size())))];
  return choices;
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
  const std::vector<std::string_view> lines = InputLines(input);

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
  const char separator = koord::EntryOf(koord::kSeparatorTable, choices.separator).output;
  bool seenText = false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    std::string_view line = out[i];
    const std::string trace = std::string(lines[i]) + " -> " + std::string(line);
    Require(line.find_first_of("\r\n") == std::string::npos, "an output line holds no line end",
            trace);
    if (IsBlank(lines[i])) {
      Require(line.empty(), "a blank line gives an empty line", trace);
      continue;
    }
    const bool mayBeHeader = !seenText;
    seenText = true;
    if (choices.keepLine) {
      const std::string kept = std::string(lines[i]) + separator;
      Require(line.starts_with(kept), "a kept line comes first", trace);
      line.remove_prefix(kept.size());
    }
    const std::vector<std::string> fields = CoordinateFields(choices, lines[i]);
    if (mayBeHeader && !HasDigit(fields)) {
      Require(line == ColumnNames(choices), "a header gets the column names", trace);
      continue;
    }
    const std::string text = Unquoted(line, separator);
    if (MustBeRefused(choices, fields)) {
      Require(IsReason(text), "a refused line shows its reason", trace);
      continue;
    }
    Require(IsConverted(choices, fields, std::string(line)) || IsReason(text),
            "a line gives a well-formed coordinate or a reason without one", trace);
  }
  return 0;
}
