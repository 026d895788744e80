#pragma once
// The records of a GeoPackage's feature table written straight through
// SQLite, into a table that GDAL created empty (with its columns, its
// coordinate system and the GeoPackage's own tables): what GDAL's writing
// would have put in the file, for a quarter of its time.
//
//   GeoPackageTable table(workPath, "arbres.gpkg",
//                         {"arbres", "geom", {"Id", "X", "Y"}, GeometryType::Point});
//   std::vector<CellValue> cells{std::string_view("P1"), 150000.0, 170000.0};
//   std::vector<Point> shape{{150000, 170000}};
//   table.Insert(cells, shape);
//   cells = {std::string_view("P2"), {}, {}};
//   table.Insert(cells, {});  // a record without geometry
//   table.Finish();  // the table's extent and count, then the one COMMIT
//
// Each record's geometry is written as GDAL writes it: the GeoPackage
// header ("GP", version 0, little endian, the srs_id; an xy envelope for a
// polygon, none for a point) then ISO WKB. The records are inserted a
// batch at a time within one transaction, the disk never synced: the file
// lies in a work folder that is thrown away unless the whole writing
// succeeds (ReplacedFiles.h). The trigger that counts the table's records
// in gpkg_ogr_contents is set aside while they are inserted and the count
// written once. Private to files/: FileWriter writes GeoPackages with it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "files/Geometry.h"
#include "files/Writeback.h"

struct sqlite3_stmt;

namespace koord::files {

// A text between quotes, each one inside doubled: an SQL identifier
// ('"': "a""b") or string literal ('\'': 'l''arbre').
std::string SqlQuoted(std::string_view text, char quote);

// A typed cell: NULL, a real, an integer or a text (UTF-8).
using CellValue = std::variant<std::monostate, double, std::int64_t, std::string_view>;

struct TableLayout {
  std::string table;
  // The geometry column; empty: a table of attributes alone.
  std::string geometryColumn;
  // The attribute columns, in the order of Insert's cells.
  std::vector<std::string> columns;
  GeometryType geometry = GeometryType::Point;
};

class GeoPackageTable {
 public:
  // Opens the GeoPackage at `path`, whose table `layout.table` GDAL
  // created and left empty, and begins the transaction. `name` is the file
  // as the user named it, for the messages. Raises FileError (the SQLite
  // message as its detail) when the file cannot be opened or prepared.
  GeoPackageTable(const std::string& path, std::string name, const TableLayout& layout);
  // Uncommitted: what was inserted is dropped with the connection.
  ~GeoPackageTable();
  GeoPackageTable(const GeoPackageTable&) = delete;
  GeoPackageTable& operator=(const GeoPackageTable&) = delete;

  // One record: a cell per column, its shape (one point, or a closed ring;
  // empty: NULL geometry). The coordinates must be finite. Raises
  // FileError when SQLite fails (the disk full): the file is then of no
  // use.
  void Insert(std::span<const CellValue> cells, std::span<const Point> shape);

  // The records held back, the extent of the geometries and the time of
  // the change in gpkg_contents, the count in gpkg_ogr_contents, the
  // counting trigger put back, then COMMIT and the file closed. Raises
  // FileError when SQLite fails.
  void Finish();

  // Records per INSERT at most: fewer statements run, and, as the table's
  // key is AUTOINCREMENT, fewer updates of sqlite_sequence.
  static constexpr std::size_t kBatchRows = 128;
  // Records between two starts of the disk's writing of the file: some
  // megabytes.
  static constexpr std::size_t kWritebackRows = 128 * 512;

 private:
  class Connection;
  // A cell held until its batch is written: texts and geometries as spans
  // of `bytes_`.
  struct Held {
    enum class Kind : std::uint8_t { Null, Real, Integer, Text, Blob } kind;
    double real;
    std::int64_t integer;
    std::size_t offset;
    std::size_t size;
  };

  void Flush();
  void Step(sqlite3_stmt* statement) const;
  void AppendGeometry(std::span<const Point> shape);
  [[noreturn]] void Fail() const;

  std::string name_;
  std::string table_;
  std::unique_ptr<Connection> db_;
  std::size_t columns_;  // of a record's cells
  bool geometry_;
  std::size_t parameters_;  // of a record: its geometry, then its cells
  bool polygon_;
  std::int32_t srsId_ = 0;
  std::size_t batchRows_ = kBatchRows;
  std::vector<Held> held_;
  std::string bytes_;
  std::size_t count_ = 0;
  bool anyShape_ = false;
  double minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
  // The SQL of the triggers that GDAL makes to keep gpkg_ogr_contents's
  // count (an UPDATE per record), put back by Finish.
  std::vector<std::string> setAside_;
  bool finished_ = false;
  Writeback writeback_;
};

}  // namespace koord::files
