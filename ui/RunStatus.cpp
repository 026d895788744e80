#include "ui/RunStatus.h"

#include <QLocale>
#include <array>

namespace koord::ui {
namespace {

// French makes 0 and 1 singular. One whole sentence per pair of forms, so
// that a translation may order and inflect each.
QString SummaryPattern(bool pluralConverted, bool pluralRefused) {
  static const std::array<QString, 4> patterns{
      QStringLiteral("%1 ligne convertie, %2 refusée"),
      QStringLiteral("%1 ligne convertie, %2 refusées"),
      QStringLiteral("%1 lignes converties, %2 refusée"),
      QStringLiteral("%1 lignes converties, %2 refusées"),
  };
  return patterns[(pluralConverted ? 2u : 0u) + (pluralRefused ? 1u : 0u)];
}

QString Number(std::size_t value) {
  return QLocale().toString(static_cast<qulonglong>(value));
}

constexpr int kPercent = 100;

}  // namespace

QString RunSummaryText(const RunSummary& summary) {
  return SummaryPattern(summary.converted > 1, summary.refused > 1)
      .arg(Number(summary.converted), Number(summary.refused));
}

QString RunProgressText(std::size_t done, std::size_t size) {
  const auto percent =
      size == 0
          ? kPercent
          : static_cast<int>(static_cast<double>(done) * kPercent / static_cast<double>(size));
  return QStringLiteral("Conversion en cours… %1 %").arg(percent);
}

}  // namespace koord::ui
