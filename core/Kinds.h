#pragma once
// The coordinate kinds and the datums that a conversion is asked for, as
// values: the conversion object takes them, and the engine's tables give
// each its name on the command line and in the window.

namespace koord {

// Lambert 1972, MGRS, IFBL, decimal degrees, Lambert 2008, UTM numbers,
// degrees-minutes-seconds.
enum class CoordKind { Lambert, Mgrs, Ifbl, Degrees, Lambert2008, Utm, Dms };

// BD72 (Lambert 1972), WGS84, European 1950, NTF, ETRS89.
enum class Datum { Bel72, Wgs84, Eur50, Ntf, Etrs89 };

}  // namespace koord
