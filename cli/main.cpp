// koord-cli: converts Belgian coordinates from files or pipes, one point per
// line, like the desktop program's batch conversion.

#include <csignal>
#include <cstdio>
#include <exception>
#include <fcntl.h>
#include <new>
#include <string_view>
#include <system_error>
#include <unistd.h>

#include "cli/Convert.h"
#include "cli/Fatal.h"
#include "cli/FilePlan.h"
#include "cli/FileProblem.h"
#include "cli/FilesProgram.h"
#include "cli/Help.h"
#include "cli/MapFile.h"
#include "cli/Options.h"
#include "cli/Say.h"
#include "support/Version.h"

namespace {

// Status of a usage or file error.
constexpr int kFatal = 2;

using koord::Translated;
using koord::cli::Say;

constexpr Translated kSeeHelp{"Voir koord-cli --help.", "Zie koord-cli --help.",
                              "See koord-cli --help."};
constexpr Translated kSystemError{"erreur du système : %1", "systeemfout: %1", "system error: %1"};
constexpr Translated kNoMemory{"mémoire insuffisante", "onvoldoende geheugen", "out of memory"};
#if defined(KOORD_FULL_PROGRAM) && !defined(KOORD_HAVE_MAP)
constexpr Translated kNoMapHere{"cette installation ne dessine pas de carte (construite sans Qt)",
                                "deze installatie tekent geen kaart (gebouwd zonder Qt)",
                                "this installation draws no map (built without Qt)"};
#endif
constexpr Translated kInternalError{"erreur interne inattendue (%1)",
                                    "onverwachte interne fout (%1)",
                                    "unexpected internal error (%1)"};

// A standard descriptor left closed by the caller would be taken by the
// first file opened, and messages could land in the output file. /dev/null
// holds its place, opened the wrong way round, so that using the stream
// still fails as on a closed descriptor.
void HoldClosedStandardDescriptors() {
  if (::fcntl(STDIN_FILENO, F_GETFD) < 0) ::open("/dev/null", O_WRONLY);
  for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", O_RDONLY);
  }
}

// Errors come back from the writes instead of ending the process: a closed
// pipe (EPIPE) and a file beyond the size limit of `ulimit -f` (EFBIG),
// which a run with a temporary file must clean up after.
void ReportWriteErrorsInstead() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

// Ends as a writer killed by SIGPIPE does, quietly with status 128 + 13.
int EndByBrokenPipe() {
  std::signal(SIGPIPE, SIG_DFL);
  std::raise(SIGPIPE);
  return 128 + SIGPIPE;  // when the caller blocks SIGPIPE
}

}  // namespace

int main(int argc, char** argv) {
  HoldClosedStandardDescriptors();
  ReportWriteErrorsInstead();
  try {
    const koord::cli::Options options = koord::cli::ParseOptions(argc, argv);
    if (options.help) {
      const std::string_view help = koord::cli::HelpText(koord::cli::Spoken());
      std::fwrite(help.data(), 1, help.size(), stdout);
      return 0;
    }
    if (options.version) {
      std::puts("koord-cli " KOORD_VERSION);
      return 0;
    }
    const koord::cli::FilePlan plan = koord::cli::PlanFiles(options);
    if (plan.Needed()) koord::cli::BecomeFilesProgram(argv);
    if (!options.map.empty()) {
#if defined(KOORD_FULL_PROGRAM) && !defined(KOORD_HAVE_MAP)
      // Built without the map: becoming the map program would be becoming
      // this one again.
      throw koord::cli::Fatal(Say(kNoMapHere));
#endif
      koord::cli::BecomeMapProgram(argv);
    }
    if (plan.Needed()) return koord::cli::ConvertWithFiles(options, plan);
    if (options.map.empty()) return koord::cli::ConvertToText(options);
    return koord::cli::PlotToMap(options);
  } catch (const koord::cli::UsageError& error) {
    std::fprintf(stderr, "koord-cli: %s\n%s\n", error.what(), Say(kSeeHelp).c_str());
  } catch (const koord::cli::Fatal& error) {
    std::fprintf(stderr, "koord-cli: %s\n", error.what());
  } catch (const koord::cli::BrokenPipe&) {
    return EndByBrokenPipe();
  } catch (const std::system_error& error) {
    // A converting thread that the system refuses to start.
    std::fprintf(stderr, "koord-cli: %s\n",
                 Say(kSystemError, {koord::cli::FileProblem(error.code().value())}).c_str());
  } catch (const std::bad_alloc&) {
    // Written without allocating.
    const std::string_view text = kNoMemory.In(koord::cli::Spoken());
    std::fprintf(stderr, "koord-cli: %.*s\n", static_cast<int>(text.size()), text.data());
  } catch (const std::exception& error) {
    // Caught all the same, so that the temporary file is removed on the way.
    std::fprintf(stderr, "koord-cli: %s\n", Say(kInternalError, {error.what()}).c_str());
  }
  return kFatal;
}
