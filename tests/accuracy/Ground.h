#pragma once
// Distance on the ground between two positions, for turning differences
// of latitude and longitude into metres.

namespace koord::accuracy {

// Geodesic distance in metres on WGS84 (GeographicLib); degrees in. At the
// millimetre level the choice of ellipsoid does not matter.
double GroundDistance(double latitude1, double longitude1, double latitude2, double longitude2);

}  // namespace koord::accuracy
