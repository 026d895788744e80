#include "tests/accuracy/Proj.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace koord::accuracy {
namespace {

PJ* Checked(PJ* operation, PJ_CONTEXT* context, const std::string& what) {
  if (operation == nullptr) {
    const std::string reason = proj_context_errno_string(context, proj_context_errno(context));
    proj_context_destroy(context);
    throw std::runtime_error("PROJ cannot create " + what + ": " + reason);
  }
  return operation;
}

}  // namespace

ProjOperation::ProjOperation(const std::string& definition)
    : context_(proj_context_create()),
      operation_(Checked(proj_create(context_, definition.c_str()), context_, definition)) {}

ProjOperation::ProjOperation(const std::string& sourceCrs, const std::string& targetCrs)
    : context_(proj_context_create()),
      operation_(
          Checked(proj_create_crs_to_crs(context_, sourceCrs.c_str(), targetCrs.c_str(), nullptr),
                  context_, sourceCrs + " -> " + targetCrs)) {}

ProjOperation::~ProjOperation() {
  proj_destroy(operation_);
  proj_context_destroy(context_);
}

PJ_COORD ProjOperation::Forward(double u, double v) const {
  return Transform(PJ_FWD, u, v);
}

PJ_COORD ProjOperation::Inverse(double u, double v) const {
  return Transform(PJ_INV, u, v);
}

PJ_COORD ProjOperation::Transform(PJ_DIRECTION direction, double u, double v) const {
  proj_errno_reset(operation_);
  const PJ_COORD out = proj_trans(operation_, direction, proj_coord(u, v, 0, 0));
  if (proj_errno(operation_) != 0 || !std::isfinite(out.v[0]) || !std::isfinite(out.v[1])) {
    throw std::runtime_error("PROJ fails at " + std::to_string(u) + " " + std::to_string(v));
  }
  return out;
}

std::string ProjOperation::LastUsedName() const {
  PJ* used = proj_trans_get_last_used_operation(operation_);
  if (used == nullptr) return {};
  const std::string name = proj_pj_info(used).description;
  proj_destroy(used);
  return name;
}

ProjOperation::Area ProjOperation::LastUsedArea() const {
  Area area;
  PJ* used = proj_trans_get_last_used_operation(operation_);
  if (used == nullptr) return area;
  if (!proj_get_area_of_use(context_, used, &area.west, &area.south, &area.east, &area.north,
                            nullptr)) {
    area = Area{};
  }
  proj_destroy(used);
  return area;
}

std::string MolodenskyDefinition(const DatumRecord& datum, const EllipsoidRecord& ellipsoid) {
  char text[256];
  std::snprintf(text, sizeof text,
                "+proj=molodensky +a=%.17g +rf=%.17g +da=%d +df=%.17g +dx=%.17g +dy=%.17g "
                "+dz=%.17g",
                ellipsoid.SemiMajorAxis, ellipsoid.InverseFlattening, datum.Da, datum.Df, datum.Dx,
                datum.Dy, datum.Dz);
  return text;
}

}  // namespace koord::accuracy
