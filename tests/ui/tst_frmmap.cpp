// The map window: its opening size and place, its title, the read-out of
// the pointer under the map and the dot nearest it, the point copied by a
// click, zoom, pan and their reset by mouse and keys, proportions kept, the
// IFBL grid down to its 1 x 1 km lines, the picture saved, the dots, and
// what it remembers.

#include <QClipboard>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "map/MapViewport.h"
#include "ui/MapPoints.h"
#include "ui/MapReadOut.h"
#include "ui/MapView.h"
#include "ui/frmMap.h"

using koord::ui::frmMap;

class TestFrmMap : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void opensWithTheMapArea();
  void opensBesideTheMainWindow();
  void caption_data();
  void caption();
  void readOut_data();
  void readOut();
  void readOutFollowsThePointerAndLeavesWithIt();
  void clickCopiesThePoint();
  void nearestDotNamed_data();
  void nearestDotNamed();
  void wheelZoomsAboutThePointer();
  void dragPansWithoutCopying();
  void keysZoomPanAndReset_data();
  void keysZoomPanAndReset();
  void proportionsKept_data();
  void proportionsKept();
  void ifblGridOnRequestAndRemembered();
  void kilometreLinesAtCloseZoom();
  void savesPngAndSvg_data();
  void savesPngAndSvg();
  void dots_data();
  void dots();
  void geometryRemembered();
  void everyButtonHasAKey();

 private:
  static void Show(frmMap& map);
  static void Resize(frmMap& map, QSize area);
  static QString Caption(frmMap& map, QPoint pixel);
  // The area the pixels of most cases are worked out for.
  static constexpr QSize kArea{500, 412};
  static constexpr QPoint kMiddle{250, 206};
  static QPoint At(const frmMap& map, QPoint pixel) {
    return map.Picture()->DrawingArea().topLeft() + pixel;
  }

  QTemporaryDir dir_;
};

namespace {

QString ReadOutLabel(const frmMap& map) {
  return map.findChild<QLabel*>(QStringLiteral("lblReadOut"))->text();
}

void Wheel(QWidget* widget, QPoint at, int notches) {
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

bool IsRed(QRgb colour) {
  return qRed(colour) > 230 && qGreen(colour) < 40 && qBlue(colour) < 40;
}

}  // namespace

void TestFrmMap::initTestCase() {
  // Settings go to a scratch store of this process, neither the user's nor
  // that of a window test running beside it.
  QVERIFY(dir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void TestFrmMap::init() {
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
}

void TestFrmMap::Show(frmMap& map) {
  map.show();
  QVERIFY(QTest::qWaitForWindowExposed(&map));
}

void TestFrmMap::Resize(frmMap& map, QSize area) {
  map.resize(map.size() + area - map.Picture()->DrawingArea().size());
  QTRY_COMPARE(map.Picture()->DrawingArea().size(), area);
}

// The Lambert point under the pointer, as the first line under the map
// reads it out: "X=150000 Y=170000".
QString TestFrmMap::Caption(frmMap& map, QPoint pixel) {
  QTest::mouseMove(map.Picture(), At(map, pixel));
  QCoreApplication::processEvents();
  return ReadOutLabel(map).section(u'\n', 0, 0).section(QStringLiteral(": "), 1);
}

// Shown by itself, the map of the original window, 206 pixels high and as
// wide as the buttons above it need (250 pixels at least), the whole
// extent in view; a window of its own, which leaves the others usable.
void TestFrmMap::opensWithTheMapArea() {
  frmMap map;
  Show(map);
  QCOMPARE(map.Picture()->DrawingArea().height(), 206);
  QVERIFY(map.Picture()->DrawingArea().width() >= 250);
  QCOMPARE(map.windowTitle(), QStringLiteral("Koord — carte"));
  QVERIFY(!map.isModal());
  QVERIFY(map.isWindow());
  QCOMPARE(map.Picture()->Viewport().Zoom(), 1.0);
  QCOMPARE(map.Picture()->Viewport().PixelsPerMetre(), 206 / koord::map::kHeight);
}

// From the main window, the map opens at two thirds of the screen, beside
// the main window and not over it.
void TestFrmMap::opensBesideTheMainWindow() {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget main;
  main.setGeometry(screen.left(), screen.top(), screen.width() / 4, screen.height() / 2);
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  frmMap map(&main);
  map.ShowBeside(&main);
  QVERIFY(QTest::qWaitForWindowExposed(&map));
  QVERIFY2(std::abs(map.width() - screen.width() * 2 / 3) <= 2,
           qPrintable(QString::number(map.width())));
  QVERIFY(std::abs(map.height() - screen.height() * 2 / 3) <= 40);
  QVERIFY2(!map.frameGeometry().intersects(main.frameGeometry()),
           qPrintable(QStringLiteral("%1,%2").arg(map.x()).arg(map.y())));
  QVERIFY(screen.contains(map.frameGeometry()));
  QVERIFY(main.isEnabled());
}

// Expected values worked by hand: the whole extent fitted with one scale,
// its centre (157935, 133815) at the middle of the area. At 500 x 412 the
// width decides, 280730 / 500 = 561.46 m a pixel: X = 157935 + (column -
// 250) * 561.46, Y = 133815 - (row - 206) * 561.46, both rounded down.
void TestFrmMap::caption_data() {
  QTest::addColumn<QSize>("area");
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<QString>("caption");
  QTest::newRow("top-left pixel") << kArea << QPoint(0, 0) << QStringLiteral("X=17570 Y=249475");
  QTest::newRow("bottom-right pixel")
      << kArea << QPoint(499, 411) << QStringLiteral("X=297738 Y=18715");
  QTest::newRow("middle") << kArea << kMiddle << QStringLiteral("X=157935 Y=133815");
  // Wider: the height decides, 231230 / 412 = 561.24 m a pixel, and the
  // map extends beyond its extent on both sides.
  QTest::newRow("wide, left edge")
      << QSize(1200, 412) << QPoint(0, 206) << QStringLiteral("X=-178808 Y=133815");
}

void TestFrmMap::caption() {
  QFETCH(QSize, area);
  QFETCH(QPoint, pixel);
  QFETCH(QString, caption);
  frmMap map;
  Show(map);
  Resize(map, area);
  QCOMPARE(Caption(map, pixel), caption);
}

// Lambert (150000, 170000): IFBL E4.35.22 (the grid's worked example);
// on WGS84 PROJ's EPSG:31370 to 4326 gives 50.84041 N, 4.36875 E, and
// GeographicLib's GeoConvert 31UES9637232971 for PROJ's point. (150000, 10000): PROJ 49.40195
// N, 4.36873 E, GeoConvert 31UEQ9930373041 (Koord: 4.36872 E and 31UEQ9930273041, the metre of its
// datum shift). Outside the Lambert bounds only Lambert reads out; south of row M, IFBL has no
// square.
void TestFrmMap::readOut_data() {
  QTest::addColumn<QPointF>("lambert");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("copied");
  QTest::newRow("Bruxelles") << QPointF(150000, 170000)
                             << "Lambert 1972\u00A0: X=150000 Y=170000\n"
                                "WGS84\u00A0: 50,84041 N  4,36875 E\n"
                                "MGRS\u00A0: 31UES9637232971\nIFBL\u00A0: E4.35.22"
                             << "Lambert 1972\t150000\t170000\nWGS84\t50,84041\t4,36875\n"
                                "MGRS\t31UES9637232971\nIFBL\tE4.35.22\n";
  QTest::newRow("beyond the Lambert bounds")
      << QPointF(320000, 170000)
      << "Lambert 1972\u00A0: X=320000 Y=170000\nWGS84\u00A0: —\nMGRS\u00A0: —\nIFBL\u00A0: —"
      << "Lambert 1972\t320000\t170000\nWGS84\t—\nMGRS\t—\nIFBL\t—\n";
  QTest::newRow("south of the IFBL grid")
      << QPointF(150000, 10000)
      << "Lambert 1972\u00A0: X=150000 Y=10000\nWGS84\u00A0: 49,40195 N  4,36872 E\n"
         "MGRS\u00A0: 31UEQ9930273041\nIFBL\u00A0: —"
      << "Lambert 1972\t150000\t10000\nWGS84\t49,40195\t4,36872\nMGRS\t31UEQ9930273041\n"
         "IFBL\t—\n";
}

void TestFrmMap::readOut() {
  QFETCH(QPointF, lambert);
  QFETCH(QString, text);
  QFETCH(QString, copied);
  const koord::ui::PointReadOut point = koord::ui::ReadOut(lambert);
  QCOMPARE(koord::ui::ReadOutText(point, u','), text);
  QCOMPARE(koord::ui::ReadOutClipboard(point, u','), copied);
}

// The middle of the map, (157935, 133815), lies 155.9 km east and 115.6 km
// north of the grid's origin: column 4, row G, 4 km square 2-7, 1 km
// square 22 (worked by hand from the grid's definition).
void TestFrmMap::readOutFollowsThePointerAndLeavesWithIt() {
  frmMap map;
  Show(map);
  Resize(map, kArea);
  const QString hint = ReadOutLabel(map);
  QVERIFY(!hint.isEmpty());
  QCOMPARE(Caption(map, kMiddle), QStringLiteral("X=157935 Y=133815"));
  QVERIFY2(ReadOutLabel(map).startsWith(QStringLiteral("Lambert 1972\u00A0: X=157935 Y=133815\n")),
           qPrintable(ReadOutLabel(map)));
  QVERIFY(ReadOutLabel(map).contains(QStringLiteral("IFBL\u00A0: G4.27.22")));
  QCOMPARE(map.windowTitle(), QStringLiteral("Koord — carte"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(map.Picture(), &leave);
  QCOMPARE(ReadOutLabel(map), hint);
}

void TestFrmMap::clickCopiesThePoint() {
  frmMap map;
  Show(map);
  Resize(map, kArea);
  QGuiApplication::clipboard()->clear();
  auto* copied = map.findChild<QLabel*>(QStringLiteral("lblCopied"));
  QVERIFY(!copied->isVisible());
  QTest::mouseClick(map.Picture(), Qt::LeftButton, Qt::NoModifier, At(map, kMiddle));
  // The click says that it copied, for a moment.
  QVERIFY(copied->isVisible());
  QCOMPARE(copied->text(), QStringLiteral("Copié"));
  QTRY_VERIFY_WITH_TIMEOUT(!copied->isVisible(), 5000);
  const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
  QCOMPARE(lines.size(), 5);
  QCOMPARE(lines[0], QStringLiteral("Lambert 1972\t157935\t133815"));
  QVERIFY(lines[1].startsWith(QStringLiteral("WGS84\t")));
  QVERIFY(lines[2].startsWith(QStringLiteral("MGRS\t31U")));
  QCOMPARE(lines[3], QStringLiteral("IFBL\tG4.27.22"));
}

// The dot nearest the pointer, within a few pixels, is named by its input
// line and the first text field of that line; farther, none is.
void TestFrmMap::nearestDotNamed_data() {
  QTest::addColumn<QPoint>("offset");  // pixels from Bruxelles' dot
  QTest::addColumn<QString>("named");
  QTest::newRow("on the dot") << QPoint(0, 0) << "Ligne 12\u00A0: P01 Quercus";
  QTest::newRow("a few pixels off") << QPoint(4, -3) << "Ligne 12\u00A0: P01 Quercus";
  QTest::newRow("on the other dot") << QPoint(0, 20) << "Ligne 1\u202F234";
  QTest::newRow("far from both") << QPoint(60, 60) << QString();
}

void TestFrmMap::nearestDotNamed() {
  QFETCH(QPoint, offset);
  QFETCH(QString, named);
  frmMap map;
  koord::ui::MapPoints points;
  points.Add({150000, 170000}, 12, u"P01 Quercus");
  Show(map);
  Resize(map, kArea);
  const koord::map::MapViewport& view = map.Picture()->Viewport();
  const QPointF below = view.ToLambert(view.ToPixel(150000, 170000) + QPointF(0, 20));
  points.Add(below, 1234, {});
  map.SetPoints(std::move(points));
  const QPointF dot = view.ToPixel(150000, 170000);
  Caption(map, QPoint(qRound(dot.x()), qRound(dot.y())) + offset);
  const QString lastLine = ReadOutLabel(map).section(u'\n', -1);
  if (named.isEmpty()) {
    QVERIFY2(lastLine.startsWith(QStringLiteral("IFBL")), qPrintable(lastLine));
  } else {
    QCOMPARE(lastLine, named);
  }
}

void TestFrmMap::wheelZoomsAboutThePointer() {
  frmMap map;
  Show(map);
  Resize(map, kArea);
  const QPoint pixel(60, 50);
  const QString before = Caption(map, pixel);
  const double scale = map.Picture()->Viewport().PixelsPerMetre();
  Wheel(map.Picture(), At(map, pixel), 3);
  QCOMPARE(map.Picture()->Viewport().PixelsPerMetre(), scale * std::pow(1.25, 3));
  // The point under the pointer stays under it.
  QCOMPARE(Caption(map, pixel), before);
  QVERIFY(Caption(map, QPoint(0, 0)) != QStringLiteral("X=17570 Y=249475"));
  // No farther than the whole map, no closer than the limit.
  Wheel(map.Picture(), At(map, pixel), -20);
  QCOMPARE(map.Picture()->Viewport().Zoom(), 1.0);
  Wheel(map.Picture(), At(map, pixel), 40);
  QCOMPARE(map.Picture()->Viewport().Zoom(), koord::map::kMaxZoom);
}

void TestFrmMap::dragPansWithoutCopying() {
  frmMap map;
  Show(map);
  Resize(map, kArea);
  Wheel(map.Picture(), At(map, kMiddle), 4);
  const QString grabbed = Caption(map, QPoint(100, 100));
  QGuiApplication::clipboard()->setText(QStringLiteral("rien"));
  QTest::mousePress(map.Picture(), Qt::LeftButton, Qt::NoModifier, At(map, QPoint(100, 100)));
  for (int step = 1; step <= 4; ++step) {
    QMouseEvent move(QEvent::MouseMove, At(map, QPoint(100 + 10 * step, 100 + 5 * step)),
                     map.Picture()->mapToGlobal(At(map, QPoint(100 + 10 * step, 100 + 5 * step))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(map.Picture(), &move);
  }
  QTest::mouseRelease(map.Picture(), Qt::LeftButton, Qt::NoModifier, At(map, QPoint(140, 120)));
  // The point grabbed followed the pointer; a drag is no click.
  QCOMPARE(Caption(map, QPoint(140, 120)), grabbed);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("rien"));
}

void TestFrmMap::keysZoomPanAndReset_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<double>("zoom");
  QTest::addColumn<bool>("moved");
  QTest::newRow("+ zooms in") << int(Qt::Key_Plus) << 1.25 << false;
  QTest::newRow("- zooms out to the whole map") << int(Qt::Key_Minus) << 1.0 << false;
  QTest::newRow("an arrow pans") << int(Qt::Key_Right) << 1.0 << true;
  QTest::newRow("Origine shows the whole map") << int(Qt::Key_Home) << 1.0 << false;
}

void TestFrmMap::keysZoomPanAndReset() {
  QFETCH(int, key);
  QFETCH(double, zoom);
  QFETCH(bool, moved);
  frmMap map;
  Show(map);
  Resize(map, kArea);
  if (key == Qt::Key_Home) {
    Wheel(map.Picture(), At(map, QPoint(10, 10)), 5);
    QTest::keyClick(map.Picture(), Qt::Key_Left);
  }
  const QString middle = QStringLiteral("X=157935 Y=133815");
  QTest::keyClick(map.Picture(), Qt::Key(key));
  QCOMPARE(map.Picture()->Viewport().Zoom(), zoom);
  QCOMPARE(Caption(map, kMiddle) != middle, moved);
  // The button does what Origine does.
  Wheel(map.Picture(), At(map, QPoint(10, 10)), 5);
  map.findChild<QToolButton*>(QStringLiteral("cmdWholeMap"))->click();
  QCOMPARE(map.Picture()->Viewport().Zoom(), 1.0);
  QCOMPARE(Caption(map, kMiddle), middle);
}

void TestFrmMap::proportionsKept_data() {
  QTest::addColumn<QSize>("area");
  QTest::newRow("window's proportions") << kArea;
  QTest::newRow("wide") << QSize(900, 206);
  QTest::newRow("tall") << QSize(320, 600);
}

// A hundred pixels across and a hundred down span the same distance,
// whatever the shape of the window.
void TestFrmMap::proportionsKept() {
  QFETCH(QSize, area);
  frmMap map;
  Show(map);
  Resize(map, area);
  const koord::map::MapViewport& view = map.Picture()->Viewport();
  const QPointF origin = view.ToLambert(QPointF(20, 20));
  const QPointF across = view.ToLambert(QPointF(120, 20));
  const QPointF down = view.ToLambert(QPointF(20, 120));
  QCOMPARE(across.x() - origin.x(), origin.y() - down.y());
  // The whole extent stays in view.
  const QRectF shown = view.VisibleExtent();
  QVERIFY(shown.left() <= koord::map::kLeft + 1);
  QVERIFY(shown.bottom() >= koord::map::kTop - 1);
  QVERIFY(shown.right() >= koord::map::kLeft + koord::map::kWidth - 1);
  QVERIFY(shown.top() <= koord::map::kTop - koord::map::kHeight + 1);
}

void TestFrmMap::ifblGridOnRequestAndRemembered() {
  // The boundary between E3 and E4, at X = 130012 m, through Hainaut.
  const QPointF boundary(130012, 150000);
  QRgb off = 0;
  {
    frmMap map;
    Show(map);
    Resize(map, QSize(500, 412));
    const QPointF pixel = map.Picture()->Viewport().ToPixel(boundary.x(), boundary.y());
    const QPoint at(qRound(pixel.x()), qRound(pixel.y()));
    off = map.Picture()->grab(map.Picture()->DrawingArea()).toImage().pixel(at);
    auto* grid = map.findChild<QToolButton*>(QStringLiteral("chkIfblGrid"));
    QVERIFY(!grid->isChecked());
    grid->click();
    QVERIFY(map.Picture()->IfblGrid());
    const QRgb on = map.Picture()->grab(map.Picture()->DrawingArea()).toImage().pixel(at);
    // Green land without the grid, the grid's blue line with it.
    QVERIFY(qGreen(off) > qBlue(off));
    QVERIFY2(qBlue(on) > qGreen(on), qPrintable(QColor(on).name()));
    map.close();
  }
  frmMap reopened;
  QVERIFY(reopened.Picture()->IfblGrid());
}

// Close in, the grid draws the 1 x 1 km squares too: 1 km east of the
// E3/E4 boundary (X = 131012, no 4 x 4 km line) a line crosses the land,
// darker than the land beside it, which it does not with the grid off.
void TestFrmMap::kilometreLinesAtCloseZoom() {
  frmMap map;
  Show(map);
  Resize(map, kArea);
  const QPointF line(131012, 150500);
  const QPointF atLine = map.Picture()->Viewport().ToPixel(line.x(), line.y());
  // Zoomed in about the line's place, which stays under the pointer.
  Wheel(map.Picture(), At(map, atLine.toPoint()), 40);
  const QPointF pixel = map.Picture()->Viewport().ToPixel(line.x(), line.y());
  const QPoint onLine(static_cast<int>(std::floor(pixel.x())), qRound(pixel.y()));
  auto* grid = map.findChild<QToolButton*>(QStringLiteral("chkIfblGrid"));
  // Half a kilometre east, between two lines, the land is left as it is.
  const QPoint between =
      onLine + QPoint(qRound(500 * map.Picture()->Viewport().PixelsPerMetre()), 0);
  const auto colourAt = [&](QPoint at) {
    return map.Picture()->grab(map.Picture()->DrawingArea()).toImage().pixel(at);
  };
  if (grid->isChecked()) grid->click();
  const QRgb off = colourAt(onLine);
  const QRgb offBetween = colourAt(between);
  grid->click();
  const QRgb on = colourAt(onLine);
  QVERIFY2(qGreen(off) - qGreen(on) >= 6,
           qPrintable(QColor(off).name() + u' ' + QColor(on).name()));
  QCOMPARE(colourAt(between), offBetween);
}

void TestFrmMap::savesPngAndSvg_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("PNG") << "carte.png";
  QTest::newRow("SVG") << "carte.svg";
}

void TestFrmMap::savesPngAndSvg() {
  QFETCH(QString, name);
  frmMap map;
  map.AddPoint(150000, 170000);
  Show(map);
  Resize(map, kArea);
  const QString path = dir_.filePath(name);
  QVERIFY(map.SaveImage(path));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  if (name.endsWith(QStringLiteral(".svg"))) {
    QVERIFY(bytes.contains("<svg"));
    QVERIFY(bytes.contains("<circle") || bytes.contains("<path"));
    return;
  }
  const QImage image = QImage::fromData(bytes, "PNG");
  // Drawn large enough to print: the window's view, 2.4 times as many
  // pixels; Bruxelles at (235.87, 141.55) of the window's view.
  QCOMPARE(image.width(), 1200);
  QCOMPARE(image.height(), 989);
  QVERIFY(IsRed(image.pixel(QPoint(566, 340))));
}

void TestFrmMap::dots_data() {
  QTest::addColumn<QPointF>("point");
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<bool>("red");
  // 150000, 170000: column 235.87, row 141.55 of the 500 x 412 area.
  QTest::newRow("dot at its place") << QPointF(150000, 170000) << QPoint(236, 141) << true;
  // Radius 7 pixels at this size: 12 pixels away is outside the dot.
  QTest::newRow("nothing beside it") << QPointF(150000, 170000) << QPoint(248, 141) << false;
  QTest::newRow("centred on the top-left corner") << QPointF(17570, 249430) << QPoint(0, 0) << true;
  // X = 320000 lies beyond the right edge (298300): no red on the edge.
  QTest::newRow("outside the map") << QPointF(320000, 170000) << QPoint(499, 141) << false;
}

void TestFrmMap::dots() {
  QFETCH(QPointF, point);
  QFETCH(QPoint, pixel);
  QFETCH(bool, red);
  frmMap map;
  map.AddPoint(point.x(), point.y());
  Show(map);
  Resize(map, kArea);
  const QImage image = map.Picture()->grab(map.Picture()->DrawingArea()).toImage();
  QCOMPARE(IsRed(image.pixel(pixel)), red);
}

void TestFrmMap::geometryRemembered() {
  {
    frmMap map;
    Show(map);
    Resize(map, QSize(400, 330));
    map.close();
  }
  frmMap reopened;
  Show(reopened);
  QCOMPARE(reopened.Picture()->DrawingArea().size(), QSize(400, 330));
}

void TestFrmMap::everyButtonHasAKey() {
  frmMap map;
  const QList<QAbstractButton*> buttons = map.findChildren<QAbstractButton*>();
  QCOMPARE(buttons.size(), 3);
  for (const QAbstractButton* button : buttons) {
    QVERIFY2(!QKeySequence::mnemonic(button->text()).isEmpty(), qPrintable(button->text()));
  }
  QVERIFY(map.findChild<QToolButton*>(QStringLiteral("cmdSaveImage"))
              ->toolTip()
              .contains(QStringLiteral("(Ctrl+S)")));
}

QTEST_MAIN(TestFrmMap)
#include "tst_frmmap.moc"
