#pragma once
// Writing results to spreadsheets, GPS files and map layers: each record's
// attributes (the input's, then the result's, then the refusal), and its
// point or square, written whole or not at all.
//
//   WriteLayout layout;
//   layout.columns = {{"Id"}, {"X", ColumnType::Real}, {"Y", ColumnType::Real},
//                     {kRefusalColumn}};
//   layout.epsg = 31370;
//   FileWriter writer("arbres.gpkg", FileFormat::GeoPackage, layout);
//   std::vector<Point> shape{{150000.4, 170000.7}};  // ResultGeometry::Make
//   writer.Write({"P1", "150000", "170000", ""}, shape);
//   writer.Write({"P2", "", "", "Champ manquant"}, {});  // a refused line
//   writer.Commit();  // arbres.gpkg holds both, or is as it was
//
// Formats with typed columns (GeoPackage, shapefile, XLSX, ODS) get the
// Real and Integer columns as numbers ("50,85000" is 50.85); others get
// every cell as text. Formats without geometry (CSV, XLSX, ODS) keep the
// attributes alone. CSV is written as French spreadsheets read it: UTF-8
// with a byte-order mark, semicolons, CR LF. Shapefiles' names are cut to
// ten characters by the format (koord_refus becomes koord_refu) and their
// text is UTF-8, said so by a .cpg file. GPX holds only points with a
// position: a refused line has no place there and is counted (Unplaced);
// squares become closed tracks. A GeoPackage gets its spatial index up to
// 200 000 records (beyond, the index would cost twenty times the
// writing).
//
// Everything goes to a hidden folder beside the target (ReplacedFiles.h);
// Commit puts it in place. A writer destroyed uncommitted (an error, a run
// stopped) leaves the old file, and a shapefile's old siblings, untouched
// and no temporary file.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Choices.h"
#include "files/FileFormat.h"
#include "files/Geometry.h"

namespace koord::files {

// The column that holds why a line was refused.
inline constexpr std::string_view kRefusalColumn = "koord_refus";

enum class ColumnType { Text, Real, Integer };

struct Column {
  std::string name;
  ColumnType type = ColumnType::Text;
};

// The types of the result columns of a kind, in the order the engine
// writes them: reals for Lambert, Lambert 2008 and decimal degrees, the
// zone as text then two reals for UTM, text for MGRS, IFBL and
// degrees-minutes-seconds.
std::vector<ColumnType> ResultColumnTypes(CoordKind kind);

struct WriteLayout {
  // Input attributes, result columns, kRefusalColumn. A name met twice gets
  // "_2" (then "_3"...) the second time; an empty one "FieldN", N its
  // place from 1.
  std::vector<Column> columns;
  // The EPSG code of the geometry (ResultGeometry::Epsg); nothing: none. A
  // format that knows only WGS84 must be given 4326.
  std::optional<int> epsg;
  GeometryType geometry = GeometryType::Point;
  // The layer's (or sheet's) name; empty: the file's name without its
  // extension.
  std::string layerName;
};

class FileWriter {
 public:
  // Prepares the new file beside `path`. Raises FileError when the file
  // cannot be written or replaced, or the format is not written here.
  FileWriter(const std::string& path, FileFormat format, const WriteLayout& layout);
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // The names of the columns as written (made unique).
  const std::vector<std::string>& ColumnNames() const;

  // One record: a cell per column, and its shape (ResultGeometry::Make):
  // one point, a closed ring, or nothing for a refused line. Raises
  // FileError when the record cannot be written (a coordinate not finite,
  // the disk full).
  void Write(std::span<const std::string_view> cells, std::span<const Point> shape);
  void Write(std::initializer_list<std::string_view> cells, std::span<const Point> shape) {
    Write(std::span<const std::string_view>(cells.begin(), cells.size()), shape);
  }
  void Write(const std::vector<std::string>& cells, std::span<const Point> shape);

  // Finishes the file and puts it in place of the old one. Raises
  // FileError when that fails, the old file then kept.
  void Commit();

  // Records that the format had no place for (refused lines in GPX).
  std::size_t Unplaced() const;

  // The hidden folder that holds the new file until Commit
  // (ReplacedFiles::WorkFolder), for a program that must remove it from a
  // signal handler.
  const std::string& WorkFolder() const;

 private:
  class State;
  std::unique_ptr<State> state_;
};

}  // namespace koord::files
