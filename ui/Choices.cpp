#include "ui/Choices.h"

#include <QCoreApplication>

#include "engine/Kind.h"

namespace koord::ui {

// The context of the lists' texts in the translations.
class ListTexts {
  Q_DECLARE_TR_FUNCTIONS(ListTexts)
};

namespace {

QString KindLabel(CoordKind kind) {
  switch (kind) {
    case CoordKind::Lambert: return ListTexts::tr("Lambert belge 1972");
    case CoordKind::Mgrs: return ListTexts::tr("UTM alphanumérique (MGRS)");
    case CoordKind::Ifbl: return ListTexts::tr("IFBL");
    case CoordKind::Degrees: return ListTexts::tr("Degrés décimaux Greenwich");
    case CoordKind::Lambert2008: return ListTexts::tr("Lambert belge 2008");
    case CoordKind::Utm: return ListTexts::tr("UTM (zone, est, nord)");
    case CoordKind::Dms: return ListTexts::tr("Degrés, minutes, secondes");
  }
  return {};
}

QString DatumLabel(Datum datum) {
  switch (datum) {
    case Datum::Bel72: return QStringLiteral("Lambert 1972");
    case Datum::Wgs84: return QStringLiteral("WGS84");
    case Datum::Eur50: return QStringLiteral("European 1950");
    case Datum::Ntf: return QStringLiteral("NTF (France)");
    case Datum::Etrs89: return QStringLiteral("ETRS89");
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

// A decimal of a degree is 11 km of latitude: five make about a metre.
QString DecimalsLabel(int decimals) {
  switch (decimals) {
    case 5: return ListTexts::tr("5 décimales (1 m)");
    case 6: return ListTexts::tr("6 décimales (10 cm)");
    case 7: return ListTexts::tr("7 décimales (1 cm)");
  }
  return {};
}

// The entries of a table's values, in table order.
template <typename Entry, std::size_t N, typename Label>
std::vector<ListEntry> Entries(const std::array<Entry, N>& table, Label label) {
  std::vector<ListEntry> entries;
  for (const Entry& entry : table) {
    entries.push_back({label(entry.value), ListPosition(table, entry.value)});
  }
  return entries;
}

// Belgium lies across zones 31 and 32; a data set is usually kept in one.
constexpr int kZoneOfEachPoint = 0;
std::vector<ListEntry> UtmZoneEntries() {
  return {{ListTexts::tr("Zone de chaque point"), kZoneOfEachPoint},
          {ListTexts::tr("Zone 31"), 31},
          {ListTexts::tr("Zone 32"), 32}};
}

}  // namespace

std::vector<ListEntry> KindEntries(bool input) {
  std::vector<ListEntry> entries;
  for (const KindDescriptor& kind : AllKinds()) {
    if (kind.input || !input) {
      entries.push_back({KindLabel(kind.kind), static_cast<int>(kind.kind)});
    }
  }
  return entries;
}

std::vector<ListEntry> DatumEntries() {
  return Entries(kDatumTable, DatumLabel);
}

std::vector<ListEntry> PrecisionEntries(CoordKind destKind) {
  switch (destKind) {
    case CoordKind::Mgrs: return Entries(kMgrsPrecisionTable, MgrsPrecisionLabel);
    case CoordKind::Ifbl: return Entries(kIfblPrecisionTable, IfblPrecisionLabel);
    case CoordKind::Degrees: {
      std::vector<ListEntry> entries;
      for (int decimals = kMinDegreeDecimals; decimals <= kMaxDegreeDecimals; ++decimals) {
        entries.push_back({DecimalsLabel(decimals), decimals});
      }
      return entries;
    }
    case CoordKind::Utm: return UtmZoneEntries();
    case CoordKind::Lambert:
    case CoordKind::Lambert2008:
    case CoordKind::Dms: return {};
  }
  return {};
}

int DefaultPrecision(CoordKind destKind) {
  switch (destKind) {
    case CoordKind::Mgrs: return ListPosition(kMgrsPrecisionTable, MgrsPrecision::HundredMetres);
    case CoordKind::Ifbl: return ListPosition(kIfblPrecisionTable, IfblPrecision::Square1km);
    case CoordKind::Degrees: return kDefaultDegreeDecimals;
    case CoordKind::Utm: return kZoneOfEachPoint;
    case CoordKind::Lambert:
    case CoordKind::Lambert2008:
    case CoordKind::Dms: return -1;
  }
  return -1;
}

std::optional<Datum> InputDatumFor(CoordKind fromKind) {
  switch (fromKind) {
    case CoordKind::Lambert:
    case CoordKind::Ifbl: return Datum::Bel72;
    case CoordKind::Lambert2008: return Datum::Etrs89;
    case CoordKind::Mgrs:
    case CoordKind::Utm:
    case CoordKind::Degrees:
    case CoordKind::Dms: return Datum::Wgs84;
  }
  return std::nullopt;
}

std::optional<Datum> OutputDatumFor(CoordKind destKind) {
  switch (destKind) {
    case CoordKind::Lambert:
    case CoordKind::Ifbl: return Datum::Bel72;
    case CoordKind::Lambert2008: return Datum::Etrs89;
    case CoordKind::Mgrs:
    case CoordKind::Utm: return Datum::Wgs84;
    case CoordKind::Degrees:
    case CoordKind::Dms: return std::nullopt;
  }
  return std::nullopt;
}

QString PrecisionLabel(CoordKind destKind) {
  return destKind == CoordKind::Utm ? ListTexts::tr("Zo&ne UTM:")
                                    : ListTexts::tr("Précisio&n désirée:");
}

bool HasSingleDatum(CoordKind kind) {
  return kind == CoordKind::Lambert || kind == CoordKind::Ifbl || kind == CoordKind::Lambert2008;
}

QString InputExample(CoordKind fromKind) {
  switch (fromKind) {
    case CoordKind::Lambert:
      return ListTexts::tr(
          "Un point par ligne : X, tabulation, Y (en mètres ou en km)\n"
          "par exemple\n150000\t170000\n150,5\t170");
    case CoordKind::Mgrs:
      return ListTexts::tr("Une référence MGRS par ligne, par exemple\n31UES9637232970");
    case CoordKind::Ifbl:
      return ListTexts::tr("Un carré IFBL par ligne, par exemple\nE4\nE4.35\nE4.35.22");
    case CoordKind::Degrees:
    case CoordKind::Dms:
      return ListTexts::tr(
          "Un point par ligne : latitude, tabulation, longitude\n"
          "par exemple\n50,84041\t4,36875\n50°50'25,5\"N\t4°22'07,5\"E");
    case CoordKind::Lambert2008:
      return ListTexts::tr(
          "Un point par ligne : X, tabulation, Y (en mètres)\n"
          "par exemple\n649999\t670000");
    case CoordKind::Utm:
      return ListTexts::tr(
          "Un point par ligne : zone, tabulation, est, tabulation, nord\n"
          "par exemple\n31N\t596371\t5632970");
  }
  return {};
}

}  // namespace koord::ui
