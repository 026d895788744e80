// Reading files: workbooks as their users see them, GPX from gpsbabel,
// point layers with their systems, and every way a file is refused.

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogrsf_frmts.h>
#include <string>
#include <vector>

#include "files/FileError.h"
#include "files/FileReader.h"
#include "tests/files/FilesTest.h"

namespace koord::files {
namespace {

using test::ScratchFolder;

struct Fixture {
  std::string name;
  std::vector<std::string> wkt;  // one feature each; empty: no geometry
};

// A file made by GDAL: layers of points or other shapes with a "nom" field,
// in the system `epsg` (0: none).
void MakeFile(const test::fs::path& path, const char* driver, int epsg,
              const std::vector<Fixture>& layers) {
  GDALAllRegister();
  GDALDriver* maker = GetGDALDriverManager()->GetDriverByName(driver);
  ASSERT_NE(maker, nullptr);
  GDALDataset* dataset = maker->Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
  ASSERT_NE(dataset, nullptr);
  OGRSpatialReference srs;
  if (epsg != 0) srs.importFromEPSG(epsg);
  srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  for (const Fixture& fixture : layers) {
    OGRLayer* layer =
        dataset->CreateLayer(fixture.name.c_str(), epsg != 0 ? &srs : nullptr, wkbUnknown);
    OGRFieldDefn nom("nom", OFTString);
    layer->CreateField(&nom);
    int n = 0;
    for (const std::string& wkt : fixture.wkt) {
      OGRFeature feature(layer->GetLayerDefn());
      const std::string number = std::to_string(++n);
      feature.SetField("nom", number.c_str());
      OGRGeometry* geometry = nullptr;
      if (!wkt.empty()) OGRGeometryFactory::createFromWkt(wkt.c_str(), nullptr, &geometry);
      feature.SetGeometryDirectly(geometry);
      EXPECT_EQ(layer->CreateFeature(&feature), OGRERR_NONE);
    }
  }
  GDALClose(dataset);
}

std::vector<Record> ReadAll(FileReader& reader) {
  std::vector<Record> records;
  Record record;
  while (reader.Next(record)) records.push_back(record);
  return records;
}

// A workbook as a user makes one: a header, accents, a date column, an
// empty cell, numbers; made by GDAL in both formats.
TEST(WorkbookTest, ReadAsItsUserSeesIt) {
  const test::fs::path folder = ScratchFolder();
  for (const auto& [driver, file] : {std::pair{"XLSX", "relevés.xlsx"}, {"ODS", "relevés.ods"}}) {
    SCOPED_TRACE(file);
    const test::fs::path path = folder / file;
    {
      GDALAllRegister();
      GDALDataset* dataset = GetGDALDriverManager()->GetDriverByName(driver)->Create(
          path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
      ASSERT_NE(dataset, nullptr);
      OGRLayer* sheet = dataset->CreateLayer("Relevés", nullptr, wkbNone);
      OGRLayer* other = dataset->CreateLayer("Autre", nullptr, wkbNone);
      for (const auto& [name, type] :
           {std::pair{"Espèce", OFTString}, {"X", OFTReal}, {"Y", OFTInteger}, {"Date", OFTDate}}) {
        OGRFieldDefn field(name, type);
        sheet->CreateField(&field);
        other->CreateField(&field);
      }
      OGRFeature first(sheet->GetLayerDefn());
      first.SetField(0, "Chêne pédonculé");
      first.SetField(1, 150000.5);
      first.SetField(2, 170000);
      first.SetField(3, 2024, 3, 15);
      EXPECT_EQ(sheet->CreateFeature(&first), OGRERR_NONE);
      OGRFeature second(sheet->GetLayerDefn());
      second.SetField(0, "Hêtre");
      second.SetField(1, 151000.25);
      second.SetField(3, 2023, 12, 1);  // no Y: an empty cell
      EXPECT_EQ(sheet->CreateFeature(&second), OGRERR_NONE);
      OGRFeature third(other->GetLayerDefn());
      third.SetField(0, "autre");
      EXPECT_EQ(other->CreateFeature(&third), OGRERR_NONE);
      GDALClose(dataset);
    }
    FileReader reader(path.string());
    EXPECT_FALSE(reader.HasGeometry());
    EXPECT_TRUE(reader.NamesAreFirstRow());
    EXPECT_FALSE(reader.System());
    EXPECT_EQ(reader.FieldNames(), (std::vector<std::string>{"Espèce", "X", "Y", "Date"}));
    const std::vector<Record> rows = ReadAll(reader);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells,
              (std::vector<std::string>{"Chêne pédonculé", "150000.5", "170000", "15/03/2024"}));
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"Hêtre", "151000.25", "", "01/12/2023"}));
    EXPECT_FALSE(rows[0].point);

    FileReader named(path.string(), ReadOptions{"Autre", ""});
    EXPECT_EQ(ReadAll(named).at(0).cells.at(0), "autre");
    try {
      FileReader absent(path.string(), ReadOptions{"Feuil9", ""});
      ADD_FAILURE() << "a sheet that is not there";
    } catch (const FileError& error) {
      EXPECT_EQ(error.Problem(), FileProblem::NoSuchSheet);
      EXPECT_NE(error.Text(Language::English).find("Relevés, Autre"), std::string::npos);
    }
  }
}

// gpsbabel writes GPX the way GPS programs do: waypoints, then a track.
TEST(GpxTest, GpxWrittenByGpsbabelIsRead) {
  const test::fs::path folder = ScratchFolder();
  test::WriteBytes(folder / "points.csv",
                   "Latitude,Longitude,Name,Altitude,Date,Time\n"
                   "50.85,4.35,Bruxelles,57,2024/03/15,10:20:30\n"
                   "51.2194,4.4025,Antwerpen,8,2024/03/15,11:00:00\n");
  const test::fs::path gpx = folder / "babel.gpx";
  ASSERT_TRUE(test::RunCommand("gpsbabel -i unicsv -f '" + (folder / "points.csv").string() +
                               "' -o gpx -F '" + gpx.string() + "'")
                  .ok);
  // The same points once more as a track.
  const test::fs::path track = folder / "track.gpx";
  ASSERT_TRUE(test::RunCommand("gpsbabel -i unicsv -f '" + (folder / "points.csv").string() +
                               "' -x transform,trk=wpt,del -o gpx -F '" + track.string() + "'")
                  .ok);
  for (const test::fs::path& file : {gpx, track}) {
    SCOPED_TRACE(file.filename().string());
    FileReader reader(file.string());
    EXPECT_EQ(reader.Format(), FileFormat::Gpx);
    ASSERT_TRUE(reader.System());
    EXPECT_EQ(reader.System()->epsg, 4326);
    const std::vector<std::string> names = reader.FieldNames();
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "name");
    EXPECT_EQ(names[1], "time");
    EXPECT_EQ(names[2], "ele");
    const std::vector<Record> records = ReadAll(reader);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].cells[0], "Bruxelles");
    EXPECT_EQ(records[0].cells[1], "2024-03-15T10:20:30Z");
    EXPECT_EQ(records[0].cells[2], "57");
    ASSERT_TRUE(records[1].point);
    EXPECT_DOUBLE_EQ(records[1].point->x, 4.4025);
    EXPECT_DOUBLE_EQ(records[1].point->y, 51.2194);
  }
}

TEST(PointLayerTest, SystemsAndGeometriesOfEachFeature) {
  const test::fs::path folder = ScratchFolder();
  const test::fs::path path = folder / "mixed.geojson";
  MakeFile(path, "GeoJSON", 31370,
           {{"mixed",
             {"POINT (150000.5 170000.25)", "LINESTRING (0 0,1 1)", "", "MULTIPOINT ((1 2))",
              "MULTIPOINT ((1 2),(3 4))", "POLYGON ((0 0,1 0,1 1,0 0))"}}});
  FileReader reader(path.string());
  ASSERT_TRUE(reader.System());
  EXPECT_EQ(reader.System()->kind, CoordKind::Lambert);
  EXPECT_EQ(reader.System()->datum, Datum::Bel72);
  const std::vector<Record> records = ReadAll(reader);
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0].point->x, 150000.5);
  EXPECT_EQ(records[0].RefusalText(Language::French), "");
  EXPECT_EQ(records[1].RefusalText(Language::French), "Géométrie non ponctuelle : LineString");
  EXPECT_EQ(records[1].RefusalText(Language::Dutch), "Geen puntgeometrie: LineString");
  EXPECT_EQ(records[2].RefusalText(Language::English), "No geometry");
  EXPECT_EQ(records[3].point->y, 2);  // a multipoint of one point is that point
  EXPECT_EQ(records[4].RefusalText(Language::English), "Not a point geometry: MultiPoint");
  EXPECT_EQ(records[5].RefusalText(Language::English), "Not a point geometry: Polygon");
  for (const Record& record : records) EXPECT_EQ(record.cells.size(), 1u);
}

TEST(PointLayerTest, ShapefileWithoutCodeInItsPrjIsRecognised) {
  const test::fs::path folder = ScratchFolder();
  MakeFile(folder / "lambert.shp", "ESRI Shapefile", 31370, {{"lambert", {"POINT (1 2)"}}});
  // An ESRI-style definition without an authority code, as many tools write.
  test::WriteBytes(
      folder / "lambert.prj",
      "PROJCS[\"Belge_Lambert_1972\",GEOGCS[\"GCS_Belge_1972\",DATUM[\"D_Belge_1972\","
      "SPHEROID[\"International_1924\",6378388.0,297.0]],PRIMEM[\"Greenwich\",0.0],"
      "UNIT[\"Degree\",0.0174532925199433]],PROJECTION[\"Lambert_Conformal_Conic\"],"
      "PARAMETER[\"False_Easting\",150000.013],PARAMETER[\"False_Northing\",5400088.438],"
      "PARAMETER[\"Central_Meridian\",4.367486666666666],"
      "PARAMETER[\"Standard_Parallel_1\",49.8333339],"
      "PARAMETER[\"Standard_Parallel_2\",51.16666723333333],"
      "PARAMETER[\"Latitude_Of_Origin\",90.0],UNIT[\"Meter\",1.0]]");
  FileReader reader((folder / "lambert.shp").string());
  ASSERT_TRUE(reader.System());
  EXPECT_EQ(reader.System()->epsg, 31370);
  // Without a .prj the user says what the numbers are.
  test::fs::remove(folder / "lambert.prj");
  FileReader bare((folder / "lambert.shp").string());
  EXPECT_FALSE(bare.System());
  EXPECT_TRUE(bare.HasGeometry());
}

TEST(RefusalTest, FilesThatCannotBeReadSayWhy) {
  const test::fs::path folder = ScratchFolder();
  MakeFile(folder / "lambert93.gpkg", "GPKG", 2154, {{"l93", {"POINT (650000 6860000)"}}});
  MakeFile(folder / "two.gpkg", "GPKG", 31370,
           {{"arbres", {"POINT (1 2)"}}, {"mares", {"POINT (3 4)"}}});
  MakeFile(folder / "empty.gpkg", "GPKG", 31370, {});
  test::WriteBytes(folder / "broken.xlsx", "PK\x03\x04 not a workbook at all");
  test::WriteBytes(folder / "notes.txt", "150000;170000\n");
  test::fs::create_directory(folder / "dossier.gpkg");
  struct Case {
    std::string file;
    ReadOptions options;
    FileProblem problem;
    std::string french;
    std::string english;
  };
  const Case cases[] = {
      {"absent.xlsx",
       {},
       FileProblem::System,
       "impossible de lire « absent.xlsx » : fichier introuvable",
       "cannot read “absent.xlsx”: file not found"},
      {"dossier.gpkg",
       {},
       FileProblem::System,
       "impossible de lire « dossier.gpkg » : c'est un dossier",
       "cannot read “dossier.gpkg”: it is a folder"},
      {"broken.xlsx",
       {},
       FileProblem::NotRecognised,
       "impossible de lire « broken.xlsx » : format non reconnu",
       "cannot read “broken.xlsx”: format not recognised"},
      {"notes.txt",
       {},
       FileProblem::NotRecognised,
       "impossible de lire « notes.txt » : format non reconnu",
       "cannot read “notes.txt”: format not recognised"},
      {"lambert93.gpkg",
       {},
       FileProblem::UnknownSystem,
       "impossible de lire « lambert93.gpkg » : système de coordonnées non pris en charge : "
       "EPSG:2154 (RGF93 v1 / Lambert-93)",
       "cannot read “lambert93.gpkg”: unsupported coordinate system: EPSG:2154 (RGF93 v1 / "
       "Lambert-93)"},
      {"two.gpkg",
       {},
       FileProblem::SeveralLayers,
       "impossible de lire « two.gpkg » : plusieurs couches, nommez-en une : arbres, mares",
       "cannot read “two.gpkg”: several layers, name one: arbres, mares"},
      {"two.gpkg", ReadOptions{"", "routes"}, FileProblem::NoSuchLayer,
       "impossible de lire « two.gpkg » : pas de couche de ce nom ; couches : arbres, mares",
       "cannot read “two.gpkg”: no layer of that name; layers: arbres, mares"},
      // GDAL takes a GeoPackage without layers for no vector file at all.
      {"empty.gpkg",
       {},
       FileProblem::NotRecognised,
       "impossible de lire « empty.gpkg » : format non reconnu",
       "cannot read “empty.gpkg”: format not recognised"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    try {
      FileReader reader((folder / c.file).string(), c.options);
      ADD_FAILURE() << "read";
    } catch (const FileError& error) {
      EXPECT_EQ(error.Problem(), c.problem);
      const std::string prefix = folder.string() + "/";
      std::string french = error.Text(Language::French);
      std::string english = error.Text(Language::English);
      for (std::string* text : {&french, &english}) {
        if (const std::size_t at = text->find(prefix); at != std::string::npos) {
          text->erase(at, prefix.size());
        }
      }
      EXPECT_EQ(french, c.french);
      EXPECT_EQ(english, c.english);
      EXPECT_EQ(std::string(error.what()), error.Text(Language::French));
    }
  }
  // Named, the layer is read.
  FileReader reader((folder / "two.gpkg").string(), ReadOptions{"", "mares"});
  EXPECT_EQ(ReadAll(reader).at(0).point->x, 3);
}

TEST(DetectTest, FormatsByContentThenByExtension) {
  const test::fs::path folder = ScratchFolder();
  MakeFile(folder / "a.gpkg", "GPKG", 4326, {{"a", {"POINT (1 2)"}}});
  MakeFile(folder / "a.geojson", "GeoJSON", 4326, {{"a", {"POINT (1 2)"}}});
  MakeFile(folder / "a.kml", "LIBKML", 4326, {{"a", {"POINT (1 2)"}}});
  MakeFile(folder / "a.kmz", "LIBKML", 4326, {{"a", {"POINT (1 2)"}}});
  MakeFile(folder / "a.shp", "ESRI Shapefile", 4326, {{"a", {"POINT (1 2)"}}});
  const std::pair<std::string, FileFormat> named[] = {
      {"a.gpkg", FileFormat::GeoPackage}, {"a.geojson", FileFormat::GeoJson},
      {"a.kml", FileFormat::Kml},         {"a.kmz", FileFormat::Kmz},
      {"a.shp", FileFormat::Shapefile},
  };
  for (const auto& [file, format] : named) {
    SCOPED_TRACE(file);
    EXPECT_EQ(DetectFormat((folder / file).string()), format);
    // Renamed, the content still tells (a shapefile needs its name).
    if (format == FileFormat::Shapefile) continue;
    test::fs::copy_file(folder / file, folder / (file + ".dat"));
    EXPECT_EQ(DetectFormat((folder / (file + ".dat")).string()), format);
  }
  test::WriteBytes(folder / "points.csv", "X;Y\n150000;170000\n");
  EXPECT_EQ(DetectFormat((folder / "points.csv").string()), std::nullopt);
  EXPECT_EQ(DetectFormat((folder / "absent.gpx").string()), FileFormat::Gpx);
  EXPECT_EQ(FormatOfName("GeoJSON"), FileFormat::GeoJson);
  EXPECT_EQ(FormatOfName("xls"), std::nullopt);
  EXPECT_EQ(FormatOfPath("/a.b/points.SHP"), FileFormat::Shapefile);
  EXPECT_EQ(FormatOfPath("/a.b/points"), std::nullopt);
}

}  // namespace
}  // namespace koord::files
