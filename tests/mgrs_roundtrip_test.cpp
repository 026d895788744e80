// Every MGRS reference that Koord writes reads back: for points all over
// the UTM latitudes and along every zone, band, Norway and Svalbard, and
// polar edge, at every precision from 1 m to 100 km, on the three
// ellipsoids of the catalogue's datums (both lettering schemes). The point
// read back is the representative point of the reference's square, so it
// lies within half a square's diagonal of the point written, plus the
// rounding to the metre; the writer works out the same point, to the bit,
// from the numbers it made the reference of. At 100 km to 10 m the reference names the square
// that holds the point, as worked out here from the grid's definition,
// for points on and beside the lines of the squares too.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <string_view>
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
        // The writer knows that point without reading its text, to the bit.
        const auto made = writer.MgrsPoint();
        ASSERT_TRUE(made.has_value());
        EXPECT_EQ(made->first, reader.Latitude());
        EXPECT_EQ(made->second, reader.Longitude());
      }
    }
  }
  EXPECT_GT(references, 200000);
}

// The reference that names the square of `side` metres holding a UTM
// position, worked out here from the definition of the grid: the zone in
// one or two digits, the band of the latitude (8 degrees from 80 S, the
// northern one on a parallel), the column of the easting in the zone's set
// of eight letters, the row of the northing in the twenty letters that
// repeat every 2 000 000 m from where the lettering scheme and the zone's
// parity start them, then the digits of the square within the 100 km
// square, cut.
std::string SquareReference(int zone, double latitude, double easting, double northing,
                            bool secondLettering, double side) {
  constexpr std::string_view kBands = "CDEFGHJKLMNPQRSTUVWX";
  constexpr std::array<std::string_view, 3> kColumns{"ABCDEFGH", "JKLMNPQR", "STUVWXYZ"};
  constexpr std::string_view kRows = "ABCDEFGHJKLMNPQRSTUV";
  constexpr double kSquare = 100000;
  // Rows (of 100 km) the lettering starts after northing 0: scheme 1 odd
  // and even zones, scheme 2 odd and even zones.
  constexpr std::array<std::array<int, 2>, 2> kRowShift{{{0, 5}, {10, 15}}};
  const auto band = static_cast<std::size_t>(std::clamp(std::floor(latitude / 8) + 10, 0.0, 19.0));
  auto e = static_cast<long>(std::floor(easting));
  auto n = static_cast<long>(std::floor(northing));
  if (latitude < 0 && n == 10000000) n = 9999999;  // the last metre south of the equator
  const auto column = static_cast<std::size_t>(e / 100000 - 1);
  const auto row = static_cast<std::size_t>(
      (n / 100000 + kRowShift[secondLettering ? 1 : 0][zone % 2 == 0 ? 1 : 0]) % 20);
  std::string text = std::to_string(zone);
  text += kBands[band];
  text += kColumns[static_cast<std::size_t>(zone - 1) % 3].at(column);
  text += kRows[row];
  const auto digits = static_cast<std::size_t>(std::lround(std::log10(kSquare / side)));
  const long scale = std::lround(side);
  for (const long within : {e % 100000 / scale, n % 100000 / scale}) {
    const std::string number = std::to_string(within);
    if (digits > 0) text += std::string(digits - number.size(), '0') + number;
  }
  return text;
}

// The points on and beside 100 km lines of zones 31 and 32, given as UTM
// numbers: eastings and northings of whole 100 km, and a micrometre and 4
// decimetres off them.
struct UtmNumbers {
  std::int16_t zone;
  double easting, northing;
};

std::vector<UtmNumbers> PointsOnSquareLines() {
  std::vector<UtmNumbers> points;
  for (const int zone : {31, 32}) {
    for (double easting = 300000; easting <= 700000; easting += 100000) {
      for (double northing = 5400000; northing <= 5800000; northing += 100000) {
        for (const double de : {0.0, 1e-6, -1e-6, 0.4, -0.4}) {
          for (const double dn : {0.0, 1e-6, -1e-6, 0.4, -0.4}) {
            points.push_back({static_cast<std::int16_t>(zone), easting + de, northing + dn});
          }
        }
      }
    }
  }
  return points;
}

TEST(MgrsSquares, EveryPrecisionNamesTheSquareThatHoldsThePoint) {
  // From 100 km to 10 m the reference is the square that holds the point
  // as the object places it (Easting, Northing), on both letterings; on
  // the lines themselves included.
  std::vector<TestPoint> points = koord::test::RandomUtmPoints(kRandomPoints, kSeed);
  const std::vector<TestPoint> edges = koord::test::UtmEdgePoints(kAlongEachEdge);
  points.insert(points.end(), edges.begin(), edges.end());
  const std::vector<UtmNumbers> onLines = PointsOnSquareLines();
  int references = 0;
  for (const char* datum : {"WGS84", "EUR-M", "NTF"}) {
    const bool secondLettering = std::string_view(datum) == "NTF";
    TransCoo object;
    object.SetDatumFrom(datum);
    object.SetDatumDest(datum);
    for (const std::int32_t precision : {10, 100, 1000, 10000, 100000}) {
      object.mgrsPrecision = precision;
      const auto check = [&](const std::string& where) {
        ASSERT_EQ(object.Error(), "") << where;
        if (object.MgrsResult() != DMA::MgrsStatus::Made) return;  // beyond the UTM range
        ++references;
        EXPECT_EQ(object.MGRS(), SquareReference(object.Zone(), object.Latitude(), object.Easting(),
                                                 object.Northing(), secondLettering, precision))
            << datum << " " << where << " at " << precision << " m: E " << object.Easting() << " N "
            << object.Northing();
      };
      for (const TestPoint& p : points) {
        object.Reset();
        object.SetOrigType(CoordKind::Degrees);
        object.SetLatitude(p.latitude);
        object.SetLongitude(p.longitude);
        object.Conversion();
        check(std::to_string(p.latitude) + " " + std::to_string(p.longitude));
      }
      for (const UtmNumbers& u : onLines) {
        object.Reset();
        object.SetOrigType(CoordKind::Utm);
        object.SetZone(u.zone);
        object.SetEasting(u.easting);
        object.SetNorthing(u.northing);
        object.Conversion();
        check("UTM " + std::to_string(u.zone) + " " + std::to_string(u.easting) + " " +
              std::to_string(u.northing));
      }
    }
  }
  EXPECT_GT(references, 150000);
}

// The point of the numbers stands for the reference only where they made
// it in their own grid zone; elsewhere the reference must be read.
TEST(MgrsRoundTrip, ThePointOfTheNumbersOnlyWhereTheyMadeTheReference) {
  struct Case {
    const char* what;
    const char* kind;
    const char* datumFrom;
    std::int16_t forcedZone;
    bool made;
  };
  const Case cases[] = {
      {"degrees, the zone of the point", "deg", "WGS84", 0, true},
      {"degrees, a zone forced", "deg", "WGS84", 32, false},
      {"a reference on its own datum, kept", "mgr", "WGS84", 0, false},
      {"a reference on another datum, made anew", "mgr", "EUR-M", 0, true},
      {"UTM numbers", "utm", "WGS84", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransCoo point;
    point.SetDatumFrom(c.datumFrom);
    point.SetDatumDest("WGS84");
    point.UtmZone = c.forcedZone;
    point.mgrsPrecision = 100;
    point.SetOrigType(c.kind);
    point.SetLatitude(50.85);
    point.SetLongitude(4.35);
    point.SetMGRS("31UES9632");
    point.SetZone(31);
    point.SetNorth(true);
    point.SetEasting(596000);
    point.SetNorthing(5633000);
    point.Conversion();
    ASSERT_EQ(point.Error(), "");
    EXPECT_EQ(point.MgrsPoint().has_value(), c.made);
  }
}

}  // namespace
}  // namespace koord
