#include "ui/Settings.h"

#include <QSettings>
#include <QString>

namespace koord::ui {
namespace {

const QString kSeparatorKey = QStringLiteral("input/separator");
const QString kFirstColumnKey = QStringLiteral("input/firstColumn");
const QString kKeepLineKey = QStringLiteral("input/keepLine");

QSettings Store() { return QSettings(QStringLiteral("Koord"), QStringLiteral("koord")); }

}  // namespace

InputOptions LoadInputOptions() {
  const QSettings store = Store();
  InputOptions options;
  const QString separator = store.value(kSeparatorKey).toString();
  for (const SeparatorEntry& entry : kSeparatorTable) {
    if (separator == QString::fromLatin1(entry.cliName.data(), qsizetype(entry.cliName.size()))) {
      options.separator = entry.value;
    }
  }
  bool number = false;
  const int column = store.value(kFirstColumnKey).toInt(&number);
  if (number && column >= 1 && column <= kMaxFirstColumn) {
    options.firstColumn = static_cast<std::size_t>(column);
  }
  options.keepLine = store.value(kKeepLineKey, false).toBool();
  return options;
}

void SaveInputOptions(const InputOptions& options) {
  QSettings store = Store();
  const std::string_view name = EntryOf(kSeparatorTable, options.separator).cliName;
  store.setValue(kSeparatorKey, QString::fromLatin1(name.data(), qsizetype(name.size())));
  store.setValue(kFirstColumnKey, static_cast<int>(options.firstColumn));
  store.setValue(kKeepLineKey, options.keepLine);
}

}  // namespace koord::ui
