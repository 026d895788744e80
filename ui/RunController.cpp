#include "ui/RunController.h"

#include <QElapsedTimer>
#include <QStringView>
#include <QTextDocument>
#include <algorithm>
#include <string_view>
#include <thread>

#include "engine/Kind.h"
#include "ui/LanguageText.h"

namespace koord::ui {
namespace {

// A step reads lines of about this many characters into the run and shows
// the lines that came back; a slice goes on step after step until its time
// is spent, then the window repaints and takes its events. A text of one
// step is converted at once, a longer one from the event loop. The first
// slice is shorter, so that the first lines show at once.
constexpr qsizetype kCharsPerStep = 16 * 1024;
constexpr qint64 kSliceMilliseconds = 50;
constexpr qint64 kFirstSliceMilliseconds = 20;
// Converting threads: the window's thread reads the text and shows the
// result, the others convert; beyond four the window's thread cannot keep
// up.
constexpr unsigned kLeastThreads = 2;
constexpr unsigned kMostThreads = 4;

unsigned ConvertingThreads() {
  return std::clamp(std::thread::hardware_concurrency(), kLeastThreads, kMostThreads);
}

bool IsBlankField(std::string_view field) {
  return field.find_first_not_of(" \t") == std::string_view::npos;
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

void RunController::Start(const BatchChoices& choices, RunOutput output,
                          const QTextDocument* text) {
  if (Running() || !text) return;
  choices_ = choices;
  output_ = output;
  text_ = text;
  next_ = text->firstBlock();
  firstSlice_ = true;
  pending_.clear();
  lastLine_ = 0;
  refused_.clear();
  layout_.reset();
  points_ = MapPoints();
  summary_ = {};
  stopAsked_ = false;
  LineSink& sink = *this;
  run_ = std::make_unique<BatchRun>(choices, output, sink, ConvertingThreads());
  emit Busy(true);
  if (text->characterCount() > kCharsPerStep) {
    nextSlice_.start();
  } else {
    Slice();
  }
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

MapPoints RunController::TakePoints() {
  return std::exchange(points_, MapPoints());
}

void RunController::Slice() {
  if (!run_ || slicing_) return;
  slicing_ = true;
  QElapsedTimer slice;
  slice.start();
  const qint64 budget = firstSlice_ ? kFirstSliceMilliseconds : kSliceMilliseconds;
  firstSlice_ = false;
  bool going = true;
  while (going && next_.isValid() && slice.elapsed() < budget) going = FeedStep();
  const bool atEnd = going && !next_.isValid();
  if (atEnd) going = run_->Finish() && !stopAsked_;
  slicing_ = false;
  SendOutput();
  if (!going || atEnd) {
    End(going);
    return;
  }
  emit Progress(static_cast<std::size_t>(next_.blockNumber()),
                static_cast<std::size_t>(text_->blockCount()));
  nextSlice_.start();
}

// The lines go to the engine in UTF-8, a step at a time, so that the click
// that starts a run need not copy a million lines at once. Each line but
// the last ends in a line break; the last one is the text's unterminated
// rest, empty when the text ends in a line break.
bool RunController::FeedStep() {
  QString lines;
  while (next_.isValid() && lines.size() < kCharsPerStep) {
    lines += next_.text();
    next_ = next_.next();
    if (next_.isValid()) lines += u'\n';
  }
  const QByteArray bytes = lines.toUtf8();
  const bool going =
      run_->Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) &&
      !stopAsked_;
  SendOutput();
  return going;
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
  lastLine_ = line.number;
  if (!layout_) layout_ = line.layout;
  if (line.status == LineStatus::Refused || line.status == LineStatus::Fault) {
    // The reason is the last field of the output line.
    scratch_.clear();
    AppendField(scratch_, line.why, EntryOf(kSeparatorTable, line.layout.separator).output);
    const std::size_t reasonStart =
        line.output.size() >= scratch_.size() && line.output.ends_with(scratch_)
            ? line.output.size() - scratch_.size()
            : 0;
    refused_.push_back(
        {line.number, static_cast<int>(FromUtf8(line.output.substr(0, reasonStart)).size())});
  }
  if (output_ == RunOutput::Map) {
    if (line.status == LineStatus::Converted) {
      points_.Add(QPointF(line.x, line.y), line.number, LabelOf(line));
    }
  } else {
    pending_ += line.output;
    pending_ += '\n';
  }
  return true;
}

QString RunController::LabelOf(const LineResult& result) {
  const QByteArray line =
      text_->findBlockByNumber(static_cast<int>(result.number - 1)).text().toUtf8();
  const Layout& layout = result.layout;
  const std::size_t count = std::min(Describe(result.kind).fieldCount, layout.fields.size());
  const auto named = layout.fields.begin();
  const auto namedEnd = named + static_cast<std::ptrdiff_t>(count);
  // The coordinate fields: those a header named, or those from the first.
  const auto coordinate = [&](std::size_t field) {
    if (!layout.named) return field >= layout.first && field < layout.first + count;
    return std::find(named, namedEnd, field) != namedEnd;
  };
  // Enough fields to reach one past the coordinates.
  const std::size_t end =
      layout.named && count > 0 ? *std::max_element(named, namedEnd) + 1 : layout.first + count;
  labelFields_.Split(std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
                     layout.separator, end + 1);
  for (std::size_t i = 0; i < labelFields_.Count(); ++i) {
    if (!coordinate(i) && !IsBlankField(labelFields_[i])) {
      return FromUtf8(labelFields_[i]).trimmed();
    }
  }
  return {};
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
  text_ = nullptr;
  next_ = QTextBlock();
  emit Busy(false);
  emit Finished(complete);
}

}  // namespace koord::ui
