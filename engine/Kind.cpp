#include "engine/Kind.h"

#include <algorithm>
#include <array>

#include "engine/BelgianSquares.h"
#include "engine/DegreeReader.h"
#include "engine/LineSplitter.h"
#include "engine/NumberReader.h"
#include "engine/OutputFormat.h"
#include "engine/UtmZoneText.h"
#include "support/Ascii.h"
#include "support/Checked.h"

namespace koord {
namespace {

// ---- Reading ----

// Fields cut at blanks, put back together.
std::string JoinedByBlanks(std::span<const std::string_view> fields) {
  std::string text;
  for (const std::string_view field : fields) {
    if (!text.empty()) text += ' ';
    text += field;
  }
  return text;
}

// A Lambert 1972 value below this is taken as kilometres.
constexpr double kKilometreLimit = 1000;
constexpr double kMetresPerKilometre = 1000;

// Lambert values under 1000 are kilometres; the test is strict and holds
// for negative values too.
double ApplyKilometreRule(double value) {
  return value < kKilometreLimit ? RequireFinite(value * kMetresPerKilometre) : value;
}

// A refusal that quotes one of the line's fields, when it is written.
FieldRefusal RefusalOf(Reason reason, std::string_view field) {
  return {reason, {}, field};
}

// A refusal that quotes a text made from the fields, quoted at once: the
// text does not outlive the reading.
FieldRefusal QuotingNow(Reason reason, std::string_view text, Language language) {
  return {reason, QuotedField(text, language)};
}

// A field the kind reads is missing or empty: its name says which.
FieldRefusal MissingField(CoordKind kind, std::size_t index, Language language) {
  return {Reason::MissingField, std::string(Describe(kind).fieldNames[index].In(language))};
}

FieldReading Refused(FieldRefusal refusal) {
  return {std::move(refusal), 0};
}

// Reads N numbers from the fields of `kind`, or says why not.
template <std::size_t N>
std::optional<FieldRefusal> ReadNumbers(CoordKind kind, std::span<const std::string_view> fields,
                                        std::array<double, N>& values, Language language,
                                        std::size_t from = 0) {
  for (std::size_t i = from; i < from + N; ++i) {
    if (i >= fields.size()) return MissingField(kind, i, language);
    const std::optional<Reason> why = ReadNumber(fields[i], values[i - from]);
    if (why == Reason::MissingField) return MissingField(kind, i, language);
    if (why) return RefusalOf(*why, fields[i]);
  }
  return std::nullopt;
}

bool UnitsMixed(const std::array<double, 2>& values) {
  return (values[0] < kKilometreLimit) != (values[1] < kKilometreLimit);
}

FieldReading ReadLambert(std::span<const std::string_view> fields, bool, TransCoo& point,
                         Language language) {
  point.SetOrigType(CoordKind::Lambert);
  std::array<double, 2> xy{};
  if (auto why = ReadNumbers(CoordKind::Lambert, fields, xy, language)) return Refused(*why);
  point.SetY(ApplyKilometreRule(xy[1]));
  point.SetX(ApplyKilometreRule(xy[0]));
  return {std::nullopt, 2, UnitsMixed(xy)};
}

FieldReading ReadLambert2008(std::span<const std::string_view> fields, bool, TransCoo& point,
                             Language language) {
  point.SetOrigType(CoordKind::Lambert2008);
  std::array<double, 2> xy{};
  if (auto why = ReadNumbers(CoordKind::Lambert2008, fields, xy, language)) return Refused(*why);
  // Kilometres as for Lambert 1972: no Lambert 2008 coordinate is below
  // 1000 m.
  point.SetX2008(ApplyKilometreRule(xy[0]));
  point.SetY2008(ApplyKilometreRule(xy[1]));
  return {std::nullopt, 2, UnitsMixed(xy)};
}

FieldReading ReadUtm(std::span<const std::string_view> fields, bool, TransCoo& point,
                     Language language) {
  point.SetOrigType(CoordKind::Utm);
  if (fields.empty() || IsBlank(fields[0]))
    return Refused(MissingField(CoordKind::Utm, 0, language));
  const std::optional<UtmZoneText> zone = ReadUtmZone(fields[0]);
  if (!zone) return Refused(RefusalOf(Reason::UnreadableZone, fields[0]));
  std::array<double, 2> en{};
  if (auto why = ReadNumbers(CoordKind::Utm, fields, en, language, 1)) return Refused(*why);
  point.SetZone(zone->zone);
  point.SetNorth(zone->north);
  point.SetBand(zone->band);
  point.SetEasting(en[0]);
  point.SetNorthing(en[1]);
  return {std::nullopt, 3};
}

bool IsLatitudeLetter(Hemisphere h) {
  return h == Hemisphere::North || h == Hemisphere::South;
}
bool IsLongitudeLetter(Hemisphere h) {
  return h == Hemisphere::East || h == Hemisphere::West;
}

// The angle with the sign of its letter.
double Signed(const DegreeReading& reading) {
  const bool negative =
      reading.hemisphere == Hemisphere::South || reading.hemisphere == Hemisphere::West;
  return negative ? -reading.value : reading.value;
}

// Why two letters cannot make a latitude and a longitude, if they cannot.
std::optional<Reason> LetterConflict(Hemisphere first, Hemisphere second) {
  if (IsLatitudeLetter(first) && IsLatitudeLetter(second)) return Reason::TwoLatitudes;
  if (IsLongitudeLetter(first) && IsLongitudeLetter(second)) return Reason::TwoLongitudes;
  if (IsLongitudeLetter(first) && second == Hemisphere::None) {
    return Reason::LongitudeLetterOnLatitude;
  }
  if (first == Hemisphere::None && IsLatitudeLetter(second)) {
    return Reason::LatitudeLetterOnLongitude;
  }
  return std::nullopt;
}

// Sets the point from two angles, the letters saying which is the
// latitude; `first` and `second` are the texts they were read from.
std::optional<FieldRefusal> SetAngles(const DegreeReading& a, const DegreeReading& b,
                                      std::string_view first, std::string_view second,
                                      TransCoo& point, Language language) {
  const Hemisphere h1 = a.hemisphere;
  const Hemisphere h2 = b.hemisphere;
  if (const std::optional<Reason> why = LetterConflict(h1, h2)) {
    const bool both = h1 != Hemisphere::None && h2 != Hemisphere::None;
    return FieldRefusal{*why,
                        both ? QuotedField(first, language) + std::string(FieldsJoint(language)) +
                                   QuotedField(second, language)
                             : QuotedField(h1 != Hemisphere::None ? first : second, language)};
  }
  // Letters on both angles say which is the latitude.
  const bool swapped = IsLongitudeLetter(h1);
  point.SetLatitude(Signed(swapped ? b : a));
  point.SetLongitude(Signed(swapped ? a : b));
  return std::nullopt;
}

// Both angles in one text, as map sites and GPS receivers copy them.
FieldReading ReadPairInOneField(std::string_view text, std::size_t consumed, TransCoo& point,
                                Language language) {
  DegreeReading a;
  DegreeReading b;
  if (const std::optional<Reason> why = ReadDegreePairField(text, a, b)) {
    return Refused(QuotingNow(*why, text, language));
  }
  if (auto why = SetAngles(a, b, text, text, point, language)) return Refused(*why);
  return {std::nullopt, consumed};
}

FieldReading ReadAngleFields(std::span<const std::string_view> fields, TransCoo& point,
                             Language language);

FieldReading ReadDegreePair(std::span<const std::string_view> fields, bool wholeRest,
                            TransCoo& point, Language language) {
  point.SetOrigType(CoordKind::Degrees);
  if (fields.empty() || IsBlank(fields[0])) {
    return Refused(MissingField(CoordKind::Degrees, 0, language));
  }
  // Fields cut at blanks may have cut the angles themselves, or kept the
  // comma between them ("50.846667, 4.352500").
  if (wholeRest && fields.size() > 2) {
    return ReadPairInOneField(JoinedByBlanks(fields), fields.size(), point, language);
  }
  FieldReading reading = ReadAngleFields(fields, point, language);
  if (reading.refusal && wholeRest && fields.size() == 2) {
    FieldReading joined = ReadPairInOneField(JoinedByBlanks(fields), 2, point, language);
    if (!joined.refusal) return joined;
  }
  return reading;
}

// Two angles in two fields, or both in the first.
FieldReading ReadAngleFields(std::span<const std::string_view> fields, TransCoo& point,
                             Language language) {
  DegreeReading a;
  const std::optional<Reason> first = ReadDegrees(fields[0], a);
  if (first || fields.size() < 2) {
    // A field that holds both angles.
    DegreeReading ignored;
    DegreeReading alsoIgnored;
    if (!ReadDegreePairField(fields[0], ignored, alsoIgnored)) {
      return ReadPairInOneField(fields[0], 1, point, language);
    }
    if (first) return Refused(RefusalOf(*first, fields[0]));
    return Refused(MissingField(CoordKind::Degrees, 1, language));
  }
  DegreeReading b;
  if (const std::optional<Reason> why = ReadDegrees(fields[1], b)) {
    return Refused(why == Reason::MissingField ? MissingField(CoordKind::Degrees, 1, language)
                                               : RefusalOf(*why, fields[1]));
  }
  if (auto why = SetAngles(a, b, fields[0], fields[1], point, language)) return Refused(*why);
  return {std::nullopt, 2};
}

// A kind written in one field: the field, or all of them joined when the
// fields were cut at blanks.
FieldReading ReadOneText(CoordKind kind, std::span<const std::string_view> fields, bool wholeRest,
                         Language language, std::string& text) {
  if (fields.empty() || IsBlank(fields[0])) return Refused(MissingField(kind, 0, language));
  text = ascii::ToUpper(wholeRest ? JoinedByBlanks(fields) : std::string(fields[0]));
  return {std::nullopt, wholeRest ? fields.size() : 1};
}

// A reference that starts with its square's letters, its grid zone left
// out as Belgian atlases do ("ES9534"): given back with the zone of that
// square of Belgium, or why not.
std::optional<FieldRefusal> CompleteZonelessReference(std::string& text, Language language) {
  std::string solid = text;
  std::erase(solid, ' ');
  const bool zoneless = solid.size() >= 2 && ascii::IsUpper(solid[0]) && ascii::IsUpper(solid[1]);
  if (!zoneless) return std::nullopt;
  const std::optional<std::string_view> zone = GridZoneOfBelgianSquare(solid.substr(0, 2));
  if (!zone) return QuotingNow(Reason::MgrsWithoutZone, text, language);
  text = std::string(*zone) + solid;
  return std::nullopt;
}

FieldReading ReadMgrs(std::span<const std::string_view> fields, bool wholeRest, TransCoo& point,
                      Language language) {
  point.SetOrigType(CoordKind::Mgrs);
  std::string text;
  FieldReading reading = ReadOneText(CoordKind::Mgrs, fields, wholeRest, language, text);
  if (reading.refusal) return reading;
  if (auto why = CompleteZonelessReference(text, language)) return Refused(*why);
  point.SetMGRS(text);
  return reading;
}

FieldReading ReadIfbl(std::span<const std::string_view> fields, bool wholeRest, TransCoo& point,
                      Language language) {
  point.SetOrigType(CoordKind::Ifbl);
  std::string text;
  FieldReading reading = ReadOneText(CoordKind::Ifbl, fields, wholeRest, language, text);
  if (!reading.refusal) point.SetIFBL(text);
  return reading;
}

// ---- Headers ----

bool NumberLooksLikeValue(std::string_view field, std::size_t) {
  double ignored = 0;
  return !ReadNumber(field, ignored);
}

bool AngleLooksLikeValue(std::string_view field, std::size_t) {
  DegreeReading ignored;
  DegreeReading alsoIgnored;
  return !ReadDegrees(field, ignored) || !ReadDegreePairField(field, ignored, alsoIgnored);
}

bool UtmLooksLikeValue(std::string_view field, std::size_t index) {
  return index == 0 ? ReadUtmZone(field).has_value() : NumberLooksLikeValue(field, index);
}

bool ReferenceLooksLikeValue(std::string_view field, std::size_t) {
  return HasDigit(field);
}

constexpr std::string_view kEastWords[] = {"x",    "e",   "est",     "east",      "easting",
                                           "oost", "ost", "ostwert", "rechtswert"};
constexpr std::string_view kNorthWords[] = {"y",        "n",     "nord",     "north",
                                            "northing", "noord", "nordwert", "hochwert"};
constexpr std::string_view kUtmEastWords[] = {"e",   "est",     "east",       "easting", "oost",
                                              "ost", "ostwert", "rechtswert", "x"};
constexpr std::string_view kLatitudeWords[] = {"lat",          "latitude", "breedte",
                                               "breedtegraad", "breite",   "breitengrad"};
constexpr std::string_view kLongitudeWords[] = {"lon",         "lng",         "long",   "longitude",
                                                "lengte",      "lengtegraad", "laenge", "lange",
                                                "laengengrad", "langengrad"};
constexpr std::string_view kZoneWords[] = {"zone", "utm", "fuseau"};
constexpr std::string_view kMgrsWords[] = {"mgrs", "utm"};
constexpr std::string_view kIfblWords[] = {"ifbl"};

// ---- Writing ----

// Zone and band of an MGRS reference.
constexpr std::size_t kGridZoneLength = 3;

void WriteLambert(const TransCoo& point, const OutputStyle& style, std::string& out) {
  AppendMetres(out, point.X(), point.Y(), style.metres);
}

void WriteLambert2008(const TransCoo& point, const OutputStyle& style, std::string& out) {
  AppendMetres(out, point.X2008(), point.Y2008(), style.metres);
}

void WriteMgrs(const TransCoo& point, const OutputStyle& style, std::string& out) {
  // The reference as one word: "31U ES 963 329" is written 31UES963329.
  std::string reference = point.MGRS();
  std::erase(reference, ' ');
  const bool shortened = style.mgrsShort && InBelgianSquare(reference);
  out += std::string_view(reference).substr(shortened ? kGridZoneLength : 0);
}

void WriteIfbl(const TransCoo& point, const OutputStyle& style, std::string& out) {
  AppendIfbl(out, point.IFBL(), style.ifblDots);
}

void WriteDegrees(const TransCoo& point, const OutputStyle& style, std::string& out) {
  AppendDegrees(out, point.Latitude(), point.Longitude(), style.decimalMark, style.separator,
                style.degreeDecimals);
}

void WriteDms(const TransCoo& point, const OutputStyle& style, std::string& out) {
  AppendDms(out, point.Latitude(), point.Longitude(), style.decimalMark, style.separator);
}

void WriteUtm(const TransCoo& point, const OutputStyle& style, std::string& out) {
  AppendUtm(out, {point.Zone(), point.North()}, point.Easting(), point.Northing(), style.metres);
}

// ---- What each output asks of the conversion object ----

// Each line is read for its outputs only: the object spares the work of
// the others (MGRS and IFBL cost a third of the work of a Lambert line).
// Every output of a run asks for what it needs, on an object that computes
// nothing optional to begin with.
void PrepareNothingMore(const BatchChoices&, TransCoo&) {}

void PrepareLambert(const BatchChoices&, TransCoo& point) {
  point.ComputeLambert = true;
}

void PrepareMgrs(const BatchChoices& choices, TransCoo& point) {
  point.ComputeUtm = true;
  point.mgrsPrecision = EntryOf(kMgrsPrecisionTable, choices.mgrsPrecision).metres;
}

void PrepareIfbl(const BatchChoices& choices, TransCoo& point) {
  point.ComputeIfbl = true;
  point.IfblPrecision = EntryOf(kIfblPrecisionTable, choices.ifblPrecision).length;
}

void PrepareLambert2008(const BatchChoices&, TransCoo& point) {
  point.ComputeLambert2008 = true;
}

void PrepareUtm(const BatchChoices& choices, TransCoo& point) {
  point.ComputeUtm = true;
  point.UtmZone = choices.utmZone;
}

// ---- Precisions ----

constexpr Translated kPrecisionLabel{
    "Précisio&n désirée\u00A0:", "Gewe&nste precisie:", "Desired precisio&n:", "Ge&nauigkeit:"};

template <typename Entry, std::size_t N>
constexpr int PositionIn(const std::array<Entry, N>& table, decltype(Entry::value) value) {
  return ListPosition(table, value);
}

constexpr std::array<PrecisionEntry, 5> kMgrsPrecisions{{
    {0, "1", {"1 m", "1 m", "1 m", "1 m"}},
    {1, "10", {"10 m", "10 m", "10 m", "10 m"}},
    {2, "100", {"100 m", "100 m", "100 m", "100 m"}},
    {3, "1000", {"1 km", "1 km", "1 km", "1 km"}},
    {4, "10000", {"10 km", "10 km", "10 km", "10 km"}},
}};
static_assert(kMgrsPrecisions.size() == kMgrsPrecisionTable.size());

constexpr std::array<PrecisionEntry, 3> kIfblPrecisions{{
    {0, "1x1", {"1 x 1 km", "1 x 1 km", "1 x 1 km", "1 x 1 km"}},
    {1, "4x4", {"4 x 4 km", "4 x 4 km", "4 x 4 km", "4 x 4 km"}},
    {2, "32x20", {"32 x 20 km", "32 x 20 km", "32 x 20 km", "32 x 20 km"}},
}};
static_assert(kIfblPrecisions.size() == kIfblPrecisionTable.size());

// A decimal of a degree is 11 km of latitude: five make about a metre.
constexpr std::array<PrecisionEntry, 3> kDegreeDecimals{{
    {5,
     {},
     {"5 décimales (1 m)", "5 decimalen (1 m)", "5 decimals (1 m)", "5 Dezimalstellen (1 m)"}},
    {6,
     {},
     {"6 décimales (10 cm)", "6 decimalen (10 cm)", "6 decimals (10 cm)",
      "6 Dezimalstellen (10 cm)"}},
    {7,
     {},
     {"7 décimales (1 cm)", "7 decimalen (1 cm)", "7 decimals (1 cm)", "7 Dezimalstellen (1 cm)"}},
}};
static_assert(kDegreeDecimals.front().value == kMinDegreeDecimals &&
              kDegreeDecimals.back().value == kMaxDegreeDecimals);

// Belgium lies across zones 31 and 32; a data set is usually kept in one.
// 0 lets each point take its own.
constexpr std::array<PrecisionEntry, 3> kUtmZones{{
    {0,
     {},
     {"Zone de chaque point", "Zone van elk punt", "Zone of each point", "Zone jedes Punktes"}},
    {31, {}, {"Zone 31", "Zone 31", "Zone 31", "Zone 31"}},
    {32, {}, {"Zone 32", "Zone 32", "Zone 32", "Zone 32"}},
}};

constexpr PrecisionList kMgrsPrecisionList{
    kPrecisionLabel, kMgrsPrecisions, PositionIn(kMgrsPrecisionTable, MgrsPrecision::HundredMetres),
    [](const BatchChoices& c) { return ListPosition(kMgrsPrecisionTable, c.mgrsPrecision); },
    [](BatchChoices& c, int value) {
      c.mgrsPrecision = AtListPosition(kMgrsPrecisionTable, value).value_or(c.mgrsPrecision);
    }};

constexpr PrecisionList kIfblPrecisionList{
    kPrecisionLabel, kIfblPrecisions, PositionIn(kIfblPrecisionTable, IfblPrecision::Square1km),
    [](const BatchChoices& c) { return ListPosition(kIfblPrecisionTable, c.ifblPrecision); },
    [](BatchChoices& c, int value) {
      c.ifblPrecision = AtListPosition(kIfblPrecisionTable, value).value_or(c.ifblPrecision);
    }};

constexpr PrecisionList kDegreePrecisionList{
    kPrecisionLabel, kDegreeDecimals, kDefaultDegreeDecimals,
    [](const BatchChoices& c) { return c.degreeDecimals; },
    [](BatchChoices& c, int value) {
      if (value >= kMinDegreeDecimals && value <= kMaxDegreeDecimals) c.degreeDecimals = value;
    }};

// Metres are written to the metre by default: coordinates pasted from a
// list are seldom better, and a millimetre that means nothing misleads.
constexpr std::array<PrecisionEntry, kMaxMetreDecimals + 1> kMetreDecimals{{
    {0, "0", {"Au mètre", "Op de meter", "To the metre", "Ganze Meter"}},
    {1,
     "1",
     {"1 décimale (10 cm)", "1 decimaal (10 cm)", "1 decimal (10 cm)", "1 Dezimalstelle (10 cm)"}},
    {2,
     "2",
     {"2 décimales (1 cm)", "2 decimalen (1 cm)", "2 decimals (1 cm)", "2 Dezimalstellen (1 cm)"}},
    {3,
     "3",
     {"3 décimales (1 mm)", "3 decimalen (1 mm)", "3 decimals (1 mm)", "3 Dezimalstellen (1 mm)"}},
}};

constexpr PrecisionList kMetreDecimalsList{
    {"Décimales des mètres\u00A0:", "Decimalen van de meters:", "Metre decimals:",
     "Dezimalstellen (Meter):"},
    kMetreDecimals,
    0,
    [](const BatchChoices& c) { return c.metreDecimals; },
    [](BatchChoices& c, int value) {
      if (value >= 0 && value <= kMaxMetreDecimals) c.metreDecimals = value;
    }};

constexpr PrecisionList kUtmZoneList{
    {"Zo&ne UTM\u00A0:", "UTM-zo&ne:", "UTM zo&ne:", "UTM-Zo&ne:"},
    kUtmZones,
    0,
    [](const BatchChoices& c) { return static_cast<int>(c.utmZone); },
    [](BatchChoices& c, int value) {
      if (value >= 0 && value <= kLastUtmZone) c.utmZone = static_cast<std::int16_t>(value);
    }};

// ---- The kinds ----

constexpr Translated kNone{};
constexpr Translated kX{"X", "X", "X", "X"};
constexpr Translated kY{"Y", "Y", "Y", "Y"};
constexpr Translated kLatitude{"Latitude", "Breedtegraad", "Latitude", "Breite"};
constexpr Translated kLongitude{"Longitude", "Lengtegraad", "Longitude", "Länge"};
constexpr Translated kDegreeExample{
    "Un point par ligne\u00A0: latitude, tabulation, longitude\n"
    "par exemple\n50,84041\t4,36875\n50°50'25,5\"N\t4°22'07,5\"E",
    "Eén punt per regel: breedte, tab, lengte\n"
    "bijvoorbeeld\n50,84041\t4,36875\n50°50'25,5\"N\t4°22'07,5\"E",
    "One point per line: latitude, tab, longitude\n"
    "for example\n50.84041\t4.36875\n50°50'25.5\"N\t4°22'07.5\"E",
    "Ein Punkt pro Zeile: Breite, Tabulator, Länge\n"
    "zum Beispiel\n50,84041\t4,36875\n50°50'25,5\"N\t4°22'07,5\"E"};

// In the order of the window's lists; Degrees-minutes-seconds are an output
// only: decimal degree input reads that notation already.
constexpr std::array<KindDescriptor, kKindCount> kKinds{{
    {CoordKind::Lambert,
     "lambert",
     "Lambert 72",
     {"Lambert belge 1972", "Belgische Lambert 72", "Belgian Lambert 1972",
      "Belgische Lambert-Projektion 1972"},
     true,
     2,
     {kX, kY, kNone},
     Datum::Bel72,
     true,
     {"Un point par ligne\u00A0: X, tabulation, Y (en mètres ou en km)\n"
      "par exemple\n150000\t170000\n150,5\t170",
      "Eén punt per regel: X, tab, Y (in meter of in km)\n"
      "bijvoorbeeld\n150000\t170000\n150,5\t170",
      "One point per line: X, tab, Y (in metres or in km)\n"
      "for example\n150000\t170000\n150.5\t170",
      "Ein Punkt pro Zeile: X, Tabulator, Y (in Metern oder in km)\n"
      "zum Beispiel\n150000\t170000\n150,5\t170"},
     std::nullopt,
     PrepareLambert,
     ReadLambert,
     NumberLooksLikeValue,
     {kEastWords, kNorthWords, {}},
     WriteLambert,
     true},
    {CoordKind::Mgrs,
     "mgrs",
     "MGRS",
     {"UTM alphanumérique (MGRS)", "Alfanumerieke UTM (MGRS)", "Alphanumeric UTM (MGRS)",
      "UTM-Gitter (MGRS)"},
     true,
     1,
     {Translated{"MGRS", "MGRS", "MGRS", "MGRS"}, kNone, kNone},
     Datum::Wgs84,
     false,
     {"Une référence MGRS par ligne, par exemple\n31UES9637232970",
      "Eén MGRS-referentie per regel, bijvoorbeeld\n31UES9637232970",
      "One MGRS reference per line, for example\n31UES9637232970",
      "Eine MGRS-Referenz pro Zeile, zum Beispiel\n31UES9637232970"},
     kMgrsPrecisionList,
     PrepareMgrs,
     ReadMgrs,
     ReferenceLooksLikeValue,
     {kMgrsWords, {}, {}},
     WriteMgrs},
    {CoordKind::Ifbl,
     "ifbl",
     "IFBL",
     {"IFBL", "IFBL-hokken", "IFBL squares", "IFBL-Quadrate"},
     true,
     1,
     {Translated{"IFBL", "IFBL", "IFBL", "IFBL"}, kNone, kNone},
     Datum::Bel72,
     true,
     {"Un carré IFBL par ligne, par exemple\nE4\nE4.35\nE4.35.22",
      "Eén IFBL-hok per regel, bijvoorbeeld\nE4\nE4.35\nE4.35.22",
      "One IFBL square per line, for example\nE4\nE4.35\nE4.35.22",
      "Ein IFBL-Quadrat pro Zeile, zum Beispiel\nE4\nE4.35\nE4.35.22"},
     kIfblPrecisionList,
     PrepareIfbl,
     ReadIfbl,
     ReferenceLooksLikeValue,
     {kIfblWords, {}, {}},
     WriteIfbl},
    {CoordKind::Degrees,
     "deg",
     "DEG",
     {"Degrés décimaux Greenwich", "Decimale graden Greenwich", "Decimal degrees (Greenwich)",
      "Dezimalgrad (Greenwich)"},
     true,
     2,
     {kLatitude, kLongitude, kNone},
     Datum::Wgs84,
     false,
     kDegreeExample,
     kDegreePrecisionList,
     PrepareNothingMore,
     ReadDegreePair,
     AngleLooksLikeValue,
     {kLatitudeWords, kLongitudeWords, {}},
     WriteDegrees},
    {CoordKind::Lambert2008,
     "lambert2008",
     "Lambert 2008",
     {"Lambert belge 2008", "Belgische Lambert 2008", "Belgian Lambert 2008",
      "Belgische Lambert-Projektion 2008"},
     true,
     2,
     {kX, kY, kNone},
     Datum::Etrs89,
     true,
     {"Un point par ligne\u00A0: X, tabulation, Y (en mètres)\npar exemple\n649999\t670000",
      "Eén punt per regel: X, tab, Y (in meter)\nbijvoorbeeld\n649999\t670000",
      "One point per line: X, tab, Y (in metres)\nfor example\n649999\t670000",
      "Ein Punkt pro Zeile: X, Tabulator, Y (in Metern)\nzum Beispiel\n649999\t670000"},
     std::nullopt,
     PrepareLambert2008,
     ReadLambert2008,
     NumberLooksLikeValue,
     {kEastWords, kNorthWords, {}},
     WriteLambert2008,
     true},
    {CoordKind::Utm,
     "utm",
     "UTM",
     {"UTM (zone, est, nord)", "UTM (zone, oost, noord)", "UTM (zone, easting, northing)",
      "UTM (Zone, Ostwert, Nordwert)"},
     true,
     3,
     {Translated{"Zone", "Zone", "Zone", "Zone"}, Translated{"Est", "Oost", "Easting", "Ostwert"},
      Translated{"Nord", "Noord", "Northing", "Nordwert"}},
     Datum::Wgs84,
     false,
     {"Un point par ligne\u00A0: zone, tabulation, est, tabulation, nord\n"
      "par exemple\n31N\t596371\t5632970",
      "Eén punt per regel: zone, tab, oost, tab, noord\n"
      "bijvoorbeeld\n31N\t596371\t5632970",
      "One point per line: zone, tab, easting, tab, northing\n"
      "for example\n31N\t596371\t5632970",
      "Ein Punkt pro Zeile: Zone, Tabulator, Ostwert, Tabulator, Nordwert\n"
      "zum Beispiel\n31N\t596371\t5632970"},
     kUtmZoneList,
     PrepareUtm,
     ReadUtm,
     UtmLooksLikeValue,
     {kZoneWords, kUtmEastWords, kNorthWords},
     WriteUtm,
     true},
    {CoordKind::Dms,
     "dms",
     "DMS",
     {"Degrés, minutes, secondes", "Graden, minuten, seconden", "Degrees, minutes, seconds",
      "Grad, Minuten, Sekunden"},
     false,
     2,
     {kLatitude, kLongitude, kNone},
     Datum::Wgs84,
     false,
     kDegreeExample,
     std::nullopt,
     PrepareNothingMore,
     ReadDegreePair,
     AngleLooksLikeValue,
     {kLatitudeWords, kLongitudeWords, {}},
     WriteDms},
}};

}  // namespace

// The rows follow the enumerators, so a kind finds its row at once.
constexpr bool RowsFollowTheKinds() {
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
  }
  return true;
}

static_assert(RowsFollowTheKinds(), "one row per kind, in the order of CoordKind");

const PrecisionList& MetreDecimalsList() {
  return kMetreDecimalsList;
}

const KindDescriptor& Describe(CoordKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

std::span<const KindDescriptor> AllKinds() {
  return kKinds;
}

std::optional<CoordKind> KindNamed(std::string_view word) {
  const std::string lower = ascii::ToLower(word);
  for (const KindDescriptor& descriptor : kKinds) {
    if (descriptor.cliName == lower) return descriptor.kind;
  }
  return std::nullopt;
}

std::string DetailOf(const FieldRefusal& refusal, Language language) {
  return refusal.quoted ? QuotedField(*refusal.quoted, language) : refusal.detail;
}

}  // namespace koord
