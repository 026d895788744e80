#pragma once
// Why a line gives no coordinate: a value, with its French text from one
// table. The text of the line's output is the reason's text.

#include <string_view>

namespace koord {

enum class Reason {
  MissingField,    // the line has fewer fields than its kind reads
  LineTooLong,     // the line was cut before it ended (kMaxLineLength)
  OutsideUtm,      // MGRS output for a latitude outside the UTM bands
  MgrsNotMade,     // MGRS output the UTM routines could not make
  OutsideIfbl,     // IFBL output for a point outside the lettered grid
  OutsideLambert,  // Lambert output for a point outside the bounds of Lambert input
  Refused,         // the conversion object refused the input: its Error text
  Fault,           // a run-time error while converting: its description
};

// The French text of a reason; empty for Refused and Fault, whose text is
// the detail that comes with them.
std::string_view ReasonText(Reason reason);

}  // namespace koord
