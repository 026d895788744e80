#pragma once
// The vocabulary of a run's choices: the coordinate kinds, the datums, the
// precisions of MGRS and IFBL output, what a run makes and how its lines are
// cut, and the choices of a run made of them. Each value has one row in a
// table, in the order of the window's lists, that gives its name on
// koord-cli's command line and its code in the conversion object; a
// coordinate kind's row is its descriptor (engine/Kind.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Kinds.h"
#include "geodesy/Utm.h"
#include "support/Language.h"

namespace koord {

enum class MgrsPrecision { Metre, TenMetres, HundredMetres, Kilometre, TenKilometres };

enum class IfblPrecision { Square1km, Square4km, Square32x20km };

// What a run makes of the points: output lines, or dots on the map.
enum class RunOutput { Text, Map };

// What separates the fields of a line; runs of blanks and tabs for Blank;
// Auto lets each text's first line decide (engine/LayoutFinder.h).
enum class Separator { Tab, Semicolon, Comma, Blank, Auto };

// The last UTM zone, for the choices that name one.
inline constexpr int kLastUtmZone = DMA::kUtmLastZone;

// Decimals of decimal degree output: 5 (about a metre) to 7 (a centimetre).
inline constexpr int kMinDegreeDecimals = 5;
inline constexpr int kMaxDegreeDecimals = 7;
inline constexpr int kDefaultDegreeDecimals = 5;
// Decimals of metre output (Lambert 1972, Lambert 2008, UTM numbers): none
// (the metre, as surveyors' lists have them) to 3 (the millimetre).
inline constexpr int kMaxMetreDecimals = 3;

struct DatumEntry {
  Datum value;
  std::string_view code;   // on the command line and in TransCoo alike
  std::string_view label;  // in the window's lists, the same in every language
};
inline constexpr std::array<DatumEntry, 5> kDatumTable{{
    {Datum::Bel72, "BEL72", "Lambert 1972"},
    {Datum::Wgs84, "WGS84", "WGS84"},
    {Datum::Eur50, "EUR-M", "European 1950"},
    {Datum::Ntf, "NTF", "NTF (France)"},
    {Datum::Etrs89, "ETRS89", "ETRS89"},
}};

struct MgrsPrecisionEntry {
  MgrsPrecision value;
  std::string_view cliName;
  std::int32_t metres;  // TransCoo's mgrsPrecision
};
inline constexpr std::array<MgrsPrecisionEntry, 5> kMgrsPrecisionTable{{
    {MgrsPrecision::Metre, "1", 1},
    {MgrsPrecision::TenMetres, "10", 10},
    {MgrsPrecision::HundredMetres, "100", 100},
    {MgrsPrecision::Kilometre, "1000", 1000},
    {MgrsPrecision::TenKilometres, "10000", 10000},
}};

struct IfblPrecisionEntry {
  IfblPrecision value;
  std::string_view cliName;
  std::int16_t length;  // TransCoo's IfblPrecision: characters of the code
};
inline constexpr std::array<IfblPrecisionEntry, 3> kIfblPrecisionTable{{
    {IfblPrecision::Square1km, "1x1", 6},
    {IfblPrecision::Square4km, "4x4", 4},
    {IfblPrecision::Square32x20km, "32x20", 2},
}};

struct SeparatorEntry {
  Separator value;
  std::string_view cliName;
  char input;   // between the input fields (a blank stands for runs of blanks and tabs)
  char output;  // between the output fields (a tab after blank-separated input)
};
inline constexpr std::array<SeparatorEntry, 5> kSeparatorTable{{
    {Separator::Tab, "tab", '\t', '\t'},
    {Separator::Semicolon, ";", ';', ';'},
    {Separator::Comma, ",", ',', ','},
    {Separator::Blank, "blank", ' ', '\t'},
    {Separator::Auto, "auto", '\t', '\t'},  // until a text's first line decides
}};

// The choices of a run.
struct BatchChoices {
  CoordKind coorFrom = CoordKind::Lambert;
  // Each line read as the one kind that reads into a point in Belgium or
  // 20 km around it, instead of coorFrom.
  bool detectKind = false;
  CoordKind coorDest = CoordKind::Mgrs;
  // The outputs written after coorDest's on the same line, in order, each
  // kind once.
  std::vector<CoordKind> moreOutputs;
  // The kind each line was read as, written before the outputs.
  bool showKind = false;
  // MGRS references of the 100 km squares of Belgium written without their
  // grid zone (31U, 32U), as Belgian atlases name them: ES9534.
  bool mgrsShort = false;
  Datum datumFrom = Datum::Bel72;
  Datum datumDest = Datum::Wgs84;
  // Read only for an output of their kind.
  MgrsPrecision mgrsPrecision = MgrsPrecision::HundredMetres;
  IfblPrecision ifblPrecision = IfblPrecision::Square1km;
  // IFBL codes written with full stops between their parts, as atlases
  // print them: E4.35.22 rather than E43522.
  bool ifblDots = false;
  // Decimals of decimal degree output, kMinDegreeDecimals..kMaxDegreeDecimals.
  int degreeDecimals = kDefaultDegreeDecimals;
  // Decimals of metre output, 0..kMaxMetreDecimals.
  int metreDecimals = 0;
  // Decimal mark of degree output, and of metre output with decimals.
  char decimalMark = '.';
  // The fields of the input lines: what separates them, and the field
  // (from 1) where the coordinate fields start; 0 finds them in each text,
  // from a header that names them or from the first line that reads.
  Separator separator = Separator::Auto;
  std::size_t firstColumn = 0;
  // Each output line repeats the input line before the output fields, so
  // that the result pastes back beside the records.
  bool keepLine = false;
  // BD72 and WGS84 through the official seven-parameter transformation
  // (0.2 m) rather than the Molodensky shift (about 1 m).
  bool preciseTransformation = false;
  // A converted point more than 100 km from Belgium is refused, with its
  // distance, instead of flagged.
  bool nearBelgium = false;
  // The UTM zone of UTM output, 1 to 60; 0 lets each point choose.
  std::int16_t utmZone = 0;
  // The language of the reasons written in refused lines' places and of
  // the names given to a header's fields.
  Language language = Language::French;
};

// The row of a value in its table. Every enumerator has one.
template <typename Entry, std::size_t N>
constexpr const Entry& EntryOf(const std::array<Entry, N>& table, decltype(Entry::value) value) {
  for (const Entry& entry : table) {
    if (entry.value == value) return entry;
  }
  return table.front();  // not reached: the tables are complete
}

// A value's position in the window's list: its row in the table.
template <typename Entry, std::size_t N>
constexpr int ListPosition(const std::array<Entry, N>& table, decltype(Entry::value) value) {
  return static_cast<int>(&EntryOf(table, value) - table.data());
}

// The value at a position of the window's list, if there is one.
template <typename Entry, std::size_t N>
constexpr std::optional<decltype(Entry::value)> AtListPosition(const std::array<Entry, N>& table,
                                                               int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= N) return std::nullopt;
  return table[static_cast<std::size_t>(position)].value;
}

}  // namespace koord
