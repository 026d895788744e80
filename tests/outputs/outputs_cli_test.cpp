// Several outputs at once (-t lambert,deg,mgrs,ifbl) give, line by line,
// the single-output runs side by side: the same fields joined by the
// output's separator, or, when one output is refused, the line refused with
// the first reason. Checked on points over Belgium and around it, in
// Lambert and in degrees, and on the fuzz corpora read as text.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kOutputs{"lambert", "deg", "mgrs", "ifbl"};

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

// The output lines of koord-cli with `args` on `input`.
std::vector<std::string> Run(const fs::path& work, const std::string& args, const fs::path& input) {
  const fs::path out = work / "out.txt";
  const std::string command = std::string(KOORD_CLI) + " " + args + " '" + input.string() +
                              "' > '" + out.string() + "' 2> /dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) <= 1) << command;
  return Lines(Read(out));
}

void ExpectSideBySide(const fs::path& work, const std::string& from, const fs::path& input) {
  SCOPED_TRACE(input.string());
  std::string list;
  std::vector<std::vector<std::string>> singles;
  for (const std::string& to : kOutputs) {
    list += (list.empty() ? "" : ",") + to;
    singles.push_back(Run(work, from + " -t " + to, input));
  }
  const std::vector<std::string> many = Run(work, from + " -t " + list, input);
  for (const std::vector<std::string>& single : singles) ASSERT_EQ(single.size(), many.size());
  for (std::size_t i = 0; i < many.size(); ++i) {
    const std::string& line = many[i];
    // Converted, the line holds the first output, then the separator of
    // the text and the others.
    bool sideBySide = false;
    for (const char separator : {'\t', ';', ','}) {
      std::string joined = singles[0][i];
      for (std::size_t k = 1; k < singles.size(); ++k) joined += separator + singles[k][i];
      sideBySide = sideBySide || line == joined;
    }
    // Refused, it holds the reason of one output, as that output's run
    // gave it.
    bool oneReason = false;
    for (const std::vector<std::string>& single : singles)
      oneReason = oneReason || line == single[i];
    EXPECT_TRUE(sideBySide || oneReason) << "line " << i + 1 << ": " << line;
  }
}

// A folder of the test's own: ctest runs the tests of this file side by
// side, and a shared out.txt would take one's output for the other's.
fs::path Work() {
  const fs::path work = fs::path(KOORD_CLI_WORK) / "outputs" /
                        testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::create_directories(work);
  return work;
}

TEST(SeveralOutputs, EqualTheSingleRunsSideBySideOnAGrid) {
  const fs::path work = Work();
  std::string lambert = "X\tY\n";
  std::string degrees = "Lat\tLon\n";
  for (int x = -20000; x <= 330000; x += 7000) {
    for (int y = -20000; y <= 280000; y += 7000) {
      lambert += std::to_string(x) + "\t" + std::to_string(y) + "\n";
    }
  }
  for (int i = 0; i <= 40; ++i) {
    for (int j = 0; j <= 40; ++j) {
      degrees += std::to_string(49.0 + i * 0.07) + "\t" + std::to_string(2.0 + j * 0.13) + "\n";
    }
  }
  std::ofstream(work / "lambert.txt") << lambert;
  std::ofstream(work / "degrees.txt") << degrees;
  ExpectSideBySide(work, "-f lambert", work / "lambert.txt");
  ExpectSideBySide(work, "-f deg", work / "degrees.txt");
}

TEST(SeveralOutputs, EqualTheSingleRunsSideBySideOnTheFuzzCorpora) {
  const fs::path work = Work();
  for (const char* corpus : {"batch", "number", "lines"}) {
    for (const auto& entry :
         fs::directory_iterator(fs::path(KOORD_SOURCE) / "fuzz/corpus" / corpus)) {
      for (const char* from : {"-f lambert", "-f deg", "-f auto"}) {
        ExpectSideBySide(work, from, entry.path());
      }
    }
  }
}

}  // namespace
