#include "core/DatumShift.h"

#include "core/Catalogue.h"
#include "support/Checked.h"

namespace koord {
namespace {

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

General::Molodensky MolodenskyOf(Datum datum, std::int16_t direction) {
  const DatumRecord& record = DatumRecordOf(datum);
  return General::Molodensky(record, EllipsoidOf(record), direction);
}

}  // namespace

DatumShift::Leg DatumShift::Leg::FromWgs84(const General::Molodensky& zeroShift) {
  Leg leg;
  leg.step_ = Wgs84ToItself{zeroShift};
  return leg;
}

void DatumShift::Leg::Apply(double latitude, double longitude, double height, double& newLatitude,
                            double& newLongitude) const {
  if (const auto* molodensky = std::get_if<General::Molodensky>(&step_)) {
    molodensky->Shift(latitude, longitude, height, newLatitude, newLongitude);
  } else if (const auto* helmert = std::get_if<Helmert::Transformation>(&step_)) {
    helmert->Shift(latitude, longitude, height, newLatitude, newLongitude);
  } else if (const auto* wgs84 = std::get_if<Wgs84ToItself>(&step_)) {
    if (!ShiftWgs84ToItself(latitude, longitude, height, newLatitude, newLongitude)) {
      wgs84->zeroShift.Shift(latitude, longitude, height, newLatitude, newLongitude);
    }
  } else {
    newLatitude = latitude;
    newLongitude = longitude;
  }
}

DatumShift::DatumShift(Datum from, Datum to, bool precise) : identity_(from == to) {
  if (identity_) return;
  // BD72 takes the official transformation with `other` on the far side.
  const auto official = [precise](Datum other) { return precise || other == Datum::Etrs89; };
  // ETRS89 is reached on its own ellipsoid, GRS80; every other datum
  // through WGS84 on the WGS84 ellipsoid.
  const bool etrs89 = from == Datum::Etrs89 || to == Datum::Etrs89;
  const Ellipsoid hub = EllipsoidOf(DatumRecordOf(etrs89 ? Datum::Etrs89 : Datum::Wgs84));
  const Ellipsoid hayford = EllipsoidOf(DatumRecordOf(Datum::Bel72));

  if (from == Datum::Bel72 && official(to)) {
    toHub_ = Leg(
        Helmert::Transformation(Helmert::kBd72ToEtrs89, hayford, hub, Helmert::Direction::Forward));
  } else if (from == Datum::Wgs84) {
    // Even from WGS84 itself the point goes through the shift's radians.
    toHub_ = Leg::FromWgs84(MolodenskyOf(from, +1));
  } else if (from != Datum::Etrs89) {
    toHub_ = Leg(MolodenskyOf(from, +1));
  }

  if (to == Datum::Wgs84 || to == Datum::Etrs89) return;
  if (to == Datum::Bel72 && official(from)) {
    fromHub_ = Leg(
        Helmert::Transformation(Helmert::kBd72ToEtrs89, hayford, hub, Helmert::Direction::Inverse));
  } else {
    fromHub_ = Leg(MolodenskyOf(to, -1));
  }
}

void DatumShift::Apply(double latitude, double longitude, double height, double& newLatitude,
                       double& newLongitude) const {
  if (identity_) {
    newLatitude = latitude;
    newLongitude = longitude;
    return;
  }
  double wgsLatitude = 0;
  double wgsLongitude = 0;
  toHub_.Apply(latitude, longitude, height, wgsLatitude, wgsLongitude);
  fromHub_.Apply(wgsLatitude, wgsLongitude, height, newLatitude, newLongitude);
}

}  // namespace koord
