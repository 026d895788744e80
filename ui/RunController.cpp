#include "ui/RunController.h"

#include <QElapsedTimer>
#include <algorithm>
#include <string_view>
#include <thread>

#include "ui/LanguageText.h"

namespace koord::ui {
namespace {

// A slice feeds the run this much text at a time, and goes on until this
// time has passed before the window repaints.
constexpr std::size_t kBytesPerStep = 64 * 1024;
constexpr qint64 kSliceMilliseconds = 80;
// Converting threads: the window's thread reads the text and gathers the
// result, the others convert; beyond four the window's thread cannot keep
// up.
constexpr unsigned kLeastThreads = 2;
constexpr unsigned kMostThreads = 4;

unsigned ConvertingThreads() {
  return std::clamp(std::thread::hardware_concurrency(), kLeastThreads, kMostThreads);
}

}  // namespace

RunController::RunController(QObject* parent) : QObject(parent) {
  nextSlice_.setSingleShot(true);
  nextSlice_.setInterval(0);
  connect(&nextSlice_, &QTimer::timeout, this, &RunController::Slice);
}

RunController::~RunController() = default;

void RunController::SetAskContinue(std::function<bool(const QString&)> ask) {
  askContinue_ = std::move(ask);
}

void RunController::Start(const BatchChoices& choices, RunOutput output, std::string text) {
  if (Running()) return;
  output_ = output;
  text_ = std::move(text);
  fed_ = 0;
  pending_.clear();
  points_.clear();
  summary_ = {};
  stopAsked_ = false;
  LineSink& sink = *this;
  run_ = std::make_unique<BatchRun>(choices, output, sink, ConvertingThreads());
  emit Busy(true);
  Slice();
}

void RunController::Stop() {
  if (!Running()) return;
  // Within a slice (the question after a fault), the slice ends the run.
  if (slicing_) {
    stopAsked_ = true;
    return;
  }
  End(false);
}

std::vector<QPointF> RunController::TakePoints() {
  return std::exchange(points_, {});
}

void RunController::Slice() {
  if (!run_ || slicing_) return;
  slicing_ = true;
  QElapsedTimer slice;
  slice.start();
  const std::string_view text(text_);
  bool going = true;
  while (going && fed_ < text.size() && slice.elapsed() < kSliceMilliseconds) {
    const std::size_t length = std::min(kBytesPerStep, text.size() - fed_);
    going = run_->Feed(text.substr(fed_, length)) && !stopAsked_;
    fed_ += length;
  }
  const bool atEnd = going && fed_ >= text.size();
  if (atEnd) going = run_->Finish() && !stopAsked_;
  slicing_ = false;
  SendOutput();
  if (!going || atEnd) {
    End(going);
    return;
  }
  emit Progress(fed_, text.size());
  nextSlice_.start();
}

bool RunController::Take(const LineResult& line) {
  if (line.status == LineStatus::Fault) {
    // The lines before the fault show while the question is asked.
    SendOutput();
    emit Busy(false);
    const bool goOn = askContinue_ &&
                      askContinue_(FromUtf8(line.why) + QStringLiteral("\n\n") + tr("Continuer?"));
    if (!goOn || stopAsked_) return false;
    emit Busy(true);
  }
  if (output_ == RunOutput::Map) {
    if (line.status == LineStatus::Converted) points_.emplace_back(line.x, line.y);
  } else {
    pending_ += line.output;
    pending_ += '\n';
  }
  return true;
}

void RunController::SendOutput() {
  if (pending_.empty()) return;
  const QString lines = FromUtf8(pending_);
  pending_.clear();
  emit Output(lines);
}

void RunController::End(bool complete) {
  nextSlice_.stop();
  SendOutput();
  summary_ = run_->Summary();
  run_.reset();
  text_ = std::string();
  emit Busy(false);
  emit Finished(complete);
}

}  // namespace koord::ui
