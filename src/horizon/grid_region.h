#pragma once
// A polygon region drawn on a map, in grid units (trace index across, line index
// down), filled by the winding rule. Gridding and picking use it to say which
// cells they may change.
#include <vector>

namespace quarrix {

struct RegionVertex {
  double column = 0;
  double row = 0;
};

class GridRegion {
 public:
  GridRegion() = default;
  explicit GridRegion(std::vector<RegionVertex> vertices) : vertices_(std::move(vertices)) {}

  bool Empty() const { return vertices_.size() < 3; }
  const std::vector<RegionVertex>& vertices() const { return vertices_; }

  // Whether the cell (column, row) lies in the region: like a pixel of a filled
  // polygon, it is inside when its centre (column + 0.5, row + 0.5) has a
  // non-zero winding number.
  bool ContainsCell(int column, int row) const;

 private:
  std::vector<RegionVertex> vertices_;
};

}  // namespace quarrix
