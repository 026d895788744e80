#include "core/Catalogue.h"

#include <array>

#include "support/Ascii.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// The Hayford datums carry two slightly different flattening differences
// (-0.0000141927 and -0.000014192702); each datum's shift uses its own.
// ETRS89 and WGS84 are taken as one datum, as EPSG takes them at the metre
// level: no shift between them, the GRS80 ellipsoid for ETRS89's UTM.
constexpr std::array<DatumRecord, 5> kDatums{{
    {-251, -0.0000141927, -87, -98, -121, 15, "EUR-M", "European 1950",
     "MEAN FOR Austria, Belgium, Denmark,Finland, France, W Germany,  "
     "Gibraltar, Greece, Italy, Luxembourg, Netherlands, Norway,  "
     "Switzerland"},
    {-251, -0.000014192702, -125.8, 79.9, -100.5, 15, "BEL72", "Belgian datum 1972", "Belgium"},
    {0, 0, 0, 0, 0, 21, "WGS84", "WGS 1984", "Global Definition"},
    {-112, -0.000054750714, -168, -60, 320, 6, "NTF  ", "Nouvelle Triangulation Française",
     "France"},
    {0, 0, 0, 0, 0, 12, "ETRS89", "European Terrestrial Reference System 1989", "Europe"},
}};

// Names as the catalogue spells them ("Clarcke", "Everest(Pakistan)").
constexpr std::array<EllipsoidRecord, 23> kEllipsoids{{
    {1, "Airy", 6377563.396, 299.3249646},
    {2, "Airy modified", 6377340.189, 299.3249646},
    {3, "Australian National", 6378160, 298.25},
    {4, "Bessel 1841", 6377397.155, 299.1528128},
    {5, "Clarcke 1866", 6378206.4, 294.9786982},
    {6, "Clarcke 1880", 6378249.145, 293.465},
    {7, "Everest (India 1830)", 6377276.345, 300.8017},
    {8, "Everest modified", 6377304.063, 300.8017},
    {9, "Modified Fischer 1960", 6378155, 298.3},
    {10, "Everest(Pakistan)", 6377309.613, 300.8017},
    {11, "Indonesian 1974", 6378160, 297},
    {12, "GRS 80", 6378137, 298.257222101},
    {13, "Helmert 1906", 6378200, 298.3},
    {14, "Hough 1960", 6378270, 297},
    {15, "Hayford", 6378388, 297},
    {16, "Krassovsky 1940", 6378245, 298.3},
    {17, "South American 1969", 6378160, 298.25},
    {18, "Everest (Malaysia 1969)", 6377295.664, 300.8017},
    {19, "Everest (Sabah Sarawak)", 6377298.556, 300.8017},
    {20, "WGS 1972", 6378135, 298.26},
    {21, "WGS 1984", 6378137, 298.257223563},
    {22, "Bessel 1841 (Namibia)", 6377483.865, 299.1528128},
    {23, "Everest (India 1956)", 6377301.243, 300.8017},
}};

}  // namespace

std::span<const DatumRecord> DatumCatalogue() {
  return kDatums;
}

std::span<const EllipsoidRecord> EllipsoidCatalogue() {
  return kEllipsoids;
}

std::string_view TrimmedCode(const DatumRecord& datum) {
  return ascii::TrimTrailingBlanks(datum.Code);
}

std::string_view DatumCode(Datum datum) {
  switch (datum) {
    case Datum::Bel72: return "BEL72";
    case Datum::Wgs84: return "WGS84";
    case Datum::Eur50: return "EUR-M";
    case Datum::Ntf: return "NTF";
    case Datum::Etrs89: return "ETRS89";
  }
  throw RuntimeError(Fault::IndexOutOfRange);
}

std::optional<Datum> DatumOfCode(std::string_view code) {
  for (const Datum datum : {Datum::Bel72, Datum::Wgs84, Datum::Eur50, Datum::Ntf, Datum::Etrs89}) {
    if (DatumCode(datum) == code) return datum;
  }
  return std::nullopt;
}

std::int16_t DatumPosition(Datum datum) {
  const std::string_view code = DatumCode(datum);
  for (std::size_t i = 0; i < kDatums.size(); ++i) {
    if (TrimmedCode(kDatums[i]) == code) return static_cast<std::int16_t>(i + 1);
  }
  throw RuntimeError(Fault::IndexOutOfRange);  // not reached: every datum is in the catalogue
}

const DatumRecord& DatumRecordOf(Datum datum) {
  return kDatums[static_cast<std::size_t>(DatumPosition(datum)) - 1];
}

Ellipsoid EllipsoidOf(const DatumRecord& datum) {
  // By position: Number equals the position in the catalogue.
  if (datum.Ellipsoid < 1 || static_cast<std::size_t>(datum.Ellipsoid) > kEllipsoids.size()) {
    throw RuntimeError(Fault::IndexOutOfRange);
  }
  return Ellipsoid(kEllipsoids[static_cast<std::size_t>(datum.Ellipsoid) - 1]);
}

}  // namespace koord
