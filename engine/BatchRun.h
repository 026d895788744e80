#pragma once
// One run over texts of points, the same for the window and koord-cli: it
// cuts each text into lines, decides which line is a header, converts the
// lines (on several threads when asked), counts the converted and the
// refused ones, and hands each line's outcome, in input order, to a sink.
// What the outcome becomes (a box's text, an output file, messages, dots on
// a map, a prompt) is the sink's business.
//
//   class Printer : public LineSink {
//     bool Take(const LineResult& line) override { ...; return true; }
//   } printer;
//   BatchRun run(choices, RunOutput::Text, printer, /*threads=*/2);
//   run.Feed(block);   // as the blocks of a text come
//   run.EndText();     // its last line; the next Feed starts a new text
//   run.Finish();      // every line handed over
//   run.Summary().refused
//
// A text is a file or a paste: each has its own byte-order mark, its own
// line numbers and its own header.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Choices.h"
#include "engine/Kind.h"
#include "engine/Layout.h"
#include "engine/LineConverter.h"
#include "engine/LineSplitter.h"

namespace koord {

// A line's outcome, valid during the call that hands it over.
struct LineResult {
  std::size_t text;      // which text of the run, from 0
  std::uint64_t number;  // the line's number in its text, from 1
  LineStatus status;
  Reason reason;            // of a refused or faulty line
  std::string_view output;  // what stands in the line's place, without line end
  std::string_view why;     // the text of the reason of a refused or faulty line
  double x;                 // a converted point on the map, Lambert 1972 metres
  double y;
  LineEnding ending;   // what ended the input line
  bool byteOrderMark;  // the first line of a text that began with a byte-order mark
  bool windows1252;    // an input line that was not UTF-8, read as Windows-1252
  // A converted point more than 100 km from Belgium, and how far, km.
  bool far;
  double kilometres;
  // The kind the line was read as.
  CoordKind kind;
  // Where its text's coordinates stand, as given or found: the separator
  // (whose output form the line's fields are written with) and columns.
  Layout layout;
  // What the run's PointWork made of a converted line; empty without one.
  std::string_view extra;
};

// Work a sink needs done with the conversion object of each converted line
// besides its text: a file's result cells and geometry. It is done where
// the line was converted, so a run on several threads does it on all of
// them at once, each thread with a worker of its own.
class PointWork {
 public:
  class Worker {
   public:
    virtual ~Worker() = default;
    // Appends to `out` what the sink will find in the line's
    // LineResult::extra. `point` has converted the line, read as `readAs`.
    virtual void Do(const TransCoo& point, CoordKind readAs, std::string& out) = 0;
  };

  virtual ~PointWork() = default;
  // A worker for the lines of one thread, made on that thread.
  virtual std::unique_ptr<Worker> NewWorker() const = 0;
};

class LineSink {
 public:
  virtual ~LineSink() = default;
  // Takes each line in input order, on the thread that feeds the run.
  // False ends the run: nothing more is converted or handed over.
  virtual bool Take(const LineResult& line) = 0;
};

// What a run made of its lines. Blank lines and headers count in neither
// total.
struct RunSummary {
  struct Place {
    std::size_t text;
    std::uint64_t number;
  };
  std::size_t converted = 0;  // lines that gave a coordinate or a dot
  std::size_t refused = 0;    // lines that gave their reason instead
  std::optional<Place> firstRefused;
  // Converted lines whose point lies more than 100 km from Belgium.
  std::size_t far = 0;
  std::optional<Place> firstFar;
  // Converted lines by the kind they were read as, in the order of the
  // kinds (CoordKind).
  std::array<std::size_t, kKindCount> kinds{};
};

class BatchRun {
 public:
  // threads: converting threads besides the feeding one when above 1; with
  // 1 each line is converted and handed over as it is fed. `work`, when
  // given, must outlive the run.
  BatchRun(const BatchChoices& choices, RunOutput output, LineSink& sink, unsigned threads = 1,
           const PointWork* work = nullptr);
  ~BatchRun();
  BatchRun(const BatchRun&) = delete;
  BatchRun& operator=(const BatchRun&) = delete;

  // Bytes of the current text, cut anywhere. False once the run has ended.
  bool Feed(std::string_view bytes);
  // Ends the current text: its unterminated last line is a line.
  bool EndText();
  // Hands over every line fed so far, for an input that pauses.
  bool Flush();
  // Ends the current text and hands over every line.
  bool Finish();

  // True when the sink has ended the run.
  bool Ended() const;
  const RunSummary& Summary() const;

 private:
  class State;
  std::unique_ptr<State> state_;
};

}  // namespace koord
