#pragma once
// Converts koord-cli's lines on several threads and hands the results back
// in input order: the same bytes as one thread converting line after line.
//
// Lines are gathered into batches; each full batch becomes a task of the
// worker pool, converted with a LineConverter of its own. At most two
// batches per thread are in flight: the oldest is handed back, in order,
// before another is given, so memory stays bounded whatever the input, and
// the room of the batches handed back is used again.
//
//   ParallelConverter converter(choices, threads, onBatch);
//   converter.Add(line);   // for every line, in order
//   converter.Flush();     // when the input pauses, and at its end
//
// With one thread, each batch is converted on the adding thread.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <string>
#include <string_view>
#include <vector>

#include "cli/InputLines.h"
#include "cli/WorkerPool.h"
#include "engine/BatchConverter.h"

namespace koord::cli {

// A run of consecutive input lines and, once converted, their results.
struct Batch {
  struct Line {
    std::uint32_t offset;  // in text
    std::uint32_t length;
    std::uint64_t number;  // from 1 in its input
    std::uint32_t file;    // index of its input
    bool tooLong;
    bool mayBeHeader;  // the first non-blank line of its input
  };
  // A refused line: its index in lines, and where its reason stands in
  // reasons.
  struct Refusal {
    std::size_t line;
    std::size_t offset;
    std::size_t length;
  };
  std::string text;  // the lines, back to back
  std::vector<Line> lines;
  std::string output;  // one output line per input line, line ends included
  std::vector<Refusal> refusals;
  std::string reasons;  // the reasons of the refused lines, back to back

  std::string_view Reason(const Refusal& refusal) const {
    return std::string_view(reasons).substr(refusal.offset, refusal.length);
  }
};

class ParallelConverter {
 public:
  // Receives each converted batch, in input order, on the adding thread.
  using OnBatch = std::function<void(const Batch&)>;

  // threads: the number of converting threads, at least 1.
  ParallelConverter(const BatchChoices& choices, unsigned threads, OnBatch onBatch);

  // Adds the next line.
  void Add(const InputLine& line);
  // Converts the lines added and hands back every batch; rethrows a fault
  // raised while converting.
  void Flush();

 private:
  void Submit();
  void HandBackOldest();
  void HandBack(Batch batch);
  Batch SpareBatch();

  const BatchChoices choices_;
  const OnBatch onBatch_;
  const std::size_t maxInFlight_;
  Batch filling_;
  std::vector<Batch> spares_;                // handed back, to be filled again
  std::deque<std::future<Batch>> inFlight_;  // oldest first
  // Last, so that it is stopped first: its tasks use the members above.
  WorkerPool<Batch> pool_;
};

}  // namespace koord::cli
