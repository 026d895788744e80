#include "engine/LineConverter.h"

#include <array>
#include <cstddef>

#include "support/Checked.h"
#include "core/IfblCode.h"
#include "support/RuntimeError.h"
#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "engine/OutputFormat.h"
#include "support/Ascii.h"

namespace koord {
namespace {

// Positions of the kind lists.
constexpr int kLambert = 0;
constexpr int kMgrs = 1;
constexpr int kIfbl = 2;
constexpr int kDegrees = 3;

// Input kind codes handed to the object, by position of the input list.
constexpr std::array<std::string_view, 4> kKindCodes{"lmb", "mgr", "ifb",
                                                     "deg"};
// Datum codes by position of the datum lists.
constexpr std::array<std::string_view, 4> kDatumCodes{"BEL72", "WGS84",
                                                      "EUR-M", "NTF"};

// A Lambert value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

template <typename Table>
bool InTable(int position, const Table& table) {
  return position >= 0 && static_cast<std::size_t>(position) < table.size();
}

// Field n (from 1) of a line cut at tabs; a missing field is a fault.
std::string_view Field(std::string_view line, int n) {
  for (int i = 1; i < n; ++i) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      throw RuntimeError(std::string(kMissingField));
    }
    line.remove_prefix(tab + 1);
  }
  return line.substr(0, line.find('\t'));
}

// Lambert values under 1000 are kilometres; the test is strict and holds
// for negative values too.
double ApplyKilometreRule(double value) {
  return value < kKilometreLimit ? RequireFinite(value * kMetresPerKilometre)
                                 : value;
}

// A reference starts with its zone (two digits, or a blank and a digit)
// and its band letter; the error texts of the UTM routines do not.
bool IsMgrsReference(std::string_view text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return text.size() >= 3 && (digit(text[0]) || text[0] == ' ') &&
         digit(text[1]) && text[2] >= 'A' && text[2] <= 'Z';
}

}  // namespace

LineConverter::LineConverter(const BatchChoices& choices, bool onMap)
    : choices_(choices), onMap_(onMap) {
  if (InTable(choices_.datumFrom, kDatumCodes)) {
    point_.SetDatumFrom(kDatumCodes[static_cast<std::size_t>(choices_.datumFrom)]);
  }
  if (InTable(choices_.datumDest, kDatumCodes)) {
    point_.SetDatumDest(kDatumCodes[static_cast<std::size_t>(choices_.datumDest)]);
  }
  // Each line is read for one output only; MGRS and IFBL cost a third of the
  // work of a Lambert line.
  point_.ComputeUtm = !onMap_ && choices_.coorDest == kMgrs;
  point_.ComputeIfbl = !onMap_ && choices_.coorDest == kIfbl;
}

void LineConverter::SelectPrecision() {
  const int position = choices_.precision;
  if (choices_.coorDest == kMgrs) {
    if (!InTable(position, choices_.mgrsPrecValues)) {
      throw RuntimeError(std::string(kBadPrecision));
    }
    point_.mgrsPrecision =
        choices_.mgrsPrecValues[static_cast<std::size_t>(position)];
  } else if (choices_.coorDest == kIfbl) {
    if (!InTable(position, choices_.ifblPrecValues)) {
      throw RuntimeError(std::string(kBadPrecision));
    }
    point_.IfblPrecision =
        choices_.ifblPrecValues[static_cast<std::size_t>(position)];
  }
}

const LineOutcome& LineConverter::Convert(std::string_view line,
                                          bool tooLong) {
  outcome_.text.clear();
  outcome_.x = 0;
  outcome_.y = 0;
  if (tooLong) {
    Refuse(kLineTooLong);
  } else if (IsBlank(line)) {
    outcome_.status = LineStatus::Blank;
  } else {
    try {
      ReadInput(line);
      // The map shows Lambert input as read, unconverted and unchecked.
      if (!(onMap_ && choices_.coorFrom == kLambert)) point_.Conversion();
      ReadResult();
    } catch (const RuntimeError& fault) {
      outcome_.status = LineStatus::Fault;
      outcome_.text = fault.what();
    }
  }
  return outcome_;
}

void LineConverter::ReadInput(std::string_view line) {
  point_.Reset();
  if (!InTable(choices_.coorFrom, kKindCodes)) return;
  point_.SetOrigType(kKindCodes[static_cast<std::size_t>(choices_.coorFrom)]);
  switch (choices_.coorFrom) {
    case kLambert: {
      const double x = ReadNumber(Field(line, 1));
      const double y = ReadNumber(Field(line, 2));
      point_.SetY(ApplyKilometreRule(y));
      point_.SetX(ApplyKilometreRule(x));
      break;
    }
    case kMgrs:
      point_.SetMGRS(ascii::ToUpper(Field(line, 1)));
      break;
    case kIfbl:
      point_.SetIFBL(ascii::ToUpper(Field(line, 1)));
      break;
    case kDegrees:
      point_.SetLatitude(ReadNumber(Field(line, 1)));
      point_.SetLongitude(ReadNumber(Field(line, 2)));
      break;
  }
}

void LineConverter::ReadResult() {
  if (!point_.Error().empty()) {
    Refuse(point_.Error());
    return;
  }
  outcome_.status = LineStatus::Converted;
  if (onMap_) {
    outcome_.x = RequireFinite(point_.X());
    outcome_.y = RequireFinite(point_.Y());
  } else {
    FormatOutput();
  }
}

void LineConverter::FormatOutput() {
  switch (choices_.coorDest) {
    case kLambert:
      AppendLambert(outcome_.text, point_.X(), point_.Y());
      return;
    case kMgrs:
      if (point_.MGRS().empty()) {
        Refuse(kOutsideUtm);
      } else if (!IsMgrsReference(point_.MGRS())) {
        Refuse(kMgrsNotMade);
      } else {
        outcome_.text = point_.MGRS();
      }
      return;
    case kIfbl:
      // Points south or west of the lettered grid still get a code from the
      // grid arithmetic ("N-13821"), which names no square.
      if (!IsIfblGridCode(point_.IFBL())) {
        Refuse(kOutsideIfbl);
      } else {
        outcome_.text = point_.IFBL();
      }
      return;
    case kDegrees:
      AppendDegrees(outcome_.text, point_.Latitude(), point_.Longitude(),
                    choices_.decimalMark);
      return;
    default:
      Refuse(kUnknownDest);
  }
}

void LineConverter::Refuse(std::string_view reason) {
  outcome_.status = LineStatus::Refused;
  outcome_.text = reason;
}

}  // namespace koord
