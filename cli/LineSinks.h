#pragma once
// What koord-cli does with each line's outcome: an output line (TextSink)
// or a dot on the map (MapSink), the reason of a refused line also on
// standard error with its file and number.

#include <string>
#include <string_view>
#include <vector>

#include "cli/MapFile.h"
#include "cli/OutputFile.h"
#include "cli/RefusalMessages.h"
#include "engine/BatchRun.h"

namespace koord::cli {

// A refused line, or one the conversion failed on.
bool IsRefused(const LineResult& line);

// Every line's outcome on its own output line. With the input lines kept,
// the output keeps their byte-order mark, line ends and encoding too (a
// line read as Windows-1252 goes back in it), so that a spreadsheet
// reopens it as it opened the input.
class TextSink : public LineSink {
 public:
  TextSink(OutputFile& output, RefusalMessages& messages, bool keepLines)
      : output_(output), messages_(messages), keepLines_(keepLines) {}

  bool Take(const LineResult& line) override;

 private:
  OutputFile& output_;
  RefusalMessages& messages_;
  const bool keepLines_;
  bool first_ = true;
  bool lineEndSeen_ = false;
  std::string_view lineEnd_ = "\n";
  std::string encoded_;
};

// The points of the converted lines.
class MapSink : public LineSink {
 public:
  explicit MapSink(RefusalMessages& messages) : messages_(messages) {}

  bool Take(const LineResult& line) override;
  const std::vector<MapPoint>& Points() const { return points_; }

 private:
  RefusalMessages& messages_;
  std::vector<MapPoint> points_;
};

}  // namespace koord::cli
