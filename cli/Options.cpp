#include "cli/Options.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cstddef>
#include <string_view>

#include "support/Ascii.h"

namespace koord::cli {

const char* const kHelp =
    "Utilisation : koord-cli [OPTIONS] [FICHIER...]\n"
    "Convertit des coordonnées belges, un point par ligne, les champs séparés\n"
    "par une tabulation. Sans FICHIER, ou avec -, lit l'entrée standard.\n"
    "\n"
    "Options :\n"
    "  -f, --from TYPE         lambert | mgrs | ifbl | deg        (défaut : lambert)\n"
    "  -t, --to TYPE           lambert | mgrs | ifbl | deg        (défaut : mgrs)\n"
    "      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF, en majuscules ou non\n"
    "                          (défaut : BEL72 pour lambert et ifbl, WGS84 pour\n"
    "                          deg et mgrs)\n"
    "      --datum-to CODE     mêmes codes (défaut : BEL72 pour lambert et ifbl,\n"
    "                          WGS84 sinon)\n"
    "  -p, --precision P       mgrs : 1 | 10 | 100 | 1000 | 10000 mètres (défaut : 100)\n"
    "                          ifbl : 1x1 | 4x4 | 32x20 km (défaut : 1x1)\n"
    "      --decimal-mark C    . ou , dans les degrés écrits (défaut : .)\n"
    "  -o, --output FICHIER    écrit dans FICHIER au lieu de la sortie standard\n"
    "      --map FICHIER.png   dessine les points sur la carte de Belgique dans\n"
    "                          une image PNG au lieu de convertir\n"
    "      --map-size LxH      taille de cette image en pixels (défaut : 1000x824)\n"
    "  -h, --help              affiche cette aide\n"
    "  -V, --version           affiche la version\n"
    "\n"
    "Lignes d'entrée :\n"
    "  lambert  X<TAB>Y en mètres (une valeur sous 1000 est lue en kilomètres)\n"
    "  deg      latitude<TAB>longitude en degrés décimaux\n"
    "  mgrs     une référence, par exemple 31UES963329\n"
    "  ifbl     un carré, par exemple E5.12.34\n"
    "  La virgule vaut un point décimal ; les blancs sont ignorés.\n"
    "\n"
    "Les degrés et les références MGRS sont donnés dans le datum d'arrivée ;\n"
    "Lambert et IFBL sont toujours en BEL72. Une référence MGRS ou un carré IFBL\n"
    "converti vers le même type est raccourci à la précision demandée, jamais\n"
    "allongé. Un point hors du domaine Lambert (X de 0 à 310 000 m, Y de 0 à\n"
    "260 000 m) n'a pas de coordonnées Lambert : sa ligne est refusée.\n"
    "\n"
    "Une ligne de sortie par ligne d'entrée, champs séparés par une tabulation.\n"
    "Une ligne refusée reçoit la raison du refus, répétée sur la sortie d'erreur\n"
    "sous la forme « koord-cli: ligne N: raison ».\n"
    "\n"
    "Code de sortie : 0 tout est converti, 1 une ligne au moins est refusée,\n"
    "2 erreur d'utilisation ou de fichier.\n";

namespace {

// The value whose name (any case) is `word` in a table; otherwise
// UsageError, its message opened by `unknown` and listing the names.
template <typename Entry, std::size_t N, typename Name>
decltype(Entry::value) Lookup(const std::array<Entry, N>& table, Name name, const std::string& word,
                              const std::string& unknown) {
  const std::string lower = ascii::ToLower(word);
  for (const Entry& entry : table) {
    if (ascii::ToLower(name(entry)) == lower) return entry.value;
  }
  std::string allowed;
  for (std::size_t i = 0; i < N; ++i) {
    allowed += i == 0 ? "" : (i + 1 == N ? " ou " : ", ");
    allowed += name(table[i]);
  }
  throw UsageError(unknown + " : « " + word + " » (" + allowed + ")");
}

constexpr auto kCliName = [](const auto& entry) { return entry.cliName; };
constexpr auto kCode = [](const DatumEntry& entry) { return entry.code; };

CoordKind Kind(const std::string& word) {
  return Lookup(kKindTable, kCliName, word, "type de coordonnées inconnu");
}

Datum DatumNamed(const std::string& word) {
  return Lookup(kDatumTable, kCode, word, "datum inconnu");
}

void ReadPrecision(const std::string& word, BatchChoices& choices) {
  if (word.empty()) return;
  if (choices.coorDest == CoordKind::Mgrs) {
    choices.mgrsPrecision = Lookup(kMgrsPrecisionTable, kCliName, word, "précision MGRS inconnue");
  } else if (choices.coorDest == CoordKind::Ifbl) {
    choices.ifblPrecision = Lookup(kIfblPrecisionTable, kCliName, word, "précision IFBL inconnue");
  } else {
    throw UsageError("--precision ne vaut que pour --to mgrs ou --to ifbl");
  }
}

// Lambert and IFBL belong to BEL72; degrees and MGRS references that users
// have come from GPS, on WGS84.
Datum DefaultDatum(CoordKind kind) {
  return kind == CoordKind::Lambert || kind == CoordKind::Ifbl ? Datum::Bel72 : Datum::Wgs84;
}

char DecimalMark(const std::string& word) {
  if (word != "." && word != ",") {
    throw UsageError("séparateur décimal inconnu : « " + word + " » (. ou ,)");
  }
  return word.front();
}

// CLI11 reports a missing value as "--from: 1 required TEXT missing".
std::string FrenchParseError(const CLI::ParseError& error) {
  const std::string text = error.what();
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos && text.rfind('-', 0) == 0) {
    return "valeur manquante pour l'option " + text.substr(0, colon);
  }
  return "ligne de commande incorrecte";
}

// "LxH" in pixels, each side 1 to 4096.
void ReadMapSize(const std::string& text, Options& options) {
  const std::string error =
      "taille de carte incorrecte : " + text + " (attendu LxH, de 1 à 4096 pixels)";
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) throw UsageError(error);
  const auto side = [&](std::string_view digits) {
    if (digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
      throw UsageError(error);
    }
    const int value = std::stoi(std::string(digits));
    if (value < 1 || value > 4096) throw UsageError(error);
    return value;
  };
  const std::string_view view(text);
  options.mapWidth = side(view.substr(0, x));
  options.mapHeight = side(view.substr(x + 1));
}

}  // namespace

Options ParseOptions(int argc, const char* const* argv) {
  Options options;
  std::string from = "lambert";
  std::string to = "mgrs";
  std::string datumFrom;
  std::string datumTo;
  std::string precision;
  std::string mark = ".";

  CLI::App app;
  app.set_help_flag();
  // Unknown options are reported below, in French.
  app.allow_extras();
  app.add_option("-f,--from", from)->take_last();
  app.add_option("-t,--to", to)->take_last();
  app.add_option("--datum-from", datumFrom)->take_last();
  app.add_option("--datum-to", datumTo)->take_last();
  app.add_option("-p,--precision", precision)->take_last();
  app.add_option("--decimal-mark", mark)->take_last();
  app.add_option("-o,--output", options.output)->take_last();
  app.add_option("--map", options.map)->take_last();
  std::string mapSize;
  app.add_option("--map-size", mapSize)->take_last();
  app.add_flag("-h,--help", options.help);
  app.add_flag("-V,--version", options.version);
  app.add_option("files", options.inputs);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    throw UsageError(FrenchParseError(error));
  }
  for (const std::string& extra : app.remaining()) {
    if (extra != "--") throw UsageError("option inconnue : " + extra);
  }
  if (options.help || options.version) return options;
  if (!options.map.empty() && !options.output.empty()) {
    throw UsageError("--map et --output ne vont pas ensemble");
  }

  if (!mapSize.empty()) ReadMapSize(mapSize, options);

  BatchChoices& c = options.choices;
  c.coorFrom = Kind(from);
  c.coorDest = Kind(to);
  c.datumFrom = datumFrom.empty() ? DefaultDatum(c.coorFrom) : DatumNamed(datumFrom);
  c.datumDest = datumTo.empty() ? DefaultDatum(c.coorDest) : DatumNamed(datumTo);
  ReadPrecision(precision, c);
  c.decimalMark = DecimalMark(mark);
  c.lineEnd = "\n";
  if (options.inputs.empty()) options.inputs.emplace_back("-");
  return options;
}

}  // namespace koord::cli
