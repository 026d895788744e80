// MGRS references read back by Koord's conversion object and by
// GeographicLib's MGRS::Reverse: every reference that either writes for
// points world-wide and along every zone, band, Norway and Svalbard, and
// polar edge, at every precision from 1 m to 100 km (WGS84). Koord refuses no
// reference that GeographicLib accepts, reads back every reference it
// writes, and decodes a reference to the representative point of its square
// (1 m short of the centre on each axis; at 1 m the reference itself) as
// GeographicLib's exact projection places that point, within 1 m.

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "core/TransCoo.h"
#include "tests/MgrsTestPoints.h"
#include "tests/accuracy/Figures.h"
#include "tests/accuracy/Ground.h"

namespace koord::accuracy {
namespace {

using koord::test::TestPoint;

constexpr int kRandomPoints = 20000;
constexpr int kAlongEachEdge = 40;
constexpr std::uint64_t kSeed = 8358;  // fixed: the same points every run
constexpr double kTolerance = 1.0;     // m, decoded point against GeographicLib's
// Digits per axis, from the 100 km square to 1 m, and the precision in
// metres that asks Koord for each.
constexpr std::array<std::int32_t, 6> kPrecisionOfDigits{100000, 10000, 1000, 100, 10, 1};

struct Position {
  double latitude, longitude;  // degrees
};

// GeographicLib's reference of a point with `digits` digits per axis;
// nothing at the poles' UPS side of 84 degrees north.
std::optional<std::string> GeographicLibReference(const TestPoint& p, int digits) {
  try {
    int zone = 0;
    bool north = false;
    double x = 0, y = 0;
    GeographicLib::UTMUPS::Forward(p.latitude, p.longitude, zone, north, x, y);
    if (zone == GeographicLib::UTMUPS::UPS) return std::nullopt;
    std::string text;
    GeographicLib::MGRS::Forward(zone, north, x, y, p.latitude, digits, text);
    return text;
  } catch (const GeographicLib::GeographicErr&) {
    return std::nullopt;
  }
}

// GeographicLib's reading: the representative point of the reference's
// square, or nothing when it refuses the text.
std::optional<Position> GeographicLibPoint(const std::string& reference) {
  int zone = 0, digits = 0;
  bool north = false;
  double x = 0, y = 0;
  try {
    GeographicLib::MGRS::Reverse(reference, zone, north, x, y, digits, false);
  } catch (const GeographicLib::GeographicErr&) {
    return std::nullopt;
  }
  if (zone == GeographicLib::UTMUPS::UPS || digits < 0) return std::nullopt;
  const double side = std::pow(10.0, 5 - digits);
  const double toPoint = side > 1 ? side / 2 - 1 : 0;
  Position p{};
  GeographicLib::UTMUPS::Reverse(zone, north, x + toPoint, y + toPoint, p.latitude, p.longitude);
  return p;
}

class Koord {
 public:
  Koord() {
    writer_.SetDatumFrom("WGS84");
    writer_.SetDatumDest("WGS84");
    reader_.SetDatumFrom("WGS84");
    reader_.SetDatumDest("WGS84");
  }

  std::optional<std::string> Reference(const TestPoint& p, int digits) {
    writer_.Reset();
    writer_.mgrsPrecision = kPrecisionOfDigits[static_cast<std::size_t>(digits)];
    writer_.SetOrigType("deg");
    writer_.SetLatitude(p.latitude);
    writer_.SetLongitude(p.longitude);
    writer_.Conversion();
    if (!writer_.Error().empty() || writer_.MgrsResult() != DMA::MgrsStatus::Made) {
      return std::nullopt;
    }
    return writer_.MGRS();
  }

  std::optional<Position> Point(const std::string& reference) {
    reader_.Reset();
    reader_.SetOrigType("mgr");
    reader_.SetMGRS(reference);
    reader_.Conversion();
    if (!reader_.Error().empty()) return std::nullopt;
    return Position{reader_.Latitude(), reader_.Longitude()};
  }

 private:
  TransCoo writer_;
  TransCoo reader_;
};

struct Tally {
  int references = 0;
  int readByGeographicLib = 0;
  int readByKoord = 0;
  Spread distance;  // m, Koord's point from GeographicLib's
};

void ReadBack(Koord& koord, const std::string& reference, bool writtenByKoord, Tally& tally) {
  ++tally.references;
  const std::optional<Position> theirs = GeographicLibPoint(reference);
  const std::optional<Position> ours = koord.Point(reference);
  tally.readByGeographicLib += theirs.has_value();
  tally.readByKoord += ours.has_value();
  if (writtenByKoord) {
    EXPECT_TRUE(ours) << "Koord refuses its own " << reference;
  }
  if (!theirs) return;
  EXPECT_TRUE(ours) << "Koord refuses " << reference << ", which GeographicLib reads";
  if (!ours) return;
  tally.distance.Add(
      GroundDistance(ours->latitude, ours->longitude, theirs->latitude, theirs->longitude),
      reference);
}

TEST(MgrsReverseAccuracy, EveryReferenceOfEveryPrecisionReadsBack) {
  std::vector<TestPoint> points = koord::test::RandomUtmPoints(kRandomPoints, kSeed);
  const std::vector<TestPoint> edges = koord::test::UtmEdgePoints(kAlongEachEdge);
  points.insert(points.end(), edges.begin(), edges.end());

  Koord koord;
  Tally fromKoord, fromGeographicLib;
  for (const TestPoint& p : points) {
    for (int digits = 0; digits < static_cast<int>(kPrecisionOfDigits.size()); ++digits) {
      if (const auto ours = koord.Reference(p, digits)) ReadBack(koord, *ours, true, fromKoord);
      if (const auto theirs = GeographicLibReference(p, digits)) {
        ReadBack(koord, *theirs, false, fromGeographicLib);
      }
    }
  }
  const auto line = [&](const char* writer, const Tally& t) {
    Report("MGRS read back, written by " + std::string(writer) + " (" +
               std::to_string(t.references) + " refs, read " + std::to_string(t.readByKoord) +
               " Koord / " + std::to_string(t.readByGeographicLib) + " GL)",
           "GeographicLib MGRS::Reverse", t.distance, "m", kTolerance);
    EXPECT_LE(t.distance.Max(), kTolerance) << t.distance.WorstAt();
  };
  line("Koord", fromKoord);
  line("GeographicLib", fromGeographicLib);
  EXPECT_EQ(fromKoord.readByKoord, fromKoord.references);
}

}  // namespace
}  // namespace koord::accuracy
