#pragma once
// One conversion run of the main window: the engine's run (engine/
// BatchRun.h) fed with the lines of the input box in slices from the event
// loop, so that the window repaints and can stop it through a million
// lines, while worker threads convert. It gathers each line's outcome: the result lines
// for the output box, the points for the map with the line each came from,
// the refused lines; it asks the window whether to go on after a fault, and
// tells how far it got.
//
//   RunController run;
//   connect(&run, &RunController::Output, box, &Box::Append);
//   connect(&run, &RunController::Finished, ...);
//   run.Start(choices, RunOutput::Text, box->document());  // returns at once

#include <QObject>
#include <QString>
#include <QTextBlock>
#include <QTimer>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/BatchRun.h"
#include "engine/FieldSplitter.h"
#include "ui/MapPoints.h"

namespace koord::ui {

// A refused line: its number (from 1), and where its reason starts in its
// output line (after the input line when it is kept), in characters.
struct RefusedLine {
  std::uint64_t number;
  int reasonColumn;
};

class RunController : public QObject, private LineSink {
  Q_OBJECT

 public:
  explicit RunController(QObject* parent = nullptr);
  ~RunController() override;

  // Asked after a line whose conversion faulted, with the fault and the
  // question: true goes on, false ends the run there.
  void SetAskContinue(std::function<bool(const QString& message)> ask);

  // Starts a run over the lines of `text`, read as they are (no-break
  // spaces kept), which must not change until the run ends: a short text
  // is converted before the call returns, a long one slice by slice from
  // the event loop. Nothing while a run goes.
  void Start(const BatchChoices& choices, RunOutput output, const QTextDocument* text);
  // Ends the run where it is: what is converted stays, the rest is not.
  void Stop();
  bool Running() const { return run_ != nullptr; }

  // What the last run (or the current one, so far) made of its lines.
  const RunSummary& Summary() const { return run_ ? run_->Summary() : summary_; }
  // The number of the last line handed over, from 1; 0 before any.
  std::uint64_t LastLine() const { return lastLine_; }
  // Every refused line, in order.
  const std::vector<RefusedLine>& Refused() const { return refused_; }
  // Where the coordinates of the text stand, as given or found; none before
  // a line is handed over.
  const std::optional<Layout>& TextLayout() const { return layout_; }
  // The points of a map run, taken away.
  MapPoints TakePoints();

 signals:
  // Busy while converting; not while the question after a fault shows.
  void Busy(bool busy);
  // Result lines, each ending in "\n", in order.
  void Output(const QString& lines);
  // `done` lines of the text converted out of `size`.
  void Progress(std::size_t done, std::size_t size);
  // The run is over: `complete` when it went to the end of its text.
  void Finished(bool complete);

 private:
  bool Take(const LineResult& line) override;
  void Slice();
  bool FeedStep();
  void SendOutput();
  void End(bool complete);
  // The first text field of the line outside its coordinates.
  QString LabelOf(const LineResult& line);

  std::function<bool(const QString&)> askContinue_;
  // Brings the next slice from the event loop.
  QTimer nextSlice_;
  std::unique_ptr<BatchRun> run_;
  BatchChoices choices_;
  RunOutput output_ = RunOutput::Text;
  const QTextDocument* text_ = nullptr;
  // The next line to feed.
  QTextBlock next_;
  bool firstSlice_ = true;
  std::string pending_;
  std::uint64_t lastLine_ = 0;
  std::vector<RefusedLine> refused_;
  std::optional<Layout> layout_;
  MapPoints points_;
  RunSummary summary_;
  FieldSplitter labelFields_;
  std::string scratch_;
  // A slice is going; a stop asked meanwhile ends the run after it.
  bool slicing_ = false;
  bool stopAsked_ = false;
};

}  // namespace koord::ui
