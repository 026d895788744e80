#include "cli/Options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "support/Ascii.h"

namespace koord::cli {

const char* const kHelp =
    "Utilisation : koord-cli [OPTIONS] [FICHIER...]\n"
    "Convertit des coordonnées belges, un point par ligne, les champs séparés\n"
    "par une tabulation. Sans FICHIER, ou avec -, lit l'entrée standard.\n"
    "\n"
    "Options :\n"
    "  -f, --from TYPE         lambert | mgrs | ifbl | deg | lambert2008 | utm\n"
    "                          (défaut : lambert)\n"
    "  -t, --to TYPE           mêmes types, ou dms : degrés, minutes, secondes\n"
    "                          (50°50'25.5\"N) (défaut : mgrs)\n"
    "      --datum-from CODE   BEL72 | WGS84 | EUR-M | NTF | ETRS89, en majuscules ou\n"
    "                          non (défaut : BEL72 pour lambert et ifbl, ETRS89 pour\n"
    "                          lambert2008, WGS84 pour deg, mgrs et utm)\n"
    "      --datum-to CODE     mêmes codes, mêmes défauts selon --to\n"
    "      --precise           BD72 et WGS84 par la transformation officielle\n"
    "                          « BD72 to ETRS89 (2) » (0,2 m) au lieu du décalage\n"
    "                          de Molodensky (1 m environ) ; elle sert toujours\n"
    "                          entre BD72 et ETRS89, et pour Lambert 2008\n"
    "      --zone N            utm : la zone des résultats, de 1 à 60, au lieu de\n"
    "                          celle de chaque point (par exemple 31 pour tout un\n"
    "                          jeu de données belge)\n"
    "  -p, --precision P       mgrs : 1 | 10 | 100 | 1000 | 10000 mètres (défaut : 100)\n"
    "                          ifbl : 1x1 | 4x4 | 32x20 km (défaut : 1x1)\n"
    "      --decimals N        deg : 5, 6 ou 7 décimales (défaut : 5)\n"
    "      --ifbl-dots         ifbl : codes avec points, E4.35.22 au lieu de E43522\n"
    "      --decimal-mark C    deg et dms : . ou , dans les degrés écrits\n"
    "                          (défaut : .)\n"
    "      --separator S       ce qui sépare les champs : tab | ';' | ',' | blank\n"
    "                          (blancs et tabulations) (défaut : tab) ; les\n"
    "                          champs de sortie sont séparés de même\n"
    "      --columns N         les coordonnées commencent au champ N (défaut : 1)\n"
    "      --keep              chaque ligne de sortie reprend la ligne d'entrée,\n"
    "                          puis le séparateur et le résultat\n"
    "  -o, --output FICHIER    écrit dans FICHIER au lieu de la sortie standard ;\n"
    "                          FICHIER n'est remplacé qu'à la fin d'une exécution\n"
    "                          réussie, et reste intact sinon\n"
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
    "  lambert2008  X et Y en mètres (Lambert belge 2008, ETRS89)\n"
    "  utm      zone et hémisphère, est, nord : 31N<TAB>596371<TAB>5632970\n"
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
    "Les degrés, les nombres UTM et les références MGRS sont donnés dans le datum\n"
    "d'arrivée ; Lambert 1972 et IFBL sont toujours en BEL72, Lambert 2008 en\n"
    "ETRS89. Une référence MGRS ou un carré IFBL converti vers le même type est\n"
    "raccourci à la précision demandée, jamais allongé. Un point hors du domaine\n"
    "Lambert (X de 0 à 310 000 m, Y de 0 à 260 000 m) n'a pas de coordonnées\n"
    "Lambert : sa ligne est refusée.\n"
    "\n"
    "Une ligne de sortie par ligne d'entrée, champs séparés comme à l'entrée.\n"
    "Une ligne refusée reçoit la raison du refus, répétée sur la sortie d'erreur\n"
    "sous la forme « koord-cli: FICHIER:N: raison », N étant le numéro de la\n"
    "ligne dans FICHIER (- pour l'entrée standard).\n"
    "\n"
    "Variable d'environnement : KOORD_THREADS, le nombre de fils de conversion,\n"
    "de 1 à 8 (défaut : un par cœur).\n"
    "\n"
    "Code de sortie : 0 tout est converti, 1 une ligne au moins est refusée,\n"
    "2 erreur d'utilisation ou de fichier, 128 + N interrompu par le signal N.\n";

namespace {

// Most converting threads, whatever the cores or KOORD_THREADS.
constexpr unsigned kMaxThreads = 8;

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
  if (choices.coorDest == CoordKind::Mgrs) {
    choices.mgrsPrecision = Lookup(kMgrsPrecisionTable, kCliName, word, "précision MGRS inconnue");
  } else if (choices.coorDest == CoordKind::Ifbl) {
    choices.ifblPrecision = Lookup(kIfblPrecisionTable, kCliName, word, "précision IFBL inconnue");
  } else {
    throw UsageError("--precision ne vaut que pour --to mgrs ou --to ifbl");
  }
}

// Lambert and IFBL belong to BEL72, Lambert 2008 to ETRS89; degrees, MGRS
// references and UTM numbers that users have come from GPS, on WGS84.
Datum DefaultDatum(CoordKind kind) {
  switch (kind) {
    case CoordKind::Lambert:
    case CoordKind::Ifbl: return Datum::Bel72;
    case CoordKind::Lambert2008: return Datum::Etrs89;
    default: return Datum::Wgs84;
  }
}

// A zone number from 1 to 60, for UTM output only.
std::int16_t Zone(const std::string& word, CoordKind output) {
  if (output != CoordKind::Utm) throw UsageError("--zone ne vaut que pour --to utm");
  int value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || value < 1 || value > kLastUtmZone) {
    throw UsageError("zone UTM incorrecte : « " + word + " » (de 1 à 60)");
  }
  return static_cast<std::int16_t>(value);
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

char DecimalMark(const std::string& word, CoordKind output) {
  if (output != CoordKind::Degrees && output != CoordKind::Dms) {
    throw UsageError("--decimal-mark ne vaut que pour --to deg ou --to dms");
  }
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

// One converting thread per core, or KOORD_THREADS when it is set.
unsigned ConverterThreads() {
  const char* asked = std::getenv("KOORD_THREADS");
  if (asked == nullptr || *asked == '\0') {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1u, kMaxThreads);
  }
  const std::string_view text(asked);
  unsigned threads = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
  if (error != std::errc{} || end != text.data() + text.size() || threads < 1 ||
      threads > kMaxThreads) {
    throw UsageError("KOORD_THREADS incorrect : « " + std::string(text) + " » (un nombre de 1 à " +
                     std::to_string(kMaxThreads) + ")");
  }
  return threads;
}

// A file name given empty would silently stand for something else.
void RequireFileName(const std::string& name, const std::string& what) {
  if (name.empty()) throw UsageError("nom de fichier vide " + what);
}

}  // namespace

Options ParseOptions(int argc, const char* const* argv) {
  Options options;
  std::string from = "lambert";
  std::string to = "mgrs";
  std::string datumFrom;
  std::string datumTo;
  std::string precision;
  std::string mark;
  std::string separator;
  std::string columns;
  std::string zone;

  CLI::App app;
  app.set_help_flag();
  // Unknown options and repeated ones are reported below, in French.
  app.allow_extras();
  std::vector<const CLI::Option*> valued;
  const auto add = [&](const std::string& names, std::string& value) {
    const CLI::Option* option = app.add_option(names, value)->take_last();
    valued.push_back(option);
    return option;
  };
  add("-f,--from", from);
  add("-t,--to", to);
  add("--datum-from", datumFrom);
  add("--datum-to", datumTo);
  const CLI::Option* precisionGiven = add("-p,--precision", precision);
  std::string decimals;
  const CLI::Option* decimalsGiven = add("--decimals", decimals);
  app.add_flag("--ifbl-dots", options.choices.ifblDots);
  const CLI::Option* markGiven = add("--decimal-mark", mark);
  const CLI::Option* separatorGiven = add("--separator", separator);
  const CLI::Option* columnsGiven = add("--columns", columns);
  app.add_flag("--keep", options.choices.keepLine);
  app.add_flag("--precise", options.choices.preciseTransformation);
  const CLI::Option* zoneGiven = add("--zone", zone);
  const CLI::Option* outputGiven = add("-o,--output", options.output);
  const CLI::Option* mapGiven = add("--map", options.map);
  std::string mapSize;
  const CLI::Option* mapSizeGiven = add("--map-size", mapSize);
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
  // The last value would silently win over the first.
  for (const CLI::Option* option : valued) {
    if (option->count() > 1) {
      throw UsageError("option donnée plus d'une fois : " + option->get_name());
    }
  }
  if (outputGiven->count() > 0) RequireFileName(options.output, "pour --output");
  if (mapGiven->count() > 0) RequireFileName(options.map, "pour --map");
  for (const std::string& input : options.inputs) RequireFileName(input, "en entrée");
  if (mapGiven->count() > 0 && outputGiven->count() > 0) {
    throw UsageError("--map et --output ne vont pas ensemble");
  }

  if (mapSizeGiven->count() > 0) ReadMapSize(mapSize, options);

  BatchChoices& c = options.choices;
  c.coorFrom = InputKind(from);
  c.coorDest = Kind(to);
  c.datumFrom = datumFrom.empty() ? DefaultDatum(c.coorFrom) : DatumNamed(datumFrom);
  c.datumDest = datumTo.empty() ? DefaultDatum(c.coorDest) : DatumNamed(datumTo);
  if (precisionGiven->count() > 0) ReadPrecision(precision, c);
  if (decimalsGiven->count() > 0) ReadDecimals(decimals, c);
  if (c.ifblDots && c.coorDest != CoordKind::Ifbl) {
    throw UsageError("--ifbl-dots ne vaut que pour --to ifbl");
  }
  if (markGiven->count() > 0) c.decimalMark = DecimalMark(mark, c.coorDest);
  if (separatorGiven->count() > 0) c.separator = SeparatorNamed(separator);
  if (columnsGiven->count() > 0) c.firstColumn = Column(columns);
  if (zoneGiven->count() > 0) c.utmZone = Zone(zone, c.coorDest);
  if (c.separator == Separator::Comma && c.decimalMark == ',') {
    throw UsageError("--decimal-mark , et --separator , ne vont pas ensemble");
  }
  c.lineEnd = "\n";
  if (options.inputs.empty()) options.inputs.emplace_back("-");
  options.threads = ConverterThreads();
  return options;
}

}  // namespace koord::cli
