#include "cli/FileProblem.h"

#include <array>
#include <cerrno>
#include <string>

#include "cli/Say.h"

namespace koord::cli {
namespace {

struct Problem {
  int error;
  Translated text;
};

// The errors that a file, a folder, a pipe or a terminal can give.
const std::array kProblems{
    Problem{ENOENT, {"fichier introuvable", "bestand niet gevonden", "file not found"}},
    Problem{EACCES, {"accès refusé", "toegang geweigerd", "permission denied"}},
    Problem{EPERM,
            {"opération non permise", "bewerking niet toegestaan", "operation not permitted"}},
    Problem{EISDIR, {"c'est un dossier", "het is een map", "it is a folder"}},
    Problem{ENOTDIR,
            {"un élément du chemin n'est pas un dossier", "een deel van het pad is geen map",
             "a part of the path is not a folder"}},
    Problem{ENAMETOOLONG, {"nom trop long", "naam te lang", "name too long"}},
    Problem{ELOOP,
            {"trop de liens symboliques", "te veel symbolische koppelingen",
             "too many symbolic links"}},
    Problem{ENOSPC, {"disque plein", "schijf vol", "disk full"}},
    Problem{EDQUOT,
            {"quota de disque dépassé", "schijfquotum overschreden", "disk quota exceeded"}},
    Problem{EFBIG, {"fichier trop grand", "bestand te groot", "file too large"}},
    Problem{EROFS,
            {"système de fichiers en lecture seule", "alleen-lezen bestandssysteem",
             "read-only file system"}},
    Problem{EIO,
            {"erreur d'entrée-sortie du périphérique", "invoer-uitvoerfout van het apparaat",
             "device input/output error"}},
    Problem{EMFILE, {"trop de fichiers ouverts", "te veel open bestanden", "too many open files"}},
    Problem{ENFILE,
            {"trop de fichiers ouverts sur le système", "te veel open bestanden op het systeem",
             "too many open files on the system"}},
    Problem{ENOMEM, {"mémoire insuffisante", "onvoldoende geheugen", "out of memory"}},
    Problem{EAGAIN,
            {"ressources du système épuisées", "systeembronnen uitgeput",
             "system resources exhausted"}},
    Problem{ETXTBSY, {"fichier occupé", "bestand bezet", "file busy"}},
    Problem{EBUSY, {"fichier occupé", "bestand bezet", "file busy"}},
    Problem{
        EBADF,
        {"descripteur de fichier fermé", "bestandsdescriptor gesloten", "file descriptor closed"}},
    Problem{ENXIO, {"périphérique absent", "apparaat ontbreekt", "no such device"}},
    Problem{ENODEV, {"périphérique absent", "apparaat ontbreekt", "no such device"}},
    Problem{
        EPIPE,
        {"tube fermé par le lecteur", "pipe gesloten door de lezer", "pipe closed by its reader"}},
    Problem{EXDEV,
            {"fichiers sur des systèmes de fichiers différents",
             "bestanden op verschillende bestandssystemen", "files on different file systems"}},
    Problem{EINVAL,
            {"opération impossible sur ce fichier", "bewerking onmogelijk op dit bestand",
             "operation not possible on this file"}},
    Problem{ESTALE, {"fichier réseau disparu", "netwerkbestand verdwenen", "network file gone"}},
};

constexpr Translated kUnexpected{"erreur inattendue du système (code %1)",
                                 "onverwachte systeemfout (code %1)",
                                 "unexpected system error (code %1)"};

}  // namespace

std::string FileProblem(int error) {
  for (const Problem& problem : kProblems) {
    if (problem.error == error) return Say(problem.text);
  }
  return Say(kUnexpected, {std::to_string(error)});
}

}  // namespace koord::cli
