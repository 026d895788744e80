#include "fuzz/TextOracle.h"

#include <cstddef>
#include <vector>

namespace koord::fuzz {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::string Utf8(const std::vector<char32_t>& codes) {
  std::string out;
  for (const char32_t c : codes) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::vector<char32_t> units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    units.push_back(static_cast<char32_t>(hi << 8 | lo));
  }
  std::vector<char32_t> codes;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t u = units[i];
    const bool high = u >= 0xD800 && u < 0xDC00;
    const bool low = u >= 0xDC00 && u < 0xE000;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      codes.push_back(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else {
      codes.push_back(high || low ? kReplacement : u);
    }
  }
  if (bytes.size() % 2 != 0) codes.push_back(kReplacement);
  return Utf8(codes);
}

}  // namespace

std::string DecodedText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  return std::string(bytes);
}

}  // namespace koord::fuzz
