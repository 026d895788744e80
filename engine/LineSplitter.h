#pragma once
// Cuts a text, given whole or in blocks, into lines. CR LF, LF and a lone CR
// each end a line (a CR LF split between two blocks is one line end). The
// unterminated rest at the end is a line when it holds anything but blanks
// and tabs. A line longer than kMaxLineLength bytes is delivered cut to
// that length and flagged, so memory stays bounded whatever the input.
//
//   LineSplitter lines;
//   lines.Feed(block, onLine);   // as often as there are blocks
//   lines.Finish(onLine);
//
// onLine(std::string_view line, bool tooLong) returns false to stop; Feed
// and Finish then return false and deliver nothing more.

#include <cstddef>
#include <string>
#include <string_view>

namespace koord {

// Longest line kept, in bytes; far beyond any point of coordinates.
inline constexpr std::size_t kMaxLineLength = 65536;

// True when the text holds only blanks and tabs (or nothing).
bool IsBlank(std::string_view text);

// The UTF-8 byte-order mark that some editors put at the start of a file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class LineSplitter {
 public:
  // A byte-order mark at the very start of the text is skipped, even when
  // it arrives split over blocks; anything else is text.
  template <typename OnLine>
  bool Feed(std::string_view block, OnLine&& onLine) {
    while (markMatched_ < kByteOrderMark.size() && !block.empty()) {
      if (block.front() != kByteOrderMark[markMatched_]) {
        // Not a mark after all: the bytes taken for one are text.
        const std::string_view taken = kByteOrderMark.substr(0, markMatched_);
        markMatched_ = kByteOrderMark.size();
        return FeedText(taken, onLine) && FeedText(block, onLine);
      }
      ++markMatched_;
      block.remove_prefix(1);
    }
    return FeedText(block, onLine);
  }

  template <typename OnLine>
  bool Finish(OnLine&& onLine) {
    if (markMatched_ < kByteOrderMark.size()) {
      const std::string_view taken = kByteOrderMark.substr(0, markMatched_);
      markMatched_ = kByteOrderMark.size();
      if (!FeedText(taken, onLine)) return false;
    }
    afterCr_ = false;
    if (IsBlank(line_) && !tooLong_) {
      line_.clear();
      return true;
    }
    return Deliver(onLine);
  }

 private:
  template <typename OnLine>
  bool FeedText(std::string_view block, OnLine& onLine) {
    for (std::size_t i = 0; i < block.size(); ++i) {
      const char c = block[i];
      if (c == '\n' && afterCr_) {
        afterCr_ = false;
        continue;
      }
      afterCr_ = c == '\r';
      if (c == '\r' || c == '\n') {
        if (!Deliver(onLine)) return false;
        continue;
      }
      // Plain characters up to the next line end go in one piece; a whole
      // line inside the block goes out from the block, uncopied.
      const std::size_t stop = LineEnd(block, i);
      if (line_.empty() && stop < block.size() && stop - i <= kMaxLineLength) {
        afterCr_ = block[stop] == '\r';
        if (!onLine(block.substr(i, stop - i), false)) return false;
        i = stop;
        continue;
      }
      Keep(block.substr(i, stop - i));
      i = stop - 1;
    }
    return true;
  }

  template <typename OnLine>
  bool Deliver(OnLine& onLine) {
    const bool go = onLine(std::string_view(line_), tooLong_);
    line_.clear();
    tooLong_ = false;
    return go;
  }

  void Keep(std::string_view piece);
  // Position of the first CR or LF at or after `from`, or the block's size.
  static std::size_t LineEnd(std::string_view block, std::size_t from);

  std::string line_;
  std::size_t markMatched_ = 0;  // bytes of a leading byte-order mark seen
  bool tooLong_ = false;
  bool afterCr_ = false;
};

}  // namespace koord
