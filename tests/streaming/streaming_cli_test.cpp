// koord-cli reading a pipe writes the result of each line, and the message
// of a refused one, before the next line is written: the test writes one
// line, waits for its answer, then writes the next, as `tail -f` or a
// person at a terminal would. The answers should come within about 20 ms;
// the test waits far longer before it calls one missing, so that a loaded
// machine or the sanitizers do not fail it.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/cli/ChildProcess.h"

namespace {

namespace fs = std::filesystem;
using koord::test::ChildProcess;

constexpr std::chrono::seconds kPatience{5};

struct Exchange {
  std::string line;     // written, line end included
  std::string answer;   // expected on standard output
  std::string message;  // expected on standard error; empty for none
};

// Lambert to Lambert: points, kilometres, a refusal, a blank line, line
// ends of every kind.
const std::vector<Exchange> kExchanges = {
    {"150000\t170000\n", "150000\t170000", ""},
    {"400\t170\n", "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)",
     "koord-cli: -:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)"},
    {"151\t171\r\n", "151000\t171000", ""},
    {"\n", "", ""},
    {"152\t172\r", "152000\t172000", ""},
    {"153000\n", "Champ manquant : Y", "koord-cli: -:6: Champ manquant : Y"},
};

struct Case {
  std::string name;
  std::string threads;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class Streaming : public ::testing::TestWithParam<Case> {};

TEST_P(Streaming, AnswersEachLineBeforeTheNext) {
  setenv("KOORD_THREADS", GetParam().threads.c_str(), 1);
  ChildProcess cli({KOORD_CLI, "-t", "lambert"}, {});
  for (const Exchange& exchange : kExchanges) {
    SCOPED_TRACE(exchange.line);
    ASSERT_TRUE(cli.Write(exchange.line));
    EXPECT_EQ(cli.ReadLine(cli.Output(), kPatience), exchange.answer);
    if (!exchange.message.empty()) {
      EXPECT_EQ(cli.ReadLine(cli.Errors(), kPatience), exchange.message);
    }
  }
  const ChildProcess::Result result = cli.Finish();
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.errors, "");
}

// The results of a file come out while standard input, read after it,
// waits for its first line.
TEST_P(Streaming, FileAnsweredBeforeAWaitingStandardInput) {
  const fs::path work = fs::path(KOORD_CLI_WORK) / ("file_then_stdin_" + GetParam().name);
  fs::create_directories(work);
  std::ofstream(work / "in.txt", std::ios::binary) << "150\t170\n400\t170\n";
  ChildProcess::Setup setup;
  setup.folder = work.string();
  setenv("KOORD_THREADS", GetParam().threads.c_str(), 1);
  ChildProcess cli({KOORD_CLI, "-t", "lambert", "in.txt", "-"}, setup);

  EXPECT_EQ(cli.ReadLine(cli.Output(), kPatience), "150000\t170000");
  EXPECT_EQ(cli.ReadLine(cli.Output(), kPatience), "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)");
  EXPECT_EQ(cli.ReadLine(cli.Errors(), kPatience),
            "koord-cli: in.txt:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)");
  ASSERT_TRUE(cli.Write("151\t171\n"));
  EXPECT_EQ(cli.ReadLine(cli.Output(), kPatience), "151000\t171000");
  const ChildProcess::Result result = cli.Finish();
  EXPECT_EQ(WEXITSTATUS(result.status), 1);
}

INSTANTIATE_TEST_SUITE_P(Threads, Streaming,
                         ::testing::Values(Case{"one_thread", "1"}, Case{"three_threads", "3"}),
                         [](const auto& test) { return test.param.name; });

}  // namespace
