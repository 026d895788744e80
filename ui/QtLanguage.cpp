#include "ui/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace koord::ui {
namespace {

struct Translators {
  QTranslator qt;
  QTranslator koord;
  bool qtInstalled = false;
  bool koordInstalled = false;
  // Nothing is installed yet: the first call installs even French.
  bool any = false;
  bool complete = false;
  Language language = Language::French;
};

Translators& Installed() {
  static Translators translators;
  return translators;
}

QLocale LocaleOf(Language language) {
  switch (language) {
    case Language::Dutch: return QLocale(QLocale::Dutch, QLocale::Belgium);
    case Language::English: return QLocale(QLocale::English);
    case Language::French: break;
  }
  return QLocale(QLocale::French, QLocale::Belgium);
}

}  // namespace

const char* LanguageCode(Language language) {
  return CodeOf(language).data();
}

bool InstallLanguage(Language language) {
  Translators& installed = Installed();
  if (installed.any && installed.language == language) return installed.complete;
  if (installed.qtInstalled) QCoreApplication::removeTranslator(&installed.qt);
  if (installed.koordInstalled) QCoreApplication::removeTranslator(&installed.koord);
  installed.qtInstalled = false;
  installed.koordInstalled = false;
  installed.any = true;
  installed.language = language;
  bool complete = true;
  // Qt's texts are English already; Koord's are French already.
  if (language != Language::English) {
    installed.qtInstalled =
        installed.qt.load(LocaleOf(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&installed.qt);
    complete = installed.qtInstalled;
  }
  if (language != Language::French) {
    installed.koordInstalled =
        installed.koord.load(QStringLiteral(":/i18n/koord_%1.qm")
                                 .arg(QString::fromLatin1(LanguageCode(language)))) &&
        QCoreApplication::installTranslator(&installed.koord);
    complete = complete && installed.koordInstalled;
  }
  installed.complete = complete;
  return complete;
}

Language InstalledLanguage() {
  return Installed().language;
}

}  // namespace koord::ui
