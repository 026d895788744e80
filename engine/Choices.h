#pragma once
// The vocabulary of a run's choices: the coordinate kinds, the datums, the
// precisions of MGRS and IFBL output and what a run makes. Each has one
// table, in the order of the window's lists, that gives its name on
// koord-cli's command line and its code in the conversion object.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/Kinds.h"

namespace koord {

enum class MgrsPrecision { Metre, TenMetres, HundredMetres, Kilometre, TenKilometres };

enum class IfblPrecision { Square1km, Square4km, Square32x20km };

// What a run makes of the points: output lines, or dots on the map.
enum class RunOutput { Text, Map };

// What separates the fields of a line; runs of blanks and tabs for Blank.
enum class Separator { Tab, Semicolon, Comma, Blank };

struct KindEntry {
  CoordKind value;
  std::string_view cliName;
  std::string_view objectCode;  // TransCoo's OrigType
  bool input;                   // offered as the kind of the input
};
// Degrees-minutes-seconds are an output only: decimal degree input reads
// that notation already, so a text of them is read as degrees.
inline constexpr std::array<KindEntry, 7> kKindTable{{
    {CoordKind::Lambert, "lambert", "lmb", true},
    {CoordKind::Mgrs, "mgrs", "mgr", true},
    {CoordKind::Ifbl, "ifbl", "ifb", true},
    {CoordKind::Degrees, "deg", "deg", true},
    {CoordKind::Lambert2008, "lambert2008", "l08", true},
    {CoordKind::Utm, "utm", "utm", true},
    {CoordKind::Dms, "dms", "deg", false},
}};

// UTM zones are numbered 1 to 60.
inline constexpr int kLastUtmZone = 60;

// Decimals of decimal degree output: 5 (about a metre) to 7 (a centimetre).
inline constexpr int kMinDegreeDecimals = 5;
inline constexpr int kMaxDegreeDecimals = 7;
inline constexpr int kDefaultDegreeDecimals = 5;

struct DatumEntry {
  Datum value;
  std::string_view code;  // on the command line and in TransCoo alike
};
inline constexpr std::array<DatumEntry, 5> kDatumTable{{
    {Datum::Bel72, "BEL72"},
    {Datum::Wgs84, "WGS84"},
    {Datum::Eur50, "EUR-M"},
    {Datum::Ntf, "NTF"},
    {Datum::Etrs89, "ETRS89"},
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
inline constexpr std::array<SeparatorEntry, 4> kSeparatorTable{{
    {Separator::Tab, "tab", '\t', '\t'},
    {Separator::Semicolon, ";", ';', ';'},
    {Separator::Comma, ",", ',', ','},
    {Separator::Blank, "blank", ' ', '\t'},
}};

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
