// koord-cli as people run it, its outputs rounded to the metre, on points
// over Belgium, against PROJ and GeographicLib: Lambert 1972 and 2008 from
// ETRS89 degrees and from each other within the rounding (half a metre per
// axis) of PROJ's official chain, and from WGS84 degrees with --precise
// within the rounding and the 0.2 m of the transformation; UTM numbers
// within the rounding of GeographicLib's, in the point's zone and in a
// zone given; MGRS references at 10 m to 10 km as GeographicLib writes
// them. Lambert 1972 taken to Lambert 2008 and back by two runs comes back
// as it was.

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "geodesy/ConformalConic.h"
#include "geodesy/GridBounds.h"
#include "geodesy/Lambert.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Proj.h"
#include "tests/cli/ChildProcess.h"

namespace koord::accuracy {
namespace {

using koord::test::ChildProcess;

// The points in degrees: a grid of 0.02 degree over Belgium and its borders.
constexpr double kSouth = 49.45;
constexpr double kNorth = 51.55;
constexpr double kWest = 2.50;
constexpr double kEast = 6.45;
constexpr double kDegreeStep = 0.02;
// Lambert 1972 input: a grid of 5 km over the accepted range.
constexpr double kLambertStep = 5000;
// Belgium's extent in Lambert 1972, with a margin, and the 1 km grid of the
// round trip over it.
constexpr GridBounds kBelgium{20000, 300000, 15000, 250000};
constexpr double kRoundTripStep = 1000;

// Metres, per axis: the rounding to the metre, and what Koord's arithmetic
// and the oracles' may add to it.
constexpr double kRounding = 0.5;
constexpr double kArithmetic = 0.001;
// The transformation BD72 to WGS84 (--precise) against PROJ's, which may
// take another of the published ones.
constexpr double kTransformation = 0.2;
// How close to a half metre an axis of Lambert 2008 may lie and its
// rounding not carry back: the two grids are turned by some 1.2e-4 rad,
// so the rounding of the other axis, up to half a metre, moves it by
// 6e-5 m on the way back.
constexpr double kHalfMetreTie = 1e-4;
// Closer than this to a line of the square, Koord's series and
// GeographicLib's exact projection may name squares on either side.
constexpr double kSeriesMargin = 1e-3;

#ifdef KOORD_CLI

// A file of input lines in a scratch folder, removed with it.
class InputFile {
 public:
  explicit InputFile(const std::string& text)
      : path_(std::filesystem::temp_directory_path() /
              ("koord-accuracy-" + std::to_string(getpid()) + "-" + std::to_string(++count_))) {
    std::ofstream(path_) << text;
  }
  ~InputFile() { std::filesystem::remove(path_); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  std::string Path() const { return path_.string(); }

 private:
  static inline int count_ = 0;
  std::filesystem::path path_;
};

// koord-cli's output lines for the input lines, run with `arguments`.
std::vector<std::string> RunCli(const std::vector<std::string>& arguments,
                                const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  const InputFile input(text);
  std::vector<std::string> command{KOORD_CLI};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ChildProcess::Setup setup;
  setup.inputFile = input.Path();
  ChildProcess cli(command, setup);
  const ChildProcess::Result result = cli.Finish();
  std::vector<std::string> out;
  std::istringstream stream(result.output);
  for (std::string line; std::getline(stream, line);) out.push_back(line);
  EXPECT_EQ(out.size(), lines.size()) << result.errors;
  return out;
}

// The numbers of an output line, or none when the line is a refusal.
std::vector<double> Numbers(const std::string& line) {
  std::vector<double> numbers;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) {
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    if (end == field.c_str() || *end != '\0') return {};
    numbers.push_back(value);
  }
  return numbers;
}

struct Point {
  double u, v;  // latitude and longitude in degrees, or X and Y in metres
  std::string text;
};

std::vector<Point> DegreePoints() {
  std::vector<Point> points;
  for (double latitude = kSouth; latitude <= kNorth; latitude += kDegreeStep) {
    for (double longitude = kWest; longitude <= kEast; longitude += kDegreeStep) {
      char text[64];
      std::snprintf(text, sizeof text, "%.2f\t%.2f", latitude, longitude);
      // The point is the one written, as koord-cli reads it.
      points.push_back({std::strtod(text, nullptr), std::strtod(text + 6, nullptr), text});
    }
  }
  return points;
}

std::vector<Point> MetrePoints(const GridBounds& bounds, double step) {
  std::vector<Point> points;
  for (double x = bounds.minX; x <= bounds.maxX; x += step) {
    for (double y = bounds.minY; y <= bounds.maxY; y += step) {
      points.push_back(
          {x, y,
           std::to_string(static_cast<long>(x)) + "\t" + std::to_string(static_cast<long>(y))});
    }
  }
  return points;
}

std::vector<std::string> Texts(const std::vector<Point>& points) {
  std::vector<std::string> texts;
  for (const Point& p : points) texts.push_back(p.text);
  return texts;
}

// Compares koord-cli's metres with an oracle's, per axis; a line that
// koord-cli refuses must be one whose oracle point lies outside `bounds`.
void CompareMetres(const std::string& quantity, const std::vector<std::string>& arguments,
                   const std::vector<Point>& points,
                   const std::function<std::array<double, 2>(const Point&)>& oracle,
                   const std::string& reference, const GridBounds& bounds, double tolerance) {
  const std::vector<std::string> out = RunCli(arguments, Texts(points));
  ASSERT_EQ(out.size(), points.size());
  Spread spread;
  std::size_t refused = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::array<double, 2> expected = oracle(points[i]);
    const std::vector<double> got = Numbers(out[i]);
    if (got.size() != 2) {
      ++refused;
      EXPECT_FALSE(bounds.Contains(expected[0], expected[1])) << points[i].text << " -> " << out[i];
      continue;
    }
    spread.Add(std::max(std::fabs(got[0] - expected[0]), std::fabs(got[1] - expected[1])),
               points[i].text + " -> " + out[i]);
  }
  Report(quantity + " (" + std::to_string(refused) + " outside refused)", reference, spread, "m",
         tolerance);
  EXPECT_LE(spread.Max(), tolerance) << spread.WorstAt();
}

// PROJ's transformation between two CRS, axes as the CRS give them.
std::function<std::array<double, 2>(const Point&)> ProjOracle(const std::string& from,
                                                              const std::string& to,
                                                              std::string& operation) {
  auto proj = std::make_shared<ProjOperation>(from, to);
  return [proj, &operation](const Point& p) {
    const PJ_COORD out = proj->Forward(p.u, p.v);
    operation = proj->LastUsedName();
    return std::array<double, 2>{out.v[0], out.v[1]};
  };
}

TEST(CliAccuracy, LambertFromEtrs89Degrees) {
  const std::vector<Point> points = DegreePoints();
  std::string operation;
  CompareMetres("koord-cli ETRS89 degrees -> Lambert 1972",
                {"-f", "deg", "--datum-from", "etrs89", "-t", "lambert"}, points,
                ProjOracle("EPSG:4258", "EPSG:31370", operation), "PROJ EPSG:4258 -> EPSG:31370",
                Lambert::kBounds, kRounding + kArithmetic);
  std::printf("PROJ operation: %s\n", operation.c_str());
  CompareMetres("koord-cli ETRS89 degrees -> Lambert 2008",
                {"-f", "deg", "--datum-from", "etrs89", "-t", "lambert2008"}, points,
                ProjOracle("EPSG:4258", "EPSG:3812", operation), "PROJ EPSG:4258 -> EPSG:3812",
                kLambert2008Bounds, kRounding + kArithmetic);
}

TEST(CliAccuracy, LambertFromWgs84DegreesPrecise) {
  const std::vector<Point> points = DegreePoints();
  std::string operation;
  CompareMetres("koord-cli WGS84 degrees -> Lambert 1972, --precise",
                {"-f", "deg", "--precise", "-t", "lambert"}, points,
                ProjOracle("EPSG:4326", "EPSG:31370", operation), "PROJ EPSG:4326 -> EPSG:31370",
                Lambert::kBounds, kRounding + kTransformation + kArithmetic);
  std::printf("PROJ operation: %s\n", operation.c_str());
  CompareMetres("koord-cli WGS84 degrees -> Lambert 2008, --precise",
                {"-f", "deg", "--precise", "-t", "lambert2008"}, points,
                ProjOracle("EPSG:4326", "EPSG:3812", operation), "PROJ EPSG:4326 -> EPSG:3812",
                kLambert2008Bounds, kRounding + kTransformation + kArithmetic);
  std::printf("PROJ operation: %s\n", operation.c_str());
}

TEST(CliAccuracy, LambertFromEachOther) {
  const std::vector<Point> points = MetrePoints(Lambert::kBounds, kLambertStep);
  std::string operation;
  CompareMetres("koord-cli Lambert 1972 -> Lambert 2008", {"-f", "lambert", "-t", "lambert2008"},
                points, ProjOracle("EPSG:31370", "EPSG:3812", operation),
                "PROJ EPSG:31370 -> EPSG:3812", kLambert2008Bounds, kRounding + kArithmetic);
  // Lambert 2008 input: the same points, 500 km further east and north.
  std::vector<Point> points2008;
  for (const Point& p : points) {
    const double x = p.u + 500000;
    const double y = p.v + 500000;
    points2008.push_back(
        {x, y, std::to_string(static_cast<long>(x)) + "\t" + std::to_string(static_cast<long>(y))});
  }
  CompareMetres("koord-cli Lambert 2008 -> Lambert 1972", {"-f", "lambert2008", "-t", "lambert"},
                points2008, ProjOracle("EPSG:3812", "EPSG:31370", operation),
                "PROJ EPSG:3812 -> EPSG:31370", Lambert::kBounds, kRounding + kArithmetic);
}

// GeographicLib's UTM numbers of a point, in its own zone or in `zone`,
// as koord-cli writes them: "31N", easting, northing.
struct Utm {
  std::string zone;
  double easting, northing;
};

Utm GeographicLibUtm(const Point& p, int zone) {
  int used = 0;
  bool north = false;
  Utm utm{};
  GeographicLib::UTMUPS::Forward(p.u, p.v, used, north, utm.easting, utm.northing, zone);
  utm.zone = std::to_string(used) + (north ? "N" : "S");
  return utm;
}

void CompareUtm(const std::vector<std::string>& arguments, int zone, const std::string& quantity) {
  const std::vector<Point> points = DegreePoints();
  const std::vector<std::string> out = RunCli(arguments, Texts(points));
  ASSERT_EQ(out.size(), points.size());
  Spread spread;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Utm expected = GeographicLibUtm(points[i], zone);
    const std::size_t tab = out[i].find('\t');
    ASSERT_NE(tab, std::string::npos) << points[i].text << " -> " << out[i];
    EXPECT_EQ(out[i].substr(0, tab), expected.zone) << points[i].text;
    const std::vector<double> got = Numbers(out[i].substr(tab + 1));
    ASSERT_EQ(got.size(), 2u) << points[i].text << " -> " << out[i];
    spread.Add(
        std::max(std::fabs(got[0] - expected.easting), std::fabs(got[1] - expected.northing)),
        points[i].text + " -> " + out[i]);
  }
  Report(quantity, "GeographicLib UTMUPS", spread, "m", kRounding + kArithmetic);
  EXPECT_LE(spread.Max(), kRounding + kArithmetic) << spread.WorstAt();
}

TEST(CliAccuracy, UtmFromWgs84Degrees) {
  CompareUtm({"-f", "deg", "-t", "utm"}, GeographicLib::UTMUPS::STANDARD,
             "koord-cli WGS84 degrees -> UTM");
  CompareUtm({"-f", "deg", "-t", "utm", "--zone", "31"}, 31,
             "koord-cli WGS84 degrees -> UTM, --zone 31");
}

// Whether a grid value lies within kSeriesMargin of a line of squares of
// `side` metres.
bool NearALine(double value, double side) {
  const double r = std::fmod(value, side);
  return r < kSeriesMargin || side - r < kSeriesMargin;
}

TEST(CliAccuracy, MgrsFromWgs84Degrees) {
  const std::vector<Point> points = DegreePoints();
  for (const int digits : {1, 2, 3, 4}) {
    const double side = std::pow(10.0, 5 - digits);
    const std::vector<std::string> out = RunCli(
        {"-f", "deg", "-t", "mgrs", "-p", std::to_string(static_cast<long>(side))}, Texts(points));
    ASSERT_EQ(out.size(), points.size());
    int compared = 0;
    int differing = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      int zone = 0;
      bool north = false;
      double x = 0, y = 0;
      GeographicLib::UTMUPS::Forward(points[i].u, points[i].v, zone, north, x, y);
      if (NearALine(x, side) || NearALine(y, side)) continue;
      std::string expected;
      GeographicLib::MGRS::Forward(zone, north, x, y, points[i].u, digits, expected);
      ++compared;
      if (out[i] != expected) ++differing;
      EXPECT_EQ(out[i], expected) << points[i].text;
    }
    Spread spread;
    spread.Add(differing, "");
    Report("koord-cli WGS84 degrees -> MGRS -p " + std::to_string(static_cast<long>(side)) + ", " +
               std::to_string(compared) + " references, differing",
           "GeographicLib MGRS", spread, "refs", 0);
  }
}

TEST(CliAccuracy, LambertThroughLambert2008ComesBack) {
  // koord-cli -t lambert2008 | koord-cli -f lambert2008 -t lambert: each
  // point as it was, but where Lambert 2008 lay on a half metre, within
  // what the turn between the two grids moves on the way back.
  const std::vector<Point> points = MetrePoints(kBelgium, kRoundTripStep);
  const std::vector<std::string> there = RunCli({"-t", "lambert2008"}, Texts(points));
  const std::vector<std::string> back = RunCli({"-f", "lambert2008", "-t", "lambert"}, there);
  ASSERT_EQ(back.size(), points.size());
  const ProjOperation proj("EPSG:31370", "EPSG:3812");
  int ties = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (back[i] == points[i].text) continue;
    const PJ_COORD exact = proj.Forward(points[i].u, points[i].v);
    const std::vector<double> got = Numbers(back[i]);
    ASSERT_EQ(got.size(), 2u) << points[i].text << " -> " << there[i] << " -> " << back[i];
    for (std::size_t axis = 0; axis < 2; ++axis) {
      if (got[axis] == (axis == 0 ? points[i].u : points[i].v)) continue;
      const double fraction = exact.v[axis] - std::floor(exact.v[axis]);
      EXPECT_LT(std::fabs(fraction - 0.5), kHalfMetreTie)
          << points[i].text << " -> " << there[i] << " -> " << back[i];
    }
    ++ties;
  }
  Spread spread;
  spread.Add(ties, "");
  Report("Lambert 1972 -> 2008 -> 1972 by koord-cli, " + std::to_string(points.size()) +
             " points of 1 km, not back",
         "the starting point", spread, "points", 0);
}

#else

TEST(CliAccuracy, NeedsKoordCli) {
  GTEST_SKIP() << "koord-cli is not built";
}

#endif

}  // namespace
}  // namespace koord::accuracy
