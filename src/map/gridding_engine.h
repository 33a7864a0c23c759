#pragma once
// The gridding engine proper, over a work grid that covers the area being
// gridded: its non-null cells are the data, and each wanted node receives its
// interpolated value (value + 0.5 truncated; null outside the data when not
// extrapolating).
#include <cstdint>
#include <string>
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/delaunay_mesh.h"
#include "map/gridding.h"

namespace quarrix {

// The least-squares plane z = a0 + a1 x + a2 y of the data.
struct DataPlane {
  double a0 = 0, a1 = 0, a2 = 0;
  double At(double x, double y) const { return a0 + a1 * x + a2 * y; }
};

DataPlane FitPlane(const std::vector<GridPoint>& points, std::size_t count);

// wanted: one flag per work cell, the nodes whose values are needed.
GriddingResult GridWorkCells(HorizonGrid& work, const std::vector<std::uint8_t>& wanted,
                             const GriddingOptions& options, const std::string& label,
                             Progress& progress, Prompter& prompter);

}  // namespace quarrix
