#pragma once
// Grid smoothing kernels and hole filling, shared by the map plots and horizon math.
#include "horizon/horizon_grid.h"

namespace quarrix {

// Weighted moving averages with integer weights: light is 3 x 3 (weights sum 10),
// heavy 5 x 5 (sum 36). The grid is padded by repeating its edge rows and columns;
// a cell whose window holds a null keeps its value; otherwise it becomes the
// weighted sum divided by the weight sum, truncated toward zero.
HorizonGrid LightSmooth(const HorizonGrid& grid);
HorizonGrid HeavySmooth(const HorizonGrid& grid);

// Fills every run of nulls that has a value on both sides linearly between them,
// first along each row, then along each column of the row-filled grid. Runs that
// touch the grid edge stay null.
HorizonGrid FillHoles(const HorizonGrid& grid);

}  // namespace quarrix
