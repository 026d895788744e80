#pragma once
// The messages of refused lines on standard error, one per line, as GNU
// tools write them: "koord-cli: FILE:N: <raison>", FILE as the input was
// named ("-" for standard input) and N the line's number in that file.
//
// They are gathered into blocks, so a run with many refusals does not make
// one write per line, and written out by Flush or when a block is full.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BatchRun.h"

namespace koord::cli {

class RefusalMessages {
 public:
  // The names of the inputs, in the order of their indices.
  explicit RefusalMessages(std::vector<std::string> inputNames);
  // Writes what is left when a run stops early, errors ignored.
  ~RefusalMessages();
  RefusalMessages(const RefusalMessages&) = delete;
  RefusalMessages& operator=(const RefusalMessages&) = delete;

  // Line `number` of input `file` was refused for `reason` (any bytes).
  void Add(std::uint32_t file, std::uint64_t number, std::string_view reason);
  // One line for the points of a run far from Belgium, if any: "koord-cli:
  // 3 points à plus de 100 km de la Belgique (premier : points.txt:12)".
  // They are results, not refusals: Any() stays as it was.
  void AddFarPoints(const RunSummary& summary);
  // Writes the messages gathered. Raises BrokenPipe when standard error is
  // a pipe that nobody reads any more; other errors have nowhere to go.
  void Flush();
  bool Any() const { return any_; }

 private:
  const std::vector<std::string> names_;
  std::string block_;
  bool any_ = false;
};

}  // namespace koord::cli
