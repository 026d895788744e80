// Line cutting on arbitrary bytes, fed whole and in blocks of sizes taken
// from the first bytes, as koord-cli reads its inputs. Both ways give the
// lines found here by an independent decoding (TextOracle.h) and cut, each
// with the line end that ended it: no line holds a line end, and a line is
// cut to the longest kept and flagged exactly when it is longer; a line
// that is not UTF-8 comes decoded from Windows-1252.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LineSplitter.h"
#include "engine/Windows1252.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"
#include "fuzz/TextOracle.h"

namespace {

using koord::fuzz::Require;

// Room for lines past the longest kept, so that cutting is exercised.
constexpr std::size_t kMaxInput = koord::kMaxLineLength + (1 << 12);
// Block sizes tried; a CR LF split between blocks must stay one line end.
constexpr int kBlockSizes = 16;

struct Line {
  std::string text;
  bool tooLong;
  koord::LineEnding ending;
  bool operator==(const Line&) const = default;
};

template <typename Feed>
std::vector<Line> Cut(Feed&& feed) {
  std::vector<Line> lines;
  koord::LineSplitter splitter;
  const auto keep = [&lines](const koord::SplitLine& line) {
    lines.push_back({std::string(line.text), line.tooLong, line.ending});
    return true;
  };
  feed(splitter, keep);
  splitter.Finish(keep);
  return lines;
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

Line Kept(std::string_view raw, koord::LineEnding ending, bool decoded) {
  std::string text(raw.substr(0, koord::kMaxLineLength));
  if (!decoded && !koord::IsUtf8(text)) {
    std::string windows1252;
    koord::AppendWindows1252(windows1252, text);
    text = windows1252;
  }
  return {text, raw.size() > koord::kMaxLineLength, ending};
}

// The lines cut here independently: CR LF, LF and a lone CR each end a
// line; the rest after the last line end counts unless it is blank (and
// short).
// `decoded`: the text was UTF-16, its lines UTF-8 already.
std::vector<Line> Expected(std::string_view text, bool decoded) {
  using koord::LineEnding;
  std::vector<Line> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    const std::string_view raw = text.substr(start, i - start);
    LineEnding ending = text[i] == '\n' ? LineEnding::Lf : LineEnding::Cr;
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      ending = LineEnding::CrLf;
    }
    lines.push_back(Kept(raw, ending, decoded));
    start = i + 1;
  }
  const Line rest = Kept(text.substr(start), LineEnding::None, decoded);
  if (!IsBlank(std::string_view(text).substr(start)) || rest.tooLong) lines.push_back(rest);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  koord::fuzz::FuzzBytes bytes(data, size);
  std::vector<std::size_t> blockSizes;
  for (int i = 0; i < kBlockSizes; ++i) blockSizes.push_back(1 + bytes.Byte());
  const std::string_view text = bytes.Rest();

  const std::vector<Line> whole =
      Cut([&](koord::LineSplitter& s, const auto& keep) { s.Feed(text, keep); });
  const std::vector<Line> blocks = Cut([&](koord::LineSplitter& s, const auto& keep) {
    std::string_view rest = text;
    for (std::size_t i = 0; !rest.empty(); ++i) {
      const std::size_t n = std::min(rest.size(), blockSizes[i % blockSizes.size()]);
      s.Feed(rest.substr(0, n), keep);
      rest.remove_prefix(n);
    }
  });
  // A CR LF cut between blocks ends its line as a CR: the line went at once.
  Require(whole.size() == blocks.size(), "blocks give as many lines as the whole text");
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const bool cutCrLf =
        whole[i].ending == koord::LineEnding::CrLf && blocks[i].ending == koord::LineEnding::Cr;
    Require(whole[i].text == blocks[i].text && whole[i].tooLong == blocks[i].tooLong &&
                (whole[i].ending == blocks[i].ending || cutCrLf),
            "blocks give the same lines as the whole text");
  }

  const bool utf16 = text.starts_with(koord::kUtf16LeMark) || text.starts_with(koord::kUtf16BeMark);
  const std::vector<Line> expected = Expected(koord::fuzz::DecodedText(text), utf16);
  Require(whole == expected, "the lines are those of the text, cut to the longest kept");
  return 0;
}
