#include "core/MgrsSquare.h"

#include <cmath>
#include <string>

#include "core/TransCoo.h"
#include "geodesy/Utm.h"
#include "support/Ascii.h"

namespace koord {
namespace {

// A reference's zone digits, band letter and two square letters come
// before its digits.
constexpr std::size_t kLettersAfterZone = 3;
constexpr int kFullDigits = 5;  // digits per axis of a 1 m reference
// A square's corner lies this far below the point read from a 1 m
// reference at most (its rounding), in units of the side.
constexpr double kCornerSlack = 1e-6;

}  // namespace

std::optional<MgrsSquare> MgrsSquareOf(std::string_view reference, std::string_view datumCode) {
  std::string text;
  for (const char c : reference) {
    if (c != ' ') text += ascii::ToUpper(c);
  }
  TransCoo point;
  point.SetDatumFrom(datumCode);
  point.SetDatumDest(datumCode);
  point.SetOrigType("MGR");
  point.SetMGRS(text);
  point.ComputeIfbl = false;
  point.ComputeLambert = false;
  point.ComputeLambert2008 = false;
  point.Conversion();
  if (!point.Error().empty()) return std::nullopt;

  // TransCoo accepted it: zone digits, then the band letter, two square
  // letters and as many digits per axis.
  const std::size_t band = text.find_first_not_of("0123456789");
  const std::size_t digits = (text.size() - band - kLettersAfterZone) / 2;
  const double side = std::pow(10.0, kFullDigits - static_cast<int>(digits));

  MgrsSquare square{};
  square.zone = point.Zone();
  square.north = point.North();
  // The point read lies within its square (1 m short of its centre, or on
  // its corner for a 1 m reference).
  square.west = std::floor(point.Easting() / side + kCornerSlack) * side;
  square.south = std::floor(point.Northing() / side + kCornerSlack) * side;
  square.side = side;

  const auto bandNumber = static_cast<std::int16_t>(text[band] - 'A' + 1);
  const DMA::CellLimits cell = DMA::BandLimits(bandNumber, square.zone);
  const double degree = DMA::Degree();
  square.cellSouth = cell.south / degree;
  square.cellNorth = cell.north / degree;
  square.cellWest = cell.west / degree;
  square.cellEast = cell.east / degree;
  return square;
}

}  // namespace koord
