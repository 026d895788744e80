#pragma once
// ASCII character helpers, independent of the locale. Coordinates, codes
// and references are ASCII; any other byte is left as it is.

#include <string>
#include <string_view>

namespace koord::ascii {

constexpr bool IsAscii(char c) {
  return static_cast<unsigned char>(c) < 0x80;
}
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
constexpr bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}

constexpr char ToUpper(char c) {
  return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char ToLower(char c) {
  return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// In place, so that a text keeps its room from one point to the next.
inline void ToUpperInPlace(std::string& text) {
  for (char& c : text) c = ToUpper(c);
}

inline std::string ToUpper(std::string_view text) {
  std::string upper(text);
  ToUpperInPlace(upper);
  return upper;
}

inline std::string ToLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = ToLower(c);
  return lower;
}

// The text without the blanks (' ' only) at its ends.
constexpr std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text without the blanks at its end.
constexpr std::string_view TrimTrailingBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace koord::ascii
