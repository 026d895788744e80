#include "files/FileError.h"

#include <array>
#include <cerrno>
#include <string_view>
#include <utility>

namespace koord::files {
namespace {

struct ActionText {
  FileAction action;
  Translated text;  // %1: the file's name, %2: the problem
};
constexpr std::array<ActionText, 4> kActions{{
    {FileAction::Read,
     {"impossible de lire « %1 » : %2", "kan “%1” niet lezen: %2", "cannot read “%1”: %2"}},
    {FileAction::Create,
     {"impossible de créer « %1 » : %2", "kan “%1” niet aanmaken: %2", "cannot create “%1”: %2"}},
    {FileAction::Write,
     {"erreur d'écriture dans « %1 » : %2", "schrijffout in “%1”: %2", "write error in “%1”: %2"}},
    {FileAction::Replace,
     {"impossible de remplacer « %1 » : %2", "kan “%1” niet vervangen: %2",
      "cannot replace “%1”: %2"}},
}};

struct ProblemEntry {
  FileProblem problem;
  Translated text;  // %1: the detail
};
constexpr std::array<ProblemEntry, 12> kProblems{{
    {FileProblem::NotRecognised,
     {"format non reconnu", "onbekend bestandsformaat", "format not recognised"}},
    {FileProblem::Library, {"%1", "%1", "%1"}},
    {FileProblem::UnknownSystem,
     {"système de coordonnées non pris en charge : %1", "coördinatenstelsel niet ondersteund: %1",
      "unsupported coordinate system: %1"}},
    {FileProblem::SeveralLayers,
     {"plusieurs couches, nommez-en une : %1", "meerdere lagen, kies er een: %1",
      "several layers, name one: %1"}},
    {FileProblem::NoSuchLayer,
     {"pas de couche de ce nom ; couches : %1", "geen laag met die naam; lagen: %1",
      "no layer of that name; layers: %1"}},
    {FileProblem::NoSuchSheet,
     {"pas de feuille de ce nom ; feuilles : %1", "geen blad met die naam; bladen: %1",
      "no sheet of that name; sheets: %1"}},
    {FileProblem::NoLayer,
     {"le fichier ne contient aucune couche", "het bestand bevat geen enkele laag",
      "the file holds no layer"}},
    {FileProblem::NoGeometry,
     {"ce format ne contient pas de géométrie", "dit formaat bevat geen geometrie",
      "this format holds no geometry"}},
    {FileProblem::NotWritable,
     {"Koord n'écrit pas ce format : %1", "Koord schrijft dit formaat niet: %1",
      "Koord does not write this format: %1"}},
    {FileProblem::NotFinite,
     {"coordonnée non finie", "oneindige of ongeldige coördinaat", "coordinate not finite"}},
    {FileProblem::NoEpsg,
     {"pas de code EPSG pour %1", "geen EPSG-code voor %1", "no EPSG code for %1"}},
    {FileProblem::WrongCellCount,
     {"nombre de cellules différent du nombre de colonnes",
      "aantal cellen verschilt van het aantal kolommen",
      "number of cells differs from the number of columns"}},
}};

struct SystemProblem {
  int errorNumber;
  Translated text;
};
// The errors that opening, writing and renaming a file can give.
constexpr std::array<SystemProblem, 11> kSystemProblems{{
    {ENOENT, {"fichier introuvable", "bestand niet gevonden", "file not found"}},
    {EACCES, {"accès refusé", "toegang geweigerd", "permission denied"}},
    {EPERM, {"opération non permise", "bewerking niet toegestaan", "operation not permitted"}},
    {EISDIR, {"c'est un dossier", "het is een map", "it is a folder"}},
    {ENOTDIR,
     {"un élément du chemin n'est pas un dossier", "een deel van het pad is geen map",
      "a part of the path is not a folder"}},
    {ENAMETOOLONG, {"nom trop long", "naam te lang", "name too long"}},
    {ENOSPC, {"disque plein", "schijf vol", "disk full"}},
    {EDQUOT, {"quota de disque dépassé", "schijfquotum overschreden", "disk quota exceeded"}},
    {EROFS,
     {"système de fichiers en lecture seule", "alleen-lezen bestandssysteem",
      "read-only file system"}},
    {EIO,
     {"erreur d'entrée-sortie du périphérique", "invoer-uitvoerfout van het apparaat",
      "device input/output error"}},
    {EXDEV,
     {"fichiers sur des systèmes de fichiers différents",
      "bestanden op verschillende bestandssystemen", "files on different file systems"}},
}};
// A file that cannot be created for want of a folder.
constexpr Translated kFolderNotFound{"dossier introuvable", "map niet gevonden", "folder not found"};
constexpr Translated kUnexpected{"erreur inattendue du système (code %1)",
                                 "onverwachte systeemfout (code %1)",
                                 "unexpected system error (code %1)"};

// `pattern` with each %N replaced by the Nth argument.
std::string Filled(std::string_view pattern, std::string_view first, std::string_view second = {}) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string SystemText(int errorNumber, Language language) {
  for (const SystemProblem& entry : kSystemProblems) {
    if (entry.errorNumber == errorNumber) return std::string(entry.text.In(language));
  }
  return Filled(kUnexpected.In(language), std::to_string(errorNumber));
}

}  // namespace

FileError::FileError(FileAction action, std::string file, FileProblem problem, std::string detail,
                     int errorNumber)
    : std::runtime_error(""),
      action_(action),
      file_(std::move(file)),
      problem_(problem),
      detail_(std::move(detail)),
      errorNumber_(errorNumber) {
  // what() speaks French, as the texts of the code do.
  static_cast<std::runtime_error&>(*this) = std::runtime_error(Text(Language::French));
}

std::string FileError::ProblemText(Language language) const {
  if (problem_ == FileProblem::System) {
    if (action_ == FileAction::Create && errorNumber_ == ENOENT) {
      return std::string(kFolderNotFound.In(language));
    }
    return SystemText(errorNumber_, language);
  }
  for (const ProblemEntry& entry : kProblems) {
    if (entry.problem == problem_) return Filled(entry.text.In(language), detail_);
  }
  return detail_;  // not reached: the table is complete
}

std::string FileError::Text(Language language) const {
  for (const ActionText& entry : kActions) {
    if (entry.action == action_) {
      return Filled(entry.text.In(language), file_, ProblemText(language));
    }
  }
  return ProblemText(language);  // not reached: the table is complete
}

}  // namespace koord::files
