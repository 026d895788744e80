#include "engine/FieldSplitter.h"

#include <algorithm>

namespace koord {
namespace {

constexpr char kQuote = '"';

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

bool IsSeparator(char c, char separator) {
  return separator == ' ' ? IsBlank(c) : c == separator;
}

// The blanks before a field's opening quote. A tab that separates fields is
// no such blank: skipping it would merge the empty fields before the quote
// into the quoted one, and read coordinates from the wrong columns.
std::string_view SkipPadding(std::string_view text, char separator) {
  while (!text.empty() && IsBlank(text.front()) && !IsSeparator(text.front(), separator)) {
    text.remove_prefix(1);
  }
  return text;
}

}  // namespace

void FieldSplitter::Split(std::string_view line, Separator separator, std::size_t wanted) {
  fields_.clear();
  const char cut = EntryOf(kSeparatorTable, separator).input;
  const bool blanks = separator == Separator::Blank;
  if (!blanks && line.find(kQuote) == std::string_view::npos) {
    SplitUnquoted(line, cut, wanted);
    return;
  }
  unquoted_.clear();
  // Views into unquoted_ must survive its growth: room for the whole line.
  unquoted_.reserve(line.size());
  std::string_view rest = blanks ? SkipBlanks(line) : line;
  while (fields_.size() < wanted) {
    if (const std::string_view padded = SkipPadding(rest, cut);
        !padded.empty() && padded.front() == kQuote) {
      fields_.push_back(TakeQuoted(rest, cut));
    } else {
      std::size_t end = blanks ? 0 : std::min(rest.find(cut), rest.size());
      while (blanks && end < rest.size() && !IsBlank(rest[end])) ++end;
      fields_.push_back(rest.substr(0, end));
      rest.remove_prefix(end);
    }
    // rest starts at a separator, or is empty.
    if (rest.empty()) break;
    rest.remove_prefix(1);
    if (blanks) rest = SkipBlanks(rest);
    if (blanks && rest.empty()) break;
  }
}

void FieldSplitter::SplitUnquoted(std::string_view line, char separator, std::size_t wanted) {
  while (fields_.size() < wanted) {
    const std::size_t end = std::min(line.find(separator), line.size());
    fields_.push_back(line.substr(0, end));
    if (end == line.size()) break;
    line.remove_prefix(end + 1);
  }
}

std::string_view FieldSplitter::TakeQuoted(std::string_view& rest, char separator) {
  rest = SkipPadding(rest, separator);
  rest.remove_prefix(1);  // the opening quote
  const std::size_t start = unquoted_.size();
  while (!rest.empty()) {
    const char c = rest.front();
    rest.remove_prefix(1);
    if (c != kQuote) {
      unquoted_ += c;
    } else if (!rest.empty() && rest.front() == kQuote) {
      unquoted_ += kQuote;
      rest.remove_prefix(1);
    } else {
      break;  // the closing quote
    }
  }
  // Whatever stands between the closing quote and the separator belongs to
  // the field too (blanks, or text that makes it no number).
  while (!rest.empty() && !IsSeparator(rest.front(), separator)) {
    unquoted_ += rest.front();
    rest.remove_prefix(1);
  }
  return std::string_view(unquoted_).substr(start);
}

void AppendField(std::string& out, std::string_view field, char separator) {
  if (separator == '\t' ||
      field.find_first_of(std::string{separator, kQuote}) == std::string_view::npos) {
    out += field;
    return;
  }
  out += kQuote;
  for (const char c : field) {
    if (c == kQuote) out += kQuote;
    out += c;
  }
  out += kQuote;
}

}  // namespace koord
