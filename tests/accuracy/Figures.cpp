#include "tests/accuracy/Figures.h"

#include <cstdio>
#include <vector>

namespace koord::accuracy {
namespace {

struct Line {
  std::string quantity;
  std::string reference;
  Spread spread;
  std::string unit;
  double tolerance;
};

std::vector<Line>& Lines() {
  static std::vector<Line> lines;
  return lines;
}

}  // namespace

void Spread::Add(double difference, const std::string& where) {
  if (count_ == 0 || difference > max_) {
    max_ = difference;
    worstAt_ = where;
  }
  sum_ += difference;
  ++count_;
}

void Report(const std::string& quantity, const std::string& reference, const Spread& spread,
            const std::string& unit, double tolerance) {
  Lines().push_back({quantity, reference, spread, unit, tolerance});
}

void PrintReport() {
  std::printf("\n%-44s %-34s %7s %12s %12s %12s  %s\n", "Quantity", "Reference", "points", "mean",
              "max", "tolerance", "worst at");
  for (const Line& l : Lines()) {
    std::printf("%-44s %-34s %7zu %12.3g %12.3g %12.3g  %s  (%s)\n", l.quantity.c_str(),
                l.reference.c_str(), l.spread.Count(), l.spread.Mean(), l.spread.Max(), l.tolerance,
                l.spread.WorstAt().c_str(), l.unit.c_str());
  }
}

}  // namespace koord::accuracy
