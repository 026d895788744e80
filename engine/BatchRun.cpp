#include "engine/BatchRun.h"

#include <deque>
#include <future>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/LayoutFinder.h"
#include "engine/LineSplitter.h"
#include "engine/WorkerPool.h"

namespace koord {
namespace {

// A batch is full at this many lines or bytes of text: a few milliseconds
// of work, and few enough bytes to keep memory small.
constexpr std::size_t kBatchLines = 4096;
constexpr std::size_t kBatchBytes = 1 << 17;
// Batches in flight per converting thread: one converting, one waiting.
constexpr std::size_t kInFlightPerThread = 2;

// A batch's text holds less than kBatchBytes before its last line, and its
// outputs and reasons a bounded amount per line.
static_assert(kBatchBytes + kMaxLineLength <= std::numeric_limits<std::uint32_t>::max() / 4,
              "offsets into a batch fit 32 bits");

// A run of consecutive lines and, once converted, their outcomes.
struct Batch {
  struct Line {
    std::uint32_t offset;  // in text
    std::uint32_t length;
    std::size_t text;
    std::uint64_t number;
    bool tooLong;
    LineRole role;
    LineEnding ending;
    bool byteOrderMark;
    bool windows1252;
    Layout layout;
  };
  struct Outcome {
    LineStatus status;
    Reason reason;
    std::size_t outputOffset;  // in outputs
    std::size_t outputLength;
    std::size_t whyOffset;  // in whys
    std::size_t whyLength;
    std::size_t extraOffset;  // in extras
    std::size_t extraLength;
    double x;
    double y;
    bool far;
    double kilometres;
    CoordKind kind;
  };

  std::string text;  // the lines, back to back
  std::vector<Line> lines;
  std::string outputs;  // the outcomes' texts, back to back
  std::string whys;
  std::string extras;
  std::vector<Outcome> outcomes;

  bool Full() const { return lines.size() >= kBatchLines || text.size() >= kBatchBytes; }

  void Clear() {
    text.clear();
    lines.clear();
    outputs.clear();
    whys.clear();
    extras.clear();
    outcomes.clear();
  }
};

// Converts every line of a batch with a converter, and a worker of the
// point work, of its own.
Batch Convert(const BatchChoices& choices, RunOutput output, const PointWork* work, Batch batch) {
  LineConverter converter(choices, output);
  const std::unique_ptr<PointWork::Worker> worker = work ? work->NewWorker() : nullptr;
  for (const Batch::Line& line : batch.lines) {
    const LineOutcome& outcome =
        converter.Convert(std::string_view(batch.text).substr(line.offset, line.length),
                          line.layout, line.tooLong, line.role);
    const std::size_t extraOffset = batch.extras.size();
    if (worker && outcome.status == LineStatus::Converted) {
      worker->Do(converter.Point(), outcome.kind, batch.extras);
    }
    batch.outcomes.push_back({outcome.status, outcome.reason, batch.outputs.size(),
                              outcome.text.size(), batch.whys.size(), outcome.why.size(),
                              extraOffset, batch.extras.size() - extraOffset, outcome.x, outcome.y,
                              outcome.far, outcome.kilometres, outcome.kind});
    batch.outputs += outcome.text;
    batch.whys += outcome.why;
  }
  return batch;
}

// A line whose outcome is known, as the sink takes it.
struct Place {
  std::size_t text;
  std::uint64_t number;
  LineEnding ending;
  bool byteOrderMark;
  bool windows1252;
};

LineResult ResultOf(const Place& place, const LineOutcome& outcome, const Layout& layout) {
  return {place.text,
          place.number,
          outcome.status,
          outcome.reason,
          outcome.text,
          outcome.why,
          outcome.x,
          outcome.y,
          place.ending,
          place.byteOrderMark,
          place.windows1252,
          outcome.far,
          outcome.kilometres,
          outcome.kind,
          layout,
          {}};
}

}  // namespace

// The run's working state; its members in the order they are set up.
class BatchRun::State {
 public:
  State(const BatchChoices& choices, RunOutput output, LineSink& sink, unsigned threads,
        const PointWork* work)
      : choices_(choices),
        output_(output),
        sink_(sink),
        work_(work),
        maxInFlight_(threads > 1 ? kInFlightPerThread * threads : 0),
        finder_(choices_),
        pool_(threads > 1 ? threads : 0) {
    if (threads > 1) return;
    converter_.emplace(choices_, output_);
    if (work_) worker_ = work_->NewWorker();
  }

  bool Feed(std::string_view bytes) {
    if (ended_) return false;
    lines_.Feed(bytes, [this](const SplitLine& line) { return Line(line); });
    return !ended_;
  }

  bool EndText() {
    if (ended_) return false;
    lines_.Finish([this](const SplitLine& line) { return Line(line); });
    if (!layout_ && !held_.empty()) SettleWithout();
    lines_ = LineSplitter();
    ++text_;
    number_ = 0;
    layout_.reset();
    held_.clear();
    firstHeld_.reset();
    return !ended_;
  }

  bool Flush() {
    if (ended_) return false;
    if (!filling_.lines.empty()) Submit();
    while (!ended_ && !inFlight_.empty()) HandBackOldest();
    return !ended_;
  }

  bool Ended() const { return ended_; }
  const RunSummary& Summary() const { return summary_; }

 private:
  // A line kept while its text's layout is not settled.
  struct Held {
    std::string text;
    bool tooLong;
    Place place;
  };

  bool Line(const SplitLine& line) {
    ++number_;
    const Place place{text_, number_, line.ending, number_ == 1 && lines_.HadByteOrderMark(),
                      line.windows1252};
    if (layout_) return Dispatch(line.text, line.tooLong, place, LineRole::Data);
    held_.push_back({std::string(line.text), line.tooLong, place});
    if (line.tooLong || LooksEmpty(line.text)) return true;
    if (!firstHeld_) {
      // The first line of the text: a header that names the columns, a
      // line that reads, or neither, and the next line decides.
      firstHeld_ = held_.size() - 1;
      const std::string_view first = held_.back().text;
      if (const std::optional<Layout> given = finder_.Given()) {
        Settle(*given, finder_.IsHeader(first, *given) ? LineRole::Header : LineRole::Data);
      } else if (const std::optional<Layout> header = finder_.FromHeader(first)) {
        Settle(*header, LineRole::Header);
      } else if (const std::optional<Layout> data = finder_.FromData(first)) {
        Settle(*data, LineRole::Data);
      }
      return !ended_;
    }
    const std::string_view first = held_[*firstHeld_].text;
    const Layout layout = finder_.FromData(held_.back().text).value_or(finder_.Fallback(first));
    Settle(layout, finder_.IsHeader(first, layout) ? LineRole::Header : LineRole::Data);
    return !ended_;
  }

  // A text that ended before a line settled its layout.
  void SettleWithout() {
    const std::string_view first = firstHeld_ ? std::string_view(held_[*firstHeld_].text) : "";
    const Layout layout = finder_.Fallback(first);
    Settle(layout,
           firstHeld_ && finder_.IsHeader(first, layout) ? LineRole::Header : LineRole::Data);
  }

  // Settles the text's layout and converts the lines held, the first one in
  // its role.
  void Settle(const Layout& layout, LineRole firstRole) {
    layout_ = layout;
    for (std::size_t i = 0; i < held_.size() && !ended_; ++i) {
      const LineRole role = firstHeld_ == i ? firstRole : LineRole::Data;
      Dispatch(held_[i].text, held_[i].tooLong, held_[i].place, role);
    }
    held_.clear();
  }

  // Blanks and separators only: no line to settle a layout with.
  static bool LooksEmpty(std::string_view line) {
    return line.find_first_not_of(" \t;,") == std::string_view::npos;
  }

  bool Dispatch(std::string_view line, bool tooLong, const Place& place, LineRole role) {
    if (converter_) {
      LineResult result =
          ResultOf(place, converter_->Convert(line, *layout_, tooLong, role), *layout_);
      if (worker_ && result.status == LineStatus::Converted) {
        extra_.clear();
        worker_->Do(converter_->Point(), result.kind, extra_);
        result.extra = extra_;
      }
      return HandOver(result);
    }
    filling_.lines.push_back({static_cast<std::uint32_t>(filling_.text.size()),
                              static_cast<std::uint32_t>(line.size()), place.text, place.number,
                              tooLong, role, place.ending, place.byteOrderMark, place.windows1252,
                              *layout_});
    filling_.text.append(line);
    if (filling_.Full()) Submit();
    return !ended_;
  }

  // A line that the sink does not take is not counted either.
  bool HandOver(const LineResult& result) {
    if (!sink_.Take(result)) {
      ended_ = true;
      return false;
    }
    Count(result);
    return true;
  }

  void Count(const LineResult& result) {
    if (result.status == LineStatus::Converted) {
      ++summary_.converted;
      ++summary_.kinds[static_cast<std::size_t>(result.kind)];
    }
    if (result.far && result.status == LineStatus::Converted) {
      ++summary_.far;
      if (!summary_.firstFar) summary_.firstFar = {result.text, result.number};
    }
    if (result.status == LineStatus::Refused || result.status == LineStatus::Fault) {
      ++summary_.refused;
      if (!summary_.firstRefused) summary_.firstRefused = {result.text, result.number};
    }
  }

  void Submit() {
    Batch batch = std::exchange(filling_, SpareBatch());
    while (!ended_ && inFlight_.size() >= maxInFlight_) HandBackOldest();
    if (ended_) return;
    inFlight_.push_back(
        pool_.Run(std::packaged_task<Batch()>([this, batch = std::move(batch)]() mutable {
          return Convert(choices_, output_, work_, std::move(batch));
        })));
  }

  void HandBackOldest() {
    std::future<Batch> oldest = std::move(inFlight_.front());
    inFlight_.pop_front();
    Batch batch = oldest.get();
    for (std::size_t i = 0; i < batch.lines.size() && !ended_; ++i) {
      const Batch::Line& line = batch.lines[i];
      const Batch::Outcome& outcome = batch.outcomes[i];
      HandOver({line.text, line.number, outcome.status, outcome.reason,
                std::string_view(batch.outputs).substr(outcome.outputOffset, outcome.outputLength),
                std::string_view(batch.whys).substr(outcome.whyOffset, outcome.whyLength),
                outcome.x, outcome.y, line.ending, line.byteOrderMark, line.windows1252,
                outcome.far, outcome.kilometres, outcome.kind, line.layout,
                std::string_view(batch.extras).substr(outcome.extraOffset, outcome.extraLength)});
    }
    spares_.push_back(std::move(batch));
  }

  Batch SpareBatch() {
    if (spares_.empty()) return Batch{};
    Batch batch = std::move(spares_.back());
    spares_.pop_back();
    batch.Clear();
    return batch;
  }

  const BatchChoices choices_;
  const RunOutput output_;
  LineSink& sink_;
  const PointWork* const work_;
  const std::size_t maxInFlight_;
  LayoutFinder finder_;
  // On the feeding thread, with one thread.
  std::optional<LineConverter> converter_;
  std::unique_ptr<PointWork::Worker> worker_;
  std::string extra_;
  LineSplitter lines_;
  std::size_t text_ = 0;
  std::uint64_t number_ = 0;
  // The text's layout once settled; until then its lines are held, the
  // first non-blank one at firstHeld_.
  std::optional<Layout> layout_;
  std::vector<Held> held_;
  std::optional<std::size_t> firstHeld_;
  bool ended_ = false;
  RunSummary summary_;
  Batch filling_;
  std::vector<Batch> spares_;                // handed back, to be filled again
  std::deque<std::future<Batch>> inFlight_;  // oldest first
  // Last, so that it is stopped first: its tasks use the members above.
  WorkerPool<Batch> pool_;
};

BatchRun::BatchRun(const BatchChoices& choices, RunOutput output, LineSink& sink, unsigned threads,
                   const PointWork* work)
    : state_(std::make_unique<State>(choices, output, sink, threads, work)) {}

BatchRun::~BatchRun() = default;

bool BatchRun::Feed(std::string_view bytes) {
  return state_->Feed(bytes);
}
bool BatchRun::EndText() {
  return state_->EndText();
}
bool BatchRun::Flush() {
  return state_->Flush();
}
bool BatchRun::Finish() {
  return state_->EndText() && state_->Flush();
}
bool BatchRun::Ended() const {
  return state_->Ended();
}
const RunSummary& BatchRun::Summary() const {
  return state_->Summary();
}

}  // namespace koord
