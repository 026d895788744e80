#include "ui/Settings.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "engine/Kind.h"

namespace koord::ui {
namespace {

// The version of the store: 2 since the separator and the columns are
// found per text; none before.
const QString kVersionKey = QStringLiteral("settings/version");
constexpr int kVersion = 2;
const QString kSeparatorKey = QStringLiteral("input/separator");
const QString kFirstColumnKey = QStringLiteral("input/firstColumn");
const QString kKeepLineKey = QStringLiteral("input/keepLine");
const QString kNearBelgiumKey = QStringLiteral("input/nearBelgium");
const QString kFromKey = QStringLiteral("choices/from");
const QString kDestKey = QStringLiteral("choices/to");
const QString kMoreOutputsKey = QStringLiteral("choices/moreOutputs");
const QString kSeveralOutputsKey = QStringLiteral("choices/severalOutputs");
const QString kDatumFromByKindKey = QStringLiteral("choices/datumFromByKind");
const QString kDatumFromKey = QStringLiteral("choices/datumFrom");
const QString kDatumDestKey = QStringLiteral("choices/datumTo");
const QString kMgrsPrecisionKey = QStringLiteral("choices/mgrsPrecision");
const QString kIfblPrecisionKey = QStringLiteral("choices/ifblPrecision");
const QString kDecimalsKey = QStringLiteral("choices/degreeDecimals");
const QString kUtmZoneKey = QStringLiteral("choices/utmZone");
const QString kMetreDecimalsKey = QStringLiteral("choices/metreDecimals");
const QString kReplaceKey = QStringLiteral("output/replaceResult");
const QString kSquaresKey = QStringLiteral("output/squares");
const QString kIfblDotsKey = QStringLiteral("output/ifblDots");
const QString kPreciseKey = QStringLiteral("output/preciseTransformation");
const QString kMgrsShortKey = QStringLiteral("output/mgrsShort");
const QString kShowKindKey = QStringLiteral("output/showKind");
const QString kMainGeometryKey = QStringLiteral("window/geometry");
const QString kMapGeometryKey = QStringLiteral("map/geometry");
const QString kMapGridKey = QStringLiteral("map/ifblGrid");
const QString kLanguageKey = QStringLiteral("window/language");
const QString kDecimalMarkKey = QStringLiteral("output/decimalMark");
const QString kLastFolderKey = QStringLiteral("files/lastFolder");

// The input kind word of a run that finds each line's kind, as koord-cli's
// -f names it.
const QString kDetectWord = QStringLiteral("auto");

QSettings Store() {
  return QSettings(QStringLiteral("Koord"), QStringLiteral("koord"));
}

QString Text(std::string_view name) {
  return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// Values are stored by their names in the tables (koord-cli's names, the
// datum codes), which stay when entries are added.
template <typename Entry, std::size_t N, typename Name>
void Read(const QSettings& store, const QString& key, const std::array<Entry, N>& table, Name name,
          decltype(Entry::value)& value) {
  const QString stored = store.value(key).toString();
  for (const Entry& entry : table) {
    if (stored == Text(name(entry))) value = entry.value;
  }
}

template <typename Entry, std::size_t N, typename Name>
void Write(QSettings& store, const QString& key, const std::array<Entry, N>& table, Name name,
           decltype(Entry::value) value) {
  store.setValue(key, Text(name(EntryOf(table, value))));
}

constexpr auto kCliName = [](const auto& entry) { return entry.cliName; };
constexpr auto kCode = [](const DatumEntry& entry) { return entry.code; };

std::optional<CoordKind> KindOfWord(const QString& word) {
  const QByteArray latin = word.trimmed().toLatin1();
  return KindNamed(std::string_view(latin.constData(), std::size_t(latin.size())));
}

void ReadKind(const QSettings& store, const QString& key, CoordKind& kind) {
  kind = KindOfWord(store.value(key).toString()).value_or(kind);
}

// A list of output kinds by their words ("deg,mgrs"): each kind once, in
// order, those not known left out.
std::vector<CoordKind> ReadKinds(const QSettings& store, const QString& key) {
  std::vector<CoordKind> kinds;
  for (const QString& word : store.value(key).toString().split(u',', Qt::SkipEmptyParts)) {
    const std::optional<CoordKind> kind = KindOfWord(word);
    if (kind && std::find(kinds.begin(), kinds.end(), *kind) == kinds.end() &&
        kinds.size() < kKindCount) {
      kinds.push_back(*kind);
    }
  }
  return kinds;
}

QString Words(const std::vector<CoordKind>& kinds) {
  QStringList words;
  for (const CoordKind kind : kinds) words << Text(Describe(kind).cliName);
  return words.join(u',');
}

// A whole number within [low, high] stored at `key`, if there is one.
void ReadNumber(const QSettings& store, const QString& key, int low, int high, int& value) {
  bool number = false;
  const int stored = store.value(key).toInt(&number);
  if (number && stored >= low && stored <= high) value = stored;
}

const QString& GeometryKey(Window window) {
  return window == Window::Main ? kMainGeometryKey : kMapGeometryKey;
}

}  // namespace

BatchChoices LoadChoices() {
  const QSettings store = Store();
  BatchChoices choices;
  if (store.value(kFromKey).toString() == kDetectWord) {
    // Each line's kind found; the kinds with a datum list read degrees'.
    choices.detectKind = true;
    choices.coorFrom = CoordKind::Degrees;
  } else {
    ReadKind(store, kFromKey, choices.coorFrom);
  }
  if (!Describe(choices.coorFrom).input) choices.coorFrom = BatchChoices().coorFrom;
  ReadKind(store, kDestKey, choices.coorDest);
  for (const CoordKind kind : ReadKinds(store, kMoreOutputsKey)) {
    if (kind != choices.coorDest) choices.moreOutputs.push_back(kind);
  }
  Read(store, kDatumFromKey, kDatumTable, kCode, choices.datumFrom);
  Read(store, kDatumDestKey, kDatumTable, kCode, choices.datumDest);
  Read(store, kMgrsPrecisionKey, kMgrsPrecisionTable, kCliName, choices.mgrsPrecision);
  Read(store, kIfblPrecisionKey, kIfblPrecisionTable, kCliName, choices.ifblPrecision);
  ReadNumber(store, kDecimalsKey, kMinDegreeDecimals, kMaxDegreeDecimals, choices.degreeDecimals);
  int zone = choices.utmZone;
  ReadNumber(store, kUtmZoneKey, 0, kLastUtmZone, zone);
  choices.utmZone = static_cast<std::int16_t>(zone);
  ReadNumber(store, kMetreDecimalsKey, 0, kMaxMetreDecimals, choices.metreDecimals);
  if (store.value(kVersionKey).toInt() >= kVersion) {
    Read(store, kSeparatorKey, kSeparatorTable, kCliName, choices.separator);
    int column = static_cast<int>(choices.firstColumn);
    ReadNumber(store, kFirstColumnKey, 0, kMaxFirstColumn, column);
    choices.firstColumn = static_cast<std::size_t>(column);
  }
  choices.keepLine = store.value(kKeepLineKey, false).toBool();
  choices.nearBelgium = store.value(kNearBelgiumKey, false).toBool();
  choices.ifblDots = store.value(kIfblDotsKey, false).toBool();
  choices.mgrsShort = store.value(kMgrsShortKey, false).toBool();
  choices.showKind = store.value(kShowKindKey, false).toBool();
  choices.preciseTransformation = store.value(kPreciseKey, false).toBool();
  return choices;
}

void SaveChoices(const BatchChoices& choices) {
  QSettings store = Store();
  store.setValue(kVersionKey, kVersion);
  store.setValue(kFromKey,
                 choices.detectKind ? kDetectWord : Text(Describe(choices.coorFrom).cliName));
  store.setValue(kDestKey, Text(Describe(choices.coorDest).cliName));
  store.setValue(kMoreOutputsKey, Words(choices.moreOutputs));
  Write(store, kDatumFromKey, kDatumTable, kCode, choices.datumFrom);
  Write(store, kDatumDestKey, kDatumTable, kCode, choices.datumDest);
  Write(store, kMgrsPrecisionKey, kMgrsPrecisionTable, kCliName, choices.mgrsPrecision);
  Write(store, kIfblPrecisionKey, kIfblPrecisionTable, kCliName, choices.ifblPrecision);
  store.setValue(kDecimalsKey, choices.degreeDecimals);
  store.setValue(kUtmZoneKey, static_cast<int>(choices.utmZone));
  store.setValue(kMetreDecimalsKey, choices.metreDecimals);
  Write(store, kSeparatorKey, kSeparatorTable, kCliName, choices.separator);
  store.setValue(kFirstColumnKey, static_cast<int>(choices.firstColumn));
  store.setValue(kKeepLineKey, choices.keepLine);
  store.setValue(kNearBelgiumKey, choices.nearBelgium);
  store.setValue(kIfblDotsKey, choices.ifblDots);
  store.setValue(kMgrsShortKey, choices.mgrsShort);
  store.setValue(kShowKindKey, choices.showKind);
  store.setValue(kPreciseKey, choices.preciseTransformation);
}

bool LoadInputDatumByKind() {
  return Store().value(kDatumFromByKindKey, true).toBool();
}

void SaveInputDatumByKind(bool byKind) {
  Store().setValue(kDatumFromByKindKey, byKind);
}

std::vector<CoordKind> LoadSeveralOutputs() {
  return ReadKinds(Store(), kSeveralOutputsKey);
}

void SaveSeveralOutputs(const std::vector<CoordKind>& kinds) {
  Store().setValue(kSeveralOutputsKey, Words(kinds));
}

bool LoadReplaceResult() {
  return Store().value(kReplaceKey, true).toBool();
}

void SaveReplaceResult(bool replace) {
  Store().setValue(kReplaceKey, replace);
}

bool LoadSquares() {
  return Store().value(kSquaresKey, false).toBool();
}

void SaveSquares(bool squares) {
  Store().setValue(kSquaresKey, squares);
}

std::optional<char> LoadDecimalMark() {
  const QString mark = Store().value(kDecimalMarkKey).toString();
  if (mark == QStringLiteral(",")) return ',';
  if (mark == QStringLiteral(".")) return '.';
  return std::nullopt;
}

void SaveDecimalMark(char mark) {
  Store().setValue(kDecimalMarkKey, QString(QLatin1Char(mark)));
}

QString LoadLastFolder() {
  return Store().value(kLastFolderKey).toString();
}

void SaveLastFolder(const QString& folder) {
  Store().setValue(kLastFolderKey, folder);
}

QByteArray LoadGeometry(Window window) {
  return Store().value(GeometryKey(window)).toByteArray();
}

void SaveGeometry(Window window, const QByteArray& geometry) {
  Store().setValue(GeometryKey(window), geometry);
}

Language LoadLanguage() {
  const QSettings store = Store();
  const QByteArray code = store.value(kLanguageKey).toString().toLatin1();
  return LanguageOfCode(std::string_view(code.constData(), std::size_t(code.size())))
      .value_or(Language::French);
}

void SaveLanguage(Language language) {
  Store().setValue(kLanguageKey, Text(CodeOf(language)));
}

bool LoadMapGrid() {
  return Store().value(kMapGridKey, false).toBool();
}

void SaveMapGrid(bool shown) {
  Store().setValue(kMapGridKey, shown);
}

}  // namespace koord::ui
