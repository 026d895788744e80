#pragma once
// Walking the characters of a field: blanks of every kind users type
// between digits, and the non-ASCII signs that stand for ASCII ones.

#include <array>
#include <cstddef>
#include <string_view>

namespace koord {

// The no-break spaces of French number formats, the zero-width one that a
// byte-order mark becomes inside a text (files joined end to end), and the
// minus sign.
inline constexpr std::string_view kNoBreakSpace = "\xC2\xA0";               // U+00A0
inline constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";     // U+202F
inline constexpr std::string_view kZeroWidthNoBreakSpace = "\xEF\xBB\xBF";  // U+FEFF
inline constexpr std::string_view kMinusSign = "\xE2\x88\x92";              // U+2212
// Everything that counts as a blank in a field.
inline constexpr std::array<std::string_view, 5> kBlanks{
    " ", "\t", kNoBreakSpace, kNarrowNoBreakSpace, kZeroWidthNoBreakSpace};

// The text without the blanks at its ends.
std::string_view TrimBlanks(std::string_view text);

// Reads a field from left to right, one character (ASCII byte or UTF-8
// sequence) at a time.
class TextScan {
 public:
  explicit TextScan(std::string_view text) : text_(text) {}

  bool AtEnd() const { return at_ == text_.size(); }
  // The byte at the position, '\0' at the end.
  char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
  std::string_view Rest() const { return text_.substr(at_); }

  // Skips blanks (kBlanks).
  void SkipBlanks();
  // Takes `piece` when the text goes on with it.
  bool Take(std::string_view piece);
  // Takes one ASCII byte when it is one of `set`; returns it, or '\0'.
  char TakeOneOf(std::string_view set);
  // Takes a sign (+, - or U+2212) and returns -1 or +1; 0 when there is
  // none.
  int TakeSign();
  // Takes a run of digits and returns it (maybe empty).
  std::string_view TakeDigits();

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace koord
