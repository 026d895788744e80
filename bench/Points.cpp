#include "bench/Points.h"

#include <random>

#include "engine/BatchRun.h"
#include "engine/LineConverter.h"
#include "engine/OutputFormat.h"
#include "geodesy/Lambert.h"

namespace koord::bench {
namespace {

// Fixed seed: every run draws the same points.
constexpr unsigned kSeed = 1972;
// Lambert rectangle holding Belgium, metres.
constexpr double kWest = 22000;
constexpr double kEast = 296000;
constexpr double kSouth = 20000;
constexpr double kNorth = 245000;

}  // namespace

std::vector<Point> BelgianPoints(std::size_t count) {
  std::mt19937_64 random(kSeed);
  std::uniform_real_distribution<double> x(kWest, kEast);
  std::uniform_real_distribution<double> y(kSouth, kNorth);
  std::vector<Point> points(count);
  for (Point& p : points) {
    p.x = x(random);
    p.y = y(random);
    Lambert::LambertToGeo(p.x, p.y, p.latitude, p.longitude);
  }
  return points;
}

std::vector<std::string> InputLines(CoordKind kind, std::size_t count) {
  BatchChoices choices;
  choices.coorFrom = CoordKind::Lambert;
  choices.coorDest = kind;
  choices.datumDest = Datum::Bel72;  // the datum the lines are read in
  choices.mgrsPrecision = MgrsPrecision::Metre;
  choices.ifblPrecision = IfblPrecision::Square1km;
  LineConverter converter(choices, RunOutput::Text);
  std::vector<std::string> lines;
  lines.reserve(count);
  for (const Point& p : BelgianPoints(count)) {
    std::string line;
    AppendMetres(line, p.x, p.y);
    lines.push_back(kind == CoordKind::Lambert ? line : converter.Convert(line, Layout{}).text);
  }
  return lines;
}

}  // namespace koord::bench
