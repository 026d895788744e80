#pragma once
// What went wrong with a file or another resource of the system, in French
// words, from the errno of the failed operation.

#include <string>

namespace koord::cli {

// "fichier introuvable", "disque plein" and the like; an error without a
// text of its own is described with its code.
std::string FileProblem(int error);

}  // namespace koord::cli
