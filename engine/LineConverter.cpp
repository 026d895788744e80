#include "engine/LineConverter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "engine/DegreeReader.h"
#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "engine/OutputFormat.h"
#include "engine/UtmZoneText.h"
#include "support/Ascii.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

// A Lambert value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

// Lambert values under 1000 are kilometres; the test is strict and holds
// for negative values too.
double ApplyKilometreRule(double value) {
  return value < kKilometreLimit ? RequireFinite(value * kMetresPerKilometre) : value;
}

// The coordinate fields that a kind reads, and their names in a header.
std::size_t FieldCount(CoordKind kind) {
  switch (kind) {
    case CoordKind::Mgrs:
    case CoordKind::Ifbl: return 1;
    case CoordKind::Utm: return 3;
    default: return 2;
  }
}

std::array<std::string_view, 3> ColumnNames(CoordKind kind, Language language) {
  static constexpr Translated kLatitude{"Latitude", "Breedtegraad", "Latitude"};
  static constexpr Translated kLongitude{"Longitude", "Lengtegraad", "Longitude"};
  static constexpr Translated kEasting{"Est", "Oost", "Easting"};
  static constexpr Translated kNorthing{"Nord", "Noord", "Northing"};
  switch (kind) {
    case CoordKind::Lambert:
    case CoordKind::Lambert2008: return {"X", "Y", {}};
    case CoordKind::Mgrs: return {"MGRS", {}, {}};
    case CoordKind::Ifbl: return {"IFBL", {}, {}};
    case CoordKind::Degrees:
    case CoordKind::Dms: return {kLatitude.In(language), kLongitude.In(language), {}};
    case CoordKind::Utm: return {"Zone", kEasting.In(language), kNorthing.In(language)};
  }
  return {};
}

bool IsLatitudeLetter(Hemisphere h) {
  return h == Hemisphere::North || h == Hemisphere::South;
}
bool IsLongitudeLetter(Hemisphere h) {
  return h == Hemisphere::East || h == Hemisphere::West;
}

// The angle with the sign of its letter.
double Signed(const DegreeReading& reading) {
  const bool negative =
      reading.hemisphere == Hemisphere::South || reading.hemisphere == Hemisphere::West;
  return negative ? -reading.value : reading.value;
}

// Why two letters cannot make a latitude and a longitude, if they cannot.
std::optional<Reason> LetterConflict(Hemisphere first, Hemisphere second) {
  if (IsLatitudeLetter(first) && IsLatitudeLetter(second)) return Reason::TwoLatitudes;
  if (IsLongitudeLetter(first) && IsLongitudeLetter(second)) return Reason::TwoLongitudes;
  if (IsLongitudeLetter(first) && second == Hemisphere::None) {
    return Reason::LongitudeLetterOnLatitude;
  }
  if (first == Hemisphere::None && IsLatitudeLetter(second)) {
    return Reason::LatitudeLetterOnLongitude;
  }
  return std::nullopt;
}

}  // namespace

LineConverter::LineConverter(const BatchChoices& choices, RunOutput output)
    : choices_(choices),
      output_(output),
      separator_(EntryOf(kSeparatorTable, choices.separator).output),
      firstField_(choices.firstColumn > 0 ? choices.firstColumn - 1 : 0),
      degreeDecimals_(std::clamp(choices.degreeDecimals, kMinDegreeDecimals, kMaxDegreeDecimals)) {
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
  point_.ComputeUtm =
      text && (choices_.coorDest == CoordKind::Mgrs || choices_.coorDest == CoordKind::Utm);
  point_.ComputeIfbl = text && choices_.coorDest == CoordKind::Ifbl;
  point_.ComputeLambert2008 = text && choices_.coorDest == CoordKind::Lambert2008;
  point_.PreciseTransformation = choices_.preciseTransformation;
  point_.UtmZone = choices_.utmZone;
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
  fields_.Split(line, choices_.separator, firstField_ + FieldCount(choices_.coorFrom));
  if (mayBeHeader && IsHeader()) {
    WriteHeader();
    return outcome_;
  }
  try {
    if (!ReadInput()) return outcome_;
    // The map shows Lambert input as read, unconverted and unchecked.
    const bool plotAsRead = output_ == RunOutput::Map && choices_.coorFrom == CoordKind::Lambert;
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
  point_.SetOrigType(EntryOf(kKindTable, choices_.coorFrom).objectCode);
  const std::size_t first = firstField_;
  const std::size_t count = FieldCount(choices_.coorFrom);
  if (fields_.Count() < first + count) {
    Refuse(Reason::MissingField);
    return false;
  }
  const std::string_view field = fields_[first];
  switch (choices_.coorFrom) {
    case CoordKind::Lambert: return ReadLambert(field, fields_[first + 1]);
    case CoordKind::Degrees:
    case CoordKind::Dms: return ReadDegrees(field, fields_[first + 1]);
    case CoordKind::Lambert2008: return ReadLambert2008(field, fields_[first + 1]);
    case CoordKind::Utm: return ReadUtm(field, fields_[first + 1], fields_[first + 2]);
    case CoordKind::Mgrs:
    case CoordKind::Ifbl:
      if (IsBlank(field)) {
        Refuse(Reason::MissingField);
        return false;
      }
      if (choices_.coorFrom == CoordKind::Mgrs) {
        point_.SetMGRS(ascii::ToUpper(field));
      } else {
        point_.SetIFBL(ascii::ToUpper(field));
      }
      return true;
  }
  return false;
}

bool LineConverter::ReadNumbers(std::span<const std::string_view> fields,
                                std::span<double> values) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (const std::optional<Reason> why = ReadNumber(fields[i], values[i])) {
      Refuse(*why, *why == Reason::MissingField ? std::string() : Quoted(fields[i]));
      return false;
    }
  }
  return true;
}

bool LineConverter::ReadLambert(std::string_view xField, std::string_view yField) {
  std::array<double, 2> xy{};
  if (!ReadNumbers(std::array{xField, yField}, xy)) return false;
  point_.SetY(ApplyKilometreRule(xy[1]));
  point_.SetX(ApplyKilometreRule(xy[0]));
  return true;
}

bool LineConverter::ReadLambert2008(std::string_view xField, std::string_view yField) {
  std::array<double, 2> xy{};
  if (!ReadNumbers(std::array{xField, yField}, xy)) return false;
  point_.SetX2008(xy[0]);
  point_.SetY2008(xy[1]);
  return true;
}

bool LineConverter::ReadUtm(std::string_view zoneField, std::string_view eastingField,
                            std::string_view northingField) {
  const std::optional<UtmZoneText> zone = ReadUtmZone(zoneField);
  if (!zone) {
    if (IsBlank(zoneField)) {
      Refuse(Reason::MissingField);
    } else {
      Refuse(Reason::UnreadableZone, Quoted(zoneField));
    }
    return false;
  }
  std::array<double, 2> en{};
  if (!ReadNumbers(std::array{eastingField, northingField}, en)) return false;
  point_.SetZone(zone->zone);
  point_.SetNorth(zone->north);
  point_.SetEasting(en[0]);
  point_.SetNorthing(en[1]);
  return true;
}

bool LineConverter::ReadDegrees(std::string_view first, std::string_view second) {
  std::array<DegreeReading, 2> readings{};
  const std::array<std::string_view, 2> fields{first, second};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (const std::optional<Reason> why = koord::ReadDegrees(fields[i], readings[i])) {
      Refuse(*why, *why == Reason::MissingField ? std::string() : Quoted(fields[i]));
      return false;
    }
  }
  const Hemisphere h1 = readings[0].hemisphere;
  const Hemisphere h2 = readings[1].hemisphere;
  if (const std::optional<Reason> why = LetterConflict(h1, h2)) {
    const bool both = h1 != Hemisphere::None && h2 != Hemisphere::None;
    Refuse(*why, both ? Quoted(first) + std::string(FieldsJoint(choices_.language)) + Quoted(second)
                      : Quoted(h1 != Hemisphere::None ? first : second));
    return false;
  }
  // Letters on both fields say which is the latitude.
  const bool swapped = IsLongitudeLetter(h1);
  point_.SetLatitude(Signed(readings[swapped ? 1 : 0]));
  point_.SetLongitude(Signed(readings[swapped ? 0 : 1]));
  return true;
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
  } else {
    FormatOutput();
  }
}

void LineConverter::FormatOutput() {
  std::string& out = outcome_.text;
  if (choices_.keepLine) {
    out += line_;
    out += separator_;
  }
  switch (choices_.coorDest) {
    case CoordKind::Lambert:
      // Beyond those bounds the projection gives numbers that no Lambert
      // input would accept (swapped latitude and longitude, another country).
      if (point_.LambertInDomain()) {
        AppendLambert(out, point_.X(), point_.Y(), separator_);
      } else {
        Refuse(Reason::OutsideLambert);
      }
      return;
    case CoordKind::Mgrs:
      switch (point_.MgrsResult()) {
        case DMA::MgrsStatus::Made: out += point_.MGRS(); return;
        case DMA::MgrsStatus::OutsideUtm: Refuse(Reason::OutsideUtm); return;
        case DMA::MgrsStatus::NoLettering:
        case DMA::MgrsStatus::NotMade: Refuse(Reason::MgrsNotMade); return;
      }
      return;
    case CoordKind::Ifbl:
      if (point_.IfblInGrid()) {
        AppendIfbl(out, point_.IFBL(), choices_.ifblDots);
      } else {
        Refuse(Reason::OutsideIfbl);
      }
      return;
    case CoordKind::Degrees:
      AppendDegrees(out, point_.Latitude(), point_.Longitude(), choices_.decimalMark, separator_,
                    degreeDecimals_);
      return;
    case CoordKind::Dms:
      AppendDms(
          out,
          {{point_.LatDmsDeg(), point_.LatDmsMin(), point_.LatDmsSec()}, point_.Latitude() < 0},
          {{point_.LonDmsDeg(), point_.LonDmsMin(), point_.LonDmsSec()}, point_.Longitude() < 0},
          choices_.decimalMark, separator_);
      return;
    case CoordKind::Lambert2008:
      if (point_.Lambert2008InDomain()) {
        AppendLambert(out, point_.X2008(), point_.Y2008(), separator_);
      } else {
        Refuse(Reason::OutsideLambert2008);
      }
      return;
    case CoordKind::Utm:
      if (point_.MgrsResult() == DMA::MgrsStatus::OutsideUtm) {
        Refuse(Reason::OutsideUtm);
      } else if (!point_.UtmInZoneReach()) {
        Refuse(Reason::UtmZoneTooFar);
      } else {
        AppendUtm(out, {point_.Zone(), point_.North()}, point_.Easting(), point_.Northing(),
                  separator_);
      }
      return;
  }
}

void LineConverter::WriteHeader() {
  outcome_.status = LineStatus::Header;
  std::string& out = outcome_.text;
  if (choices_.keepLine) {
    out += line_;
    out += separator_;
  }
  const std::array<std::string_view, 3> names = ColumnNames(choices_.coorDest, choices_.language);
  out += names[0];
  for (std::size_t i = 1; i < names.size() && !names[i].empty(); ++i) {
    out += separator_;
    out += names[i];
  }
}

void LineConverter::Refuse(Reason reason, std::string_view detail) {
  outcome_.status = LineStatus::Refused;
  outcome_.reason = reason;
  outcome_.why = RefusalText(reason, detail, choices_.language);
  outcome_.text.clear();
  if (choices_.keepLine) {
    outcome_.text += line_;
    outcome_.text += separator_;
  }
  AppendField(outcome_.text, outcome_.why, separator_);
}

std::string LineConverter::Quoted(std::string_view field) const {
  return QuotedField(field, choices_.language);
}

void LineConverter::Fail(Reason reason, std::string_view detail) {
  Refuse(reason, detail);
  outcome_.status = LineStatus::Fault;
}

}  // namespace koord
