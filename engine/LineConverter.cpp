#include "engine/LineConverter.h"

#include <algorithm>
#include <optional>

#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

OutputStyle StyleOf(const BatchChoices& choices) {
  return {EntryOf(kSeparatorTable, choices.separator).output, choices.decimalMark,
          std::clamp(choices.degreeDecimals, kMinDegreeDecimals, kMaxDegreeDecimals),
          choices.ifblDots};
}

}  // namespace

LineConverter::LineConverter(const BatchChoices& choices, RunOutput output)
    : choices_(choices),
      output_(output),
      from_(Describe(choices.coorFrom)),
      dest_(Describe(choices.coorDest)),
      style_(StyleOf(choices)),
      firstField_(choices.firstColumn > 0 ? choices.firstColumn - 1 : 0) {
  point_.SetDatumFrom(EntryOf(kDatumTable, choices_.datumFrom).code);
  point_.SetDatumDest(EntryOf(kDatumTable, choices_.datumDest).code);
  point_.PreciseTransformation = choices_.preciseTransformation;
  if (output_ == RunOutput::Text) {
    dest_.prepareOutput(choices_, point_);
  } else {
    // The map plots Lambert 1972 X and Y, which every conversion gives.
    point_.ComputeUtm = point_.ComputeIfbl = point_.ComputeLambert2008 = false;
  }
}

const LineOutcome& LineConverter::Convert(std::string_view line, bool tooLong, bool mayBeHeader) {
  line_ = line;
  outcome_.text.clear();
  outcome_.why.clear();
  outcome_.x = 0;
  outcome_.y = 0;
  if (tooLong) {
    Refuse(Reason::LineTooLong);
    return outcome_;
  }
  if (IsBlank(line)) {
    outcome_.status = LineStatus::Blank;
    return outcome_;
  }
  fields_.Split(line, choices_.separator, firstField_ + from_.fieldCount);
  if (mayBeHeader && IsHeader()) {
    WriteHeader();
    return outcome_;
  }
  try {
    if (!ReadInput()) return outcome_;
    // The map shows Lambert input as read, unconverted and unchecked.
    const bool plotAsRead = output_ == RunOutput::Map && from_.kind == CoordKind::Lambert;
    if (!plotAsRead) point_.Conversion();
    ReadResult();
  } catch (const RuntimeError& fault) {
    Fail(Reason::Fault, FaultText(fault.Code(), choices_.language));
  }
  return outcome_;
}

bool LineConverter::IsHeader() const {
  for (std::size_t i = firstField_; i < fields_.Count(); ++i) {
    if (HasDigit(fields_[i])) return false;
  }
  return true;
}

bool LineConverter::ReadInput() {
  point_.Reset();
  if (fields_.Count() < firstField_ + from_.fieldCount) {
    Refuse(Reason::MissingField);
    return false;
  }
  const std::optional<FieldRefusal> why =
      from_.read(fields_.All().subspan(firstField_, from_.fieldCount), point_, choices_.language);
  if (why) Refuse(why->reason, why->detail);
  return !why;
}

void LineConverter::ReadResult() {
  if (!point_.Error().empty()) {
    Refuse(Reason::Refused,
           ConversionErrorIn(point_.ErrorCode(), point_.Error(), choices_.language));
    return;
  }
  outcome_.status = LineStatus::Converted;
  if (output_ == RunOutput::Map) {
    outcome_.x = RequireFinite(point_.X());
    outcome_.y = RequireFinite(point_.Y());
    return;
  }
  KeepLine();
  if (const std::optional<Reason> why = dest_.write(point_, style_, outcome_.text)) Refuse(*why);
}

void LineConverter::WriteHeader() {
  outcome_.status = LineStatus::Header;
  KeepLine();
  for (std::size_t i = 0; i < dest_.fieldCount; ++i) {
    if (i > 0) outcome_.text += style_.separator;
    outcome_.text += dest_.fieldNames[i].In(choices_.language);
  }
}

void LineConverter::KeepLine() {
  if (!choices_.keepLine) return;
  outcome_.text += line_;
  outcome_.text += style_.separator;
}

void LineConverter::Refuse(Reason reason, std::string_view detail) {
  outcome_.status = LineStatus::Refused;
  outcome_.reason = reason;
  outcome_.why = RefusalText(reason, detail, choices_.language);
  outcome_.text.clear();
  KeepLine();
  AppendField(outcome_.text, outcome_.why, style_.separator);
}

void LineConverter::Fail(Reason reason, std::string_view detail) {
  Refuse(reason, detail);
  outcome_.status = LineStatus::Fault;
}

}  // namespace koord
