// Cutting texts into lines, whole or in blocks.

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/LineSplitter.h"

namespace {

// Lines of `text` fed in blocks of `blockSize` bytes; a too-long line is
// shown as "<long:N>" with its kept length.
std::vector<std::string> Lines(std::string_view text, std::size_t blockSize) {
  std::vector<std::string> lines;
  const auto onLine = [&lines](const koord::SplitLine& line) {
    lines.push_back(line.tooLong ? "<long:" + std::to_string(line.text.size()) + ">"
                                 : std::string(line.text));
    return true;
  };
  koord::LineSplitter splitter;
  for (std::size_t at = 0; at < text.size(); at += blockSize) {
    splitter.Feed(text.substr(at, blockSize), onLine);
  }
  splitter.Finish(onLine);
  return lines;
}

struct SplitCase {
  std::string_view text;
  std::vector<std::string> lines;
};

const SplitCase kSplitCases[] = {
    {"", {}},
    {"a\tb\r\nc\r\n", {"a\tb", "c"}},
    {"a\nb\rc", {"a", "b", "c"}},  // LF and lone CR end lines too
    {"a\r\n\r\nb\n\nc\r\r", {"a", "", "b", "", "c", ""}},
    {"a\n\r\n", {"a", ""}},        // LF then CR LF: two line ends
    {"a\n \t", {"a"}},             // a blank rest is no line
    {"a\n1\t2 ", {"a", "1\t2 "}},  // a rest ending in a blank is
    {" \t\n", {" \t"}},            // a blank line is still a line
    // A byte-order mark is skipped at the start only; a broken one is text.
    {"\xEF\xBB\xBF"
     "a\nb",
     {"a", "b"}},
    {"\xEF\xBB\xBF", {}},
    {"a\n\xEF\xBB\xBF"
     "b",
     {"a",
      "\xEF\xBB\xBF"
      "b"}},
    // A line that is not UTF-8 is Windows-1252, as French spreadsheets
    // save their CSV: a broken mark too.
    {"\xEF\xBB"
     "a\n",
     {"\xC3\xAF\xC2\xBB"
      "a"}},
    {"\xEF", {"\xC3\xAF"}},
    {"50\xB0"
     "51'06\"N\n\x80\x81",
     {"50\xC2\xB0"
      "51'06\"N",
      "\xE2\x82\xAC\xEF\xBF\xBD"}},  // °; € and an unassigned byte
    // A UTF-16 mark makes the text UTF-16, little or big endian: decoded,
    // pairs of surrogates included; a lone surrogate or an odd last byte
    // becomes U+FFFD.
    {std::string_view("\xFF\xFE"
                      "5\0"
                      "0\0"
                      "\t\0"
                      "4\0"
                      "\r\0\n\0"
                      "\xE9\0",
                      16),
     {"50\t4", "\xC3\xA9"}},
    {std::string_view("\xFE\xFF"
                      "\0"
                      "E"
                      "\0"
                      "5"
                      "\0\n"
                      "\x20\xAC",
                      10),
     {"E5", "\xE2\x82\xAC"}},  // €
    {std::string_view("\xFF\xFE"
                      "\x3D\xD8\x00\xDE"
                      "\n\0",
                      8),
     {"\xF0\x9F\x98\x80"}},
    {std::string_view("\xFF\xFE"
                      "\x00\xD8"
                      "a\0",
                      6),
     {"\xEF\xBF\xBD"
      "a"}},
    {std::string_view("\xFF\xFE"
                      "a\0"
                      "b",
                      5),
     {"a\xEF\xBF\xBD"}},
    {"\xFF\xFE", {}},
    {"\xFE", {"\xC3\xBE"}},
    {"\xFF"
     "a\n",
     {"\xC3\xBF"
      "a"}},
};

TEST(LineSplitter, EveryLineEndWholeOrInBlocks) {
  for (const SplitCase& c : kSplitCases) {
    // Block sizes 1 and 2 split CR LF pairs across blocks.
    for (std::size_t blockSize : {std::size_t{1}, std::size_t{2}, std::size_t{1000}}) {
      EXPECT_EQ(Lines(c.text, blockSize), c.lines)
          << "text: " << testing::PrintToString(std::string(c.text)) << " block: " << blockSize;
    }
  }
}

TEST(LineSplitter, LongLinesAreCutAndFlagged) {
  const std::string text = std::string(koord::kMaxLineLength + 10, 'x') + "\nok\n" +
                           std::string(koord::kMaxLineLength, 'y');
  const std::vector<std::string> expected = {"<long:" + std::to_string(koord::kMaxLineLength) + ">",
                                             "ok", std::string(koord::kMaxLineLength, 'y')};
  EXPECT_EQ(Lines(text, 4096), expected);
}

TEST(LineSplitter, StopsWhenAskedTo) {
  koord::LineSplitter splitter;
  std::vector<std::string> seen;
  const auto onLine = [&seen](const koord::SplitLine& line) {
    seen.emplace_back(line.text);
    return seen.size() < 2;
  };
  EXPECT_FALSE(splitter.Feed("a\nb\nc\n", onLine));
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
}

// Each line says what ended it, so that an output can keep the input's
// line ends; a CR at the end of a block goes at once, as a CR.
TEST(LineSplitter, EachLineSaysWhatEndedIt) {
  using koord::LineEnding;
  const std::string_view text = "a\r\nbc\nd\re\r\nf";
  const std::vector<LineEnding> expected{LineEnding::CrLf, LineEnding::Lf, LineEnding::Cr,
                                         LineEnding::CrLf, LineEnding::None};
  // Blocks of 4 cut no CR LF; blocks of 5 cut the last one, whose line then
  // goes at once as ended by a CR.
  for (const std::size_t block : {std::size_t{4}, std::size_t{5}, std::size_t{100}}) {
    SCOPED_TRACE(block);
    std::vector<LineEnding> endings;
    const auto onLine = [&endings](const koord::SplitLine& line) {
      endings.push_back(line.ending);
      return true;
    };
    koord::LineSplitter splitter;
    for (std::size_t at = 0; at < text.size(); at += block) {
      splitter.Feed(text.substr(at, block), onLine);
    }
    splitter.Finish(onLine);
    std::vector<LineEnding> wanted = expected;
    if (block == 5) wanted[3] = LineEnding::Cr;
    EXPECT_EQ(endings, wanted);
  }
}

TEST(LineSplitter, TellsWhetherTheTextBeganWithAByteOrderMark) {
  const auto ignore = [](const koord::SplitLine&) { return true; };
  for (const auto& [text, mark] : {std::pair{std::string_view("\xEF\xBB\xBF"
                                                              "a\n"),
                                             true},
                                   std::pair{std::string_view("\xFF\xFE"
                                                              "a\0"),
                                             true},
                                   std::pair{std::string_view("a\n\xEF\xBB\xBF"), false}}) {
    koord::LineSplitter splitter;
    splitter.Feed(text, ignore);
    splitter.Finish(ignore);
    EXPECT_EQ(splitter.HadByteOrderMark(), mark) << testing::PrintToString(std::string(text));
  }
}

}  // namespace
