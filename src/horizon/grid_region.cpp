#include "horizon/grid_region.h"

namespace quarrix {

bool GridRegion::ContainsCell(int column, int row) const {
  if (Empty()) return false;
  double x = column + 0.5, y = row + 0.5;
  int winding = 0;
  std::size_t count = vertices_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const RegionVertex& a = vertices_[i];
    const RegionVertex& b = vertices_[(i + 1) % count];
    double side = (b.column - a.column) * (y - a.row) - (x - a.column) * (b.row - a.row);
    if (a.row <= y) {
      if (b.row > y && side > 0) ++winding;
    } else if (b.row <= y && side < 0) {
      --winding;
    }
  }
  return winding != 0;
}

}  // namespace quarrix
