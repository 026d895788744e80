// koord-cli on the files of other programs: each format read and written,
// the round trips through GDAL's own ogrinfo and through gpsbabel, the
// systems that contradict the command line, the options that would be
// ignored, the refusals in their place, and writes that fail halfway. The
// fixtures are made by GDAL's ogr2ogr and by gpsbabel, not by Koord.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "tests/cli/ChildProcess.h"
#include "tests/files/FilesTest.h"

namespace koord::files::test {
namespace {

constexpr double kMillimetre = 0.001;

struct Ran {
  std::string out;
  std::string err;
  int status;
};

// koord-cli run in `folder` with `args` (a shell's words), so that its
// messages name the files as given; `before`: shell commands before it.
Ran Cli(const fs::path& folder, const std::string& args, const std::string& before = "") {
  const std::string command = "cd '" + folder.string() + "' && " + before + KOORD_CLI + " " + args +
                              " > cli.out 2> cli.err";
  const int raw = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(raw)) << args;
  return {ReadBytes(folder / "cli.out"), ReadBytes(folder / "cli.err"),
          WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

// A command of GDAL or gpsbabel, run in `folder`; the test cannot go on
// without what it makes.
void Make(const fs::path& folder, const std::string& command) {
  const test::Run run = RunCommand("cd '" + folder.string() + "' && " + command);
  ASSERT_TRUE(run.ok) << command;
}

// The lines of an output, its fields cut at tabs (or at the semicolons of
// a CSV read back) joined by tabs.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find('\t') == std::string::npos) std::replace(line.begin(), line.end(), ';', '\t');
    lines.push_back(line);
  }
  return lines;
}

std::vector<double> Numbers(const std::string& line) {
  std::vector<double> numbers;
  std::istringstream in(line);
  double value = 0;
  while (in >> value) numbers.push_back(value);
  return numbers;
}

std::optional<double> NumberOf(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') return std::nullopt;
  return value;
}

// A cell as a format gives it back: numbers as numbers.
bool SameCell(const std::string& read, const std::string& written) {
  const std::optional<double> a = NumberOf(read);
  const std::optional<double> b = NumberOf(written);
  if (a && b) return std::fabs(*a - *b) < 1e-9;
  return read == written;
}

// The points of a CSV of Lambert 1972 points as a spreadsheet saves it,
// with a refused line among them.
constexpr std::string_view kPoints =
    "Id;X;Y;Espèce\n"
    "P1;150000;170000;Chêne pédonculé\n"
    "P2;abc;170000;Hêtre\n"
    "P3;160000.5;180000.25;Érable « plane »\n";
constexpr std::string_view kRefusal = "Nombre illisible : « abc »";

struct Written {
  std::string format;  // the extension, or the name given to --format
  std::string option;  // how the format is asked
  int epsg;            // 0: no geometry
  bool keepsRefused;   // the refused line has its record
  // How the format names the columns Id, X, Y, Espèce, X_2, Y_2, koord_refus.
  std::vector<std::string> names;
};

const std::vector<std::string> kNames{"Id", "X", "Y", "Espèce", "X_2", "Y_2", "koord_refus"};

std::vector<Written> WrittenFormats() {
  return {
      {"xlsx", "-o out.xlsx", 0, true, kNames},
      {"ods", "-o out.ods", 0, true, kNames},
      {"csv", "--format csv -o out.csv", 0, true, kNames},
      {"gpkg", "-o out.gpkg", 3812, true, kNames},
      {"geojson", "-o out.geojson", 3812, true, kNames},
      {"shp", "-o out.shp", 3812, true, {"Id", "X", "Y", "Espèce", "X_2", "Y_2", "koord_refu"}},
      {"kml", "-o out.kml", 4326, true, kNames},
      {"kmz", "-o out.kmz", 4326, true, kNames},
      // Koord's columns go to GPX's extensions, which GDAL reads back with
      // its prefix; the refused line has no place.
      {"gpx",
       "-o out.gpx",
       4326,
       false,
       {"ogr_Id", "ogr_X", "ogr_Y", "ogr_Espèce", "ogr_X_2", "ogr_Y_2", "ogr_koord_refus"}},
  };
}

// CSV -> each format -> ogrinfo and Koord: the same attributes, the
// result's point within a millimetre, the right EPSG code; the refused
// line in its place with its reason (but in GPX, which says so).
TEST(CliRoundTrip, EachFormatReadBackByOgrinfoAndByKoord) {
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "in.csv", std::string(kPoints));
  // The records expected: the input's cells, then Lambert 2008 to the
  // millimetre (Koord's own figures, read back below by ogrinfo and
  // Koord), then the refusal.
  const std::vector<std::vector<std::string>> expected{
      {"P1", "150000", "170000", "Chêne pédonculé", "649999.687", "670000.412", ""},
      {"P2", "abc", "170000", "Hêtre", "", "", std::string(kRefusal)},
      {"P3", "160000.5", "180000.25", "Érable « plane »", "659998.915", "680001.772", ""},
  };
  for (const Written& format : WrittenFormats()) {
    SCOPED_TRACE(format.format);
    const std::string file = "out." + format.format;
    const Ran ran = Cli(folder, "-t lambert2008 --decimals 3 " + format.option + " in.csv");
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.out, "");
    std::string err = "koord-cli: in.csv:3: " + std::string(kRefusal) + "\n";
    if (!format.keepsRefused) {
      err += "koord-cli: 1 ligne sans point absente de « " + file +
             " », un GPX ne gardant que des points (in.csv:3)\n";
    }
    EXPECT_EQ(ran.err, err);

    const OgrLayer layer = OgrInfo(folder / file);
    EXPECT_EQ(layer.epsg, format.epsg);
    std::vector<std::vector<std::string>> records;
    for (const auto& record : expected) {
      if (format.keepsRefused || record[6].empty()) records.push_back(record);
    }
    ASSERT_EQ(layer.features.size(), records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
      const OgrFeature& feature = layer.features[r];
      for (std::size_t c = 0; c < format.names.size(); ++c) {
        const auto found = feature.fields.find(format.names[c]);
        const std::string read = found == feature.fields.end() ? "" : found->second;
        EXPECT_TRUE(SameCell(read, records[r][c]))
            << format.names[c] << ": " << read << " for " << records[r][c];
      }
      if (format.epsg == 0) continue;
      if (records[r][6].empty()) {
        // KML's points have their altitude too.
        ASSERT_GE(feature.numbers.size(), 2u);
        // A projected point is the result's own, to the millimetre.
        if (format.epsg == 3812) {
          EXPECT_NEAR(feature.numbers[0], std::stod(records[r][4]), kMillimetre);
          EXPECT_NEAR(feature.numbers[1], std::stod(records[r][5]), kMillimetre);
        }
      } else {
        EXPECT_TRUE(feature.numbers.empty());
      }
    }

    // Koord reads its points back: a layer's points (WGS84 ones through
    // Koord's geodesy), a workbook's or a CSV's result columns.
    const bool layerFile = format.epsg != 0;
    const Ran back = Cli(folder, std::string(layerFile ? "" : "-f lambert2008 --columns 5 ") +
                                     "-t lambert2008 --decimals 3 " + file);
    const std::vector<std::string> lines = Lines(back.out);
    ASSERT_EQ(lines.size(), records.size() + 1) << back.out << back.err;
    EXPECT_EQ(lines[0], "X\tY");
    for (std::size_t r = 0; r < records.size(); ++r) {
      if (!records[r][6].empty()) {
        EXPECT_EQ(lines[r + 1], layerFile ? "Géométrie absente" : "Champ manquant : X");
        continue;
      }
      const std::vector<double> point = Numbers(lines[r + 1]);
      ASSERT_EQ(point.size(), 2u) << lines[r + 1];
      EXPECT_NEAR(point[0], std::stod(records[r][4]), kMillimetre);
      EXPECT_NEAR(point[1], std::stod(records[r][5]), kMillimetre);
    }
  }
}

// A GPX that Koord writes is one that gpsbabel reads, and one that
// gpsbabel writes is one that Koord reads.
TEST(CliRoundTrip, GpxBothWaysWithGpsbabel) {
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "wp.csv", "name,lat,lon\nChêne,50.85,4.35\nHêtre,50.9,4.5\n");
  Make(folder, "gpsbabel -i unicsv -f wp.csv -o gpx -F wp.gpx");
  // 50.85 N 4.35 E (WGS84) is Lambert 148679 171067 (PROJ, EPSG:4326 to
  // EPSG:31370: 148679.45 171066.81).
  Ran ran = Cli(folder, "-t lambert --keep wp.gpx");
  EXPECT_EQ(ran.status, 0);
  EXPECT_EQ(ran.err, "");
  ASSERT_EQ(Lines(ran.out).size(), 3u);
  EXPECT_EQ(Lines(ran.out)[1], "50.85\t4.35\t148679\t171067");

  WriteBytes(folder / "in.csv", "name;X;Y\nChêne;148679.45;171066.81\nHêtre;159233;176637\n");
  ran = Cli(folder, "-t deg --decimals 7 -o out.gpx in.csv");
  EXPECT_EQ(ran.status, 0);
  EXPECT_EQ(ran.err, "");
  const test::Run babel =
      RunCommand("gpsbabel -i gpx -f '" + (folder / "out.gpx").string() + "' -o unicsv -F -");
  ASSERT_TRUE(babel.ok);
  // "No,Latitude,Longitude,Name", then a line per waypoint.
  std::vector<std::vector<std::string>> rows;
  std::istringstream text(babel.out);
  for (std::string line; std::getline(text, line);) {
    if (line.ends_with('\r')) line.pop_back();
    rows.emplace_back();
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
  }
  ASSERT_EQ(rows.size(), 3u) << babel.out;
  const auto column = [&rows](const std::string& name) {
    const auto at = std::find(rows[0].begin(), rows[0].end(), name);
    EXPECT_NE(at, rows[0].end()) << name;
    return static_cast<std::size_t>(at - rows[0].begin());
  };
  const std::size_t name = column("Name");
  const std::size_t latitude = column("Latitude");
  const std::size_t longitude = column("Longitude");
  ASSERT_EQ(rows[1].size(), rows[0].size());
  EXPECT_EQ(rows[1][name], "\"Chêne\"");
  // Within a metre of the point (Koord's datum shift is Molodensky's).
  EXPECT_NEAR(std::stod(rows[1][latitude]), 50.85, 1e-5);
  EXPECT_NEAR(std::stod(rows[1][longitude]), 4.35, 1e-5);
}

struct ReadCase {
  std::string name;
  std::string make;  // the command that makes the file
  std::string args;
  std::string out;
  std::string err;
  int status;
};

// Lambert 1972 (150000, 170000) is 31UES963329, (160000.5, 180000.25)
// 31UFS061431: far enough from the edges of their 100 m squares for
// PROJ's WGS84 (KML) and Koord's to agree.
std::vector<ReadCase> ReadCases() {
  const std::string geometry = " -oo GEOM_POSSIBLE_NAMES=WKT -oo KEEP_GEOM_COLUMNS=NO";
  const std::string layerOut =
      "MGRS\n31UES963329\nGéométrie non ponctuelle : LineString\n31UFS061431\nGéométrie "
      "absente\n";
  const auto layerErr = [](const std::string& file) {
    return "koord-cli: " + file + ":2: Géométrie non ponctuelle : LineString\nkoord-cli: " + file +
           ":4: Géométrie absente\n";
  };
  const std::string workbookOut =
      "Id\tEspèce\tX\tY\tDate\tMGRS\n"
      "P1\tChêne pédonculé\t150000\t170000\t15/03/2024\t31UES963329\n"
      "P2\tHêtre\t\t170000\t01/12/2023\tChamp manquant : X\n";
  return {
      {"geopackage", "ogr2ogr -f GPKG pts.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY" + geometry,
       "pts.gpkg", layerOut, layerErr("pts.gpkg"), 1},
      {"geojson", "ogr2ogr -f GeoJSON pts.geojson pts.csv -a_srs EPSG:31370" + geometry,
       "pts.geojson", layerOut, layerErr("pts.geojson"), 1},
      {"kml", "ogr2ogr -f KML pts.kml pts.csv -s_srs EPSG:31370 -t_srs EPSG:4326" + geometry,
       "pts.kml", layerOut, layerErr("pts.kml"), 1},
      {"kmz", "ogr2ogr -f LIBKML pts.kmz pts.csv -s_srs EPSG:31370 -t_srs EPSG:4326" + geometry,
       "pts.kmz", layerOut, layerErr("pts.kmz"), 1},
      // A shapefile holds one kind of geometry: the line is left out.
      {"shapefile",
       "ogr2ogr pts.shp pts.csv -a_srs EPSG:31370 -nlt POINT -where \"nom <> 'Ligne'\"" + geometry,
       "pts.shp", "MGRS\n31UES963329\n31UFS061431\nGéométrie absente\n",
       "koord-cli: pts.shp:3: Géométrie absente\n", 1},
      // The points' names as the records are kept, with the lines.
      {"kept_lines", "ogr2ogr -f GPKG pts.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY" + geometry,
       "--keep -p 1 pts.gpkg",
       "X\tY\tMGRS\n150000\t170000\t31UES9637232971\n\t\tGéométrie non ponctuelle : "
       "LineString\n160000.5\t180000.25\t31UFS0618343152\n\t\tGéométrie absente\n",
       layerErr("pts.gpkg"), 1},
      {"several_threads",
       "ogr2ogr -f GPKG pts.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY" + geometry,
       "pts.gpkg pts.gpkg", layerOut + layerOut, layerErr("pts.gpkg") + layerErr("pts.gpkg"), 1},
      // A workbook as its user sees it: a header, accents, dates, an empty
      // cell; its columns found by their names.
      {"workbook_xlsx", "ogr2ogr -f XLSX relevés.xlsx rel.csv -oo AUTODETECT_TYPE=YES -nln Relevés",
       "--keep relevés.xlsx", workbookOut, "koord-cli: relevés.xlsx:3: Champ manquant : X\n", 1},
      {"workbook_ods", "ogr2ogr -f ODS relevés.ods rel.csv -oo AUTODETECT_TYPE=YES -nln Relevés",
       "--keep relevés.ods", workbookOut, "koord-cli: relevés.ods:3: Champ manquant : X\n", 1},
      {"sheet_named",
       "ogr2ogr -f XLSX relevés.xlsx rel.csv -oo AUTODETECT_TYPE=YES -nln Relevés && ogr2ogr "
       "-update relevés.xlsx pts.csv -nln Autre",
       "--keep --sheet Relevés relevés.xlsx", workbookOut,
       "koord-cli: relevés.xlsx:3: Champ manquant : X\n", 1},
      {"sheet_not_there",
       "ogr2ogr -f XLSX relevés.xlsx rel.csv -oo AUTODETECT_TYPE=YES -nln Relevés",
       "--sheet Feuil2 relevés.xlsx", "",
       "koord-cli: impossible de lire « relevés.xlsx » : pas de feuille de ce nom ; feuilles : "
       "Relevés\n",
       2},
      {"layer_named",
       "ogr2ogr -f GPKG deux.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY -nln a" + geometry +
           " && ogr2ogr -update deux.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY -nln b" +
           geometry,
       "--layer b deux.gpkg", layerOut, layerErr("deux.gpkg"), 1},
      {"several_layers_unnamed",
       "ogr2ogr -f GPKG deux.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY -nln a" + geometry +
           " && ogr2ogr -update deux.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY -nln b" +
           geometry,
       "deux.gpkg", "",
       "koord-cli: impossible de lire « deux.gpkg » : plusieurs couches, nommez-en une : a, b\n",
       2},
      {"unknown_system",
       "ogr2ogr -f GPKG l93.gpkg pts.csv -a_srs EPSG:2154 -nlt GEOMETRY" + geometry, "l93.gpkg", "",
       "koord-cli: impossible de lire « l93.gpkg » : système de coordonnées non pris en charge : "
       "EPSG:2154 (RGF93 v1 / Lambert-93)\n",
       2},
      {"unknown_system_in_english",
       "ogr2ogr -f GPKG l93.gpkg pts.csv -a_srs EPSG:2154 -nlt GEOMETRY" + geometry,
       "--lang en l93.gpkg", "",
       "koord-cli: cannot read “l93.gpkg”: unsupported coordinate system: EPSG:2154 (RGF93 v1 / "
       "Lambert-93)\n",
       2},
      {"damaged_workbook", "printf 'PK\\003\\004 rien' > abîmé.xlsx", "abîmé.xlsx", "",
       "koord-cli: impossible de lire « abîmé.xlsx » : format non reconnu\n", 2},
  };
}

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << c.name;
}

class CliRead : public ::testing::TestWithParam<ReadCase> {};

// Each format read: its points converted, its other geometries refused in
// their place, named by their record.
TEST_P(CliRead, GivesItsOutputMessagesAndStatus) {
  const ReadCase& c = GetParam();
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "pts.csv",
             "id,nom,WKT\n1,Chêne,\"POINT (150000 170000)\"\n2,Ligne,\"LINESTRING (150000 "
             "170000,151000 171000)\"\n3,Hêtre,\"POINT (160000.5 180000.25)\"\n4,Vide,\n");
  WriteBytes(folder / "rel.csv",
             "Id,Espèce,X,Y,Date\nP1,Chêne pédonculé,150000,170000,2024-03-15\nP2,Hêtre,,170000,"
             "2023-12-01\n");
  Make(folder, c.make);
  const Ran ran =
      Cli(folder, c.args, c.name == "several_threads" ? "export KOORD_THREADS=2 && " : "");
  EXPECT_EQ(ran.out, c.out);
  EXPECT_EQ(ran.err, c.err);
  EXPECT_EQ(ran.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Table, CliRead, ::testing::ValuesIn(ReadCases()),
                         [](const auto& test) { return test.param.name; });

struct UsageCase {
  std::string args;
  std::string message;
};

// What the file says against what the command line says, and options
// that would be ignored or misread: usage errors, before anything is
// written.
TEST(CliUsage, ContradictionsAndIgnoredOptions) {
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "pts.csv", "id,WKT\n1,\"POINT (150000 170000)\"\n");
  WriteBytes(folder / "in.csv", "X;Y\n150000;170000\n");
  const std::string geometry = " -oo GEOM_POSSIBLE_NAMES=WKT -oo KEEP_GEOM_COLUMNS=NO";
  Make(folder, "ogr2ogr -f GPKG pts.gpkg pts.csv -a_srs EPSG:31370" + geometry);
  Make(folder, "ogr2ogr -f KML pts.kml pts.csv -s_srs EPSG:31370 -t_srs EPSG:4326" + geometry);
  Make(folder, "ogr2ogr -f XLSX pts.xlsx in.csv");
  const UsageCase cases[] = {
      {"-f deg pts.gpkg", "-f deg ne va pas avec « pts.gpkg », en EPSG:31370 (lambert, BEL72)"},
      {"-f deg --datum-from ETRS89 pts.kml",
       "--datum-from ETRS89 ne va pas avec « pts.kml », en EPSG:4326 (deg, WGS84)"},
      {"pts.gpkg pts.kml",
       "« pts.gpkg », en EPSG:31370 (lambert, BEL72), et « pts.kml », en EPSG:4326 (deg, "
       "WGS84), ne se convertissent pas ensemble"},
      {"--sheet Feuil1 in.csv", "--sheet ne vaut que pour un classeur (.xlsx, .ods) en entrée"},
      {"--layer a pts.xlsx",
       "--layer ne vaut que pour une couche de points en entrée (.gpkg, .shp, .geojson, .kml, "
       ".kmz, .gpx)"},
      {"--separator ';' pts.xlsx",
       "--separator ne vaut que pour les textes en entrée ; « pts.xlsx » n'en est pas un"},
      {"--columns 2 pts.gpkg",
       "--columns ne vaut que pour les textes et les classeurs en entrée ; les coordonnées de « "
       "pts.gpkg » sont ses points"},
      {"-t lambert --squares -o out.gpkg in.csv",
       "--squares ne vaut que pour --to ifbl ou --to mgrs"},
      {"-t ifbl --squares -o out.xlsx in.csv",
       "--squares ne vaut que pour -o FICHIER d'un format à géométrie (.gpkg, .shp, .geojson, "
       ".kml, .kmz, .gpx)"},
      {"-t ifbl --squares in.csv",
       "--squares ne vaut que pour -o FICHIER d'un format à géométrie (.gpkg, .shp, .geojson, "
       ".kml, .kmz, .gpx)"},
      {"--format gpkg -o out.shp in.csv",
       "--format gpkg et -o « out.shp » ne vont pas ensemble : le fichier s'écrit en .gpkg"},
      {"--format gpkg in.csv", "--format demande -o FICHIER"},
      {"--format dbf -o out.dbf in.csv",
       "format de fichier inconnu : « dbf » (csv, xlsx, ods, gpx, kml, kmz, geojson, gpkg ou "
       "shp)"},
      {"--keep -o out.gpkg in.csv",
       "--keep ne vaut que pour une sortie texte : « out.gpkg » garde toutes les colonnes "
       "d'entrée"},
      {"< pts.xlsx",
       "l'entrée standard est un fichier xlsx : donnez son nom (koord-cli FICHIER.xlsx)"},
      {"-o pts.gpkg pts.gpkg",
       "le fichier de sortie « pts.gpkg » est aussi le fichier d'entrée « pts.gpkg »"},
  };
  for (const UsageCase& c : cases) {
    SCOPED_TRACE(c.args);
    const Ran ran = Cli(folder, c.args);
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(ran.err, "koord-cli: " + c.message + "\nVoir koord-cli --help.\n");
  }
  EXPECT_FALSE(fs::exists(folder / "out.gpkg"));
  EXPECT_FALSE(fs::exists(folder / "out.xlsx"));
}

struct ColumnsCase {
  std::string name;
  std::string args;  // the output is out.gpkg
  // Per record, its fields as ogrinfo gives them (null ones left out).
  std::vector<std::map<std::string, std::string>> records;
  int status;
};

// What the records of a file hold, from each kind of input: a text's
// columns when it has a header, else its whole line; a layer's
// attributes; every input's lines, of the same columns, in order.
TEST(CliFileOutput, ColumnsOfEachInput) {
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "bare.txt", "150000\t170000\nP9 rien\n");
  WriteBytes(folder / "a.csv", "Id;X;Y\nA;150000;170000\n");
  WriteBytes(folder / "b.csv", "Id;X;Y\nB;150000;170000;en trop\n");
  WriteBytes(folder / "c.csv", "Id;X;Y;Note\nC;150000;170000;\n");
  WriteBytes(folder / "pts.csv",
             "id,nom,WKT\n1,Chêne,\"POINT (150000 170000)\"\n2,Ligne,\"LINESTRING (150000 "
             "170000,151000 171000)\"\n");
  Make(folder,
       "ogr2ogr -f GPKG pts.gpkg pts.csv -a_srs EPSG:31370 -nlt GEOMETRY -oo "
       "GEOM_POSSIBLE_NAMES=WKT -oo KEEP_GEOM_COLUMNS=NO");
  const std::vector<ColumnsCase> cases{
      {"a text without header",
       "bare.txt",
       {{{"koord_ligne", "150000\t170000"}, {"MGRS", "31UES963329"}},
        {{"koord_ligne", "P9 rien"}, {"koord_refus", "Nombre illisible : « P9 rien »"}}},
       1},
      {"a layer",
       "pts.gpkg",
       {{{"id", "1"}, {"nom", "Chêne"}, {"MGRS", "31UES963329"}},
        {{"id", "2"}, {"nom", "Ligne"}, {"koord_refus", "Géométrie non ponctuelle : LineString"}}},
       1},
      {"two texts of the same columns",
       "a.csv a.csv",
       {{{"Id", "A"}, {"X", "150000"}, {"Y", "170000"}, {"MGRS", "31UES963329"}},
        {{"Id", "A"}, {"X", "150000"}, {"Y", "170000"}, {"MGRS", "31UES963329"}}},
       0},
      // Fields beyond the header's names stay, in its last column.
      {"more fields than names",
       "b.csv",
       {{{"Id", "B"}, {"X", "150000"}, {"Y", "170000;en trop"}, {"MGRS", "31UES963329"}}},
       0},
  };
  for (const ColumnsCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Ran ran = Cli(folder, "-o out.gpkg " + c.args);
    EXPECT_EQ(ran.status, c.status) << ran.err;
    const OgrLayer layer = OgrInfo(folder / "out.gpkg");
    ASSERT_EQ(layer.features.size(), c.records.size());
    for (std::size_t r = 0; r < c.records.size(); ++r) {
      EXPECT_EQ(layer.features[r].fields, c.records[r]);
    }
    // The first record of each converts: it has its point.
    EXPECT_EQ(layer.features[0].numbers.size(), 2u);
  }

  // Inputs of other columns would put their cells under the wrong names.
  const Ran ran = Cli(folder, "-o other.gpkg a.csv c.csv");
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.err,
            "koord-cli: « c.csv » n'a pas les colonnes de « a.csv » (Id, X, Y), qui font celles "
            "de « other.gpkg »\n");
  EXPECT_FALSE(fs::exists(folder / "other.gpkg"));
}

// IFBL and MGRS squares as polygons: an IFBL square of 4 km in Lambert
// 1972, its corners those of its code; an MGRS square of 1 km in WGS84.
TEST(CliSquares, SquaresAsPolygons) {
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "in.csv", "X;Y\n150000;170000\n");
  Ran ran = Cli(folder, "-t ifbl -p 4x4 --squares -o ifbl.gpkg in.csv");
  EXPECT_EQ(ran.status, 0) << ran.err;
  OgrLayer layer = OgrInfo(folder / "ifbl.gpkg");
  EXPECT_EQ(layer.epsg, 31370);
  ASSERT_EQ(layer.features.size(), 1u);
  EXPECT_EQ(layer.features[0].fields.at("IFBL"), "E435");
  EXPECT_EQ(layer.features[0].geometryType, "POLYGON");
  // E4.35: X 146 012 to 150 012, Y 166 180 to 170 180, the grid being laid
  // from its origin (ifbl_test.cpp: E5.37's south-west corner is 186 012,
  // 166 180).
  const std::vector<double> corners{146012, 166180, 150012, 166180, 150012,
                                    170180, 146012, 170180, 146012, 166180};
  ASSERT_EQ(layer.features[0].numbers.size(), corners.size());
  for (std::size_t i = 0; i < corners.size(); ++i) {
    EXPECT_NEAR(layer.features[0].numbers[i], corners[i], kMillimetre);
  }

  ran = Cli(folder, "-t mgrs -p 1000 --squares -o mgrs.kml in.csv");
  EXPECT_EQ(ran.status, 0) << ran.err;
  layer = OgrInfo(folder / "mgrs.kml");
  EXPECT_EQ(layer.epsg, 4326);
  ASSERT_EQ(layer.features.size(), 1u);
  EXPECT_EQ(layer.features[0].fields.at("MGRS"), "31UES9632");
  EXPECT_NE(layer.features[0].geometryType.find("POLYGON"), std::string::npos);
}

// A run that fails halfway, on a full disk or by a signal, leaves the old
// file as it was, and nothing of the new one.
TEST(CliAtomic, AFailureHalfwayLeavesTheOldFile) {
  const fs::path folder = ScratchFolder();
  std::string lines = "Id;X;Y\n";
  for (int i = 0; i < 20000; ++i) {
    lines += 'P';
    lines += std::to_string(i);
    lines += ";150000;170000\n";
  }
  WriteBytes(folder / "in.csv", lines);
  const auto onlyOld = [&folder](const std::string& file) {
    EXPECT_EQ(ReadBytes(folder / file), "ancien\n");
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      EXPECT_EQ(entry.path().filename().string().find(".koord"), std::string::npos) << entry.path();
    }
  };

  // The file size limit stands for a full disk.
  WriteBytes(folder / "out.gpkg", "ancien\n");
  const Ran ran = Cli(folder, "-o out.gpkg in.csv", "ulimit -f 1024 && ");
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.err.rfind("koord-cli: erreur d'écriture dans « out.gpkg » : ", 0), 0u) << ran.err;
  onlyOld("out.gpkg");

  // Ended by a signal while reading its input: the new shapefile's set
  // goes, the old one stays.
  for (const char* extension : {".shp", ".dbf"})
    WriteBytes(folder / ("a" + std::string(extension)), "ancien\n");
  ::koord::test::ChildProcess::Setup setup;
  setup.folder = folder.string();
  ::koord::test::ChildProcess cli({KOORD_CLI, "-o", "a.shp"}, setup);
  cli.Write(lines);
  // Until the new file's folder is there.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  bool writing = false;
  while (!writing && std::chrono::steady_clock::now() < deadline) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      writing = writing || entry.path().filename().string().starts_with(".koord");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(writing);
  cli.Signal(SIGTERM);
  const auto result = cli.Finish();
  EXPECT_TRUE(WIFSIGNALED(result.status) && WTERMSIG(result.status) == SIGTERM);
  onlyOld("a.shp");
  EXPECT_EQ(ReadBytes(folder / "a.dbf"), "ancien\n");
  EXPECT_FALSE(fs::exists(folder / "a.shx"));
}

}  // namespace
}  // namespace koord::files::test
