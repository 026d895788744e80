// MGRS references on arbitrary text: CompleteMgrsDigits, MgrsToGeo on every
// ellipsoid of the catalogue, and the conversion object's MGRS input.
//
// CompleteMgrsDigits gives a complete 12-character text for the four short
// forms and is idempotent. MgrsToGeo never fails but with RuntimeError; on
// a text of its layout it refuses with one of its error texts or gives a
// finite point with the text untouched. The conversion
// object refuses, or places the point in the UTM latitudes with the MGRS
// text left as given.

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

namespace {

using koord::fuzz::Require;

constexpr std::size_t kMaxInput = 4096;
// Longest reference text tried: past 15 characters everything is refused.
constexpr std::size_t kMaxReference = 40;
// Two square letters and five digits per axis.
constexpr std::size_t kCompleteLength = 12;
// Latitudes of the UTM bands C to X in degrees, with room for a point that
// the decoder lets stray a little over its band's edge.
constexpr double kSouthmost = -80.5;
constexpr double kNorthmost = 84.5;
// Longitudes in degrees, with the same room at the antimeridian.
constexpr double kLongitudeLimit = 180.5;

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
  Require(koord::CompleteMgrsDigits(once) == once, "completion is idempotent",
          std::string(text));
  const std::string_view trimmed = Trim(text);
  std::size_t nonBlank = 0;
  for (char c : trimmed) nonBlank += c != ' ';
  const bool shortForm = trimmed.size() != kCompleteLength &&
                         (nonBlank == 4 || nonBlank == 6 || nonBlank == 8 || nonBlank == 10);
  if (shortForm) {
    Require(once.size() == kCompleteLength, "a short form is completed to 12 characters",
            std::string(text) + " -> " + once);
  } else {
    Require(once == trimmed, "anything else comes back trimmed",
            std::string(text) + " -> " + once);
  }
}

void CheckDecoding(const std::string& text, const koord::EllipsoidRecord& ellipsoid,
                   std::int16_t number) {
  std::string mgrs = text;
  double latitude = 0, longitude = 0, northing = 0, easting = 0;
  std::int16_t zone = 0;
  std::int32_t refused = 0;
  const double f = 1.0 / ellipsoid.InverseFlattening;
  if (!koord::fuzz::OnlyRuntimeError([&] {
        koord::DMA::MgrsToGeo(mgrs, number, ellipsoid.SemiMajorAxis, f, latitude,
                              longitude, zone, northing, easting, refused);
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
  Require(std::abs(latitude) <= std::numbers::pi / 2, "a decoded latitude is a latitude",
          text);
  Require(northing >= 0, "a decoded northing is not negative", text);
}

void CheckConversion(const std::string& text, std::string_view datum) {
  koord::TransCoo point;
  point.SetDatumFrom(datum);
  point.SetOrigType("MGR");
  point.SetMGRS(text);
  const std::string given = point.MGRS();
  if (!koord::fuzz::OnlyRuntimeError([&] { point.Conversion(); })) return;
  if (!point.Error().empty()) return;
  Require(point.MGRS() == given, "the MGRS input stays as given", text);
  Require(point.Latitude() >= kSouthmost && point.Latitude() <= kNorthmost,
          "a decoded reference lies in the UTM latitudes", text);
  Require(std::abs(point.Longitude()) <= kLongitudeLimit, "a decoded longitude is one",
          text);
  Require(std::isfinite(point.X()) && std::isfinite(point.Y()) &&
              std::isfinite(point.Easting()) && std::isfinite(point.Northing()) &&
              std::isfinite(point.LatDmsSec()) && std::isfinite(point.LonDmsSec()),
          "every output of a decoded reference is finite", text);
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
  const std::string text(bytes.Rest().substr(0, kMaxReference));

  CheckCompletion(text);
  CheckDecoding(text, ellipsoid, number);
  CheckConversion(text, datum);
  return 0;
}
