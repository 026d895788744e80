// The distance from Belgium that flags a point a Belgian list should not
// hold: known places, and the quick verdict of the cell grid against the
// measure itself all around the country.
#include <cmath>
#include <cstddef>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "engine/Belgium.h"
#include "geodesy/Lambert.h"

namespace koord {
namespace {

struct Place {
  const char* name;
  double latitude;
  double longitude;
  double atLeastKm;
  double atMostKm;
};

// Distances from a map, to the border, not to a town's edge.
const Place kPlaces[] = {
    {"Brussels", 50.8467, 4.3525, 0, 0},      {"Arlon", 49.6833, 5.8167, 0, 0},
    {"Eupen", 50.6300, 6.0300, 0, 0},         {"De Panne", 51.1000, 2.5900, 0, 0},
    {"Maastricht", 50.8489, 5.6889, 1, 5},    {"Lille", 50.6366, 3.0635, 3, 20},
    {"Paris", 48.8566, 2.3522, 180, 240},     {"Kazakhstan", 50.0, 50.0, 3000, 3600},
    {"South Pole", -90.0, 0.0, 15000, 16000},
};

TEST(BelgiumDistance, KnownPlaces) {
  for (const Place& place : kPlaces) {
    const double km = KilometresFromBelgium(place.latitude, place.longitude);
    EXPECT_GE(km, place.atLeastKm) << place.name;
    EXPECT_LE(km, place.atMostKm) << place.name;
    EXPECT_EQ(FarFromBelgium(place.latitude, place.longitude), km > kFarFromBelgiumKm)
        << place.name;
  }
}

TEST(BelgiumDistance, NoNumberIsFar) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(FarFromBelgium(nan, 4.35));
  EXPECT_TRUE(FarFromBelgium(50.85, inf));
  EXPECT_EQ(KilometresFromBelgium(nan, nan), inf);
}

// A map judged anew, north at the top, written as its .inc file holds it;
// `same` tells whether the program's map agrees.
using Verdict = char (*)(std::size_t row, std::size_t column);
std::string JudgedMap(std::size_t rows, std::size_t columns, Verdict judged, Verdict tabled,
                      bool& same) {
  std::string map;
  same = true;
  for (std::size_t k = 0; k < rows; ++k) {
    const std::size_t row = rows - 1 - k;
    map += '"';
    for (std::size_t column = 0; column < columns; ++column) {
      const char cell = judged(row, column);
      map += cell;
      same = same && cell == tabled(row, column);
    }
    map += "\",\n";
  }
  return map;
}

// The map the program holds is the one the outline gives; when it is not,
// the message is the map to put in engine/BelgiumCells.inc.
TEST(BelgiumDistance, CellMapIsTheMeasure) {
  bool same = false;
  const std::string judged = JudgedMap(kCells, kCells, JudgedCell, TabledCell, same);
  EXPECT_TRUE(same) << judged;
  // Cells small enough that none lies astride both lines.
  EXPECT_EQ(judged.find(kUnreadableCell), std::string::npos);
}

// The same for the Lambert 1972 squares that kind detection asks; and no
// Lambert point within 20 km of Belgium lies in a square judged beyond.
TEST(BelgiumDistance, LambertSquaresAreTheMeasure) {
  bool same = false;
  const std::string judged =
      JudgedMap(kLambertRows, kLambertColumns, JudgedLambertSquare, TabledLambertSquare, same);
  EXPECT_TRUE(same) << judged;
  for (double x = 0; x <= 310000; x += 1000) {
    for (double y = 0; y <= 260000; y += 1000) {
      if (MayBeCloseToBelgiumInLambert72(x, y)) continue;
      double latitude = 0;
      double longitude = 0;
      Lambert::LambertToGeo(x, y, latitude, longitude);
      ASSERT_GT(KilometresFromBelgium(latitude, longitude), kCloseToBelgiumKm) << x << ", " << y;
    }
  }
}

// Every 0.05 degree from the Bay of Biscay to Denmark, the grid's verdicts
// are the measure's: a cell judged on one side of the 100 km or the 20 km
// line holds no point on the other side.
TEST(BelgiumDistance, QuickVerdictIsTheMeasure) {
  int far = 0;
  int points = 0;
  for (int i = 0; i <= 260; ++i) {
    for (int j = 0; j <= 300; ++j) {
      const double latitude = 44.0 + 0.05 * i;
      const double longitude = -3.0 + 0.05 * j;
      const double km = KilometresFromBelgium(latitude, longitude);
      const bool measured = km > kFarFromBelgiumKm;
      ASSERT_EQ(FarFromBelgium(latitude, longitude), measured) << latitude << ", " << longitude;
      ASSERT_EQ(CloseToBelgium(latitude, longitude), km <= kCloseToBelgiumKm)
          << latitude << ", " << longitude;
      far += measured ? 1 : 0;
      ++points;
    }
  }
  // Both verdicts are met.
  EXPECT_GT(far, 0);
  EXPECT_LT(far, points);
}

}  // namespace
}  // namespace koord
