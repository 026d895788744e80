#pragma once
// Converts koord-cli's lines on several threads, and hands the results back
// in input order: the same bytes as one thread converting line after line.
//
// Lines are gathered into batches of a few thousand; each worker thread
// converts whole batches with its own LineConverter, and the thread that
// adds the lines writes each finished batch, oldest first. A fixed number
// of batches circulates, so memory stays bounded whatever the input.
//
//   ParallelConverter converter(choices, threads, onBatch);
//   converter.Add(number, line, tooLong);   // for every line, in order
//   converter.Finish();                     // the last batches
//
// With one thread, Add converts each batch itself when it is full.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/BatchConverter.h"
#include "engine/LineConverter.h"

namespace koord::cli {

// A run of consecutive input lines and, once converted, their results.
struct Batch {
  struct Line {
    std::size_t offset;  // in text
    std::size_t length;
    bool tooLong;
  };
  std::uint64_t firstNumber = 0;  // number of the first line, from 1
  std::string text;               // the lines, back to back
  std::vector<Line> lines;
  std::string output;    // one output line per input line, line ends included
  std::string messages;  // "koord-cli: ligne N: ..." of the refused lines
  bool refused = false;  // some line was refused
  std::exception_ptr failure;  // an unexpected fault while converting
  bool done = false;

  void Clear();
};

class ParallelConverter {
 public:
  // Receives each converted batch, in input order, on the adding thread.
  using OnBatch = std::function<void(const Batch&)>;

  // threads: the number of converting threads, at least 1. Raises
  // RuntimeError when the choices' precision lies outside its table.
  ParallelConverter(const BatchChoices& choices, unsigned threads,
                    OnBatch onBatch);
  // Stops the workers; batches not yet handed back are dropped.
  ~ParallelConverter();
  ParallelConverter(const ParallelConverter&) = delete;
  ParallelConverter& operator=(const ParallelConverter&) = delete;

  // Adds the next line (numbered from 1 across the inputs).
  void Add(std::uint64_t number, std::string_view line, bool tooLong);
  // Converts what is left and hands back every batch; rethrows a fault
  // raised on a worker.
  void Finish();

 private:
  void Submit();
  // Hands back the oldest batch, waiting for it when `wait`; false when
  // there was none to hand back.
  bool HandBackOldest(bool wait);
  Batch* FreeBatch();
  void Work(LineConverter converter);

  const BatchChoices choices_;
  // The converter of the adding thread, copied by each worker.
  LineConverter converter_;
  const OnBatch onBatch_;
  std::vector<std::unique_ptr<Batch>> all_;
  std::vector<Batch*> free_;
  std::deque<Batch*> inOrder_;   // submitted, oldest first
  std::deque<Batch*> pending_;   // submitted, not yet taken by a worker
  Batch* filling_ = nullptr;
  std::mutex mutex_;
  std::condition_variable workToDo_;
  std::condition_variable batchDone_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

// Appends "koord-cli: ligne N: <reason>" and a line end to `messages`.
void AppendRefusal(std::string& messages, std::uint64_t number,
                   std::string_view reason);

// The number of converting threads: KOORD_THREADS when it holds a number
// from 1 to 8, otherwise one per core, 8 at most.
unsigned ConverterThreads();

}  // namespace koord::cli
