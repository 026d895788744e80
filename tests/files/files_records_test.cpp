// Records as the engine's lines, and results as a file's cells: a
// workbook's awkward cells come back whole from the line the engine cuts,
// a layer's lines read as its kind, the result's cells are the engine's
// fields, and the columns of a workbook without header are its letters.

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <limits>
#include <ogrsf_frmts.h>
#include <string>
#include <vector>

#include "engine/FieldSplitter.h"
#include "engine/LineConverter.h"
#include "files/FileReader.h"
#include "files/RecordLines.h"
#include "files/ResultCells.h"
#include "tests/files/FilesTest.h"

namespace koord::files {
namespace {

using test::ScratchFolder;

std::vector<std::string> CutAtTabs(std::string_view line) {
  FieldSplitter fields;
  fields.Split(line, Separator::Tab, std::numeric_limits<std::size_t>::max());
  return {fields.All().begin(), fields.All().end()};
}

// Cells that a tab, a quote or a line end would break, read back from the
// line by the engine's own splitter; line ends are blanks there.
TEST(RecordLinesTest, AWorkbooksCellsComeBackFromItsLine) {
  const test::fs::path path = ScratchFolder() / "cellules.xlsx";
  const std::vector<std::pair<std::string, std::string>> cells{
      {"simple", "simple"},
      {"deux\tcolonnes", "deux\tcolonnes"},
      {"« guillemets » \"doubles\"", "« guillemets » \"doubles\""},
      {"\"entre guillemets\"", "\"entre guillemets\""},
      {"deux\nlignes", "deux lignes"},
      {"", ""},
  };
  {
    GDALAllRegister();
    GDALDataset* dataset = GetGDALDriverManager()->GetDriverByName("XLSX")->Create(
        path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    ASSERT_NE(dataset, nullptr);
    OGRLayer* sheet = dataset->CreateLayer("Feuil1", nullptr, wkbNone);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      std::string name(1, 'C');
      name += std::to_string(i);
      OGRFieldDefn field(name.c_str(), OFTString);
      sheet->CreateField(&field);
    }
    OGRFeature row(sheet->GetLayerDefn());
    for (std::size_t i = 0; i < cells.size(); ++i) {
      row.SetField(static_cast<int>(i), cells[i].first.c_str());
    }
    EXPECT_EQ(sheet->CreateFeature(&row), OGRERR_NONE);
    GDALClose(dataset);
  }
  FileReader reader(path.string());
  RecordLines lines(reader, {}, Language::French);
  EXPECT_EQ(lines.First(), "C0\tC1\tC2\tC3\tC4\tC5");
  Record record;
  ASSERT_TRUE(reader.Next(record));
  const std::vector<std::string> read = CutAtTabs(lines.Of(record));
  ASSERT_EQ(read.size(), cells.size()) << lines.Of(record);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    SCOPED_TRACE(cells[i].first);
    EXPECT_EQ(read[i], cells[i].second);
  }
}

// A layer's lines: a header of its kind's names, then its points'
// numbers in the order the kind reads them, or the empty fields of a
// record without a point.
TEST(RecordLinesTest, ALayersHeaderAndPointsForEachKind) {
  const test::fs::path folder = ScratchFolder();
  struct Case {
    int epsg;
    const char* wkt;
    std::string header;
    std::string point;
    std::string none;
  };
  const Case cases[] = {
      {31370, "POINT (150000.5 170000.25)", "X\tY", "150000.5\t170000.25", "\t"},
      {3812, "POINT (650000 670000)", "X\tY", "650000\t670000", "\t"},
      {4326, "POINT (4.35 50.85)", "Latitude\tLongitude", "50.85\t4.35", "\t"},
      {32631, "POINT (596000 5632000)", "Zone\tEst\tNord", "31N\t596000\t5632000", "\t\t"},
  };
  GDALAllRegister();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.epsg);
    std::string name = std::to_string(c.epsg);
    name += ".gpkg";
    const test::fs::path path = folder / name;
    {
      GDALDataset* dataset = GetGDALDriverManager()->GetDriverByName("GPKG")->Create(
          path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
      ASSERT_NE(dataset, nullptr);
      OGRSpatialReference srs;
      srs.importFromEPSG(c.epsg);
      srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
      OGRLayer* layer = dataset->CreateLayer("points", &srs, wkbPoint);
      for (const char* wkt : {c.wkt, ""}) {
        OGRFeature feature(layer->GetLayerDefn());
        OGRGeometry* geometry = nullptr;
        if (*wkt != '\0') OGRGeometryFactory::createFromWkt(wkt, nullptr, &geometry);
        feature.SetGeometryDirectly(geometry);
        EXPECT_EQ(layer->CreateFeature(&feature), OGRERR_NONE);
      }
      GDALClose(dataset);
    }
    FileReader reader(path.string());
    RecordLines lines(reader, {}, Language::French);
    EXPECT_EQ(lines.First(), c.header);
    Record record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(lines.Of(record), c.point);
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(lines.Of(record), c.none);
  }
}

// The result's cells are the fields the engine writes for the line, one
// per cell; a refused line's are empty but its reason.
TEST(ResultCellsTest, CellsAndColumnsOfEachKind) {
  struct Case {
    CoordKind kind;
    std::vector<std::string> names;
    std::vector<ColumnType> types;
  };
  const Case cases[] = {
      {CoordKind::Lambert2008, {"X", "Y"}, {ColumnType::Real, ColumnType::Real}},
      {CoordKind::Degrees, {"Latitude", "Longitude"}, {ColumnType::Real, ColumnType::Real}},
      {CoordKind::Utm,
       {"Zone", "Est", "Nord"},
       {ColumnType::Text, ColumnType::Real, ColumnType::Real}},
      {CoordKind::Dms, {"Latitude", "Longitude"}, {ColumnType::Text, ColumnType::Text}},
      {CoordKind::Mgrs, {"MGRS"}, {ColumnType::Text}},
      {CoordKind::Ifbl, {"IFBL"}, {ColumnType::Text}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.kind).cliName);
    BatchChoices choices;
    choices.coorDest = c.kind;
    choices.datumDest = Describe(c.kind).defaultDatum;
    choices.metreDecimals = 3;
    choices.decimalMark = ',';
    choices.ifblDots = true;
    // The line as the engine converts and writes it.
    LineConverter converter(choices, RunOutput::Text);
    const LineOutcome& outcome = converter.Convert("150000\t170000", Layout{});
    ASSERT_EQ(outcome.status, LineStatus::Converted);

    ResultCells result(choices);
    const std::vector<Column> columns = result.Columns({"Id"});
    ASSERT_EQ(columns.size(), c.names.size() + 2);
    EXPECT_EQ(columns.front().name, "Id");
    EXPECT_EQ(columns.back().name, kRefusalColumn);
    for (std::size_t i = 0; i < c.names.size(); ++i) {
      EXPECT_EQ(columns[i + 1].name, c.names[i]);
      EXPECT_EQ(columns[i + 1].type, c.types[i]);
    }
    std::vector<std::string> cells{"P1"};
    result.Converted(converter.Point(), CoordKind::Lambert, cells);
    std::vector<std::string> expected{"P1"};
    for (const std::string& field : CutAtTabs(outcome.text)) expected.push_back(field);
    expected.emplace_back();
    EXPECT_EQ(cells, expected);

    cells = {"P2"};
    result.Refused("Champ manquant : X", cells);
    expected = {"P2"};
    expected.insert(expected.end(), c.names.size(), "");
    expected.emplace_back("Champ manquant : X");
    EXPECT_EQ(cells, expected);
  }
}

// Several outputs side by side, after the kind each line was read as: the
// cells are the engine's fields, one per cell, as in a text.
TEST(ResultCellsTest, SeveralOutputsAndTheKindRead) {
  BatchChoices choices;
  choices.coorDest = CoordKind::Lambert;
  choices.moreOutputs = {CoordKind::Degrees, CoordKind::Mgrs, CoordKind::Ifbl};
  choices.datumDest = Datum::Wgs84;
  choices.showKind = true;
  choices.mgrsShort = true;
  LineConverter converter(choices, RunOutput::Text);
  const LineOutcome& outcome = converter.Convert("150000\t170000", Layout{});
  ASSERT_EQ(outcome.status, LineStatus::Converted);

  ResultCells result(choices);
  std::vector<std::string> names;
  for (const Column& column : result.Columns({"Id"})) names.push_back(column.name);
  const std::vector<std::string> expectedNames{
      "Id", "Type", "X", "Y", "Latitude", "Longitude", "MGRS", "IFBL", std::string(kRefusalColumn)};
  EXPECT_EQ(names, expectedNames);

  std::vector<std::string> cells{"P1"};
  result.Converted(converter.Point(), CoordKind::Lambert, cells);
  std::vector<std::string> expected{"P1"};
  for (const std::string& field : CutAtTabs(outcome.text)) expected.push_back(field);
  expected.emplace_back();
  EXPECT_EQ(cells, expected);

  cells = {"P2"};
  result.Refused("Champ manquant : X", cells);
  EXPECT_EQ(cells.size(), expectedNames.size());
  EXPECT_EQ(cells.back(), "Champ manquant : X");
}

TEST(ResultCellsTest, ColumnLettersAsSpreadsheetsName) {
  const std::pair<std::size_t, const char*> cases[] = {
      {0, "A"}, {25, "Z"}, {26, "AA"}, {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"}};
  for (const auto& [column, name] : cases) EXPECT_EQ(ColumnLetters(column), name) << column;
}

}  // namespace
}  // namespace koord::files
