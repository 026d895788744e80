#pragma once
// What the file layer's sources share of GDAL: its drivers registered once,
// the ownership of its objects, and its error messages caught rather than
// printed. Private to files/: no header of the layer includes it.

#include <gdal_priv.h>
#include <memory>
#include <ogrsf_frmts.h>
#include <string>

namespace koord::files::gdal {

// Registers GDAL's drivers and the reading options the layer relies on,
// once per process.
void Start();

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(GDALDataset::ToHandle(dataset)); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

struct FeatureDeleter {
  void operator()(OGRFeature* feature) const { OGRFeature::DestroyFeature(feature); }
};
using Feature = std::unique_ptr<OGRFeature, FeatureDeleter>;

// While one lives, GDAL's errors and warnings on this thread are kept for
// LastMessage instead of going to the standard error.
class QuietErrors {
 public:
  QuietErrors();
  ~QuietErrors();
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;
};

// GDAL's last error message on this thread; `otherwise` when it has none.
std::string LastMessage(const std::string& otherwise);

}  // namespace koord::files::gdal
