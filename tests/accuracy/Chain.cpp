#include "tests/accuracy/Chain.h"

#include <stdexcept>

#include "tests/accuracy/Ground.h"

namespace koord::accuracy {

ChainComparison::ChainComparison(bool precise) : proj_("EPSG:31370", "EPSG:4326") {
  koord_.SetDatumFrom("BEL72");
  koord_.SetDatumDest("WGS84");
  koord_.PreciseTransformation = precise;
}

ChainPoint ChainComparison::At(double X, double Y) {
  koord_.Reset();
  koord_.SetOrigType("lmb");
  koord_.SetX(X);
  koord_.SetY(Y);
  koord_.Conversion();
  if (!koord_.Error().empty()) throw std::runtime_error("Koord refuses: " + koord_.Error());
  ChainPoint p{};
  p.koordLatitude = koord_.Latitude();
  p.koordLongitude = koord_.Longitude();
  const PJ_COORD geo = proj_.Forward(X, Y);  // EPSG:4326 puts latitude first
  p.projLatitude = geo.v[0];
  p.projLongitude = geo.v[1];
  p.distance = GroundDistance(p.koordLatitude, p.koordLongitude, p.projLatitude, p.projLongitude);
  p.inAreaOfUse = proj_.LastUsedArea().Contains(p.projLatitude, p.projLongitude);
  return p;
}

}  // namespace koord::accuracy
