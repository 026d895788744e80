#include "files/GeoPackageTable.h"

#include <algorithm>
#include <bit>
#include <sqlite3.h>
#include <stdexcept>
#include <utility>

#include "files/FileError.h"

namespace koord::files {
namespace {

// The GeoPackage binary header: its magic, version 0, then the flags:
// bit 0 little endian, bits 1 to 3 the envelope (1: minx, maxx, miny,
// maxy).
constexpr char kMagic[] = {'G', 'P', 0};
constexpr unsigned char kLittleEndian = 0x01;
constexpr unsigned char kXyEnvelope = 1 << 1;

// ISO WKB: the byte order (1: little endian) and the geometry types.
constexpr char kWkbLittleEndian = 1;
constexpr std::uint32_t kWkbPoint = 1;
constexpr std::uint32_t kWkbPolygon = 3;

void PutU32(std::string& out, std::uint32_t value) {
  const char bytes[] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                        static_cast<char>((value >> 16) & 0xFF),
                        static_cast<char>((value >> 24) & 0xFF)};
  out.append(bytes, sizeof bytes);
}

void PutDouble(std::string& out, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  PutU32(out, static_cast<std::uint32_t>(bits & 0xFFFF'FFFF));
  PutU32(out, static_cast<std::uint32_t>(bits >> 32));
}

// "(?,?,?)"
std::string Placeholders(std::size_t count) {
  std::string out(1, '(');
  for (std::size_t i = 0; i < count; ++i) out += i == 0 ? "?" : ",?";
  out += ')';
  return out;
}

}  // namespace

// The connection and its statements, closed in order whatever happens.
class GeoPackageTable::Connection {
 public:
  // Uncommitted, the transaction is rolled back as the file is closed.
  ~Connection() {
    if (Close() != SQLITE_OK) sqlite3_close_v2(db);
  }

  // SQLite's result of closing the file, its message kept by `db` when it
  // failed.
  int Close() {
    for (sqlite3_stmt** statement : {&batch, &single}) {
      sqlite3_finalize(*statement);
      *statement = nullptr;
    }
    const int result = sqlite3_close(db);
    if (result == SQLITE_OK) db = nullptr;
    return result;
  }

  sqlite3* db = nullptr;
  sqlite3_stmt* batch = nullptr;   // batchRows_ records
  sqlite3_stmt* single = nullptr;  // one record
};

std::string SqlQuoted(std::string_view text, char quote) {
  std::string out(1, quote);
  for (const char c : text) {
    out += c;
    if (c == quote) out += quote;
  }
  out += quote;
  return out;
}

GeoPackageTable::GeoPackageTable(const std::string& path, std::string name,
                                 const TableLayout& layout)
    : name_(std::move(name)),
      table_(layout.table),
      db_(std::make_unique<Connection>()),
      columns_(layout.columns.size()),
      geometry_(!layout.geometryColumn.empty()),
      parameters_(columns_ + (geometry_ ? 1 : 0)),
      polygon_(layout.geometry == GeometryType::Polygon),
      writeback_(path) {
  // One connection on one thread at a time: SQLite's own mutexes would
  // only cost.
  // A path that begins with "file:" would be read as a URI, where SQLite
  // takes them.
  const std::string file = path.starts_with("file:") ? "./" + path : path;
  if (sqlite3_open_v2(file.c_str(), &db_->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    Fail();
  }
  sqlite3* db = db_->db;
  // Nothing is synced and the journal stays in memory: the file is thrown
  // away unless it is finished, and it was empty of records.
  if (sqlite3_exec(db, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY; BEGIN", nullptr,
                   nullptr, nullptr) != SQLITE_OK) {
    Fail();
  }

  const auto run = [&](const char* sql, const std::string& bound, auto&& row) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) Fail();
    sqlite3_bind_text64(statement, 1, bound.data(), bound.size(), SQLITE_STATIC, SQLITE_UTF8);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) row(statement);
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) Fail();
  };
  if (geometry_) {
    bool found = false;
    run("SELECT srs_id FROM gpkg_geometry_columns WHERE lower(table_name) = lower(?)", layout.table,
        [&](sqlite3_stmt* statement) {
          srsId_ = sqlite3_column_int(statement, 0);
          found = true;
        });
    if (!found) {
      throw FileError(FileAction::Write, name_, FileProblem::Library,
                      "no geometry column for " + layout.table);
    }
  }
  // The counting triggers, both set aside so that they come back in their
  // order.
  std::vector<std::string> names;
  run("SELECT name, sql FROM sqlite_master WHERE type = 'trigger' AND name IN "
      "('trigger_insert_feature_count_' || ?1, 'trigger_delete_feature_count_' || ?1) "
      "ORDER BY rowid",
      layout.table, [&](sqlite3_stmt* statement) {
        const unsigned char* trigger = sqlite3_column_text(statement, 0);
        const unsigned char* sql = sqlite3_column_text(statement, 1);
        if (trigger == nullptr || sql == nullptr) return;
        names.emplace_back(reinterpret_cast<const char*>(trigger));
        setAside_.emplace_back(reinterpret_cast<const char*>(sql));
      });
  for (const std::string& trigger : names) {
    if (sqlite3_exec(db, ("DROP TRIGGER " + SqlQuoted(trigger, '"')).c_str(), nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
      Fail();
    }
  }

  std::string insert = "INSERT INTO " + SqlQuoted(layout.table, '"');
  if (parameters_ == 0) {
    insert += " DEFAULT VALUES";
    batchRows_ = 1;
  } else {
    insert += " (";
    if (geometry_) insert += SqlQuoted(layout.geometryColumn, '"');
    for (std::size_t i = 0; i < columns_; ++i) {
      if (i > 0 || geometry_) insert += ',';
      insert += SqlQuoted(layout.columns[i], '"');
    }
    insert += ") VALUES ";
    // As many records a statement as SQLite takes parameters.
    const auto limit =
        static_cast<std::size_t>(std::max(1, sqlite3_limit(db, SQLITE_LIMIT_VARIABLE_NUMBER, -1)));
    batchRows_ = std::clamp<std::size_t>(limit / parameters_, 1, kBatchRows);
  }
  const std::string row = parameters_ == 0 ? std::string() : Placeholders(parameters_);
  const auto prepare = [&](std::size_t rows, sqlite3_stmt** statement) {
    std::string sql = insert;
    for (std::size_t r = 0; r < rows; ++r) {
      if (r > 0) sql += ',';
      sql += row;
    }
    if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) !=
        SQLITE_OK) {
      Fail();
    }
  };
  prepare(1, &db_->single);
  if (batchRows_ > 1) prepare(batchRows_, &db_->batch);
  held_.reserve(batchRows_ * parameters_);
}

GeoPackageTable::~GeoPackageTable() = default;

void GeoPackageTable::Insert(std::span<const CellValue> cells, std::span<const Point> shape) {
  if (finished_) throw std::logic_error("GeoPackageTable: record inserted after Finish");
  if (cells.size() != columns_) throw std::logic_error("GeoPackageTable: wrong number of cells");
  if (geometry_) {
    if (shape.empty()) {
      held_.push_back({Held::Kind::Null, 0, 0, 0, 0});
    } else {
      const std::size_t offset = bytes_.size();
      AppendGeometry(shape);
      held_.push_back({Held::Kind::Blob, 0, 0, offset, bytes_.size() - offset});
    }
  }
  for (const CellValue& cell : cells) {
    if (const auto* real = std::get_if<double>(&cell)) {
      held_.push_back({Held::Kind::Real, *real, 0, 0, 0});
    } else if (const auto* integer = std::get_if<std::int64_t>(&cell)) {
      held_.push_back({Held::Kind::Integer, 0, *integer, 0, 0});
    } else if (const auto* text = std::get_if<std::string_view>(&cell)) {
      // A text ends at its first NUL, as a C string given to GDAL did.
      const std::string_view kept = text->substr(0, text->find('\0'));
      held_.push_back({Held::Kind::Text, 0, 0, bytes_.size(), kept.size()});
      bytes_.append(kept);
    } else {
      held_.push_back({Held::Kind::Null, 0, 0, 0, 0});
    }
  }
  ++count_;
  if (count_ % kWritebackRows == 0) writeback_.Start();
  if (parameters_ == 0) {
    Step(db_->single);
  } else if (count_ % batchRows_ == 0) {
    Flush();
  }
}

void GeoPackageTable::AppendGeometry(std::span<const Point> shape) {
  const bool closed =
      shape.size() > 1 && shape.front().x == shape.back().x && shape.front().y == shape.back().y;
  // A polygon's ring is closed as GDAL closes it.
  const std::size_t ring = shape.size() + (polygon_ && !closed ? 1 : 0);
  double minX = shape.front().x, maxX = minX;
  double minY = shape.front().y, maxY = minY;
  if (polygon_) {
    for (const Point& p : shape) {
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
  }
  bytes_.append(kMagic, sizeof kMagic);
  bytes_ += static_cast<char>(kLittleEndian | (polygon_ ? kXyEnvelope : 0));
  PutU32(bytes_, static_cast<std::uint32_t>(srsId_));
  if (polygon_) {
    for (const double bound : {minX, maxX, minY, maxY}) PutDouble(bytes_, bound);
  }
  bytes_ += kWkbLittleEndian;
  if (polygon_) {
    PutU32(bytes_, kWkbPolygon);
    PutU32(bytes_, 1);
    PutU32(bytes_, static_cast<std::uint32_t>(ring));
    for (std::size_t i = 0; i < ring; ++i) {
      const Point& p = shape[i % shape.size()];
      PutDouble(bytes_, p.x);
      PutDouble(bytes_, p.y);
    }
  } else {
    PutU32(bytes_, kWkbPoint);
    PutDouble(bytes_, shape.front().x);
    PutDouble(bytes_, shape.front().y);
  }
  if (!anyShape_) {
    minX_ = minX, maxX_ = maxX, minY_ = minY, maxY_ = maxY;
    anyShape_ = true;
    return;
  }
  minX_ = std::min(minX_, minX);
  maxX_ = std::max(maxX_, maxX);
  minY_ = std::min(minY_, minY);
  maxY_ = std::max(maxY_, maxY);
}

void GeoPackageTable::Flush() {
  const std::size_t rows = held_.size() / parameters_;
  const bool whole = rows == batchRows_ && db_->batch != nullptr;
  sqlite3_stmt* statement = whole ? db_->batch : db_->single;
  const std::size_t perStatement = whole ? rows : 1;
  for (std::size_t first = 0; first < rows; first += perStatement) {
    for (std::size_t k = 0; k < perStatement * parameters_; ++k) {
      const Held& cell = held_[first * parameters_ + k];
      const int index = static_cast<int>(k + 1);
      const char* data = bytes_.data() + cell.offset;
      switch (cell.kind) {
        case Held::Kind::Null: sqlite3_bind_null(statement, index); break;
        case Held::Kind::Real: sqlite3_bind_double(statement, index, cell.real); break;
        case Held::Kind::Integer: sqlite3_bind_int64(statement, index, cell.integer); break;
        case Held::Kind::Text:
          sqlite3_bind_text64(statement, index, data, cell.size, SQLITE_STATIC, SQLITE_UTF8);
          break;
        case Held::Kind::Blob:
          sqlite3_bind_blob64(statement, index, data, cell.size, SQLITE_STATIC);
      }
    }
    Step(statement);
  }
  held_.clear();
  bytes_.clear();
}

void GeoPackageTable::Step(sqlite3_stmt* statement) const {
  const int step = sqlite3_step(statement);
  sqlite3_reset(statement);
  if (step != SQLITE_DONE) Fail();
}

void GeoPackageTable::Finish() {
  if (finished_) return;
  if (parameters_ > 0) Flush();
  sqlite3* db = db_->db;
  // A statement run once, its values bound by `bind`; whether it gave a
  // row.
  const auto once = [&](const char* sql, auto&& bind) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) Fail();
    bind(statement);
    const int step = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE && step != SQLITE_ROW) Fail();
    return step == SQLITE_ROW;
  };
  const auto bindTable = [&](sqlite3_stmt* statement, int index) {
    sqlite3_bind_text64(statement, index, table_.data(), table_.size(), SQLITE_STATIC, SQLITE_UTF8);
  };
  if (count_ > 0 && anyShape_) {
    once(
        "UPDATE gpkg_contents SET last_change = strftime('%Y-%m-%dT%H:%M:%fZ', 'now'), "
        "min_x = ?, min_y = ?, max_x = ?, max_y = ? WHERE lower(table_name) = lower(?)",
        [&](sqlite3_stmt* statement) {
          int index = 0;
          for (const double bound : {minX_, minY_, maxX_, maxY_}) {
            sqlite3_bind_double(statement, ++index, bound);
          }
          bindTable(statement, ++index);
        });
  } else if (count_ > 0) {
    once(
        "UPDATE gpkg_contents SET last_change = strftime('%Y-%m-%dT%H:%M:%fZ', 'now') "
        "WHERE lower(table_name) = lower(?)",
        [&](sqlite3_stmt* statement) { bindTable(statement, 1); });
  }
  // An empty table keeps the count GDAL left, NULL (to be counted).
  const bool counted =
      count_ > 0 &&
      once("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'gpkg_ogr_contents'",
           [](sqlite3_stmt*) {});
  if (counted) {
    once("UPDATE gpkg_ogr_contents SET feature_count = ? WHERE lower(table_name) = lower(?)",
         [&](sqlite3_stmt* statement) {
           sqlite3_bind_int64(statement, 1, static_cast<sqlite3_int64>(count_));
           bindTable(statement, 2);
         });
  }
  for (const std::string& trigger : setAside_) {
    if (sqlite3_exec(db, trigger.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
  }
  if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
  if (db_->Close() != SQLITE_OK) Fail();
  finished_ = true;
}

void GeoPackageTable::Fail() const {
  const char* message = db_->db != nullptr ? sqlite3_errmsg(db_->db) : nullptr;
  throw FileError(FileAction::Write, name_, FileProblem::Library,
                  message != nullptr ? message : "SQLite");
}

}  // namespace koord::files
