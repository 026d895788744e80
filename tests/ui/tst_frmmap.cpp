// The map window: its opening size, the read-out of the pointer in the
// caption, and the dots.

#include <QtTest>

#include "ui/MapView.h"
#include "ui/frmMap.h"

using koord::ui::frmMap;

class TestFrmMap : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheMapArea();
  void readOut_data();
  void readOut();
  void dots_data();
  void dots();
};

void TestFrmMap::opensWithTheMapArea() {
  frmMap map;
  map.show();
  QVERIFY(QTest::qWaitForWindowExposed(&map));
  QCOMPARE(map.Picture()->DrawingArea().size(), QSize(250, 206));
  QCOMPARE(map.windowTitle(), QString());
  QVERIFY(map.isModal());
}

// Expected values worked by hand: X = 17570 + 280730 * column / width,
// Y = 249430 - 231230 * row / height, both rounded down.
void TestFrmMap::readOut_data() {
  QTest::addColumn<QSize>("area");
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<QString>("caption");
  QTest::newRow("top-left pixel") << QSize(250, 206) << QPoint(0, 0)
                                  << QStringLiteral("X=17570 Y=249430");
  QTest::newRow("bottom-right pixel")
      << QSize(250, 206) << QPoint(249, 205) << QStringLiteral("X=297177 Y=19322");
  QTest::newRow("middle") << QSize(250, 206) << QPoint(125, 103)
                          << QStringLiteral("X=157935 Y=133815");
  QTest::newRow("enlarged, bottom-right")
      << QSize(500, 412) << QPoint(499, 411) << QStringLiteral("X=297738 Y=18761");
}

void TestFrmMap::readOut() {
  QFETCH(QSize, area);
  QFETCH(QPoint, pixel);
  QFETCH(QString, caption);
  frmMap map;
  map.show();
  QVERIFY(QTest::qWaitForWindowExposed(&map));
  map.resize(map.size() + area - map.Picture()->DrawingArea().size());
  QTRY_COMPARE(map.Picture()->DrawingArea().size(), area);
  QTest::mouseMove(map.Picture(), map.Picture()->DrawingArea().topLeft() + pixel);
  QTRY_COMPARE(map.windowTitle(), caption);
}

void TestFrmMap::dots_data() {
  QTest::addColumn<QPointF>("point");
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<bool>("red");
  // 150000, 170000: column 117.93, row 70.76 of the 250 x 206 area.
  QTest::newRow("dot at its place") << QPointF(150000, 170000) << QPoint(118, 70) << true;
  // Radius 4000 m is 3.56 pixels: 8 pixels away is outside the dot.
  QTest::newRow("nothing beside it") << QPointF(150000, 170000) << QPoint(126, 70) << false;
  QTest::newRow("centred on the top-left corner") << QPointF(17570, 249430) << QPoint(0, 0) << true;
  // X = 320000 lies beyond the right edge (298300): no red on the edge.
  QTest::newRow("outside the map") << QPointF(320000, 170000) << QPoint(249, 70) << false;
}

void TestFrmMap::dots() {
  QFETCH(QPointF, point);
  QFETCH(QPoint, pixel);
  QFETCH(bool, red);
  frmMap map;
  map.AddPoint(point.x(), point.y());
  map.show();
  QVERIFY(QTest::qWaitForWindowExposed(&map));
  const QImage image = map.Picture()->grab(map.Picture()->DrawingArea()).toImage();
  const QRgb colour = image.pixel(pixel);
  const bool isRed = qRed(colour) > 230 && qGreen(colour) < 40 && qBlue(colour) < 40;
  QCOMPARE(isRed, red);
}

QTEST_MAIN(TestFrmMap)
#include "tst_frmmap.moc"
