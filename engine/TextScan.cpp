#include "engine/TextScan.h"

#include "support/Ascii.h"

namespace koord {

namespace {

// The length of the blank that `text` starts (or, with `atEnd`, ends) with;
// 0 when there is none.
std::size_t BlankLength(std::string_view text, bool atEnd) {
  if (text.empty()) return 0;
  // The blanks beyond ASCII start and end with bytes above 0x7F, so an
  // ASCII byte at the edge, the common case, settles it at once.
  const char edge = atEnd ? text.back() : text.front();
  if (ascii::IsAscii(edge)) return edge == ' ' || edge == '\t' ? 1 : 0;
  for (const std::string_view blank : kBlanks) {
    if (atEnd ? text.ends_with(blank) : text.starts_with(blank)) return blank.size();
  }
  return 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (const std::size_t n = BlankLength(text, false)) text.remove_prefix(n);
  while (const std::size_t n = BlankLength(text, true)) text.remove_suffix(n);
  return text;
}

void TextScan::SkipBlanks() {
  while (const std::size_t n = BlankLength(Rest(), false)) at_ += n;
}

bool TextScan::Take(std::string_view piece) {
  if (!Rest().starts_with(piece)) return false;
  at_ += piece.size();
  return true;
}

char TextScan::TakeOneOf(std::string_view set) {
  const char c = Peek();
  if (c == '\0' || set.find(c) == std::string_view::npos) return '\0';
  ++at_;
  return c;
}

int TextScan::TakeSign() {
  switch (Peek()) {
    case '+': ++at_; return +1;
    case '-': ++at_; return -1;
    default: return Take(kMinusSign) ? -1 : 0;
  }
}

std::string_view TextScan::TakeDigits() {
  const std::size_t start = at_;
  while (ascii::IsDigit(Peek())) ++at_;
  return text_.substr(start, at_ - start);
}

}  // namespace koord
