// TransCoo::Conversion: from the input of one kind to every representation.

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/Dms.h"
#include "core/MgrsDigits.h"
#include "core/TransCoo.h"
#include "geodesy/ConformalConic.h"
#include "geodesy/General.h"
#include "geodesy/Ifbl.h"
#include "geodesy/Lambert.h"
#include "geodesy/Mgrs.h"
#include "geodesy/Utm.h"
#include "support/Ascii.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// Limits of the accepted Lambert 1972 input, metres, inclusive.
constexpr double kLambertMaxX = 310000;
constexpr double kLambertMaxY = 260000;
// The same area in Lambert 2008, whose false origin lies 500 km further
// east and north (to within 25 m at the corners, hence 100 m of margin).
constexpr double kLambert2008MinX = 499900;
constexpr double kLambert2008MaxX = 810100;
constexpr double kLambert2008MinY = 499900;
constexpr double kLambert2008MaxY = 760100;
// UTM latitudes, degrees.
constexpr double kUtmSouth = -80;
constexpr double kUtmNorth = 84;
constexpr std::int16_t kLastZone = 60;
constexpr double kMaxEasting = 1000000;    // m
constexpr double kMaxNorthing = 10000000;  // m, with the southern false northing

constexpr double kQuarterTurn = 90;  // degrees, the poles

// Both comparisons must hold, so a NaN never passes a range check.
bool Within(double value, double low, double high) {
  return value >= low && value <= high;
}

// Longitude of the central meridian of a UTM zone, degrees.
double CentralMeridian(std::int16_t zone) {
  constexpr double kZoneWidth = 6;
  constexpr double kWestOfZone1 = 183;
  return kZoneWidth * zone - kWestOfZone1;
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
  const int zone = (text[0] - '0') * 10 + (text[1] - '0');
  if (zone < 1 || zone > 60) return false;
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

// Keeps k digits of each axis; digits are cut, never rounded. Applied, in
// place, to whatever text the UTM routines left: its first 5 + k
// characters, then k from the eleventh on.
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
// zone written as the encoder writes it (" 6", "31").
std::string CutReference(const std::string& text, std::size_t k) {
  const std::size_t given = (text.size() - kMgrsHead) / 2;
  std::string cut = text.substr(0, kMgrsHead + k) + text.substr(kMgrsHead + given, k);
  if (cut.front() == '0') cut.front() = ' ';
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

// The refusal of a reference, naming it as it was given.
std::string BadReference(const std::string& reference) {
  return std::string(kBadMgrsPrefix) + reference + ")";
}

// Switches a datum selection for the length of a block and puts it back
// even when the block raises a fault, so that the next point starts from the
// caller's choice.
class DatumSwitch {
 public:
  DatumSwitch(std::int16_t& selection, std::int16_t temporary)
      : selection_(selection), saved_(selection) {
    selection_ = temporary;
  }
  ~DatumSwitch() { selection_ = saved_; }
  DatumSwitch(const DatumSwitch&) = delete;
  DatumSwitch& operator=(const DatumSwitch&) = delete;

 private:
  std::int16_t& selection_;
  std::int16_t saved_;
};

}  // namespace

void TransCoo::Conversion() {
  if (datumFromIndex_ == 0 || datumDestIndex_ == 0) {
    Refuse(ConversionError::DatumNotSet);
    return;
  }
  if (origType_.empty()) {
    Refuse(ConversionError::UnknownKind);
    return;
  }
  SelectEllipsoid(datumFromIndex_);

  // Compared as views: lengths first, then the characters.
  const std::string_view kind = origType_;
  if (kind == "MGR" || kind == "MGRS") {
    ConvertMgrs();
  } else if (kind == "LMB") {
    ConvertLambert();
  } else if (kind == "IFB" || kind == "IFBL") {
    ConvertIfbl();
  } else if (kind == "DMS") {
    ConvertDms();
  } else if (kind == "DEG") {
    ConvertDeg();
  } else if (kind == "L08") {
    ConvertLambert2008();
  } else if (kind == "UTM") {
    ConvertUtm();
  }
  // Any other kind: SetOrigType has already put its message into Error.
}

bool TransCoo::LambertInDomain() const {
  return Within(x_, 0, kLambertMaxX) && Within(y_, 0, kLambertMaxY);
}

bool TransCoo::Lambert2008InDomain() const {
  return Within(x2008_, kLambert2008MinX, kLambert2008MaxX) &&
         Within(y2008_, kLambert2008MinY, kLambert2008MaxY);
}

void TransCoo::ConvertMgrs() {
  const std::string text = NormaliseMgrs(mgrs_);
  // From a 100 km square (zone, band, two letters) to 1 m.
  if (text.size() < kMgrsHead || text.size() > kMgrsHead + 2 * kMgrsDigits) {
    Refuse(ConversionError::BadMgrs, BadReference(mgrs_));
    return;
  }
  std::string working = text.substr(0, 3) + CompleteMgrsDigits(text.substr(3));
  // A reference whose digits cannot be completed, or with anything but
  // letters and digits in their places, would be read as some other point.
  if (!IsFullMgrsLayout(working)) {
    Refuse(ConversionError::BadMgrs, BadReference(mgrs_));
    return;
  }
  // Completed, the text had two square letters and as many digits per axis.
  const std::size_t digits = (text.size() - kMgrsHead) / 2;

  const EllipsoidInUse ellipsoid = CurrentEllipsoid();
  double latitude = 0;
  double longitude = 0;
  double northing = 0;
  double easting = 0;
  std::int16_t zone = 0;
  std::int32_t refused = 0;
  DMA::MgrsToGeo(working, ellipsoid.Number, ellipsoid.a, ellipsoid.f, latitude, longitude, zone,
                 northing, easting, refused, static_cast<std::int16_t>(digits));
  if (refused != 0) {
    Refuse(ConversionError::BadMgrs, BadReference(mgrs_));
    return;
  }
  latitude_ = General::RadToDeg(latitude);
  longitude_ = WithinHalfTurn(General::RadToDeg(longitude));
  LambertBlock();
  Lambert2008Block(latitude_, longitude_, datumFromIndex_);
  // No digits are invented: a reference is written at most at its own
  // precision.
  const std::size_t kept = std::min(digits, DigitsFor(mgrsPrecision));
  if (ShiftToOutputDatum()) {
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

void TransCoo::ConvertLambert() {
  if (!LambertInDomain()) {
    Refuse(ConversionError::BadLambert);
    return;
  }
  FillIfbl();
  Lambert2008FromLambert72();
  InverseLambertBlock();
}

void TransCoo::ConvertIfbl() {
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
  Lambert2008FromLambert72();
  InverseLambertBlock();
}

void TransCoo::ConvertLambert2008() {
  if (!Lambert2008InDomain()) {
    Refuse(ConversionError::BadLambert2008);
    return;
  }
  // From here on a point in degrees on ETRS89, through the official chain.
  Lambert2008().Inverse(x2008_, y2008_, latitude_, longitude_);
  const DatumSwitch fromEtrs89(datumFromIndex_, etrs89Index_);
  SelectEllipsoid(etrs89Index_);
  LambertBlock();
  ShiftToOutputDatum();
  FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::ConvertUtm() {
  const double centre = CentralMeridian(zone_);
  const bool zoneKnown = zone_ >= 1 && zone_ <= kLastZone;
  // UTM numbers lie within these; the output keeps to them too.
  if (!(zoneKnown && Within(easting_, 0, kMaxEasting) && Within(northing_, 0, kMaxNorthing))) {
    Refuse(ConversionError::BadUtm);
    return;
  }
  const EllipsoidInUse ellipsoid = CurrentEllipsoid();
  double phi = 0;
  double lambda = 0;
  // A negative northing tells the routine that the point is south.
  double northing = north_ ? northing_ : -northing_;
  DMA::UtmToGeo(ellipsoid.a, ellipsoid.f, phi, lambda, zone_, northing, easting_);
  const double latitude = General::RadToDeg(phi);
  const double longitude = General::RadToDeg(lambda);
  const bool inReach = Within(latitude, kUtmSouth, kUtmNorth) &&
                       std::fabs(WithinHalfTurn(longitude - centre)) <= kUtmZoneReach &&
                       (latitude < 0) == !north_;
  if (!inReach) {
    Refuse(ConversionError::BadUtm);
    return;
  }
  latitude_ = latitude;
  longitude_ = WithinHalfTurn(longitude);
  LambertBlock();
  Lambert2008Block(latitude_, longitude_, datumFromIndex_);
  ShiftToOutputDatum();
  FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::ConvertDms() {
  const bool valid = Within(latDmsDeg_, -90, 90) && Within(lonDmsDeg_, -180, 180) &&
                     Within(latDmsMin_, 0, 60) && Within(lonDmsMin_, 0, 60) &&
                     Within(latDmsSec_, 0, 60) && Within(lonDmsSec_, 0, 60);
  if (!valid) {
    Refuse(ConversionError::BadDms);
    return;
  }
  latitude_ = DmsToDegrees(latDmsDeg_, latDmsMin_, latDmsSec_);
  longitude_ = DmsToDegrees(lonDmsDeg_, lonDmsMin_, lonDmsSec_);
  LambertBlock();
  Lambert2008Block(latitude_, longitude_, datumFromIndex_);
  // The DMS parts stay as given unless the datum changes.
  if (ShiftToOutputDatum()) FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::ConvertDeg() {
  if (!(Within(latitude_, -90, 90) && Within(longitude_, -180, 180))) {
    Refuse(ConversionError::BadDeg);
    return;
  }
  LambertBlock();
  Lambert2008Block(latitude_, longitude_, datumFromIndex_);
  ShiftToOutputDatum();
  FillDmsParts();
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::FillDmsParts() {
  const Dms latitude = DegreesToDms(latitude_);
  latDmsDeg_ = latitude.degrees;
  latDmsMin_ = latitude.minutes;
  latDmsSec_ = latitude.seconds;
  const Dms longitude = DegreesToDms(longitude_);
  lonDmsDeg_ = longitude.degrees;
  lonDmsMin_ = longitude.minutes;
  lonDmsSec_ = longitude.seconds;
}

bool TransCoo::ShiftToOutputDatum() {
  if (datumDestIndex_ == datumFromIndex_) return false;
  double latitude = 0;
  double longitude = 0;
  ShiftDatum(latitude_, longitude_, 0, datumFromIndex_, datumDestIndex_, latitude, longitude);
  // Within some 80 m of a pole the shift's formulas carry a point past it.
  if (!(std::fabs(latitude) <= kQuarterTurn)) throw RuntimeError(Fault::PastThePole);
  latitude_ = latitude;
  longitude_ = WithinHalfTurn(longitude);
  SelectEllipsoid(datumDestIndex_);
  return true;
}

void TransCoo::LambertBlock() {
  // Lambert 1972 and IFBL always belong to BEL72, whatever the caller chose.
  const DatumSwitch toBel72(datumDestIndex_, bel72Index_);
  double latitude72 = 0;
  double longitude72 = 0;
  ShiftDatum(latitude_, longitude_, 0, datumFromIndex_, datumDestIndex_, latitude72, longitude72);
  ProjectLambert72(latitude72, longitude72, OfficialChain(datumFromIndex_), x_, y_);
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
  const EllipsoidInUse ellipsoid = CurrentEllipsoid();
  std::int16_t zone = 0;
  mgrsResult_ = DMA::GeoToUtm(ellipsoid.a, ellipsoid.f, General::DegToRad(latitude_),
                              General::DegToRad(longitude_), zone, northing_, easting_, mgrs_,
                              ellipsoid.Number);
  zone_ = zone;
  north_ = !(latitude_ < 0);
  CutMgrs(mgrs_, digits);
  if (UtmZone != 0) ForcedZoneBlock();
}

void TransCoo::InverseLambertBlock() {
  double latitude72 = 0;
  double longitude72 = 0;
  UnprojectLambert72(x_, y_, OfficialChain(datumDestIndex_), latitude72, longitude72);
  {
    const DatumSwitch fromBel72(datumFromIndex_, bel72Index_);
    ShiftDatum(latitude72, longitude72, 0, datumFromIndex_, datumDestIndex_, latitude_, longitude_);
    FillDmsParts();
  }
  SelectEllipsoid(datumDestIndex_);
  UtmBlock(DigitsFor(mgrsPrecision));
}

void TransCoo::Lambert2008Block(double latitude, double longitude, std::int16_t datumIndex) {
  if (!ComputeLambert2008) return;
  // A point that has no Lambert 2008 position (beyond a pole, or so far
  // that the projection breaks down) is left outside its domain: refused
  // by whoever asks for that output, never a fault of the whole point.
  x2008_ = y2008_ = 0;
  try {
    double etrsLatitude = 0;
    double etrsLongitude = 0;
    ShiftDatum(latitude, longitude, 0, datumIndex, etrs89Index_, etrsLatitude, etrsLongitude);
    double x = 0;
    double y = 0;
    Lambert2008().Forward(etrsLatitude, etrsLongitude, x, y);
    x2008_ = x;
    y2008_ = y;
  } catch (const RuntimeError&) {
  }
}

void TransCoo::Lambert2008FromLambert72() {
  if (!ComputeLambert2008) return;
  double latitude72 = 0;
  double longitude72 = 0;
  // Lambert 1972 input lies in its domain: the inverse always succeeds.
  UnprojectLambert72(x_, y_, /*official=*/true, latitude72, longitude72);
  Lambert2008Block(latitude72, longitude72, bel72Index_);
}

void TransCoo::ForcedZoneBlock() {
  const double offset = std::fabs(WithinHalfTurn(longitude_ - CentralMeridian(UtmZone)));
  utmInReach_ = UtmZone >= 1 && UtmZone <= kLastZone && offset <= kUtmZoneReach &&
                Within(latitude_, kUtmSouth, kUtmNorth);
  if (!utmInReach_) {
    northing_ = easting_ = 0;
    return;
  }
  const EllipsoidInUse ellipsoid = CurrentEllipsoid();
  zone_ = UtmZone;
  DMA::GeoToTm(ellipsoid.a, ellipsoid.f, General::DegToRad(latitude_),
               General::DegToRad(longitude_), zone_, northing_, easting_, 1);
  // Near the equator a neighbour zone's point can lie beyond easting 0 or
  // 1 000 000 m: numbers that UTM input refuses are no UTM coordinate.
  if (!(Within(easting_, 0, kMaxEasting) && Within(northing_, 0, kMaxNorthing))) {
    utmInReach_ = false;
    northing_ = easting_ = 0;
  }
}

}  // namespace koord
