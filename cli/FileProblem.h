#pragma once
// What went wrong with a file or another resource of the system, in the
// words of the language spoken, from the errno of the failed operation; and
// the messages that name the file, %1 its name and %2 the problem.

#include <string>

#include "support/Language.h"

namespace koord::cli {

// "fichier introuvable", "disque plein" and the like; an error without a
// text of its own is described with its code.
std::string FileProblem(int error);

inline constexpr Translated kCannotOpen{"impossible d'ouvrir « %1 » : %2",
                                        "kan “%1” niet openen: %2", "cannot open “%1”: %2",
                                        "„%1“ kann nicht geöffnet werden: %2"};
inline constexpr Translated kCannotRead{"impossible de lire « %1 » : %2", "kan “%1” niet lezen: %2",
                                        "cannot read “%1”: %2",
                                        "„%1“ kann nicht gelesen werden: %2"};
inline constexpr Translated kReadError{"erreur de lecture de « %1 » : %2", "leesfout in “%1”: %2",
                                       "read error in “%1”: %2", "Lesefehler in „%1“: %2"};
inline constexpr Translated kCannotCreate{"impossible de créer « %1 » : %2",
                                          "kan “%1” niet aanmaken: %2", "cannot create “%1”: %2",
                                          "„%1“ kann nicht erstellt werden: %2"};
inline constexpr Translated kWriteError{"erreur d'écriture dans « %1 » : %2",
                                        "schrijffout in “%1”: %2", "write error in “%1”: %2",
                                        "Schreibfehler in „%1“: %2"};
inline constexpr Translated kCannotReplace{"impossible de remplacer « %1 » : %2",
                                           "kan “%1” niet vervangen: %2", "cannot replace “%1”: %2",
                                           "„%1“ kann nicht ersetzt werden: %2"};
inline constexpr Translated kCannotWriteInFolder{
    "impossible d'écrire dans le dossier de « %1 » : %2",
    "kan niet schrijven in de map van “%1”: %2", "cannot write in the folder of “%1”: %2",
    "Schreiben im Ordner von „%1“ nicht möglich: %2"};
inline constexpr Translated kFolderNotFound{"dossier introuvable", "map niet gevonden",
                                            "folder not found", "Ordner nicht gefunden"};

}  // namespace koord::cli
