#include "engine/BatchConverter.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "engine/LineConverter.h"
#include "engine/LineSplitter.h"

namespace koord {
namespace {

// Closes the prompt text, after the fault's description and two line ends.
constexpr Translated kContinue{"Continuer?", "Doorgaan?", "Continue?"};
// Characters up to this code (blanks, tabs, line ends) need no closing
// line break.
constexpr unsigned char kLastControlCode = 32;
// Step of a run done in one call: the whole text at once.
constexpr std::size_t kWholeText = static_cast<std::size_t>(-1);

// Adds the closing line break that the input box gets when its text ends in
// a printable character, and returns the text to convert.
std::string CloseInputText(BatchHost& host) {
  std::string text = host.InputText();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > kLastControlCode) {
    text += "\r\n";
    host.SetInputText(text);
  }
  return text;
}

}  // namespace

// The run's working state; its members in the order they are set up.
class BatchRun::State {
 public:
  State(BatchHost& host, const BatchChoices& choices, RunOutput output)
      : host_(host),
        choices_(choices),
        runOutput_(output),
        converter_(choices_, output),
        text_(CloseInputText(host_)) {
    host_.SetBusy(true);
    if (runOutput_ == RunOutput::Map) host_.PrepareMap();
  }

  bool Step(std::size_t bytes) {
    if (ended_) return false;
    const std::size_t length = std::min(bytes, text_.size() - position_);
    const std::string_view block = std::string_view(text_).substr(position_, length);
    position_ += length;
    const auto onLine = [this](std::string_view line, bool tooLong) { return Line(line, tooLong); };
    bool going = lines_.Feed(block, onLine);
    if (going && position_ == text_.size()) {
      going = lines_.Finish(onLine);
      Flush();
      if (going) End(true);
    } else {
      Flush();
    }
    // No at a prompt: the pointer is already normal.
    if (!going) ended_ = true;
    return !ended_;
  }

  void Stop() {
    if (ended_) return;
    Flush();
    End(false);
  }

  bool Ended() const { return ended_; }
  std::size_t Done() const { return position_; }
  std::size_t Size() const { return text_.size(); }
  const RunSummary& Summary() const { return summary_; }

 private:
  bool Line(std::string_view line, bool tooLong) {
    // The first non-blank line of the text may be its header.
    const bool mayBeHeader = !seenText_ && !IsBlank(line);
    seenText_ = seenText_ || !IsBlank(line);
    const LineOutcome& outcome = converter_.Convert(line, tooLong, mayBeHeader);
    if (outcome.status == LineStatus::Fault && !AskContinue(outcome.why)) {
      return false;
    }
    Count(outcome.status);
    if (runOutput_ == RunOutput::Map) {
      if (outcome.status == LineStatus::Converted) {
        host_.PlotPoint(outcome.x, outcome.y);
      }
    } else {
      output_ += outcome.text;
      output_ += choices_.lineEnd;
    }
    ++lineIndex_;
    return true;
  }

  void Count(LineStatus status) {
    if (status == LineStatus::Converted) ++summary_.converted;
    if (status == LineStatus::Refused || status == LineStatus::Fault) {
      ++summary_.refused;
      if (!summary_.firstRefused) summary_.firstRefused = lineIndex_;
    }
  }

  // The prompt: normal pointer while it shows, busy again after Yes.
  bool AskContinue(const std::string& description) {
    Flush();
    host_.SetBusy(false);
    std::string message = description;
    message += "\r\n\r\n";
    message += kContinue.In(choices_.language);
    const bool yes = host_.AskContinue(message);
    if (yes) host_.SetBusy(true);
    return yes;
  }

  void Flush() {
    if (output_.empty()) return;
    host_.AppendOutput(output_);
    output_.clear();
  }

  void End(bool finished) {
    ended_ = true;
    host_.SetBusy(false);
    if (finished && runOutput_ == RunOutput::Map) host_.ShowMap();
  }

  BatchHost& host_;
  const BatchChoices choices_;
  const RunOutput runOutput_;
  LineConverter converter_;
  const std::string text_;
  std::size_t position_ = 0;
  LineSplitter lines_;
  std::string output_;
  std::size_t lineIndex_ = 0;
  bool seenText_ = false;
  bool ended_ = false;
  RunSummary summary_;
};

BatchRun::BatchRun(BatchHost& host, const BatchChoices& choices, RunOutput output)
    : state_(std::make_unique<State>(host, choices, output)) {}

BatchRun::~BatchRun() = default;

bool BatchRun::Step(std::size_t bytes) {
  return state_->Step(bytes);
}
void BatchRun::Stop() {
  state_->Stop();
}
bool BatchRun::Ended() const {
  return state_->Ended();
}
std::size_t BatchRun::Done() const {
  return state_->Done();
}
std::size_t BatchRun::Size() const {
  return state_->Size();
}
const RunSummary& BatchRun::Summary() const {
  return state_->Summary();
}

RunSummary Converti(BatchHost& host, const BatchChoices& choices, RunOutput output) {
  BatchRun run(host, choices, output);
  run.Step(kWholeText);
  return run.Summary();
}

}  // namespace koord
