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
//   converter.Add(number, line, tooLong);   // for every line, in order
//   converter.Finish();                     // the last batches
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

#include "cli/WorkerPool.h"
#include "engine/BatchConverter.h"

namespace koord::cli {

// A run of consecutive input lines and, once converted, their results.
struct Batch {
  struct Line {
    std::size_t offset;  // in text
    std::size_t length;
    bool tooLong;
    bool mayBeHeader;  // the first non-blank line of its file
  };
  std::uint64_t firstNumber = 0;  // number of the first line, from 1
  std::string text;               // the lines, back to back
  std::vector<Line> lines;
  std::string output;    // one output line per input line, line ends included
  std::string messages;  // "koord-cli: ligne N: ..." of the refused lines
  bool refused = false;  // some line was refused
};

class ParallelConverter {
 public:
  // Receives each converted batch, in input order, on the adding thread.
  using OnBatch = std::function<void(const Batch&)>;

  // threads: the number of converting threads, at least 1.
  ParallelConverter(const BatchChoices& choices, unsigned threads, OnBatch onBatch);

  // Adds the next line (numbered from 1 across the inputs).
  void Add(std::uint64_t number, std::string_view line, bool tooLong, bool mayBeHeader);
  // Converts what is left and hands back every batch; rethrows a fault
  // raised while converting.
  void Finish();

 private:
  void Submit();
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

// Appends "koord-cli: ligne N: <reason>" and a line end to `messages`.
void AppendRefusal(std::string& messages, std::uint64_t number, std::string_view reason);

// The number of converting threads: KOORD_THREADS when it holds a number
// from 1 to 8, otherwise one per core, 8 at most.
unsigned ConverterThreads();

}  // namespace koord::cli
