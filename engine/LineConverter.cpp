#include "engine/LineConverter.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <span>
#include <utility>

#include "engine/Belgium.h"
#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "support/Checked.h"
#include "support/RuntimeError.h"

namespace koord {
namespace {

OutputStyle StyleOf(const BatchChoices& choices) {
  const char separator = EntryOf(kSeparatorTable, choices.separator).output;
  return {
      separator,
      choices.decimalMark,
      std::clamp(choices.degreeDecimals, kMinDegreeDecimals, kMaxDegreeDecimals),
      choices.ifblDots,
      {std::clamp(choices.metreDecimals, 0, kMaxMetreDecimals), choices.decimalMark, separator}};
}

// A line of blanks, tabs and separators only: an empty record, as
// spreadsheets end their CSV with ";;;".
bool IsEmptyRecord(std::string_view line) {
  return line.find_first_not_of(" \t;,") == std::string_view::npos;
}

// Where a separator may also stand inside a value, a line must hold exactly
// the fields expected.
bool SeparatorMayStandInValues(Separator separator) {
  return separator == Separator::Blank || separator == Separator::Comma;
}

constexpr Translated kBlanksCount{
    "%1 champs séparés par des blancs pour %2 ; séparez les colonnes par une tabulation ou un "
    "point-virgule",
    "%1 velden gescheiden door spaties voor %2; scheid de kolommen met een tab of een puntkomma",
    "%1 fields separated by blanks for %2; separate the columns with a tab or a semicolon"};
constexpr Translated kCommasCount{
    "%1 champs séparés par des virgules pour %2 ; séparez les colonnes par une tabulation ou un "
    "point-virgule",
    "%1 velden gescheiden door komma's voor %2; scheid de kolommen met een tab of een puntkomma",
    "%1 fields separated by commas for %2; separate the columns with a tab or a semicolon"};
constexpr Translated kEitherColumn{"colonne %1 ou %2", "kolom %1 of %2", "column %1 or %2"};
constexpr Translated kOneCoordinate{"une coordonnée", "één coördinaat", "one coordinate"};
constexpr Translated kCoordinates{"%1 coordonnées", "%1 coördinaten", "%1 coordinates"};

std::string Filled(std::string_view text, std::string_view first, std::string_view second = {}) {
  std::string out(text);
  for (const auto& [marker, value] :
       {std::pair{std::string_view("%1"), first}, std::pair{std::string_view("%2"), second}}) {
    const std::size_t at = out.find(marker);
    if (at != std::string::npos) out.replace(at, marker.size(), value);
  }
  return out;
}

// "4 champs séparés par des blancs pour 2 coordonnées ; ...".
std::string FieldCountText(Separator separator, std::size_t fields, std::size_t coordinates,
                           Language language) {
  const std::string count = std::to_string(coordinates);
  const std::string wanted = coordinates == 1 ? std::string(kOneCoordinate.In(language))
                                              : Filled(kCoordinates.In(language), count);
  const Translated& text = separator == Separator::Blank ? kBlanksCount : kCommasCount;
  return Filled(text.In(language), std::to_string(fields), wanted);
}

// Lambert input beyond its bounds says which bounds, as the output does.
ConversionError InputRefusal(ConversionError code) {
  switch (code) {
    case ConversionError::BadLambert: return ConversionError::OutsideLambert;
    case ConversionError::BadLambert2008: return ConversionError::OutsideLambert2008;
    default: return code;
  }
}

}  // namespace

LineConverter::LineConverter(const BatchChoices& choices, RunOutput output)
    : choices_(choices),
      output_(output),
      from_(Describe(choices.coorFrom)),
      dest_(Describe(choices.coorDest)),
      style_(StyleOf(choices)) {
  point_.SetDatumFrom(choices_.datumFrom);
  point_.SetDatumDest(choices_.datumDest);
  point_.PreciseTransformation = choices_.preciseTransformation;
  if (output_ == RunOutput::Text) {
    dest_.prepareOutput(choices_, point_);
  } else {
    // The map plots Lambert 1972 X and Y, which every conversion gives.
    point_.ComputeUtm = point_.ComputeIfbl = point_.ComputeLambert2008 = false;
  }
}

const LineOutcome& LineConverter::Convert(std::string_view line, const Layout& layout, bool tooLong,
                                          LineRole role) {
  line_ = line;
  outcome_.text.clear();
  outcome_.why.clear();
  outcome_.x = 0;
  outcome_.y = 0;
  outcome_.far = false;
  outcome_.kilometres = 0;
  style_.separator = style_.metres.separator = EntryOf(kSeparatorTable, layout.separator).output;
  // Between fields cut at commas, a comma cannot be the decimal mark.
  style_.decimalMark = style_.metres.decimalMark =
      layout.separator == Separator::Comma ? '.' : choices_.decimalMark;
  if (tooLong) {
    Refuse(Reason::LineTooLong);
    return outcome_;
  }
  if (IsEmptyRecord(line)) {
    outcome_.status = LineStatus::Blank;
    return outcome_;
  }
  if (role == LineRole::Header) {
    WriteHeader();
    return outcome_;
  }
  if (layout.alternative) {
    Refuse(Reason::AmbiguousColumns,
           Filled(kEitherColumn.In(choices_.language), std::to_string(layout.first + 1),
                  std::to_string(*layout.alternative + 1)));
    return outcome_;
  }
  try {
    if (!ReadInput(layout)) return outcome_;
    // The map shows Lambert input as read, unconverted and unchecked.
    const bool plotAsRead = output_ == RunOutput::Map && from_.kind == CoordKind::Lambert;
    if (!plotAsRead) point_.Conversion();
    ReadResult();
  } catch (const RuntimeError& fault) {
    Fail(Reason::Fault, FaultText(fault.Code(), choices_.language));
  }
  return outcome_;
}

std::optional<double> LineConverter::Probe(std::string_view line, const Layout& layout) {
  line_ = line;
  try {
    if (IsEmptyRecord(line) || !ReadInput(layout) || unitsMixed_) return std::nullopt;
    point_.Conversion();
    if (point_.ErrorCode() != ConversionError::None) return std::nullopt;
    return KilometresFromBelgium(point_.Latitude(), point_.Longitude());
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

bool LineConverter::ReadInput(const Layout& layout) {
  point_.Reset();
  fields_.Split(line_, layout.separator, std::numeric_limits<std::size_t>::max());
  const std::span<const std::string_view> all = fields_.All();
  std::array<std::string_view, 3> named{};
  std::span<const std::string_view> coordinates;
  if (layout.named) {
    std::size_t present = 0;
    while (present < from_.fieldCount && layout.fields[present] < all.size()) {
      named[present] = all[layout.fields[present]];
      ++present;
    }
    coordinates = std::span<const std::string_view>(named.data(), present);
  } else {
    coordinates = all.subspan(std::min(layout.first, all.size()));
  }
  const bool cutAtBlanks = layout.separator == Separator::Blank && !layout.named;
  const FieldReading reading = from_.read(coordinates, cutAtBlanks, point_, choices_.language);
  unitsMixed_ = reading.unitsMixed;
  if (reading.refusal) {
    Refuse(reading.refusal->reason, reading.refusal->detail);
    return false;
  }
  // Where a separator may stand inside a value, a field left over may be
  // part of a value read wrong ("150 000 170 000", "150000,5,170000,5").
  if (SeparatorMayStandInValues(layout.separator)) {
    const std::size_t expected = layout.named ? layout.total : layout.first + reading.consumed;
    if (all.size() != expected) {
      Refuse(Reason::FieldCount, FieldCountText(layout.separator, all.size() - layout.first,
                                                from_.fieldCount, choices_.language));
      return false;
    }
  }
  return true;
}

void LineConverter::ReadResult() {
  if (point_.ErrorCode() != ConversionError::None) {
    RefuseConversion(InputRefusal(point_.ErrorCode()), point_.ErrorData());
    return;
  }
  outcome_.status = LineStatus::Converted;
  if (output_ == RunOutput::Map) {
    outcome_.x = RequireFinite(point_.X());
    outcome_.y = RequireFinite(point_.Y());
    if (from_.kind != CoordKind::Lambert) CheckDistance();
    return;
  }
  if (const ConversionError why = point_.OutputError(dest_.kind); why != ConversionError::None) {
    RefuseConversion(why);
    return;
  }
  KeepLine();
  dest_.write(point_, style_, outcome_.text);
  CheckDistance();
}

void LineConverter::CheckDistance() {
  if (!FarFromBelgium(point_.Latitude(), point_.Longitude())) return;
  outcome_.far = true;
  outcome_.kilometres = KilometresFromBelgium(point_.Latitude(), point_.Longitude());
  if (choices_.nearBelgium)
    Refuse(Reason::FarFromBelgium, KilometresText(outcome_.kilometres, choices_.language));
}

void LineConverter::RefuseConversion(ConversionError code, std::string_view data) {
  Refuse(Reason::Refused, ConversionErrorText(code, data, choices_.language));
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
