#pragma once
// "Interpolate Faults" (linear or by gridding) and "Uninterpolate Faults".
// Interpolated cells hold plain times below 8192; seeds never change.
#include "fault/fault_grid.h"
#include "map/gridding.h"

namespace quarrix {

class Progress;
class Prompter;

// Linear interpolation of the seeds: gaps between two values are filled
// along each row, then along each column; the result is smoothed by a 5 x 5
// weighted average (cells near a null keep their value) and every cell that
// is not a seed takes it.
void InterpolateFaultLinear(FaultGrid& grid);

// The smoothing step alone: weights 1 on the outer ring, 2 on the inner ring,
// 4 at the centre, over the grid padded by repeating its edges; a cell whose
// 5 x 5 neighbourhood holds a null keeps its value.
FaultGrid SmoothFaultWorkGrid(const FaultGrid& work);

// Natural-neighbour gridding of the seeds over the fault's extent: every null
// cell there gets the gridded value. Nothing happens to an empty fault.
GriddingResult InterpolateFaultGridding(FaultGrid& grid, const GriddingOptions& options,
                                        Progress& progress, Prompter& prompter);

// Nulls every cell below 8192 (interpolated or converted times).
void UninterpolateFault(FaultGrid& grid);

}  // namespace quarrix
