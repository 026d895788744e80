// koord-cli: converts Belgian coordinates from files or pipes, one point per
// line, like the desktop program's batch conversion.

#include <cstdio>

#include "cli/Convert.h"
#include "cli/Fatal.h"
#include "cli/Options.h"
#include "support/Version.h"

namespace {

// Status of a usage or file error.
constexpr int kFatal = 2;

}  // namespace

int main(int argc, char** argv) {
  try {
    const koord::cli::Options options = koord::cli::ParseOptions(argc, argv);
    if (options.help) {
      std::fputs(koord::cli::kHelp, stdout);
      return 0;
    }
    if (options.version) {
      std::puts("koord-cli " KOORD_VERSION);
      return 0;
    }
    return options.map.empty() ? koord::cli::ConvertToText(options)
                               : koord::cli::PlotToMap(options);
  } catch (const koord::cli::UsageError& error) {
    std::fprintf(stderr, "koord-cli: %s\nVoir koord-cli --help.\n", error.what());
  } catch (const koord::cli::Fatal& error) {
    std::fprintf(stderr, "koord-cli: %s\n", error.what());
  }
  return kFatal;
}
