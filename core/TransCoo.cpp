#include "core/TransCoo.h"

#include <algorithm>
#include <array>
#include <utility>

#include "geodesy/ConformalConic.h"
#include "geodesy/General.h"
#include "geodesy/Helmert.h"
#include "geodesy/Lambert.h"
#include "support/Ascii.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

bool IsKnownKind(std::string_view kind) {
  constexpr std::array<std::string_view, 9> kKinds{"MGR", "MGRS", "DEG", "LMB", "DMS",
                                                   "IFB", "IFBL", "L08", "UTM"};
  return std::find(kKinds.begin(), kKinds.end(), kind) != kKinds.end();
}

// The shift from WGS84 to WGS84: its Molodensky corrections are zeros, so
// the point only goes to radians and back. With a zero height and angles
// whose radians are not zero (a zero would take the sign of the zero
// corrections), adding those zeros changes no bit, and this is exactly the
// shift; it raises the same fault on an angle that is not finite. False
// when the full formulas are needed.
bool ShiftWgs84ToItself(double latitude, double longitude, double height, double& newLatitude,
                        double& newLongitude) {
  const double phi = General::DegToRad(latitude);
  const double lambda = General::DegToRad(longitude);
  if (height != 0 || phi == 0 || lambda == 0) return false;
  const double shiftedLatitude = RequireFinite(General::RadToDeg(phi));
  const double shiftedLongitude = RequireFinite(General::RadToDeg(lambda));
  newLatitude = shiftedLatitude;
  newLongitude = shiftedLongitude;
  return true;
}

}  // namespace

TransCoo::TransCoo() {
  BuildCatalogue();
  SetDatumFrom("EUR-M");
  SetDatumDest("EUR-M");
}

void TransCoo::BuildCatalogue() {
  datums_ = DatumCatalogue();
  ellipsoids_ = EllipsoidCatalogue();
  bel72Index_ = FindDatum("BEL72");
  wgs84Index_ = FindDatum("WGS84");
  etrs89Index_ = FindDatum("ETRS89");
}

void TransCoo::Reset() {
  error_.clear();
  errorCode_ = ConversionError::None;
  origType_.clear();
  mgrs_.clear();
  ifbl_.clear();
  mgrsResult_ = DMA::MgrsStatus::OutsideUtm;
  ifblInGrid_ = false;
  x_ = y_ = 0;
  latitude_ = longitude_ = 0;
  northing_ = easting_ = 0;
  x2008_ = y2008_ = 0;
  zone_ = 0;
  north_ = true;
  utmInReach_ = true;
}

void TransCoo::SetOrigType(std::string_view kind) {
  origType_.assign(kind);
  ascii::ToUpperInPlace(origType_);
  if (!IsKnownKind(origType_)) Refuse(ConversionError::UnknownKind);
}

void TransCoo::Refuse(ConversionError code, std::string text) {
  errorCode_ = code;
  error_ = text.empty() ? std::string(ConversionErrorTexts(code).fr) : std::move(text);
}

std::int16_t TransCoo::FindDatum(std::string_view code) const {
  const std::string wanted = ascii::ToUpper(code);
  for (std::size_t i = 0; i < datums_.size(); ++i) {
    if (TrimmedCode(datums_[i]) == wanted) return static_cast<std::int16_t>(i + 1);
  }
  return 0;
}

void TransCoo::SetDatumFrom(std::string_view code) {
  datumFromIndex_ = FindDatum(code);
}

void TransCoo::SetDatumDest(std::string_view code) {
  datumDestIndex_ = FindDatum(code);
}

void TransCoo::SetMGRS(std::string_view reference) {
  mgrs_ = ascii::TrimBlanks(reference);
}

void TransCoo::SetIFBL(std::string_view code) {
  ifbl_.clear();
  for (char c : code) {
    if (c != ' ' && c != '.') ifbl_ += c;
  }
}

const DatumRecord& TransCoo::DatumAt(std::int16_t position) const {
  if (position < 1 || static_cast<std::size_t>(position) > datums_.size()) {
    throw RuntimeError(Fault::IndexOutOfRange);
  }
  return datums_[static_cast<std::size_t>(position) - 1];
}

const EllipsoidRecord& TransCoo::EllipsoidAt(std::int16_t position) const {
  if (position < 1 || static_cast<std::size_t>(position) > ellipsoids_.size()) {
    throw RuntimeError(Fault::IndexOutOfRange);
  }
  return ellipsoids_[static_cast<std::size_t>(position) - 1];
}

void TransCoo::SelectEllipsoid(std::int16_t datumIndex) const {
  // By position: Number equals the position in the catalogue.
  const EllipsoidRecord& ellipsoid = EllipsoidAt(DatumAt(datumIndex).Ellipsoid);
  EllipsoidInUse& current = CurrentEllipsoid();
  current.Number = ellipsoid.Number;
  current.a = ellipsoid.SemiMajorAxis;
  current.f = 1 / ellipsoid.InverseFlattening;
  current.b = (1 - current.f) * current.a;
}

void TransCoo::MolodenskyShift(double latitude, double longitude, double height,
                               double& newLatitude, double& newLongitude, std::int16_t datumIndex,
                               std::int16_t direction) const {
  const DatumRecord& datum = DatumAt(datumIndex);
  General::MolodenskyShift(latitude, longitude, height, newLatitude, newLongitude, datum,
                           EllipsoidAt(datum.Ellipsoid), direction);
}

bool TransCoo::OfficialChain(std::int16_t other) const {
  return PreciseTransformation || other == etrs89Index_;
}

void TransCoo::ProjectLambert72(double latitude, double longitude, bool official, double& X,
                                double& Y) const {
  if (official) {
    Lambert72Official().Forward(latitude, longitude, X, Y);
  } else {
    Lambert::GeoToLambert(latitude, longitude, X, Y);
  }
}

void TransCoo::UnprojectLambert72(double X, double Y, bool official, double& latitude,
                                  double& longitude) const {
  if (official) {
    Lambert72Official().Inverse(X, Y, latitude, longitude);
  } else {
    Lambert::LambertToGeo(X, Y, latitude, longitude);
  }
}

void TransCoo::ShiftDatum(double latitude, double longitude, double height, std::int16_t fromIndex,
                          std::int16_t toIndex, double& newLatitude, double& newLongitude) const {
  if (fromIndex == toIndex) {
    newLatitude = latitude;
    newLongitude = longitude;
    return;
  }
  // Every change of datum goes through WGS84 (ETRS89 taken as the same),
  // even from WGS84 itself; BD72 by the official transformation when the
  // chain asks for it, onto the ellipsoid of the other side.
  const bool toEtrs89 = toIndex == etrs89Index_;
  const Helmert::Ellipsoid& hub =
      toEtrs89 || fromIndex == etrs89Index_ ? Helmert::kGrs80 : Helmert::kWgs84;
  double wgsLatitude = 0;
  double wgsLongitude = 0;
  if (fromIndex == bel72Index_ && OfficialChain(toIndex)) {
    Helmert::Shift(latitude, longitude, height, Helmert::kBd72ToEtrs89, Helmert::kHayford, hub,
                   Helmert::Direction::Forward, wgsLatitude, wgsLongitude);
  } else if (fromIndex == etrs89Index_) {
    wgsLatitude = latitude;
    wgsLongitude = longitude;
  } else if (!(fromIndex == wgs84Index_ &&
               ShiftWgs84ToItself(latitude, longitude, height, wgsLatitude, wgsLongitude))) {
    MolodenskyShift(latitude, longitude, height, wgsLatitude, wgsLongitude, fromIndex, +1);
  }
  if (toIndex == wgs84Index_ || toEtrs89) {
    newLatitude = wgsLatitude;
    newLongitude = wgsLongitude;
    return;
  }
  if (toIndex == bel72Index_ && OfficialChain(fromIndex)) {
    Helmert::Shift(wgsLatitude, wgsLongitude, height, Helmert::kBd72ToEtrs89, Helmert::kHayford,
                   hub, Helmert::Direction::Inverse, newLatitude, newLongitude);
    return;
  }
  MolodenskyShift(wgsLatitude, wgsLongitude, height, newLatitude, newLongitude, toIndex, -1);
}

}  // namespace koord
