#pragma once
// Belgian Lambert 1972: Lambert conformal conic with two standard parallels
// on the Hayford ellipsoid, datum BEL72. Latitude and longitude in degrees
// (BEL72), X (easting) and Y (northing) in metres.

namespace koord::Lambert {

// No range check; finite for every latitude in -90..90 on the BEL72 side.
// Throws RuntimeError on a floating-point fault (a latitude beyond 90).
void GeoToLambert(double latitude, double longitude, double& X, double& Y);

// Iterative inverse. Throws RuntimeError on a floating-point fault or when
// the latitude does not converge within a bounded number of rounds.
void LambertToGeo(double X, double Y, double& latitude, double& longitude);

}  // namespace koord::Lambert
