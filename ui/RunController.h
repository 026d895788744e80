#pragma once
// One conversion run of the main window: the engine's run (engine/
// BatchRun.h) fed with the input text in slices from the event loop, so
// that the window repaints and can stop it through a million lines, while
// worker threads convert. It gathers each line's outcome: the result lines
// for the output box, the points for the map, the refused lines; it asks
// the window whether to go on after a fault, and tells how far it got.
//
//   RunController run;
//   connect(&run, &RunController::Output, box, &Box::Append);
//   connect(&run, &RunController::Finished, ...);
//   run.Start(choices, RunOutput::Text, text);  // returns after one slice

#include <QObject>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/BatchRun.h"

namespace koord::ui {

class RunController : public QObject, private LineSink {
  Q_OBJECT

 public:
  explicit RunController(QObject* parent = nullptr);
  ~RunController() override;

  // Asked after a line whose conversion faulted, with the fault and the
  // question: true goes on, false ends the run there.
  void SetAskContinue(std::function<bool(const QString& message)> ask);

  // Starts a run over `text` (lines ending in "\n") and converts its first
  // slice; the rest follows from the event loop. Nothing while a run goes.
  void Start(const BatchChoices& choices, RunOutput output, std::string text);
  // Ends the run where it is: what is converted stays, the rest is not.
  void Stop();
  bool Running() const { return run_ != nullptr; }

  // What the last run (or the current one, so far) made of its lines.
  const RunSummary& Summary() const { return run_ ? run_->Summary() : summary_; }
  // The points of a map run, Lambert 1972 metres, in line order.
  const std::vector<QPointF>& Points() const { return points_; }
  std::vector<QPointF> TakePoints();

 signals:
  // Busy while converting; not while the question after a fault shows.
  void Busy(bool busy);
  // Result lines, each ending in "\n", in order.
  void Output(const QString& lines);
  // `done` bytes of the text converted out of `size`.
  void Progress(std::size_t done, std::size_t size);
  // The run is over: `complete` when it went to the end of its text.
  void Finished(bool complete);

 private:
  bool Take(const LineResult& line) override;
  void Slice();
  void SendOutput();
  void End(bool complete);

  std::function<bool(const QString&)> askContinue_;
  // Brings the next slice from the event loop.
  QTimer nextSlice_;
  std::unique_ptr<BatchRun> run_;
  RunOutput output_ = RunOutput::Text;
  std::string text_;
  std::size_t fed_ = 0;
  std::string pending_;
  std::vector<QPointF> points_;
  RunSummary summary_;
  // A slice is going; a stop asked meanwhile ends the run after it.
  bool slicing_ = false;
  bool stopAsked_ = false;
};

}  // namespace koord::ui
