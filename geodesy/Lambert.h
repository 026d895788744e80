#pragma once
// Belgian Lambert 1972: Lambert conformal conic with two standard parallels
// on the Hayford ellipsoid, datum BEL72. Latitude and longitude in degrees
// (BEL72), X (easting) and Y (northing) in metres.

#include "geodesy/GridBounds.h"

namespace koord::Lambert {

// The area that Lambert 1972 input must lie in: Belgium and its borders,
// X from 0 to 310 000 m and Y from 0 to 260 000 m, as Koord has always
// bounded it. Output beyond it is the projection of a point far from
// Belgium, and is refused.
inline constexpr GridBounds kBounds{0, 310000, 0, 260000};

// No range check; finite for every latitude in -90..90 on the BEL72 side.
// Throws RuntimeError on a floating-point fault (a latitude beyond 90).
void GeoToLambert(double latitude, double longitude, double& X, double& Y);

// Iterative inverse. Throws RuntimeError on a floating-point fault or when
// the latitude does not converge within a bounded number of rounds.
void LambertToGeo(double X, double Y, double& latitude, double& longitude);

}  // namespace koord::Lambert
