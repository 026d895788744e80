// Files of points and results, without a window: what is text, how it is
// decoded, and the files written.

#include <QTemporaryDir>
#include <QtTest>

#include "ui/TextFile.h"

using koord::ui::FileContent;

class TestTextFile : public QObject {
  Q_OBJECT

 private slots:
  void content_data();
  void content();
  void importedText_data();
  void importedText();
  void csvOfAnyResult_data();
  void csvOfAnyResult();
  void missingFolder();

 private:
  QTemporaryDir dir_;
};

void TestTextFile::content_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("content");
  const int text = int(FileContent::Text);
  const int workbook = int(FileContent::Workbook);
  const int binary = int(FileContent::OtherBinary);
  QTest::newRow("points") << QByteArray("150000\t170000\r\n") << text;
  QTest::newRow("empty") << QByteArray() << text;
  QTest::newRow("a form feed and a stray escape")
      << QByteArray("E4\f\nE5\x1b\n" + QByteArray(200, 'x')) << text;
  QTest::newRow("UTF-16 with its mark") << QByteArray(
                                               "\xFF\xFE"
                                               "E\0"
                                               "4\0",
                                               6)
                                        << text;
  QTest::newRow(".xlsx, .ods (ZIP)") << QByteArray("PK\x03\x04rest", 8) << workbook;
  QTest::newRow(".xls (OLE)") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) << workbook;
  QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << binary;
  QTest::newRow("UTF-16 without a mark") << QByteArray(
                                                "E\0"
                                                "4\0",
                                                4)
                                         << binary;
  QTest::newRow("control characters") << QByteArray("\x01\x02\x03\x04 abc") << binary;
}

void TestTextFile::content() {
  QFETCH(QByteArray, bytes);
  QFETCH(int, content);
  QCOMPARE(int(koord::ui::ContentOf(bytes)), content);
}

void TestTextFile::importedText_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("text");
  QTest::newRow("tabs stay") << QByteArray("150000\t170000\n") << "150000\t170000\n";
  QTest::newRow("semicolons stay")
      << QByteArray("150000;170000\r\n50,5;4,25\r\n") << "150000;170000\n50,5;4,25\n";
  QTest::newRow("lone CR") << QByteArray("E4\rE5\r") << "E4\nE5\n";
  QTest::newRow("Windows-1252") << QByteArray("Li\xe8ge;\x80;\x9c;\x81\n")
                                << QStringLiteral("Liège;€;œ;\uFFFD\n");
  QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBFLi\xC3\xA8ge\n") << "Liège\n";
  QTest::newRow("UTF-16 little endian") << QByteArray(
                                               "\xFF\xFE"
                                               "E\0"
                                               "4\0"
                                               "\r\0\n\0"
                                               "\xE8\0",
                                               12)
                                        << "E4\nè";
  QTest::newRow("UTF-16 big endian") << QByteArray(
                                            "\xFE\xFF\0E\0"
                                            "4",
                                            6)
                                     << "E4";
}

void TestTextFile::importedText() {
  QFETCH(QByteArray, file);
  QFETCH(QString, text);
  QCOMPARE(koord::ui::ImportedText(file), text);
}

void TestTextFile::csvOfAnyResult_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<char>("separator");
  QTest::addColumn<QByteArray>("csv");
  QTest::newRow("tab-separated fields")
      << "X\tY\n150000\t170000\n"
      << '\t' << QByteArray("\xEF\xBB\xBFX;Y\r\n150000;170000\r\n");
  QTest::newRow("a quote and a semicolon in a field") << "50°50'25,5\"N\ta;b\n"
                                                      << '\t'
                                                      << QByteArray(
                                                             "\xEF\xBB\xBF\"50\xC2\xB0"
                                                             "50'25,5\"\"N\";\"a;b\"\r\n");
  // A result of semicolon-separated input is CSV already.
  QTest::newRow("semicolons stay") << "P1;\"a;b\";E435\n"
                                   << ';' << QByteArray("\xEF\xBB\xBFP1;\"a;b\";E435\r\n");
  QTest::newRow("no final line break") << "E4" << '\t'
                                       << QByteArray(
                                              "\xEF\xBB\xBF"
                                              "E4\r\n");
}

void TestTextFile::csvOfAnyResult() {
  QFETCH(QString, text);
  QFETCH(char, separator);
  QFETCH(QByteArray, csv);
  const QString path = dir_.filePath(QStringLiteral("r.CSV"));
  QCOMPARE(koord::ui::WriteResultFile(path, text, separator), QString());
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), csv);
}

void TestTextFile::missingFolder() {
  const QString message = koord::ui::WriteResultFile(dir_.filePath(QStringLiteral("absent/r.txt")),
                                                     QStringLiteral("E4\n"), '\t');
  QVERIFY(message.contains(QStringLiteral("r.txt")));
  QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("absent/r.txt"))));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
