#include "engine/LineSplitter.h"

#include <cstring>

namespace koord {

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::size_t LineSplitter::LineEnd(std::string_view block, std::size_t from) {
  // The next LF by memchr, then a CR before it: lines end in LF far more
  // often than in a lone CR.
  const char* start = block.data() + from;
  const std::size_t rest = block.size() - from;
  const void* lf = std::memchr(start, '\n', rest);
  const std::size_t span =
      lf == nullptr ? rest : static_cast<std::size_t>(static_cast<const char*>(lf) - start);
  const void* cr = std::memchr(start, '\r', span);
  const std::size_t end =
      cr == nullptr ? span : static_cast<std::size_t>(static_cast<const char*>(cr) - start);
  return from + end;
}

std::string_view LineEndingText(LineEnding ending) {
  switch (ending) {
    case LineEnding::Lf: return "\n";
    case LineEnding::Cr: return "\r";
    case LineEnding::CrLf: return "\r\n";
    case LineEnding::None: break;
  }
  return {};
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  while (i < text.size()) {
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    unsigned code = 0;
    unsigned min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1Fu;
      min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0Fu;
      min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07u;
      min = 0x10000;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
      code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

namespace {

// Windows-1252 from 0x80 to 0x9F, as Unicode; 0 where nothing is assigned.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
constexpr char16_t kReplacementCharacter = 0xFFFD;

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

}  // namespace

void AppendWindows1252(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char16_t code = byte;
    if (byte >= 0x80 && byte < 0xA0) {
      code = kWindows1252High[byte - 0x80];
      if (code == 0) code = kReplacementCharacter;
    }
    AppendUtf8(out, code);
  }
}

void LineSplitter::Decide(bool atEnd) {
  const bool utf8 = start_.starts_with(kByteOrderMark);
  const bool le = start_.starts_with(kUtf16LeMark);
  const bool be = start_.starts_with(kUtf16BeMark);
  if (utf8 || le || be) {
    byteOrderMark_ = true;
    start_.erase(0, utf8 ? kByteOrderMark.size() : kUtf16LeMark.size());
    encoding_ = utf8 ? Encoding::Bytes : Encoding::Utf16;
    if (!utf8) decoder_.emplace(be);
    return;
  }
  const bool maybeMark = kByteOrderMark.starts_with(start_) || kUtf16LeMark.starts_with(start_) ||
                         kUtf16BeMark.starts_with(start_);
  if (!atEnd && maybeMark) return;
  encoding_ = Encoding::Bytes;
}

void LineSplitter::Keep(std::string_view piece) {
  const std::size_t room = kMaxLineLength - line_.size();
  if (piece.size() > room) {
    tooLong_ = true;
    piece = piece.substr(0, room);
  }
  line_.append(piece);
}

}  // namespace koord
