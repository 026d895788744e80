// The batch converter on arbitrary text, with the run's choices (kinds,
// datums, precisions, decimal mark, line end, text or map, and the answers
// at the "Continuer?" prompt) taken from the first bytes.
//
// With every prompt answered Yes the output has exactly one line per input
// line: empty for a blank line, otherwise either a coordinate of the output
// kind, well formed, or a reason that shows no coordinate; always a reason
// for a missing field and for numbers outside the accepted ranges. Nothing
// holds "nan" or "inf". The map gets finite points only, and is shown once,
// after the last one. The pointer is normal whenever a prompt shows and
// after the run; a No ends the run without showing the map.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "core/TransCoo.h"
#include "engine/BatchConverter.h"
#include "engine/LineConverter.h"
#include "engine/NumberReader.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"
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

// The UTF-8 byte-order mark, skipped at the start of a text.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Accepted input, bounds included: Lambert 1972 metres and degrees.
constexpr double kLambertMaxX = 310000;
constexpr double kLambertMaxY = 260000;
constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;
// A Lambert value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

// Reasons that hold digits without being coordinates.
const std::array<std::string_view, 2> kReasonsWithDigits{
    koord::ReasonText(koord::Reason::OutsideUtm), koord::ReasonText(koord::Reason::OutsideLambert)};

// The host: a text in, a text out, a map that records its points, and the
// prompt answered Yes, or No at the answer given.
class FuzzHost : public koord::BatchHost {
 public:
  FuzzHost(std::string input, int noAtPrompt) : input_(std::move(input)), noAt_(noAtPrompt) {}

  std::string InputText() override { return input_; }
  void SetInputText(const std::string& text) override {
    Require(!input_.empty() && static_cast<unsigned char>(input_.back()) > ' ' &&
                text == input_ + "\r\n",
            "the input only gets its closing line break");
    input_ = text;
  }
  void AppendOutput(std::string_view text) override { output_ += text; }
  void SetBusy(bool busy) override { busy_ = busy; }
  bool AskContinue(const std::string& message) override {
    Require(!busy_, "the pointer is normal while the prompt shows");
    Require(message.ends_with("\r\n\r\nContinuer?"), "the prompt asks Continuer?", message);
    return ++prompts_ != noAt_;
  }
  void PrepareMap() override {
    Require(!prepared_, "the map is prepared once");
    prepared_ = true;
  }
  void PlotPoint(double x, double y) override {
    Require(prepared_ && !shown_, "points go on the prepared map before it shows");
    Require(std::isfinite(x) && std::isfinite(y), "a plotted point is finite");
    ++points_;
  }
  void ShowMap() override {
    Require(prepared_ && !shown_, "the map shows once, after its points");
    shown_ = true;
  }

  const std::string& Output() const { return output_; }
  bool Busy() const { return busy_; }
  bool SaidNo() const { return noAt_ > 0 && prompts_ >= noAt_; }
  bool Shown() const { return shown_; }
  int Points() const { return points_; }

 private:
  std::string input_;
  std::string output_;
  int noAt_;
  int prompts_ = 0;
  bool busy_ = false;
  bool prepared_ = false;
  bool shown_ = false;
  int points_ = 0;
};

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The lines of the input: a byte-order mark at the start is no text; CR LF,
// LF and a lone CR each end a line; the rest after the last line end is a
// line unless it is blank.
std::vector<std::string_view> InputLines(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
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

std::vector<std::string_view> OutputLines(std::string_view text, std::string_view end) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t at = text.find(end);
    Require(at != std::string_view::npos, "every output line ends with the line end");
    lines.push_back(text.substr(0, at));
    text.remove_prefix(at + end.size());
  }
  return lines;
}

std::string FirstField(std::string_view line) {
  return std::string(line.substr(0, line.find('\t')));
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// What the object keeps of an MGRS input: the upper-case text without
// leading and trailing blanks.
std::string MgrsEcho(std::string_view line) {
  const std::string field = Upper(FirstField(line));
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
std::string IfblEcho(std::string_view line) {
  std::string code;
  for (char c : Upper(FirstField(line))) {
    if (c != ' ' && c != '.') code += c;
  }
  return code;
}

const std::regex kLambertOutput("-?[0-9]+\t-?[0-9]+");

std::regex DegreePattern(const std::string& mark) {
  return std::regex("-?[0-9]{2,}" + mark + "[0-9]{5}\t-?[0-9]{3,}" + mark + "[0-9]{5}");
}

const std::regex& DegreeOutput(char mark) {
  static const std::regex stop = DegreePattern("\\.");
  static const std::regex comma = DegreePattern(",");
  return mark == '.' ? stop : comma;
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
// input line `in`.
bool IsConverted(const koord::BatchChoices& c, std::string_view in, const std::string& out) {
  switch (c.coorDest) {
    case CoordKind::Lambert: return std::regex_match(out, kLambertOutput);
    case CoordKind::Degrees: return std::regex_match(out, DegreeOutput(c.decimalMark));
    case CoordKind::Mgrs: {
      const auto digits = kMgrsDigits[static_cast<std::size_t>(
          ListPosition(koord::kMgrsPrecisionTable, c.mgrsPrecision))];
      if (c.coorFrom != CoordKind::Mgrs) return std::regex_match(out, MgrsOutput(digits));
      // An MGRS input is given back as it is, unless it is cut to the
      // precision asked for or written anew on another datum, never finer.
      const std::string echo = MgrsEcho(in);
      const std::size_t given = MgrsInputDigits(echo);
      const std::size_t kept = std::min(given, digits);
      if (c.datumFrom == c.datumDest && kept == given) return out == echo;
      return std::regex_match(out, MgrsOutput(kept));
    }
    case CoordKind::Ifbl: {
      const auto length = kIfblLength[static_cast<std::size_t>(
          ListPosition(koord::kIfblPrecisionTable, c.ifblPrecision))];
      // Codes outside the lettered grid are refused, not shown.
      return koord::IFBL::IsGridCode(out) &&
             (c.coorFrom == CoordKind::Ifbl ? out == IfblEcho(in).substr(0, length)
                                            : out.size() == length);
    }
  }
  return false;
}

// A reason never shows a coordinate: no digits, but in the echo of a
// refused MGRS input and in the few fixed reasons that name latitudes.
bool IsReason(std::string_view out) {
  if (out.empty()) return false;
  if (out.starts_with(koord::kBadMgrsPrefix) && out.ends_with(")")) return true;
  for (std::string_view known : kReasonsWithDigits) {
    if (out == known) return true;
  }
  return out.find_first_of("0123456789") == std::string_view::npos &&
         !koord::fuzz::HoldsNanOrInf(out);
}

// Lines that no converter may turn into a coordinate: a missing field, a
// number too large to read, or Lambert 1972 or degrees outside the accepted
// ranges (bounds included; Lambert values under 1000 are kilometres).
bool MustBeRefused(const koord::BatchChoices& c, std::string_view line) {
  if (c.coorFrom != CoordKind::Lambert && c.coorFrom != CoordKind::Degrees) return false;
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return true;
  const std::string_view second = line.substr(tab + 1);
  double a = 0;
  double b = 0;
  try {
    a = koord::ReadNumber(line.substr(0, tab));
    b = koord::ReadNumber(second.substr(0, second.find('\t')));
  } catch (const koord::RuntimeError&) {
    return true;
  }
  if (c.coorFrom == CoordKind::Degrees)
    return !(a >= -kMaxLatitude && a <= kMaxLatitude && b >= -kMaxLongitude && b <= kMaxLongitude);
  if (a < kKilometreLimit) a *= kMetresPerKilometre;
  if (b < kKilometreLimit) b *= kMetresPerKilometre;
  return !(a >= 0 && a <= kLambertMaxX && b >= 0 && b <= kLambertMaxY);
}

koord::BatchChoices Choose(koord::fuzz::FuzzBytes& bytes) {
  koord::BatchChoices choices;
  const auto pick = [&bytes](const auto& table) {
    return table[static_cast<std::size_t>(bytes.Pick(static_cast<int>(table.size())))].value;
  };
  choices.coorFrom = pick(koord::kKindTable);
  choices.coorDest = pick(koord::kKindTable);
  choices.datumFrom = pick(koord::kDatumTable);
  choices.datumDest = pick(koord::kDatumTable);
  choices.mgrsPrecision = pick(koord::kMgrsPrecisionTable);
  choices.ifblPrecision = pick(koord::kIfblPrecisionTable);
  choices.decimalMark = bytes.Pick(2) == 0 ? '.' : ',';
  choices.lineEnd = bytes.Pick(2) == 0 ? "\r\n" : "\n";
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
  FuzzHost host(std::string(bytes.Rest()), noAt);
  const bool returned =
      koord::fuzz::OnlyRuntimeError([&] { koord::Converti(host, choices, output); });
  Require(returned, "faults never leave Converti");
  Require(!host.Busy(), "the pointer is normal after the run");
  // The lines of the input box as the run left it, closing line break
  // included: it makes a text of only a byte-order mark one empty line.
  const std::string input = host.InputText();
  const std::vector<std::string_view> lines = InputLines(input);

  const std::vector<std::string_view> out = OutputLines(host.Output(), choices.lineEnd);
  if (onMap) {
    Require(out.empty(), "map mode writes no text");
    Require(host.Points() <= static_cast<int>(lines.size()), "at most one point per line");
    Require(host.Shown() != host.SaidNo(), "the map shows unless the run was ended");
    return 0;
  }
  if (host.SaidNo()) {
    Require(out.size() <= lines.size(), "an ended run writes no more lines than it read");
  } else {
    Require(out.size() == lines.size(), "one output line per input line",
            std::to_string(lines.size()) + " in, " + std::to_string(out.size()) + " out");
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::string line(out[i]);
    Require(line.find_first_of("\r\n") == std::string::npos, "an output line holds no line end",
            line);
    if (IsBlank(lines[i])) {
      Require(line.empty(), "a blank line gives an empty line", line);
      continue;
    }
    if (MustBeRefused(choices, lines[i])) {
      Require(IsReason(line), "a refused line shows its reason",
              std::string(lines[i]) + " -> " + line);
      continue;
    }
    Require(IsConverted(choices, lines[i], line) || IsReason(line),
            "a line gives a well-formed coordinate or a reason without one",
            std::string(lines[i]) + " -> " + line);
  }
  return 0;
}
