#include "ui/RunStatus.h"

#include <QCoreApplication>
#include <QLocale>
#include <climits>

namespace koord::ui {

// The context of the status line's texts in the translations.
class RunTexts {
  Q_DECLARE_TR_FUNCTIONS(RunTexts)
};

namespace {

QString Number(std::size_t value) {
  return QLocale().toString(static_cast<qulonglong>(value));
}

// The count that picks a translation's plural form; past the range of int
// any large count does.
int PluralCount(std::size_t value) {
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// French makes 0 and 1 singular; each French form is a source of its own,
// so that the French texts need no translation, and the translations pick
// their plural form from the count.
QString ConvertedText(std::size_t converted) {
  const int n = PluralCount(converted);
  return (converted > 1 ? RunTexts::tr("%1 lignes converties", nullptr, n)
                        : RunTexts::tr("%1 ligne convertie", nullptr, n))
      .arg(Number(converted));
}

QString RefusedText(std::size_t refused) {
  return (refused > 1 ? RunTexts::tr("%1 refusées") : RunTexts::tr("%1 refusée"))
      .arg(Number(refused));
}

constexpr int kPercent = 100;

}  // namespace

QString RunSummaryText(const RunSummary& summary) {
  return QStringLiteral("%1, %2").arg(ConvertedText(summary.converted),
                                      RefusedText(summary.refused));
}

QString RunProgressText(std::size_t done, std::size_t size) {
  const auto percent =
      size == 0
          ? kPercent
          : static_cast<int>(static_cast<double>(done) * kPercent / static_cast<double>(size));
  return RunTexts::tr("Conversion en cours… %1 %").arg(percent);
}

}  // namespace koord::ui
