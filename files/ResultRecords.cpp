#include "files/ResultRecords.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "files/ResultCells.h"

namespace koord::files {
namespace {

// The extra of a line holds its cells, a count then each cell's length and
// bytes, then its shape, a count then each point's two doubles: written and
// read in the same process, in its own byte order.
template <typename T>
void Put(T value, std::string& out) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

template <typename T>
T Take(std::string_view& in) {
  if (in.size() < sizeof(T)) throw std::logic_error("a result record cut short");
  T value;
  std::memcpy(&value, in.data(), sizeof(T));
  in.remove_prefix(sizeof(T));
  return value;
}

}  // namespace

class ResultRecords::Maker : public PointWork::Worker {
 public:
  Maker(const BatchChoices& choices, const ResultChoice& result, bool geometry, bool wgs84)
      : cells_(choices), withGeometry_(geometry), geometry_(result, wgs84) {}

  void Do(const TransCoo& point, CoordKind readAs, std::string& out) override {
    made_.clear();
    cells_.Converted(point, readAs, made_);
    Put(static_cast<std::uint32_t>(made_.size()), out);
    for (const std::string& cell : made_) {
      Put(static_cast<std::uint32_t>(cell.size()), out);
      out += cell;
    }
    shape_.clear();
    if (withGeometry_) geometry_.Make(point, shape_);
    Put(static_cast<std::uint32_t>(shape_.size()), out);
    for (const Point& p : shape_) {
      Put(p.x, out);
      Put(p.y, out);
    }
  }

 private:
  ResultCells cells_;
  const bool withGeometry_;
  ResultGeometry geometry_;
  std::vector<std::string> made_;
  std::vector<Point> shape_;
};

ResultRecords::ResultRecords(const BatchChoices& choices, const ResultChoice& result, bool geometry,
                             bool wgs84)
    : choices_(choices),
      result_(result),
      withGeometry_(geometry),
      wgs84_(wgs84),
      geometry_(result, wgs84) {}

ResultRecords::~ResultRecords() = default;

std::optional<int> ResultRecords::Epsg() const {
  return geometry_.Epsg();
}

GeometryType ResultRecords::Type() const {
  return geometry_.Type();
}

std::unique_ptr<PointWork::Worker> ResultRecords::NewWorker() const {
  return std::make_unique<Maker>(choices_, result_, withGeometry_, wgs84_);
}

void ResultRecords::Read(std::string_view extra, std::vector<std::string>& cells,
                         std::vector<Point>& shape) {
  const auto count = Take<std::uint32_t>(extra);
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto length = Take<std::uint32_t>(extra);
    if (extra.size() < length) throw std::logic_error("a result record cut short");
    cells.emplace_back(extra.substr(0, length));
    extra.remove_prefix(length);
  }
  const auto points = Take<std::uint32_t>(extra);
  shape.clear();
  for (std::uint32_t i = 0; i < points; ++i) {
    const auto x = Take<double>(extra);
    const auto y = Take<double>(extra);
    shape.push_back({x, y});
  }
}

}  // namespace koord::files
