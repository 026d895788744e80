#pragma once
// A PROJ operation owned by one object: its own context, created from a
// PROJ string or from two CRS codes, freed with it. Test-only oracle.

#include <proj.h>
#include <string>

#include "geodesy/Datum.h"
#include "geodesy/Ellipsoid.h"

namespace koord::accuracy {

class ProjOperation {
 public:
  // From a PROJ string, e.g. "+proj=lcc ...". Angular input and output of
  // such an operation are radians, longitude first.
  explicit ProjOperation(const std::string& definition);
  // The default transformation between two CRS, as PROJ picks it per point;
  // axes in the order of the CRS definitions (EPSG:4326: latitude first).
  ProjOperation(const std::string& sourceCrs, const std::string& targetCrs);
  ~ProjOperation();
  ProjOperation(const ProjOperation&) = delete;
  ProjOperation& operator=(const ProjOperation&) = delete;

  // Throws std::runtime_error naming the input if PROJ fails or returns a
  // non-finite value.
  PJ_COORD Forward(double u, double v) const;
  PJ_COORD Inverse(double u, double v) const;

  // Name of the operation used by the last Forward/Inverse (for a CRS pair,
  // the one PROJ chose among its candidates).
  std::string LastUsedName() const;

  // Area of use of the last used operation, degrees (west, south, east,
  // north); all 0 when PROJ does not know it.
  struct Area {
    double west = 0, south = 0, east = 0, north = 0;
    bool Contains(double latitude, double longitude) const {
      return latitude >= south && latitude <= north && longitude >= west && longitude <= east;
    }
  };
  Area LastUsedArea() const;

 private:
  PJ_COORD Transform(PJ_DIRECTION direction, double u, double v) const;

  PJ_CONTEXT* context_;
  PJ* operation_;
};

// PROJ's standard Molodensky operation from `datum` (on `ellipsoid`) to
// WGS84, with the datum's five parameters written to the last digit.
std::string MolodenskyDefinition(const DatumRecord& datum, const EllipsoidRecord& ellipsoid);

}  // namespace koord::accuracy
