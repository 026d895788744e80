#include "cli/ParallelConverter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <system_error>
#include <thread>
#include <utility>

#include "engine/LineConverter.h"

namespace koord::cli {
namespace {

// A batch is full at this many lines or bytes of text: a few milliseconds
// of work, and few enough bytes to keep memory small.
constexpr std::size_t kBatchLines = 8192;
constexpr std::size_t kBatchBytes = 1 << 17;
// Batches in flight per converting thread: one converting, one waiting.
constexpr std::size_t kInFlightPerThread = 2;
// Most converting threads, whatever the cores or KOORD_THREADS.
constexpr unsigned kMaxThreads = 8;

constexpr std::string_view kMessageStart = "koord-cli: ligne ";
constexpr std::string_view kMessageSeparator = ": ";

bool IsRefused(const LineOutcome& outcome) {
  return outcome.status == LineStatus::Refused || outcome.status == LineStatus::Fault;
}

// Converts every line of a batch with a converter of its own.
Batch Convert(const BatchChoices& choices, Batch batch) {
  LineConverter converter(choices, RunOutput::Text);
  for (std::size_t i = 0; i < batch.lines.size(); ++i) {
    const Batch::Line& line = batch.lines[i];
    const LineOutcome& outcome =
        converter.Convert(std::string_view(batch.text).substr(line.offset, line.length),
                          line.tooLong, line.mayBeHeader);
    if (IsRefused(outcome)) {
      AppendRefusal(batch.messages, batch.firstNumber + i, outcome.why);
      batch.refused = true;
    }
    batch.output += outcome.text;
    batch.output += choices.lineEnd;
  }
  return batch;
}

}  // namespace

void AppendRefusal(std::string& messages, std::uint64_t number, std::string_view reason) {
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  messages += kMessageStart;
  messages.append(digits.data(), end);
  messages += kMessageSeparator;
  messages += reason;
  messages += '\n';
}

ParallelConverter::ParallelConverter(const BatchChoices& choices, unsigned threads, OnBatch onBatch)
    : choices_(choices),
      onBatch_(std::move(onBatch)),
      maxInFlight_(threads > 1 ? kInFlightPerThread * threads : 0),
      pool_(threads > 1 ? threads : 0) {}

void ParallelConverter::Add(std::uint64_t number, std::string_view line, bool tooLong,
                            bool mayBeHeader) {
  if (filling_.lines.empty()) filling_.firstNumber = number;
  filling_.lines.push_back({filling_.text.size(), line.size(), tooLong, mayBeHeader});
  filling_.text.append(line);
  if (filling_.lines.size() >= kBatchLines || filling_.text.size() >= kBatchBytes) Submit();
}

void ParallelConverter::Finish() {
  if (!filling_.lines.empty()) Submit();
  while (!inFlight_.empty()) {
    std::future<Batch> oldest = std::move(inFlight_.front());
    inFlight_.pop_front();
    HandBack(oldest.get());
  }
}

void ParallelConverter::Submit() {
  Batch batch = std::exchange(filling_, SpareBatch());
  if (maxInFlight_ == 0) {
    HandBack(Convert(choices_, std::move(batch)));
    return;
  }
  while (inFlight_.size() >= maxInFlight_) {
    std::future<Batch> oldest = std::move(inFlight_.front());
    inFlight_.pop_front();
    HandBack(oldest.get());
  }
  inFlight_.push_back(pool_.Run(std::packaged_task<Batch()>(
      [this, batch = std::move(batch)]() mutable { return Convert(choices_, std::move(batch)); })));
}

void ParallelConverter::HandBack(Batch batch) {
  onBatch_(batch);
  spares_.push_back(std::move(batch));
}

Batch ParallelConverter::SpareBatch() {
  if (spares_.empty()) return Batch{};
  Batch batch = std::move(spares_.back());
  spares_.pop_back();
  batch.text.clear();
  batch.lines.clear();
  batch.output.clear();
  batch.messages.clear();
  batch.refused = false;
  return batch;
}

unsigned ConverterThreads() {
  const char* asked = std::getenv("KOORD_THREADS");
  if (asked != nullptr) {
    const std::string_view text(asked);
    unsigned threads = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), threads);
    if (ec == std::errc{} && end == text.data() + text.size() && threads >= 1 &&
        threads <= kMaxThreads) {
      return threads;
    }
  }
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : std::min(cores, kMaxThreads);
}

}  // namespace koord::cli
