#include "engine/LineSplitter.h"

namespace koord {

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
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
