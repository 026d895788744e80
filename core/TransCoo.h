#pragma once
// TransCoo: one point in every representation Koord knows (decimal degrees,
// degrees-minutes-seconds, Belgian Lambert 1972, IFBL square, UTM and MGRS),
// with the datum of the input, the datum wanted for the outputs and the
// precisions of the MGRS and IFBL outputs.
//
// Usage: set the datums and precisions once; for every point call Reset,
// set the input kind (SetOrigType) and the input values, call Conversion,
// then read OutputError for the wanted output, and the output. Refused input
// is reported only through Error (a French text), ErrorCode and ErrorData; a
// fault (overflow, floating-point fault) raises koord::RuntimeError out of
// Conversion.
//
//   TransCoo point;
//   point.SetDatumFrom(Datum::Bel72);
//   point.SetDatumDest(Datum::Wgs84);
//   point.mgrsPrecision = 100;
//   point.Reset();
//   point.SetOrigType(CoordKind::Lambert);
//   point.SetX(150000);
//   point.SetY(170000);
//   point.Conversion();
//   if (point.ErrorCode() == ConversionError::None &&
//       point.OutputError(CoordKind::Mgrs) == ConversionError::None) {
//     point.MGRS();  // "31UES963329"
//   }
//
// Lambert X/Y and IFBL always belong to the datum BEL72. Every other output
// (degrees, DMS parts, UTM and MGRS on its ellipsoid) is in the output datum,
// whatever the input kind: with two different datums the point is shifted.
//
// An object holds everything it works on: the ellipsoids, projections and
// datum shifts of its datums are set up when the datums are chosen. Objects
// on different datums may be used in turn on one thread, or on several
// threads at once.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/Catalogue.h"
#include "core/ConversionErrors.h"
#include "core/DatumShift.h"
#include "core/Dms.h"
#include "core/Kinds.h"
#include "geodesy/Mgrs.h"
#include "geodesy/TransverseMercator.h"

namespace koord {

// French error texts of the conversion object.
inline constexpr std::string_view kDatumNotSet =
    ConversionErrorTexts(ConversionError::DatumNotSet).fr;
inline constexpr std::string_view kUnknownKind =
    ConversionErrorTexts(ConversionError::UnknownKind).fr;
inline constexpr std::string_view kBadMgrsPrefix =
    ConversionErrorTexts(ConversionError::BadMgrs).fr;
inline constexpr std::string_view kBadLambert =
    ConversionErrorTexts(ConversionError::BadLambert).fr;
inline constexpr std::string_view kBadIfbl = ConversionErrorTexts(ConversionError::BadIfbl).fr;
inline constexpr std::string_view kBadDms = ConversionErrorTexts(ConversionError::BadDms).fr;
inline constexpr std::string_view kBadDeg = ConversionErrorTexts(ConversionError::BadDeg).fr;
inline constexpr std::string_view kBadLambert2008 =
    ConversionErrorTexts(ConversionError::BadLambert2008).fr;
inline constexpr std::string_view kBadUtm = ConversionErrorTexts(ConversionError::BadUtm).fr;

class TransCoo {
 public:
  // Selects European 1950 ("EUR-M") as both datums.
  TransCoo();

  // Wanted length of the IFBL code: 6, 4 or 2 (others: 6). An IFBL input is
  // shortened to it, never lengthened.
  std::int16_t IfblPrecision = 0;
  // Wanted MGRS precision in metres: 1, 10, 100, 1000, 10000 or 100000
  // (others: 1). An MGRS input is cut to it, and never written finer than
  // it was given.
  std::int32_t mgrsPrecision = 0;

  // Conversion fills every representation of the point. A caller that reads
  // only some may spare the work of the others: with ComputeUtm false,
  // Easting, Northing and MGRS keep what Reset left, with ComputeIfbl false
  // IFBL does (an IFBL input is still read and checked), with
  // ComputeLambert false X and Y do for input of the other kinds (IFBL
  // output still has them), with ComputeLambert2008 false X2008 and Y2008
  // do. The outputs that are computed stay the same, bit for bit. The DMS
  // parts are worked out from Latitude and Longitude when they are read.
  bool ComputeUtm = true;
  bool ComputeIfbl = true;
  bool ComputeLambert = true;
  bool ComputeLambert2008 = true;

  // BD72 and ETRS89 always go through the transformation "BD72 to ETRS89
  // (2)" (seven parameters, 0.2 m) and Belgian Lambert 72 as EPSG defines
  // it; with PreciseTransformation, so do BD72 and WGS84 (otherwise the
  // Molodensky shift, about 1 m, and the program's own Lambert 1972).
  bool PreciseTransformation = false;

  // The UTM zone of Easting and Northing, 1 to 60; 0 lets the point choose
  // it, as for MGRS. A zone given may be a neighbour of the point's own
  // (for a data set that straddles two zones): UtmInZoneReach says whether
  // the point lies within its reach (DMA::kUtmZoneReach).
  std::int16_t UtmZone = 0;

  // Converts the input of the kind OrigType into every other
  // representation. Always returns normally on refused input (see Error);
  // raises RuntimeError on a fault.
  void Conversion();

  // Empties Error, OrigType, MGRS and IFBL, zeroes X, Y, Latitude,
  // Longitude, Northing and Easting and clears Band (MgrsResult and
  // IfblInGrid follow the empty texts). The DMS parts, the datum
  // selections and the precisions stay.
  void Reset();

  // After a Conversion that set no Error, whether the output of a kind is
  // valid: None, or why the point has none. Degrees and DMS always are;
  // Lambert 1972 and 2008 are refused outside the bounds of their input
  // (OutsideLambert, OutsideLambert2008), IFBL outside the lettered grid
  // (OutsideIfbl), MGRS outside the UTM latitudes (OutsideUtm) or where no
  // reference can be made (MgrsNotMade), UTM outside the UTM latitudes, then
  // in a zone given too far from the point (UtmZoneTooFar).
  ConversionError OutputError(CoordKind output) const;

  // The DMS parts of the point: those set, or after a conversion those of
  // Latitude and Longitude (DegreesToDms), until one is set again.
  std::int16_t LatDmsDeg() const { return LatitudeDms().degrees; }
  void SetLatDmsDeg(std::int16_t v) { KeepDmsParts().latitude.degrees = v; }
  std::int16_t LatDmsMin() const { return LatitudeDms().minutes; }
  void SetLatDmsMin(std::int16_t v) { KeepDmsParts().latitude.minutes = v; }
  float LatDmsSec() const { return LatitudeDms().seconds; }
  void SetLatDmsSec(float v) { KeepDmsParts().latitude.seconds = v; }
  std::int16_t LonDmsDeg() const { return LongitudeDms().degrees; }
  void SetLonDmsDeg(std::int16_t v) { KeepDmsParts().longitude.degrees = v; }
  std::int16_t LonDmsMin() const { return LongitudeDms().minutes; }
  void SetLonDmsMin(std::int16_t v) { KeepDmsParts().longitude.minutes = v; }
  float LonDmsSec() const { return LongitudeDms().seconds; }
  void SetLonDmsSec(float v) { KeepDmsParts().longitude.seconds = v; }

  double Easting() const { return easting_; }
  void SetEasting(double v) { easting_ = v; }
  double Northing() const { return northing_; }
  void SetNorthing(double v) { northing_ = v; }
  double Latitude() const { return latitude_; }
  void SetLatitude(double v) { latitude_ = v; }
  double Longitude() const { return longitude_; }
  void SetLongitude(double v) { longitude_ = v; }
  double X() const { return x_; }
  void SetX(double v) { x_ = v; }
  double Y() const { return y_; }
  void SetY(double v) { y_ = v; }

  // Belgian Lambert 2008, metres, datum ETRS89 (the kind "L08").
  double X2008() const { return x2008_; }
  void SetX2008(double v) { x2008_ = v; }
  double Y2008() const { return y2008_; }
  void SetY2008(double v) { y2008_ = v; }

  // The UTM zone (1 to 60) and hemisphere of Easting and Northing (the
  // kind "UTM"; the northing carries 10 000 000 m south of the equator).
  std::int16_t Zone() const { return zone_; }
  void SetZone(std::int16_t v) { zone_ = v; }
  bool North() const { return north_; }
  void SetNorth(bool v) { north_ = v; }
  // The latitude band written beside UTM input ("31U"), a letter of
  // DMA::kBandLetters, or '\0' when only the hemisphere is given. A point
  // that lies outside its band (beyond half a metre) is refused with
  // OutsideBand, a letter that is no band with BadUtm. Reset clears it.
  char Band() const { return band_; }
  void SetBand(char band) { band_ = band; }

  // The datum of the input and the datum wanted for the outputs.
  void SetDatumFrom(Datum datum);
  void SetDatumDest(Datum datum);
  // The same by code: "EUR-M", "BEL72", "WGS84", "NTF", "ETRS89", in any
  // case. An unknown code selects nothing; the next Conversion reports
  // "Datum non initialisé".
  void SetDatumFrom(std::string_view code);
  void SetDatumDest(std::string_view code);

  // The refusal in French, as the object has always reported it; ErrorCode
  // says which it is and ErrorData what it names (the reference as given,
  // for BadMgrs), for a caller that speaks another language
  // (ConversionErrorText). Written when asked: a batch run reads the code.
  std::string Error() const;
  ConversionError ErrorCode() const { return errorCode_; }
  const std::string& ErrorData() const { return errorData_; }

  const std::string& IFBL() const { return ifbl_; }
  // Stores the code without its blanks and full stops; case is kept.
  void SetIFBL(std::string_view code);

  const std::string& MGRS() const { return mgrs_; }
  // What MGRS holds after a Conversion that set no Error: a reference (the
  // input's, or one computed), or nothing (outside the UTM latitudes) or an
  // error text of the UTM routines.
  DMA::MgrsStatus MgrsResult() const { return mgrsResult_; }
  // The point the MGRS reference stands for, latitude and longitude in
  // degrees on the output datum, the same as a conversion from the
  // reference would read back, worked out from the UTM numbers it was made
  // of rather than from its text. Nothing when the last Conversion did not
  // make the reference of its point in its own grid zone (an MGRS input
  // kept as it was, a UTM input, a zone forced by UtmZone): the reference
  // must then be read.
  std::optional<std::pair<double, double>> MgrsPoint() const;
  // False when the point lies outside the lettered IFBL grid: IFBL then
  // holds what Reset left, or a code that names no square ("N-13821").
  bool IfblInGrid() const { return ifblInGrid_; }
  // Stores the reference without leading and trailing blanks.
  void SetMGRS(std::string_view reference);

  // True when X and Y lie within the bounds that a Lambert input accepts
  // (Lambert::kBounds); elsewhere, after a conversion, they are the
  // projection of a point far from Belgium.
  bool LambertInDomain() const;
  // The same for X2008 and Y2008 (kLambert2008Bounds).
  bool Lambert2008InDomain() const;
  // False when Easting and Northing, in the zone given by UtmZone, would be
  // those of a point farther than DMA::kUtmZoneReach from the zone's
  // central meridian (they are then what Reset left).
  bool UtmInZoneReach() const { return utmInReach_; }

  const std::string& OrigType() const { return origType_; }
  // The kind of the input. Dms reads the six DMS parts; OrigType then reads
  // "LMB", "MGR", "IFB", "DEG", "L08", "UTM" or "DMS".
  void SetOrigType(CoordKind kind);
  // The same by code, stored in upper case: "DEG", "DMS", "LMB", "MGR",
  // "MGRS", "IFB", "IFBL", "L08" (Lambert 2008) or "UTM"; any other text
  // sets Error.
  void SetOrigType(std::string_view kind);

  // Read-only views, for callers that show the catalogue.
  std::span<const DatumRecord> Datums() const { return DatumCatalogue(); }
  std::span<const EllipsoidRecord> Ellipsoids() const { return EllipsoidCatalogue(); }
  // Selected positions in Datums, from 1; 0 when none is selected.
  std::int16_t DatumFromIndex() const;
  std::int16_t DatumDestIndex() const;

 private:
  // The datum shifts that a conversion takes, for one choice of
  // PreciseTransformation: from the input's datum, from BD72 (Lambert 1972
  // and IFBL input) and from ETRS89 (Lambert 2008 input) to where each
  // output belongs.
  struct Routes {
    DatumShift inputToBel72;
    DatumShift inputToEtrs89;
    DatumShift inputToOutput;
    DatumShift bel72ToEtrs89;
    DatumShift bel72ToOutput;
    DatumShift etrs89ToBel72;
    DatumShift etrs89ToOutput;
    // Whether Lambert 1972 is projected as EPSG defines it, the official
    // chain, on the side of the input datum and of the output datum.
    bool officialInput;
    bool officialOutput;
    // Whether the output datum is ETRS89, where bel72ToOutput is
    // bel72ToEtrs89.
    bool outputEtrs89;
  };
  // What the conversions need for the datums chosen, set up when they are
  // chosen.
  struct Setup {
    // The UTM projections on the ellipsoids of the input datum (MGRS and
    // UTM input) and of the output datum (every UTM and MGRS output).
    DMA::TransverseMercator inputGrid;
    DMA::TransverseMercator outputGrid;
    std::array<Routes, 2> routes;  // without and with PreciseTransformation
  };
  static Routes RoutesFor(Datum from, Datum dest, bool precise);
  // Sets up for the datums chosen, or clears the set-up while one is not.
  void SetUp();

  // The steps of Conversion, one per input kind and block.
  void ConvertMgrs(const Routes& routes);
  void ConvertLambert2008(const Routes& routes);
  void ConvertUtm(const Routes& routes);
  void ConvertLambert(const Routes& routes);
  void ConvertIfbl(const Routes& routes);
  void ConvertDms(const Routes& routes);
  void ConvertDeg(const Routes& routes);
  // The DMS parts are those of Latitude and Longitude as they are now; they
  // are worked out when read.
  void FillDmsParts();
  struct DmsParts {
    Dms latitude;
    Dms longitude;
  };
  // The DMS parts as values of their own, to be read or set.
  DmsParts& KeepDmsParts();
  Dms LatitudeDms() const;
  Dms LongitudeDms() const;
  void FillIfbl();
  // X, Y and IFBL from Latitude and Longitude, which `toBel72` takes to BD72;
  // `official`: Lambert 1972 as EPSG defines it.
  void LambertBlock(const DatumShift& toBel72, bool official);
  // Moves Latitude and Longitude to the output datum; false, with nothing
  // changed, when the two datums are the same.
  bool ShiftToOutputDatum(const DatumShift& toOutput);
  // Easting, Northing and MGRS on the output datum's ellipsoid, the
  // reference cut to `digits` per axis.
  void UtmBlock(std::size_t digits);
  // The same for UTM input on its own datum, from the numbers given.
  void UtmBlockFromInput(std::size_t digits);
  // Every output but Lambert 1972 and IFBL from X and Y.
  void InverseLambertBlock(const Routes& routes);
  // X2008 and Y2008 from a point that `toEtrs89` takes to ETRS89.
  void Lambert2008Block(double latitude, double longitude, const DatumShift& toEtrs89);
  // Lambert 2008 from Lambert 1972 input, always by the official chain;
  // after InverseLambertBlock.
  void Lambert2008FromLambert72(const Routes& routes);
  // Easting and Northing again, in the zone given by UtmZone.
  void ForcedZoneBlock();

  // Sets Error, ErrorCode and ErrorData together.
  void Refuse(ConversionError code, std::string_view data = {});

  ConversionError errorCode_ = ConversionError::None;
  std::string errorData_;
  std::optional<Datum> datumFrom_;
  std::optional<Datum> datumDest_;
  std::optional<Setup> setup_;  // while both datums are known
  std::string origType_;
  std::optional<CoordKind> kind_;  // of OrigType, when it names one
  double x_ = 0;
  double y_ = 0;
  std::string mgrs_;
  std::string ifbl_;
  DMA::MgrsStatus mgrsResult_ = DMA::MgrsStatus::OutsideUtm;
  // Whether UtmBlock made MGRS of northing_ and easting_ in their own grid
  // zone, with this many digits per axis.
  bool mgrsOfNumbers_ = false;
  std::int16_t mgrsDigits_ = 0;
  bool ifblInGrid_ = false;
  double latitude_ = 0;
  double longitude_ = 0;
  double northing_ = 0;
  double easting_ = 0;
  double x2008_ = 0;
  double y2008_ = 0;
  std::int16_t zone_ = 0;
  bool north_ = true;
  char band_ = '\0';
  bool utmInReach_ = true;
  DmsParts dms_{};
  // Whether the DMS parts are those of these angles, degrees.
  bool dmsOfAngles_ = false;
  double dmsLatitude_ = 0;
  double dmsLongitude_ = 0;
};

}  // namespace koord
