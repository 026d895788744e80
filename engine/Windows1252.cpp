#include "engine/Windows1252.h"

#include <cstddef>
#include <cstdint>

namespace koord {
namespace {

// Windows-1252 from 0x80 to 0x9F, as Unicode; 0 where nothing is assigned.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
constexpr unsigned char kFirstHigh = 0x80;
constexpr unsigned char kFirstLatin1 = 0xA0;
constexpr char16_t kReplacementCharacter = 0xFFFD;
constexpr char16_t kNarrowNoBreakSpace = 0x202F;
constexpr char kNoBreakSpace = '\xA0';

void AppendUtf8(std::string& out, char16_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The Windows-1252 byte of a character, or '?'.
char ByteOf(std::uint32_t code) {
  if (code < kFirstHigh || (code >= kFirstLatin1 && code <= 0xFF)) return static_cast<char>(code);
  if (code == kNarrowNoBreakSpace) return kNoBreakSpace;
  for (std::size_t i = 0; i < std::size(kHigh); ++i) {
    if (kHigh[i] != 0 && kHigh[i] == code) return static_cast<char>(kFirstHigh + i);
  }
  return '?';
}

}  // namespace

void AppendWindows1252(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char16_t code = byte;
    if (byte >= kFirstHigh && byte < kFirstLatin1) {
      code = kHigh[byte - kFirstHigh];
      if (code == 0) code = kReplacementCharacter;
    }
    AppendUtf8(out, code);
  }
}

void AppendAsWindows1252(std::string& out, std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + length > utf8.size()) {
      out += '?';
      return;
    }
    std::uint32_t code = length == 1 ? lead : lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    }
    out += ByteOf(code);
    i += length;
  }
}

}  // namespace koord
