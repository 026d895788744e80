// koord-cli -o never destroys a file: a missing or unreadable input, an
// output that is also an input (by name, through a link, through standard
// input), a full disk, a folder or a file it may not write, a signal in the
// middle of a run, all leave the old file as it was and no temporary file
// behind; a run that succeeds replaces the file, keeping its permissions.
//
// Each case runs in a fresh folder holding:
//   in.txt      a converted line and a refused one
//   big.txt     enough lines to outgrow the file size limit of a case
//   out.txt     "old\n"; link.txt a symbolic link to it, hard.txt a hard link
//   secret.txt  unreadable
//   ro/         a folder nobody may write, holding out.txt ("old\n", 0666)
//   pub/        a folder anybody may write, holding out.txt ("old\n", 0666)
//               and locked.txt ("old\n", 0444)

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "tests/cli/ChildProcess.h"

namespace {

namespace fs = std::filesystem;
using koord::test::ChildProcess;

// Exit statuses of koord-cli.
constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;
constexpr int kFatal = 2;

const std::string kOld = "old\n";
const std::string kIn = "150\t170\n400\t170\n";
// One line of big.txt converts to 12 bytes: 20 000 of them outgrow the
// limit below.
const std::string kBigLine = "150000\t170000\n";
constexpr std::size_t kBigLines = 20000;
constexpr rlim_t kFileSizeLimit = 1 << 16;
// Far longer than any case takes, even under the sanitizers.
constexpr std::chrono::seconds kPatience{60};

void WriteFile(const fs::path& path, const std::string& text, fs::perms perms) {
  std::ofstream(path, std::ios::binary) << text;
  fs::permissions(path, perms);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// big.txt, which -t lambert gives back unchanged.
std::string Big() {
  std::string big;
  for (std::size_t i = 0; i < kBigLines; ++i) big += kBigLine;
  return big;
}

// A scratch folder that the user nobody may enter, holding a copy of
// koord-cli: the build tree may lie where only root goes (a clone in /root,
// or in a folder of mode 0700), so the cases run as nobody work here.
// Removed when the test program ends.
class NobodysScratch {
 public:
  static const NobodysScratch& Get() {
    static const NobodysScratch scratch;
    return scratch;
  }

  NobodysScratch(const NobodysScratch&) = delete;
  NobodysScratch& operator=(const NobodysScratch&) = delete;
  ~NobodysScratch() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }

  const fs::path& Root() const { return root_; }
  const std::string& Cli() const { return cli_; }
  // Why the folder could not be made; empty when it was.
  const std::string& Problem() const { return problem_; }

 private:
  NobodysScratch() {
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error) {
      problem_ = "no temporary folder: " + error.message();
      return;
    }
    std::string pattern = (temporary / "koord-replace-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      problem_ = "cannot make a folder in " + temporary.string() + ": " + std::strerror(errno);
      return;
    }
    root_ = pattern;
    constexpr fs::perms kEnterable = fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec;
    fs::permissions(root_, kEnterable);
    for (fs::path folder = root_.parent_path(); folder != folder.parent_path();
         folder = folder.parent_path()) {
      if ((fs::status(folder).permissions() & fs::perms::others_exec) == fs::perms::none) {
        problem_ = "the user nobody cannot enter " + folder.string();
        return;
      }
    }
    cli_ = (root_ / "koord-cli").string();
    fs::copy_file(KOORD_CLI, cli_, error);
    if (error) {
      problem_ = "cannot copy koord-cli to " + cli_ + ": " + error.message();
      return;
    }
    fs::permissions(cli_, kEnterable);
  }

  fs::path root_;
  std::string cli_;
  std::string problem_;
};

fs::path FreshFolder(const std::string& name, const fs::path& base = KOORD_CLI_WORK) {
  const fs::path work = base / name;
  if (fs::exists(work)) {
    // A folder left read-only by an earlier run.
    for (const auto& entry : fs::recursive_directory_iterator(work)) {
      if (entry.is_directory()) fs::permissions(entry.path(), fs::perms::owner_all);
    }
    fs::remove_all(work);
  }
  fs::create_directories(work);
  constexpr fs::perms kReadable = fs::perms::owner_read | fs::perms::owner_write |
                                  fs::perms::group_read | fs::perms::others_read;
  constexpr fs::perms kAnybody = kReadable | fs::perms::group_write | fs::perms::others_write;
  WriteFile(work / "in.txt", kIn, kReadable);
  WriteFile(work / "big.txt", Big(), kReadable);
  WriteFile(work / "out.txt", kOld, kReadable);
  fs::create_symlink("out.txt", work / "link.txt");
  fs::create_hard_link(work / "out.txt", work / "hard.txt");
  WriteFile(work / "secret.txt", "150\t170\n", fs::perms::none);
  for (const char* folder : {"ro", "pub"}) {
    fs::create_directory(work / folder);
    WriteFile(work / folder / "out.txt", kOld, kAnybody);
  }
  WriteFile(work / "pub" / "locked.txt", kOld,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(work / "pub", fs::perms::all);
  fs::permissions(work / "ro", fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
  return work;
}

// The temporary files left in the folder and its subfolders.
std::vector<std::string> Leftovers(const fs::path& work) {
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(work)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".koord-") != std::string::npos) found.push_back(name);
  }
  return found;
}

std::vector<std::string> Command(const std::vector<std::string>& args,
                                 const std::string& cli = KOORD_CLI) {
  std::vector<std::string> command{cli};
  command.insert(command.end(), args.begin(), args.end());
  return command;
}

// How koord-cli is started, besides its arguments.
enum class Start {
  Plain,
  FromOutTxt,        // standard input from out.txt
  AppendingToInTxt,  // standard output appended to in.txt
  OnASmallDisk,      // files limited to kFileSizeLimit bytes
  Unprivileged,      // as "nobody" when the test runs as root
};

ChildProcess::Setup SetupFor(Start start, const fs::path& work) {
  ChildProcess::Setup setup;
  setup.folder = work.string();
  setup.inputFile = start == Start::FromOutTxt ? "out.txt" : "";
  setup.outputFile = start == Start::AppendingToInTxt ? "in.txt" : "";
  setup.fileSizeLimit = start == Start::OnASmallDisk ? kFileSizeLimit : 0;
  setup.unprivileged = start == Start::Unprivileged;
  return setup;
}

struct Case {
  std::string name;
  std::vector<std::string> args;
  int status;
  std::string errors;
  Start start = Start::Plain;
  std::string target = "out.txt";  // must hold `content` afterwards; "" for none
  std::string content = kOld;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

const std::string kUsage = "\nVoir koord-cli --help.\n";

std::vector<Case> Cases() {
  return {
      {"missing_input",
       {"-o", "out.txt", "in.txt", "absent.txt"},
       kFatal,
       "koord-cli: impossible d'ouvrir « absent.txt » : fichier introuvable\n"},
      {"unreadable_input",
       {"-o", "pub/out.txt", "in.txt", "secret.txt"},
       kFatal,
       "koord-cli: impossible d'ouvrir « secret.txt » : accès refusé\n",
       Start::Unprivileged,
       "pub/out.txt"},
      {"folder_as_input",
       {"-o", "out.txt", "pub"},
       kFatal,
       "koord-cli: impossible de lire « pub » : c'est un dossier\n"},
      {"output_named_as_input",
       {"-o", "out.txt", "in.txt", "out.txt"},
       kFatal,
       "koord-cli: le fichier de sortie « out.txt » est aussi le fichier d'entrée « out.txt »" +
           kUsage},
      {"input_is_a_symbolic_link_to_the_output",
       {"-o", "out.txt", "link.txt"},
       kFatal,
       "koord-cli: le fichier de sortie « out.txt » est aussi le fichier d'entrée « link.txt »" +
           kUsage},
      {"output_is_a_symbolic_link_to_an_input",
       {"-o", "link.txt", "out.txt"},
       kFatal,
       "koord-cli: le fichier de sortie « link.txt » est aussi le fichier d'entrée « out.txt »" +
           kUsage},
      {"input_is_a_hard_link_to_the_output",
       {"-o", "out.txt", "hard.txt"},
       kFatal,
       "koord-cli: le fichier de sortie « out.txt » est aussi le fichier d'entrée « hard.txt »" +
           kUsage},
      {"output_is_standard_input",
       {"-o", "out.txt", "in.txt", "-"},
       kFatal,
       "koord-cli: le fichier de sortie « out.txt » est aussi l'entrée standard" + kUsage,
       Start::FromOutTxt},
      {"standard_output_appended_to_an_input",
       {"in.txt"},
       kFatal,
       "koord-cli: la sortie standard est aussi le fichier d'entrée « in.txt »" + kUsage,
       Start::AppendingToInTxt,
       "in.txt",
       kIn},
      {"disk_full",
       {"-o", "out.txt", "big.txt"},
       kFatal,
       "koord-cli: erreur d'écriture dans « out.txt » : fichier trop grand\n",
       Start::OnASmallDisk},
      {"folder_not_writable",
       {"-o", "ro/out.txt", "in.txt"},
       kFatal,
       "koord-cli: impossible d'écrire dans le dossier de « ro/out.txt » : accès refusé\n",
       Start::Unprivileged,
       "ro/out.txt"},
      {"file_not_writable",
       {"-o", "pub/locked.txt", "in.txt"},
       kFatal,
       "koord-cli: impossible de remplacer « pub/locked.txt » : accès refusé\n",
       Start::Unprivileged,
       "pub/locked.txt"},
      {"missing_folder",
       {"-o", "absent/out.txt", "in.txt"},
       kFatal,
       "koord-cli: impossible de créer « absent/out.txt » : dossier introuvable\n"},
      {"output_is_a_folder",
       {"-o", "pub", "in.txt"},
       kFatal,
       "koord-cli: impossible de créer « pub » : c'est un dossier\n"},
      {"empty_output_name",
       {"-o", "", "in.txt"},
       kFatal,
       "koord-cli: nom de fichier vide pour --output" + kUsage},
      {"empty_input_name",
       {"-o", "out.txt", "in.txt", ""},
       kFatal,
       "koord-cli: nom de fichier vide en entrée" + kUsage},
      {"empty_map_name",
       {"--map", "", "in.txt"},
       kFatal,
       "koord-cli: nom de fichier vide pour --map" + kUsage},
      // Refused lines are results too: the file is replaced.
      {"replaced_by_a_run_with_refusals",
       {"-t", "lambert", "-o", "out.txt", "in.txt"},
       kSomeRefused,
       "koord-cli: in.txt:2: Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n",
       Start::Plain,
       "out.txt",
       "150000\t170000\nHors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n"},
      {"written_in_a_folder_anybody_may_write",
       {"-t", "lambert", "-o", "pub/out.txt", "big.txt"},
       kAllConverted,
       "",
       Start::Unprivileged,
       "pub/out.txt",
       Big()},
  };
}

class OutputFile : public ::testing::TestWithParam<Case> {};

TEST_P(OutputFile, KeptOrReplacedWhole) {
  const Case& c = GetParam();
  const bool asNobody = c.start == Start::Unprivileged && geteuid() == 0;
  const NobodysScratch* scratch = asNobody ? &NobodysScratch::Get() : nullptr;
  if (scratch != nullptr && !scratch->Problem().empty()) {
    GTEST_SKIP() << "cannot run koord-cli as nobody here: " << scratch->Problem();
  }
  const fs::path work =
      scratch != nullptr ? FreshFolder(c.name, scratch->Root() / "work") : FreshFolder(c.name);
  ChildProcess cli(scratch != nullptr ? Command(c.args, scratch->Cli()) : Command(c.args),
                   SetupFor(c.start, work));
  const ChildProcess::Result result = cli.Finish();

  ASSERT_TRUE(WIFEXITED(result.status)) << "status " << result.status;
  EXPECT_EQ(WEXITSTATUS(result.status), c.status);
  EXPECT_EQ(result.errors, c.errors);
  if (!c.target.empty()) {
    EXPECT_EQ(ReadFile(work / c.target), c.content);
  }
  EXPECT_EQ(Leftovers(work), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Table, OutputFile, ::testing::ValuesIn(Cases()),
                         [](const auto& test) { return test.param.name; });

// The new content takes the old file's permissions; a link stays a link
// and the file it names is replaced.
TEST(OutputFile, ReplacedWithItsPermissionsAndLinks) {
  const fs::path work = FreshFolder("permissions");
  constexpr fs::perms kOwnerAndGroup =
      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(work / "out.txt", kOwnerAndGroup);
  ChildProcess cli(Command({"-t", "lambert", "-o", "link.txt", "in.txt"}),
                   SetupFor(Start::Plain, work));
  const ChildProcess::Result result = cli.Finish();

  EXPECT_EQ(WEXITSTATUS(result.status), kSomeRefused);
  EXPECT_EQ(ReadFile(work / "out.txt"), "150000\t170000\nHors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)\n");
  EXPECT_TRUE(fs::is_symlink(work / "link.txt"));
  EXPECT_EQ(fs::status(work / "out.txt").permissions(), kOwnerAndGroup);
}

std::string SignalCaseName(const ::testing::TestParamInfo<int>& info) {
  switch (info.param) {
    case SIGINT: return "sigint";
    case SIGTERM: return "sigterm";
    default: return "sighup";
  }
}

// Waits until koord-cli has written into its temporary file: the run is
// under way, its output half done.
bool WaitForHalfWrittenOutput(const fs::path& work) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    for (const auto& entry : fs::directory_iterator(work)) {
      std::error_code gone;
      if (entry.path().filename().string().find(".koord-") != std::string::npos &&
          fs::file_size(entry.path(), gone) > 0) {
        return true;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

class Interrupted : public ::testing::TestWithParam<int> {};

// A large input whose writer has not finished: the signal surely comes in
// the middle of the run.
TEST_P(Interrupted, LeavesTheOldFileAndNoTemporary) {
  const int signal = GetParam();
  const fs::path work = FreshFolder(SignalCaseName({signal, 0}));
  ChildProcess cli(Command({"-o", "out.txt"}), SetupFor(Start::Plain, work));
  std::string lines;
  for (std::size_t i = 0; i < 10 * kBigLines; ++i) lines += kBigLine;
  ASSERT_TRUE(cli.Write(lines));
  ASSERT_TRUE(WaitForHalfWrittenOutput(work));
  cli.Signal(signal);
  const ChildProcess::Result result = cli.Finish();

  ASSERT_TRUE(WIFSIGNALED(result.status)) << "status " << result.status;
  EXPECT_EQ(WTERMSIG(result.status), signal);
  EXPECT_EQ(ReadFile(work / "out.txt"), kOld);
  EXPECT_EQ(Leftovers(work), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Signals, Interrupted, ::testing::Values(SIGINT, SIGTERM, SIGHUP),
                         SignalCaseName);

// The same on a large regular file, read at full speed: on one thread, its
// two million lines take a second, far more than the signal needs to come.
TEST(Interrupted, WhileReadingALargeFile) {
  const fs::path work = FreshFolder("large_file");
  std::string lines;
  for (std::size_t i = 0; i < 100 * kBigLines; ++i) lines += kBigLine;
  WriteFile(work / "large.txt", lines, fs::perms::owner_read | fs::perms::owner_write);
  setenv("KOORD_THREADS", "1", 1);
  ChildProcess cli(Command({"-o", "out.txt", "large.txt"}), SetupFor(Start::Plain, work));
  ASSERT_TRUE(WaitForHalfWrittenOutput(work));
  cli.Signal(SIGINT);
  const ChildProcess::Result result = cli.Finish();

  ASSERT_TRUE(WIFSIGNALED(result.status)) << "status " << result.status;
  EXPECT_EQ(WTERMSIG(result.status), SIGINT);
  EXPECT_EQ(ReadFile(work / "out.txt"), kOld);
  EXPECT_EQ(Leftovers(work), std::vector<std::string>{});
}

}  // namespace
