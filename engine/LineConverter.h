#pragma once
// Converts one line of the input text with one conversion object, for the
// output lines or for the map. The window and koord-cli share it, so both
// give the same text for the same line.
//
//   LineConverter converter(choices, RunOutput::Text);
//   const LineOutcome& r = converter.Convert("150000\t170000", {Separator::Tab, 0});
//   // r.status == LineStatus::Converted, r.text == "31UES963329"
//
// The line is cut as its text's layout says (engine/Layout.h); the
// coordinate fields (two for Lambert, Lambert 2008 and degrees, three for
// UTM, one for MGRS and IFBL, or both angles in one field) must hold what
// their kind reads and nothing else (NumberReader.h, DegreeReader.h), and
// where a separator may also stand inside a value (blanks, commas) the
// line must end with them, every field accounted for; else the line is
// refused with the reason and the field.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TransCoo.h"
#include "engine/Choices.h"
#include "engine/FieldSplitter.h"
#include "engine/Kind.h"
#include "engine/Layout.h"
#include "engine/Refusal.h"

namespace koord {

enum class LineStatus {
  Blank,      // only blanks, tabs and empty fields: an empty output line
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
  // A converted point more than kFarFromBelgiumKm from Belgium, and how
  // far, km.
  bool far = false;
  double kilometres = 0;
  // The kind the line was read as (with kind detection, the one found).
  CoordKind kind = CoordKind::Lambert;
};

class LineConverter {
 public:
  // Selects the datums and the precision of the choices.
  LineConverter(const BatchChoices& choices, RunOutput output);

  // Converts one line (without its line end), cut as `layout` says; a line
  // flagged tooLong is refused unread, a header gets the output's column
  // names. The outcome stays valid until the next call.
  const LineOutcome& Convert(std::string_view line, const Layout& layout, bool tooLong = false,
                             LineRole role = LineRole::Data);

  // What a line's coordinates read into at a layout: how far from Belgium
  // the point lies, km, and how many fields the reading took.
  struct ProbeResult {
    double kilometres;
    std::size_t consumed;
  };
  // Whether the line's coordinates read at `layout` into a point that
  // converts, every field accounted for. What a layout is found with.
  std::optional<ProbeResult> Probe(std::string_view line, const Layout& layout);

  // The conversion object as the last line left it.
  const TransCoo& Point() const { return *point_; }

 private:
  // One input kind the line may be read as, with its conversion object set
  // up for the kind's datum.
  struct Reading {
    const KindDescriptor* kind;
    TransCoo point;
  };

  // Reads the line's coordinate fields and converts them, or refuses the
  // line; with kind detection, into the one reading that fits.
  bool ReadAndConvert(const Layout& layout);
  // Cuts the line into its fields, once for all the kinds it is read as.
  void SplitFields(const Layout& layout);
  // Reads the coordinate fields as one kind into its object; nothing when
  // they read, every field accounted for.
  std::optional<FieldRefusal> ReadAs(Reading& reading, const Layout& layout);
  bool Detect(const Layout& layout);
  void ReadResult();
  void CheckDistance();
  void WriteHeader();
  // The input line and a separator when it is kept.
  void KeepLine();
  void Refuse(Reason reason, std::string_view detail = {});
  // The conversion object's refusal, in the run's language.
  void RefuseConversion(ConversionError code, std::string_view data = {});
  void Fail(Reason reason, std::string_view detail = {});

  const BatchChoices choices_;
  const RunOutput output_;
  std::vector<const KindDescriptor*> outputs_;
  OutputStyle style_;
  // One reading of the input kind, or one per kind with detection.
  std::vector<Reading> readings_;
  TransCoo* point_;
  const KindDescriptor* readKind_;
  FieldSplitter fields_;
  std::string_view line_;
  LineOutcome outcome_;
  bool unitsMixed_ = false;   // of the last reading
  std::size_t consumed_ = 0;  // fields the last reading took
};

}  // namespace koord
