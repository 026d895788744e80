#pragma once
// Converts one line of the input text with one conversion object, for the
// output lines or for the map. Converti and koord-cli share it, so both give
// the same text for the same line.
//
//   LineConverter converter(choices, RunOutput::Text);
//   const LineOutcome& r = converter.Convert("150000\t170000");
//   // r.status == LineStatus::Converted, r.text == "31UES963329"
//
// The coordinate fields (two for Lambert, Lambert 2008 and degrees, three
// for UTM, one for MGRS and IFBL) start at the chosen column; each must hold what its kind reads
// and nothing else (NumberReader.h, DegreeReader.h), or the line is refused with the reason and the
// field. The first non-blank line of a text is a header when its coordinate fields hold no digit:
// it gets the output's column names.

#include <string>
#include <string_view>

#include "core/TransCoo.h"
#include "engine/Choices.h"
#include "engine/FieldSplitter.h"
#include "engine/Kind.h"
#include "engine/Refusal.h"

namespace koord {

enum class LineStatus {
  Blank,      // only blanks and tabs: an empty output line, no conversion
  Header,     // the column names of a text: text holds the output's names
  Converted,  // text holds the output fields (text output); x, y the point
  Refused,    // text holds why (reason, why), a missing field included
  Fault,      // text holds why (reason, why): a run-time error, which the
              // window asks about before going on
};

struct LineOutcome {
  LineStatus status = LineStatus::Blank;
  // Why, when the line is refused or faulty: the reason, and its text with
  // the field it is about.
  Reason reason = Reason::Refused;
  std::string why;
  // What stands in the line's place: the output fields or why (after the
  // input line when it is kept).
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
  // refused unread. mayBeHeader: the line is the first non-blank line of
  // its text. The outcome stays valid until the next call.
  const LineOutcome& Convert(std::string_view line, bool tooLong = false, bool mayBeHeader = false);

 private:
  bool IsHeader() const;
  // Reads the coordinate fields into the conversion object, or refuses
  // the line.
  bool ReadInput();
  void ReadResult();
  void WriteHeader();
  // The input line and a separator when it is kept.
  void KeepLine();
  void Refuse(Reason reason, std::string_view detail = {});
  void Fail(Reason reason, std::string_view detail = {});

  const BatchChoices choices_;
  const RunOutput output_;
  const KindDescriptor& from_;
  const KindDescriptor& dest_;
  const OutputStyle style_;
  const std::size_t firstField_;  // index of the first coordinate field
  TransCoo point_;
  FieldSplitter fields_;
  std::string_view line_;
  LineOutcome outcome_;
};

}  // namespace koord
