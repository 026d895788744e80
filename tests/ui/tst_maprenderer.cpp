// The map renderer as koord-cli uses it (PNG files, without a display), the
// view it draws (fitted, zoomed, panned) and the IFBL grid it draws.

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "map/IfblGrid.h"
#include "map/MapPng.h"
#include "map/MapRenderer.h"
#include "map/MapViewport.h"

using koord::map::MapViewport;

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
  void zoomKeepsItsAnchor_data();
  void zoomKeepsItsAnchor();
  void panStaysOnTheMapData();
  void resizedAndScaledViewsShowTheSamePlace();
  void dotsAdaptToZoomAndNumber_data();
  void dotsAdaptToZoomAndNumber();
  void ifblGridFromTheIfblRoutines();
  // Last: it needs an application for the grid's fonts.
  void gridInThePng();

 private:
  QTemporaryDir dir_;
};

// Pixel positions computed by hand from the fitted view: the extent's
// centre (157935, 133815) in the middle, 280730 / width metres a pixel
// (the width decides at the window's proportions).
void TestMapRenderer::rendersDotsWhereTheyBelong_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("y");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QPoint>("pixel");
  // 150000, 170000 at 250 x 206: column 117.93, row 70.78.
  QTest::newRow("Bruxelles, 250 x 206")
      << 150000.0 << 170000.0 << QSize(250, 206) << QPoint(118, 70);
  // Same point at 1000 x 824: column 471.7, row 283.1.
  QTest::newRow("Bruxelles, 1000 x 824")
      << 150000.0 << 170000.0 << QSize(1000, 824) << QPoint(471, 283);
  // The top-left corner of the map extent: a quarter dot at (0, 0).
  QTest::newRow("top-left corner") << 17570.0 << 249430.0 << QSize(250, 206) << QPoint(0, 0);
  // 250000, 50000 at 250 x 206: column 206.99, row 177.64.
  QTest::newRow("Luxembourg province")
      << 250000.0 << 50000.0 << QSize(250, 206) << QPoint(207, 177);
  // A square picture: the height is what it was at 250 x 206 stretched no
  // more; 150000 is 7935 m west of the centre, 7.07 pixels.
  QTest::newRow("Bruxelles, 250 x 250")
      << 150000.0 << 170000.0 << QSize(250, 250) << QPoint(118, 92);
}

void TestMapRenderer::rendersDotsWhereTheyBelong() {
  QFETCH(double, x);
  QFETCH(double, y);
  QFETCH(QSize, size);
  QFETCH(QPoint, pixel);
  const QString path = dir_.filePath(QStringLiteral("dot.png"));
  QString error;
  QVERIFY2(koord::map::RenderMapPng({{x, y}}, path, size, false, &error), qPrintable(error));
  const QImage with(path);
  QCOMPARE(with.size(), size);
  QVERIFY(IsDotRed(with.pixel(pixel)));
  QVERIFY(koord::map::RenderMapPng({}, path, size, false, &error));
  QVERIFY(!IsDotRed(QImage(path).pixel(pixel)));
}

void TestMapRenderer::colours_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<QString>("expected");
  // Namur, well inside Belgium (185000, 128000); the North Sea off the
  // coast (25000, 245000); on a wide picture, 400 km west of Bruxelles,
  // beyond the map data.
  QTest::newRow("Belgium is green")
      << QSize(250, 206) << QPoint(149, 108) << QStringLiteral("green");
  QTest::newRow("the sea is blue") << QSize(250, 206) << QPoint(6, 4) << QStringLiteral("blue");
  QTest::newRow("no data is grey") << QSize(1000, 206) << QPoint(2, 103) << QStringLiteral("grey");
}

void TestMapRenderer::colours() {
  QFETCH(QSize, size);
  QFETCH(QPoint, pixel);
  QFETCH(QString, expected);
  const QString path = dir_.filePath(QStringLiteral("plain.png"));
  QVERIFY(koord::map::RenderMapPng({}, path, size, false, nullptr));
  const QRgb colour = QImage(path).pixel(pixel);
  const int r = qRed(colour);
  const int g = qGreen(colour);
  const int b = qBlue(colour);
  if (expected == u"green") {
    QVERIFY(g > r && g > b);
  } else if (expected == u"blue") {
    QVERIFY(b > g && g > r);
  } else {
    QVERIFY(std::abs(r - g) < 12 && std::abs(g - b) < 12);
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
  QVERIFY(!koord::map::RenderMapPng({{150000, 170000}}, dir_.filePath(file), size, false, &error));
  QVERIFY(!error.isEmpty());
  QVERIFY(!QFile::exists(dir_.filePath(file)));
}

void TestMapRenderer::zoomKeepsItsAnchor_data() {
  QTest::addColumn<QPointF>("pixel");
  QTest::addColumn<double>("factor");
  QTest::addColumn<double>("zoom");
  QTest::newRow("closer about the middle") << QPointF(125, 103) << 2.0 << 2.0;
  QTest::newRow("closer about a corner") << QPointF(10, 190) << 4.0 << 4.0;
  QTest::newRow("no farther than the whole map") << QPointF(40, 40) << 0.5 << 1.0;
  QTest::newRow("no closer than the limit") << QPointF(200, 20) << 1000.0 << koord::map::kMaxZoom;
}

void TestMapRenderer::zoomKeepsItsAnchor() {
  QFETCH(QPointF, pixel);
  QFETCH(double, factor);
  QFETCH(double, zoom);
  MapViewport view(QSizeF(250, 206));
  const QPointF anchor = view.ToLambert(pixel);
  view.ZoomAt(pixel, factor);
  QCOMPARE(view.Zoom(), zoom);
  if (zoom > 1) {
    const QPointF back = view.ToPixel(anchor.x(), anchor.y());
    QVERIFY(std::abs(back.x() - pixel.x()) < 1e-6 && std::abs(back.y() - pixel.y()) < 1e-6);
  }
  QCOMPARE(view.PixelsPerMetre(), view.FitPixelsPerMetre() * zoom);
}

void TestMapRenderer::panStaysOnTheMapData() {
  MapViewport view(QSizeF(250, 206));
  view.ZoomAt(QPointF(125, 103), 8);
  const QPointF before = view.ToLambert(QPointF(125, 103));
  view.PanBy(QPointF(20, -10));  // the picture right and up: the view west and south
  const QPointF after = view.ToLambert(QPointF(125, 103));
  const double metres = 1 / view.PixelsPerMetre();
  QVERIFY(std::abs(before.x() - after.x() - 20 * metres) < 1e-6);
  QVERIFY(std::abs(before.y() - after.y() - 10 * metres) < 1e-6);
  // However far the drag, the middle stays on the map data.
  view.PanBy(QPointF(-1e9, 1e9));  // the picture far left and down: east and north
  const QPointF middle = view.ToLambert(QPointF(125, 103));
  QCOMPARE(middle, QPointF(koord::map::kDataRight, koord::map::kDataTop));
  view.Reset();
  QCOMPARE(view.Zoom(), 1.0);
  QCOMPARE(view.ToLambert(QPointF(125, 103)), QPointF(157935, 133815));
}

void TestMapRenderer::resizedAndScaledViewsShowTheSamePlace() {
  MapViewport view(QSizeF(250, 206));
  view.ZoomAt(QPointF(60, 60), 3);
  const QPointF middle = view.ToLambert(QPointF(125, 103));
  const QRectF shown = view.VisibleExtent();
  const MapViewport large = view.Scaled(4);
  QCOMPARE(large.Area(), QSizeF(1000, 824));
  QCOMPARE(large.VisibleExtent(), shown);
  view.Resize(QSizeF(500, 206));
  QCOMPARE(view.ToLambert(QPointF(250, 103)), middle);
  QCOMPARE(view.Zoom(), 3.0);
}

void TestMapRenderer::dotsAdaptToZoomAndNumber_data() {
  QTest::addColumn<double>("zoom");
  QTest::addColumn<int>("dots");
  QTest::addColumn<double>("radius");
  // 4000 m at 1122.92 m a pixel: 3.56 pixels at the opening size.
  QTest::newRow("a few points") << 1.0 << 10 << 3.562;
  QTest::newRow("zoomed in four times") << 4.0 << 10 << 7.0;  // twice, at most 7
  QTest::newRow("4 000 points") << 1.0 << 4000 << 1.781;      // half
  QTest::newRow("100 000 points") << 1.0 << 100000 << 1.0;    // a pixel at least
}

void TestMapRenderer::dotsAdaptToZoomAndNumber() {
  QFETCH(double, zoom);
  QFETCH(int, dots);
  QFETCH(double, radius);
  MapViewport view(QSizeF(250, 206));
  view.ZoomAt(QPointF(125, 103), zoom);
  const double actual = koord::map::DotRadius(view, static_cast<std::size_t>(dots));
  QVERIFY2(std::abs(actual - radius) < 0.001, qPrintable(QString::number(actual)));
}

// The grid read from the IFBL routines: 10 columns of 32 km and 12 rows of
// 20 km from the origin (2012, 18180); Bruxelles (150000, 170000) lies in
// E4 and its 4 x 4 km square E4.35 (the grid's worked example).
void TestMapRenderer::ifblGridFromTheIfblRoutines() {
  const koord::map::IfblGrid& grid = koord::map::IfblGrid::Get();
  QCOMPARE(grid.LargeSquares().size(), std::size_t(120));
  QCOMPARE(grid.SmallSide(), 4000.0);
  QCOMPARE(grid.Extent(), QRectF(2012, 18180, 320000, 240000));
  int holding = 0;
  for (const koord::map::IfblSquare& square : grid.LargeSquares()) {
    if (square.lambert.contains(QPointF(150000, 170000))) {
      ++holding;
      QCOMPARE(square.code, QStringLiteral("E4"));
      QCOMPARE(square.lambert, QRectF(130012, 158180, 32000, 20000));
    }
  }
  QCOMPARE(holding, 1);
  QCOMPARE(koord::map::IfblGrid::SmallSquareCode(150000, 170000), QStringLiteral("E4.35"));
  QCOMPARE(koord::map::IfblGrid::SmallSquareCode(150000, 10000), QString());
}

void TestMapRenderer::gridInThePng() {
  int argc = 1;
  char name[] = "tst_maprenderer";
  char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);
  // The boundary between E3 and E4 (X = 130012) through Hainaut
  // (Y = 150000): column 400.5, row 295.8 of 1000 x 824.
  const QPoint boundary(400, 296);
  const QString path = dir_.filePath(QStringLiteral("grid.png"));
  QVERIFY(koord::map::RenderMapPng({}, path, QSize(1000, 824), false, nullptr));
  const QRgb plain = QImage(path).pixel(boundary);
  QVERIFY(koord::map::RenderMapPng({}, path, QSize(1000, 824), true, nullptr));
  const QRgb grid = QImage(path).pixel(boundary);
  QVERIFY(qGreen(plain) > qBlue(plain));
  QVERIFY2(qBlue(grid) > qGreen(grid), qPrintable(QColor(grid).name()));
}

QTEST_GUILESS_MAIN(TestMapRenderer)
#include "tst_maprenderer.moc"
