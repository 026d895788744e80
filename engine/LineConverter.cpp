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
      choices.mgrsShort,
      {std::clamp(choices.metreDecimals, 0, kMaxMetreDecimals), choices.decimalMark, separator}};
}

// Readings that cannot lie near Belgium, told from the values read before
// converting them: Lambert beyond its domain, degrees beyond Belgium's
// latitudes and longitudes with their margin, UTM outside zones 31 and 32
// north, MGRS outside the grid zones 31U and 32U.
bool MayLieNearBelgium(CoordKind kind, const TransCoo& point) {
  constexpr double kSouth = 49.3;
  constexpr double kNorth = 51.7;
  constexpr double kWest = 2.2;
  constexpr double kEast = 6.7;
  switch (kind) {
    case CoordKind::Lambert: return point.LambertInDomain();
    case CoordKind::Lambert2008: return point.Lambert2008InDomain();
    case CoordKind::Degrees:
    case CoordKind::Dms:
      return point.Latitude() >= kSouth && point.Latitude() <= kNorth &&
             point.Longitude() >= kWest && point.Longitude() <= kEast;
    case CoordKind::Utm: return point.North() && (point.Zone() == 31 || point.Zone() == 32);
    case CoordKind::Mgrs: {
      const std::string_view reference = point.MGRS();
      return reference.starts_with("31U") || reference.starts_with("32U");
    }
    case CoordKind::Ifbl: return true;
  }
  return true;
}

// Readings whose point surely lies beyond kind detection's reach, told
// before converting them: Lambert 1972 in a square of its map judged so.
bool SurelyBeyondReach(CoordKind kind, const TransCoo& point) {
  return kind == CoordKind::Lambert && !MayBeCloseToBelgiumInLambert72(point.X(), point.Y());
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
    "%1 fields separated by blanks for %2; separate the columns with a tab or a semicolon",
    "%1 durch Leerzeichen getrennte Felder für %2; trennen Sie die Spalten durch einen Tabulator "
    "oder ein Semikolon"};
constexpr Translated kCommasCount{
    "%1 champs séparés par des virgules pour %2 ; séparez les colonnes par une tabulation ou un "
    "point-virgule",
    "%1 velden gescheiden door komma's voor %2; scheid de kolommen met een tab of een puntkomma",
    "%1 fields separated by commas for %2; separate the columns with a tab or a semicolon",
    "%1 durch Kommas getrennte Felder für %2; trennen Sie die Spalten durch einen Tabulator oder "
    "ein Semikolon"};
constexpr Translated kEitherColumn{"colonne %1 ou %2", "kolom %1 of %2", "column %1 or %2",
                                   "Spalte %1 oder %2"};
constexpr Translated kOr{" ou ", " of ", " or ", " oder "};
constexpr Translated kAt{"%1 à %2", "%1 op %2", "%1 at %2", "%1 %2 entfernt"};
constexpr Translated kOneCoordinate{"une coordonnée", "één coördinaat", "one coordinate",
                                    "eine Koordinate"};
constexpr Translated kCoordinates{"%1 coordonnées", "%1 coördinaten", "%1 coordinates",
                                  "%1 Koordinaten"};

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
    : choices_(choices), output_(output), style_(StyleOf(choices)) {
  outputs_.push_back(&Describe(choices_.coorDest));
  for (const CoordKind kind : choices_.moreOutputs) outputs_.push_back(&Describe(kind));
  if (choices_.detectKind) {
    for (const KindDescriptor& kind : AllKinds()) {
      if (kind.input) readings_.push_back({&kind, TransCoo()});
    }
  } else {
    readings_.push_back({&Describe(choices_.coorFrom), TransCoo()});
  }
  for (Reading& reading : readings_) {
    TransCoo& point = reading.point;
    // A datum named applies to the kinds that have more than one.
    point.SetDatumFrom(reading.kind->singleDatum && choices_.detectKind ? reading.kind->defaultDatum
                                                                        : choices_.datumFrom);
    point.SetDatumDest(choices_.datumDest);
    point.PreciseTransformation = choices_.preciseTransformation;
    // The map plots Lambert 1972 X and Y, which the object gives unless
    // told otherwise; a text run asks for what its outputs write.
    point.ComputeUtm = point.ComputeIfbl = point.ComputeLambert2008 = false;
    if (output_ == RunOutput::Text) {
      point.ComputeLambert = false;
      for (const KindDescriptor* kind : outputs_) kind->prepareOutput(choices_, point);
    }
  }
  point_ = &readings_.front().point;
  readKind_ = readings_.front().kind;
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
    if (!ReadAndConvert(layout)) return outcome_;
    outcome_.kind = readKind_->kind;
    ReadResult();
  } catch (const RuntimeError& fault) {
    Fail(Reason::Fault, FaultText(fault.Code(), choices_.language));
  }
  return outcome_;
}

std::optional<LineConverter::ProbeResult> LineConverter::Probe(std::string_view line,
                                                               const Layout& layout) {
  line_ = line;
  try {
    if (IsEmptyRecord(line)) return std::nullopt;
    SplitFields(layout);
    if (choices_.detectKind) {
      if (!Detect(layout)) return std::nullopt;
    } else {
      if (ReadAs(readings_.front(), layout) || unitsMixed_) return std::nullopt;
      point_->Conversion();
    }
    if (point_->ErrorCode() != ConversionError::None) return std::nullopt;
    return ProbeResult{KilometresFromBelgium(point_->Latitude(), point_->Longitude()), consumed_};
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

bool LineConverter::ReadAndConvert(const Layout& layout) {
  SplitFields(layout);
  if (choices_.detectKind) return Detect(layout);
  if (const std::optional<FieldRefusal> why = ReadAs(readings_.front(), layout)) {
    Refuse(why->reason, DetailOf(*why, choices_.language));
    return false;
  }
  // The map shows Lambert input as read, unconverted and unchecked.
  const bool plotAsRead = output_ == RunOutput::Map && readKind_->kind == CoordKind::Lambert;
  if (!plotAsRead) point_->Conversion();
  return true;
}

void LineConverter::SplitFields(const Layout& layout) {
  fields_.Split(line_, layout.separator, std::numeric_limits<std::size_t>::max());
}

std::optional<FieldRefusal> LineConverter::ReadAs(Reading& reading, const Layout& layout) {
  reading.point.Reset();
  const std::span<const std::string_view> all = fields_.All();
  std::array<std::string_view, 3> named{};
  std::span<const std::string_view> coordinates;
  if (layout.named) {
    std::size_t present = 0;
    while (present < reading.kind->fieldCount && present < named.size() &&
           layout.fields[present] < all.size()) {
      named[present] = all[layout.fields[present]];
      ++present;
    }
    coordinates = std::span<const std::string_view>(named.data(), present);
  } else {
    coordinates = all.subspan(std::min(layout.first, all.size()));
  }
  const bool cutAtBlanks = layout.separator == Separator::Blank && !layout.named;
  const FieldReading result =
      reading.kind->read(coordinates, cutAtBlanks, reading.point, choices_.language);
  unitsMixed_ = result.unitsMixed;
  consumed_ = result.consumed;
  if (result.refusal) return result.refusal;
  // Where a separator may stand inside a value, a field left over may be
  // part of a value read wrong ("150 000 170 000", "150000,5,170000,5").
  if (SeparatorMayStandInValues(layout.separator)) {
    const std::size_t expected = layout.named ? layout.total : layout.first + result.consumed;
    if (all.size() != expected) {
      return FieldRefusal{Reason::FieldCount,
                          FieldCountText(layout.separator, all.size() - layout.first,
                                         reading.kind->fieldCount, choices_.language)};
    }
  }
  point_ = &reading.point;
  readKind_ = reading.kind;
  return std::nullopt;
}

namespace {

// A reading whose point lies beyond the detection's reach.
struct FarReading {
  std::string_view kind;
  double latitude;
  double longitude;
};

// Each such reading with how far from Belgium its point lies; measured
// only for the refusal that names them.
std::string FarReadingsText(std::span<const FarReading> readings, Language language) {
  std::string text;
  for (const FarReading& reading : readings) {
    if (!text.empty()) text += ", ";
    const double kilometres = KilometresFromBelgium(reading.latitude, reading.longitude);
    text += Filled(kAt.In(language), reading.kind, KilometresText(kilometres, language));
  }
  return text;
}

}  // namespace

bool LineConverter::Detect(const Layout& layout) {
  std::vector<std::pair<Reading*, std::size_t>> near;  // with the fields it took
  // Readings beyond reach, in the kinds' order, and whether converted: one
  // that surely lies beyond is converted only for a refusal that names it.
  std::vector<std::pair<Reading*, bool>> beyond;
  // Fields that a value's blanks or commas split tell more than "no
  // reading" when nothing else reads ("150 000 170 000").
  std::optional<FieldRefusal> miscounted;
  const Language language = choices_.language;
  for (Reading& reading : readings_) {
    if (std::optional<FieldRefusal> why = ReadAs(reading, layout)) {
      if (why->reason == Reason::FieldCount && !miscounted) miscounted = std::move(why);
      continue;
    }
    if (unitsMixed_) continue;
    if (!MayLieNearBelgium(reading.kind->kind, reading.point)) continue;
    if (SurelyBeyondReach(reading.kind->kind, reading.point)) {
      beyond.emplace_back(&reading, false);
      continue;
    }
    reading.point.Conversion();
    if (reading.point.ErrorCode() != ConversionError::None) continue;
    if (CloseToBelgium(reading.point.Latitude(), reading.point.Longitude())) {
      near.emplace_back(&reading, consumed_);
    } else {
      beyond.emplace_back(&reading, true);
    }
  }
  if (near.size() == 1) {
    point_ = &near.front().first->point;
    readKind_ = near.front().first->kind;
    consumed_ = near.front().second;
    return true;
  }
  if (near.empty()) {
    std::vector<FarReading> far;
    for (auto& [reading, converted] : beyond) {
      if (!converted) reading->point.Conversion();
      if (reading->point.ErrorCode() != ConversionError::None) continue;
      far.push_back(
          {reading->kind->cliName, reading->point.Latitude(), reading->point.Longitude()});
    }
    if (far.empty() && miscounted) {
      Refuse(miscounted->reason, DetailOf(*miscounted, language));
    } else {
      Refuse(Reason::NoKindFits, FarReadingsText(far, language));
    }
    return false;
  }
  std::string kinds;
  for (std::size_t i = 0; i < near.size(); ++i) {
    if (i > 0) kinds += i + 1 == near.size() ? kOr.In(language) : ", ";
    kinds += near[i].first->kind->cliName;
  }
  Refuse(Reason::AmbiguousKind, kinds);
  return false;
}

void LineConverter::ReadResult() {
  if (point_->ErrorCode() != ConversionError::None) {
    RefuseConversion(InputRefusal(point_->ErrorCode()), point_->ErrorData());
    return;
  }
  outcome_.status = LineStatus::Converted;
  if (output_ == RunOutput::Map) {
    outcome_.x = RequireFinite(point_->X());
    outcome_.y = RequireFinite(point_->Y());
    if (readKind_->kind != CoordKind::Lambert || choices_.detectKind) CheckDistance();
    return;
  }
  // A line gives all its outputs or none: the first refused refuses it.
  for (const KindDescriptor* kind : outputs_) {
    if (const ConversionError why = point_->OutputError(kind->kind); why != ConversionError::None) {
      RefuseConversion(why);
      return;
    }
  }
  KeepLine();
  if (choices_.showKind) {
    outcome_.text += readKind_->cliName;
    outcome_.text += style_.separator;
  }
  for (std::size_t i = 0; i < outputs_.size(); ++i) {
    if (i > 0) outcome_.text += style_.separator;
    outputs_[i]->write(*point_, style_, outcome_.text);
  }
  CheckDistance();
}

void LineConverter::CheckDistance() {
  if (!FarFromBelgium(point_->Latitude(), point_->Longitude())) return;
  outcome_.far = true;
  outcome_.kilometres = KilometresFromBelgium(point_->Latitude(), point_->Longitude());
  if (choices_.nearBelgium)
    Refuse(Reason::FarFromBelgium, KilometresText(outcome_.kilometres, choices_.language));
}

void LineConverter::RefuseConversion(ConversionError code, std::string_view data) {
  Refuse(Reason::Refused, ConversionErrorText(code, data, choices_.language));
}

void LineConverter::WriteHeader() {
  outcome_.status = LineStatus::Header;
  KeepLine();
  bool first = true;
  const auto name = [&](std::string_view text) {
    if (!first) outcome_.text += style_.separator;
    outcome_.text += text;
    first = false;
  };
  if (choices_.showKind) name(kKindColumn.In(choices_.language));
  for (const KindDescriptor* kind : outputs_) {
    for (std::size_t i = 0; i < kind->fieldCount; ++i)
      name(kind->fieldNames[i].In(choices_.language));
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
