#include "cli/FileProblem.h"

#include <array>
#include <cerrno>
#include <string_view>

namespace koord::cli {
namespace {

struct Problem {
  int error;
  std::string_view text;
};

// The errors that a file, a folder, a pipe or a terminal can give.
const std::array kProblems{
    Problem{ENOENT, "fichier introuvable"},
    Problem{EACCES, "accès refusé"},
    Problem{EPERM, "opération non permise"},
    Problem{EISDIR, "c'est un dossier"},
    Problem{ENOTDIR, "un élément du chemin n'est pas un dossier"},
    Problem{ENAMETOOLONG, "nom trop long"},
    Problem{ELOOP, "trop de liens symboliques"},
    Problem{ENOSPC, "disque plein"},
    Problem{EDQUOT, "quota de disque dépassé"},
    Problem{EFBIG, "fichier trop grand"},
    Problem{EROFS, "système de fichiers en lecture seule"},
    Problem{EIO, "erreur d'entrée-sortie du périphérique"},
    Problem{EMFILE, "trop de fichiers ouverts"},
    Problem{ENFILE, "trop de fichiers ouverts sur le système"},
    Problem{ENOMEM, "mémoire insuffisante"},
    Problem{EAGAIN, "ressources du système épuisées"},
    Problem{ETXTBSY, "fichier occupé"},
    Problem{EBUSY, "fichier occupé"},
    Problem{EBADF, "descripteur de fichier fermé"},
    Problem{ENXIO, "périphérique absent"},
    Problem{ENODEV, "périphérique absent"},
    Problem{EPIPE, "tube fermé par le lecteur"},
    Problem{EXDEV, "fichiers sur des systèmes de fichiers différents"},
    Problem{EINVAL, "opération impossible sur ce fichier"},
    Problem{ESTALE, "fichier réseau disparu"},
};

}  // namespace

std::string FileProblem(int error) {
  for (const Problem& problem : kProblems) {
    if (problem.error == error) return std::string(problem.text);
  }
  return "erreur inattendue du système (code " + std::to_string(error) + ")";
}

}  // namespace koord::cli
