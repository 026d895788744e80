#include "cli/FilesProgram.h"

#include <string>
#include <string_view>

#include "cli/Fatal.h"
#include "cli/FullProgram.h"
#include "cli/Say.h"

namespace koord::cli {

#if defined(KOORD_HAVE_FILES)

void BecomeFilesProgram(char** /*argv*/) {}

#elif defined(KOORD_FULL_PROGRAM)

void BecomeFilesProgram(char** /*argv*/) {
  static constexpr Translated kNoFiles{
      "cette installation ne lit ni n'écrit les fichiers d'autres programmes (construite sans "
      "GDAL)",
      "deze installatie leest of schrijft geen bestanden van andere programma's (gebouwd zonder "
      "GDAL)",
      "this installation neither reads nor writes other programs' files (built without GDAL)"};
  throw Fatal(Say(kNoFiles));
}

int ConvertWithFiles(const Options& /*options*/, const FilePlan& /*plan*/) {
  return 2;  // not reached: BecomeFilesProgram refuses first
}

#else

void BecomeFilesProgram(char** argv) {
  static constexpr Translated kNoFull{
      "les fichiers d'autres programmes demandent koord-cli-full, absent de cette installation",
      "bestanden van andere programma's vragen koord-cli-full, dat in deze installatie ontbreekt",
      "other programs' files need koord-cli-full, which this installation lacks"};
  BecomeFullProgram(argv, kNoFull);
}

int ConvertWithFiles(const Options& /*options*/, const FilePlan& /*plan*/) {
  return 2;  // not reached: koord-cli has become koord-cli-full
}

#endif

}  // namespace koord::cli
