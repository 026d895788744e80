#pragma once
// The change of datum between two datums of the catalogue, set up once for
// the pair. Every change goes through WGS84 (ETRS89 taken as the same
// datum): each leg by the standard Molodensky shift of its datum or, on the
// BD72 side, by the official transformation "BD72 to ETRS89 (2)", which
// BD72 always takes to and from ETRS89 and, when asked to be precise, to
// and from WGS84 and the datums beyond it.
//
//   const DatumShift shift(Datum::Bel72, Datum::Wgs84, /*precise=*/false);
//   double lat = 0, lon = 0;
//   shift.Apply(50.8, 4.4, 0, lat, lon);  // 50.799455, 4.401267
//
// Angles in degrees, heights in metres.

#include <variant>

#include "core/Kinds.h"
#include "geodesy/General.h"
#include "geodesy/Helmert.h"

namespace koord {

class DatumShift {
 public:
  DatumShift(Datum from, Datum to, bool precise);
  // A datum to itself.
  DatumShift() = default;

  // True when the two datums are one: Apply gives back its input.
  bool Identity() const { return identity_; }

  // The point in the datum `to`; the height enters the shifts, its change
  // is not returned. Raises RuntimeError on a floating-point fault, leaving
  // the outputs as they were.
  void Apply(double latitude, double longitude, double height, double& newLatitude,
             double& newLongitude) const;

 private:
  // One leg, to or from the WGS84 hub.
  class Leg {
   public:
    // The point unchanged.
    Leg() = default;
    explicit Leg(const General::Molodensky& molodensky) : step_(molodensky) {}
    explicit Leg(const Helmert::Transformation& helmert) : step_(helmert) {}
    // WGS84 to the hub: the Molodensky shift with its zero parameters.
    static Leg FromWgs84(const General::Molodensky& zeroShift);

    void Apply(double latitude, double longitude, double height, double& newLatitude,
               double& newLongitude) const;

   private:
    struct Unchanged {};
    struct Wgs84ToItself {
      General::Molodensky zeroShift;
    };
    std::variant<Unchanged, General::Molodensky, Wgs84ToItself, Helmert::Transformation> step_;
  };

  bool identity_ = true;
  Leg toHub_;
  Leg fromHub_;
};

}  // namespace koord
