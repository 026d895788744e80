// MGRS references on arbitrary text: CompleteMgrsDigits, MgrsToGeo on every
// ellipsoid of the catalogue, and the conversion object's MGRS input; then,
// from the bytes after the text, a point that the conversion object writes
// as a reference and reads back.
//
// CompleteMgrsDigits gives a complete 12-character text for the five short
// forms and is idempotent. MgrsToGeo never fails but with RuntimeError; on
// a text of its layout it refuses with one of its error texts or gives a
// finite point with the text untouched. The conversion object refuses, or
// accepts only the letters of MGRS and places the point of the reference's
// square within a square of the band that its letter names, with the MGRS
// text left as given. Every reference that it writes, at any precision and
// on any datum, it reads back, to a point within the reference's square.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <regex>
#include <string>
#include <string_view>

#include "core/Catalogue.h"
#include "core/MgrsDigits.h"
#include "core/TransCoo.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"
#include "geodesy/Mgrs.h"
#include "geodesy/Utm.h"

namespace {

using koord::fuzz::Require;

constexpr std::size_t kMaxInput = 4096;
// Longest reference text tried: past 15 characters everything is refused.
constexpr std::size_t kMaxReference = 40;
// Two square letters and five digits per axis.
constexpr std::size_t kCompleteLength = 12;
// Longitudes in degrees.
constexpr double kHalfTurn = 180;

// UTM latitude bands from south to north: C to X without I and O.
constexpr std::string_view kBands = "CDEFGHJKLMNPQRSTUVWX";
constexpr double kSouthmostBand = koord::DMA::kUtmSouthLatitude;
constexpr double kBandHeight = 8.0;
constexpr double kBandXHeight = 12.0;
// Metres in a degree of latitude, at least.
constexpr double kMetresPerDegree = 110000;
// Degrees a decoded point may stray over its band's edge beyond the size
// of its square (about 10 m).
constexpr double kBandTolerance = 1e-4;
// Letters of the 100 km squares: columns A to Z, rows A to V, without I and O.
constexpr std::string_view kColumnLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr std::string_view kRowLetters = "ABCDEFGHJKLMNPQRSTUV";

// A full reference: zone (a blank or a digit, then a digit), band and
// square letters, five digits per axis.
const std::regex kDecoderLayout("[ 0-9][0-9][A-Z]{3}[0-9]{10}");

constexpr std::string_view kDatumCodes[] = {"BEL72", "WGS84", "EUR-M", "NTF"};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

void CheckCompletion(std::string_view text) {
  const std::string once = koord::CompleteMgrsDigits(text);
  Require(koord::CompleteMgrsDigits(once) == once, "completion is idempotent", std::string(text));
  const std::string_view trimmed = Trim(text);
  std::size_t nonBlank = 0;
  for (char c : trimmed) nonBlank += c != ' ';
  const bool shortForm =
      trimmed.size() != kCompleteLength &&
      (nonBlank == 2 || nonBlank == 4 || nonBlank == 6 || nonBlank == 8 || nonBlank == 10);
  if (shortForm) {
    Require(once.size() == kCompleteLength, "a short form is completed to 12 characters",
            std::string(text) + " -> " + once);
  } else {
    Require(once == trimmed, "anything else comes back trimmed", std::string(text) + " -> " + once);
  }
}

void CheckDecoding(const std::string& text, const koord::DMA::TransverseMercator& tm,
                   std::int16_t digits) {
  std::string mgrs = text;
  double latitude = 0, longitude = 0, northing = 0, easting = 0;
  std::int16_t zone = 0;
  std::int32_t refused = 0;
  if (!koord::fuzz::OnlyRuntimeError([&] {
        koord::DMA::MgrsToGeo(mgrs, tm, latitude, longitude, zone, northing, easting, refused,
                              digits);
      })) {
    return;
  }
  if (refused != 0) {
    Require(refused == 1, "a refusal sets the flag to 1", text);
    Require(mgrs == koord::DMA::kInvalidMgrs || mgrs == koord::DMA::kEllipsoidNA ||
                mgrs == koord::DMA::kOutsideRange,
            "a refusal writes an error text", text + " -> " + mgrs);
    return;
  }
  Require(mgrs == text, "an accepted reference is left as given", text);
  // The decoder trusts the layout that the conversion object checks before
  // calling it; on other texts only the absence of faults is required.
  if (!std::regex_match(text, kDecoderLayout)) return;
  Require(std::isfinite(latitude) && std::isfinite(longitude) && std::isfinite(northing) &&
              std::isfinite(easting),
          "a decoded point is finite", text);
  Require(std::abs(latitude) <= std::numbers::pi / 2, "a decoded latitude is a latitude", text);
  Require(northing >= 0, "a decoded northing is not negative", text);
}

// The letters of a reference without its blanks, after a zone of one or
// two digits: band, square column, square row; and the side of its square.
struct Letters {
  char band = 0;
  char column = 0;
  char row = 0;
  double side = 0;  // metres
};

Letters LettersOf(std::string_view reference) {
  std::string s;
  for (char c : reference) {
    if (c != ' ') s += c;
  }
  const std::size_t at = s.size() > 1 && s[1] >= '0' && s[1] <= '9' ? 2 : 1;
  Letters letters;
  if (s.size() > at + 2) {
    const std::size_t digits = (s.size() - at - 3) / 2;
    letters = {s[at], s[at + 1], s[at + 2], std::pow(10.0, 5.0 - static_cast<double>(digits))};
  }
  return letters;
}

// Latitude limits of the band named by a letter, degrees: 8 degrees each
// from 80 S, X 12 degrees; false when the letter is no UTM band.
bool BandLimits(char band, double& south, double& north) {
  const std::size_t i = kBands.find(band);
  if (i == std::string_view::npos) return false;
  south = kSouthmostBand + kBandHeight * static_cast<double>(i);
  north = south + (band == 'X' ? kBandXHeight : kBandHeight);
  return true;
}

void CheckConversion(const std::string& text, std::string_view datum) {
  koord::TransCoo point;
  point.SetDatumFrom(datum);
  point.SetDatumDest(datum);
  point.SetOrigType("MGR");
  point.SetMGRS(text);
  const std::string given = point.MGRS();
  if (!koord::fuzz::OnlyRuntimeError([&] { point.Conversion(); })) return;
  if (!point.Error().empty()) return;
  Require(point.MGRS() == given, "the MGRS input stays as given", text);
  const Letters letters = LettersOf(given);
  double south = 0, north = 0;
  Require(BandLimits(letters.band, south, north), "only UTM band letters are accepted", text);
  // The square meets its band; its representative point may lie across.
  const double reach = letters.side * std::numbers::sqrt2 / kMetresPerDegree + kBandTolerance;
  Require(point.Latitude() >= south - reach && point.Latitude() <= north + reach,
          "a decoded reference's square meets its band", text);
  Require(kColumnLetters.find(letters.column) != std::string_view::npos &&
              kRowLetters.find(letters.row) != std::string_view::npos,
          "only square letters of MGRS are accepted", text);
  Require(std::abs(point.Longitude()) <= kHalfTurn, "a decoded longitude is one", text);
  Require(std::isfinite(point.X()) && std::isfinite(point.Y()) && std::isfinite(point.Easting()) &&
              std::isfinite(point.Northing()) && std::isfinite(point.LatDmsSec()) &&
              std::isfinite(point.LonDmsSec()),
          "every output of a decoded reference is finite", text);
}

// Where a written reference is read back from: near an edge of the grid
// zones, where references are cut by their edges, or anywhere.
constexpr double kZoneEdges[] = {-180, 3, 9, 21, 33};  // and every multiple of 6
constexpr double kBandEdges[] = {koord::DMA::kUtmSouthLatitude,
                                 koord::DMA::kUtmNorthLatitude,
                                 56,
                                 64,
                                 72,
                                 0};  // and every multiple of 8
// Degrees off the edge, from a hundredth of a micrometre to a kilometre.
constexpr double kOffsets[] = {0,    1e-13, -1e-13, 1e-11, -1e-11, 1e-9, -1e-9,
                               1e-7, -1e-7, 1e-5,   -1e-5, 1e-2,   -1e-2};
constexpr std::int32_t kPrecisions[] = {1, 10, 100, 1000, 10000, 100000};  // metres
constexpr double kFourBytes = 4294967296.0;

double Fraction(koord::fuzz::FuzzBytes& bytes) {
  return static_cast<double>(static_cast<std::uint32_t>(bytes.Int32())) / kFourBytes;
}

double Offset(koord::fuzz::FuzzBytes& bytes) {
  return kOffsets[static_cast<std::size_t>(bytes.Pick(static_cast<int>(std::size(kOffsets))))];
}

void CheckRoundTrip(koord::fuzz::FuzzBytes& bytes) {
  const std::string_view datum = kDatumCodes[bytes.Pick(static_cast<int>(std::size(kDatumCodes)))];
  const std::int32_t precision =
      kPrecisions[static_cast<std::size_t>(bytes.Pick(static_cast<int>(std::size(kPrecisions))))];
  double latitude =
      kSouthmostBand + (koord::DMA::kUtmNorthLatitude - kSouthmostBand) * Fraction(bytes);
  double longitude = -180 + 360 * Fraction(bytes);
  constexpr int kSpecialZoneEdges = static_cast<int>(std::size(kZoneEdges));
  constexpr int kSpecialBandEdges = static_cast<int>(std::size(kBandEdges));
  switch (bytes.Pick(3)) {
    case 0: {  // a zone edge
      const int edge = bytes.Pick(kSpecialZoneEdges + 60);
      longitude = (edge < kSpecialZoneEdges
                       ? kZoneEdges[edge]
                       : -kHalfTurn + koord::DMA::kUtmZoneWidth * (edge - kSpecialZoneEdges)) +
                  Offset(bytes);
      break;
    }
    case 1: {  // a band edge
      const int edge = bytes.Pick(kSpecialBandEdges + 20);
      latitude =
          (edge < kSpecialBandEdges ? kBandEdges[edge]
                                    : kSouthmostBand + kBandHeight * (edge - kSpecialBandEdges)) +
          Offset(bytes);
      break;
    }
    default: break;
  }
  koord::TransCoo writer;
  writer.SetDatumFrom(datum);
  writer.SetDatumDest(datum);
  writer.mgrsPrecision = precision;
  writer.SetOrigType("DEG");
  writer.SetLatitude(latitude);
  writer.SetLongitude(longitude);
  if (!koord::fuzz::OnlyRuntimeError([&] { writer.Conversion(); })) return;
  if (!writer.Error().empty() || writer.MgrsResult() != koord::DMA::MgrsStatus::Made) return;

  koord::TransCoo reader;
  reader.SetDatumFrom(datum);
  reader.SetDatumDest(datum);
  reader.SetOrigType("MGR");
  reader.SetMGRS(writer.MGRS());
  const std::string where = std::string(datum) + " " + std::to_string(latitude) + " " +
                            std::to_string(longitude) + " " + writer.MGRS();
  Require(koord::fuzz::OnlyRuntimeError([&] { reader.Conversion(); }) && reader.Error().empty(),
          "a reference written reads back", where);
  // The representative point of the square, 1 m short of its centre; the
  // point written, up to a metre outside the square by the rounding.
  const double reach = (precision / 2.0 + 1) * std::numbers::sqrt2 / kMetresPerDegree;
  const double cosine = std::cos(latitude * std::numbers::pi / 180);
  const double longitudes = std::remainder(reader.Longitude() - longitude, 360.0) * cosine;
  Require(std::hypot(reader.Latitude() - latitude, longitudes) <= reach * 1.01,
          "a reference reads back to its square", where);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  koord::fuzz::FuzzBytes bytes(data, size);
  const auto ellipsoids = koord::EllipsoidCatalogue();
  const koord::EllipsoidRecord& ellipsoid =
      ellipsoids[static_cast<std::size_t>(bytes.Pick(static_cast<int>(ellipsoids.size())))];
  // Mostly the record's own number; sometimes any number at all.
  const std::int16_t number = bytes.Pick(4) == 0 ? bytes.Int16() : ellipsoid.Number;
  const std::string_view datum = kDatumCodes[bytes.Pick(static_cast<int>(std::size(kDatumCodes)))];
  const std::string_view rest = bytes.Rest();
  const std::string text(rest.substr(0, kMaxReference));

  CheckCompletion(text);
  const koord::DMA::TransverseMercator tm = koord::DMA::UtmProjection(
      koord::Ellipsoid(ellipsoid.SemiMajorAxis, ellipsoid.InverseFlattening, number));
  for (std::int16_t digits = 0; digits <= 5; ++digits) CheckDecoding(text, tm, digits);
  CheckConversion(text, datum);

  const std::string_view after = rest.substr(text.size());
  koord::fuzz::FuzzBytes point(reinterpret_cast<const std::uint8_t*>(after.data()), after.size());
  CheckRoundTrip(point);
  return 0;
}
