#include "engine/LineConverter.h"

#include <cstddef>
#include <optional>

#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "engine/OutputFormat.h"
#include "support/Ascii.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// A Lambert value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

// Field n (from 1) of a line cut at tabs; nothing when the line has fewer.
std::optional<std::string_view> Field(std::string_view line, int n) {
  for (int i = 1; i < n; ++i) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    line.remove_prefix(tab + 1);
  }
  return line.substr(0, line.find('\t'));
}

// Lambert values under 1000 are kilometres; the test is strict and holds
// for negative values too.
double ApplyKilometreRule(double value) {
  return value < kKilometreLimit ? RequireFinite(value * kMetresPerKilometre) : value;
}

}  // namespace

LineConverter::LineConverter(const BatchChoices& choices, RunOutput output)
    : choices_(choices), output_(output) {
  point_.SetDatumFrom(EntryOf(kDatumTable, choices_.datumFrom).code);
  point_.SetDatumDest(EntryOf(kDatumTable, choices_.datumDest).code);
  const bool text = output_ == RunOutput::Text;
  if (text && choices_.coorDest == CoordKind::Mgrs) {
    point_.mgrsPrecision = EntryOf(kMgrsPrecisionTable, choices_.mgrsPrecision).metres;
  }
  if (text && choices_.coorDest == CoordKind::Ifbl) {
    point_.IfblPrecision = EntryOf(kIfblPrecisionTable, choices_.ifblPrecision).length;
  }
  // Each line is read for one output only; MGRS and IFBL cost a third of the
  // work of a Lambert line.
  point_.ComputeUtm = text && choices_.coorDest == CoordKind::Mgrs;
  point_.ComputeIfbl = text && choices_.coorDest == CoordKind::Ifbl;
}

const LineOutcome& LineConverter::Convert(std::string_view line, bool tooLong) {
  outcome_.text.clear();
  outcome_.x = 0;
  outcome_.y = 0;
  if (tooLong) {
    Refuse(Reason::LineTooLong);
  } else if (IsBlank(line)) {
    outcome_.status = LineStatus::Blank;
  } else {
    try {
      if (!ReadInput(line)) return outcome_;
      // The map shows Lambert input as read, unconverted and unchecked.
      const bool plotAsRead = output_ == RunOutput::Map && choices_.coorFrom == CoordKind::Lambert;
      if (!plotAsRead) point_.Conversion();
      ReadResult();
    } catch (const RuntimeError& fault) {
      Fail(Reason::Fault, fault.what());
    }
  }
  return outcome_;
}

bool LineConverter::ReadInput(std::string_view line) {
  point_.Reset();
  point_.SetOrigType(EntryOf(kKindTable, choices_.coorFrom).objectCode);
  // A line always has a first field; the first number is read (and may
  // fault) before the second field is looked for.
  const std::string_view first = *Field(line, 1);
  switch (choices_.coorFrom) {
    case CoordKind::Lambert:
    case CoordKind::Degrees: {
      const double a = ReadNumber(first);
      const std::optional<std::string_view> second = Field(line, 2);
      if (!second) {
        Fail(Reason::MissingField);
        return false;
      }
      const double b = ReadNumber(*second);
      if (choices_.coorFrom == CoordKind::Lambert) {
        point_.SetY(ApplyKilometreRule(b));
        point_.SetX(ApplyKilometreRule(a));
      } else {
        point_.SetLatitude(a);
        point_.SetLongitude(b);
      }
      break;
    }
    case CoordKind::Mgrs: point_.SetMGRS(ascii::ToUpper(first)); break;
    case CoordKind::Ifbl: point_.SetIFBL(ascii::ToUpper(first)); break;
  }
  return true;
}

void LineConverter::ReadResult() {
  if (!point_.Error().empty()) {
    Refuse(Reason::Refused, point_.Error());
    return;
  }
  outcome_.status = LineStatus::Converted;
  if (output_ == RunOutput::Map) {
    outcome_.x = RequireFinite(point_.X());
    outcome_.y = RequireFinite(point_.Y());
  } else {
    FormatOutput();
  }
}

void LineConverter::FormatOutput() {
  switch (choices_.coorDest) {
    case CoordKind::Lambert:
      // Beyond those bounds the projection gives numbers that no Lambert
      // input would accept (swapped latitude and longitude, another country).
      if (point_.LambertInDomain()) {
        AppendLambert(outcome_.text, point_.X(), point_.Y());
      } else {
        Refuse(Reason::OutsideLambert);
      }
      return;
    case CoordKind::Mgrs:
      switch (point_.MgrsResult()) {
        case DMA::MgrsStatus::Made: outcome_.text = point_.MGRS(); return;
        case DMA::MgrsStatus::OutsideUtm: Refuse(Reason::OutsideUtm); return;
        case DMA::MgrsStatus::NoLettering:
        case DMA::MgrsStatus::NotMade: Refuse(Reason::MgrsNotMade); return;
      }
      return;
    case CoordKind::Ifbl:
      if (point_.IfblInGrid()) {
        outcome_.text = point_.IFBL();
      } else {
        Refuse(Reason::OutsideIfbl);
      }
      return;
    case CoordKind::Degrees:
      AppendDegrees(outcome_.text, point_.Latitude(), point_.Longitude(), choices_.decimalMark);
      return;
  }
}

void LineConverter::Refuse(Reason reason, std::string_view detail) {
  outcome_.status = LineStatus::Refused;
  outcome_.reason = reason;
  const std::string_view text = ReasonText(reason);
  outcome_.text.assign(text.empty() ? detail : text);
}

void LineConverter::Fail(Reason reason, std::string_view detail) {
  Refuse(reason, detail);
  outcome_.status = LineStatus::Fault;
}

}  // namespace koord
