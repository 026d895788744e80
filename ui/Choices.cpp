#include "ui/Choices.h"

namespace koord::ui {
namespace {

QString KindLabel(CoordKind kind) {
  switch (kind) {
    case CoordKind::Lambert: return QStringLiteral("Lambert belge 1972");
    case CoordKind::Mgrs: return QStringLiteral("UTM alphanumérique (MGRS)");
    case CoordKind::Ifbl: return QStringLiteral("IFBL");
    case CoordKind::Degrees: return QStringLiteral("Degrés décimaux Greenwich");
    case CoordKind::Dms: return QStringLiteral("Degrés, minutes, secondes");
  }
  return {};
}

QString DatumLabel(Datum datum) {
  switch (datum) {
    case Datum::Bel72: return QStringLiteral("Lambert 1972");
    case Datum::Wgs84: return QStringLiteral("WGS84");
    case Datum::Eur50: return QStringLiteral("European 1950");
    case Datum::Ntf: return QStringLiteral("NTF (France)");
  }
  return {};
}

QString MgrsPrecisionLabel(MgrsPrecision precision) {
  switch (precision) {
    case MgrsPrecision::Metre: return QStringLiteral("1 m");
    case MgrsPrecision::TenMetres: return QStringLiteral("10 m");
    case MgrsPrecision::HundredMetres: return QStringLiteral("100 m");
    case MgrsPrecision::Kilometre: return QStringLiteral("1 km");
    case MgrsPrecision::TenKilometres: return QStringLiteral("10 km");
  }
  return {};
}

QString IfblPrecisionLabel(IfblPrecision precision) {
  switch (precision) {
    case IfblPrecision::Square1km: return QStringLiteral("1 x 1 km");
    case IfblPrecision::Square4km: return QStringLiteral("4 x 4 km");
    case IfblPrecision::Square32x20km: return QStringLiteral("32 x 20 km");
  }
  return {};
}

// The labels of a table's values, in list order.
template <typename Entry, std::size_t N, typename Label>
QStringList Labels(const std::array<Entry, N>& table, Label label) {
  QStringList labels;
  for (const Entry& entry : table) labels << label(entry.value);
  return labels;
}

}  // namespace

QStringList KindEntries(bool input) {
  QStringList labels;
  for (const KindEntry& entry : kKindTable) {
    if (entry.input || !input) labels << KindLabel(entry.value);
  }
  return labels;
}

QStringList DatumEntries() {
  return Labels(kDatumTable, DatumLabel);
}

QStringList PrecisionEntries(CoordKind destKind) {
  switch (destKind) {
    case CoordKind::Mgrs: return Labels(kMgrsPrecisionTable, MgrsPrecisionLabel);
    case CoordKind::Ifbl: return Labels(kIfblPrecisionTable, IfblPrecisionLabel);
    default: return {};
  }
}

int DefaultPrecision(CoordKind destKind) {
  return destKind == CoordKind::Mgrs
             ? ListPosition(kMgrsPrecisionTable, MgrsPrecision::HundredMetres)
             : ListPosition(kIfblPrecisionTable, IfblPrecision::Square1km);
}

std::optional<Datum> InputDatumFor(CoordKind fromKind) {
  if (fromKind == CoordKind::Lambert) return Datum::Bel72;
  return std::nullopt;
}

std::optional<Datum> OutputDatumFor(CoordKind destKind) {
  if (destKind == CoordKind::Lambert) return Datum::Bel72;
  if (destKind == CoordKind::Mgrs) return Datum::Wgs84;
  return std::nullopt;
}

QString InputExample(CoordKind fromKind) {
  switch (fromKind) {
    case CoordKind::Lambert:
      return QStringLiteral(
          "Un point par ligne : X, tabulation, Y (en mètres ou en km)\n"
          "par exemple\n150000\t170000\n150,5\t170");
    case CoordKind::Mgrs:
      return QStringLiteral("Une référence MGRS par ligne, par exemple\n31UES9637232970");
    case CoordKind::Ifbl:
      return QStringLiteral("Un carré IFBL par ligne, par exemple\nE4\nE435\nE43522");
    case CoordKind::Degrees:
    case CoordKind::Dms:
      return QStringLiteral(
          "Un point par ligne : latitude, tabulation, longitude\n"
          "par exemple\n50,84096\t4,36749");
  }
  return {};
}

}  // namespace koord::ui
