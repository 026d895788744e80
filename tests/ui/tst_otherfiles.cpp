// The main window with the files of other programs: each readable format
// opened into the input box with its system as the input's, the question
// when the user chose another, a system not known, features without a
// point; the result saved in each writable format and read back with its
// fields, result columns, reasons and system; squares as polygons; the map
// of an opened GPX file.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <gdal_priv.h>
#include <memory>
#include <ogrsf_frmts.h>
#include <optional>
#include <string>
#include <vector>

#include "files/FileReader.h"
#include "files/FileWriter.h"
#include "ui/Form1.h"
#include "ui/MapView.h"
#include "ui/ResultView.h"
#include "ui/frmMap.h"

using koord::files::FileFormat;
using koord::ui::Form1;

Q_DECLARE_METATYPE(FileFormat)

namespace {

// Two trees near Brussels, in each system the fixtures use.
struct Fixture {
  int epsg;
  std::vector<koord::files::Point> points;
};
const std::vector<Fixture> kPoints{
    {31370, {{150000, 170000}, {151000, 171000}}},  {3812, {{650000, 670000}, {651000, 671000}}},
    {4326, {{4.35, 50.85}, {4.36, 50.86}}},         {4258, {{4.35, 50.85}, {4.36, 50.86}}},
    {2154, {{650000, 6860000}, {651000, 6861000}}},
};

std::string Local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QStringList Lines(const QString& text) {
  QStringList lines = text.split(u'\n');
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

// Reads a whole file back: its field names, records and system.
struct ReadBack {
  std::vector<std::string> names;
  std::vector<koord::files::Record> records;
  std::optional<int> epsg;
};
ReadBack ReadAll(const QString& path) {
  koord::files::FileReader reader(Local(path));
  ReadBack back{reader.FieldNames(), {}, {}};
  if (reader.System()) back.epsg = reader.System()->epsg;
  koord::files::Record record;
  while (reader.Next(record)) back.records.push_back(record);
  return back;
}

int Column(const ReadBack& back, const std::string& name) {
  for (std::size_t i = 0; i < back.names.size(); ++i) {
    if (back.names[i] == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

class TestOtherFiles : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  // First: no other test has started GDAL yet.
  void gdalWaitsForTheFirstFile();
  void openEachFormat_data();
  void openEachFormat();
  void otherSystemAnsweredNoKeepsTheText();
  void unknownSystemIsRefused();
  void featuresWithoutPointAreKept();
  void severalParts_data();
  void severalParts();
  void layerWithoutSystem_data();
  void layerWithoutSystem();
  void saveEachFormat_data();
  void saveEachFormat();
  void squaresAsPolygons();
  void failedSaveSaysWhy();
  void windowLivesWhileFilesAreReadAndWritten();
  void mapOfAnOpenedGpx();

 private:
  template <typename T>
  T* Find(const char* name) const {
    auto* found = window_->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
  }
  QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
  QPlainTextEdit* Input() const { return Find<QPlainTextEdit>("txtFrom"); }
  QString Status() const { return Find<QLabel>("lblStatus")->text(); }
  void NewWindow();
  // A file of two trees with a name, a species and an empty cell, in
  // `format` and the system `epsg` (none for a workbook, whose rows hold
  // the Lambert 1972 coordinates).
  QString MakeFile(const QString& name, FileFormat format, int epsg);
  QString WriteText(const QString& name, const QByteArray& bytes);

  std::unique_ptr<Form1> window_;
  QTemporaryDir dir_;
  QStringList questions_;
  QStringList warnings_;
  bool answer_ = true;
  // The part the choice of a sheet or layer answers; empty cancels.
  QString part_;
  QStringList offered_;
};

void TestOtherFiles::initTestCase() {
  QVERIFY(dir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void TestOtherFiles::init() {
  QSettings(QStringLiteral("Koord"), QStringLiteral("koord")).clear();
  questions_.clear();
  warnings_.clear();
  answer_ = true;
  part_.clear();
  offered_.clear();
  NewWindow();
}

void TestOtherFiles::cleanup() {
  window_.reset();
}

void TestOtherFiles::NewWindow() {
  window_ = std::make_unique<Form1>();
  Form1::Dialogs dialogs;
  dialogs.askContinue = [](const QString&) { return true; };
  dialogs.warn = [this](const QString& message) { warnings_ << message; };
  dialogs.ask = [this](const QString& question) {
    questions_ << question;
    return answer_;
  };
  dialogs.choosePart = [this](const QString&, const QStringList& parts) {
    offered_ = parts;
    return part_;
  };
  window_->SetDialogs(dialogs);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

QString TestOtherFiles::WriteText(const QString& name, const QByteArray& bytes) {
  const QString path = dir_.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

QString TestOtherFiles::MakeFile(const QString& name, FileFormat format, int epsg) {
  using koord::files::Column;
  using koord::files::ColumnType;
  const QString path = dir_.filePath(name);
  const bool geometry = koord::files::Traits(format).geometry;
  koord::files::WriteLayout layout;
  if (format == FileFormat::Gpx) {
    layout.columns = {{"name"}, {"Espece"}};
  } else if (geometry) {
    layout.columns = {{"Id"}, {"Espece"}, {"Note"}};
  } else {
    layout.columns = {{"Id"}, {"Espece"}, {"X", ColumnType::Real}, {"Y", ColumnType::Real}};
  }
  // A shapefile without a system: one in Lambert 1972, its .prj removed.
  if (geometry) layout.epsg = epsg != 0 ? epsg : 31370;
  koord::files::FileWriter writer(Local(path), format, layout);
  const Fixture* fixture = nullptr;
  for (const Fixture& entry : kPoints) {
    if (entry.epsg == (geometry && epsg != 0 ? epsg : 31370)) fixture = &entry;
  }
  const char* species[] = {"Chêne", "Hêtre"};
  for (std::size_t i = 0; i < fixture->points.size(); ++i) {
    const koord::files::Point point = fixture->points[i];
    const std::string id = std::to_string(i + 1).insert(0, 1, 'P');
    std::vector<std::string> cells{id, species[i]};
    if (geometry && format != FileFormat::Gpx) cells.emplace_back();
    if (!geometry) {
      cells.push_back(std::to_string(static_cast<int>(point.x)));
      cells.push_back(std::to_string(static_cast<int>(point.y)));
    }
    const std::vector<koord::files::Point> shape{point};
    writer.Write(cells, geometry ? shape : std::vector<koord::files::Point>{});
  }
  writer.Commit();
  if (epsg == 0 && geometry) {
    QFile::remove(QString(path).replace(QStringLiteral(".shp"), QStringLiteral(".prj")));
  }
  return path;
}

// The window starts and converts text without GDAL, whose drivers it
// registers only when a file of another program is opened.
void TestOtherFiles::gdalWaitsForTheFirstFile() {
  QCOMPARE(GDALGetDriverCount(), 0);
  Input()->setPlainText(QStringLiteral("150000\t170000\n"));
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  const QString path =
      WriteText(QStringLiteral("un.gpx"),
                R"(<?xml version="1.0"?><gpx version="1.1" creator="test" )"
                R"(xmlns="http://www.topografix.com/GPX/1/1"><wpt lat="50.85" lon="4.35">)"
                R"(<name>A</name></wpt></gpx>)");
  QCOMPARE(GDALGetDriverCount(), 0);
  QVERIFY(window_->OpenFile(path));
  QVERIFY(GDALGetDriverCount() > 0);
  QCOMPARE(Lines(Input()->toPlainText()).value(1), QStringLiteral("50.85\t4.35\tA\t\t\t"));
}

void TestOtherFiles::openEachFormat_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<FileFormat>("format");
  QTest::addColumn<int>("epsg");
  QTest::addColumn<QString>("header");
  QTest::addColumn<QString>("firstLine");
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("datum");
  QTest::addColumn<int>("questions");
  // The window starts in Lambert 1972: other systems are asked about.
  QTest::newRow("xlsx") << "arbres.xlsx" << FileFormat::Xlsx << 0 << "Id\tEspece\tX\tY"
                        << "P1\tChêne\t150000\t170000"
                        << "Lambert belge 1972"
                        << "Lambert 1972" << 0;
  QTest::newRow("ods") << "arbres.ods" << FileFormat::Ods << 0 << "Id\tEspece\tX\tY"
                       << "P1\tChêne\t150000\t170000"
                       << "Lambert belge 1972"
                       << "Lambert 1972" << 0;
  QTest::newRow("gpkg lambert 72")
      << "arbres.gpkg" << FileFormat::GeoPackage << 31370 << "X\tY\tId\tEspece\tNote"
      << "150000\t170000\tP1\tChêne\t"
      << "Lambert belge 1972"
      << "Lambert 1972" << 0;
  QTest::newRow("shp lambert 2008")
      << "arbres.shp" << FileFormat::Shapefile << 3812 << "X\tY\tId\tEspece\tNote"
      << "650000\t670000\tP1\tChêne\t"
      << "Lambert belge 2008"
      << "ETRS89" << 1;
  QTest::newRow("geojson etrs89") << "arbres.geojson" << FileFormat::GeoJson << 4258
                                  << "Latitude\tLongitude\tId\tEspece\tNote"
                                  << "50.85\t4.35\tP1\tChêne\t"
                                  << "Degrés décimaux Greenwich"
                                  << "ETRS89" << 1;
  // KML's placemarks have a name and a description of their own.
  QTest::newRow("kml") << "arbres.kml" << FileFormat::Kml << 4326
                       << "Latitude\tLongitude\tname\tdescription\tId\tEspece\tNote"
                       << "50.85\t4.35\t\t\tP1\tChêne\t"
                       << "Degrés décimaux Greenwich"
                       << "WGS84" << 1;
  QTest::newRow("gpx") << "arbres.gpx" << FileFormat::Gpx << 4326
                       << "Latitude\tLongitude\tname\ttime\tele\tdesc\tEspece"
                       << "50.85\t4.35\tP1\t\t\t\tChêne"
                       << "Degrés décimaux Greenwich"
                       << "WGS84" << 1;
}

void TestOtherFiles::openEachFormat() {
  QFETCH(QString, name);
  QFETCH(FileFormat, format);
  QFETCH(int, epsg);
  QFETCH(QString, header);
  QFETCH(QString, firstLine);
  QFETCH(QString, kind);
  QFETCH(QString, datum);
  QFETCH(int, questions);
  const QString path = MakeFile(name, format, epsg);
  QVERIFY(window_->OpenFile(path));
  QVERIFY2(warnings_.isEmpty(), qPrintable(warnings_.join(u'\n')));
  QCOMPARE(questions_.size(), questions);
  const QStringList lines = Lines(Input()->toPlainText());
  QCOMPARE(lines.size(), 3);
  QCOMPARE(lines[0], header);
  QCOMPARE(lines[1], firstLine);
  QCOMPARE(List("cmbCoorFrom")->currentText(), kind);
  QCOMPARE(List("cmbDatumFrom")->currentText(), datum);
  // The text converts as a pasted block would: both points.
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  QVERIFY2(Status().startsWith(QStringLiteral("2 lignes converties, 0 refusée")),
           qPrintable(Status()));
}

void TestOtherFiles::otherSystemAnsweredNoKeepsTheText() {
  const QString path = MakeFile(QStringLiteral("ailleurs.gpkg"), FileFormat::GeoPackage, 4326);
  Input()->setPlainText(QStringLiteral("typed before"));
  answer_ = false;
  QVERIFY(!window_->OpenFile(path));
  QCOMPARE(questions_.size(), 1);
  QVERIFY2(questions_[0].contains(QStringLiteral("EPSG 4326")), qPrintable(questions_[0]));
  QCOMPARE(Input()->toPlainText(), QStringLiteral("typed before"));
  QCOMPARE(List("cmbCoorFrom")->currentText(), QStringLiteral("Lambert belge 1972"));
}

void TestOtherFiles::unknownSystemIsRefused() {
  const QString path = MakeFile(QStringLiteral("france.gpkg"), FileFormat::GeoPackage, 2154);
  Input()->setPlainText(QStringLiteral("typed before"));
  QVERIFY(!window_->OpenFile(path));
  QCOMPARE(warnings_.size(), 1);
  QVERIFY2(warnings_[0].contains(QStringLiteral("2154")), qPrintable(warnings_[0]));
  QVERIFY(warnings_[0].startsWith(QStringLiteral("impossible de lire")));
  QVERIFY(questions_.isEmpty());
  QCOMPARE(Input()->toPlainText(), QStringLiteral("typed before"));
}

// A line among the points: its line is kept, without coordinates, refused
// by the conversion, and the status line says why.
void TestOtherFiles::featuresWithoutPointAreKept() {
  const QString path = WriteText(QStringLiteral("mixte.geojson"),
                                 R"({"type":"FeatureCollection","features":[
{"type":"Feature","properties":{"Id":"P1"},"geometry":{"type":"Point","coordinates":[4.35,50.85]}},
{"type":"Feature","properties":{"Id":"L1"},"geometry":{"type":"LineString","coordinates":[[4.3,50.8],[4.4,50.9]]}},
{"type":"Feature","properties":{"Id":"P2"},"geometry":{"type":"Point","coordinates":[4.36,50.86]}}]})");
  QVERIFY(window_->OpenFile(path));
  const QStringList lines = Lines(Input()->toPlainText());
  QCOMPARE(lines, (QStringList{"Latitude\tLongitude\tId", "50.85\t4.35\tP1", "\t\tL1",
                               "50.86\t4.36\tP2"}));
  QVERIFY2(Status().contains(QStringLiteral("LineString")), qPrintable(Status()));
  QVERIFY2(Status().contains(QStringLiteral("1 objet sans point")), qPrintable(Status()));
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  QVERIFY2(Status().startsWith(QStringLiteral("2 lignes converties, 1 refusée")),
           qPrintable(Status()));
}

// A workbook of two sheets, a GeoPackage of two layers, made by GDAL
// itself: the window asks which, reads the one chosen, and opens nothing
// when the choice is cancelled.
void TestOtherFiles::severalParts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("driver");
  QTest::addColumn<QString>("part");
  QTest::addColumn<QString>("line");  // the part's first record
  QTest::newRow("xlsx, second sheet") << "deux.xlsx"
                                      << "XLSX"
                                      << "Mares"
                                      << "Mares\t2";
  QTest::newRow("gpkg, second layer") << "deux.gpkg"
                                      << "GPKG"
                                      << "Mares"
                                      << "150000\t170000\tMares\t2";
  QTest::newRow("gpkg, cancelled") << "rien.gpkg"
                                   << "GPKG" << QString() << QString();
}

void TestOtherFiles::severalParts() {
  QFETCH(QString, name);
  QFETCH(QString, driver);
  QFETCH(QString, part);
  QFETCH(QString, line);
  const QString path = dir_.filePath(name);
  {
    GDALAllRegister();
    GDALDriver* maker = GetGDALDriverManager()->GetDriverByName(driver.toLatin1().constData());
    QVERIFY(maker);
    GDALDataset* dataset = maker->Create(Local(path).c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    QVERIFY(dataset);
    const bool points = driver == QStringLiteral("GPKG");
    OGRSpatialReference srs;
    srs.importFromEPSG(31370);
    for (const char* layerName : {"Arbres", "Mares"}) {
      OGRLayer* layer =
          dataset->CreateLayer(layerName, points ? &srs : nullptr, points ? wkbPoint : wkbNone);
      OGRFieldDefn what("Quoi", OFTString);
      OGRFieldDefn count("Nombre", OFTInteger);
      layer->CreateField(&what);
      layer->CreateField(&count);
      OGRFeature feature(layer->GetLayerDefn());
      feature.SetField("Quoi", layerName);
      feature.SetField("Nombre", 2);
      if (points) feature.SetGeometry(std::make_unique<OGRPoint>(150000, 170000).get());
      QCOMPARE(layer->CreateFeature(&feature), OGRERR_NONE);
    }
    GDALClose(dataset);
  }
  part_ = part;
  Input()->setPlainText(QStringLiteral("typed before"));
  QCOMPARE(window_->OpenFile(path), !part.isEmpty());
  QCOMPARE(offered_, (QStringList{"Arbres", "Mares"}));
  if (part.isEmpty()) {
    QCOMPARE(Input()->toPlainText(), QStringLiteral("typed before"));
    QVERIFY(warnings_.isEmpty());
  } else {
    QCOMPARE(Lines(Input()->toPlainText()).value(1), line);
    // Saved, the part read keeps its name.
    Find<QAbstractButton>("Command1")->click();
    QTRY_VERIFY(!window_->Running());
    const QString saved = dir_.filePath(QStringLiteral("copie.gpkg"));
    QVERIFY(window_->SaveResult(saved));
    QCOMPARE(koord::files::PartsOf(Local(saved), FileFormat::GeoPackage),
             std::vector<std::string>{part.toStdString()});
  }
}

// Read in the input kind when its numbers say all of a point; otherwise
// the window says what to choose, and keeps its text.
void TestOtherFiles::layerWithoutSystem_data() {
  QTest::addColumn<int>("kind");  // in the input list
  QTest::addColumn<bool>("opened");
  QTest::newRow("Lambert 1972") << 0 << true;
  QTest::newRow("Lambert 2008") << 4 << true;
  QTest::newRow("MGRS") << 1 << false;
  QTest::newRow("UTM") << 5 << false;
}

void TestOtherFiles::layerWithoutSystem() {
  QFETCH(int, kind);
  QFETCH(bool, opened);
  const QString path = MakeFile(QStringLiteral("sans.shp"), FileFormat::Shapefile, 0);
  List("cmbCoorFrom")->setCurrentIndex(kind);
  const QString kindText = List("cmbCoorFrom")->currentText();
  Input()->setPlainText(QStringLiteral("typed before"));
  QCOMPARE(window_->OpenFile(path), opened);
  QVERIFY(questions_.isEmpty());
  QCOMPARE(List("cmbCoorFrom")->currentText(), kindText);
  if (opened) {
    QCOMPARE(Lines(Input()->toPlainText()).value(1), QStringLiteral("150000\t170000\tP1\tChêne\t"));
  } else {
    QCOMPARE(warnings_.size(), 1);
    QVERIFY2(warnings_[0].contains(QStringLiteral("« sans.shp » ne dit pas")),
             qPrintable(warnings_[0]));
    QCOMPARE(Input()->toPlainText(), QStringLiteral("typed before"));
  }
}

void TestOtherFiles::saveEachFormat_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<std::string>("refusal");  // its column, as the format names it
  QTest::addColumn<int>("epsg");             // 0: none
  QTest::addColumn<int>("records");          // GPX keeps no refused line
  QTest::newRow("xlsx") << "r.xlsx" << std::string("koord_refus") << 0 << 2;
  QTest::newRow("ods") << "r.ods" << std::string("koord_refus") << 0 << 2;
  QTest::newRow("gpkg") << "r.gpkg" << std::string("koord_refus") << 4326 << 2;
  QTest::newRow("geojson") << "r.geojson" << std::string("koord_refus") << 4326 << 2;
  QTest::newRow("kml") << "r.kml" << std::string("koord_refus") << 4326 << 2;
  QTest::newRow("gpx") << "r.gpx" << std::string("koord_refus") << 4326 << 1;
  QTest::newRow("shp") << "r.shp" << std::string("koord_refu") << 4326 << 2;
}

void TestOtherFiles::saveEachFormat() {
  QFETCH(QString, name);
  QFETCH(std::string, refusal);
  QFETCH(int, epsg);
  QFETCH(int, records);
  // Lambert 1972 to degrees on WGS84: the output list's fourth kind.
  List("cmbCoorDest")->setCurrentIndex(3);
  Input()->setPlainText(QStringLiteral("Id\tX\tY\nP1\t150000\t170000\nP2\tabc\t170000\n"));
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  const QString path = dir_.filePath(name);
  QVERIFY(window_->SaveResult(path));
  QVERIFY2(warnings_.isEmpty(), qPrintable(warnings_.join(u'\n')));
  QVERIFY2(Status().startsWith(QStringLiteral("Résultat enregistré dans ") + name),
           qPrintable(Status()));
  const ReadBack back = ReadAll(path);
  if (epsg != 0) {
    QCOMPARE(back.epsg, std::optional<int>(epsg));
  }
  QCOMPARE(static_cast<int>(back.records.size()), records);
  const int id = Column(back, "Id");
  const int latitude = Column(back, "Latitude");
  const int why = Column(back, refusal);
  QVERIFY(id >= 0 && latitude >= 0);
  // GPX writes no empty cell: its refusal column, empty on every point it
  // keeps, does not come back.
  QVERIFY(why >= 0 || records == 1);
  const auto cell = [&](std::size_t record, int column) {
    return QString::fromStdString(back.records[record].cells[static_cast<std::size_t>(column)]);
  };
  QCOMPARE(cell(0, id), QStringLiteral("P1"));
  QVERIFY2(cell(0, latitude).startsWith(QStringLiteral("50")), qPrintable(cell(0, latitude)));
  if (why >= 0) QVERIFY(cell(0, why).isEmpty());
  if (epsg != 0) {
    QVERIFY(back.records[0].point.has_value());
    QCOMPARE(std::round(back.records[0].point->y * 10) / 10, 50.8);
  }
  if (records > 1) {
    QCOMPARE(cell(1, id), QStringLiteral("P2"));
    QVERIFY(cell(1, latitude).isEmpty());
    QVERIFY2(cell(1, why).contains(QStringLiteral("abc")), qPrintable(cell(1, why)));
  } else {
    QVERIFY2(Status().contains(QStringLiteral("1 ligne refusée absente")), qPrintable(Status()));
  }
}

// IFBL squares saved as polygons: a reader of points refuses each one as a
// polygon; without the option, each is its centre.
void TestOtherFiles::squaresAsPolygons() {
  List("cmbCoorDest")->setCurrentIndex(2);
  Input()->setPlainText(QStringLiteral("150000\t170000\n"));
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  const QString points = dir_.filePath(QStringLiteral("centres.gpkg"));
  QVERIFY(window_->SaveResult(points));
  QVERIFY(ReadAll(points).records.at(0).point.has_value());
  QAction* squares = Find<QAction>("actSquares");
  QVERIFY(squares->isEnabled());
  squares->trigger();
  const QString polygons = dir_.filePath(QStringLiteral("carres.gpkg"));
  QVERIFY(window_->SaveResult(polygons));
  const ReadBack back = ReadAll(polygons);
  QCOMPARE(back.records.at(0).geometryName, std::string("Polygon"));
  // Remembered for the next session.
  NewWindow();
  QVERIFY(Find<QAction>("actSquares")->isChecked());
}

// A folder that is not there: the message says which file and why, and
// nothing is left behind.
void TestOtherFiles::failedSaveSaysWhy() {
  Input()->setPlainText(QStringLiteral("150000\t170000\n"));
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  const QString path = dir_.filePath(QStringLiteral("absent/r.gpkg"));
  QVERIFY(!window_->SaveResult(path));
  QCOMPARE(warnings_.size(), 1);
  QVERIFY2(warnings_[0].contains(QStringLiteral("r.gpkg")), qPrintable(warnings_[0]));
  QVERIFY(!QFile::exists(path));
}

// Reading and writing a file (seconds for a million points) is done
// aside: the window's events go on meanwhile, so it is drawn, and each
// call returns with its work done.
void TestOtherFiles::windowLivesWhileFilesAreReadAndWritten() {
  Input()->setPlainText(QStringLiteral("Id\tX\tY\nP1\t150000\t170000\n"));
  Find<QAbstractButton>("Command1")->click();
  QTRY_VERIFY(!window_->Running());
  const QString path = dir_.filePath(QStringLiteral("vivant.gpkg"));
  bool eventsWentOn = false;
  QTimer::singleShot(0, window_.get(), [&eventsWentOn] { eventsWentOn = true; });
  QVERIFY(window_->SaveResult(path));
  QVERIFY(eventsWentOn);
  QVERIFY(warnings_.isEmpty());

  eventsWentOn = false;
  QTimer::singleShot(0, window_.get(), [&eventsWentOn] { eventsWentOn = true; });
  QVERIFY(window_->OpenFile(path));
  QVERIFY(eventsWentOn);
  QVERIFY2(Input()->toPlainText().contains(QStringLiteral("P1")),
           qPrintable(Input()->toPlainText()));
}

void TestOtherFiles::mapOfAnOpenedGpx() {
  const QString path = MakeFile(QStringLiteral("trace.gpx"), FileFormat::Gpx, 4326);
  QVERIFY(window_->OpenFile(path));
  Find<QAbstractButton>("Command3")->click();
  QTRY_VERIFY(!window_->Running());
  koord::ui::frmMap* map = window_->LoadedMap();
  QVERIFY(map && map->isVisible());
  const std::vector<QPointF> dots = map->Picture()->Dots();
  QCOMPARE(dots.size(), std::size_t{2});
  // Near Brussels, in Lambert 1972 metres.
  QVERIFY2(std::abs(dots[0].x() - 149000) < 2000 && std::abs(dots[0].y() - 170000) < 2000,
           qPrintable(QStringLiteral("%1 %2").arg(dots[0].x()).arg(dots[0].y())));
}

QTEST_MAIN(TestOtherFiles)
#include "tst_otherfiles.moc"
