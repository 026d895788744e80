#pragma once
// Cuts a text, given whole or in blocks, into lines, UTF-16 text decoded to
// UTF-8 on the way (see Feed), and a line that is not UTF-8 decoded from
// Windows-1252 (what French spreadsheets save as CSV). CR LF, LF and a
// lone CR each end a line (a CR LF split between two blocks is one line
// end, reported as a CR), and each line says which ended it. The unterminated rest at the end
// is a line when it holds anything but blanks and tabs. A line longer than
// kMaxLineLength bytes is delivered cut to that length and flagged, so
// memory stays bounded whatever the input.
//
//   LineSplitter lines;
//   lines.Feed(block, onLine);   // as often as there are blocks
//   lines.Finish(onLine);
//
// onLine(const SplitLine& line) returns false to stop; Feed and Finish then
// return false and deliver nothing more.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/Utf16.h"
#include "engine/Windows1252.h"

namespace koord {

// Longest line kept, in bytes; far beyond any point of coordinates.
inline constexpr std::size_t kMaxLineLength = 65536;

// True when the text holds only blanks and tabs (or nothing).
bool IsBlank(std::string_view text);

// The UTF-8 byte-order mark that some editors put at the start of a file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What ended a line: nothing (the last line of a text), LF, CR or CR LF.
enum class LineEnding { None, Lf, Cr, CrLf };

// The characters of a line ending.
std::string_view LineEndingText(LineEnding ending);

// True when the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

struct SplitLine {
  std::string_view text;  // without its line end, valid during the call
  bool tooLong;           // cut to kMaxLineLength bytes
  LineEnding ending;
  bool windows1252 = false;  // decoded from Windows-1252
};

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
      // The bytes held while deciding go on with the rest of their block, so
      // that a CR LF across them stays one line end.
      start_.append(block);
      return FeedBytes(std::exchange(start_, {}), onLine);
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
    return Deliver(onLine, LineEnding::None);
  }

  // True when the text began with a byte-order mark (UTF-8 or UTF-16).
  bool HadByteOrderMark() const { return byteOrderMark_; }

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
    if (block.empty()) return true;
    std::size_t i = 0;
    // A CR ended the last block: an LF that follows belongs to it.
    if (afterCr_ && block.front() == '\n') i = 1;
    afterCr_ = false;
    for (; i < block.size(); ++i) {
      const std::size_t stop = LineEnd(block, i);
      if (stop == block.size()) {
        Keep(block.substr(i));
        return true;
      }
      LineEnding ending = LineEnding::Lf;
      std::size_t next = stop;
      if (block[stop] == '\r') {
        // At the end of a block the line goes at once, as a line typed in a
        // terminal must, and counts as ended by a CR alone.
        const bool crlf = stop + 1 < block.size() && block[stop + 1] == '\n';
        ending = crlf ? LineEnding::CrLf : LineEnding::Cr;
        if (crlf) ++next;
        afterCr_ = stop + 1 == block.size();
      }
      // A whole line inside the block goes out from the block, uncopied.
      if (line_.empty() && !tooLong_ && stop - i <= kMaxLineLength) {
        if (!Hand(block.substr(i, stop - i), false, ending, onLine)) return false;
      } else {
        Keep(block.substr(i, stop - i));
        if (!Deliver(onLine, ending)) return false;
      }
      i = next;
    }
    return true;
  }

  template <typename OnLine>
  bool Deliver(OnLine& onLine, LineEnding ending) {
    const bool go = Hand(line_, tooLong_, ending, onLine);
    line_.clear();
    tooLong_ = false;
    return go;
  }

  // A line that is not UTF-8 goes out decoded from Windows-1252.
  template <typename OnLine>
  bool Hand(std::string_view text, bool tooLong, LineEnding ending, OnLine& onLine) {
    if (decoder_ || IsUtf8(text)) return onLine(SplitLine{text, tooLong, ending});
    windows1252_.clear();
    AppendWindows1252(windows1252_, text);
    return onLine(SplitLine{windows1252_, tooLong, ending, true});
  }

  void Keep(std::string_view piece);
  // Position of the first CR or LF at or after `from`, or the block's size.
  static std::size_t LineEnd(std::string_view block, std::size_t from);

  std::string line_;
  Encoding encoding_ = Encoding::Undecided;
  std::string start_;  // the first bytes, until they settle the encoding
  std::optional<Utf16Decoder> decoder_;
  std::string decoded_;      // a block turned into UTF-8
  std::string windows1252_;  // a line turned into UTF-8
  bool tooLong_ = false;
  bool afterCr_ = false;  // the last block ended with a CR
  bool byteOrderMark_ = false;
};

}  // namespace koord
