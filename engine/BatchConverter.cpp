#include "engine/BatchConverter.h"

#include <string_view>

#include "engine/LineConverter.h"
#include "engine/LineSplitter.h"

namespace koord {
namespace {

// Closes the prompt text, after the fault's description and two line ends.
constexpr std::string_view kContinue = "Continuer?";
// Characters up to this code (blanks, tabs, line ends) need no closing
// line break.
constexpr unsigned char kLastControlCode = 32;

// One run: the output is gathered here and handed to the host in one piece
// before each prompt and at the end, so a run costs time linear in its
// output whatever the host.
class Run {
 public:
  Run(BatchHost& host, const BatchChoices& choices, RunOutput output)
      : host_(host), choices_(choices), runOutput_(output), converter_(choices, output) {}

  bool Line(std::string_view line, bool tooLong) {
    // The first non-blank line of the text may be its header.
    const bool mayBeHeader = !seenText_ && !IsBlank(line);
    seenText_ = seenText_ || !IsBlank(line);
    const LineOutcome& outcome = converter_.Convert(line, tooLong, mayBeHeader);
    if (outcome.status == LineStatus::Fault && !AskContinue(outcome.why)) {
      return false;
    }
    if (runOutput_ == RunOutput::Map) {
      if (outcome.status == LineStatus::Converted) {
        host_.PlotPoint(outcome.x, outcome.y);
      }
    } else {
      output_ += outcome.text;
      output_ += choices_.lineEnd;
    }
    return true;
  }

  void Flush() {
    if (output_.empty()) return;
    host_.AppendOutput(output_);
    output_.clear();
  }

 private:
  // The prompt: normal pointer while it shows, busy again after Yes.
  bool AskContinue(const std::string& description) {
    Flush();
    host_.SetBusy(false);
    std::string message = description;
    message += "\r\n\r\n";
    message += kContinue;
    const bool yes = host_.AskContinue(message);
    if (yes) host_.SetBusy(true);
    return yes;
  }

  BatchHost& host_;
  const BatchChoices& choices_;
  const RunOutput runOutput_;
  LineConverter converter_;
  std::string output_;
  bool seenText_ = false;
};

// Adds the closing line break that the input box gets when its text ends in
// a printable character, and returns the text to convert.
std::string CloseInputText(BatchHost& host) {
  std::string text = host.InputText();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > kLastControlCode) {
    text += "\r\n";
    host.SetInputText(text);
  }
  return text;
}

}  // namespace

void Converti(BatchHost& host, const BatchChoices& choices, RunOutput output) {
  Run run(host, choices, output);
  const std::string text = CloseInputText(host);

  host.SetBusy(true);
  const bool onMap = output == RunOutput::Map;
  if (onMap) host.PrepareMap();
  LineSplitter lines;
  const auto onLine = [&run](std::string_view line, bool tooLong) {
    return run.Line(line, tooLong);
  };
  const bool finished = lines.Feed(text, onLine) && lines.Finish(onLine);
  run.Flush();
  if (!finished) return;  // No at a prompt: the pointer is already normal
  host.SetBusy(false);
  if (onMap) host.ShowMap();
}

}  // namespace koord
