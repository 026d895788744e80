#include "engine/LineSplitter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "support/Ascii.h"

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

namespace {

// Eight bytes at a time: no byte of an ASCII text has its high bit set.
bool IsAsciiText(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::uint64_t seen = 0;
  std::size_t i = 0;
  for (; i + sizeof seen <= text.size(); i += sizeof seen) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + i, sizeof word);
    seen |= word;
  }
  for (; i < text.size(); ++i) seen |= static_cast<unsigned char>(text[i]);
  return (seen & kHighBits) == 0;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  // Lines are ASCII far more often than not: settled at once.
  if (IsAsciiText(text)) return true;
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
