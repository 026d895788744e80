#pragma once
// The batch converter: converts a text of points, one per line, with one
// conversion object, for two hosts (the main window and koord-cli).
//
// The host gives what the converter needs of a window system through
// BatchHost; everything else here runs without one.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace koord {

// The run's choices, as positions of the main window's lists.
struct BatchChoices {
  // Input and output kinds: 0 Lambert 1972, 1 MGRS, 2 IFBL, 3 degrees.
  int coorFrom = 0;
  int coorDest = 1;
  // Datums: 0 "BEL72", 1 "WGS84", 2 "EUR-M", 3 "NTF".
  int datumFrom = 0;
  int datumDest = 1;
  // Position in the precision list; read through the table of the output
  // kind (mgrsPrecValues for MGRS, ifblPrecValues for IFBL).
  int precision = 2;
  std::array<std::int32_t, 5> mgrsPrecValues{1, 10, 100, 1000, 10000};
  std::array<std::int16_t, 3> ifblPrecValues{6, 4, 2};
  // Decimal mark of degree output.
  char decimalMark = '.';
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

// One run over the host's input text: text output (onMap false) or map.
void Converti(BatchHost& host, const BatchChoices& choices, bool onMap);

}  // namespace koord
