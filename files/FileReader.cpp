#include "files/FileReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <ogr_spatialref.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "files/FileError.h"
#include "files/Gdal.h"

namespace koord::files {
namespace {

// The GDAL drivers that may open each format read here.
struct FormatDrivers {
  FileFormat format;
  std::array<const char*, 3> drivers;  // null-terminated list
};
constexpr std::array<FormatDrivers, 8> kDrivers{{
    {FileFormat::Xlsx, {"XLSX", nullptr, nullptr}},
    {FileFormat::Ods, {"ODS", nullptr, nullptr}},
    {FileFormat::Gpx, {"GPX", nullptr, nullptr}},
    {FileFormat::Kml, {"LIBKML", "KML", nullptr}},
    {FileFormat::Kmz, {"LIBKML", nullptr, nullptr}},
    {FileFormat::GeoJson, {"GeoJSON", nullptr, nullptr}},
    {FileFormat::GeoPackage, {"GPKG", nullptr, nullptr}},
    {FileFormat::Shapefile, {"ESRI Shapefile", nullptr, nullptr}},
}};

// The point layers of a GPX file, in the order they are read.
constexpr std::array<std::string_view, 3> kGpxPointLayers{"waypoints", "route_points",
                                                          "track_points"};
// The fields of GPX points kept, as GDAL names them; Koord's own, written
// as extensions, come back with this prefix.
constexpr std::array<std::string_view, 4> kGpxFields{"name", "time", "ele", "desc"};
constexpr std::string_view kGpxExtensionPrefix = "ogr_";
// The display fields that GDAL's KML reader adds to every placemark.
constexpr std::array<std::string_view, 9> kKmlDisplayFields{"timestamp",    "begin",      "end",
                                                            "altitudeMode", "tessellate", "extrude",
                                                            "visibility",   "drawOrder",  "icon"};
constexpr std::string_view kKmlName = "Name";  // GDAL's name for a placemark's name

// Candidates for a system without an EPSG code of its own (a shapefile's
// .prj) are taken from this likelihood on, in percent.
constexpr int kMatchConfidence = 90;
// Significant digits of a number cell: what a spreadsheet shows at most.
constexpr int kCellDigits = 15;

constexpr Translated kMissing{"Géométrie absente", "Geen geometrie", "No geometry",
                              "Keine Geometrie"};
constexpr Translated kNotPoint{"Géométrie non ponctuelle : ", "Geen puntgeometrie: ",
                               "Not a point geometry: ", "Keine Punktgeometrie: "};
constexpr Translated kNotFinite{"Coordonnées non finies", "Niet-eindige coördinaten",
                                "Coordinates not finite", "Nicht endliche Koordinaten"};

bool IsWorkbook(FileFormat format) {
  return format == FileFormat::Xlsx || format == FileFormat::Ods;
}

std::string Listed(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) {
    if (!list.empty()) list += ", ";
    list += name;
  }
  return list;
}

// The geometry type's name as OGC writes it.
std::string GeometryName(OGRwkbGeometryType type) {
  switch (wkbFlatten(type)) {
    case wkbPoint: return "Point";
    case wkbLineString: return "LineString";
    case wkbPolygon: return "Polygon";
    case wkbMultiPoint: return "MultiPoint";
    case wkbMultiLineString: return "MultiLineString";
    case wkbMultiPolygon: return "MultiPolygon";
    case wkbGeometryCollection: return "GeometryCollection";
    default: return OGRGeometryTypeToName(type);
  }
}

void AppendTwo(std::string& out, int value) {
  if (value < 10) out += '0';
  out += std::to_string(value);
}

// A date, time or both: 15/03/2024 10:20:30 in a workbook, as spreadsheets
// show them in Belgium; 2024-03-15T10:20:30Z elsewhere.
std::string DateText(const OGRFeature& feature, int field, OGRFieldType type, bool workbook) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, zone = 0;
  float second = 0;
  feature.GetFieldAsDateTime(field, &year, &month, &day, &hour, &minute, &second, &zone);
  std::string out;
  if (type != OFTTime) {
    if (workbook) {
      AppendTwo(out, day);
      out += '/';
      AppendTwo(out, month);
      out += '/';
      out += std::to_string(year);
    } else {
      out += std::to_string(year);
      out += '-';
      AppendTwo(out, month);
      out += '-';
      AppendTwo(out, day);
    }
  }
  if (type == OFTDate) return out;
  if (!out.empty()) out += workbook ? ' ' : 'T';
  AppendTwo(out, hour);
  out += ':';
  AppendTwo(out, minute);
  out += ':';
  const int whole = static_cast<int>(second);
  AppendTwo(out, whole);
  const int milliseconds =
      static_cast<int>(std::lround((second - static_cast<float>(whole)) * 1000));
  if (milliseconds > 0 && milliseconds < 1000) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), ".%03d", milliseconds);
    out += text.data();
  }
  // GDAL's zone flag: 100 is UTC, each step a quarter of an hour from it.
  constexpr int kUtc = 100;
  constexpr int kQuartersPerHour = 4;
  if (!workbook && zone == kUtc) out += 'Z';
  if (!workbook && zone > 1 && zone != kUtc) {
    const int quarters = zone - kUtc;
    out += quarters < 0 ? '-' : '+';
    AppendTwo(out, std::abs(quarters) / kQuartersPerHour);
    out += ':';
    AppendTwo(out, std::abs(quarters) % kQuartersPerHour * 15);
  }
  return out;
}

std::string NumberText(double value) {
  std::array<char, 64> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::general, kCellDigits);
  return std::string(text.data(), result.ptr);
}

// Whether the file can be opened at all, as the system says: the error
// number, or 0.
int OpenProblem(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return errno;
  if (S_ISDIR(status.st_mode)) return EISDIR;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

// The EPSG code of a system, found by its authority or, for a definition
// without one, by the likeliest match in GDAL's tables.
std::optional<int> EpsgCode(const OGRSpatialReference& given) {
  OGRSpatialReference srs(given);
  const auto authorityCode = [&srs]() -> std::optional<int> {
    const char* authority = srs.GetAuthorityName(nullptr);
    const char* code = srs.GetAuthorityCode(nullptr);
    if (authority && code && std::string_view(authority) == "EPSG") return std::atoi(code);
    return std::nullopt;
  };
  if (const auto found = authorityCode()) return found;
  if (srs.AutoIdentifyEPSG() == OGRERR_NONE) {
    if (const auto found = authorityCode()) return found;
  }
  int count = 0;
  int* confidences = nullptr;
  OGRSpatialReferenceH* matches = srs.FindMatches(nullptr, &count, &confidences);
  std::optional<int> found;
  for (int i = 0; i < count && !found; ++i) {
    if (confidences[i] < kMatchConfidence) continue;
    const auto* match = OGRSpatialReference::FromHandle(matches[i]);
    const char* authority = match->GetAuthorityName(nullptr);
    const char* matchCode = match->GetAuthorityCode(nullptr);
    if (authority && matchCode && std::string_view(authority) == "EPSG") {
      found = std::atoi(matchCode);
    }
  }
  OSRFreeSRSArray(matches);
  CPLFree(confidences);
  return found;
}

}  // namespace

std::string Record::RefusalText(Language language) const {
  switch (refusal) {
    case GeometryRefusal::None: return {};
    case GeometryRefusal::Missing: return std::string(kMissing.In(language));
    case GeometryRefusal::NotPoint: return std::string(kNotPoint.In(language)) + geometryName;
    case GeometryRefusal::NotFinite: return std::string(kNotFinite.In(language));
  }
  return {};
}

// A layer read, and where each of its fields goes among the record's cells.
struct LayerRead {
  OGRLayer* layer;
  std::vector<int> fieldOfCell;  // the layer's field for each cell, or -1
};

class FileReader::State {
 public:
  State(const std::string& path, const ReadOptions& options, std::optional<FileFormat> format)
      : path_(path) {
    gdal::Start();
    if (const int problem = OpenProblem(path)) {
      throw FileError(FileAction::Read, path, FileProblem::System, {}, problem);
    }
    const std::optional<FileFormat> detected = format ? format : DetectFormat(path);
    if (!detected || !Traits(*detected).read) {
      throw FileError(FileAction::Read, path, FileProblem::NotRecognised);
    }
    format_ = *detected;
    Open();
    ChooseLayers(options);
    NameFields();
    if (Traits(format_).geometry) FindSystem();
  }

  bool Next(Record& record) {
    const gdal::QuietErrors quiet;
    while (current_ < layers_.size()) {
      feature_.reset(layers_[current_].layer->GetNextFeature());
      if (feature_) break;
      if (CPLGetLastErrorType() >= CE_Failure) Fail(gdal::LastMessage("?"));
      ++current_;
    }
    if (current_ >= layers_.size()) return false;
    Fill(record, layers_[current_]);
    return true;
  }

  FileFormat format_ = FileFormat::Csv;
  std::vector<std::string> names_;
  std::optional<CoordSystem> system_;

 private:
  [[noreturn]] void Fail(FileProblem problem, std::string detail = {}) const {
    throw FileError(FileAction::Read, path_, problem, std::move(detail));
  }
  [[noreturn]] void Fail(std::string libraryMessage) const {
    Fail(FileProblem::Library, std::move(libraryMessage));
  }

  void Open() {
    const gdal::QuietErrors quiet;
    const char* const* drivers = nullptr;
    for (const FormatDrivers& entry : kDrivers) {
      if (entry.format == format_) drivers = entry.drivers.data();
    }
    dataset_.reset(GDALDataset::Open(path_.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers));
    if (!dataset_) {
      // GDAL says little more than that no driver took the file.
      Fail(FileProblem::NotRecognised);
    }
  }

  std::vector<std::string> LayerNames() const {
    std::vector<std::string> names;
    for (OGRLayer* layer : dataset_->GetLayers()) names.emplace_back(layer->GetName());
    return names;
  }

  void ChooseLayers(const ReadOptions& options) {
    const bool workbook = IsWorkbook(format_);
    const std::string& named = workbook ? options.sheet : options.layer;
    if (!named.empty()) {
      OGRLayer* layer = dataset_->GetLayerByName(named.c_str());
      if (!layer) {
        Fail(workbook ? FileProblem::NoSuchSheet : FileProblem::NoSuchLayer, Listed(LayerNames()));
      }
      layers_.push_back({layer, {}});
      return;
    }
    const int count = dataset_->GetLayerCount();
    if (count == 0) Fail(FileProblem::NoLayer);
    if (format_ == FileFormat::Gpx) {
      for (const std::string_view name : kGpxPointLayers) {
        if (OGRLayer* layer = dataset_->GetLayerByName(std::string(name).c_str())) {
          layers_.push_back({layer, {}});
        }
      }
      if (layers_.empty()) Fail(FileProblem::NoLayer);
      return;
    }
    if (workbook || count == 1) {
      layers_.push_back({dataset_->GetLayer(0), {}});
      return;
    }
    // The folders of a KML document are parts of one whole; elsewhere the
    // layers are different data.
    if (format_ == FileFormat::Kml || format_ == FileFormat::Kmz) {
      for (OGRLayer* layer : dataset_->GetLayers()) layers_.push_back({layer, {}});
      return;
    }
    Fail(FileProblem::SeveralLayers, Listed(LayerNames()));
  }

  // The name a field of the file is given among the records' cells, or
  // nothing for a field left out.
  std::optional<std::string> CellName(std::string_view field) const {
    if (format_ == FileFormat::Gpx) {
      if (std::find(kGpxFields.begin(), kGpxFields.end(), field) != kGpxFields.end()) {
        return std::string(field);
      }
      if (field.starts_with(kGpxExtensionPrefix)) {
        return std::string(field.substr(kGpxExtensionPrefix.size()));
      }
      return std::nullopt;
    }
    if (format_ == FileFormat::Kml || format_ == FileFormat::Kmz) {
      if (std::find(kKmlDisplayFields.begin(), kKmlDisplayFields.end(), field) !=
          kKmlDisplayFields.end()) {
        return std::nullopt;
      }
      if (field == kKmlName) return std::string("name");
    }
    return std::string(field);
  }

  // The cells: every field kept of every layer read, in the order met.
  void NameFields() {
    if (format_ == FileFormat::Gpx) {
      names_.assign(kGpxFields.begin(), kGpxFields.end());
    }
    for (LayerRead& read : layers_) {
      const OGRFeatureDefn* definition = read.layer->GetLayerDefn();
      for (int i = 0; i < definition->GetFieldCount(); ++i) {
        const std::optional<std::string> name = CellName(definition->GetFieldDefn(i)->GetNameRef());
        if (!name) continue;
        if (std::find(names_.begin(), names_.end(), *name) == names_.end()) {
          names_.push_back(*name);
        }
      }
    }
    for (LayerRead& read : layers_) {
      const OGRFeatureDefn* definition = read.layer->GetLayerDefn();
      read.fieldOfCell.assign(names_.size(), -1);
      for (int i = 0; i < definition->GetFieldCount(); ++i) {
        const std::optional<std::string> name = CellName(definition->GetFieldDefn(i)->GetNameRef());
        if (!name) continue;
        const auto at = std::find(names_.begin(), names_.end(), *name);
        read.fieldOfCell[static_cast<std::size_t>(at - names_.begin())] = i;
      }
    }
  }

  void FindSystem() {
    const OGRSpatialReference* srs = layers_.front().layer->GetSpatialRef();
    if (!srs) return;  // the user says what the numbers are
    const gdal::QuietErrors quiet;
    const std::optional<int> code = EpsgCode(*srs);
    if (!code) {
      const char* name = srs->GetName();
      Fail(FileProblem::UnknownSystem, name ? name : "?");
    }
    system_ = SystemOfEpsg(*code);
    if (!system_) {
      std::string named = "EPSG:" + std::to_string(*code);
      if (const char* name = srs->GetName()) named += std::string(" (") + name + ")";
      Fail(FileProblem::UnknownSystem, named);
    }
  }

  void Fill(Record& record, const LayerRead& read) const {
    const OGRFeature& feature = *feature_;
    record.cells.resize(names_.size());
    for (std::size_t cell = 0; cell < names_.size(); ++cell) {
      const int field = read.fieldOfCell[cell];
      std::string& text = record.cells[cell];
      text.clear();
      if (field < 0 || !feature.IsFieldSetAndNotNull(field)) continue;
      const OGRFieldType type = feature.GetFieldDefnRef(field)->GetType();
      switch (type) {
        case OFTReal: text = NumberText(feature.GetFieldAsDouble(field)); break;
        case OFTDate:
        case OFTTime:
        case OFTDateTime: text = DateText(feature, field, type, IsWorkbook(format_)); break;
        default: text = feature.GetFieldAsString(field); break;
      }
    }
    record.point.reset();
    record.refusal = GeometryRefusal::None;
    record.geometryName.clear();
    if (!Traits(format_).geometry) return;
    const OGRGeometry* geometry = feature.GetGeometryRef();
    if (geometry && wkbFlatten(geometry->getGeometryType()) == wkbMultiPoint &&
        geometry->toMultiPoint()->getNumGeometries() == 1) {
      geometry = geometry->toMultiPoint()->getGeometryRef(0);
    }
    if (!geometry || geometry->IsEmpty()) {
      record.refusal = GeometryRefusal::Missing;
      return;
    }
    if (wkbFlatten(geometry->getGeometryType()) != wkbPoint) {
      record.refusal = GeometryRefusal::NotPoint;
      record.geometryName = GeometryName(geometry->getGeometryType());
      return;
    }
    const OGRPoint* point = geometry->toPoint();
    if (!std::isfinite(point->getX()) || !std::isfinite(point->getY())) {
      record.refusal = GeometryRefusal::NotFinite;
      return;
    }
    record.point = Point{point->getX(), point->getY()};
  }

  std::string path_;
  gdal::Dataset dataset_;
  std::vector<LayerRead> layers_;
  std::size_t current_ = 0;
  gdal::Feature feature_;
};

std::vector<std::string> PartsOf(const std::string& path, FileFormat format) {
  std::vector<std::string> names;
  if (format == FileFormat::Gpx || format == FileFormat::Kml || format == FileFormat::Kmz) {
    return names;
  }
  const char* const* drivers = nullptr;
  for (const FormatDrivers& entry : kDrivers) {
    if (entry.format == format) drivers = entry.drivers.data();
  }
  if (!drivers || OpenProblem(path) != 0) return names;
  gdal::Start();
  const gdal::QuietErrors quiet;
  const gdal::Dataset dataset(
      GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers));
  if (!dataset) return names;
  for (OGRLayer* layer : dataset->GetLayers()) names.emplace_back(layer->GetName());
  return names;
}

FileReader::FileReader(const std::string& path, const ReadOptions& options,
                       std::optional<FileFormat> format)
    : state_(std::make_unique<State>(path, options, format)) {}

FileReader::~FileReader() = default;

FileFormat FileReader::Format() const {
  return state_->format_;
}

const std::vector<std::string>& FileReader::FieldNames() const {
  return state_->names_;
}

bool FileReader::NamesAreFirstRow() const {
  return IsWorkbook(state_->format_);
}

bool FileReader::HasGeometry() const {
  return Traits(state_->format_).geometry;
}

const std::optional<CoordSystem>& FileReader::System() const {
  return state_->system_;
}

bool FileReader::Next(Record& record) {
  return state_->Next(record);
}

}  // namespace koord::files
