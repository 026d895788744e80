// The time of writing a million converted points to each format, against
// writing the same records as CSV text, and against converting them. Not a
// test: `koord-files-speed [points] [folder] [formats]` prints the times;
// formats by their --format names, "gpkg,csv" (default: gpkg, csv, shp,
// geojson).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/TransCoo.h"
#include "engine/OutputFormat.h"
#include "files/FileWriter.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace koord;
  using namespace koord::files;
  const long count = argc > 1 ? std::atol(argv[1]) : 1'000'000;
  const std::filesystem::path folder = argc > 2 ? argv[2] : "/tmp";
  std::vector<FileFormat> formats;
  for (std::string_view names = argc > 3 ? argv[3] : "gpkg,csv,shp,geojson"; !names.empty();) {
    const std::size_t comma = std::min(names.find(','), names.size());
    const std::optional<FileFormat> format = FormatOfName(names.substr(0, comma));
    if (!format) {
      std::fprintf(stderr, "koord-files-speed: unknown format in %s\n", argv[3]);
      return 2;
    }
    formats.push_back(*format);
    names.remove_prefix(std::min(comma + 1, names.size()));
  }

  // Lambert 1972 points over Belgium, a fixed seed.
  std::mt19937 random(1972);
  std::uniform_real_distribution<double> east(20000, 290000);
  std::uniform_real_distribution<double> north(20000, 240000);
  std::vector<std::vector<std::string>> records;
  std::vector<Point> points;
  records.reserve(static_cast<std::size_t>(count));

  // The conversion, Lambert 1972 to degrees WGS84, as a run does it.
  TransCoo point;
  point.SetDatumFrom("BEL72");
  point.SetDatumDest("WGS84");
  point.ComputeUtm = false;
  point.ComputeIfbl = false;
  point.ComputeLambert2008 = false;
  ResultGeometry geometry({CoordKind::Degrees, Datum::Wgs84}, false);
  std::vector<Point> shape;
  const Clock::time_point converting = Clock::now();
  for (long i = 0; i < count; ++i) {
    const double x = east(random);
    const double y = north(random);
    point.Reset();
    point.SetOrigType("LMB");
    point.SetX(x);
    point.SetY(y);
    point.Conversion();
    std::string degrees;
    AppendDegrees(degrees, point.Latitude(), point.Longitude(), '.');
    const std::size_t tab = degrees.find('\t');
    std::string id(1, 'P');
    id += std::to_string(i);
    records.push_back({id, std::to_string(x), std::to_string(y), degrees.substr(0, tab),
                       degrees.substr(tab + 1), ""});
    geometry.Make(point, shape);
    points.push_back(shape.front());
  }
  std::printf("%ld points converted (with their texts kept): %.2f s\n", count, Seconds(converting));

  const std::filesystem::path text = folder / "koord-speed.txt";
  Clock::time_point start = Clock::now();
  {
    FILE* out = std::fopen(text.c_str(), "w");
    for (const std::vector<std::string>& cells : records) {
      std::string line;
      for (const std::string& cell : cells) {
        line += cell;
        line += ';';
      }
      line.back() = '\n';
      std::fwrite(line.data(), 1, line.size(), out);
    }
    std::fclose(out);
  }
  const double textSeconds = Seconds(start);
  std::printf("%-8s %6.2f s\n", "text", textSeconds);
  std::filesystem::remove(text);

  const std::vector<Column> columns = {{"Id"},
                                       {"X"},
                                       {"Y"},
                                       {"Latitude", ColumnType::Real},
                                       {"Longitude", ColumnType::Real},
                                       {std::string(kRefusalColumn)}};
  for (const FileFormat format : formats) {
    const FormatTraits& traits = Traits(format);
    const std::filesystem::path path = folder / ("koord-speed" + std::string(traits.extension));
    start = Clock::now();
    {
      FileWriter writer(path.string(), format, {columns, 4326, GeometryType::Point, ""});
      for (std::size_t i = 0; i < records.size(); ++i) {
        writer.Write(records[i], std::span<const Point>(&points[i], 1));
      }
      writer.Commit();
    }
    const double seconds = Seconds(start);
    std::printf("%-8s %6.2f s, %.1f x text, %.0f ns per point\n", std::string(traits.name).c_str(),
                seconds, seconds / textSeconds, seconds / static_cast<double>(count) * 1e9);
    std::filesystem::path stem = path;
    for (const char* extension :
         {".shp", ".shx", ".dbf", ".prj", ".cpg", ".gpkg", ".csv", ".geojson"}) {
      std::filesystem::remove(stem.replace_extension(extension));
    }
  }
  return 0;
}
