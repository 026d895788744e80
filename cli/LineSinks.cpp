#include "cli/LineSinks.h"

#include <cstdint>

#include "engine/LineSplitter.h"
#include "engine/Windows1252.h"

namespace koord::cli {

bool IsRefused(const LineResult& line) {
  return line.status == LineStatus::Refused || line.status == LineStatus::Fault;
}

bool TextSink::Take(const LineResult& line) {
  if (IsRefused(line)) messages_.Add(static_cast<std::uint32_t>(line.text), line.number, line.why);
  if (keepLines_ && line.byteOrderMark && first_) output_.Write(kByteOrderMark);
  first_ = false;
  if (keepLines_ && line.windows1252) {
    // The line goes back in the encoding it came in, its result with it.
    encoded_.clear();
    AppendAsWindows1252(encoded_, line.output);
    output_.Write(encoded_);
  } else {
    output_.Write(line.output);
  }
  // A file keeps to one kind of line end: its first line's.
  if (keepLines_ && !lineEndSeen_ && line.ending != LineEnding::None) {
    lineEnd_ = LineEndingText(line.ending);
    lineEndSeen_ = true;
  }
  output_.Write(lineEnd_);
  return true;
}

bool MapSink::Take(const LineResult& line) {
  if (IsRefused(line)) {
    messages_.Add(static_cast<std::uint32_t>(line.text), line.number, line.why);
  } else if (line.status == LineStatus::Converted) {
    points_.push_back({line.x, line.y});
  }
  return true;
}

}  // namespace koord::cli
