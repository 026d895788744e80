#pragma once
// The file formats of the file layer, one table: what each is called on
// the command line, its extensions, whether it is read and written, and
// what it can hold (typed columns, a geometry, records without one).
//
//   FormatOfName("gpkg")                 // FileFormat::GeoPackage
//   FormatOfPath("relevés.XLSX")         // FileFormat::Xlsx, by extension
//   DetectFormat("export")               // by content: FileFormat::Gpx, or
//                                        // nothing for a text to read as such
//   Traits(FileFormat::Kml).wgs84Only    // true

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace koord::files {

enum class FileFormat { Csv, Xlsx, Ods, Gpx, Kml, Kmz, GeoJson, GeoPackage, Shapefile };

struct FormatTraits {
  FileFormat value;
  std::string_view name;       // on the command line (--format)
  std::string_view extension;  // with its dot, lower case
  bool read;                   // the file layer reads it (CSV is text, for the engine)
  bool write;
  bool geometry;         // holds a point or polygon per record
  bool wgs84Only;        // its geometry is WGS84 degrees whatever the result
  bool typedColumns;     // numbers are written as numbers
  bool keepsNoGeometry;  // a record without geometry (a refused line) has its place
};

inline constexpr std::array<FormatTraits, 9> kFormatTable{{
    {FileFormat::Csv, "csv", ".csv", false, true, false, false, false, true},
    {FileFormat::Xlsx, "xlsx", ".xlsx", true, true, false, false, true, true},
    {FileFormat::Ods, "ods", ".ods", true, true, false, false, true, true},
    // A GPX waypoint has a position by definition: a refused line has no
    // place in the file.
    {FileFormat::Gpx, "gpx", ".gpx", true, true, true, true, false, false},
    {FileFormat::Kml, "kml", ".kml", true, true, true, true, false, true},
    {FileFormat::Kmz, "kmz", ".kmz", true, true, true, true, false, true},
    {FileFormat::GeoJson, "geojson", ".geojson", true, true, true, false, false, true},
    {FileFormat::GeoPackage, "gpkg", ".gpkg", true, true, true, false, true, true},
    {FileFormat::Shapefile, "shp", ".shp", true, true, true, false, true, true},
}};

const FormatTraits& Traits(FileFormat format);

// The format a --format name names ("gpkg", "GeoJSON"), in any case.
std::optional<FileFormat> FormatOfName(std::string_view name);

// The format of a path's extension, in any case (".json" is GeoJSON too).
std::optional<FileFormat> FormatOfPath(std::string_view path);

// The format of a file to read, from its first bytes, then its extension:
// a ZIP holding a workbook, a sheet or a KML document, GPX, KML or GeoJSON
// text, a GeoPackage, a shapefile. Nothing for any other file, which the
// caller reads as text (CSV included). Reads at most a few kilobytes; a
// file that cannot be opened gives its extension's format, so that opening
// it says why.
std::optional<FileFormat> DetectFormat(const std::string& path);

// The bytes DetectFormat looks at, at most, from the start of a file.
inline constexpr std::size_t kDetectionBytes = 64 * 1024;

// The same from the first bytes of a file already read (`head`, up to
// kDetectionBytes of them) and its path, for a caller that holds the file
// open: nothing is read.
std::optional<FileFormat> DetectFormat(std::string_view head, std::string_view path);

}  // namespace koord::files
