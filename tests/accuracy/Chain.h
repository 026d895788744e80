#pragma once
// Koord's Lambert 1972 -> WGS84 chain (inverse Lambert, then the
// three-parameter Molodensky shift of BD72, or with `precise` the official
// chain) beside PROJ's default transformation EPSG:31370 -> EPSG:4326 (a
// seven-parameter Helmert).

#include <string>

#include "core/TransCoo.h"
#include "tests/accuracy/Proj.h"

namespace koord::accuracy {

struct ChainPoint {
  double koordLatitude, koordLongitude;  // degrees, WGS84, from TransCoo
  double projLatitude, projLongitude;    // degrees, WGS84, from PROJ
  double distance;                       // metres between the two
  bool inAreaOfUse;                      // PROJ's position inside the area of its operation
};

class ChainComparison {
 public:
  explicit ChainComparison(bool precise = false);
  // X, Y: Lambert 1972 metres within 0..310000 x 0..260000. Throws
  // std::runtime_error if Koord refuses the point or PROJ fails.
  ChainPoint At(double X, double Y);
  // Name of the PROJ operation used for the last point.
  std::string OperationName() const { return proj_.LastUsedName(); }

 private:
  TransCoo koord_;
  ProjOperation proj_;
};

}  // namespace koord::accuracy
