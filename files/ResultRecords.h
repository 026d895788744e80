#pragma once
// The result part of a file's records, made where each line is converted
// and read back where its record is written: the result cells
// (ResultCells) and the geometry (ResultGeometry) of each converted point.
// A run on several threads so makes them on all of its threads at once.
//
//   ResultRecords records(choices, resultChoice, /*geometry=*/true, /*wgs84=*/false);
//   BatchRun run(choices, RunOutput::Text, sink, threads, &records);
//   // in the sink, for a converted line:
//   cells = {"P1", "Chêne"};
//   ResultRecords::Read(result.extra, cells, shape);
//   // ..., "650000", "670000", "" and the point

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchRun.h"
#include "files/Geometry.h"

namespace koord::files {

class ResultRecords : public PointWork {
 public:
  // `geometry`: the records have a geometry, in WGS84 degrees when `wgs84`
  // (for the formats that know no other system).
  ResultRecords(const BatchChoices& choices, const ResultChoice& result, bool geometry, bool wgs84);
  ~ResultRecords() override;
  ResultRecords(const ResultRecords&) = delete;
  ResultRecords& operator=(const ResultRecords&) = delete;

  // The geometry's EPSG code (nothing: the choice has none, and the records
  // no geometry) and type.
  std::optional<int> Epsg() const;
  GeometryType Type() const;

  std::unique_ptr<Worker> NewWorker() const override;

  // Appends to `cells` the result cells held in `extra` (a converted line's
  // LineResult::extra) and puts its geometry in `shape`: one point, a
  // closed ring, or nothing for a result without a place.
  static void Read(std::string_view extra, std::vector<std::string>& cells,
                   std::vector<Point>& shape);

 private:
  class Maker;

  const BatchChoices choices_;
  const ResultChoice result_;
  const bool withGeometry_;
  const bool wgs84_;
  const ResultGeometry geometry_;  // for its code and type
};

}  // namespace koord::files
