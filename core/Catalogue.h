#pragma once
// The fixed datum and ellipsoid catalogues.
//
// Positions in both catalogues count from 1; a stored position of 0 means
// that nothing is selected.

#include <span>
#include <string_view>

#include "geodesy/Datum.h"
#include "geodesy/Ellipsoid.h"

namespace koord {

// The five datums, in position order ("EUR-M", "BEL72", "WGS84", "NTF",
// "ETRS89").
std::span<const DatumRecord> DatumCatalogue();
// The 23 ellipsoids, in position order.
std::span<const EllipsoidRecord> EllipsoidCatalogue();

// A datum code without the blanks that pad it to five characters.
std::string_view TrimmedCode(const DatumRecord& datum);

}  // namespace koord
