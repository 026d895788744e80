#include "engine/LayoutFinder.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "engine/Belgium.h"
#include "engine/FieldSplitter.h"
#include "engine/NumberReader.h"
#include "support/Ascii.h"

namespace koord {
namespace {

// The separators a line may be cut at: the one chosen, or those its
// characters suggest, in the order they are tried.
std::vector<Separator> Candidates(std::string_view line, Separator chosen) {
  if (chosen != Separator::Auto) return {chosen};
  if (line.find('\t') != std::string_view::npos) return {Separator::Tab};
  if (line.find(';') != std::string_view::npos) return {Separator::Semicolon};
  return {Separator::Blank, Separator::Comma};
}

// A header is cut where its names are: at tabs, semicolons, commas or
// blanks, in that order.
Separator HeaderSeparator(std::string_view line, Separator chosen) {
  if (chosen != Separator::Auto) return chosen;
  for (const Separator separator : {Separator::Tab, Separator::Semicolon, Separator::Comma}) {
    if (line.find(EntryOf(kSeparatorTable, separator).input) != std::string_view::npos) {
      return separator;
    }
  }
  return Separator::Blank;
}

// The lower-case ASCII letter of a Latin letter with or without accent
// (two UTF-8 bytes from U+00C0), or '\0'.
char FoldedLetter(std::string_view text, std::size_t& at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (ascii::IsUpper(text[at]) || ascii::IsLower(text[at])) return ascii::ToLower(text[at]);
  if (byte == 0xC3 && at + 1 < text.size()) {
    // À..ÿ: the base letter of the accented ones Belgian headers use.
    static constexpr std::string_view kBase =
        "aaaaaaaceeeeiiiidnooooo/ouuuuyts"   // U+00C0..U+00DF
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // U+00E0..U+00FF
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second >= 0x80 && second <= 0xBF) {
      ++at;
      const char base = kBase[second - 0x80];
      return base == '/' ? '\0' : base;
    }
  }
  return '\0';
}

// The words of a header's field: runs of letters, folded to lower-case
// ASCII ("Lat (WGS84)" -> lat, wgs; "X_BL72" -> x, bl; "Längengrad" ->
// langengrad, with "ä" folded to "a").
std::vector<std::string> Words(std::string_view field) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t at = 0; at < field.size(); ++at) {
    const char letter = FoldedLetter(field, at);
    if (letter != '\0') {
      word += letter;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

// Whether a header's field names the coordinate whose words are `names`.
// One letter ("X", "E", "N") names it only as the first or the last word of
// a field of at most two ("X", "X (m)", "X_BL72", "Lambert X"), and never
// beside a sign of numbering ("N°", "#").
bool Names(std::string_view field, std::span<const std::string_view> names) {
  const std::vector<std::string> words = Words(field);
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (std::find(names.begin(), names.end(), words[i]) == names.end()) continue;
    if (words[i].size() > 1) return true;
    const bool numbering = field.find("\xC2\xB0") != std::string_view::npos ||
                           field.find('#') != std::string_view::npos;
    const bool edge = i == 0 || i + 1 == words.size();
    if (!numbering && edge && words.size() <= 2) return true;
  }
  return false;
}

bool HoldsLetter(std::string_view field) {
  return std::any_of(field.begin(), field.end(), [](char c) {
    return ascii::IsUpper(c) || ascii::IsLower(c) || !ascii::IsAscii(c);
  });
}

bool SeparatorMayStandInValues(Separator separator) {
  return separator == Separator::Blank || separator == Separator::Comma;
}

}  // namespace

LayoutFinder::LayoutFinder(const BatchChoices& choices)
    : choices_(choices), kind_(Describe(choices.coorFrom)), probe_(choices, RunOutput::Text) {}

std::optional<Layout> LayoutFinder::Given() const {
  if (choices_.separator == Separator::Auto || choices_.firstColumn == 0) return std::nullopt;
  Layout layout;
  layout.separator = choices_.separator;
  layout.first = choices_.firstColumn - 1;
  return layout;
}

std::optional<Layout> LayoutFinder::FromHeader(std::string_view line) const {
  // Lines of any kind have no columns to name.
  if (choices_.firstColumn != 0 || choices_.detectKind) return std::nullopt;
  Layout layout;
  layout.separator = HeaderSeparator(line, choices_.separator);
  FieldSplitter fields;
  fields.Split(line, layout.separator, std::numeric_limits<std::size_t>::max());
  layout.named = true;
  layout.total = fields.Count();
  for (std::size_t coordinate = 0; coordinate < kind_.fieldCount; ++coordinate) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < fields.Count(); ++i) {
      const auto used = layout.fields.begin() + static_cast<std::ptrdiff_t>(coordinate);
      if (std::find(layout.fields.begin(), used, i) != used) continue;
      if (!Names(fields[i], kind_.headerWords[coordinate])) continue;
      // Two columns with the same name leave it open which is meant.
      if (found) return std::nullopt;
      found = i;
    }
    if (!found) return std::nullopt;
    layout.fields[coordinate] = *found;
  }
  layout.first = layout.fields[0];
  return layout;
}

std::optional<Layout> LayoutFinder::FromData(std::string_view line) {
  for (const Separator separator : Candidates(line, choices_.separator)) {
    FieldSplitter fields;
    fields.Split(line, separator, std::numeric_limits<std::size_t>::max());
    std::size_t from = 0;
    std::size_t to = fields.Count();
    if (choices_.firstColumn != 0) {
      from = choices_.firstColumn - 1;
      to = std::min(to, from + 1);
    }
    std::optional<std::size_t> firstRead;
    std::vector<std::size_t> near;
    // Fields a reading took are read, not read again from one of them:
    // "ES 963 329" is no second reading of "31U ES 963 329".
    std::size_t readUpTo = 0;
    for (std::size_t first = from; first < to; ++first) {
      if (first < readUpTo) continue;
      // Where blanks or commas may stand inside values, a field before the
      // coordinates that reads as one may be a piece of them: "150 000
      // 170 000" is no point 170000, 0 after an identifier "150 000".
      if (choices_.firstColumn == 0 && SeparatorMayStandInValues(separator) && first > 0 &&
          kind_.fieldCount > 1 && kind_.looksLikeValue(fields[first - 1], 0)) {
        break;
      }
      Layout layout;
      layout.separator = separator;
      layout.first = first;
      const std::optional<LineConverter::ProbeResult> probe = probe_.Probe(line, layout);
      if (!probe) continue;
      readUpTo = first + probe->consumed;
      if (!firstRead) firstRead = first;
      if (probe->kilometres <= kFarFromBelgiumKm) near.push_back(first);
    }
    if (!firstRead) continue;
    Layout layout;
    layout.separator = separator;
    layout.first = near.empty() ? *firstRead : near.front();
    if (near.size() > 1) layout.alternative = near[1];
    return layout;
  }
  return std::nullopt;
}

Layout LayoutFinder::Fallback(std::string_view line) const {
  Layout layout;
  layout.separator = Candidates(line, choices_.separator).front();
  layout.first = choices_.firstColumn == 0 ? 0 : choices_.firstColumn - 1;
  return layout;
}

bool LayoutFinder::IsHeader(std::string_view line, const Layout& layout) const {
  FieldSplitter fields;
  fields.Split(line, layout.separator, std::numeric_limits<std::size_t>::max());
  bool letter = false;
  if (choices_.detectKind) {
    // Any kind's values hold a digit.
    for (std::size_t at = layout.first; at < fields.Count(); ++at) {
      if (HasDigit(fields[at])) return false;
      letter = letter || HoldsLetter(fields[at]);
    }
    return letter;
  }
  for (std::size_t i = 0; i < kind_.fieldCount; ++i) {
    const std::size_t at = layout.named ? layout.fields[i] : layout.first + i;
    if (at >= fields.Count()) break;
    if (kind_.looksLikeValue(fields[at], i)) return false;
    letter = letter || HoldsLetter(fields[at]);
  }
  return letter;
}

}  // namespace koord
