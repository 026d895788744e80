// TransCoo::Conversion: from the input of one kind to every representation.

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/Dms.h"
#include "core/MgrsDigits.h"
#include "core/TransCoo.h"
#include "geodesy/ConformalConic.h"
#include "geodesy/Ifbl.h"
#include "geodesy/Lambert.h"
#include "geodesy/Mgrs.h"
#include "geodesy/Utm.h"
#include "support/Ascii.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// UTM numbers lie within these, input and output alike: eastings up to
// 1 000 000 m, northings up to the southern false northing.
constexpr GridBounds kUtmNumbers{0, DMA::kUtmMaxEasting, 0, DMA::kUtmSouthFalseNorthing};

constexpr double kQuarterTurn = 90;  // degrees, the poles

// Both comparisons must hold, so a NaN never passes a range check.
bool Within(double value, double low, double high) {
  return value >= low && value <= high;
}

bool IsUtmZone(std::int16_t zone) {
  return zone >= DMA::kUtmFirstZone && zone <= DMA::kUtmLastZone;
}

// Within the UTM latitudes, degrees.
bool InUtmLatitudes(double latitude) {
  return Within(latitude, DMA::kUtmSouthLatitude, DMA::kUtmNorthLatitude);
}

// Degrees of latitude, about half a metre, that a point given by UTM
// numbers may lie beyond the band written beside them: numbers rounded to
// the metre may carry a point on a band's edge over it.
constexpr double kBandEdgeReach = 5e-6;

// Whether a latitude lies in a band (a letter of DMA::kBandLetters), or
// within kBandEdgeReach of it.
bool InBand(double latitude, char band) {
  const auto number = static_cast<std::int16_t>(band - 'A' + 1);
  return DMA::LatitudeBand(latitude) == number ||
         DMA::LatitudeBand(latitude - kBandEdgeReach) == number ||
         DMA::LatitudeBand(latitude + kBandEdgeReach) == number;
}

// The same meridian within -180..180 degrees: the representative point of
// an MGRS square may lie across the antimeridian, and a datum shift turns
// a point metres from a pole by any number of degrees.
double WithinHalfTurn(double longitude) {
  constexpr double kTurn = 360;
  return std::remainder(longitude, kTurn);
}

// Zone 01-60, three characters for the decoder to check as band and
// square letters, ten digits.
bool IsFullMgrsLayout(const std::string& text) {
  if (text.size() != 15) return false;
  if (!ascii::IsDigit(text[0]) || !ascii::IsDigit(text[1])) return false;
  const auto zone = static_cast<std::int16_t>((text[0] - '0') * 10 + (text[1] - '0'));
  if (!IsUtmZone(zone)) return false;
  return std::all_of(text.begin() + 5, text.end(), ascii::IsDigit);
}

// The reference without blanks, its zone written with two digits: references
// of zones 1 to 9 are written with a leading blank and may come back with
// one digit, a leading 0 or that blank.
std::string NormaliseMgrs(const std::string& reference) {
  std::string text;
  for (char c : reference) {
    if (c != ' ') text += c;
  }
  if (text.size() >= 2 && ascii::IsDigit(text[0]) && !ascii::IsDigit(text[1]))
    text.insert(0, 1, '0');
  return text;
}

// Zone, band and square letters.
constexpr std::size_t kMgrsHead = 5;
// Digits per axis of a full reference.
constexpr std::size_t kMgrsDigits = 5;

// Digits kept per axis for a precision in metres: 0 for 100 km, 1 for
// 10 km ... 5 for 1 m and for any value not listed.
std::size_t DigitsFor(std::int32_t precision) {
  switch (precision) {
    case 100000: return 0;
    case 10000: return 1;
    case 1000: return 2;
    case 100: return 3;
    case 10: return 4;
    default: return kMgrsDigits;
  }
}

// Keeps k digits of each axis of an error text of the UTM routines, as a
// reference's digits are kept: its first 5 + k characters, then k from the
// eleventh on.
void CutMgrs(std::string& text, std::size_t k) {
  const std::size_t head = std::min(text.size(), kMgrsHead + k);
  if (text.size() <= 10) {
    text.resize(head);
    return;
  }
  const std::size_t tail = std::min(k, text.size() - 10);
  text.erase(head, 10 - head);
  text.resize(head + tail);
}

// A reference without blanks (NormaliseMgrs) cut to k digits per axis, its
// zone written as the encoder writes it ("6", "31").
std::string CutReference(const std::string& text, std::size_t k) {
  const std::size_t given = (text.size() - kMgrsHead) / 2;
  std::string cut = text.substr(0, kMgrsHead + k) + text.substr(kMgrsHead + given, k);
  if (cut.front() == '0') cut.erase(0, 1);
  return cut;
}

// The code of the square of the wanted size that holds the square of an
// accepted code: 2, 4 or, for any other precision, 6 characters, never
// more than the code has.
std::string ShortenIfbl(const std::string& code, std::int16_t precision) {
  const std::size_t length =
      precision == 2 || precision == 4 ? static_cast<std::size_t>(precision) : 6;
  return code.substr(0, length);
}

}  // namespace

void TransCoo::Conversion() {
  if (!setup_) {
    Refuse(ConversionError::DatumNotSet);
    return;
  }
  if (origType_.empty()) {
    Refuse(ConversionError::UnknownKind);
    return;
  }
  // Any other kind: SetOrigType has already put its message into Error.
  if (!kind_) return;
  mgrsOfNumbers_ = false;
  const Routes& routes = setup_->routes[PreciseTransformation ? 1 : 0];
  switch (*kind_) {
    case CoordKind::Mgrs: ConvertMgrs(routes); return;
    case CoordKind::Lambert: ConvertLambert(routes); return;
    case CoordKind::Ifbl: ConvertIfbl(routes); return;
    case CoordKind::Dms: ConvertDms(routes); return;
    case CoordKind::Degrees: ConvertDeg(routes); return;
    case CoordKind::Lambert2008: ConvertLambert2008(routes); return;
    case CoordKind::Utm: ConvertUtm(routes); return;
  }
}

bool TransCoo::LambertInDomain() const {
  return Lambert::kBounds.Contains(x_, y_);
}

bool TransCoo::Lambert2008InDomain() const {
  return kLambert2008Bounds.Contains(x2008_, y2008_);
}

void TransCoo::ConvertMgrs(const Routes& routes) {
  const std::string text = NormaliseMgrs(mgrs_);
  // From a 100 km square (zone, band, two letters) to 1 m.
  if (text.size() < kMgrsHead || text.size() > kMgrsHead + 2 * kMgrsDigits) {
    Refuse(ConversionError::BadMgrs, mgrs_);
    return;
  }
  std::string working = text.substr(0, 3) + CompleteMgrsDigits(text.substr(3));
  // A reference whose digits cannot be completed, or with anything but
  // letters and digits in their places, would be read as some other point.
  if (!IsFullMgrsLayout(working)) {
    Refuse(ConversionError::BadMgrs, mgrs_);
    return;
  }
  // Completed, the text had two square letters and as many digits per axis.
  const std::size_t digits = (text.size() - kMgrsHead) / 2;

  double latitude = 0;
  double longitude = 0;
  double northing = 0;
  double easting = 0;
  std::int16_t zone = 0;
  std::int32_t refused = 0;
  DMA::MgrsToGeo(working, setup_->inputGrid, latitude, longitude, zone, northing, easting, refused,
                 static_cast<std::int16_t>(digits));
  if (refused != 0) {
    Refuse(ConversionError::BadMgrs, mgrs_);
    return;
  }
  latitude_ = latitude / DMA::Degree();
  longitude_ = WithinHalfTurn(longitude / DMA::Degree());
  LambertBlock(routes.inputToBel72, routes.officialInput);
  Lambert2008Block(latitude_, longitude_, routes.inputToEtrs89);
  // No digits are invented: a reference is written at most at its own
  // precision.
  const std::size_t kept = std::min(digits, DigitsFor(mgrsPrecision));
  if (ShiftToOutputDatum(routes.inputToOutput)) {
    FillDmsParts();
    UtmBlock(kept);
    return;
  }
  FillDmsParts();
  // On its own datum the reference gives its UTM position as it stands.
  northing_ = northing;
  easting_ = easting;
  zone_ = zone;
  north_ = !(latitude_ < 0);
  mgrsResult_ = DMA::MgrsStatus::Made;
  if (kept < digits) mgrs_ = CutReference(text, kept);
  if (UtmZone != 0) ForcedZoneBlock();
}

void TransCoo::ConvertLambert(const Routes& routes) {
  if (!LambertInDomain()) {
    Refuse(ConversionError::BadLambert);
    return;
  }
  FillIfbl();
  InverseLambertBlock(routes);
  Lambert2008FromLambert72(routes);
}

void TransCoo::ConvertIfbl(const Routes& routes) {
  if (ifbl_.size() < 2 || ifbl_.size() > 6) {
    Refuse(ConversionError::BadIfbl);
    return;
  }
  std::string code = ifbl_;
  double x = 0;
  double y = 0;
  std::int32_t status = 0;
  IFBL::IfblToLambert(code, x, y, status);
  // A code that names no square of the grid (letters where digits go,
  // digits out of range) would otherwise land in some neighbouring square.
  if (status != 0 || !IFBL::IsGridCode(code)) {
    Refuse(ConversionError::BadIfbl);
    return;
  }
  ifbl_ = ShortenIfbl(code, IfblPrecision);
  ifblInGrid_ = true;
  x_ = x;
  y_ = y;
  InverseLambertBlock(routes);
  Lambert2008FromLambert72(routes);
}

void TransCoo::ConvertLambert2008(const Routes& routes) {
  if (!Lambert2008InDomain()) {
    Refuse(ConversionError::BadLambert2008);
    return;
  }
  // From here on a point in degrees on ETRS89, through the official chain.
  Lambert2008().Inverse(x2008_, y2008_, latitude_, longitude_);
  LambertBlock(routes.etrs89ToBel72, /*official=*/true);
  ShiftToOutputDatum(routes.etrs89ToOutput);
  FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::ConvertUtm(const Routes& routes) {
  // UTM numbers lie within these; the output keeps to them too.
  if (!(IsUtmZone(zone_) && kUtmNumbers.Contains(easting_, northing_))) {
    Refuse(ConversionError::BadUtm);
    return;
  }
  const double centre = DMA::CentralMeridian(zone_);
  double phi = 0;
  double lambda = 0;
  // A negative northing tells the routine that the point is south.
  double northing = north_ ? northing_ : -northing_;
  DMA::UtmToGeo(setup_->inputGrid, phi, lambda, zone_, northing, easting_);
  const double latitude = phi / DMA::Degree();
  const double longitude = lambda / DMA::Degree();
  const bool inReach = InUtmLatitudes(latitude) &&
                       std::fabs(WithinHalfTurn(longitude - centre)) <= DMA::kUtmZoneReach &&
                       (latitude < 0) == !north_;
  if (!inReach || (band_ != '\0' && !DMA::IsBandLetter(band_))) {
    Refuse(ConversionError::BadUtm);
    return;
  }
  if (band_ != '\0' && !InBand(latitude, band_)) {
    Refuse(ConversionError::OutsideBand, std::string_view(&band_, 1));
    return;
  }
  latitude_ = latitude;
  longitude_ = WithinHalfTurn(longitude);
  LambertBlock(routes.inputToBel72, routes.officialInput);
  Lambert2008Block(latitude_, longitude_, routes.inputToEtrs89);
  const bool shifted = ShiftToOutputDatum(routes.inputToOutput);
  FillDmsParts();
  if (shifted) {
    UtmBlock(DigitsFor(mgrsPrecision));
    return;
  }
  UtmBlockFromInput(DigitsFor(mgrsPrecision));
}

void TransCoo::UtmBlockFromInput(std::size_t digits) {
  if (!ComputeUtm) return;
  // On its own datum, in the point's own zone, the numbers given are the
  // point's UTM position: they are kept as given, and the reference names
  // the square that holds them, even on a square's edge, where the way
  // back through degrees could land a nanometre short of it.
  const DMA::GridZone grid = DMA::GridZoneOf(latitude_, longitude_);
  if (grid.zone != zone_) {
    UtmBlock(digits);
    return;
  }
  mgrsResult_ =
      DMA::UtmToMgrs(zone_, grid.band, northing_, easting_, setup_->outputGrid.Ellipsoid().Number(),
                     static_cast<std::int16_t>(digits), mgrs_);
  if (mgrsResult_ != DMA::MgrsStatus::Made) CutMgrs(mgrs_, digits);
  if (UtmZone != 0 && UtmZone != zone_) ForcedZoneBlock();
}

void TransCoo::ConvertDms(const Routes& routes) {
  const auto& [lat, lon] = KeepDmsParts();
  const bool valid = Within(lat.degrees, -90, 90) && Within(lon.degrees, -180, 180) &&
                     Within(lat.minutes, 0, 60) && Within(lon.minutes, 0, 60) &&
                     Within(lat.seconds, 0, 60) && Within(lon.seconds, 0, 60);
  if (!valid) {
    Refuse(ConversionError::BadDms);
    return;
  }
  latitude_ = DmsToDegrees(lat.degrees, lat.minutes, lat.seconds);
  longitude_ = DmsToDegrees(lon.degrees, lon.minutes, lon.seconds);
  LambertBlock(routes.inputToBel72, routes.officialInput);
  Lambert2008Block(latitude_, longitude_, routes.inputToEtrs89);
  // The DMS parts stay as given unless the datum changes.
  if (ShiftToOutputDatum(routes.inputToOutput)) FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::ConvertDeg(const Routes& routes) {
  if (!(Within(latitude_, -90, 90) && Within(longitude_, -180, 180))) {
    Refuse(ConversionError::BadDeg);
    return;
  }
  LambertBlock(routes.inputToBel72, routes.officialInput);
  Lambert2008Block(latitude_, longitude_, routes.inputToEtrs89);
  ShiftToOutputDatum(routes.inputToOutput);
  FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::FillDmsParts() {
  dmsOfAngles_ = true;
  dmsLatitude_ = latitude_;
  dmsLongitude_ = longitude_;
}

TransCoo::DmsParts& TransCoo::KeepDmsParts() {
  if (dmsOfAngles_) {
    dms_ = {DegreesToDms(dmsLatitude_), DegreesToDms(dmsLongitude_)};
    dmsOfAngles_ = false;
  }
  return dms_;
}

Dms TransCoo::LatitudeDms() const {
  return dmsOfAngles_ ? DegreesToDms(dmsLatitude_) : dms_.latitude;
}

Dms TransCoo::LongitudeDms() const {
  return dmsOfAngles_ ? DegreesToDms(dmsLongitude_) : dms_.longitude;
}

bool TransCoo::ShiftToOutputDatum(const DatumShift& toOutput) {
  if (toOutput.Identity()) return false;
  double latitude = 0;
  double longitude = 0;
  toOutput.Apply(latitude_, longitude_, 0, latitude, longitude);
  // Within some 80 m of a pole the shift's formulas carry a point past it.
  if (!(std::fabs(latitude) <= kQuarterTurn)) throw RuntimeError(Fault::PastThePole);
  latitude_ = latitude;
  longitude_ = WithinHalfTurn(longitude);
  return true;
}

void TransCoo::LambertBlock(const DatumShift& toBel72, bool official) {
  if (!ComputeLambert && !ComputeIfbl) return;
  // Lambert 1972 and IFBL always belong to BEL72, whatever the caller chose.
  double latitude72 = 0;
  double longitude72 = 0;
  toBel72.Apply(latitude_, longitude_, 0, latitude72, longitude72);
  if (official) {
    Lambert72Official().Forward(latitude72, longitude72, x_, y_);
  } else {
    Lambert::GeoToLambert(latitude72, longitude72, x_, y_);
  }
  FillIfbl();
}

void TransCoo::FillIfbl() {
  if (!ComputeIfbl) return;
  ifblInGrid_ = IFBL::InLetteredGrid(x_, y_);
  std::int32_t outsideBounds = 0;  // IFBL then keeps what Reset left
  IFBL::LambertToIfbl(x_, y_, ifbl_, outsideBounds, IfblPrecision);
}

void TransCoo::UtmBlock(std::size_t digits) {
  if (!ComputeUtm) return;
  std::int16_t zone = 0;
  mgrsResult_ = DMA::GeoToUtm(setup_->outputGrid, latitude_, longitude_, zone, northing_, easting_,
                              mgrs_, static_cast<std::int16_t>(digits));
  zone_ = zone;
  north_ = !(latitude_ < 0);
  mgrsOfNumbers_ = mgrsResult_ == DMA::MgrsStatus::Made && UtmZone == 0;
  mgrsDigits_ = static_cast<std::int16_t>(digits);
  if (mgrsResult_ != DMA::MgrsStatus::Made) CutMgrs(mgrs_, digits);
  if (UtmZone != 0) ForcedZoneBlock();
}

std::optional<std::pair<double, double>> TransCoo::MgrsPoint() const {
  if (!mgrsOfNumbers_ || !setup_) return std::nullopt;
  const std::size_t bandAt = mgrs_.find_first_not_of("0123456789");
  if (bandAt == std::string::npos) return std::nullopt;
  const auto band = static_cast<std::int16_t>(mgrs_[bandAt] - 'A' + 1);
  double northing = northing_;
  double easting = easting_;
  if (!DMA::MgrsPointOfUtm(zone_, band, northing, easting, mgrsDigits_)) return std::nullopt;
  // As the decoder does: a band south of the equator gives its northing
  // negative.
  constexpr std::int16_t kBandN = 'N' - 'A' + 1;
  if (band < kBandN) northing = -northing;
  double phi = 0;
  double lambda = 0;
  DMA::UtmToGeo(setup_->outputGrid, phi, lambda, zone_, northing, easting);
  return std::pair{phi / DMA::Degree(), WithinHalfTurn(lambda / DMA::Degree())};
}

void TransCoo::InverseLambertBlock(const Routes& routes) {
  double latitude72 = 0;
  double longitude72 = 0;
  if (routes.officialOutput) {
    Lambert72Official().Inverse(x_, y_, latitude72, longitude72);
  } else {
    Lambert::LambertToGeo(x_, y_, latitude72, longitude72);
  }
  routes.bel72ToOutput.Apply(latitude72, longitude72, 0, latitude_, longitude_);
  FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::Lambert2008Block(double latitude, double longitude, const DatumShift& toEtrs89) {
  if (!ComputeLambert2008) return;
  // A point that has no Lambert 2008 position (beyond a pole, or so far
  // that the projection breaks down) is left outside its domain: refused
  // by whoever asks for that output, never a fault of the whole point.
  x2008_ = y2008_ = 0;
  try {
    double etrsLatitude = 0;
    double etrsLongitude = 0;
    toEtrs89.Apply(latitude, longitude, 0, etrsLatitude, etrsLongitude);
    double x = 0;
    double y = 0;
    Lambert2008().Forward(etrsLatitude, etrsLongitude, x, y);
    x2008_ = x;
    y2008_ = y;
  } catch (const RuntimeError&) {
  }
}

void TransCoo::Lambert2008FromLambert72(const Routes& routes) {
  if (!ComputeLambert2008) return;
  // With ETRS89 as the output datum, Latitude and Longitude are already
  // the point of the official chain on ETRS89, to the last bit.
  if (routes.outputEtrs89) {
    Lambert2008Block(latitude_, longitude_, DatumShift());
    return;
  }
  double latitude72 = 0;
  double longitude72 = 0;
  // Lambert 1972 input lies in its domain: the inverse always succeeds.
  Lambert72Official().Inverse(x_, y_, latitude72, longitude72);
  Lambert2008Block(latitude72, longitude72, routes.bel72ToEtrs89);
}

void TransCoo::ForcedZoneBlock() {
  const double offset = std::fabs(WithinHalfTurn(longitude_ - DMA::CentralMeridian(UtmZone)));
  utmInReach_ = IsUtmZone(UtmZone) && offset <= DMA::kUtmZoneReach && InUtmLatitudes(latitude_);
  if (!utmInReach_) {
    northing_ = easting_ = 0;
    return;
  }
  zone_ = UtmZone;
  DMA::GeoToTm(setup_->outputGrid, latitude_ * DMA::Degree(), longitude_ * DMA::Degree(), zone_,
               northing_, easting_, 1);
  // Near the equator a neighbour zone's point can lie beyond easting 0 or
  // 1 000 000 m: numbers that UTM input refuses are no UTM coordinate.
  if (!kUtmNumbers.Contains(easting_, northing_)) {
    utmInReach_ = false;
    northing_ = easting_ = 0;
  }
}

}  // namespace koord
