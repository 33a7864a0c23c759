#pragma once
// Cell-by-cell colour band fill for "L Contour" plots: each grid cell is cut
// exactly along the levels crossing it and every piece goes to the sink with
// its band, so no large polygon is ever needed.
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/contour_types.h"

namespace quarrix {

class Progress;

// Band of a value among descending levels: the first b >= 1 with
// levels[b - 1] <= value, else levels.size() + 1.
int BandOf(double value, const std::vector<int>& levels);

// Fills row by row (progress and cancellation once per cell row). Corners at or
// below options.lower_bound are left out; cells with fewer than 3 corners left
// are not drawn. Cells are cut along their (row, column)-(row+1, column+1) diagonal.
void DrawCellContours(const HorizonGrid& grid, const std::vector<int>& levels,
                      const ContourOptions& options, ContourSink& sink, Progress& progress);

}  // namespace quarrix
