#pragma once
// Converts one line of the input text with one conversion object, for the
// output lines or for the map. Converti and koord-cli share it, so both give
// the same text for the same line.
//
//   LineConverter converter(choices, RunOutput::Text);
//   const LineOutcome& r = converter.Convert("150000\t170000");
//   // r.status == LineStatus::Converted, r.text == "31UFS..."

#include <string>
#include <string_view>

#include "core/TransCoo.h"
#include "engine/BatchConverter.h"
#include "engine/Refusal.h"

namespace koord {

enum class LineStatus {
  Blank,      // only blanks and tabs: an empty output line, no conversion
  Converted,  // text holds the output fields (text output); x, y the point
  Refused,    // text holds why (reason)
  Fault,      // text holds why (reason): a missing field or a run-time
              // error, which the window asks about before going on
};

struct LineOutcome {
  LineStatus status = LineStatus::Blank;
  // Why, when the line is refused or faulty.
  Reason reason = Reason::Refused;
  // The output fields, or the reason's text: what stands in the line's place.
  std::string text;
  // The point to plot on the map, Lambert 1972 metres.
  double x = 0;
  double y = 0;
};

class LineConverter {
 public:
  // Selects the datums and the precision of the choices.
  LineConverter(const BatchChoices& choices, RunOutput output);

  // Converts one line (without its line end); a line flagged tooLong is
  // refused unread. The outcome stays valid until the next call.
  const LineOutcome& Convert(std::string_view line, bool tooLong = false);

 private:
  bool ReadInput(std::string_view line);
  void ReadResult();
  void FormatOutput();
  void Refuse(Reason reason, std::string_view detail = {});
  void Fail(Reason reason, std::string_view detail = {});

  const BatchChoices choices_;
  const RunOutput output_;
  TransCoo point_;
  LineOutcome outcome_;
};

}  // namespace koord
