#include "cli/Options.h"

#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

#include "support/Ascii.h"

namespace koord::cli {

const char* const kHelp =
    "Utilisation : koord-cli [OPTIONS] [FICHIER...]\n"
    "Convertit des coordonnées belges, un point par ligne, les champs séparés\n"
    "par une tabulation. Sans FICHIER, ou avec -, lit l'entrée standard.\n"
    "\n"
    "Options :\n"
    "  -f, --from TYPE         lambert | mgrs | ifbl | deg        (défaut : lambert)\n"
    "  -t, --to TYPE           lambert | mgrs | ifbl | deg | dms  (défaut : mgrs)\n"
    "                          dms : degrés, minutes, secondes (50°50'25.5\"N)\n"
    "      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF, en majuscules ou non\n"
    "                          (défaut : BEL72)\n"
    "      --datum-to CODE     mêmes codes (défaut : BEL72 si --to lambert,\n"
    "                          WGS84 sinon)\n"
    "  -p, --precision P       mgrs : 1 | 10 | 100 | 1000 | 10000 mètres (défaut : 100)\n"
    "                          ifbl : 1x1 | 4x4 | 32x20 km (défaut : 1x1)\n"
    "      --decimals N        deg : 5, 6 ou 7 décimales (défaut : 5)\n"
    "      --ifbl-dots         ifbl : codes avec points, E4.35.22 au lieu de E43522\n"
    "      --decimal-mark C    . ou , dans les degrés écrits (défaut : .)\n"
    "      --separator S       ce qui sépare les champs : tab | ';' | ',' | blank\n"
    "                          (blancs et tabulations) (défaut : tab) ; les\n"
    "                          champs de sortie sont séparés de même\n"
    "      --columns N         les coordonnées commencent au champ N (défaut : 1)\n"
    "      --keep              chaque ligne de sortie reprend la ligne d'entrée,\n"
    "                          puis le séparateur et le résultat\n"
    "  -o, --output FICHIER    écrit dans FICHIER au lieu de la sortie standard\n"
    "      --map FICHIER.png   dessine les points sur la carte de Belgique dans\n"
    "                          une image PNG au lieu de convertir\n"
    "      --map-size LxH      taille de cette image en pixels (défaut : 1000x824)\n"
    "      --map-grid          y dessine la grille IFBL (carrés de 32 x 20 km)\n"
    "  -h, --help              affiche cette aide\n"
    "  -V, --version           affiche la version\n"
    "\n"
    "Champs d'entrée :\n"
    "  lambert  X et Y en mètres ; une valeur sous 1000 est lue en kilomètres\n"
    "  deg      latitude et longitude en degrés : 50.85, 50,85 N, S33.9, 4.35 W,\n"
    "           50°51'06\"N, 50°51.1'N, 50:51:06, 50d51m06s ; les lettres N, S, E,\n"
    "           W (avant ou après) disent lequel est la latitude : 4.35E 50.85N\n"
    "  mgrs     une référence, par exemple 31UES963329\n"
    "  ifbl     un carré, par exemple E5.12.34\n"
    "  Un nombre : chiffres, blancs permis (150 000), virgule ou point décimal\n"
    "  une seule fois, signe et exposant permis (-1,5e3). Un champ peut être\n"
    "  entre guillemets, comme en CSV. Avec --separator , le point décimal est\n"
    "  le point.\n"
    "  Refusés, avec leur raison : un champ vide (« Champ manquant »), un texte\n"
    "  (« Nombre illisible : « abc » »), nan, inf, 1.2.3, 150000abc, un nombre\n"
    "  trop grand, une lettre autre que N, S, E, W, un signe avec une lettre,\n"
    "  deux latitudes, des minutes ou secondes de 60 ou plus.\n"
    "  La première ligne d'un fichier sans chiffre dans ses champs de\n"
    "  coordonnées est un en-tête : elle reçoit les noms des colonnes de sortie.\n"
    "  Textes UTF-8 (avec ou sans marque d'ordre des octets) ou UTF-16 avec marque.\n"
    "\n"
    "Une ligne de sortie par ligne d'entrée. Une ligne refusée reçoit la raison\n"
    "du refus, répétée sur la sortie d'erreur sous la forme\n"
    "« koord-cli: ligne N: raison ».\n"
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

CoordKind InputKind(const std::string& word) {
  const CoordKind kind = Kind(word);
  if (!EntryOf(kKindTable, kind).input) {
    throw UsageError("« " + word +
                     " » n'est qu'un type de sortie ; -f deg lit aussi les degrés, minutes, "
                     "secondes");
  }
  return kind;
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

Separator SeparatorNamed(const std::string& word) {
  return Lookup(kSeparatorTable, kCliName, word, "séparateur inconnu");
}

// A field number from 1 to kMaxColumn.
constexpr std::size_t kMaxColumn = 1000;

std::size_t Column(const std::string& word) {
  std::size_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || value < 1 || value > kMaxColumn) {
    throw UsageError("numéro de colonne incorrect : « " + word + " » (de 1 à " +
                     std::to_string(kMaxColumn) + ")");
  }
  return value;
}

// "5", "6" or "7"; only for degree output.
void ReadDecimals(const std::string& word, BatchChoices& choices) {
  if (word.empty()) return;
  if (choices.coorDest != CoordKind::Degrees) {
    throw UsageError("--decimals ne vaut que pour --to deg");
  }
  int value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || value < kMinDegreeDecimals ||
      value > kMaxDegreeDecimals) {
    throw UsageError("nombre de décimales incorrect : « " + word + " » (5, 6 ou 7)");
  }
  choices.degreeDecimals = value;
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
  std::string datumFrom = "BEL72";
  std::string datumTo;
  std::string precision;
  std::string mark = ".";
  std::string separator = "tab";
  std::string columns = "1";

  CLI::App app;
  app.set_help_flag();
  // Unknown options are reported below, in French.
  app.allow_extras();
  app.add_option("-f,--from", from)->take_last();
  app.add_option("-t,--to", to)->take_last();
  app.add_option("--datum-from", datumFrom)->take_last();
  app.add_option("--datum-to", datumTo)->take_last();
  app.add_option("-p,--precision", precision)->take_last();
  std::string decimals;
  app.add_option("--decimals", decimals)->take_last();
  app.add_flag("--ifbl-dots", options.choices.ifblDots);
  app.add_option("--decimal-mark", mark)->take_last();
  app.add_option("--separator", separator)->take_last();
  app.add_option("--columns", columns)->take_last();
  app.add_flag("--keep", options.choices.keepLine);
  app.add_option("-o,--output", options.output)->take_last();
  app.add_option("--map", options.map)->take_last();
  std::string mapSize;
  app.add_option("--map-size", mapSize)->take_last();
  app.add_flag("--map-grid", options.mapGrid);
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
  c.coorFrom = InputKind(from);
  c.coorDest = Kind(to);
  c.datumFrom = DatumNamed(datumFrom);
  c.datumDest = datumTo.empty() ? (c.coorDest == CoordKind::Lambert ? Datum::Bel72 : Datum::Wgs84)
                                : DatumNamed(datumTo);
  ReadPrecision(precision, c);
  ReadDecimals(decimals, c);
  if (c.ifblDots && c.coorDest != CoordKind::Ifbl) {
    throw UsageError("--ifbl-dots ne vaut que pour --to ifbl");
  }
  c.decimalMark = DecimalMark(mark);
  c.separator = SeparatorNamed(separator);
  c.firstColumn = Column(columns);
  if (c.separator == Separator::Comma && c.decimalMark == ',') {
    throw UsageError("--decimal-mark , et --separator , ne vont pas ensemble");
  }
  c.lineEnd = "\n";
  if (options.inputs.empty()) options.inputs.emplace_back("-");
  return options;
}

}  // namespace koord::cli
