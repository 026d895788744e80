#include "core/TransCoo.h"

#include <array>
#include <utility>

#include "geodesy/Utm.h"
#include "support/Ascii.h"

namespace koord {
namespace {

// The codes of the input kinds, the first of each kind the one that
// SetOrigType(CoordKind) stores.
struct KindCode {
  std::string_view code;
  CoordKind kind;
};
constexpr std::array<KindCode, 9> kKindCodes{{
    {"MGR", CoordKind::Mgrs},
    {"MGRS", CoordKind::Mgrs},
    {"DEG", CoordKind::Degrees},
    {"LMB", CoordKind::Lambert},
    {"DMS", CoordKind::Dms},
    {"IFB", CoordKind::Ifbl},
    {"IFBL", CoordKind::Ifbl},
    {"L08", CoordKind::Lambert2008},
    {"UTM", CoordKind::Utm},
}};

std::optional<CoordKind> KindOfCode(std::string_view code) {
  for (const KindCode& entry : kKindCodes) {
    if (entry.code == code) return entry.kind;
  }
  return std::nullopt;
}

// The code that SetOrigType(CoordKind) stores, in the order of CoordKind:
// the first of each kind in kKindCodes.
constexpr std::array<std::string_view, 7> CodesInKindOrder() {
  std::array<std::string_view, 7> codes{};
  for (auto entry = kKindCodes.rbegin(); entry != kKindCodes.rend(); ++entry) {
    codes[static_cast<std::size_t>(entry->kind)] = entry->code;
  }
  return codes;
}
constexpr std::array<std::string_view, 7> kCodeOfKind = CodesInKindOrder();
static_assert(kCodeOfKind[static_cast<std::size_t>(CoordKind::Dms)] == "DMS");

std::string_view CodeOfKind(CoordKind kind) {
  return kCodeOfKind[static_cast<std::size_t>(kind)];
}

}  // namespace

TransCoo::TransCoo() {
  datumFrom_ = Datum::Eur50;
  datumDest_ = Datum::Eur50;
  SetUp();
}

void TransCoo::Reset() {
  errorCode_ = ConversionError::None;
  errorData_.clear();
  origType_.clear();
  kind_.reset();
  mgrs_.clear();
  ifbl_.clear();
  mgrsResult_ = DMA::MgrsStatus::OutsideUtm;
  ifblInGrid_ = false;
  x_ = y_ = 0;
  latitude_ = longitude_ = 0;
  northing_ = easting_ = 0;
  x2008_ = y2008_ = 0;
  zone_ = 0;
  north_ = true;
  band_ = '\0';
  utmInReach_ = true;
}

void TransCoo::SetOrigType(CoordKind kind) {
  kind_ = kind;
  origType_.assign(CodeOfKind(kind));
}

void TransCoo::SetOrigType(std::string_view kind) {
  origType_.assign(kind);
  ascii::ToUpperInPlace(origType_);
  kind_ = KindOfCode(origType_);
  if (!kind_) Refuse(ConversionError::UnknownKind);
}

void TransCoo::Refuse(ConversionError code, std::string_view data) {
  errorCode_ = code;
  errorData_.assign(data);
}

std::string TransCoo::Error() const {
  if (errorCode_ == ConversionError::None) return {};
  return ConversionErrorText(errorCode_, errorData_, Language::French);
}

void TransCoo::SetDatumFrom(Datum datum) {
  datumFrom_ = datum;
  SetUp();
}

void TransCoo::SetDatumDest(Datum datum) {
  datumDest_ = datum;
  SetUp();
}

void TransCoo::SetDatumFrom(std::string_view code) {
  if (const std::optional<Datum> datum = DatumOfCode(ascii::ToUpper(code))) {
    SetDatumFrom(*datum);
    return;
  }
  datumFrom_.reset();
  SetUp();
}

void TransCoo::SetDatumDest(std::string_view code) {
  if (const std::optional<Datum> datum = DatumOfCode(ascii::ToUpper(code))) {
    SetDatumDest(*datum);
    return;
  }
  datumDest_.reset();
  SetUp();
}

std::int16_t TransCoo::DatumFromIndex() const {
  return datumFrom_ ? DatumPosition(*datumFrom_) : std::int16_t{0};
}

std::int16_t TransCoo::DatumDestIndex() const {
  return datumDest_ ? DatumPosition(*datumDest_) : std::int16_t{0};
}

TransCoo::Routes TransCoo::RoutesFor(Datum from, Datum dest, bool precise) {
  // The official chain serves BD72 with ETRS89 on the other side, or with
  // any datum when asked to be precise.
  return {
      DatumShift(from, Datum::Bel72, precise),  DatumShift(from, Datum::Etrs89, precise),
      DatumShift(from, dest, precise),          DatumShift(Datum::Bel72, Datum::Etrs89, precise),
      DatumShift(Datum::Bel72, dest, precise),  DatumShift(Datum::Etrs89, Datum::Bel72, precise),
      DatumShift(Datum::Etrs89, dest, precise), precise || from == Datum::Etrs89,
      precise || dest == Datum::Etrs89,         dest == Datum::Etrs89};
}

void TransCoo::SetUp() {
  if (!datumFrom_ || !datumDest_) {
    setup_.reset();
    return;
  }
  const Datum from = *datumFrom_;
  const Datum dest = *datumDest_;
  setup_.emplace(Setup{DMA::UtmProjection(EllipsoidOf(DatumRecordOf(from))),
                       DMA::UtmProjection(EllipsoidOf(DatumRecordOf(dest))),
                       {RoutesFor(from, dest, false), RoutesFor(from, dest, true)}});
}

void TransCoo::SetMGRS(std::string_view reference) {
  mgrs_ = ascii::TrimBlanks(reference);
}

void TransCoo::SetIFBL(std::string_view code) {
  ifbl_.clear();
  for (char c : code) {
    if (c != ' ' && c != '.') ifbl_ += c;
  }
}

ConversionError TransCoo::OutputError(CoordKind output) const {
  switch (output) {
    case CoordKind::Lambert:
      return LambertInDomain() ? ConversionError::None : ConversionError::OutsideLambert;
    case CoordKind::Lambert2008:
      return Lambert2008InDomain() ? ConversionError::None : ConversionError::OutsideLambert2008;
    case CoordKind::Ifbl: return ifblInGrid_ ? ConversionError::None : ConversionError::OutsideIfbl;
    case CoordKind::Mgrs:
      switch (mgrsResult_) {
        case DMA::MgrsStatus::Made: return ConversionError::None;
        case DMA::MgrsStatus::OutsideUtm: return ConversionError::OutsideUtm;
        case DMA::MgrsStatus::NoLettering:
        case DMA::MgrsStatus::NotMade: return ConversionError::MgrsNotMade;
      }
      return ConversionError::MgrsNotMade;
    case CoordKind::Utm:
      if (mgrsResult_ == DMA::MgrsStatus::OutsideUtm) return ConversionError::OutsideUtm;
      return utmInReach_ ? ConversionError::None : ConversionError::UtmZoneTooFar;
    case CoordKind::Degrees:
    case CoordKind::Dms: return ConversionError::None;
  }
  return ConversionError::None;
}

}  // namespace koord
