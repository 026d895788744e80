#pragma once
// The measured differences of the accuracy suite: each comparison records
// its worst and mean difference here, and the suite prints them all as one
// table when it ends, so that published figures come from a run.

#include <cstddef>
#include <string>

namespace koord::accuracy {

// Worst and mean of a set of non-negative differences, with the place of
// the worst one.
class Spread {
 public:
  void Add(double difference, const std::string& where);
  double Max() const { return max_; }
  double Mean() const { return count_ == 0 ? 0 : sum_ / static_cast<double>(count_); }
  std::size_t Count() const { return count_; }
  const std::string& WorstAt() const { return worstAt_; }

 private:
  double max_ = 0;
  double sum_ = 0;
  std::size_t count_ = 0;
  std::string worstAt_;
};

// Adds one line to the table: what was compared, against which reference,
// the spread in `unit`, and the tolerance it is held to.
void Report(const std::string& quantity, const std::string& reference, const Spread& spread,
            const std::string& unit, double tolerance);

// Prints the table to standard output.
void PrintReport();

}  // namespace koord::accuracy
