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

void LineSplitter::Decide(bool atEnd) {
  const bool utf8 = start_.starts_with(kByteOrderMark);
  const bool le = start_.starts_with(kUtf16LeMark);
  const bool be = start_.starts_with(kUtf16BeMark);
  if (utf8 || le || be) {
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
