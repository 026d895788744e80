#include "files/Gdal.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <mutex>

namespace koord::files::gdal {

void Start() {
  static std::once_flag started;
  std::call_once(started, [] {
    // A workbook's first row is its header, always: the reader hands the
    // names on to the engine, which tells a header from a first point as
    // it does for CSV.
    CPLSetConfigOption("OGR_XLSX_HEADERS", "FORCE");
    CPLSetConfigOption("OGR_ODS_HEADERS", "FORCE");
    // The creation options Koord gives are fixed and known good; checking
    // them is a quarter of GDAL's work in creating a GeoPackage.
    CPLSetConfigOption("GDAL_VALIDATE_CREATION_OPTIONS", "NO");
    GDALAllRegister();
  });
}

QuietErrors::QuietErrors() {
  CPLPushErrorHandler(CPLQuietErrorHandler);
  CPLErrorReset();
}

QuietErrors::~QuietErrors() {
  CPLPopErrorHandler();
}

std::string LastMessage(const std::string& otherwise) {
  const char* message = CPLGetLastErrorMsg();
  if (message == nullptr || *message == '\0') return otherwise;
  return message;
}

}  // namespace koord::files::gdal
