#include "cli/ParallelConverter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <system_error>
#include <utility>

namespace koord::cli {
namespace {

// A batch is full at this many lines or bytes of text: a few milliseconds
// of work, few enough to keep the threads busy until the end.
constexpr std::size_t kBatchLines = 4096;
constexpr std::size_t kBatchBytes = 1 << 17;
// Batches in circulation per converting thread: one being converted, one
// waiting, one being written or filled.
constexpr std::size_t kBatchesPerThread = 3;
// Most converting threads, whatever the cores or KOORD_THREADS: with
// their batches of overlong refused lines (text, output and messages each
// about the size of the text) memory stays near 20 MB at worst.
constexpr unsigned kMaxThreads = 8;

constexpr std::string_view kMessageStart = "koord-cli: ligne ";
constexpr std::string_view kMessageSeparator = ": ";

bool IsRefused(const LineOutcome& outcome) {
  return outcome.status == LineStatus::Refused ||
         outcome.status == LineStatus::Fault;
}


LineConverter MakeConverter(const BatchChoices& choices) {
  LineConverter converter(choices, false);
  // The options only give positions inside the tables.
  converter.SelectPrecision();
  return converter;
}

// Converts every line of a batch; an unexpected fault is kept for the
// thread that hands the batch back.
void Convert(LineConverter& converter, const std::string& lineEnd,
             Batch& batch) {
  try {
    for (std::size_t i = 0; i < batch.lines.size(); ++i) {
      const Batch::Line& line = batch.lines[i];
      const LineOutcome& outcome = converter.Convert(
          std::string_view(batch.text).substr(line.offset, line.length),
          line.tooLong);
      if (IsRefused(outcome)) {
        AppendRefusal(batch.messages, batch.firstNumber + i, outcome.text);
        batch.refused = true;
      }
      batch.output += outcome.text;
      batch.output += lineEnd;
    }
  } catch (...) {
    batch.failure = std::current_exception();
  }
}

}  // namespace

void AppendRefusal(std::string& messages, std::uint64_t number,
                   std::string_view reason) {
  std::array<char, 24> digits;
  const auto end =
      std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  messages += kMessageStart;
  messages.append(digits.data(), end);
  messages += kMessageSeparator;
  messages += reason;
  messages += '\n';
}

void Batch::Clear() {
  firstNumber = 0;
  text.clear();
  lines.clear();
  output.clear();
  messages.clear();
  refused = false;
  failure = nullptr;
  done = false;
}

ParallelConverter::ParallelConverter(const BatchChoices& choices,
                                     unsigned threads, OnBatch onBatch)
    : choices_(choices),
      converter_(MakeConverter(choices_)),
      onBatch_(std::move(onBatch)) {
  const std::size_t batches = kBatchesPerThread * threads;
  for (std::size_t i = 0; i < batches; ++i) {
    all_.push_back(std::make_unique<Batch>());
    free_.push_back(all_.back().get());
  }
  if (threads > 1) {
    for (unsigned i = 0; i < threads; ++i) {
      workers_.emplace_back([this, converter = converter_] { Work(converter); });
    }
  }
}

ParallelConverter::~ParallelConverter() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workToDo_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void ParallelConverter::Add(std::uint64_t number, std::string_view line,
                            bool tooLong) {
  if (filling_ == nullptr) {
    filling_ = FreeBatch();
    filling_->firstNumber = number;
  }
  filling_->lines.push_back({filling_->text.size(), line.size(), tooLong});
  filling_->text.append(line);
  if (filling_->lines.size() >= kBatchLines ||
      filling_->text.size() >= kBatchBytes) {
    Submit();
  }
}

void ParallelConverter::Finish() {
  if (filling_ != nullptr) Submit();
  while (HandBackOldest(true)) {
  }
}

void ParallelConverter::Submit() {
  Batch* batch = filling_;
  filling_ = nullptr;
  if (workers_.empty()) {
    Convert(converter_, choices_.lineEnd, *batch);
    batch->done = true;
    inOrder_.push_back(batch);
    HandBackOldest(false);
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    inOrder_.push_back(batch);
    pending_.push_back(batch);
  }
  workToDo_.notify_one();
  // Whatever is finished goes out now, so that batches come back free.
  while (HandBackOldest(false)) {
  }
}

bool ParallelConverter::HandBackOldest(bool wait) {
  Batch* oldest = nullptr;
  {
    std::unique_lock lock(mutex_);
    if (inOrder_.empty()) return false;
    oldest = inOrder_.front();
    if (!oldest->done) {
      if (!wait) return false;
      batchDone_.wait(lock, [oldest] { return oldest->done; });
    }
    inOrder_.pop_front();
  }
  // Back in the free list first: a throwing host leaves nothing lost.
  free_.push_back(oldest);
  if (oldest->failure) std::rethrow_exception(oldest->failure);
  onBatch_(*oldest);
  return true;
}

Batch* ParallelConverter::FreeBatch() {
  while (free_.empty()) HandBackOldest(true);
  Batch* batch = free_.back();
  free_.pop_back();
  batch->Clear();
  return batch;
}

void ParallelConverter::Work(LineConverter converter) {
  for (;;) {
    Batch* batch = nullptr;
    {
      std::unique_lock lock(mutex_);
      workToDo_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
      if (stopping_) return;
      batch = pending_.front();
      pending_.pop_front();
    }
    Convert(converter, choices_.lineEnd, *batch);
    {
      const std::lock_guard lock(mutex_);
      batch->done = true;
    }
    batchDone_.notify_all();
  }
}

unsigned ConverterThreads() {
  const char* asked = std::getenv("KOORD_THREADS");
  if (asked != nullptr) {
    const std::string_view text(asked);
    unsigned threads = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), threads);
    if (ec == std::errc{} && end == text.data() + text.size() && threads >= 1 &&
        threads <= kMaxThreads) {
      return threads;
    }
  }
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : std::min(cores, kMaxThreads);
}

}  // namespace koord::cli
