#include "ui/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace koord::ui {

bool InstallQtFrench() {
  static QTranslator translator;
  static const bool installed =
      translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(&translator);
  return installed;
}

}  // namespace koord::ui
