#pragma once
// A coordinate kind described once: its word on koord-cli's command line,
// its label in the window's lists, the fields it reads and writes with
// their names in a header, the datum that goes with it, the precisions of
// its output, how its fields are read into the conversion object and how
// its output is written from it. The window, koord-cli and the engine ask
// the descriptor instead of switching on the kind: a new kind is its
// geodesy, one row here and its translations.
//
//   const KindDescriptor& lambert = Describe(CoordKind::Lambert);
//   lambert.cliName == "lambert", lambert.fieldCount == 2,
//   lambert.defaultDatum == Datum::Bel72, lambert.singleDatum == true

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/TransCoo.h"
#include "engine/Choices.h"
#include "engine/OutputFormat.h"
#include "engine/Refusal.h"
#include "support/Language.h"

namespace koord {

// One entry of the precision list of an output kind.
struct PrecisionEntry {
  int value;                 // as PrecisionList::get gives it
  std::string_view cliName;  // the word of koord-cli's -p; empty when it has none
  Translated label;          // in the window's list
};

// The precisions an output kind offers: MGRS metres, IFBL squares, degree
// decimals, the UTM zone; none for the kinds written in whole metres or
// tenths of a second.
struct PrecisionList {
  Translated label;  // before the window's list, with its access key
  std::span<const PrecisionEntry> entries;
  int defaultValue;
  // The value of the choices, and the choices with another value.
  int (*get)(const BatchChoices& choices);
  void (*set)(BatchChoices& choices, int value);
};

// Why a line's coordinate fields give no point: the reason, and the detail
// that follows it (the name of a missing field), or the field to quote,
// quoted only when the refusal is written (kind detection throws most
// refusals away); the field is valid as long as its line.
struct FieldRefusal {
  Reason reason;
  std::string detail;
  std::optional<std::string_view> quoted = {};
};

// The detail of a refusal as it is written.
std::string DetailOf(const FieldRefusal& refusal, Language language);

// What reading a line's coordinate fields gave: the point set in the
// conversion object, or why not; and how many fields the kind took.
struct FieldReading {
  std::optional<FieldRefusal> refusal;
  std::size_t consumed = 0;
  // One number in kilometres, the other in metres: a reading that no list
  // means (a numbered line "1<TAB>150000<TAB>170000" read from its first
  // field).
  bool unitsMixed = false;
};

// How an output is written, besides the point itself.
struct OutputStyle {
  char separator = '\t';  // between the output fields
  char decimalMark = '.';
  int degreeDecimals = kDefaultDegreeDecimals;
  bool ifblDots = false;
  bool mgrsShort = false;  // Belgian squares without their grid zone
  MetreStyle metres;       // Lambert 1972, Lambert 2008 and UTM numbers
};

struct KindDescriptor {
  CoordKind kind;
  std::string_view cliName;    // -f and -t of koord-cli
  std::string_view shortName;  // in messages: "précision MGRS inconnue"
  Translated label;            // the window's kind lists
  bool input;                  // offered as the kind of the input
  // The fields the kind reads and writes, and their names in a header.
  std::size_t fieldCount;
  std::array<Translated, 3> fieldNames;
  // The datum that goes with the kind, in and out, and whether it is the
  // only one the kind has (Lambert and IFBL belong to BD72, Lambert 2008
  // to ETRS89).
  Datum defaultDatum;
  bool singleDatum;
  // Shown in the empty input box.
  Translated example;
  // The output's precisions, when it has any.
  std::optional<PrecisionList> precision;
  // Sets the conversion object up for this output, one of a run's: what it
  // must compute besides the others', at which precision.
  void (*prepareOutput)(const BatchChoices& choices, TransCoo& point);
  // Reads the kind's fields into the conversion object, its input kind
  // set. `fields` are those from the first coordinate field on, in the
  // kind's order (fewer than fieldCount when the line has fewer). With
  // `wholeRest` (fields cut at blanks), a kind written in one field, or
  // both angles of a point, may take all the fields given, as the blanks
  // of "31U ES 963 329" or "N50 51.100 E004 21.167" belong to them.
  FieldReading (*read)(std::span<const std::string_view> fields, bool wholeRest, TransCoo& point,
                       Language language);
  // Whether one field, the index-th of the kind, reads as a value of it
  // ("150000", "50°51'N", "31N", anything with a digit for a reference):
  // a first line whose coordinate fields hold none is a header.
  bool (*looksLikeValue)(std::string_view field, std::size_t index);
  // The words by which a header names each field, in lower case without
  // accents ("x", "est", "lat", "breedte"...).
  std::array<std::span<const std::string_view>, 3> headerWords;
  // Appends the kind's output fields from a converted point that has them
  // (TransCoo::OutputError).
  void (*write)(const TransCoo& point, const OutputStyle& style, std::string& out);
  // Whether the output is written in metres, with MetreDecimalsList's
  // decimals.
  bool writesMetres = false;
};

// The name of the column that shows the kind each line was read as.
inline constexpr Translated kKindColumn{"Type", "Type", "Kind", "Typ"};

// How many kinds there are.
inline constexpr std::size_t kKindCount = 7;

// The decimals of the outputs written in metres (writesMetres).
const PrecisionList& MetreDecimalsList();

// The descriptor of a kind.
const KindDescriptor& Describe(CoordKind kind);
// Every kind, in the order of the window's lists.
std::span<const KindDescriptor> AllKinds();

// The kind whose command-line word is `word` (any case), if there is one.
std::optional<CoordKind> KindNamed(std::string_view word);

}  // namespace koord
