#include "ui/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>

#include "ui/LanguageText.h"

namespace koord::ui {
namespace {

// Qt's own texts that its French and Dutch translations lack: the type of
// a folder in the file dialogs, whose context changed in Qt 6.
struct QtText {
  const char* source;
  Translated text;  // the English text is Qt's own
};
constexpr std::array<QtText, 4> kFileTypes{{
    {"Folder", {"Dossier", "Map", "Folder"}},
    {"Drive", {"Disque", "Station", "Drive"}},
    {"Shortcut", {"Raccourci", "Snelkoppeling", "Shortcut"}},
    {"Unknown", {"Inconnu", "Onbekend", "Unknown"}},
}};

class QtSupplement : public QTranslator {
 public:
  void SetLanguage(Language language) { language_ = language; }
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (!context || !source || qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
    for (const QtText& text : kFileTypes) {
      if (qstrcmp(source, text.source) == 0) return TextIn(text.text, language_);
    }
    return {};
  }

 private:
  Language language_ = Language::French;
};

struct Translators {
  QTranslator qt;
  QtSupplement qtSupplement;
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

}  // namespace

const char* LanguageCode(Language language) {
  return CodeOf(language).data();
}

bool InstallLanguage(Language language) {
  Translators& installed = Installed();
  if (installed.any && installed.language == language) return installed.complete;
  if (installed.qtInstalled) QCoreApplication::removeTranslator(&installed.qt);
  if (installed.koordInstalled) QCoreApplication::removeTranslator(&installed.koord);
  QCoreApplication::removeTranslator(&installed.qtSupplement);
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
    installed.qtSupplement.SetLanguage(language);
    QCoreApplication::installTranslator(&installed.qtSupplement);
  }
  // Qt's numbers, dates and file types (the file dialogs') in the language
  // too, whatever the system's.
  QLocale::setDefault(LocaleOf(language));
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
