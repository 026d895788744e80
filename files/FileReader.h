#pragma once
// Reading spreadsheets, GPS files and map layers record by record, for the
// engine to convert as it converts lines of text.
//
//   FileReader reader("relevés.gpkg", {.layer = "arbres"});
//   reader.FieldNames()          // {"Id", "Espèce"}
//   reader.System()              // Lambert 1972 on BD72 (EPSG 31370)
//   Record record;
//   while (reader.Next(record)) {
//     if (record.point) use(record.cells, EngineFields(*reader.System(), *record.point));
//     else refuse(record.RefusalText(language));
//   }
//
// Workbooks (.xlsx, .ods): the first sheet, or the one named; FieldNames
// is its first row and each record a further row, cells as the sheet shows
// them (numbers as written, dates as 15/03/2024, empty cells empty), and no
// geometry: the engine reads the cells as the fields of a CSV line, and
// tells whether the first row is a header or a first point
// (NamesAreFirstRow).
//
// Point layers (.gpkg, .shp, .geojson, .kml, .kmz, .gpx): the only layer,
// or the one named; every layer of a KML document (its folders) in turn;
// for GPX the waypoints, then the route points, then the track points, with
// their name, time, elevation and description and the attributes that
// Koord wrote with them. Each record has its attributes and its point in
// the layer's coordinate system (System); a feature that is no point has a
// refusal instead. Dates and times of point layers are written as ISO 8601
// (2024-03-15T10:20:30Z).
//
// One record at a time: a file of a million points is never held whole
// (workbooks are, by the library that reads them).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/FileFormat.h"
#include "files/Geometry.h"
#include "support/Language.h"

namespace koord::files {

struct ReadOptions {
  std::string sheet;  // workbooks: the sheet read; empty: the first
  std::string layer;  // point layers: the layer read; empty: the only one
};

// Why a record of a point layer has no point.
enum class GeometryRefusal {
  None,
  Missing,    // no geometry, or an empty one
  NotPoint,   // a line, a polygon... (geometryName says which)
  NotFinite,  // a coordinate that is NaN or infinite
};

struct Record {
  // One cell per field name, as the user sees it; empty where the file has
  // nothing.
  std::vector<std::string> cells;
  // Point layers: the point, in the layer's system; nothing with a refusal.
  std::optional<Point> point;
  GeometryRefusal refusal = GeometryRefusal::None;
  std::string geometryName;  // "LineString", "Polygon"... for NotPoint

  // Why the record has no point, in a language: « Géométrie non ponctuelle :
  // LineString »; empty without a refusal.
  std::string RefusalText(Language language) const;
};

// The sheets of a workbook, or the layers of a GeoPackage, shapefile or
// GeoJSON file, that a reader could be asked for (ReadOptions), in the
// file's order; nothing for a GPX or KML file, read whole, and for a file
// that cannot be opened (the reader then says why).
std::vector<std::string> PartsOf(const std::string& path, FileFormat format);

class FileReader {
 public:
  // Opens `path`, of the format its content and extension say
  // (DetectFormat), or `format` when given. Raises FileError, naming the
  // path as given, when the file cannot be read: absent, unreadable, not of
  // a format read here, a coordinate system Koord does not know, several
  // layers and none named, a sheet or layer named that is not there.
  explicit FileReader(const std::string& path, const ReadOptions& options = {},
                      std::optional<FileFormat> format = std::nullopt);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  FileFormat Format() const;
  // The names of the cells of each record.
  const std::vector<std::string>& FieldNames() const;
  // Workbooks: FieldNames is the sheet's first row, a header or a first
  // record, as the engine judges.
  bool NamesAreFirstRow() const;
  // Point layers: records have points.
  bool HasGeometry() const;
  // The coordinate system of the points; nothing for a workbook and for a
  // layer that names none (the user's choice then stands).
  const std::optional<CoordSystem>& System() const;

  // The next record into `record` (its storage reused); false after the
  // last. Raises FileError when the file cannot be read further.
  bool Next(Record& record);

 private:
  class State;
  std::unique_ptr<State> state_;
};

}  // namespace koord::files
