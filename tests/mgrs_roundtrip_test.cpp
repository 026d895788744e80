// Every MGRS reference that Koord writes reads back: for points all over
// the UTM latitudes and along every zone, band, Norway and Svalbard, and
// polar edge, at every precision from 1 m to 100 km, on the three
// ellipsoids of the catalogue's datums (both lettering schemes). The point
// read back is the representative point of the reference's square, so it
// lies within half a square's diagonal of the point written, plus the
// rounding to the metre.

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

#include "core/TransCoo.h"
#include "tests/MgrsTestPoints.h"

namespace koord {
namespace {

using koord::test::TestPoint;

constexpr int kRandomPoints = 2000;
constexpr int kAlongEachEdge = 8;
constexpr std::uint64_t kSeed = 1984;
constexpr double kMetresPerDegree = 111320;  // m, a degree of the equator
// The ground distance below is spherical and ignores the UTM scale.
constexpr double kDistanceSlack = 1.01;

// Precision in metres, and the side of the square it writes.
constexpr std::int32_t kPrecisions[] = {1, 10, 100, 1000, 10000, 100000};

double Distance(const TransCoo& a, const TestPoint& b) {
  const double cosine = std::cos(b.latitude * std::numbers::pi / 180);
  // Across the antimeridian the longitudes differ by about a turn.
  const double longitudes = std::remainder(a.Longitude() - b.longitude, 360.0);
  return kMetresPerDegree * std::hypot(a.Latitude() - b.latitude, longitudes * cosine);
}

TEST(MgrsRoundTrip, EveryReferenceWrittenReadsBack) {
  std::vector<TestPoint> points = koord::test::RandomUtmPoints(kRandomPoints, kSeed);
  const std::vector<TestPoint> edges = koord::test::UtmEdgePoints(kAlongEachEdge);
  points.insert(points.end(), edges.begin(), edges.end());
  int references = 0;
  for (const char* datum : {"WGS84", "EUR-M", "NTF"}) {
    TransCoo writer;
    TransCoo reader;
    for (TransCoo* object : {&writer, &reader}) {
      object->SetDatumFrom(datum);
      object->SetDatumDest(datum);
    }
    for (const std::int32_t precision : kPrecisions) {
      writer.mgrsPrecision = precision;
      // The square's representative point, 1 m short of its centre, and
      // the point written, up to half a metre west or south of the square
      // by the rounding, or a metre north of it where the last metre south
      // of the equator is kept.
      const double reach = (precision / 2.0 + 1) * std::numbers::sqrt2;
      for (const TestPoint& p : points) {
        writer.Reset();
        writer.SetOrigType("deg");
        writer.SetLatitude(p.latitude);
        writer.SetLongitude(p.longitude);
        writer.Conversion();
        ASSERT_EQ(writer.Error(), "");
        if (writer.MgrsResult() != DMA::MgrsStatus::Made) continue;  // beyond the UTM range
        ++references;
        reader.Reset();
        reader.SetOrigType("mgr");
        reader.SetMGRS(writer.MGRS());
        reader.Conversion();
        SCOPED_TRACE(testing::Message()
                     << datum << " " << p.latitude << " " << p.longitude << " " << writer.MGRS());
        ASSERT_EQ(reader.Error(), "");
        EXPECT_LE(Distance(reader, p), reach * kDistanceSlack);
      }
    }
  }
  EXPECT_GT(references, 200000);
}

}  // namespace
}  // namespace koord
