// Lambert 2008, ETRS89, UTM numbers and the precise transformation through
// the converter shared by the window and koord-cli, line in, line out.
// Reference values: PROJ's cs2cs (EPSG:31370, 3812, 4258, 4313, 4326,
// 32631, 32632, 32756), which the output floors (Lambert) or rounds (UTM,
// degrees) as noted.

#include <gtest/gtest.h>
#include <string_view>

#include "engine/LineConverter.h"

namespace {

using koord::CoordKind;
using koord::Datum;

struct Row {
  CoordKind from;
  Datum datumFrom;
  CoordKind to;
  Datum datumTo;
  std::string_view line;
  std::string_view expected;
  bool precise = false;
  std::int16_t zone = 0;
};

constexpr auto kL72 = CoordKind::Lambert;
constexpr auto kL08 = CoordKind::Lambert2008;
constexpr auto kDeg = CoordKind::Degrees;
constexpr auto kUtm = CoordKind::Utm;
constexpr auto kBd72 = Datum::Bel72;
constexpr auto kEtrs = Datum::Etrs89;
constexpr auto kWgs = Datum::Wgs84;

const Row kRows[] = {
    // cs2cs 31370 -> 3812: 649999.687 670000.412, and back 150000.313 169999.589:
    // rounded to the metre, the round trip returns the start point.
    {kL72, kBd72, kL08, kEtrs, "150000\t170000", "650000\t670000"},
    {kL08, kEtrs, kL72, kBd72, "650000\t670000", "150000\t170000"},
    {kL08, kEtrs, CoordKind::Ifbl, kBd72, "650000\t670000", "E43522"},
    // The corner of the Lambert 1972 area: 500021.164 499983.875.
    {kL72, kBd72, kL08, kEtrs, "0\t0", "500021\t499984"},
    {kL08, kEtrs, kL72, kBd72, "150000\t170000", "Hors du domaine Lambert 2008 (X de 499 900 à 810 100 m, Y de 499 900 à 760 100 m)"},
    // cs2cs 31370 -> 4258: 50.840411284 4.368752141.
    {kL72, kBd72, kDeg, kEtrs, "150000\t170000", "50.84041\t004.36875"},
    // ETRS89 and WGS84 are one datum.
    {kDeg, kEtrs, kDeg, kWgs, "50.85\t4.35", "50.85000\t004.35000"},
    // cs2cs 4313 -> 4326 (BD72 to WGS 84 (3)): 50.849455453 4.351265297.
    {kDeg, kBd72, kDeg, kWgs, "50.85\t4.35", "50.84946\t004.35127", true},
    // cs2cs 4326 -> 32631: 595032.295 5634012.833; -> 32632: 172733.292 5643453.428.
    {kDeg, kWgs, kUtm, kWgs, "50.85\t4.35", "31N\t595032\t5634013"},
    {kDeg, kWgs, kUtm, kWgs, "50.85\t4.35", "32N\t172733\t5643453", false, 32},
    {kDeg, kWgs, kUtm, kWgs, "50.85\t4.35",
     "Zone UTM trop éloignée du point (9° au plus de son méridien central)", false, 33},
    // cs2cs 4326 -> 32756: 333568.941 6247473.337.
    {kDeg, kWgs, kUtm, kWgs, "-33.9\t151.2", "56S\t333569\t6247473"},
    // 8° from zone 32's meridian at 9° N lies west of easting 0: no UTM
    // number that could be read back.
    {kDeg, kWgs, kUtm, kWgs, "9\t1",
     "Zone UTM trop éloignée du point (9° au plus de son méridien central)", false, 32},
    // cs2cs 32631 -> 4326: 50.850869421 4.364298449.
    // An MGRS reference on its own datum gives its square's point with the
    // reference's zone (cs2cs 32631 -> 32632: 174155.148 5642821.476).
    {CoordKind::Mgrs, kWgs, kUtm, kWgs, "31UES9633", "31N\t596499\t5633499"},
    {CoordKind::Mgrs, kWgs, kUtm, kWgs, "31UES9633", "32N\t174155\t5642821", false, 32},
    {CoordKind::Mgrs, kWgs, kUtm, kWgs, "56HLH3356947473", "56S\t333569\t6247473"},
    {kUtm, kWgs, kDeg, kWgs, "31N\t596037\t5634128", "50.85087\t004.36430"},
    {kUtm, kWgs, kDeg, kWgs, "31 n\t596037\t5634128", "50.85087\t004.36430"},
    // The zone with its latitude band, as MGRS writes it.
    {kUtm, kWgs, kDeg, kWgs, "31U\t596037\t5634128", "50.85087\t004.36430"},
    {kUtm, kWgs, kDeg, kWgs, "31I\t596037\t5634128",
     "Zone UTM illisible (de 1 à 60, puis N ou S ou la bande de latitude, comme 31U) : « 31I »"},
    {kUtm, kWgs, kDeg, kWgs, "61N\t596037\t5634128",
     "Zone UTM illisible (de 1 à 60, puis N ou S ou la bande de latitude, comme 31U) : « 61N »"},
    {kUtm, kWgs, kDeg, kWgs, "31N\t-5\t5634128", "Coordonnées UTM incorrectes"},
    // cs2cs 32731 -> 4326: -39.437045801 4.115962020.
    {kUtm, kWgs, kDeg, kWgs, "31S\t596037\t5634128", "-39.43705\t004.11596"},
    // North of the UTM latitudes (86.6° N).
    {kUtm, kWgs, kDeg, kWgs, "31N\t596037\t9634128", "Coordonnées UTM incorrectes"},
    {kUtm, kWgs, kDeg, kWgs, "31N\t596037\t", "Champ manquant : Nord"},
};

TEST(OfficialKinds, LinesGiveTheirExactOutput) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.line);
    koord::BatchChoices choices;
    choices.coorFrom = row.from;
    choices.coorDest = row.to;
    choices.datumFrom = row.datumFrom;
    choices.datumDest = row.datumTo;
    choices.preciseTransformation = row.precise;
    choices.utmZone = row.zone;
    choices.separator = koord::Separator::Tab;
    choices.firstColumn = 1;
    koord::LineConverter converter(choices, koord::RunOutput::Text);
    EXPECT_EQ(converter.Convert(row.line, koord::Layout{}).text, row.expected);
  }
}

TEST(OfficialKinds, HeadersNameTheNewColumns) {
  const std::pair<CoordKind, std::string_view> rows[] = {{kL08, "X\tY"}, {kUtm, "Zone\tEst\tNord"}};
  for (const auto& [to, names] : rows) {
    koord::BatchChoices choices;
    choices.coorDest = to;
    koord::LineConverter converter(choices, koord::RunOutput::Text);
    EXPECT_EQ(converter.Convert("x\ty", koord::Layout{}, false, koord::LineRole::Header).text,
              names);
  }
}

}  // namespace
