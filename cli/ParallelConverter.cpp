#include "cli/ParallelConverter.h"

#include <limits>
#include <utility>

#include "engine/LineConverter.h"
#include "engine/LineSplitter.h"

namespace koord::cli {
namespace {

// A batch is full at this many lines or bytes of text: a few milliseconds
// of work, and few enough bytes to keep memory small.
constexpr std::size_t kBatchLines = 4096;
constexpr std::size_t kBatchBytes = 1 << 17;
// Batches in flight per converting thread: one converting, one waiting.
constexpr std::size_t kInFlightPerThread = 2;

// A batch's text holds less than kBatchBytes before its last line.
static_assert(kBatchBytes + kMaxLineLength <= std::numeric_limits<std::uint32_t>::max(),
              "line offsets fit Batch::Line");

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
      batch.refusals.push_back({i, batch.reasons.size(), outcome.why.size()});
      batch.reasons += outcome.why;
    }
    batch.output += outcome.text;
    batch.output += choices.lineEnd;
  }
  return batch;
}

}  // namespace

ParallelConverter::ParallelConverter(const BatchChoices& choices, unsigned threads, OnBatch onBatch)
    : choices_(choices),
      onBatch_(std::move(onBatch)),
      maxInFlight_(threads > 1 ? kInFlightPerThread * threads : 0),
      pool_(threads > 1 ? threads : 0) {}

void ParallelConverter::Add(const InputLine& line) {
  filling_.lines.push_back({static_cast<std::uint32_t>(filling_.text.size()),
                            static_cast<std::uint32_t>(line.text.size()), line.number, line.file,
                            line.tooLong, line.mayBeHeader});
  filling_.text.append(line.text);
  if (filling_.lines.size() >= kBatchLines || filling_.text.size() >= kBatchBytes) Submit();
}

void ParallelConverter::Flush() {
  if (!filling_.lines.empty()) Submit();
  while (!inFlight_.empty()) HandBackOldest();
}

void ParallelConverter::Submit() {
  Batch batch = std::exchange(filling_, SpareBatch());
  if (maxInFlight_ == 0) {
    HandBack(Convert(choices_, std::move(batch)));
    return;
  }
  while (inFlight_.size() >= maxInFlight_) HandBackOldest();
  inFlight_.push_back(pool_.Run(std::packaged_task<Batch()>(
      [this, batch = std::move(batch)]() mutable { return Convert(choices_, std::move(batch)); })));
}

void ParallelConverter::HandBackOldest() {
  std::future<Batch> oldest = std::move(inFlight_.front());
  inFlight_.pop_front();
  HandBack(oldest.get());
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
  batch.refusals.clear();
  batch.reasons.clear();
  return batch;
}

}  // namespace koord::cli
