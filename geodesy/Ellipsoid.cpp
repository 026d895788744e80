#include "geodesy/Ellipsoid.h"

namespace koord {

EllipsoidInUse& CurrentEllipsoid() {
  thread_local EllipsoidInUse current;
  return current;
}

}  // namespace koord
