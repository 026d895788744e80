#pragma once
// The fixed datum and ellipsoid catalogues.
//
// Positions in both catalogues count from 1; a stored position of 0 means
// that nothing is selected.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/Kinds.h"
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

// The code of a datum in the catalogue: "BEL72", "WGS84", "EUR-M", "NTF",
// "ETRS89".
std::string_view DatumCode(Datum datum);
// The datum whose code is `code` exactly (upper case, without blanks).
std::optional<Datum> DatumOfCode(std::string_view code);
// Its position in the catalogue, from 1.
std::int16_t DatumPosition(Datum datum);
const DatumRecord& DatumRecordOf(Datum datum);

// The ellipsoid of a datum, as a value, from the catalogue. Raises
// RuntimeError when the record names no ellipsoid of the catalogue.
Ellipsoid EllipsoidOf(const DatumRecord& datum);

}  // namespace koord
