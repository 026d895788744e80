#include "files/FileWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <ogr_spatialref.h>
#include <stdexcept>

#include "files/FileError.h"
#include "files/Gdal.h"
#include "files/GeoPackageTable.h"
#include "files/ReplacedFiles.h"
#include "support/Ascii.h"

namespace koord::files {
namespace {

struct WriteDriver {
  FileFormat format;
  const char* driver;
};
// KML goes through GDAL's plain KML writer, which streams the placemarks:
// its LIBKML writer takes a time that grows with their square (20 000
// points: three minutes, against 0.4 s). KMZ, which LIBKML alone writes,
// keeps it.
constexpr std::array<WriteDriver, 9> kWriteDrivers{{
    {FileFormat::Csv, "CSV"},
    {FileFormat::Xlsx, "XLSX"},
    {FileFormat::Ods, "ODS"},
    {FileFormat::Gpx, "GPX"},
    {FileFormat::Kml, "KML"},
    {FileFormat::Kmz, "LIBKML"},
    {FileFormat::GeoJson, "GeoJSON"},
    {FileFormat::GeoPackage, "GPKG"},
    {FileFormat::Shapefile, "ESRI Shapefile"},
}};

// The files a shapefile may have beside its .shp, which an old version's
// would contradict: its index, its system, its encoding.
constexpr std::array<std::string_view, 6> kShapefileStale{".cpg", ".prj", ".qix",
                                                          ".sbn", ".sbx", ".qpj"};

// GPX's layers for points and for squares (closed tracks).
constexpr const char* kGpxPoints = "waypoints";
constexpr const char* kGpxTracks = "tracks";

constexpr int kWgs84 = 4326;

// A GeoPackage's spatial index costs some 15 microseconds a point, twenty
// times the rest of its writing: it is built once the points are written,
// for files of up to this many records; a GIS program builds it for larger
// ones when asked.
constexpr std::size_t kIndexedRecords = 200'000;

const char* DriverOf(FileFormat format) {
  for (const WriteDriver& entry : kWriteDrivers) {
    if (entry.format == format) return entry.driver;
  }
  return nullptr;
}

// The number in a result's text: "150000", "50,85000", "-4.35"; nothing
// for an empty or other text.
std::optional<double> NumberOf(std::string_view text) {
  std::array<char, 64> buffer{};
  if (text.empty() || text.size() >= buffer.size()) return std::nullopt;
  std::size_t n = 0;
  for (const char c : text) {
    if (c == ' ') continue;
    buffer[n++] = c == ',' ? '.' : c;
  }
  const char* first = buffer.data();
  if (n > 0 && *first == '+') ++first;
  double value = 0;
  const auto result = std::from_chars(first, buffer.data() + n, value);
  if (result.ec != std::errc() || result.ptr != buffer.data() + n || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// A cell as its column holds it: empty, NULL; in a typed format, a Real
// or Integer column's number, NULL when there is none; text otherwise.
CellValue ValueOf(std::string_view text, ColumnType type, bool typed) {
  if (text.empty()) return std::monostate{};
  if (!typed || type == ColumnType::Text) return text;
  const std::optional<double> value = NumberOf(text);
  if (!value) return std::monostate{};
  if (type == ColumnType::Real) return *value;
  return static_cast<std::int64_t>(std::llround(*value));
}

std::vector<std::string> UniqueNames(const std::vector<Column>& columns) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    std::string name = columns[i].name.empty() ? "Field" + std::to_string(i + 1) : columns[i].name;
    const std::string base = name;
    for (int k = 2; std::find(names.begin(), names.end(), name) != names.end(); ++k) {
      name = base + "_" + std::to_string(k);
    }
    names.push_back(name);
  }
  return names;
}

// A layer name of ASCII letters, digits, '-' and '_', each other character
// '_': a KMZ keeps each layer in a file of its name, which GDAL does not
// find again when the name has other characters.
std::string AsciiName(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if ((byte & 0xC0) == 0x80) continue;  // the rest of a UTF-8 sequence
    const bool kept = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                      (byte >= '0' && byte <= '9') || byte == '-' || byte == '_';
    out += kept ? static_cast<char>(byte) : '_';
  }
  return out.empty() ? std::string("koord") : out;
}

OGRFieldType FieldType(ColumnType type, bool typed) {
  if (!typed) return OFTString;
  switch (type) {
    case ColumnType::Real: return OFTReal;
    case ColumnType::Integer: return OFTInteger64;
    case ColumnType::Text: break;
  }
  return OFTString;
}

}  // namespace

std::vector<ColumnType> ResultColumnTypes(CoordKind kind) {
  switch (kind) {
    case CoordKind::Lambert:
    case CoordKind::Lambert2008:
    case CoordKind::Degrees: return {ColumnType::Real, ColumnType::Real};
    case CoordKind::Utm: return {ColumnType::Text, ColumnType::Real, ColumnType::Real};
    case CoordKind::Dms: return {ColumnType::Text, ColumnType::Text};
    case CoordKind::Mgrs:
    case CoordKind::Ifbl: return {ColumnType::Text};
  }
  return {};
}

class FileWriter::State {
 public:
  State(const std::string& path, FileFormat format, const WriteLayout& layout)
      : path_(path),
        format_(format),
        traits_(Traits(format)),
        types_(),
        names_(UniqueNames(layout.columns)) {
    gdal::Start();
    if (!traits_.write) {
      throw FileError(FileAction::Create, path_, FileProblem::NotWritable,
                      std::string(traits_.name));
    }
    if (traits_.geometry && traits_.wgs84Only && layout.epsg && *layout.epsg != kWgs84) {
      throw std::logic_error("KML and GPX geometry must be given in WGS84 degrees");
    }
    for (const Column& column : layout.columns) types_.push_back(column.type);
    geometry_ = traits_.geometry && layout.epsg.has_value();
    polygon_ = layout.geometry == GeometryType::Polygon;
    files_.emplace(path_);
    try {
      Create(layout);
    } catch (...) {
      // The destructor does not run: the dataset is closed here, quietly.
      const gdal::QuietErrors quiet;
      feature_.reset();
      dataset_.reset();
      throw;
    }
  }

  void Write(std::span<const std::string_view> cells, std::span<const Point> shape) {
    if (cells.size() != names_.size()) Fail(FileAction::Write, FileProblem::WrongCellCount);
    if (geometry_ && shape.empty() && !traits_.keepsNoGeometry) {
      ++unplaced_;
      return;
    }
    if (geometry_) {
      for (const Point& p : shape) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
          Fail(FileAction::Write, FileProblem::NotFinite);
        }
      }
    }
    if (table_) {
      values_.clear();
      for (std::size_t i = 0; i < cells.size(); ++i) {
        values_.push_back(ValueOf(cells[i], types_[i], traits_.typedColumns));
      }
      table_->Insert(values_, geometry_ ? shape : std::span<const Point>());
      ++written_;
      return;
    }
    feature_->SetFID(OGRNullFID);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const int field = fieldOf_[i];
      const CellValue value = ValueOf(cells[i], types_[i], traits_.typedColumns);
      if (const auto* real = std::get_if<double>(&value)) {
        feature_->SetField(field, *real);
      } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        feature_->SetField(field, static_cast<GIntBig>(*integer));
      } else if (const auto* text = std::get_if<std::string_view>(&value)) {
        cell_.assign(*text);
        feature_->SetField(field, cell_.c_str());
      } else {
        feature_->SetFieldNull(field);
      }
    }
    if (geometry_) SetShape(shape);
    const gdal::QuietErrors quiet;
    if (layer_->CreateFeature(feature_.get()) != OGRERR_NONE) {
      Fail(FileAction::Write, FileProblem::Library, gdal::LastMessage("?"));
    }
    ++written_;
  }

  void Commit() {
    if (table_) {
      table_->Finish();
      table_.reset();
      if (geometry_ && written_ <= kIndexedRecords) Index();
    }
    {
      const gdal::QuietErrors quiet;
      if (transaction_ && dataset_->CommitTransaction() != OGRERR_NONE) {
        Fail(FileAction::Write, FileProblem::Library, gdal::LastMessage("?"));
      }
      transaction_ = false;
      feature_.reset();
      dataset_.reset();  // GDAL writes what it holds back as it closes
      if (CPLGetLastErrorType() >= CE_Failure) {
        Fail(FileAction::Write, FileProblem::Library, gdal::LastMessage("?"));
      }
    }
    if (format_ == FileFormat::Shapefile) {
      files_->Commit(kShapefileStale);
    } else {
      files_->Commit();
    }
  }

  const std::vector<std::string>& Names() const { return names_; }
  const std::string& WorkFolder() const { return files_->WorkFolder(); }
  std::size_t Unplaced() const { return unplaced_; }

  ~State() {
    // Uncommitted: the dataset is closed before its folder goes, quietly,
    // what it cannot finish being of no more use.
    table_.reset();
    const gdal::QuietErrors quiet;
    feature_.reset();
    dataset_.reset();
  }

 private:
  // `base`, or base_2, base_3...: the first that no column has, in any
  // case (SQLite's names are the same in upper and lower case).
  std::string FreeName(const std::string& base) const {
    const auto taken = [this](const std::string& name) {
      return std::any_of(names_.begin(), names_.end(), [&name](const std::string& column) {
        return std::equal(column.begin(), column.end(), name.begin(), name.end(),
                          [](char a, char b) { return ascii::ToLower(a) == ascii::ToLower(b); });
      });
    };
    std::string name = base;
    for (std::size_t k = 2; taken(name); ++k) name = base + "_" + std::to_string(k);
    return name;
  }

  [[noreturn]] void Fail(FileAction action, FileProblem problem, std::string detail = {}) const {
    throw FileError(action, path_, problem, std::move(detail));
  }

  void Create(const WriteLayout& layout) {
    const gdal::QuietErrors quiet;
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(DriverOf(format_));
    if (!driver) Fail(FileAction::Create, FileProblem::NotWritable, std::string(traits_.name));
    CPLStringList datasetOptions;
    CPLStringList layerOptions;
    switch (format_) {
      case FileFormat::Csv:
        layerOptions.SetNameValue("SEPARATOR", "SEMICOLON");
        layerOptions.SetNameValue("WRITE_BOM", "YES");
        layerOptions.SetNameValue("LINEFORMAT", "CRLF");
        break;
      case FileFormat::Gpx: datasetOptions.SetNameValue("GPX_USE_EXTENSIONS", "YES"); break;
      case FileFormat::GeoJson: layerOptions.SetNameValue("RFC7946", "NO"); break;
      case FileFormat::GeoPackage:
        layerOptions.SetNameValue("SPATIAL_INDEX", "NO");
        // The key and the geometry take names of their own: a column of
        // the user's called fid or geom keeps its name and its cells.
        layerOptions.SetNameValue("FID", FreeName("fid").c_str());
        layerOptions.SetNameValue("GEOMETRY_NAME", FreeName("geom").c_str());
        break;
      case FileFormat::Shapefile: layerOptions.SetNameValue("ENCODING", "UTF-8"); break;
      default: break;
    }
    dataset_.reset(
        driver->Create(files_->WorkPath().c_str(), 0, 0, 0, GDT_Unknown, datasetOptions.List()));
    if (!dataset_) Fail(FileAction::Create, FileProblem::Library, gdal::LastMessage("?"));

    OGRSpatialReference srs;
    OGRwkbGeometryType type = wkbNone;
    if (geometry_) {
      if (srs.importFromEPSG(*layout.epsg) != OGRERR_NONE) {
        Fail(FileAction::Create, FileProblem::NoEpsg, "EPSG:" + std::to_string(*layout.epsg));
      }
      srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
      type = polygon_ ? wkbPolygon : wkbPoint;
    }
    std::string name = layout.layerName;
    if (name.empty()) {
      const std::string file = files_->WorkPath();
      const std::size_t slash = file.find_last_of('/');
      name = file.substr(slash + 1);
      const std::size_t dot = name.find_last_of('.');
      if (dot != std::string::npos && dot > 0) name.resize(dot);
    }
    if (format_ == FileFormat::Kmz) name = AsciiName(name);
    if (format_ == FileFormat::Gpx) {
      name = polygon_ ? kGpxTracks : kGpxPoints;
      if (polygon_) type = wkbMultiLineString;
    }
    layer_ =
        dataset_->CreateLayer(name.c_str(), geometry_ ? &srs : nullptr, type, layerOptions.List());
    if (!layer_) Fail(FileAction::Create, FileProblem::Library, gdal::LastMessage("?"));
    for (std::size_t i = 0; i < names_.size(); ++i) {
      OGRFieldDefn definition(names_[i].c_str(), FieldType(types_[i], traits_.typedColumns));
      const int before = layer_->GetLayerDefn()->GetFieldCount();
      const int existing = layer_->GetLayerDefn()->GetFieldIndex(names_[i].c_str());
      // GPX has its own fields (name, ele, time...): a column of that name
      // fills it.
      if (format_ == FileFormat::Gpx && existing >= 0) {
        fieldOf_.push_back(existing);
        continue;
      }
      if (layer_->CreateField(&definition) != OGRERR_NONE) {
        Fail(FileAction::Create, FileProblem::Library, gdal::LastMessage("?"));
      }
      fieldOf_.push_back(before);
    }
    if (format_ == FileFormat::GeoPackage) {
      WriteThroughSqlite(layout.geometry);
      return;
    }
    feature_.reset(OGRFeature::CreateFeature(layer_->GetLayerDefn()));
    // One transaction for the whole file where the format has them: a
    // GeoPackage written a record at a time would sync the disk each time.
    transaction_ =
        dataset_->TestCapability(ODsCTransactions) && dataset_->StartTransaction() == OGRERR_NONE;
  }

  // A GeoPackage's records go straight through SQLite (GeoPackageTable.h):
  // GDAL's writing of a record costs four times SQLite's. The table GDAL
  // made, empty, is in the file once GDAL closes it.
  void WriteThroughSqlite(GeometryType geometry) {
    TableLayout table;
    table.table = layer_->GetName();
    if (geometry_) table.geometryColumn = layer_->GetGeometryColumn();
    const OGRFeatureDefn* definition = layer_->GetLayerDefn();
    for (const int field : fieldOf_) {
      table.columns.emplace_back(definition->GetFieldDefn(field)->GetNameRef());
    }
    table.geometry = geometry;
    layer_ = nullptr;
    dataset_.reset();
    if (CPLGetLastErrorType() >= CE_Failure) {
      Fail(FileAction::Create, FileProblem::Library, gdal::LastMessage("?"));
    }
    tableName_ = table.table;
    geometryColumn_ = table.geometryColumn;
    table_.emplace(files_->WorkPath(), path_, table);
  }

  // The spatial index of a GeoPackage written, built by GDAL as it builds
  // its own: the R-tree, its triggers and its line in gpkg_extensions.
  void Index() {
    const gdal::QuietErrors quiet;
    const char* const drivers[] = {DriverOf(format_), nullptr};
    dataset_.reset(GDALDataset::FromHandle(GDALOpenEx(
        files_->WorkPath().c_str(), GDAL_OF_VECTOR | GDAL_OF_UPDATE, drivers, nullptr, nullptr)));
    if (!dataset_) Fail(FileAction::Write, FileProblem::Library, gdal::LastMessage("?"));
    const std::string sql = "SELECT CreateSpatialIndex(" + SqlQuoted(tableName_, '\'') + ", " +
                            SqlQuoted(geometryColumn_, '\'') + ")";
    dataset_->ReleaseResultSet(dataset_->ExecuteSQL(sql.c_str(), nullptr, nullptr));
    if (CPLGetLastErrorType() >= CE_Failure) {
      Fail(FileAction::Write, FileProblem::Library, gdal::LastMessage("?"));
    }
  }

  void SetShape(std::span<const Point> shape) {
    if (shape.empty()) {
      feature_->SetGeometryDirectly(nullptr);
      return;
    }
    if (!polygon_) {
      // The feature's own point is moved rather than a copy given each
      // time: a new geometry per record costs as much as writing it.
      OGRGeometry* held = feature_->GetGeometryRef();
      if (held == nullptr) {
        feature_->SetGeometryDirectly(new OGRPoint());
        held = feature_->GetGeometryRef();
      }
      OGRPoint* point = held->toPoint();
      point->setX(shape.front().x);
      point->setY(shape.front().y);
      return;
    }
    auto ring = std::make_unique<OGRLinearRing>();
    ring->setNumPoints(static_cast<int>(shape.size()), FALSE);
    for (std::size_t i = 0; i < shape.size(); ++i) {
      ring->setPoint(static_cast<int>(i), shape[i].x, shape[i].y);
    }
    ring->closeRings();
    if (format_ == FileFormat::Gpx) {
      auto line = std::make_unique<OGRLineString>(*ring);
      auto track = std::make_unique<OGRMultiLineString>();
      track->addGeometryDirectly(line.release());
      feature_->SetGeometryDirectly(track.release());
      return;
    }
    auto polygon = std::make_unique<OGRPolygon>();
    polygon->addRingDirectly(ring.release());
    feature_->SetGeometryDirectly(polygon.release());
  }

  std::string path_;
  FileFormat format_;
  const FormatTraits& traits_;
  std::vector<ColumnType> types_;
  std::vector<std::string> names_;
  std::vector<int> fieldOf_;
  bool geometry_ = false;
  bool polygon_ = false;
  bool transaction_ = false;
  std::optional<ReplacedFiles> files_;
  gdal::Dataset dataset_;
  OGRLayer* layer_ = nullptr;
  gdal::Feature feature_;
  std::string cell_;
  std::optional<GeoPackageTable> table_;  // a GeoPackage's records
  std::vector<CellValue> values_;
  std::string tableName_;
  std::string geometryColumn_;
  std::size_t unplaced_ = 0;
  std::size_t written_ = 0;
};

FileWriter::FileWriter(const std::string& path, FileFormat format, const WriteLayout& layout)
    : state_(std::make_unique<State>(path, format, layout)) {}

FileWriter::~FileWriter() = default;

const std::vector<std::string>& FileWriter::ColumnNames() const {
  return state_->Names();
}

void FileWriter::Write(std::span<const std::string_view> cells, std::span<const Point> shape) {
  state_->Write(cells, shape);
}

void FileWriter::Write(const std::vector<std::string>& cells, std::span<const Point> shape) {
  std::vector<std::string_view> views(cells.begin(), cells.end());
  state_->Write(views, shape);
}

void FileWriter::Commit() {
  state_->Commit();
}

std::size_t FileWriter::Unplaced() const {
  return state_->Unplaced();
}

const std::string& FileWriter::WorkFolder() const {
  return state_->WorkFolder();
}

}  // namespace koord::files
