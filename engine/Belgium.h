#pragma once
// How far a point lies from Belgium, so that a point that a Belgian list
// should not hold (latitude and longitude swapped, a thousands mark read
// as a decimal mark, a column taken for another) does not pass unseen.
//
//   KilometresFromBelgium(50.85, 4.35)  == 0        (Brussels)
//   KilometresFromBelgium(48.86, 2.35)  ≈ 200       (Paris)
//   FarFromBelgium(50.0, 50.0)          == true     (Kazakhstan)
//
// Degrees on WGS84 or any datum close to it (a datum moves a point by
// metres, the border is known to 300 m).

namespace koord {

// Points farther than this from Belgium's border are flagged, km.
inline constexpr double kFarFromBelgiumKm = 100;

// 0 inside Belgium, else the distance to its border in kilometres, on a
// sphere of Earth's mean radius: within a kilometre near Belgium, within
// a few percent across the world.
double KilometresFromBelgium(double latitude, double longitude);

// True when the point lies more than kFarFromBelgiumKm from Belgium; at
// once for the points of Belgium's bounding box, all of which are nearer.
bool FarFromBelgium(double latitude, double longitude);

}  // namespace koord
