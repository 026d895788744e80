#pragma once
// Cuts a text, given whole or in blocks, into lines, UTF-16 text decoded to
// UTF-8 on the way (see Feed). CR LF, LF and a lone CR
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
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/Utf16.h"

namespace koord {

// Longest line kept, in bytes; far beyond any point of coordinates.
inline constexpr std::size_t kMaxLineLength = 65536;

// True when the text holds only blanks and tabs (or nothing).
bool IsBlank(std::string_view text);

// The UTF-8 byte-order mark that some editors put at the start of a file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class LineSplitter {
 public:
  // The first bytes of the text say how it is encoded: a UTF-8 byte-order
  // mark is skipped, a UTF-16 one (little or big endian) makes the rest
  // decoded to UTF-8; without a mark the bytes are taken as they come. A
  // mark split over blocks is recognised too.
  template <typename OnLine>
  bool Feed(std::string_view block, OnLine&& onLine) {
    if (encoding_ == Encoding::Undecided) {
      while (!block.empty() && encoding_ == Encoding::Undecided) {
        start_ += block.front();
        block.remove_prefix(1);
        Decide(false);
      }
      if (encoding_ == Encoding::Undecided) return true;
      if (!FeedBytes(std::exchange(start_, {}), onLine)) return false;
    }
    return FeedBytes(block, onLine);
  }

  template <typename OnLine>
  bool Finish(OnLine&& onLine) {
    if (encoding_ == Encoding::Undecided) {
      Decide(true);
      if (!FeedBytes(std::exchange(start_, {}), onLine)) return false;
    }
    if (decoder_) {
      decoded_.clear();
      decoder_->Finish(decoded_);
      if (!FeedText(decoded_, onLine)) return false;
    }
    afterCr_ = false;
    if (IsBlank(line_) && !tooLong_) {
      line_.clear();
      return true;
    }
    return Deliver(onLine);
  }

 private:
  enum class Encoding { Undecided, Bytes, Utf16 };

  // Settles the encoding from the first bytes held in start_, dropping the
  // mark; with atEnd, no more bytes will come.
  void Decide(bool atEnd);

  template <typename OnLine>
  bool FeedBytes(std::string_view bytes, OnLine& onLine) {
    if (!decoder_) return FeedText(bytes, onLine);
    decoded_.clear();
    decoder_->Decode(bytes, decoded_);
    return FeedText(decoded_, onLine);
  }

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
  Encoding encoding_ = Encoding::Undecided;
  std::string start_;  // the first bytes, until they settle the encoding
  std::optional<Utf16Decoder> decoder_;
  std::string decoded_;  // a block turned into UTF-8
  bool tooLong_ = false;
  bool afterCr_ = false;
};

}  // namespace koord
