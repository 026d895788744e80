#pragma once
// The batch converter: converts a text of points, one per line, with one
// conversion object, for two hosts (the main window and koord-cli).
//
// The host gives what the converter needs of a window system through
// BatchHost; everything else here runs without one.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Choices.h"

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

// One run over the host's input text, into output lines or onto the map.
void Converti(BatchHost& host, const BatchChoices& choices, RunOutput output);

}  // namespace koord
