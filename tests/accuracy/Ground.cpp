#include "tests/accuracy/Ground.h"

#include <GeographicLib/Geodesic.hpp>

namespace koord::accuracy {

double GroundDistance(double latitude1, double longitude1, double latitude2, double longitude2) {
  double distance = 0;
  GeographicLib::Geodesic::WGS84().Inverse(latitude1, longitude1, latitude2, longitude2, distance);
  return distance;
}

}  // namespace koord::accuracy
