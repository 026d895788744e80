#pragma once
// The batch converter: converts a text of points, one per line, with one
// conversion object, for two hosts (the main window and koord-cli).
//
// The host gives what the converter needs of a window system through
// BatchHost; everything else here runs without one.
//
//   BatchRun run(host, choices, RunOutput::Text);
//   while (run.Step(kBytesPerStep)) {
//     // a window repaints here
//   }
//   run.Summary().refused  // lines refused, each with its reason in place

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Choices.h"
#include "support/Language.h"

namespace koord {

// The run's choices.
struct BatchChoices {
  CoordKind coorFrom = CoordKind::Lambert;
  CoordKind coorDest = CoordKind::Mgrs;
  Datum datumFrom = Datum::Bel72;
  Datum datumDest = Datum::Wgs84;
  // Read only for an output of their kind.
  MgrsPrecision mgrsPrecision = MgrsPrecision::HundredMetres;
  IfblPrecision ifblPrecision = IfblPrecision::Square1km;
  // IFBL codes written with full stops between their parts, as atlases
  // print them: E4.35.22 rather than E43522.
  bool ifblDots = false;
  // Decimals of decimal degree output, kMinDegreeDecimals..kMaxDegreeDecimals.
  int degreeDecimals = kDefaultDegreeDecimals;
  // Decimal mark of degree output.
  char decimalMark = '.';
  // The fields of the input lines: what separates them, and the field
  // (from 1) where the coordinate fields start.
  Separator separator = Separator::Tab;
  std::size_t firstColumn = 1;
  // Each output line repeats the input line before the output fields, so
  // that the result pastes back beside the records.
  bool keepLine = false;
  // BD72 and WGS84 through the official seven-parameter transformation
  // (0.2 m) rather than the Molodensky shift (about 1 m).
  bool preciseTransformation = false;
  // The UTM zone of UTM output, 1 to 60; 0 lets each point choose.
  std::int16_t utmZone = 0;
  // Line end written after every output line.
  std::string lineEnd = "\r\n";
  // The language of the reasons written in refused lines' places and of
  // the names given to a header's fields.
  Language language = Language::French;
};

// What the converter needs of its host.
class BatchHost {
 public:
  virtual ~BatchHost() = default;
  virtual std::string InputText() = 0;
  virtual void SetInputText(const std::string& text) = 0;
  // Appends to the output; must cost time linear in the text appended.
  virtual void AppendOutput(std::string_view text) = 0;
  virtual void SetBusy(bool busy) = 0;
  // Shows `message` (the fault's description, two line breaks and
  // "Continuer?") and returns true for Yes.
  virtual bool AskContinue(const std::string& message) = 0;
  // Map mode: called once before the first point, then once per point
  // (Lambert 1972 metres), then ShowMap after the last one.
  virtual void PrepareMap() = 0;
  virtual void PlotPoint(double x, double y) = 0;
  virtual void ShowMap() = 0;
};

// What a run made of the lines of its text. Blank lines and a header count
// in neither total.
struct RunSummary {
  std::size_t converted = 0;  // lines that gave a coordinate or a dot
  std::size_t refused = 0;    // lines that gave their reason instead
  // The first refused line, counted from 0 in the text.
  std::optional<std::size_t> firstRefused;
};

// One run over the host's input text, into output lines or onto the map,
// done in steps so that a window stays alive through a long text. The
// output of each step is handed to the host in one piece, so a run costs
// time linear in its output whatever the host.
class BatchRun {
 public:
  // Reads the host's input text, giving it its closing line break when it
  // ends in a printable character; sets the pointer busy and prepares the
  // map.
  BatchRun(BatchHost& host, const BatchChoices& choices, RunOutput output);
  ~BatchRun();

  // Converts the lines of about `bytes` more bytes of the text. At the end
  // of the text the run ends: the pointer is normal and the map is shown.
  // A No at the prompt of a fault ends it at once, the map unshown. True
  // while there is more to do.
  bool Step(std::size_t bytes);
  // Ends the run before the end of its text, as a No at a prompt does.
  void Stop();

  bool Ended() const;
  // Bytes of the text done, and all of them.
  std::size_t Done() const;
  std::size_t Size() const;
  const RunSummary& Summary() const;

 private:
  class State;
  std::unique_ptr<State> state_;
};

// A whole run in one call.
RunSummary Converti(BatchHost& host, const BatchChoices& choices, RunOutput output);

}  // namespace koord
