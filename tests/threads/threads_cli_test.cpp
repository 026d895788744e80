// koord-cli on several threads (KOORD_THREADS) against one thread: the
// same standard output, the same messages in the same order, the same exit
// status, over an input of many batches with refused, blank, CR LF,
// overlong and unterminated lines.

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Lines of the input: enough for a dozen batches of the converter.
constexpr std::size_t kLines = 50000;
// Beyond the longest line kept.
constexpr std::size_t kOverlong = 70000;
// Every this many lines, the reference point and its known result.
constexpr std::size_t kReferenceEvery = 997;
const std::string kReferenceLine = "150000\t170000";
const std::string kReferenceMgrs = "31UES963329";

struct Case {
  std::string name;
  std::string args;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

// Line i of the input: points, kilometres, refusals, blanks, odd line ends.
std::string InputLine(std::size_t i) {
  if (i % kReferenceEvery == 0) return kReferenceLine + "\n";
  switch (i % 13) {
    case 0: return "400\t170\n";      // outside Lambert
    case 1: return "150000\n";        // missing field
    case 2: return " \t\n";           // blank
    case 3: return "abc\t1e999\r\n";  // too large, CR LF
    case 4:
      return std::to_string(20 + i % 280) + "," + std::to_string(i % 10) + "\t" +
             std::to_string(30 + i % 200) + "\r";  // km, lone CR
    default:
      return std::to_string(21000 + (i * 7919) % 275000) + "." + std::to_string(i % 100) + "\t" +
             std::to_string(21000 + (i * 104729) % 224000) + "\n";
  }
}

std::string Input() {
  std::string text;
  for (std::size_t i = 0; i < kLines; ++i) {
    text += InputLine(i);
    if (i == kLines / 3 || i == kLines / 2) text += std::string(kOverlong, '7') + "\n";
  }
  return text + "151\t171";  // no final line break
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Result {
  std::string out;
  std::string err;
  int status;
};

Result RunCli(const Case& c, const fs::path& input, const std::string& threads) {
  const fs::path work = input.parent_path();
  const fs::path out = work / ("out" + threads);
  const fs::path err = work / ("err" + threads);
  const std::string command = "KOORD_THREADS=" + threads + " " KOORD_CLI " " + c.args + " < " +
                              input.string() + " > " + out.string() + " 2> " + err.string();
  const int raw = std::system(command.c_str());
  return {Read(out), Read(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class Threads : public ::testing::TestWithParam<Case> {};

TEST_P(Threads, GiveTheBytesOfOneThread) {
  const Case& c = GetParam();
  const fs::path work = fs::path(KOORD_CLI_WORK) / c.name;
  fs::create_directories(work);
  const fs::path input = work / "in.txt";
  std::ofstream(input, std::ios::binary) << Input();

  const Result one = RunCli(c, input, "1");
  ASSERT_EQ(one.status, 1) << "some lines are refused";
  const std::size_t lines = kLines + 3;  // two overlong lines, the last one
  ASSERT_EQ(Lines(one.out).size(), lines);
  for (const std::string threads : {"2", "3", "8"}) {
    const Result many = RunCli(c, input, threads);
    EXPECT_EQ(many.status, one.status) << threads << " threads";
    EXPECT_TRUE(many.out == one.out) << threads << " threads: output differs";
    EXPECT_TRUE(many.err == one.err) << threads << " threads: messages differ";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, Threads,
                         ::testing::Values(Case{"lambert_to_mgrs", ""},
                                           Case{"lambert_to_degrees_comma",
                                                "-t deg --decimal-mark ,"},
                                           Case{"lambert_to_ifbl", "-t ifbl -p 4x4"},
                                           Case{"lambert_to_lambert", "-t lambert"}),
                         [](const auto& test) { return test.param.name; });

// The messages name their lines in order, and the reference point keeps
// its place and its known result.
TEST(Threads, MessagesInOrderAndLinesInPlace) {
  const fs::path work = fs::path(KOORD_CLI_WORK) / "order";
  fs::create_directories(work);
  const fs::path input = work / "in.txt";
  std::ofstream(input, std::ios::binary) << Input();
  const Result many = RunCli(Case{"order", ""}, input, "4");

  std::size_t previous = 0;
  for (const std::string& message : Lines(many.err)) {
    // The count of the points far from Belgium closes the messages.
    if (message.find("de la Belgique") != std::string::npos) continue;
    const std::string start = "koord-cli: -:";
    ASSERT_EQ(message.rfind(start, 0), 0u) << message;
    const std::size_t number = std::stoul(message.substr(start.size()));
    EXPECT_GT(number, previous) << message;
    previous = number;
  }
  const std::vector<std::string> out = Lines(many.out);
  ASSERT_GE(out.size(), kLines);
  // Before the first overlong line, output line i answers input line i.
  for (std::size_t i = 0; i < kLines / 3; i += kReferenceEvery) {
    EXPECT_EQ(out[i], kReferenceMgrs) << "line " << i + 1;
  }
}

}  // namespace
