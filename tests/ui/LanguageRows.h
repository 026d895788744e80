#pragma once
// The language column of the window tests' data-driven cases, and a text
// written in each language the window speaks.
//
//   void test_data() { QTest::addColumn<int>("language"); AddLanguages({French, Dutch}); }
//   void test() { const Language language = FetchLanguage(); ... In(language, "Oui", ...) }

#include <QString>
#include <QtTest>
#include <initializer_list>

#include "support/Language.h"
#include "ui/QtLanguage.h"

namespace koord::ui::test {

inline void AddLanguages(std::initializer_list<Language> languages) {
  for (const Language language : languages) {
    QTest::newRow(LanguageCode(language)) << static_cast<int>(language);
  }
}

inline Language FetchLanguage() {
  QFETCH(int, language);
  return static_cast<Language>(language);
}

// A text by language: French, Dutch, English, German.
inline QString In(Language language, const char* fr, const char* nl, const char* en,
                  const char* de) {
  switch (language) {
    case Language::Dutch: return QString::fromUtf8(nl);
    case Language::English: return QString::fromUtf8(en);
    case Language::German: return QString::fromUtf8(de);
    case Language::French: break;
  }
  return QString::fromUtf8(fr);
}

}  // namespace koord::ui::test
