#pragma once
// The straightforward natural-neighbour gridding that the fast engine must agree
// with: every triangle is scanned for every inserted point and for every node.
#include "horizon/horizon_grid.h"
#include "map/gridding.h"

namespace quarrix::testing {

// Returns the grid as GridHorizonArea should leave it.
HorizonGrid OracleGridHorizonArea(const HorizonGrid& grid, const GridRectangle& area,
                                  const GridRegion& region, const GriddingOptions& options);

}  // namespace quarrix::testing
