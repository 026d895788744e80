#pragma once
// TransCoo: one point in every representation Koord knows (decimal degrees,
// degrees-minutes-seconds, Belgian Lambert 1972, IFBL square, UTM and MGRS),
// with the datum of the input, the datum wanted for the outputs and the
// precisions of the MGRS and IFBL outputs.
//
// Usage: set the datums and precisions once; for every point call Reset,
// set the input kind (SetOrigType) and the input values, call Conversion,
// then read the wanted output or Error. Refused input is reported only
// through Error (a French text) and ErrorCode; a fault (overflow, floating-point fault)
// raises koord::RuntimeError out of Conversion.
//
// Lambert X/Y and IFBL always belong to the datum BEL72. Every other output
// (degrees, DMS parts, UTM and MGRS on its ellipsoid) is in the output datum,
// whatever the input kind: with two different datums the point is shifted.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Catalogue.h"
#include "core/ConversionErrors.h"
#include "geodesy/Mgrs.h"

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

// How far from its zone's central meridian a UTM point may be given or
// asked for, degrees: the zone and its neighbour (the series stay within
// 0.3 mm of the exact projection there at Belgian latitudes).
inline constexpr double kUtmZoneReach = 9;

class TransCoo {
 public:
  // Builds the catalogues and selects "EUR-M" as both datums.
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
  // IFBL does (an IFBL input is still read and checked). The outputs that
  // are computed stay the same, bit for bit.
  bool ComputeUtm = true;
  bool ComputeIfbl = true;
  bool ComputeLambert2008 = true;

  // BD72 and ETRS89 always go through the transformation "BD72 to ETRS89
  // (2)" (seven parameters, 0.2 m) and Belgian Lambert 72 as EPSG defines
  // it; with PreciseTransformation, so do BD72 and WGS84 (otherwise the
  // Molodensky shift, about 1 m, and the program's own Lambert 1972).
  bool PreciseTransformation = false;

  // The UTM zone of Easting and Northing, 1 to 60; 0 lets the point choose
  // it, as for MGRS. A zone given may be a neighbour of the point's own
  // (for a data set that straddles two zones): UtmInZoneReach says whether
  // the point lies within its reach.
  std::int16_t UtmZone = 0;

  // Converts the input of the kind OrigType into every other
  // representation. Always returns normally on refused input (see Error);
  // raises RuntimeError on a fault.
  void Conversion();

  // Empties Error, OrigType, MGRS and IFBL and zeroes X, Y, Latitude,
  // Longitude, Northing and Easting (MgrsResult and IfblInGrid follow the
  // empty texts). The DMS parts, the datum selections, the precisions and
  // the catalogues stay.
  void Reset();

  std::int16_t LatDmsDeg() const { return latDmsDeg_; }
  void SetLatDmsDeg(std::int16_t v) { latDmsDeg_ = v; }
  std::int16_t LatDmsMin() const { return latDmsMin_; }
  void SetLatDmsMin(std::int16_t v) { latDmsMin_ = v; }
  float LatDmsSec() const { return latDmsSec_; }
  void SetLatDmsSec(float v) { latDmsSec_ = v; }
  std::int16_t LonDmsDeg() const { return lonDmsDeg_; }
  void SetLonDmsDeg(std::int16_t v) { lonDmsDeg_ = v; }
  std::int16_t LonDmsMin() const { return lonDmsMin_; }
  void SetLonDmsMin(std::int16_t v) { lonDmsMin_ = v; }
  float LonDmsSec() const { return lonDmsSec_; }
  void SetLonDmsSec(float v) { lonDmsSec_ = v; }

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

  // Datum codes "EUR-M", "BEL72", "WGS84", "NTF", in any case. An unknown
  // code selects nothing; the next Conversion reports "Datum non initialisé".
  void SetDatumFrom(std::string_view code);
  void SetDatumDest(std::string_view code);

  // The refusal in French, as the object has always reported it; ErrorCode
  // says which it is, for a caller that speaks another language.
  const std::string& Error() const { return error_; }
  ConversionError ErrorCode() const { return errorCode_; }

  const std::string& IFBL() const { return ifbl_; }
  // Stores the code without its blanks and full stops; case is kept.
  void SetIFBL(std::string_view code);

  const std::string& MGRS() const { return mgrs_; }
  // What MGRS holds after a Conversion that set no Error: a reference (the
  // input's, or one computed), or nothing (outside the UTM latitudes) or an
  // error text of the UTM routines.
  DMA::MgrsStatus MgrsResult() const { return mgrsResult_; }
  // False when the point lies outside the lettered IFBL grid: IFBL then
  // holds what Reset left, or a code that names no square ("N-13821").
  bool IfblInGrid() const { return ifblInGrid_; }
  // Stores the reference without leading and trailing blanks.
  void SetMGRS(std::string_view reference);

  // True when X and Y lie within the bounds that a Lambert input accepts
  // (0 to 310 000 m east, 0 to 260 000 m north); elsewhere, after a
  // conversion, they are the projection of a point far from Belgium.
  bool LambertInDomain() const;
  // The same for X2008 and Y2008: 499 900 to 810 100 m east, 499 900 to
  // 760 100 m north, the Lambert 1972 bounds carried over.
  bool Lambert2008InDomain() const;
  // False when Easting and Northing, in the zone given by UtmZone, would be
  // those of a point farther than kUtmZoneReach from the zone's central
  // meridian (they are then what Reset left).
  bool UtmInZoneReach() const { return utmInReach_; }

  const std::string& OrigType() const { return origType_; }
  // Stores the kind in upper case: "DEG", "DMS", "LMB", "MGR", "MGRS",
  // "IFB", "IFBL", "L08" (Lambert 2008) or "UTM"; any other text sets Error.
  void SetOrigType(std::string_view kind);

  // Read-only views, for callers that show the catalogue.
  std::span<const DatumRecord> Datums() const { return datums_; }
  std::span<const EllipsoidRecord> Ellipsoids() const { return ellipsoids_; }
  // Selected positions in Datums, from 1; 0 when none is selected.
  std::int16_t DatumFromIndex() const { return datumFromIndex_; }
  std::int16_t DatumDestIndex() const { return datumDestIndex_; }

  // Loads CurrentEllipsoid with the ellipsoid of the datum at a position.
  void SelectEllipsoid(std::int16_t datumIndex) const;

  // The point in the datum at toIndex (degrees); height in metres. Equal
  // positions return the input unchanged; otherwise the shift goes through
  // WGS84.
  void ShiftDatum(double latitude, double longitude, double height, std::int16_t fromIndex,
                  std::int16_t toIndex, double& newLatitude, double& newLongitude) const;

 private:
  void BuildCatalogue();
  const DatumRecord& DatumAt(std::int16_t position) const;
  const EllipsoidRecord& EllipsoidAt(std::int16_t position) const;
  std::int16_t FindDatum(std::string_view code) const;
  void MolodenskyShift(double latitude, double longitude, double height, double& newLatitude,
                       double& newLongitude, std::int16_t datumIndex, std::int16_t direction) const;

  // Whether the BD72 side of a shift to or from `other` goes through the
  // official chain (Helmert and Lambert 72 as EPSG defines it).
  bool OfficialChain(std::int16_t other) const;
  // Lambert 1972 both ways, by the official chain or the program's own.
  void ProjectLambert72(double latitude, double longitude, bool official, double& X,
                        double& Y) const;
  void UnprojectLambert72(double X, double Y, bool official, double& latitude,
                          double& longitude) const;

  // The steps of Conversion, one per input kind and block.
  void ConvertMgrs();
  void ConvertLambert2008();
  void ConvertUtm();
  void ConvertLambert();
  void ConvertIfbl();
  void ConvertDms();
  void ConvertDeg();
  void FillDmsParts();
  void FillIfbl();
  void LambertBlock();
  // Moves Latitude and Longitude from the input datum to the output datum
  // and selects the output datum's ellipsoid; false, with nothing changed,
  // when the two datums are the same.
  bool ShiftToOutputDatum();
  // Easting, Northing and MGRS, the reference cut to `digits` per axis.
  void UtmBlock(std::size_t digits);
  void InverseLambertBlock();
  // X2008 and Y2008 from a point in the datum at datumIndex.
  void Lambert2008Block(double latitude, double longitude, std::int16_t datumIndex);
  // Lambert 2008 from Lambert 1972 input, always by the official chain.
  void Lambert2008FromLambert72();
  // Easting and Northing again, in the zone given by UtmZone.
  void ForcedZoneBlock();

  // Sets Error and ErrorCode together; `text` is the French text of `code`
  // when empty.
  void Refuse(ConversionError code, std::string text = {});

  std::string error_;
  ConversionError errorCode_ = ConversionError::None;
  std::span<const DatumRecord> datums_;
  std::span<const EllipsoidRecord> ellipsoids_;
  std::int16_t datumFromIndex_ = 0;
  std::int16_t datumDestIndex_ = 0;
  // Positions of BEL72, WGS84 and ETRS89, found once in the fixed catalogue.
  std::int16_t bel72Index_ = 0;
  std::int16_t wgs84Index_ = 0;
  std::int16_t etrs89Index_ = 0;
  std::string origType_;
  double x_ = 0;
  double y_ = 0;
  std::string mgrs_;
  std::string ifbl_;
  DMA::MgrsStatus mgrsResult_ = DMA::MgrsStatus::OutsideUtm;
  bool ifblInGrid_ = false;
  double latitude_ = 0;
  double longitude_ = 0;
  double northing_ = 0;
  double easting_ = 0;
  double x2008_ = 0;
  double y2008_ = 0;
  std::int16_t zone_ = 0;
  bool north_ = true;
  bool utmInReach_ = true;
  std::int16_t latDmsDeg_ = 0;
  std::int16_t latDmsMin_ = 0;
  float latDmsSec_ = 0;
  std::int16_t lonDmsDeg_ = 0;
  std::int16_t lonDmsMin_ = 0;
  float lonDmsSec_ = 0;
};

}  // namespace koord
