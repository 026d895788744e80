#include "ui/RunStatus.h"

#include <QCoreApplication>
#include <climits>

#include "engine/Kind.h"
#include "ui/LanguageText.h"

namespace koord::ui {

// The context of the status line's texts in the translations.
class RunTexts {
  Q_DECLARE_TR_FUNCTIONS(RunTexts)
};

namespace {

// The count that picks a translation's plural form; past the range of int
// any large count does.
int PluralCount(std::uint64_t value) {
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// French makes 0 and 1 singular; each French form is a source of its own,
// so that the French texts need no translation, and the translations pick
// their plural form from the count.
QString ConvertedText(std::size_t converted, Language language) {
  const int n = PluralCount(converted);
  return (converted > 1 ? RunTexts::tr("%1 lignes converties", nullptr, n)
                        : RunTexts::tr("%1 ligne convertie", nullptr, n))
      .arg(Number(converted, language));
}

QString RefusedText(std::size_t refused, Language language) {
  return (refused > 1 ? RunTexts::tr("%1 refusées") : RunTexts::tr("%1 refusée"))
      .arg(Number(refused, language));
}

constexpr int kPercent = 100;

// "A et B", "A, B et C".
QString Listed(const QStringList& items) {
  if (items.size() < 2) return items.join(QString());
  return RunTexts::tr("%1 et %2")
      .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.back());
}

}  // namespace

QString RunSummaryText(const RunSummary& summary, Language language) {
  QString text = QStringLiteral("%1, %2").arg(ConvertedText(summary.converted, language),
                                              RefusedText(summary.refused, language));
  if (summary.far == 0) return text;
  return text + QStringLiteral(", ") +
         RunTexts::tr("%1 loin de la Belgique", nullptr, PluralCount(summary.far))
             .arg(Number(summary.far, language));
}

QString KindCountsText(const RunSummary& summary, Language language) {
  QStringList counts;
  for (const KindDescriptor& kind : AllKinds()) {
    const std::size_t count = summary.kinds[static_cast<std::size_t>(kind.kind)];
    if (count > 0) counts << Number(count, language) + u' ' + FromUtf8(kind.cliName);
  }
  return counts.join(QStringLiteral(", "));
}

QString StoppedRunText(std::uint64_t lines, std::size_t refused, Language language) {
  const int n = PluralCount(lines);
  QString text = (lines > 1 ? RunTexts::tr("Conversion arrêtée après %1 lignes", nullptr, n)
                            : RunTexts::tr("Conversion arrêtée après %1 ligne", nullptr, n))
                     .arg(Number(lines, language));
  if (refused == 0) return text;
  const int r = PluralCount(refused);
  return text + (refused > 1 ? RunTexts::tr(", dont %1 refusées", nullptr, r)
                             : RunTexts::tr(", dont %1 refusée", nullptr, r))
                    .arg(Number(refused, language));
}

QString RunProgressText(std::size_t done, std::size_t size) {
  const auto percent =
      size == 0
          ? kPercent
          : static_cast<int>(static_cast<double>(done) * kPercent / static_cast<double>(size));
  return RunTexts::tr("Conversion en cours… %1\u00A0%").arg(percent);
}

QString OutputDatumText(const std::vector<Datum>& datums) {
  QStringList names;
  for (const Datum datum : datums) {
    const QString name = FromUtf8(EntryOf(kDatumTable, datum).label);
    if (!names.contains(name)) names << name;
  }
  return RunTexts::tr("résultat en %1").arg(Listed(names));
}

QString FirstColumnText(std::size_t column, Language language) {
  return RunTexts::tr("coordonnées lues à partir du champ %1").arg(Number(column, language));
}

QString NamedColumnsText(const QStringList& names) {
  return RunTexts::tr("coordonnées lues dans les colonnes %1").arg(Listed(names));
}

QString AmbiguousColumnsText(std::size_t first, std::size_t other, Language language) {
  return RunTexts::tr(
             "coordonnées lisibles aux champs %1 et %2\u00A0: choisissez dans Options "
             "de lecture")
      .arg(Number(first, language), Number(other, language));
}

QString OutOfDateText() {
  return RunTexts::tr(
      "Résultat à refaire\u00A0: les coordonnées ou les choix ont changé (Ctrl+Entrée)");
}

}  // namespace koord::ui
