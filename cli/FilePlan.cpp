#include "cli/FilePlan.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/Descriptor.h"
#include "cli/Say.h"

namespace koord::cli {
namespace {

bool IsWorkbookFormat(files::FileFormat format) {
  return format == files::FileFormat::Xlsx || format == files::FileFormat::Ods;
}

// The first bytes of a regular file from `at` on, read without moving its
// offset.
std::string Head(int fd, off_t at) {
  std::string head(files::kDetectionBytes, '\0');
  std::size_t got = 0;
  while (got < head.size()) {
    const ssize_t read =
        ::pread(fd, head.data() + got, head.size() - got, at + static_cast<off_t>(got));
    if (read <= 0 && !(read < 0 && errno == EINTR)) break;
    if (read > 0) got += static_cast<std::size_t>(read);
  }
  head.resize(got);
  return head;
}

// The format of another program that a regular file is in, from its
// first bytes and its name; nothing for a text, and for what is no
// regular file (standard input, a pipe, a terminal), which is read as text
// as it comes. A file that cannot be opened is left to the run, which says
// why.
std::optional<files::FileFormat> FormatOfInput(const std::string& name) {
  if (name == "-") return std::nullopt;
  struct stat status {};
  if (::stat(name.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const Descriptor file(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.IsOpen()) return std::nullopt;
  return files::DetectFormat(Head(file.Get(), 0), name);
}

// Standard input redirected from a file of another program would be read
// as lines of garbage; the file layer reads it by its name.
void RefuseFileOnStandardInput() {
  struct stat status {};
  if (::fstat(STDIN_FILENO, &status) != 0 || !S_ISREG(status.st_mode)) return;
  const off_t at = ::lseek(STDIN_FILENO, 0, SEEK_CUR);
  if (at < 0) return;
  const std::optional<files::FileFormat> format =
      files::DetectFormat(Head(STDIN_FILENO, at), std::string_view());
  if (!format) return;
  static constexpr Translated kGiveItsName{
      "l'entrée standard est un fichier %1 : donnez son nom (koord-cli FICHIER%2)",
      "de standaardinvoer is een %1-bestand: geef zijn naam (koord-cli BESTAND%2)",
      "standard input is a %1 file: give its name (koord-cli FILE%2)"};
  const std::string_view extension = files::Traits(*format).extension;
  throw UsageError(Say(kGiveItsName, {extension.substr(1), extension}));
}

constexpr Translated kOnlyForFiles{"%1 ne vaut que pour %2", "%1 geldt alleen voor %2",
                                   "%1 applies only to %2"};
constexpr Translated kWorkbooks{"un classeur (.xlsx, .ods) en entrée",
                                "een werkmap (.xlsx, .ods) als invoer",
                                "a workbook (.xlsx, .ods) as input"};
constexpr Translated kPointLayers{
    "une couche de points en entrée (.gpkg, .shp, .geojson, .kml, .kmz, .gpx)",
    "een puntenlaag als invoer (.gpkg, .shp, .geojson, .kml, .kmz, .gpx)",
    "a point layer as input (.gpkg, .shp, .geojson, .kml, .kmz, .gpx)"};
constexpr Translated kTexts{"les textes en entrée ; « %1 » n'en est pas un",
                            "tekstinvoer; “%1” is geen tekst", "text input; “%1” is not text"};
constexpr Translated kTextsAndWorkbooks{
    "les textes et les classeurs en entrée ; les coordonnées de « %1 » sont ses points",
    "tekst- en werkmapinvoer; de coördinaten van “%1” zijn zijn punten",
    "text and workbook input; the coordinates of “%1” are its points"};

}  // namespace

bool FilePlan::Needed() const {
  return output || std::any_of(inputs.begin(), inputs.end(),
                               [](const auto& format) { return format.has_value(); });
}

bool FilePlan::IsWorkbook(std::size_t i) const {
  return inputs[i] && IsWorkbookFormat(*inputs[i]);
}

bool FilePlan::IsPointLayer(std::size_t i) const {
  return inputs[i] && !IsWorkbookFormat(*inputs[i]);
}

FilePlan PlanFiles(const Options& options) {
  FilePlan plan;
  plan.output = options.outputFormat;
  for (const std::string& input : options.inputs) {
    if (input == "-") RefuseFileOnStandardInput();
    plan.inputs.push_back(FormatOfInput(input));
  }
  bool workbook = false;
  bool layer = false;
  for (std::size_t i = 0; i < plan.inputs.size(); ++i) {
    workbook = workbook || plan.IsWorkbook(i);
    layer = layer || plan.IsPointLayer(i);
  }
  if (!options.sheet.empty() && !workbook) {
    throw UsageError(Say(kOnlyForFiles, {"--sheet", Say(kWorkbooks)}));
  }
  if (!options.layer.empty() && !layer) {
    throw UsageError(Say(kOnlyForFiles, {"--layer", Say(kPointLayers)}));
  }
  for (std::size_t i = 0; i < plan.inputs.size(); ++i) {
    const std::string& name = options.inputs[i];
    // The cells of a workbook and the points of a layer are fields
    // already: no separator cuts them.
    if (plan.inputs[i] && options.choices.separator != Separator::Auto) {
      throw UsageError(Say(kOnlyForFiles, {"--separator", Say(kTexts, {name})}));
    }
    if (plan.IsPointLayer(i) && options.choices.firstColumn != 0) {
      throw UsageError(Say(kOnlyForFiles, {"--columns", Say(kTextsAndWorkbooks, {name})}));
    }
  }
  return plan;
}

}  // namespace koord::cli
