// Results written to each format and read back by Koord's reader, by GDAL's
// own ogrinfo and by gpsbabel: the same attributes, the geometry within a
// millimetre, the right EPSG code; and writes that fail halfway, which
// leave the old file as it was and nothing else.

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/TransCoo.h"
#include "engine/OutputFormat.h"
#include "files/FileError.h"
#include "files/FileReader.h"
#include "files/FileWriter.h"
#include "tests/files/FilesTest.h"

namespace koord::files {
namespace {

using test::ScratchFolder;

constexpr double kMillimetre = 0.001;
constexpr double kMillimetreInDegrees = 1e-8;  // about 1.1 mm of latitude

// Records as a CSV of Lambert 1972 points gives them, converted to Lambert
// 2008: id, species, X, Y, then the result and the refusal.
struct Line {
  std::vector<std::string> cells;
  std::vector<Point> shape;
};

std::vector<Line> Converted(ResultGeometry& geometry) {
  const std::vector<std::vector<std::string>> input = {
      {"P1", "Chêne pédonculé", "150000", "170000"},
      {"P2", "Hêtre; « commun »", "160000.5", "180000.25"},
      {"P3", "Érable", "", "170000"},
  };
  std::vector<Line> lines;
  TransCoo point;
  point.SetDatumFrom("BEL72");
  point.SetDatumDest("ETRS89");
  for (const std::vector<std::string>& cells : input) {
    Line line{cells, {}};
    if (cells[2].empty()) {
      line.cells.insert(line.cells.end(), {"", "", "Champ manquant"});
      lines.push_back(line);
      continue;
    }
    point.Reset();
    point.SetOrigType("LMB");
    point.SetX(std::stod(cells[2]));
    point.SetY(std::stod(cells[3]));
    point.Conversion();
    std::string result;
    AppendMetres(result, point.X2008(), point.Y2008());
    const std::size_t tab = result.find('\t');
    line.cells.push_back(result.substr(0, tab));
    line.cells.push_back(result.substr(tab + 1));
    line.cells.emplace_back();
    EXPECT_TRUE(geometry.Make(point, line.shape));
    lines.push_back(line);
  }
  return lines;
}

const std::vector<Column> kColumns = {{"Id"},
                                      {"Espèce"},
                                      {"X"},
                                      {"Y"},
                                      {"X08", ColumnType::Real},
                                      {"Y08", ColumnType::Real},
                                      {std::string(kRefusalColumn)}};

bool SameCell(const std::string& read, const std::string& written, ColumnType type) {
  if (type == ColumnType::Text || read.empty() || written.empty()) return read == written;
  return std::fabs(std::stod(read) - std::stod(written)) < 1e-9;
}

TEST(RoundTripTest, EachFormatReadBackByKoordAndByOgrinfo) {
  const test::fs::path folder = ScratchFolder();
  for (const FormatTraits& format : kFormatTable) {
    SCOPED_TRACE(std::string(format.name));
    ResultGeometry geometry({CoordKind::Lambert2008, Datum::Etrs89}, format.wgs84Only);
    const int epsg = *geometry.Epsg();
    EXPECT_EQ(epsg, format.wgs84Only ? 4326 : 3812);
    const std::vector<Line> lines = Converted(geometry);
    const test::fs::path path = folder / ("relevés" + std::string(format.extension));
    {
      FileWriter writer(path.string(), format.value, {kColumns, epsg, GeometryType::Point, ""});
      for (const Line& line : lines) writer.Write(line.cells, line.shape);
      writer.Commit();
      EXPECT_EQ(writer.Unplaced(), format.keepsNoGeometry ? 0u : 1u);
    }
    std::vector<Line> kept;
    for (const Line& line : lines) {
      if (format.keepsNoGeometry || !line.shape.empty()) kept.push_back(line);
    }
    // A shapefile's names have ten characters at most.
    std::vector<std::string> names;
    for (const Column& column : kColumns) {
      names.push_back(format.value == FileFormat::Shapefile ? column.name.substr(0, 10)
                                                            : column.name);
    }
    const double tolerance = format.wgs84Only ? kMillimetreInDegrees : kMillimetre;

    if (format.read) {
      FileReader reader(path.string());
      EXPECT_EQ(reader.Format(), format.value);
      const std::vector<std::string>& fields = reader.FieldNames();
      // GPX holds only the fields its points have: the refusals' went
      // with the refused lines.
      std::vector<std::optional<std::size_t>> at;
      for (const std::string& name : names) {
        const auto found = std::find(fields.begin(), fields.end(), name);
        if (format.value != FileFormat::Gpx) {
          EXPECT_NE(found, fields.end()) << name;
        }
        at.push_back(found == fields.end() ? std::nullopt : std::optional(found - fields.begin()));
      }
      if (format.geometry) {
        ASSERT_TRUE(reader.System());
        EXPECT_EQ(reader.System()->epsg, epsg);
      }
      Record record;
      for (const Line& line : kept) {
        ASSERT_TRUE(reader.Next(record));
        for (std::size_t i = 0; i < names.size(); ++i) {
          const std::string read = at[i] ? record.cells[static_cast<std::size_t>(*at[i])] : "";
          EXPECT_TRUE(SameCell(read, line.cells[i], kColumns[i].type))
              << names[i] << ": " << read << " for " << line.cells[i];
        }
        if (!format.geometry) continue;
        if (line.shape.empty()) {
          EXPECT_EQ(record.refusal, GeometryRefusal::Missing);
          continue;
        }
        ASSERT_TRUE(record.point);
        EXPECT_NEAR(record.point->x, line.shape[0].x, tolerance);
        EXPECT_NEAR(record.point->y, line.shape[0].y, tolerance);
      }
      EXPECT_FALSE(reader.Next(record));
    }

    const test::OgrLayer layer =
        test::OgrInfo(path, format.value == FileFormat::Gpx ? "waypoints" : "");
    if (format.geometry) {
      EXPECT_EQ(layer.epsg, epsg);
    }
    ASSERT_EQ(layer.features.size(), kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
      const test::OgrFeature& feature = layer.features[k];
      for (std::size_t i = 0; i < names.size(); ++i) {
        // GPX gives Koord's own fields back as extensions.
        std::string name = names[i];
        if (format.value == FileFormat::Gpx) name = "ogr_" + name;
        const auto found = feature.fields.find(name);
        const std::string read = found == feature.fields.end() ? "" : found->second;
        EXPECT_TRUE(SameCell(read, kept[k].cells[i], kColumns[i].type))
            << name << ": " << read << " for " << kept[k].cells[i];
      }
      if (!format.geometry || kept[k].shape.empty()) continue;
      ASSERT_GE(feature.numbers.size(), 2u);
      EXPECT_NEAR(feature.numbers[0], kept[k].shape[0].x, tolerance);
      EXPECT_NEAR(feature.numbers[1], kept[k].shape[0].y, tolerance);
    }
  }
}

TEST(RoundTripTest, SquaresAsPolygonsInEachFormatWithGeometry) {
  const test::fs::path folder = ScratchFolder();
  TransCoo point;
  point.SetDatumFrom("BEL72");
  point.SetDatumDest("WGS84");
  point.IfblPrecision = 2;
  point.SetOrigType("LMB");
  point.SetX(150000);
  point.SetY(170000);
  point.Conversion();
  for (const FormatTraits& format : kFormatTable) {
    if (!format.geometry) continue;
    SCOPED_TRACE(std::string(format.name));
    ResultGeometry geometry({CoordKind::Ifbl, Datum::Wgs84, 0, false, true}, format.wgs84Only);
    std::vector<Point> ring;
    ASSERT_TRUE(geometry.Make(point, ring));
    const test::fs::path path = folder / ("carrés" + std::string(format.extension));
    FileWriter writer(path.string(), format.value,
                      {{{"IFBL"}}, geometry.Epsg(), GeometryType::Polygon, ""});
    writer.Write({point.IFBL()}, ring);
    writer.Commit();
    const test::OgrLayer layer =
        test::OgrInfo(path, format.value == FileFormat::Gpx ? "tracks" : "");
    ASSERT_EQ(layer.features.size(), 1u);
    const std::vector<double>& numbers = layer.features[0].numbers;
    // KML adds heights.
    const std::size_t stride = layer.features[0].geometryType.ends_with(" Z") ? 3 : 2;
    ASSERT_EQ(numbers.size(), ring.size() * stride);
    const double tolerance = format.wgs84Only ? kMillimetreInDegrees : kMillimetre;
    // Some formats turn the ring the other way round.
    const bool reversed = std::fabs(numbers[stride] - ring[1].x) > tolerance;
    for (std::size_t i = 0; i < ring.size(); ++i) {
      const Point& p = reversed ? ring[ring.size() - 1 - i] : ring[i];
      EXPECT_NEAR(numbers[i * stride], p.x, tolerance);
      EXPECT_NEAR(numbers[i * stride + 1], p.y, tolerance);
    }
  }
}

TEST(RoundTripTest, GpxWrittenByKoordIsReadByGpsbabel) {
  const test::fs::path folder = ScratchFolder();
  const test::fs::path path = folder / "koord.gpx";
  {
    FileWriter writer(path.string(), FileFormat::Gpx,
                      {{{"name"}, {"Latitude", ColumnType::Real}, {"Longitude", ColumnType::Real}},
                       4326,
                       GeometryType::Point,
                       ""});
    writer.Write({"Bruxelles", "50.85000", "4.35000"}, std::vector<Point>{{4.35, 50.85}});
    writer.Write({"Liège", "50.63333", "5.56667"}, std::vector<Point>{{5.56667, 50.63333}});
    writer.Commit();
  }
  const test::Run run =
      test::RunCommand("gpsbabel -i gpx -f '" + path.string() + "' -o unicsv -F -");
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.out,
            "No,Latitude,Longitude,Name\r\n"
            "1,50.850000,4.350000,\"Bruxelles\"\r\n"
            "2,50.633330,5.566670,\"Liège\"\r\n");
}

TEST(AtomicTest, AFailureHalfwayLeavesTheOldFilesAndNothingElse) {
  const test::fs::path folder = ScratchFolder();
  const std::vector<Column> columns = {{"Id"}};
  const Point nowhere{std::numeric_limits<double>::quiet_NaN(), 0};
  for (const FileFormat format : {FileFormat::GeoPackage, FileFormat::Shapefile, FileFormat::Kmz}) {
    const FormatTraits& traits = Traits(format);
    SCOPED_TRACE(std::string(traits.name));
    const test::fs::path path = folder / ("old" + std::string(traits.extension));
    const int epsg = traits.wgs84Only ? 4326 : 31370;
    {
      FileWriter old(path.string(), format, {columns, epsg, GeometryType::Point, ""});
      old.Write({"old"}, std::vector<Point>{{4, 50}});
      old.Commit();
    }
    std::map<std::string, std::string> before;
    for (const auto& entry : test::fs::directory_iterator(folder)) {
      before[entry.path().filename()] = test::ReadBytes(entry.path());
    }
    const auto unchanged = [&] {
      std::map<std::string, std::string> after;
      for (const auto& entry : test::fs::directory_iterator(folder)) {
        after[entry.path().filename()] = test::ReadBytes(entry.path());
      }
      EXPECT_EQ(after, before);
    };
    // A coordinate that is no number, halfway.
    try {
      FileWriter writer(path.string(), format, {columns, epsg, GeometryType::Point, ""});
      writer.Write({"new"}, std::vector<Point>{{5, 51}});
      writer.Write({"bad"}, std::vector<Point>{nowhere});
      ADD_FAILURE() << "written";
    } catch (const FileError& error) {
      EXPECT_EQ(error.Problem(), FileProblem::NotFinite);
      EXPECT_EQ(error.Action(), FileAction::Write);
    }
    unchanged();
    // A run that stops before the end.
    {
      FileWriter writer(path.string(), format, {columns, epsg, GeometryType::Point, ""});
      writer.Write({"new"}, std::vector<Point>{{5, 51}});
    }
    unchanged();
    // A record of the wrong width.
    {
      FileWriter writer(path.string(), format, {columns, epsg, GeometryType::Point, ""});
      EXPECT_THROW(writer.Write({"a", "b"}, {}), FileError);
    }
    unchanged();
  }
}

TEST(AtomicTest, ACommitReplacesTheWholeSet) {
  const test::fs::path folder = ScratchFolder();
  const test::fs::path path = folder / "arbres.shp";
  const std::vector<Column> columns = {{"Id"}};
  for (const char* id : {"old", "new"}) {
    FileWriter writer(path.string(), FileFormat::Shapefile,
                      {columns, 31370, GeometryType::Point, ""});
    writer.Write({id}, std::vector<Point>{{150000, 170000}});
    writer.Commit();
    // An index of the old points, which the new ones would contradict.
    test::WriteBytes(folder / "arbres.qix", "old index");
  }
  test::fs::remove(folder / "arbres.qix");
  std::vector<std::string> files;
  for (const auto& entry : test::fs::directory_iterator(folder)) {
    files.push_back(entry.path().filename());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"arbres.cpg", "arbres.dbf", "arbres.prj", "arbres.shp",
                                             "arbres.shx"}));
  FileReader reader(path.string());
  Record record;
  ASSERT_TRUE(reader.Next(record));
  EXPECT_EQ(record.cells, std::vector<std::string>{"new"});

  // The stale index goes with the commit.
  test::WriteBytes(folder / "arbres.qix", "old index");
  FileWriter writer(path.string(), FileFormat::Shapefile,
                    {columns, 31370, GeometryType::Point, ""});
  writer.Write({"newer"}, std::vector<Point>{{150000, 170000}});
  writer.Commit();
  EXPECT_FALSE(test::fs::exists(folder / "arbres.qix"));
}

TEST(AtomicTest, TargetsThatCannotBeWritten) {
  const test::fs::path folder = ScratchFolder();
  test::fs::create_directory(folder / "dossier.gpkg");
  try {
    FileWriter writer((folder / "dossier.gpkg").string(), FileFormat::GeoPackage,
                      {{{"Id"}}, 31370, GeometryType::Point, ""});
    ADD_FAILURE() << "opened";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Text(Language::Dutch),
              "kan “" + (folder / "dossier.gpkg").string() + "” niet aanmaken: het is een map");
  }
  // A missing folder is named as such, not as a missing file.
  const std::string absent = (folder / "absent" / "a.gpkg").string();
  try {
    FileWriter writer(absent, FileFormat::GeoPackage, {{{"Id"}}, 31370, GeometryType::Point, ""});
    ADD_FAILURE() << "opened";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Text(Language::French),
              "impossible de créer « " + absent + " » : dossier introuvable");
  }
}

TEST(WriterTest, ColumnNamesMadeUniqueAndNumbersTyped) {
  const test::fs::path folder = ScratchFolder();
  const test::fs::path path = folder / "types.gpkg";
  FileWriter writer(path.string(), FileFormat::GeoPackage,
                    {{{"X"}, {"Y"}, {"X", ColumnType::Real}, {"", ColumnType::Real}},
                     31370,
                     GeometryType::Point,
                     "points"});
  EXPECT_EQ(writer.ColumnNames(), (std::vector<std::string>{"X", "Y", "X_2", "Field4"}));
  writer.Write({"150 000", "b", "150 000,5", "-4.35"}, std::vector<Point>{{150000, 170000}});
  writer.Commit();
  const test::Run run = test::RunCommand("ogrinfo -ro -al '" + path.string() + "'");
  EXPECT_NE(run.out.find("Layer name: points"), std::string::npos);
  EXPECT_NE(run.out.find("X (String) = 150 000"), std::string::npos);
  EXPECT_NE(run.out.find("X_2 (Real) = 150000.5"), std::string::npos);
  EXPECT_NE(run.out.find("Field4 (Real) = -4.35"), std::string::npos);
}

}  // namespace
}  // namespace koord::files
