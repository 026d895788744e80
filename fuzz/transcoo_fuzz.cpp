// The conversion object with arbitrary field values (NaN, infinities, huge
// and tiny numbers, any text) for every input kind and datum pair, one to
// three points in a row on the same object, with or without Reset.
//
// Only koord::RuntimeError may leave Conversion. After Conversion the datum
// selections are the caller's again, a fault included. A refused point
// writes nothing; a converted one has no NaN or infinity in any field, and
// keeps its input values as given unless the datum changes or, for MGRS,
// the precision asked for is coarser, or, for UTM, the point lies in
// another zone; UTM input lies in the latitude band given with it. A
// refusal's text is that of its code and data. Sparing the UTM, IFBL or
// Lambert 1972 outputs changes none of the outputs still computed, bit for
// bit, and spares no fault but that of Lambert 1972 (at a pole).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/TransCoo.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/Invariant.h"

namespace {

using koord::TransCoo;
using koord::fuzz::FuzzBytes;
using koord::fuzz::Require;

constexpr std::size_t kMaxInput = 4096;
// Longest text put into a text field.
constexpr std::size_t kMaxText = 24;
// Points converted on one object.
constexpr int kMaxPoints = 3;

constexpr std::array<std::string_view, 11> kKinds{"DEG",  "DMS", "LMB", "MGR", "MGRS", "IFB",
                                                  "IFBL", "lmb", "deg", "L08", "UTM"};
constexpr std::array<std::string_view, 7> kDatums{"BEL72", "WGS84", "EUR-M", "NTF",
                                                  "bel72", "ntf  ", "ETRS89"};

// The band beside UTM input: none, a band, a letter that is none.
constexpr char kBandChoices[] = "\0\0\0\0CDEFGHJKLMNPQRSTUVWXIOYZu";
constexpr std::string_view kBands{kBandChoices, sizeof kBandChoices - 1};
// The latitude bands, 8 degrees each from 80 S (X: 12), and how far beyond
// its band's edge, degrees, a point given by UTM numbers may lie.
constexpr std::string_view kBandLetters = "CDEFGHJKLMNPQRSTUVWX";
constexpr double kBandEdgeReach = 1e-5;

// A known code most of the time, any text otherwise.
template <std::size_t N>
std::string Code(FuzzBytes& bytes, const std::array<std::string_view, N>& known) {
  const int choice = bytes.Pick(N + 1);
  if (choice < static_cast<int>(N)) return std::string(known[static_cast<std::size_t>(choice)]);
  return bytes.Text(kMaxText);
}

// Positions in Snapshot::numbers: latitude and longitude are always
// computed, X and Y with ComputeLambert or ComputeIfbl or from input that
// names them, easting and northing only with ComputeUtm.
constexpr std::size_t kX = 0;
constexpr std::size_t kLatitude = 2;
constexpr std::size_t kEasting = 4;
constexpr std::size_t kNorthing = 5;
constexpr std::size_t kLatitudeSeconds = 6;

// Every value field, compared bit for bit (a NaN equals itself here).
struct Snapshot {
  std::array<double, 8> numbers;
  std::array<std::int16_t, 4> dmsParts;
  std::string mgrs;
  std::string ifbl;

  explicit Snapshot(const TransCoo& p)
      : numbers{p.X(),       p.Y(),        p.Latitude(),  p.Longitude(),
                p.Easting(), p.Northing(), p.LatDmsSec(), p.LonDmsSec()},
        dmsParts{p.LatDmsDeg(), p.LatDmsMin(), p.LonDmsDeg(), p.LonDmsMin()},
        mgrs(p.MGRS()),
        ifbl(p.IFBL()) {}

  bool operator==(const Snapshot& o) const {
    return std::memcmp(numbers.data(), o.numbers.data(), sizeof numbers) == 0 &&
           dmsParts == o.dmsParts && mgrs == o.mgrs && ifbl == o.ifbl;
  }

  bool AllFinite() const {
    for (double v : numbers) {
      if (!std::isfinite(v)) return false;
    }
    return true;
  }
};

// Whether a conversion gives X and Y: when asked for, for IFBL, or from
// input that names them.
bool GivesLambert(const TransCoo& p) {
  const std::string& kind = p.OrigType();
  return p.ComputeLambert || p.ComputeIfbl || kind == "LMB" || kind == "IFB" || kind == "IFBL";
}

// What a conversion that spares the UTM, IFBL or Lambert outputs still
// computes is what the full conversion computes, bit for bit.
void RequireSameOutputs(const TransCoo& spared, const TransCoo& full) {
  const Snapshot a(spared);
  const Snapshot b(full);
  Require(spared.Error() == full.Error(), "sparing outputs changes no refusal", spared.Error());
  Require(std::memcmp(&a.numbers[kLatitude], &b.numbers[kLatitude], 2 * sizeof(double)) == 0 &&
              std::memcmp(&a.numbers[kLatitudeSeconds], &b.numbers[kLatitudeSeconds],
                          2 * sizeof(double)) == 0 &&
              a.dmsParts == b.dmsParts,
          "sparing outputs changes no position");
  if (GivesLambert(spared)) {
    Require(std::memcmp(&a.numbers[kX], &b.numbers[kX], 2 * sizeof(double)) == 0,
            "sparing outputs changes no Lambert 1972");
  }
  if (spared.ComputeUtm) {
    Require(std::memcmp(&a.numbers[kEasting], &b.numbers[kEasting], 2 * sizeof(double)) == 0 &&
                a.mgrs == b.mgrs,
            "sparing IFBL changes no UTM output",
            spared.OrigType() + ": " + std::to_string(a.numbers[kEasting]) + " " +
                std::to_string(a.numbers[kNorthing]) + " \"" + a.mgrs + "\" / " +
                std::to_string(b.numbers[kEasting]) + " " + std::to_string(b.numbers[kNorthing]) +
                " \"" + b.mgrs + "\"");
  }
  if (spared.ComputeIfbl) {
    Require(a.ifbl == b.ifbl, "sparing UTM changes no IFBL output", a.ifbl + " / " + b.ifbl);
  }
}

// A precision in metres that cuts no digit of a reference.
bool KeepsEveryDigit(std::int32_t precision) {
  constexpr std::array<std::int32_t, 5> kCutting{10, 100, 1000, 10000, 100000};
  return std::find(kCutting.begin(), kCutting.end(), precision) == kCutting.end();
}

void FillInput(FuzzBytes& bytes, TransCoo& point) {
  point.SetX(bytes.Double());
  point.SetY(bytes.Double());
  point.SetLatitude(bytes.Double());
  point.SetLongitude(bytes.Double());
  point.SetEasting(bytes.Double());
  point.SetNorthing(bytes.Double());
  const bool plausibleDms = bytes.Pick(2) == 0;
  point.SetLatDmsDeg(plausibleDms ? static_cast<std::int16_t>(bytes.Between(-90, 90))
                                  : bytes.Int16());
  point.SetLatDmsMin(plausibleDms ? static_cast<std::int16_t>(bytes.Between(0, 60))
                                  : bytes.Int16());
  point.SetLatDmsSec(bytes.Float());
  point.SetLonDmsDeg(plausibleDms ? static_cast<std::int16_t>(bytes.Between(-180, 180))
                                  : bytes.Int16());
  point.SetLonDmsMin(plausibleDms ? static_cast<std::int16_t>(bytes.Between(0, 60))
                                  : bytes.Int16());
  point.SetLonDmsSec(bytes.Float());
  point.SetMGRS(bytes.Text(kMaxText));
  point.SetIFBL(bytes.Text(kMaxText));
  point.SetX2008(bytes.Double());
  point.SetY2008(bytes.Double());
  point.SetZone(bytes.Pick(2) == 0 ? static_cast<std::int16_t>(bytes.Between(1, 60))
                                   : bytes.Int16());
  point.SetNorth(bytes.Pick(2) == 0);
  point.SetBand(kBands[static_cast<std::size_t>(bytes.Pick(static_cast<int>(kBands.size())))]);
}

void ConvertOne(FuzzBytes& bytes, TransCoo& point) {
  if (bytes.Pick(4) != 0) point.Reset();
  point.SetOrigType(Code(bytes, kKinds));
  FillInput(bytes, point);
  const Snapshot before(point);
  const std::int16_t zoneBefore = point.Zone();
  const std::string errorBefore = point.Error();
  const std::int16_t from = point.DatumFromIndex();
  const std::int16_t dest = point.DatumDestIndex();

  // The same point converted in full, to compare what a spared conversion
  // computes.
  TransCoo full = point;
  full.ComputeUtm = true;
  full.ComputeIfbl = true;
  full.ComputeLambert = true;
  full.ComputeLambert2008 = true;
  const bool fullReturned = koord::fuzz::OnlyRuntimeError([&] { full.Conversion(); });

  const bool returned = koord::fuzz::OnlyRuntimeError([&] { point.Conversion(); });
  Require(point.DatumFromIndex() == from && point.DatumDestIndex() == dest,
          "the datum selections are the caller's after Conversion");
  // Lambert 1972 of a point at a pole faults; a caller that does not ask
  // for it gets the outputs that it asks for.
  Require(returned == fullReturned || (returned && !GivesLambert(point)),
          "sparing outputs adds no fault and spares only that of Lambert 1972");
  if (!returned || !fullReturned) return;
  RequireSameOutputs(point, full);

  // An error left by an earlier point without Reset stays (Conversion
  // clears nothing), so it says nothing about this one.
  if (!errorBefore.empty()) return;
  const Snapshot after(point);
  if (!point.Error().empty()) {
    Require(after == before, "a refused point writes nothing", point.Error());
    Require(point.Error() == koord::ConversionErrorText(point.ErrorCode(), point.ErrorData(),
                                                        koord::Language::French),
            "a refusal's text is that of its code and data", point.Error());
    return;
  }
  Require(Snapshot(full).AllFinite(), "a converted point has no NaN or infinity", point.OrigType());
  const std::string& kind = point.OrigType();
  if (kind == "LMB") {
    Require(std::memcmp(&after.numbers[0], &before.numbers[0], 2 * sizeof(double)) == 0,
            "Lambert input stays as given");
  }
  const bool oneDatum = point.DatumFromIndex() == point.DatumDestIndex();
  if (kind == "DEG" && oneDatum) {
    Require(std::memcmp(&after.numbers[2], &before.numbers[2], 2 * sizeof(double)) == 0,
            "degree input stays as given");
  }
  if ((kind == "MGR" || kind == "MGRS") && oneDatum && KeepsEveryDigit(point.mgrsPrecision)) {
    Require(after.mgrs == before.mgrs, "MGRS input stays as given");
  }
  if (kind == "UTM" && oneDatum && point.UtmZone == 0 && point.Zone() == zoneBefore) {
    Require(
        std::memcmp(&after.numbers[kEasting], &before.numbers[kEasting], 2 * sizeof(double)) == 0,
        "UTM input in the point's own zone stays as given");
  }
  // On another datum the latitude is that of the output datum.
  if (kind == "UTM" && oneDatum && point.Band() != '\0') {
    const std::size_t band = kBandLetters.find(point.Band());
    Require(band != std::string_view::npos, "only band letters are accepted");
    const double south = -80.0 + 8.0 * static_cast<double>(band);
    const double north = south + (point.Band() == 'X' ? 12.0 : 8.0);
    Require(
        point.Latitude() >= south - kBandEdgeReach && point.Latitude() <= north + kBandEdgeReach,
        "UTM input lies in the band given", std::string(1, point.Band()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  FuzzBytes bytes(data, size);
  TransCoo point;
  point.SetDatumFrom(Code(bytes, kDatums));
  point.SetDatumDest(Code(bytes, kDatums));
  point.IfblPrecision =
      bytes.Pick(2) == 0 ? static_cast<std::int16_t>(2 * bytes.Between(1, 3)) : bytes.Int16();
  point.mgrsPrecision = bytes.Int32();
  point.ComputeUtm = bytes.Pick(2) == 0;
  point.ComputeIfbl = bytes.Pick(2) == 0;
  point.ComputeLambert2008 = bytes.Pick(2) == 0;
  point.ComputeLambert = bytes.Pick(2) == 0;
  point.PreciseTransformation = bytes.Pick(2) == 0;
  point.UtmZone = bytes.Pick(2) == 0 ? 0 : static_cast<std::int16_t>(bytes.Between(-1, 61));
  const int points = 1 + bytes.Pick(kMaxPoints);
  for (int i = 0; i < points; ++i) ConvertOne(bytes, point);
  return 0;
}
