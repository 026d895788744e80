// The map renderer as koord-cli uses it: PNG files, without a display.

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "map/MapPng.h"

namespace {

bool IsDotRed(QRgb pixel) {
  return qRed(pixel) > 230 && qGreen(pixel) < 40 && qBlue(pixel) < 40;
}

}  // namespace

class TestMapRenderer : public QObject {
  Q_OBJECT

 private slots:
  void rendersDotsWhereTheyBelong_data();
  void rendersDotsWhereTheyBelong();
  void colours_data();
  void colours();
  void refusesBadRequests_data();
  void refusesBadRequests();

 private:
  QTemporaryDir dir_;
};

// Pixel positions computed by hand from the scale: column = (X - 17570) /
// 280730 * width, row = (249430 - Y) / 231230 * height.
void TestMapRenderer::rendersDotsWhereTheyBelong_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QPoint>("pixel");
  // 150000, 170000 at 250 x 206: column 117.93, row 70.76.
  QTest::newRow("Bruxelles, 250 x 206")
      << 150000.0 << 170000.0 << QSize(250, 206) << QPoint(118, 70);
  // Same point at 1000 x 824: column 471.7, row 283.0.
  QTest::newRow("Bruxelles, 1000 x 824")
      << 150000.0 << 170000.0 << QSize(1000, 824) << QPoint(471, 283);
  // The top-left corner of the map: a quarter dot at (0, 0).
  QTest::newRow("top-left corner") << 17570.0 << 249430.0 << QSize(250, 206) << QPoint(0, 0);
  // 250000, 50000 at 250 x 206: column 206.97, row 177.63.
  QTest::newRow("Luxembourg province")
      << 250000.0 << 50000.0 << QSize(250, 206) << QPoint(207, 177);
}

void TestMapRenderer::rendersDotsWhereTheyBelong() {
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(QSize, size);
  QFETCH(QPoint, pixel);
  const QString path = dir_.filePath(QStringLiteral("dot.png"));
  QString error;
  QVERIFY2(koord::map::RenderMapPng({{x, y}}, path, size, &error), qPrintable(error));
  const QImage with(path);
  QCOMPARE(with.size(), size);
  QVERIFY(IsDotRed(with.pixel(pixel)));
  QVERIFY(koord::map::RenderMapPng({}, path, size, &error));
  QVERIFY(!IsDotRed(QImage(path).pixel(pixel)));
}

void TestMapRenderer::colours_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<QString>("expected");
  // Namur, well inside Belgium; the North Sea off the coast; a point
  // outside the map (not drawn at all).
  QTest::newRow("Belgium is green") << 185000.0 << 128000.0 << QStringLiteral("green");
  QTest::newRow("the sea is light orange") << 25000.0 << 245000.0 << QStringLiteral("orange");
}

void TestMapRenderer::colours() {
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(QString, expected);
  const QString path = dir_.filePath(QStringLiteral("plain.png"));
  QVERIFY(koord::map::RenderMapPng({}, path, QSize(250, 206), nullptr));
  const QPoint pixel(static_cast<int>((x - 17570) / 280730 * 250),
                     static_cast<int>((249430 - y) / 231230 * 206));
  const QRgb colour = QImage(path).pixel(pixel);
  if (expected == u"green") {
    QVERIFY(qGreen(colour) > qRed(colour) && qGreen(colour) > qBlue(colour));
  } else {
    QVERIFY(qRed(colour) > qGreen(colour) && qGreen(colour) > qBlue(colour));
  }
}

void TestMapRenderer::refusesBadRequests_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QSize>("size");
  QTest::newRow("empty size") << QStringLiteral("a.png") << QSize(0, 206);
  QTest::newRow("negative size") << QStringLiteral("a.png") << QSize(-5, 10);
  QTest::newRow("huge size") << QStringLiteral("a.png") << QSize(100000, 100000);
  QTest::newRow("missing folder") << QStringLiteral("no/such/folder/a.png") << QSize(250, 206);
}

void TestMapRenderer::refusesBadRequests() {
  QFETCH(QString, file);
  QFETCH(QSize, size);
  QString error;
  QVERIFY(!koord::map::RenderMapPng({{150000, 170000}}, dir_.filePath(file), size, &error));
  QVERIFY(!error.isEmpty());
  QVERIFY(!QFile::exists(dir_.filePath(file)));
}

QTEST_GUILESS_MAIN(TestMapRenderer)
#include "tst_maprenderer.moc"
