#include "cli/MapPng.h"

#include "cli/Fatal.h"

namespace koord::cli {

// The map renderer comes with the desktop program; until it does, the
// option says so instead of writing nothing.
void WriteMapPng(const std::vector<MapPoint>& /*points*/,
                 const std::string& path) {
  throw Fatal("la carte (« " + path +
              " ») n'est pas encore disponible dans cette version");
}

}  // namespace koord::cli
