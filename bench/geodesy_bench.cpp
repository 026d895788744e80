// The geodesy routines alone, one point per iteration, cycling through a
// pool of Belgian points made before the timing.

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/Points.h"
#include "core/Catalogue.h"
#include "engine/NumberReader.h"
#include "engine/OutputFormat.h"
#include "geodesy/General.h"
#include "geodesy/Ifbl.h"
#include "geodesy/Lambert.h"
#include "geodesy/Mgrs.h"
#include "geodesy/Utm.h"

namespace koord::bench {
namespace {

// Characters of a 1 x 1 km IFBL code.
constexpr std::int16_t kIfblSquare = 6;

// UTM on the WGS 1984 ellipsoid, set up before the timing.
DMA::TransverseMercator Wgs84Projection() {
  return DMA::UtmProjection(EllipsoidOf(DatumRecordOf(Datum::Wgs84)));
}

const std::vector<Point>& Pool() {
  static const std::vector<Point> points = BelgianPoints(kPointPool);
  return points;
}

// Runs `one` on each point of the pool in turn, one point per iteration.
template <typename One>
void EachPoint(benchmark::State& state, One one) {
  const std::vector<Point>& points = Pool();
  std::size_t i = 0;
  for (auto _ : state) {
    one(points[i]);
    i = (i + 1) % points.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void LambertToGeo(benchmark::State& state) {
  EachPoint(state, [](const Point& p) {
    double latitude = 0, longitude = 0;
    Lambert::LambertToGeo(p.x, p.y, latitude, longitude);
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(longitude);
  });
}
BENCHMARK(LambertToGeo);

void GeoToLambert(benchmark::State& state) {
  EachPoint(state, [](const Point& p) {
    double x = 0, y = 0;
    Lambert::GeoToLambert(p.latitude, p.longitude, x, y);
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
  });
}
BENCHMARK(GeoToLambert);

void MolodenskyShift(benchmark::State& state) {
  const DatumRecord& datum = DatumRecordOf(Datum::Bel72);
  const General::Molodensky toWgs84(datum, EllipsoidOf(datum), 1);
  EachPoint(state, [&](const Point& p) {
    double latitude = 0, longitude = 0;
    toWgs84.Shift(p.latitude, p.longitude, 0, latitude, longitude);
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(longitude);
  });
}
BENCHMARK(MolodenskyShift);

void GeoToUtm(benchmark::State& state) {
  const DMA::TransverseMercator wgs84 = Wgs84Projection();
  std::string mgrs;
  EachPoint(state, [&](const Point& p) {
    std::int16_t zone = 0;
    double northing = 0, easting = 0;
    DMA::GeoToUtm(wgs84, p.latitude, p.longitude, zone, northing, easting, mgrs);
    benchmark::DoNotOptimize(mgrs.data());
  });
}
BENCHMARK(GeoToUtm);

void MgrsToGeo(benchmark::State& state) {
  const DMA::TransverseMercator wgs84 = Wgs84Projection();
  std::vector<std::string> references;
  for (const std::string& line : InputLines(CoordKind::Mgrs, kPointPool)) {
    references.push_back(line);
  }
  std::size_t i = 0;
  std::string mgrs;
  for (auto _ : state) {
    mgrs = references[i];
    double latitude = 0, longitude = 0, northing = 0, easting = 0;
    std::int16_t zone = 0;
    std::int32_t refused = 0;
    DMA::MgrsToGeo(mgrs, wgs84, latitude, longitude, zone, northing, easting, refused);
    benchmark::DoNotOptimize(latitude);
    i = (i + 1) % references.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MgrsToGeo);

void LambertToIfbl(benchmark::State& state) {
  std::string code;
  EachPoint(state, [&](const Point& p) {
    std::int32_t status = 0;
    IFBL::LambertToIfbl(p.x, p.y, code, status, kIfblSquare);
    benchmark::DoNotOptimize(code.data());
  });
}
BENCHMARK(LambertToIfbl);

void IfblToLambert(benchmark::State& state) {
  const std::vector<std::string> codes = InputLines(CoordKind::Ifbl, kPointPool);
  std::size_t i = 0;
  std::string code;
  for (auto _ : state) {
    code = codes[i];
    double x = 0, y = 0;
    std::int32_t status = 0;
    IFBL::IfblToLambert(code, x, y, status);
    benchmark::DoNotOptimize(x);
    i = (i + 1) % codes.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(IfblToLambert);

// The text side of a line: reading two numbers, writing two degrees.
void ReadTwoNumbers(benchmark::State& state) {
  const std::vector<std::string> lines = InputLines(CoordKind::Lambert, kPointPool);
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string_view line = lines[i];
    const std::size_t tab = line.find('\t');
    double x = 0;
    double y = 0;
    benchmark::DoNotOptimize(ReadNumber(line.substr(0, tab), x));
    benchmark::DoNotOptimize(ReadNumber(line.substr(tab + 1), y));
    benchmark::DoNotOptimize(x + y);
    i = (i + 1) % lines.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadTwoNumbers);

void WriteDegrees(benchmark::State& state) {
  std::string out;
  EachPoint(state, [&](const Point& p) {
    out.clear();
    AppendDegrees(out, p.latitude, p.longitude, '.');
    benchmark::DoNotOptimize(out.data());
  });
}
BENCHMARK(WriteDegrees);

}  // namespace
}  // namespace koord::bench
