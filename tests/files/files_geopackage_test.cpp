// GeoPackages as Koord writes them, read back through GDAL: each record's
// cells and point, the count and extent GDAL reads without counting,
// geometry bytes the same as GDAL's own for the same shape, names that SQL
// must quote, and the spatial index up to its limit of records.

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <memory>
#include <ogrsf_frmts.h>
#include <optional>
#include <string>
#include <vector>

#include "files/FileWriter.h"
#include "tests/files/FilesTest.h"

namespace koord::files {
namespace {

using test::ScratchFolder;

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

struct FeatureDeleter {
  void operator()(OGRFeature* feature) const { OGRFeature::DestroyFeature(feature); }
};
using Feature = std::unique_ptr<OGRFeature, FeatureDeleter>;

Dataset Open(const test::fs::path& path) {
  GDALAllRegister();
  return Dataset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
}

// The first column of the first row of an SQL query run by SQLite itself.
std::string Query(GDALDataset& dataset, const std::string& sql) {
  OGRLayer* result = dataset.ExecuteSQL(sql.c_str(), nullptr, nullptr);
  std::string value = "(none)";
  if (result != nullptr) {
    if (OGRFeature* row = result->GetNextFeature()) {
      value = row->GetFieldAsString(0);
      OGRFeature::DestroyFeature(row);
    }
    dataset.ReleaseResultSet(result);
  }
  return value;
}

struct Record {
  std::vector<std::string> cells;
  std::vector<Point> shape;
  // The cells as GDAL reads them; nothing: NULL.
  std::vector<std::optional<std::string>> read;
};

struct Case {
  std::string name;
  std::string layer;
  std::vector<Column> columns;
  std::vector<Record> records;
};

// Records that fill one batch of inserts, then some that do not.
std::vector<Record> Numbered(int count) {
  std::vector<Record> records;
  for (int i = 0; i < count; ++i) {
    std::string id(1, 'P');
    id += std::to_string(i);
    const std::string x = std::to_string(150000 + i) + ",5";
    records.push_back(
        {{id, x}, {{150000.5 + i, 170000.0 - i}}, {id, std::to_string(150000 + i) + ".5"}});
  }
  return records;
}

TEST(GeoPackageTest, RecordsCountAndExtentAsGdalReadsThem) {
  const test::fs::path folder = ScratchFolder();
  // As many columns as SQLite allows (2 000, the key and the geometry
  // with them): fewer records a statement, SQLite's parameters being
  // counted.
  constexpr int kWide = 1990;
  std::vector<Column> wide;
  for (int i = 0; i < kWide; ++i) {
    std::string name(1, 'C');  // a name and a number: GCC 12 warns of "C" + ...
    name += std::to_string(i);
    wide.push_back({name, ColumnType::Integer});
  }
  Record wideRecord{std::vector<std::string>(kWide, "7"), {{150000, 170000}}, {}};
  wideRecord.read.assign(kWide, "7");
  const std::vector<Case> cases{
      {"a refused line has no geometry",
       "",
       {{"Id"}, {"koord_refus"}},
       {{{"P1", ""}, {{150000, 170000}}, {"P1", std::nullopt}},
        {{"P2", "Champ manquant"}, {}, {"P2", "Champ manquant"}},
        {{"P3", ""}, {{160000.25, 165000}}, {"P3", std::nullopt}}}},
      {"typed cells without a number are NULL",
       "",
       {{"R", ColumnType::Real}, {"I", ColumnType::Integer}, {"T"}},
       {{{"150 000,5", "12,6", "é"}, {{1, 2}}, {"150000.5", "13", "é"}},
        {{"abc", "1e400", ""}, {{3, 4}}, {std::nullopt, std::nullopt, std::nullopt}},
        {{"+4.35", "-3", "0"}, {{-5, -6}}, {"4.35", "-3", "0"}}}},
      {"names that SQL must quote",
       "l'arbre \"remarquable\"",
       {{"a\"b"}, {"fid"}, {"GEOM"}, {"c'd"}},
       {{{"1", "2", "3", "4"}, {{150000, 170000}}, {"1", "2", "3", "4"}}}},
      {"batches and the records after them", "", {{"Id"}, {"X", ColumnType::Real}}, Numbered(300)},
      {"the batches of many columns", "", wide, std::vector<Record>(130, wideRecord)},
      {"no record", "", {{"Id"}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const test::fs::path path = folder / (std::to_string(&c - cases.data()) + ".gpkg");
    {
      FileWriter writer(path.string(), FileFormat::GeoPackage,
                        {c.columns, 31370, GeometryType::Point, c.layer});
      for (const Record& record : c.records) writer.Write(record.cells, record.shape);
      writer.Commit();
    }
    const Dataset dataset = Open(path);
    ASSERT_TRUE(dataset);
    OGRLayer* layer = dataset->GetLayer(0);
    ASSERT_NE(layer, nullptr);
    if (!c.layer.empty()) {
      EXPECT_STREQ(layer->GetName(), c.layer.c_str());
    }
    const OGRFeatureDefn* definition = layer->GetLayerDefn();
    ASSERT_EQ(definition->GetFieldCount(), static_cast<int>(c.columns.size()));
    for (std::size_t i = 0; i < c.columns.size(); ++i) {
      EXPECT_EQ(definition->GetFieldDefn(static_cast<int>(i))->GetNameRef(), c.columns[i].name);
    }
    // GDAL takes the count and the extent from the file's own tables,
    // without reading the records.
    EXPECT_EQ(layer->GetFeatureCount(FALSE), static_cast<GIntBig>(c.records.size()));
    std::optional<OGREnvelope> expected;
    for (const Record& record : c.records) {
      if (record.shape.empty()) continue;
      if (!expected) expected.emplace();
      expected->Merge(record.shape[0].x, record.shape[0].y);
    }
    OGREnvelope extent;
    if (expected) {
      ASSERT_EQ(layer->GetExtent(&extent, FALSE), OGRERR_NONE);
      EXPECT_EQ(extent.MinX, expected->MinX);
      EXPECT_EQ(extent.MaxX, expected->MaxX);
      EXPECT_EQ(extent.MinY, expected->MinY);
      EXPECT_EQ(extent.MaxY, expected->MaxY);
    }
    for (std::size_t r = 0; r < c.records.size(); ++r) {
      SCOPED_TRACE(r);
      Feature feature(layer->GetNextFeature());
      ASSERT_TRUE(feature);
      EXPECT_EQ(feature->GetFID(), static_cast<GIntBig>(r + 1));
      const Record& record = c.records[r];
      for (std::size_t i = 0; i < record.read.size(); ++i) {
        const int field = static_cast<int>(i);
        EXPECT_EQ(feature->IsFieldSetAndNotNull(field)
                      ? std::optional<std::string>(feature->GetFieldAsString(field))
                      : std::nullopt,
                  record.read[i])
            << c.columns[i].name;
      }
      const OGRGeometry* geometry = feature->GetGeometryRef();
      ASSERT_EQ(geometry == nullptr, record.shape.empty());
      if (geometry == nullptr) continue;
      EXPECT_EQ(geometry->toPoint()->getX(), record.shape[0].x);
      EXPECT_EQ(geometry->toPoint()->getY(), record.shape[0].y);
    }
    EXPECT_EQ(Feature(layer->GetNextFeature()), nullptr);
  }
}

// The bytes of each geometry against those GDAL writes for the same shape
// in a file of its own making.
TEST(GeoPackageTest, GeometryBytesAsGdalWritesThem) {
  const test::fs::path folder = ScratchFolder();
  struct Shape {
    std::string name;
    GeometryType type;
    int epsg;
    std::vector<Point> points;
  };
  const std::vector<Shape> shapes{
      {"point", GeometryType::Point, 31370, {{150000.125, 170000.5}}},
      {"point in degrees", GeometryType::Point, 4326, {{4.3517, 50.8466}}},
      {"square",
       GeometryType::Polygon,
       31370,
       {{146012, 166180}, {150012, 166180}, {150012, 170180}, {146012, 170180}, {146012, 166180}}},
      {"ring left open",
       GeometryType::Polygon,
       4326,
       {{4.30, 50.80}, {4.31, 50.80}, {4.31, 50.81}, {4.30, 50.81}}},
  };
  GDALAllRegister();
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.name);
    const test::fs::path ours =
        folder / ("koord-" + std::to_string(&shape - shapes.data()) + ".gpkg");
    {
      FileWriter writer(ours.string(), FileFormat::GeoPackage,
                        {{{"Id"}}, shape.epsg, shape.type, "t"});
      writer.Write({"1"}, shape.points);
      writer.Commit();
    }
    const test::fs::path theirs =
        folder / ("gdal-" + std::to_string(&shape - shapes.data()) + ".gpkg");
    {
      Dataset dataset(GetGDALDriverManager()->GetDriverByName("GPKG")->Create(
          theirs.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
      ASSERT_TRUE(dataset);
      OGRSpatialReference srs;
      srs.importFromEPSG(shape.epsg);
      srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
      const bool polygon = shape.type == GeometryType::Polygon;
      OGRLayer* layer = dataset->CreateLayer("t", &srs, polygon ? wkbPolygon : wkbPoint);
      OGRFeature feature(layer->GetLayerDefn());
      if (polygon) {
        auto ring = std::make_unique<OGRLinearRing>();
        for (const Point& p : shape.points) ring->addPoint(p.x, p.y);
        ring->closeRings();
        auto made = std::make_unique<OGRPolygon>();
        made->addRingDirectly(ring.release());
        feature.SetGeometryDirectly(made.release());
      } else {
        feature.SetGeometryDirectly(new OGRPoint(shape.points[0].x, shape.points[0].y));
      }
      ASSERT_EQ(layer->CreateFeature(&feature), OGRERR_NONE);
    }
    const Dataset a = Open(ours);
    const Dataset b = Open(theirs);
    ASSERT_TRUE(a && b);
    const std::string sql = "SELECT hex(geom) FROM t";
    EXPECT_EQ(Query(*a, sql), Query(*b, sql));
    EXPECT_NE(Query(*a, sql), "(none)");
  }
}

// The index is built for files of up to 200 000 records, and not beyond.
TEST(GeoPackageTest, SpatialIndexUpToItsLimit) {
  const test::fs::path folder = ScratchFolder();
  for (const int count : {3, 200'001}) {
    SCOPED_TRACE(count);
    const test::fs::path path = folder / (std::to_string(count) + ".gpkg");
    {
      FileWriter writer(path.string(), FileFormat::GeoPackage,
                        {{{"Id"}}, 31370, GeometryType::Point, "t"});
      const std::vector<Point> shape{{150000, 170000}};
      for (int i = 0; i < count; ++i) writer.Write({"P"}, shape);
      writer.Commit();
    }
    const Dataset dataset = Open(path);
    ASSERT_TRUE(dataset);
    const bool small = count <= 200'000;
    EXPECT_EQ(Query(*dataset, "SELECT count(*) FROM sqlite_master WHERE name = 'rtree_t_geom'"),
              small ? "1" : "0");
    if (small) {
      EXPECT_EQ(Query(*dataset, "SELECT count(*) FROM rtree_t_geom"), std::to_string(count));
    }
    EXPECT_EQ(Query(*dataset, "SELECT count(*) FROM t"), std::to_string(count));
    EXPECT_EQ(dataset->GetLayer(0)->GetFeatureCount(FALSE), count);
  }
}

}  // namespace
}  // namespace koord::files
