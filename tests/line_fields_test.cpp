// What a line's fields may hold, through the run shared by the window and
// koord-cli: every accepted form and every refusal, with the exact text
// written in the line's place. The conversions are identities (Lambert to
// Lambert, degrees to degrees on one datum, a reference or a square to
// itself), so each expected text follows from the input alone.

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchRun.h"

namespace {

using koord::CoordKind;
using koord::LineStatus;
using koord::Separator;

struct Row {
  CoordKind kind;
  std::string_view line;
  std::string_view expected;
  LineStatus status = LineStatus::Converted;
  Separator separator = Separator::Tab;
  std::size_t firstColumn = 1;
  bool keep = false;
  bool firstLine = false;  // the first line of its text, which may be a header
};

constexpr auto kLambert = CoordKind::Lambert;
constexpr auto kDegrees = CoordKind::Degrees;
constexpr auto kMgrs = CoordKind::Mgrs;
constexpr auto kIfbl = CoordKind::Ifbl;
constexpr auto kUtm = CoordKind::Utm;
constexpr auto kRefused = LineStatus::Refused;
constexpr auto kHeader = LineStatus::Header;
constexpr auto kSemicolon = Separator::Semicolon;
constexpr auto kComma = Separator::Comma;

const Row kRows[] = {
    // Lambert 1972 metres (values under 1000 are kilometres).
    {kLambert, "150000\t170000", "150000\t170000"},
    {kLambert, "150 000\t170 000", "150000\t170000"},
    {kLambert,
     "150\xC2\xA0"
     "000\t170\xE2\x80\xAF"
     "000",
     "150000\t170000"},  // no-break spaces
    {kLambert, "150,5\t170", "150500\t170000"},
    {kLambert, "150.5\t170", "150500\t170000"},
    {kLambert, "150000,9\t169999,2", "150001\t169999"},  // rounded to the metre
    {kLambert, "1,5e5\t1.7E5", "150000\t170000"},
    {kLambert, "+150000\t+170000", "150000\t170000"},
    {kLambert, " 150000 \t 170000 ", "150000\t170000"},
    {kLambert,
     "\xEF\xBB\xBF"
     "150000\t170000",
     "150000\t170000"},  // a mark mid-text
    {kLambert,
     "\xE2\x88\x92"
     "5\t20",
     "Hors du domaine Lambert 1972 (X de 0 à 310 000 m, Y de 0 à 260 000 m)", kRefused},
    {kLambert, "X\tY", "Nombre illisible : « X »", kRefused},
    {kLambert, "abc\t170000", "Nombre illisible : « abc »", kRefused},
    {kLambert, "nan\t170000", "Nombre illisible : « nan »", kRefused},
    {kLambert, "150000\tinf", "Nombre illisible : « inf »", kRefused},
    {kLambert, "+\t170000", "Nombre illisible : « + »", kRefused},
    {kLambert, ".\t170000", "Nombre illisible : « . »", kRefused},
    {kLambert, "\t170000", "Champ manquant : X", kRefused},
    {kLambert, "150000\t ", "Champ manquant : Y", kRefused},
    {kLambert, "1.2.3\t170000", "Nombre illisible : « 1.2.3 »", kRefused},
    {kLambert, "150000abc\t170000", "Nombre illisible : « 150000abc »", kRefused},
    {kLambert, "0x10\t170000", "Nombre illisible : « 0x10 »", kRefused},
    {kLambert, "1e999\t170000", "Nombre trop grand : « 1e999 »", kRefused},
    {kLambert, "150000\t1,234,567", "Nombre illisible : « 1,234,567 »", kRefused},
    {kLambert, "150000 E\t170000", "Nombre illisible : « 150000 E »", kRefused},
    {kLambert, "1234567890123456789012345678901234567890x\t1",
     "Nombre illisible : « 123456789012345678901234567890… »", kRefused},
    // A line that is not UTF-8 is Windows-1252: 0xFF is ÿ.
    {kLambert,
     "\xFF"
     "1\t2",
     "Nombre illisible : « \xC3\xBF"
     "1 »",
     kRefused},
    {kLambert, "150000", "Champ manquant : Y", kRefused},
    // Degrees, decimal or sexagesimal, with hemisphere letters.
    {kDegrees, "50.85\t4.35", "50.85000\t004.35000"},
    {kDegrees, "50,85\t4,35", "50.85000\t004.35000"},
    {kDegrees, "50.85 N\t4.35 E", "50.85000\t004.35000"},
    {kDegrees, "50.85n\t4.35e", "50.85000\t004.35000"},
    {kDegrees, "N50.85\tE 4.35", "50.85000\t004.35000"},
    {kDegrees, "50.85 S\t4.35 W", "-50.85000\t-004.35000"},
    {kDegrees, "4.35E\t50.85N", "50.85000\t004.35000"},  // the letters say which is which
    {kDegrees, "4.35 W\t50.85 S", "-50.85000\t-004.35000"},
    {kDegrees,
     "\xE2\x88\x92"
     "50.85\t\xE2\x88\x92"
     "4.35",
     "-50.85000\t-004.35000"},
    {kDegrees, "50°51'06\"N\t4°21'36\"E", "50.85167\t004.36000"},
    {kDegrees, "50°51'06.5\"\t4°21'", "50.85181\t004.35000"},
    {kDegrees, "50°51.1'N\t4°21.6'E", "50.85167\t004.36000"},
    {kDegrees, "50:51:06\t4:21:36", "50.85167\t004.36000"},
    {kDegrees, "50d51m06s\t4d21m36s", "50.85167\t004.36000"},
    {kDegrees, "50º51'06''\t4º21'36''", "50.85167\t004.36000"},
    {kDegrees, "50˚51′06″ N\t4˚21′36″ E", "50.85167\t004.36000"},
    {kDegrees, "S 33°52'\t151°12' E", "-33.86667\t151.20000"},
    {kDegrees, "50.85 O\t4.35", "Lettre d'hémisphère inconnue (N, S, E ou W) : « 50.85 O »",
     kRefused},
    {kDegrees, "-50.85 S\t4.35", "Signe et lettre d'hémisphère ensemble : « -50.85 S »", kRefused},
    {kDegrees, "50.85 N\t4.35 N", "Deux latitudes (N ou S) : « 50.85 N » et « 4.35 N »", kRefused},
    {kDegrees, "50.85 E\t4.35 W", "Deux longitudes (E ou W) : « 50.85 E » et « 4.35 W »", kRefused},
    {kDegrees, "50.85\t4.35 N", "Lettre de latitude (N ou S) sur la longitude : « 4.35 N »",
     kRefused},
    {kDegrees, "50.85 E\t4.35", "Lettre de longitude (E ou W) sur la latitude : « 50.85 E »",
     kRefused},
    {kDegrees, "50°60'\t4", "Minutes ou secondes de 60 ou plus : « 50°60' »", kRefused},
    {kDegrees, "50°51'06\"\"\t4", "Nombre illisible : « 50°51'06\"\" »", kRefused},
    {kDegrees, "lat\tlon", "Nombre illisible : « lat »", kRefused},
    {kDegrees, "50.85\t", "Champ manquant : Longitude", kRefused},
    {kDegrees, "95\t4", "Coordonnées DEG incorrectes", kRefused},
    // References and squares.
    {kMgrs, " 31ues9637232970 ", "31UES9637232970"},
    {kMgrs, "\t31UES9637232970", "Champ manquant : MGRS", kRefused},
    {kMgrs, "31U", "Coordonnées MGRS erronées (31U)", kRefused},
    {kIfbl, "E5.37.11", "E53711"},
    {kIfbl, "e5 37 11", "E53711"},
    {kIfbl, "E5X", "Coordonnée IFBL incorrecte", kRefused},
    // Columns, separators, quoted fields, the input line kept.
    {kLambert, "id;150000;170000", "150000;170000", LineStatus::Converted, kSemicolon, 2},
    {kLambert, "id;150000;170000", "id;150000;170000;150000;170000", LineStatus::Converted,
     kSemicolon, 2, true},
    {kLambert, "\"150 000,5\";\"170 000\"", "150000;170000", LineStatus::Converted, kSemicolon},
    {kLambert, "150000.5,170000", "150000,170000", LineStatus::Converted, kComma},
    {kLambert, "\"150000,5\",170000", "150000,170000", LineStatus::Converted, kComma},
    {kLambert, "  150000   170000  ", "150000\t170000", LineStatus::Converted, Separator::Blank},
    {kLambert, "P1\t150000\t170000\tChêne", "P1\t150000\t170000\tChêne\t150000\t170000",
     LineStatus::Converted, Separator::Tab, 2, true},
    {kLambert, "id;abc;1", "id;abc;1;Nombre illisible : « abc »", kRefused, kSemicolon, 2, true},
    // An empty field before a quoted one stays a field of its own: its tab
    // is no blank before the quote.
    {kLambert, "\t\"150000\"\t170000", "Champ manquant : X", kRefused},
    {kLambert, "id\t\t \"150000\"\t170000", "150000\t170000", LineStatus::Converted, Separator::Tab,
     3},
    {kDegrees, "p,50.85 O,4.35",
     "p,50.85 O,4.35,\"Lettre d'hémisphère inconnue (N, S, E ou W) : « 50.85 O »\"", kRefused,
     kComma, 2, true},
    {kDegrees, "\"50°51'06\"\"N\";\"4°21'36\"\"E\"", "50.85167;004.36000", LineStatus::Converted,
     kSemicolon},
    {kLambert, "\"un \"\"a\"\"\";150", "\"Nombre illisible : « un \"\"a\"\" »\"", kRefused,
     kSemicolon},
    // Headers: a first line that names the columns, or whose coordinate
    // fields hold no value and a letter.
    {kLambert, "X\tY", "X\tY", kHeader, Separator::Tab, 1, false, true},
    {kLambert, "Nom\tX\tY\tEspèce", "X\tY", kHeader, Separator::Tab, 2, false, true},
    {kDegrees, "lat\tlon", "Latitude\tLongitude", kHeader, Separator::Tab, 1, false, true},
    {kLambert, "id;x;y;espèce", "id;x;y;espèce;X;Y", kHeader, kSemicolon, 2, true, true},
    {kLambert, "Relevé 2024\t", "X\tY", kHeader, Separator::Tab, 1, false, true},
    {kLambert, "Relevé 2024\t", "Nombre illisible : « Relevé 2024 »", kRefused, Separator::Tab, 1},
    {kLambert, "X_BL72\tY_BL72", "X\tY", kHeader, Separator::Auto, 0, false, true},
    {kDegrees, "Lat (WGS84)\tLon (WGS84)", "Latitude\tLongitude", kHeader, Separator::Auto, 0,
     false, true},
    // The German names a header of Koord's own carries.
    {kDegrees, "Nr;Breite;Länge", "Latitude;Longitude", kHeader, Separator::Auto, 0, false, true},
    {kUtm, "Zone\tOstwert\tNordwert", "Zone\tEst\tNord", kHeader, Separator::Auto, 0, false, true},
    {kLambert, "Rechtswert\tHochwert", "X\tY", kHeader, Separator::Auto, 0, false, true},
    // Empty coordinate fields never make a header.
    {kLambert, "P1;;", "Champ manquant : X", kRefused, kSemicolon, 2, false, true},
};

// Takes the output lines.
class Lines : public koord::LineSink {
 public:
  bool Take(const koord::LineResult& line) override {
    texts.emplace_back(line.output);
    statuses.push_back(line.status);
    return true;
  }
  std::vector<std::string> texts;
  std::vector<LineStatus> statuses;
};

TEST(LineFields, EachFormGivesItsExactOutputLine) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.line);
    koord::BatchChoices choices;
    choices.coorFrom = row.kind;
    choices.coorDest = row.kind;
    const bool lambertDatum = row.kind == kLambert || row.kind == kIfbl;
    choices.datumFrom = lambertDatum ? koord::Datum::Bel72 : koord::Datum::Wgs84;
    choices.datumDest = choices.datumFrom;
    choices.mgrsPrecision = koord::MgrsPrecision::Metre;
    choices.separator = row.separator;
    choices.firstColumn = row.firstColumn;
    choices.keepLine = row.keep;
    // The line twice: the second time it is no first line.
    Lines lines;
    koord::BatchRun run(choices, koord::RunOutput::Text, lines);
    run.Feed(std::string(row.line) + "\n" + std::string(row.line));
    run.Finish();
    ASSERT_EQ(lines.texts.size(), 2u);
    const std::size_t at = row.firstLine ? 0 : 1;
    EXPECT_EQ(lines.texts[at], row.expected);
    EXPECT_EQ(lines.statuses[at], row.status);
  }
}

// The line's text alone, in a run of `choices`.
std::string Converted(const koord::BatchChoices& choices, std::string_view line) {
  Lines lines;
  koord::BatchRun run(choices, koord::RunOutput::Text, lines);
  run.Feed(line);
  run.Finish();
  return lines.texts.empty() ? std::string() : lines.texts.front();
}

TEST(LineFields, HeaderNamesFollowTheOutputKind) {
  const std::pair<CoordKind, std::string_view> rows[] = {{kLambert, "X\tY"},
                                                         {kDegrees, "Latitude\tLongitude"},
                                                         {kMgrs, "MGRS"},
                                                         {kIfbl, "IFBL"},
                                                         {CoordKind::Dms, "Latitude\tLongitude"}};
  for (const auto& [to, names] : rows) {
    koord::BatchChoices choices;
    choices.coorDest = to;
    EXPECT_EQ(Converted(choices, "x\ty"), names);
  }
}

// The output choices on Lambert (150000, 170000): WGS84 50.8404127 N,
// 4.3687535 E, written 50°50'25,5"N 4°22'07,5"E in degrees-minutes-seconds
// (the worked example of the output kind), IFBL square E4.35.22.
struct OutputRow {
  CoordKind to;
  int precision;  // position in the precision table of the kind
  bool ifblDots;
  int decimals;
  std::string_view expected;
};

TEST(LineFields, OutputChoicesShapeTheText) {
  const OutputRow rows[] = {
      {CoordKind::Dms, 0, false, 5, "50°50'25,5\"N\t4°22'07,5\"E"},
      {kDegrees, 0, false, 7, "50,8404127\t004,3687535"},
      {kDegrees, 0, false, 6, "50,840413\t004,368753"},
      {kIfbl, 0, true, 5, "E4.35.22"},
      {kIfbl, 1, true, 5, "E4.35"},
      {kIfbl, 2, true, 5, "E4"},
      {kIfbl, 0, false, 5, "E43522"},
  };
  for (const OutputRow& row : rows) {
    SCOPED_TRACE(row.expected);
    koord::BatchChoices choices;
    choices.coorDest = row.to;
    choices.datumDest = koord::Datum::Wgs84;
    choices.ifblPrecision = *AtListPosition(koord::kIfblPrecisionTable, row.precision);
    choices.ifblDots = row.ifblDots;
    choices.degreeDecimals = row.decimals;
    choices.decimalMark = ',';
    EXPECT_EQ(Converted(choices, "150000\t170000"), row.expected);
  }
}

// A text of degrees-minutes-seconds reads back as degrees: the output
// closes the loop.
TEST(LineFields, DmsOutputReadsBackAsDegrees) {
  koord::BatchChoices choices;
  choices.coorFrom = kDegrees;
  choices.coorDest = kDegrees;
  choices.datumFrom = koord::Datum::Wgs84;
  choices.datumDest = koord::Datum::Wgs84;
  EXPECT_EQ(Converted(choices, "50°50'25.5\"N\t4°22'07.5\"E"), "50.84042\t004.36875");
}

}  // namespace
