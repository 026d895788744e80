#include "ui/LanguageText.h"

namespace koord::ui {
namespace {

// Groups thousands in French and Dutch: a narrow no-break space, which
// neither breaks a number at the end of a line nor reads as a decimal mark.
constexpr QChar kThinGroup(0x202F);

}  // namespace

QLocale LocaleOf(Language language) {
  switch (language) {
    case Language::Dutch: return QLocale(QLocale::Dutch, QLocale::Belgium);
    case Language::English: return QLocale(QLocale::English);
    case Language::French: break;
  }
  return QLocale(QLocale::French, QLocale::Belgium);
}

QString Number(std::uint64_t value, Language language) {
  const QLocale locale = LocaleOf(language);
  QString text = locale.toString(static_cast<qulonglong>(value));
  if (language != Language::English) text.replace(locale.groupSeparator(), kThinGroup);
  return text;
}

char DecimalMarkOf(Language language) {
  return language == Language::English ? '.' : ',';
}

}  // namespace koord::ui
