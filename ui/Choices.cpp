#include "ui/Choices.h"

namespace koord::ui {

QStringList KindEntries() {
  return {QStringLiteral("Lambert belge 1972"), QStringLiteral("UTM alphanumérique (MGRS)"),
          QStringLiteral("IFBL"), QStringLiteral("Degrés décimaux Greenwich")};
}

QStringList DatumEntries() {
  return {QStringLiteral("Lambert 1972"), QStringLiteral("WGS84"),
          QStringLiteral("European 1950"), QStringLiteral("NTF (France)")};
}

QStringList PrecisionEntries(int destKind) {
  switch (destKind) {
    case kMgrs:
      return {QStringLiteral("1 m"), QStringLiteral("10 m"), QStringLiteral("100 m"),
              QStringLiteral("1 km"), QStringLiteral("10 km")};
    case kIfbl:
      return {QStringLiteral("1 x 1 km"), QStringLiteral("4 x 4 km"),
              QStringLiteral("32 x 20 km")};
    default:
      return {};
  }
}

int DefaultPrecision(int destKind) {
  // "100 m" for MGRS, "1 x 1 km" for IFBL.
  return destKind == kMgrs ? 2 : 0;
}

std::optional<int> InputDatumFor(int fromKind) {
  if (fromKind == kLambert) return kDatumBel72;
  return std::nullopt;
}

std::optional<int> OutputDatumFor(int destKind) {
  if (destKind == kLambert) return kDatumBel72;
  if (destKind == kMgrs) return kDatumWgs84;
  return std::nullopt;
}

QString InputExample(int fromKind) {
  switch (fromKind) {
    case kLambert:
      return QStringLiteral("Un point par ligne : X, tabulation, Y (en mètres ou en km)\n"
                            "par exemple\n150000\t170000\n150,5\t170");
    case kMgrs:
      return QStringLiteral("Une référence MGRS par ligne, par exemple\n31UES9637232970");
    case kIfbl:
      return QStringLiteral("Un carré IFBL par ligne, par exemple\nE4\nE435\nE43522");
    case kDegrees:
      return QStringLiteral("Un point par ligne : latitude, tabulation, longitude\n"
                            "par exemple\n50,84096\t4,36749");
    default:
      return {};
  }
}

}  // namespace koord::ui
