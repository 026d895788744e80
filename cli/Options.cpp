#include "cli/Options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "cli/Say.h"
#include "engine/Kind.h"
#include "engine/Refusal.h"
#include "files/FileFormat.h"
#include "support/Ascii.h"
#include "support/Language.h"

namespace koord::cli {

namespace {

// "--zone ne vaut que pour --to utm": %1 an option, %2 (and %3) the outputs
// it is for.
constexpr Translated kOnlyFor{"%1 ne vaut que pour %2", "%1 geldt alleen voor %2",
                              "%1 applies only to %2"};
constexpr Translated kOnlyFor2{"%1 ne vaut que pour %2 ou %3", "%1 geldt alleen voor %2 of %3",
                               "%1 applies only to %2 or %3"};
constexpr Translated kNotTogether{"%1 et %2 ne vont pas ensemble", "%1 en %2 gaan niet samen",
                                  "%1 and %2 cannot be used together"};

// Most converting threads by default, and the most KOORD_THREADS may ask
// for: the machine's cores, and at least kLeastThreadsAllowed.
constexpr int kDefaultMaxThreads = 8;
constexpr int kLeastThreadsAllowed = 64;

// What a table's entry stands for.
template <typename Entry>
auto Value(const Entry& entry) {
  return entry.value;
}
inline CoordKind Value(const KindDescriptor& entry) {
  return entry.kind;
}

// The value whose name (any case) is `word` in a table; otherwise
// UsageError, its message opened by `unknown` and listing the names.
template <typename Entry, typename Name>
auto Lookup(std::span<const Entry> table, Name name, const std::string& word,
            const Translated& unknown) {
  static constexpr Translated kOr{" ou ", " of ", " or "};
  static constexpr Translated kUnknown{"%1 : « %2 » (%3)", "%1: “%2” (%3)", "%1: “%2” (%3)"};
  const std::string lower = ascii::ToLower(word);
  for (const Entry& entry : table) {
    if (ascii::ToLower(name(entry)) == lower) return Value(entry);
  }
  std::string allowed;
  for (std::size_t i = 0; i < table.size(); ++i) {
    allowed += i == 0 ? "" : (i + 1 == table.size() ? Say(kOr) : ", ");
    // A name that is a sign (";", ",") is quoted, so the list reads.
    const std::string_view listed = name(table[i]);
    allowed += listed.size() == 1 && !ascii::IsDigit(listed[0]) ? QuotedField(listed, Spoken())
                                                                : std::string(listed);
  }
  throw UsageError(Say(kUnknown, {Say(unknown), word, allowed}));
}

constexpr auto kCliName = [](const auto& entry) { return entry.cliName; };
// -f's word for each line read as its own kind.
constexpr std::string_view kDetectWord = "auto";
constexpr auto kCode = [](const DatumEntry& entry) { return entry.code; };

// A whole number from `min` to `max`, written with digits only.
std::optional<int> WholeNumber(std::string_view text, int min, int max) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

bool Among(CoordKind kind, std::span<const CoordKind> kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// The words of a list given to one option: "lambert,deg,mgrs".
std::vector<std::string> SplitList(const std::string& list) {
  std::vector<std::string> words;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    words.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos) return words;
    start = comma + 1;
  }
}

CoordKind Kind(const std::string& word) {
  static constexpr Translated kUnknownKind{"type de coordonnées inconnu",
                                           "onbekend coördinatentype", "unknown coordinate type"};
  return Lookup(AllKinds(), kCliName, word, kUnknownKind);
}

// --to: one kind or a list of kinds, each once.
void ReadOutputs(const std::string& words, BatchChoices& choices) {
  std::vector<CoordKind> outputs;
  for (const std::string& word : SplitList(words)) {
    const CoordKind kind = Kind(word);
    if (Among(kind, outputs)) {
      static constexpr Translated kTwice{"type de sortie donné deux fois : « %1 »",
                                         "uitvoertype twee keer gegeven: “%1”",
                                         "output type given twice: “%1”"};
      throw UsageError(Say(kTwice, {word}));
    }
    outputs.push_back(kind);
  }
  choices.coorDest = outputs.front();
  choices.moreOutputs.assign(outputs.begin() + 1, outputs.end());
}

CoordKind InputKind(const std::string& word) {
  const CoordKind kind = Kind(word);
  if (!Describe(kind).input) {
    static constexpr Translated kOutputOnly{
        "« %1 » n'est qu'un type de sortie ; -f deg lit aussi les degrés, minutes, secondes",
        "“%1” is alleen een uitvoertype; -f deg leest ook graden, minuten, seconden",
        "“%1” is an output type only; -f deg also reads degrees, minutes, seconds"};
    throw UsageError(Say(kOutputOnly, {word}));
  }
  return kind;
}

// The outputs of a run: --to's, in order.
std::vector<CoordKind> OutputsOf(const BatchChoices& choices) {
  std::vector<CoordKind> outputs{choices.coorDest};
  outputs.insert(outputs.end(), choices.moreOutputs.begin(), choices.moreOutputs.end());
  return outputs;
}

// Refuses an option given for outputs it does not apply to: "--zone ne
// vaut que pour --to utm".
void RequireOutput(std::string_view option, std::span<const CoordKind> asked,
                   std::span<const CoordKind> outputs) {
  for (const CoordKind kind : asked) {
    if (Among(kind, outputs)) return;
  }
  std::vector<std::string> words;
  for (const CoordKind kind : outputs) {
    words.push_back("--to " + std::string(Describe(kind).cliName));
  }
  if (words.size() == 1) throw UsageError(Say(kOnlyFor, {option, words[0]}));
  std::string first = words[0];
  for (std::size_t i = 1; i + 1 < words.size(); ++i) first += ", " + words[i];
  throw UsageError(Say(kOnlyFor2, {option, first, words.back()}));
}

// A reference or a square converted to its own kind keeps the precision it
// was given, unless one is asked: the finest of the list, which cuts
// nothing.
void KeepInputPrecision(BatchChoices& choices) {
  if (choices.detectKind) return;
  const KindDescriptor& kind = Describe(choices.coorFrom);
  if (!Among(kind.kind, OutputsOf(choices))) return;
  if (!kind.precision || kind.precision->entries.front().cliName.empty()) return;
  kind.precision->set(choices, kind.precision->entries.front().value);
}

// The map's picture is PNG or SVG, by its name.
void RequireMapExtension(const std::string& path) {
  const std::string lower = ascii::ToLower(path);
  if (lower.ends_with(".png") || lower.ends_with(".svg")) return;
  static constexpr Translated kBadExtension{"la carte s'écrit en .png ou en .svg : « %1 »",
                                            "de kaart wordt als .png of .svg geschreven: “%1”",
                                            "the map is written as .png or .svg: “%1”"};
  throw UsageError(Say(kBadExtension, {path}));
}

Datum DatumNamed(const std::string& word) {
  static constexpr Translated kUnknownDatum{"datum inconnu", "onbekend datum", "unknown datum"};
  return Lookup(std::span<const DatumEntry>(kDatumTable), kCode, word, kUnknownDatum);
}

// The outputs whose precisions koord-cli names with -p.
std::vector<CoordKind> OutputsWithPrecisionWords() {
  std::vector<CoordKind> outputs;
  for (const KindDescriptor& kind : AllKinds()) {
    if (kind.precision && !kind.precision->entries.front().cliName.empty()) {
      outputs.push_back(kind.kind);
    }
  }
  return outputs;
}

// The datum given for a kind, or the kind's own. A kind that has one
// datum only refuses another, which would be ignored.
Datum ReadDatum(std::string_view option, const std::string& word, CoordKind kind) {
  const KindDescriptor& descriptor = Describe(kind);
  if (word.empty()) return descriptor.defaultDatum;
  const Datum datum = DatumNamed(word);
  if (descriptor.singleDatum && datum != descriptor.defaultDatum) {
    static constexpr Translated kSingleDatum{"%1 %2 : les coordonnées %3 sont toujours en %4",
                                             "%1 %2: %3-coördinaten zijn altijd in %4",
                                             "%1 %2: %3 coordinates are always on %4"};
    throw UsageError(Say(kSingleDatum, {option, word, descriptor.shortName,
                                        EntryOf(kDatumTable, descriptor.defaultDatum).code}));
  }
  return datum;
}

// One precision for each output that has words for them, in a list:
// "-p 100", "-p 100,4x4" with MGRS and IFBL outputs; each word sets the
// output whose list holds it.
// The datum of the outputs: the one named, or their own. Outputs on one
// datum only (Lambert, IFBL) are written on theirs whatever the others',
// so the datum is that of the first output that has a choice, and is
// refused only when no output has one.
Datum OutputDatum(const std::string& word, std::span<const CoordKind> outputs) {
  for (const CoordKind kind : outputs) {
    if (!Describe(kind).singleDatum) return ReadDatum("--datum-to", word, kind);
  }
  return ReadDatum("--datum-to", word, outputs.front());
}

void ReadPrecision(const std::string& words, BatchChoices& choices) {
  static constexpr Translated kUnknownPrecision{"précision %1 inconnue", "onbekende %1-precisie",
                                                "unknown %1 precision"};
  const std::vector<CoordKind> outputs = OutputsOf(choices);
  const std::vector<CoordKind> withWords = OutputsWithPrecisionWords();
  RequireOutput("--precision", outputs, withWords);
  for (const std::string& word : SplitList(words)) {
    const KindDescriptor* fitting = nullptr;
    for (const CoordKind kind : outputs) {
      const KindDescriptor& output = Describe(kind);
      if (!Among(kind, withWords)) continue;
      if (!fitting) fitting = &output;
      for (const PrecisionEntry& entry : output.precision->entries) {
        if (ascii::ToLower(entry.cliName) == ascii::ToLower(word)) fitting = &output;
      }
    }
    const std::string unknown = Say(kUnknownPrecision, {fitting->shortName});
    const Translated unknownText{unknown, unknown, unknown};
    fitting->precision->set(choices,
                            Lookup(fitting->precision->entries, kCliName, word, unknownText));
  }
}

// A zone number from 1 to 60, for UTM output only.
std::int16_t Zone(const std::string& word, std::span<const CoordKind> outputs) {
  RequireOutput("--zone", outputs, std::array{CoordKind::Utm});
  const std::optional<int> zone = WholeNumber(word, 1, kLastUtmZone);
  if (!zone) {
    static constexpr Translated kBadZone{"zone UTM incorrecte : « %1 » (de 1 à 60)",
                                         "onjuiste UTM-zone: “%1” (van 1 tot 60)",
                                         "incorrect UTM zone: “%1” (1 to 60)"};
    throw UsageError(Say(kBadZone, {word}));
  }
  return static_cast<std::int16_t>(*zone);
}

Separator SeparatorNamed(const std::string& word) {
  static constexpr Translated kUnknownSeparator{"séparateur inconnu", "onbekend scheidingsteken",
                                                "unknown separator"};
  return Lookup(std::span<const SeparatorEntry>(kSeparatorTable), kCliName, word,
                kUnknownSeparator);
}

// A field number from 1 to kMaxColumn.
constexpr int kMaxColumn = 1000;

std::size_t Column(const std::string& word) {
  const std::optional<int> column = WholeNumber(word, 1, kMaxColumn);
  if (!column) {
    static constexpr Translated kBadColumn{"numéro de colonne incorrect : « %1 » (de 1 à %2)",
                                           "onjuist kolomnummer: “%1” (van 1 tot %2)",
                                           "incorrect column number: “%1” (1 to %2)"};
    throw UsageError(Say(kBadColumn, {word, std::to_string(kMaxColumn)}));
  }
  return static_cast<std::size_t>(*column);
}

void ReadDecimalsFor(const std::string& word, bool degrees, BatchChoices& choices);

// "5", "6" or "7" for degree output; 0 to 3 for the outputs in metres; a
// list of both when both are written ("6,2"), each number for the outputs
// whose range holds it.
void ReadDecimals(const std::string& words, BatchChoices& choices) {
  static constexpr std::array kMetreOutputs{CoordKind::Lambert, CoordKind::Lambert2008,
                                            CoordKind::Utm};
  static constexpr std::array kOutputs{CoordKind::Degrees, CoordKind::Lambert,
                                       CoordKind::Lambert2008, CoordKind::Utm};
  const std::vector<CoordKind> outputs = OutputsOf(choices);
  RequireOutput("--decimals", outputs, kOutputs);
  const bool degrees = Among(CoordKind::Degrees, outputs);
  bool metres = false;
  for (const CoordKind kind : kMetreOutputs) metres = metres || Among(kind, outputs);
  for (const std::string& word : SplitList(words)) {
    const std::optional<int> asDegrees = WholeNumber(word, kMinDegreeDecimals, kMaxDegreeDecimals);
    const bool forDegrees = degrees && (!metres || asDegrees);
    ReadDecimalsFor(word, forDegrees, choices);
  }
}

void ReadDecimalsFor(const std::string& word, bool degrees, BatchChoices& choices) {
  if (degrees) {
    const std::optional<int> decimals = WholeNumber(word, kMinDegreeDecimals, kMaxDegreeDecimals);
    if (!decimals) {
      static constexpr Translated kBadDecimals{"nombre de décimales incorrect : « %1 » (5, 6 ou 7)",
                                               "onjuist aantal decimalen: “%1” (5, 6 of 7)",
                                               "incorrect number of decimals: “%1” (5, 6 or 7)"};
      throw UsageError(Say(kBadDecimals, {word}));
    }
    choices.degreeDecimals = *decimals;
    return;
  }
  const std::optional<int> decimals = WholeNumber(word, 0, kMaxMetreDecimals);
  if (!decimals) {
    static constexpr Translated kBadMetreDecimals{
        "nombre de décimales incorrect : « %1 » (de 0 à %2)",
        "onjuist aantal decimalen: “%1” (van 0 tot %2)",
        "incorrect number of decimals: “%1” (0 to %2)"};
    throw UsageError(Say(kBadMetreDecimals, {word, std::to_string(kMaxMetreDecimals)}));
  }
  choices.metreDecimals = *decimals;
}

char DecimalMark(const std::string& word, std::span<const CoordKind> outputs) {
  static constexpr std::array kOutputs{CoordKind::Degrees, CoordKind::Dms, CoordKind::Lambert,
                                       CoordKind::Lambert2008, CoordKind::Utm};
  RequireOutput("--decimal-mark", outputs, kOutputs);
  if (word != "." && word != ",") {
    static constexpr Translated kUnknownMark{"séparateur décimal inconnu : « %1 » (. ou ,)",
                                             "onbekend decimaalteken: “%1” (. of ,)",
                                             "unknown decimal mark: “%1” (. or ,)"};
    throw UsageError(Say(kUnknownMark, {word}));
  }
  return word.front();
}

// CLI11 reports a missing value as "--from: 1 required TEXT missing"; its
// English is replaced by the language spoken.
std::string SpokenParseError(const CLI::ParseError& error) {
  static constexpr Translated kMissingValue{"valeur manquante pour l'option %1",
                                            "ontbrekende waarde voor optie %1",
                                            "missing value for option %1"};
  static constexpr Translated kBadCommandLine{"ligne de commande incorrecte",
                                              "onjuiste opdrachtregel", "incorrect command line"};
  const std::string text = error.what();
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos && text.rfind('-', 0) == 0) {
    return Say(kMissingValue, {text.substr(0, colon)});
  }
  return Say(kBadCommandLine);
}

// "LxH" in pixels, each side 1 to kMaxMapSide.
constexpr int kMaxMapSide = 4096;

void ReadMapSize(const std::string& text, Options& options) {
  static constexpr Translated kBadSize{
      "taille de carte incorrecte : %1 (attendu LxH, de 1 à 4096 pixels)",
      "onjuiste kaartgrootte: %1 (verwacht BxH, van 1 tot 4096 pixels)",
      "incorrect map size: %1 (expected WxH, 1 to 4096 pixels)"};
  const std::string error = Say(kBadSize, {text});
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) throw UsageError(error);
  const auto side = [&](std::string_view digits) {
    const std::optional<int> pixels = WholeNumber(digits, 1, kMaxMapSide);
    if (!pixels) throw UsageError(error);
    return *pixels;
  };
  const std::string_view view(text);
  options.mapWidth = side(view.substr(0, x));
  options.mapHeight = side(view.substr(x + 1));
}

// The format that --format names; otherwise UsageError listing them.
files::FileFormat FormatNamed(const std::string& word) {
  static constexpr Translated kUnknownFormat{"format de fichier inconnu",
                                             "onbekend bestandsformaat", "unknown file format"};
  return Lookup(
      std::span<const files::FormatTraits>(files::kFormatTable),
      [](const files::FormatTraits& traits) { return traits.name; }, word, kUnknownFormat);
}

// The file of another program that the output is, if it is one: the
// format --format names, which must be the extension's; else the
// extension's, but for .csv, which stays koord-cli's own text unless
// --format csv asks for the spreadsheets' CSV.
std::optional<files::FileFormat> OutputFormat(const std::string& output,
                                              const std::string& format) {
  const std::optional<files::FileFormat> byName = files::FormatOfPath(output);
  if (format.empty()) {
    if (byName == files::FileFormat::Csv) return std::nullopt;
    return byName;
  }
  static constexpr Translated kNeedsOutput{"--format demande -o FICHIER",
                                           "--format vraagt -o BESTAND", "--format needs -o FILE"};
  if (output.empty()) throw UsageError(Say(kNeedsOutput));
  const files::FileFormat named = FormatNamed(format);
  // A name without extension takes the format asked, but for a shapefile,
  // whose siblings are named after its .shp.
  const std::string_view base = std::string_view(output).substr(output.find_last_of('/') + 1);
  const bool extension = base.find('.', 1) != std::string_view::npos;
  if (byName == named || (!extension && named != files::FileFormat::Shapefile)) return named;
  static constexpr Translated kWrongExtension{
      "--format %1 et -o « %2 » ne vont pas ensemble : le fichier s'écrit en %3",
      "--format %1 en -o “%2” gaan niet samen: het bestand wordt als %3 geschreven",
      "--format %1 and -o “%2” cannot be used together: the file is written as %3"};
  const files::FormatTraits& traits = files::Traits(named);
  throw UsageError(Say(kWrongExtension, {traits.name, output, traits.extension}));
}

// --squares: IFBL or MGRS output, written to a file that holds polygons.
void RequireSquaresPlace(const Options& options) {
  // The geometry is the first output's.
  RequireOutput("--squares", std::span(&options.choices.coorDest, 1),
                std::array{CoordKind::Ifbl, CoordKind::Mgrs});
  if (options.outputFormat && files::Traits(*options.outputFormat).geometry) return;
  static constexpr Translated kNoGeometry{
      "--squares ne vaut que pour -o FICHIER d'un format à géométrie (.gpkg, .shp, .geojson, "
      ".kml, .kmz, .gpx)",
      "--squares geldt alleen voor -o BESTAND in een formaat met geometrie (.gpkg, .shp, "
      ".geojson, .kml, .kmz, .gpx)",
      "--squares applies only to -o FILE in a format with geometry (.gpkg, .shp, .geojson, .kml, "
      ".kmz, .gpx)"};
  throw UsageError(Say(kNoGeometry));
}

// One converting thread per core, or KOORD_THREADS when it is set.
unsigned ConverterThreads() {
  const char* asked = std::getenv("KOORD_THREADS");
  if (asked == nullptr || *asked == '\0') {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1u, static_cast<unsigned>(kDefaultMaxThreads));
  }
  const std::string_view text(asked);
  const int most =
      std::max(kLeastThreadsAllowed, static_cast<int>(std::thread::hardware_concurrency()));
  const std::optional<int> threads = WholeNumber(text, 1, most);
  if (!threads) {
    static constexpr Translated kBadThreads{
        "KOORD_THREADS incorrect : « %1 » (un nombre de 1 à %2)",
        "onjuiste KOORD_THREADS: “%1” (een getal van 1 tot %2)",
        "incorrect KOORD_THREADS: “%1” (a number from 1 to %2)"};
    throw UsageError(Say(kBadThreads, {text, std::to_string(most)}));
  }
  return static_cast<unsigned>(*threads);
}

// A file name given empty would silently stand for something else; `what`
// says where it was given.
void RequireFileName(const std::string& name, const Translated& what) {
  if (name.empty()) throw UsageError(Say(what));
}

constexpr Translated kEmptyOutput{"nom de fichier vide pour --output",
                                  "lege bestandsnaam voor --output",
                                  "empty file name for --output"};
constexpr Translated kEmptyMap{"nom de fichier vide pour --map", "lege bestandsnaam voor --map",
                               "empty file name for --map"};
constexpr Translated kEmptyInput{"nom de fichier vide en entrée", "lege invoerbestandsnaam",
                                 "empty input file name"};

// The language of the messages: --lang, else KOORD_LANG, else French. Read
// before the command line is parsed, so that its errors are already in it;
// an unknown code is reported in French, the language not being known.
Language ChosenLanguage(int argc, const char* const* argv) {
  std::optional<std::string_view> asked;
  std::string_view source = "--lang";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg == "--") break;
    if (arg == "--lang" && i + 1 < argc) {
      asked = argv[++i];
    } else if (arg.starts_with("--lang=")) {
      asked = arg.substr(std::string_view("--lang=").size());
    }
  }
  if (!asked) {
    const char* variable = std::getenv("KOORD_LANG");
    if (variable == nullptr || *variable == '\0') return Language::French;
    asked = variable;
    source = "KOORD_LANG";
  }
  if (const std::optional<Language> language = LanguageOfCode(ascii::ToLower(*asked))) {
    return *language;
  }
  throw UsageError(std::string(source) + " incorrect : « " + std::string(*asked) +
                   " » (fr, nl ou en)");
}

}  // namespace

Options ParseOptions(int argc, const char* const* argv) {
  Options options;
  options.choices.language = ChosenLanguage(argc, argv);
  SpeakIn(options.choices.language);
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
  // Unknown options and repeated ones are reported below, in the language spoken.
  app.allow_extras();
  std::vector<const CLI::Option*> valued;
  const auto add = [&](const std::string& names, std::string& value) {
    const CLI::Option* option = app.add_option(names, value)->take_last();
    valued.push_back(option);
    return option;
  };
  const CLI::Option* fromGiven = add("-f,--from", from);
  const CLI::Option* toGiven = add("-t,--to", to);
  const CLI::Option* datumFromGiven = add("--datum-from", datumFrom);
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
  app.add_flag("--near-belgium", options.choices.nearBelgium);
  app.add_flag("--show-kind", options.choices.showKind);
  app.add_flag("--mgrs-short", options.choices.mgrsShort);
  const CLI::Option* zoneGiven = add("--zone", zone);
  const CLI::Option* outputGiven = add("-o,--output", options.output);
  std::string format;
  add("--format", format);
  app.add_flag("--squares", options.squares);
  add("--sheet", options.sheet);
  add("--layer", options.layer);
  const CLI::Option* mapGiven = add("--map", options.map);
  std::string mapSize;
  const CLI::Option* mapSizeGiven = add("--map-size", mapSize);
  app.add_flag("--map-grid", options.mapGrid);
  std::string language;
  add("--lang", language);
  app.add_flag("-h,--help", options.help);
  app.add_flag("-V,--version", options.version);
  app.add_option("files", options.inputs);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    throw UsageError(SpokenParseError(error));
  }
  for (const std::string& extra : app.remaining()) {
    static constexpr Translated kUnknownOption{"option inconnue : %1", "onbekende optie: %1",
                                               "unknown option: %1"};
    if (extra != "--") throw UsageError(Say(kUnknownOption, {extra}));
  }
  if (options.help || options.version) return options;
  // The last value would silently win over the first.
  for (const CLI::Option* option : valued) {
    if (option->count() > 1) {
      static constexpr Translated kTwice{"option donnée plus d'une fois : %1",
                                         "optie meer dan eens opgegeven: %1",
                                         "option given more than once: %1"};
      throw UsageError(Say(kTwice, {option->get_name()}));
    }
  }
  if (outputGiven->count() > 0) RequireFileName(options.output, kEmptyOutput);
  if (mapGiven->count() > 0) RequireFileName(options.map, kEmptyMap);
  for (const std::string& input : options.inputs) RequireFileName(input, kEmptyInput);
  if (mapGiven->count() > 0) {
    for (const auto& [other, given] :
         {std::pair{"--output", outputGiven->count() > 0}, std::pair{"--to", toGiven->count() > 0},
          std::pair{"--keep", options.choices.keepLine}}) {
      if (given) throw UsageError(Say(kNotTogether, {"--map", other}));
    }
    RequireMapExtension(options.map);
  }

  if (mapSizeGiven->count() > 0) ReadMapSize(mapSize, options);

  BatchChoices& c = options.choices;
  if (ascii::ToLower(from) == kDetectWord) {
    // Each line read as its kind; a datum named applies to the kinds that
    // have more than one, those of GPS receivers by default.
    c.detectKind = true;
    c.coorFrom = CoordKind::Degrees;
  } else {
    c.coorFrom = InputKind(from);
  }
  ReadOutputs(to, c);
  c.datumFrom = ReadDatum("--datum-from", datumFrom, c.coorFrom);
  const std::vector<CoordKind> outputs = OutputsOf(c);
  c.datumDest = OutputDatum(datumTo, outputs);
  if (precisionGiven->count() > 0) {
    ReadPrecision(precision, c);
  } else {
    KeepInputPrecision(c);
  }
  if (decimalsGiven->count() > 0) ReadDecimals(decimals, c);
  if (c.ifblDots) RequireOutput("--ifbl-dots", outputs, std::array{CoordKind::Ifbl});
  if (c.mgrsShort) RequireOutput("--mgrs-short", outputs, std::array{CoordKind::Mgrs});
  if (markGiven->count() > 0) c.decimalMark = DecimalMark(mark, outputs);
  if (separatorGiven->count() > 0) c.separator = SeparatorNamed(separator);
  if (columnsGiven->count() > 0) c.firstColumn = Column(columns);
  if (zoneGiven->count() > 0) c.utmZone = Zone(zone, outputs);
  if (c.separator == Separator::Comma && c.decimalMark == ',') {
    throw UsageError(Say(kNotTogether, {"--decimal-mark ,", "--separator ,"}));
  }
  options.fromGiven = fromGiven->count() > 0;
  options.datumFromGiven = datumFromGiven->count() > 0;
  if (mapGiven->count() > 0 && !format.empty()) {
    throw UsageError(Say(kNotTogether, {"--map", "--format"}));
  }
  options.outputFormat = OutputFormat(options.output, format);
  if (options.squares) RequireSquaresPlace(options);
  if (options.outputFormat && c.keepLine) {
    static constexpr Translated kKeepInText{
        "--keep ne vaut que pour une sortie texte : « %1 » garde toutes les colonnes d'entrée",
        "--keep geldt alleen voor tekstuitvoer: “%1” behoudt alle invoerkolommen",
        "--keep applies only to text output: “%1” keeps every input column"};
    throw UsageError(Say(kKeepInText, {options.output}));
  }
  for (const auto& [option, value] :
       {std::pair{"--sheet", &options.sheet}, std::pair{"--layer", &options.layer}}) {
    if (value->empty() && app.get_option(option)->count() > 0) {
      static constexpr Translated kEmptyName{"nom vide pour %1", "lege naam voor %1",
                                             "empty name for %1"};
      throw UsageError(Say(kEmptyName, {option}));
    }
  }
  if (options.inputs.empty()) options.inputs.emplace_back("-");
  options.threads = ConverterThreads();
  return options;
}

}  // namespace koord::cli
