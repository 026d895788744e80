#include "geodesy/Mgrs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "geodesy/GridSquare.h"
#include "geodesy/Utm.h"
#include "support/Ascii.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord::DMA {
namespace {

constexpr double kRangeTolerance = 4.85e-10;  // rad, at the ends of the UTM range
// Metres that a point may lie west or south of the square of its
// reference: the digits of a 1 m reference are rounded to the nearest
// metre, not cut.
constexpr double kRoundingMargin = 0.5;
// Metres of room east and north of a square for the rounding of the series.
constexpr double kNumericMargin = 1e-3;
constexpr double kSquare = 100000.0;         // metres, side of a grid square
constexpr std::int32_t kRowCycle = 2000000;  // metres, row letter period
// The southern false northing and the easting of the central meridian as
// whole metres.
constexpr auto kEquatorSouth = static_cast<std::int32_t>(kUtmSouthFalseNorthing);
constexpr auto kZoneCentre = static_cast<std::int32_t>(kUtmFalseEasting);
constexpr std::int32_t kLastSouthMetre = kEquatorSouth - 1;  // keeps the equator south
constexpr std::int32_t kDigitCarrier = 10000000;             // fixes the digit count

constexpr std::size_t kTextLength = 15;  // "ZZLLLEEEEENNNNN"
// Fields of the full text, counted after the zone.
constexpr std::size_t kBandChar = 0;
constexpr std::size_t kColumnChar = 1;
constexpr std::size_t kRowChar = 2;
constexpr std::size_t kEastingField = 3;
constexpr std::size_t kNorthingField = 8;
constexpr std::size_t kDigitsWidth = 5;
constexpr std::size_t kZoneWidth = 2;
constexpr std::int16_t kFullDigits = 5;  // 1 m

// Letter numbers (A = 1).
constexpr int kLetterN = 14;
constexpr int kLetterV = 22;
constexpr int kLetterX = 24;
constexpr int kLetterZ = 26;
constexpr int kLetterBase = 64;       // character code of the letter before A
constexpr std::size_t kZoneSets = 6;  // zones take their letters in turns of six

// Lettering scheme of each ellipsoid number 1..23; 0 has none.
constexpr std::array<int, 24> kSchemeOf = {
    0,                                   // no ellipsoid 0
    1, 1, 1,                             // Airy, Airy modified, Australian National
    2, 2, 2,                             // Bessel 1841, Clarke 1866, Clarke 1880
    1, 1,                                // Everest 1830, Everest modified
    0,                                   // Modified Fischer 1960
    1,                                   // Everest (Pakistan)
    0,                                   // Indonesian 1974
    1,                                   // GRS 80
    0, 0,                                // Helmert 1906, Hough 1960
    1,                                   // Hayford
    0,                                   // Krassovsky 1940
    1, 1, 1,                             // South American 1969, Everest (Malaysia, Sabah)
    1, 1,                                // WGS 1972, WGS 1984
    2,                                   // Bessel 1841 (Namibia)
    1};                                  // Everest (India 1956)
constexpr std::int16_t kClarke1866 = 5;  // takes scheme 1 in zones 47..55

// Row offset in metres by scheme (1, 2) and set parity (odd, even).
constexpr std::int32_t kRowOffset[2][2] = {{0, 1500000}, {1000000, 500000}};
constexpr std::int32_t kSquareMetres = 100000;
// Tens to the power 0 .. 5: the metres of a digit kept, by digits dropped.
constexpr std::array<std::int32_t, 6> kPowersOfTen{1, 10, 100, 1000, 10000, 100000};

// Whether the letter number of each capital, A = 1 .. Z = 26, is a band.
constexpr std::array<bool, kLetterZ + 1> BandTable() {
  std::array<bool, kLetterZ + 1> bands{};
  for (const char c : kBandLetters) bands[static_cast<std::size_t>(c - kLetterBase)] = true;
  return bands;
}
constexpr std::array<bool, kLetterZ + 1> kIsBand = BandTable();

// Truncate(x + sign(x)/2): halves go away from zero.
double RoundAway(double x) {
  const double half = x > 0.0 ? 0.5 : (x < 0.0 ? -0.5 : 0.0);
  return std::trunc(x + half);
}

// The whole metres of a position for a reference with `digits` digits per
// axis: at 1 m rounded to the nearest (halves away from zero), coarser
// rounded down, so that the square named holds the position.
std::int32_t WholeMetres(double metres, std::int16_t digits) {
  return ToInt32(digits == kFullDigits ? RoundAway(metres) : std::floor(metres));
}

// The whole metres of a northing, one of exactly 10 000 000 m kept south of
// the equator so that it does not roll into the next row cycle.
std::int32_t WholeNorthing(double northing, std::int16_t digits) {
  const std::int32_t n = WholeMetres(northing, digits);
  return n == kEquatorSouth ? kLastSouthMetre : n;
}

std::int32_t Truncate32(double x) {
  return ToInt32(std::trunc(x));
}

// The index of the 100 km square of whole metres: 0 from 0 to 99 999 m.
// Negative metres, which only numbers beyond the grid give, as the grid's
// arithmetic in metres and tenths has it.
std::int32_t SquareIndex(std::int32_t metres) {
  return metres >= 0 ? metres / kSquareMetres : Truncate32((metres + 0.1) / kSquare);
}

char Letter(int number) {
  if (number < 1 || number > kLetterZ) throw RuntimeError(Fault::IndexOutOfRange);
  return static_cast<char>(kLetterBase + number);
}

// The letter at a position of a letter set.
char LetterAt(std::string_view letters, std::int32_t position) {
  if (position < 0 || static_cast<std::size_t>(position) >= letters.size()) {
    throw RuntimeError(Fault::IndexOutOfRange);
  }
  return letters[static_cast<std::size_t>(position)];
}

// The set of a zone, 1 to 6 (zone 0 is in set 6).
std::size_t ZoneSet(std::int16_t zone) {
  const int sets = static_cast<int>(kZoneSets);
  return static_cast<std::size_t>(((zone - 1) % sets + sets) % sets + 1);
}

// The zone as its decimal digits, one or two, without a blank; the end of
// what was written.
char* WriteZone(std::int16_t zone, char* out) {
  if (zone < kUtmFirstZone || zone > kUtmLastZone) throw RuntimeError(Fault::IndexOutOfRange);
  if (zone >= 10) *out++ = static_cast<char>('0' + zone / 10);
  *out++ = static_cast<char>('0' + zone % 10);
  return out;
}

// The first `kept` of the five digits of whole metres within their 100 km
// square (the last five of the metres plus 10 000 000, so that a northing
// just south of the equator reads as such); the end of what was written.
char* WriteDigits(std::int32_t metres, std::size_t kept, char* out) {
  const std::int64_t carried = std::int64_t{metres} + kDigitCarrier;
  if (carried < 0 || kept > kDigitsWidth) throw RuntimeError(Fault::IndexOutOfRange);
  auto within = static_cast<std::uint32_t>(carried % kSquareMetres);
  within /= static_cast<std::uint32_t>(kPowersOfTen[kDigitsWidth - kept]);
  for (std::size_t i = kept; i-- > 0;) {
    out[i] = static_cast<char>('0' + within % 10);
    within /= 10;
  }
  return out + kept;
}

// The letters of a zone on an ellipsoid: its eight column letters and the
// offset of its rows, metres; `known` is false when the ellipsoid has no
// lettering (the rest is then that of the first scheme).
struct ZoneLettering {
  std::string_view columns;
  std::int32_t rowOffset;
  bool known;
};

ZoneLettering LetteringOf(std::int16_t zone, std::int16_t ellipsoidNumber) {
  const std::size_t set = ZoneSet(zone);
  const bool listed = ellipsoidNumber >= 1 && ellipsoidNumber < static_cast<int>(kSchemeOf.size());
  int scheme = listed ? kSchemeOf[static_cast<std::size_t>(ellipsoidNumber)] : 0;
  const bool known = scheme != 0;
  if (!known || (ellipsoidNumber == kClarke1866 && zone >= 47 && zone <= 55)) scheme = 1;
  return {kColumnLetters[(set - 1) % kColumnLetters.size()],
          kRowOffset[scheme - 1][set % 2 == 0 ? 1 : 0], known};
}

// Reads a number as far as its text goes: leading blanks skipped, then an
// optional sign, digits and a decimal fraction; an empty or unreadable
// field is 0.
double FieldNumber(std::string_view field) {
  // The common field, digits alone, read at once: every reference has
  // three of them.
  if (!field.empty() && field.size() <= kDigitsWidth &&
      std::all_of(field.begin(), field.end(), ascii::IsDigit)) {
    std::int32_t value = 0;
    for (const char c : field) value = value * 10 + (c - '0');
    return static_cast<double>(value);
  }
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0.0;
  field.remove_prefix(start);
  double sign = 1.0;
  if (field.front() == '+' || field.front() == '-') {
    if (field.front() == '-') sign = -1.0;
    field.remove_prefix(1);
  }
  double value = 0.0;
  const auto result =
      std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
  return result.ec == std::errc{} ? sign * value : 0.0;
}

// A field of the text, clipped to what the text holds.
std::string_view Field(std::string_view text, std::size_t start, std::size_t width) {
  return text.substr(std::min(start, text.size()), width);
}

// Northing digits: the last five characters, never reaching into the
// easting field of a short text.
std::string_view NorthingField(std::string_view text) {
  const std::size_t start =
      text.size() > kNorthingField + kDigitsWidth ? text.size() - kDigitsWidth : kNorthingField;
  return Field(text, start, kDigitsWidth);
}

std::int16_t LetterNumber(char c) {
  return static_cast<std::int16_t>(static_cast<unsigned char>(c) - kLetterBase);
}

// Side in metres of the square of a reference with `digits` digits per
// axis: 1 m for 5, 100 km for 0.
double SquareSide(std::int16_t digits) {
  constexpr std::array<double, 6> kSides{100000.0, 10000.0, 1000.0, 100.0, 10.0, 1.0};
  if (digits < 0 || static_cast<std::size_t>(digits) >= kSides.size()) {
    throw RuntimeError(Fault::IndexOutOfRange);
  }
  return kSides[static_cast<std::size_t>(digits)];
}

double PositiveRemainder(double x, double period) {
  const double r = std::fmod(x, period);
  return r < 0.0 ? r + period : r;
}

// The 100 km line at or below the band's southern edge across the zone's
// whole width, so that every square of the band decodes within the 2 000 000
// m row cycle that begins there. North of the equator a parallel lies
// lowest on the central meridian, south of it at the zone's sides. The
// rounding margin keeps in the cycle a point rounded down across that line;
// the equator, band N's edge, is itself a line.
double CycleStart(const TransverseMercator& tm, std::int16_t zone, const CellLimits& cell) {
  const double longitude = cell.south < 0.0 ? cell.west : CentralMeridian(zone) * Degree();
  std::int16_t givenZone = zone;
  double edgeNorthing = 0.0, edgeEasting = 0.0;
  GeoToTm(tm, cell.south, longitude, givenZone, edgeNorthing, edgeEasting, 1);
  const double lowest = std::max(edgeNorthing - kRoundingMargin, 0.0);
  return std::floor(lowest / kSquare) * kSquare;
}

// Whether the square of a reference (northings from the equator) holds a
// point of its grid zone; `latitude`, `longitude` is its representative
// point.
bool SquareInItsCell(const TransverseMercator& tm, std::int16_t zone, std::int16_t band,
                     GridSquare square, const CellLimits& cell, double latitude, double longitude) {
  // Two cell edges run along grid lines: the equator, top of the southern
  // bands, and the central meridian of zone 31, east edge of its band V.
  // The encoder keeps the last metre before them inside, so a square that
  // begins on such a line names no point of the cell.
  if (band < kLetterN && square.south >= 0.0) return false;
  if (zone == 31 && band == kLetterV && square.west >= kZoneCentre) return false;
  if (latitude >= cell.south && latitude <= cell.north && longitude >= cell.west &&
      longitude <= cell.east) {
    return true;
  }
  square.west -= kRoundingMargin;
  square.south -= kRoundingMargin;
  square.east += kNumericMargin;
  square.north += kNumericMargin;
  return SquareMeetsCell(tm, zone, square, cell);
}

void Refuse(std::string& mgrs, const char* text, double& latitude, double& longitude,
            double& northing, double& easting, std::int32_t& refused) {
  mgrs = text;
  latitude = 0.0;
  longitude = 0.0;
  northing = 0.0;
  easting = 0.0;
  refused = 1;
}

}  // namespace

MgrsStatus GeoToUtm(const TransverseMercator& tm, double latitude, double longitude,
                    std::int16_t& zone, double& northing, double& easting, std::string& mgrs,
                    std::int16_t digits) {
  const double degree = Degree();
  const double phi = latitude * degree;
  const double lambda = longitude * degree;
  if (phi < kUtmSouthLatitude * degree - kRangeTolerance ||
      phi > kUtmNorthLatitude * degree + kRangeTolerance) {
    mgrs.clear();
    zone = 0;
    northing = 0.0;
    easting = 0.0;
    return MgrsStatus::OutsideUtm;
  }
  SquareSide(digits);  // a precision outside 0..5 is a fault, not a refusal
  const GridZone grid = GridZoneOf(latitude, longitude);
  std::int16_t gridZone = grid.zone;
  GeoToTm(tm, phi, lambda, gridZone, northing, easting, 1);
  zone = gridZone;
  return UtmToMgrs(zone, grid.band, northing, easting, tm.Ellipsoid().Number(), digits, mgrs);
}

void MgrsLetterSet(std::int16_t zone, std::int16_t& firstColumn, double& rowOffset,
                   std::int16_t ellipsoidNumber, std::int32_t& refused) {
  const ZoneLettering lettering = LetteringOf(zone, ellipsoidNumber);
  refused = lettering.known ? 0 : 1;
  firstColumn = static_cast<std::int16_t>(lettering.columns.front() - kLetterBase);
  rowOffset = lettering.rowOffset;
}

MgrsStatus UtmToMgrs(std::int16_t zone, std::int16_t band, double northing, double easting,
                     std::int16_t ellipsoidNumber, std::int16_t digits, std::string& mgrs) {
  try {
    const ZoneLettering lettering = LetteringOf(zone, ellipsoidNumber);
    if (!lettering.known) {
      mgrs = kMgrsNotValid;
      return MgrsStatus::NoLettering;
    }
    SquareSide(digits);
    const char bandLetter = Letter(band);
    if (!IsBandLetter(bandLetter)) throw RuntimeError(Fault::IndexOutOfRange);

    const std::int32_t n = WholeNorthing(northing, digits);
    std::int32_t inCycle = n >= kRowCycle ? n % kRowCycle : n;
    inCycle -= lettering.rowOffset;
    if (inCycle < 0) inCycle += kRowCycle;
    const std::int32_t row = SquareIndex(inCycle);

    std::int32_t e = WholeMetres(easting, digits);
    // The Norway cell of zone 31 ends at 3 degrees east, left of the
    // central meridian: its last metre stays in column D.
    if (e == kZoneCentre && zone == 31 && band == kLetterV) e = kZoneCentre - 1;
    const std::int32_t column = SquareIndex(e) - 1;

    const auto kept = static_cast<std::size_t>(digits);
    std::array<char, kTextLength> text{};
    char* end = WriteZone(zone, text.data());
    *end++ = bandLetter;
    *end++ = LetterAt(lettering.columns, column);
    *end++ = LetterAt(kRowLetters, row);
    end = WriteDigits(e, kept, end);
    end = WriteDigits(n, kept, end);
    mgrs.assign(text.data(), end);
    return MgrsStatus::Made;
  } catch (...) {
    mgrs = kUtmError;
    return MgrsStatus::NotMade;
  }
}

bool MgrsPointOfUtm(std::int16_t zone, std::int16_t band, double& northing, double& easting,
                    std::int16_t digits) {
  if (!(northing >= 0.0 && easting >= 0.0) || digits < 0 || digits > kFullDigits) return false;
  try {
    // The whole metres the encoder writes, then the square they fall in
    // and the point the decoder completes it to.
    const std::int32_t n = WholeNorthing(northing, digits);
    std::int32_t e = WholeMetres(easting, digits);
    if (e == kZoneCentre && zone == 31 && band == kLetterV) e = kZoneCentre - 1;
    const std::int32_t side = kPowersOfTen[static_cast<std::size_t>(kFullDigits - digits)];
    const std::int32_t middle = digits == kFullDigits ? 0 : side / 2 - 1;
    northing = static_cast<double>(n / side * side + middle);
    easting = static_cast<double>(e / side * side + middle);
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

std::string_view ColumnLetters(std::int16_t zone) {
  return kColumnLetters[(ZoneSet(zone) - 1) % kColumnLetters.size()];
}

bool IsBandLetter(char c) {
  const int number = static_cast<unsigned char>(c) - kLetterBase;
  return number >= 1 && number <= kLetterZ && kIsBand[static_cast<std::size_t>(number)];
}

void MgrsToGeo(std::string& mgrs, const TransverseMercator& tm, double& latitude, double& longitude,
               std::int16_t& zone, double& northing, double& easting, std::int32_t& refused,
               std::int16_t digits) {
  refused = 0;
  // A zone of one digit stands right before its band letter.
  const bool oneDigitZone = mgrs.size() >= 2 && ascii::IsDigit(mgrs[0]) &&
                            (ascii::IsUpper(mgrs[1]) || ascii::IsLower(mgrs[1]));
  const std::size_t zoneWidth = oneDigitZone ? 1 : kZoneWidth;
  if (mgrs.size() <= zoneWidth + kRowChar) throw RuntimeError(Fault::MgrsTooShort);
  const std::string_view letters = std::string_view(mgrs).substr(zoneWidth);
  const std::int16_t band = LetterNumber(letters[kBandChar]);
  const double hemisphere = band < kLetterN ? -1.0 : 1.0;
  zone = ToInt16(FieldNumber(Field(mgrs, 0, zoneWidth)));
  const std::size_t column = ColumnLetters(zone).find(letters[kColumnChar]);
  const std::size_t row = kRowLetters.find(letters[kRowChar]);

  if (!IsBandLetter(letters[kBandChar]) || column == std::string_view::npos ||
      row == std::string_view::npos ||
      (band == kLetterX && (zone == 32 || zone == 34 || zone == 36))) {
    Refuse(mgrs, kInvalidMgrs, latitude, longitude, northing, easting, refused);
    return;
  }
  std::int16_t firstColumn = 0;
  double rowOffset = 0.0;
  MgrsLetterSet(zone, firstColumn, rowOffset, tm.Ellipsoid().Number(), refused);
  if (refused != 0) {
    Refuse(mgrs, kEllipsoidNA, latitude, longitude, northing, easting, refused);
    return;
  }

  const double side = SquareSide(digits);
  const CellLimits cell = BandLimits(band, zone);

  // The square lands in the row cycle that begins at the band's southern
  // edge.
  const double rowNorthing = std::fmod(static_cast<double>(row) * kSquare + rowOffset, kRowCycle);
  const double start = CycleStart(tm, zone, cell);
  const double q = start + PositiveRemainder(rowNorthing - start, kRowCycle);
  const double p = static_cast<double>(column + 1) * kSquare;

  const double eastingDigits = FieldNumber(Field(letters, kEastingField, kDigitsWidth));
  const double northingDigits = FieldNumber(NorthingField(letters));
  easting = eastingDigits + p;
  northing = (northingDigits + q) * hemisphere;
  UtmToGeo(tm, latitude, longitude, zone, northing, easting);

  GridSquare square{};
  square.west = p + std::floor(eastingDigits / side) * side;
  square.east = square.west + side;
  square.south =
      q + std::floor(northingDigits / side) * side - (hemisphere < 0.0 ? kEquatorSouth : 0);
  square.north = square.south + side;
  if (!SquareInItsCell(tm, zone, band, square, cell, latitude, longitude)) {
    mgrs = kOutsideRange;
    refused = 1;
  }
}

}  // namespace koord::DMA
