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
    Problem{
        ENOENT,
        {"fichier introuvable", "bestand niet gevonden", "file not found", "Datei nicht gefunden"}},
    Problem{EACCES,
            {"accès refusé", "toegang geweigerd", "permission denied", "Zugriff verweigert"}},
    Problem{EPERM,
            {"opération non permise", "bewerking niet toegestaan", "operation not permitted",
             "Vorgang nicht erlaubt"}},
    Problem{EISDIR, {"c'est un dossier", "het is een map", "it is a folder", "es ist ein Ordner"}},
    Problem{ENOTDIR,
            {"un élément du chemin n'est pas un dossier", "een deel van het pad is geen map",
             "a part of the path is not a folder", "ein Teil des Pfades ist kein Ordner"}},
    Problem{ENAMETOOLONG, {"nom trop long", "naam te lang", "name too long", "Name zu lang"}},
    Problem{ELOOP,
            {"trop de liens symboliques", "te veel symbolische koppelingen",
             "too many symbolic links", "zu viele symbolische Verknüpfungen"}},
    Problem{ENOSPC, {"disque plein", "schijf vol", "disk full", "Datenträger voll"}},
    Problem{EDQUOT,
            {"quota de disque dépassé", "schijfquotum overschreden", "disk quota exceeded",
             "Datenträgerkontingent überschritten"}},
    Problem{EFBIG, {"fichier trop grand", "bestand te groot", "file too large", "Datei zu groß"}},
    Problem{EROFS,
            {"système de fichiers en lecture seule", "alleen-lezen bestandssysteem",
             "read-only file system", "schreibgeschütztes Dateisystem"}},
    Problem{EIO,
            {"erreur d'entrée-sortie du périphérique", "invoer-uitvoerfout van het apparaat",
             "device input/output error", "Ein-/Ausgabefehler des Geräts"}},
    Problem{EMFILE,
            {"trop de fichiers ouverts", "te veel open bestanden", "too many open files",
             "zu viele offene Dateien"}},
    Problem{ENFILE,
            {"trop de fichiers ouverts sur le système", "te veel open bestanden op het systeem",
             "too many open files on the system", "zu viele offene Dateien im System"}},
    Problem{
        ENOMEM,
        {"mémoire insuffisante", "onvoldoende geheugen", "out of memory", "nicht genug Speicher"}},
    Problem{EAGAIN,
            {"ressources du système épuisées", "systeembronnen uitgeput",
             "system resources exhausted", "Systemressourcen erschöpft"}},
    Problem{ETXTBSY, {"fichier occupé", "bestand bezet", "file busy", "Datei belegt"}},
    Problem{EBUSY, {"fichier occupé", "bestand bezet", "file busy", "Datei belegt"}},
    Problem{EBADF,
            {"descripteur de fichier fermé", "bestandsdescriptor gesloten",
             "file descriptor closed", "Dateideskriptor geschlossen"}},
    Problem{
        ENXIO,
        {"périphérique absent", "apparaat ontbreekt", "no such device", "Gerät nicht vorhanden"}},
    Problem{
        ENODEV,
        {"périphérique absent", "apparaat ontbreekt", "no such device", "Gerät nicht vorhanden"}},
    Problem{EPIPE,
            {"tube fermé par le lecteur", "pipe gesloten door de lezer",
             "pipe closed by its reader", "Pipe vom Leser geschlossen"}},
    Problem{EXDEV,
            {"fichiers sur des systèmes de fichiers différents",
             "bestanden op verschillende bestandssystemen", "files on different file systems",
             "Dateien auf verschiedenen Dateisystemen"}},
    Problem{EINVAL,
            {"opération impossible sur ce fichier", "bewerking onmogelijk op dit bestand",
             "operation not possible on this file", "Vorgang bei dieser Datei nicht möglich"}},
    Problem{ESTALE,
            {"fichier réseau disparu", "netwerkbestand verdwenen", "network file gone",
             "Netzwerkdatei verschwunden"}},
};

constexpr Translated kUnexpected{
    "erreur inattendue du système (code %1)", "onverwachte systeemfout (code %1)",
    "unexpected system error (code %1)", "unerwarteter Systemfehler (Code %1)"};

}  // namespace

std::string FileProblem(int error) {
  for (const Problem& problem : kProblems) {
    if (problem.error == error) return Say(problem.text);
  }
  return Say(kUnexpected, {std::to_string(error)});
}

}  // namespace koord::cli
