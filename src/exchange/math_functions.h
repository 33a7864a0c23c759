#pragma once
// The grid functions of horizon math that are not the shared smoothing and
// hole filling kernels: absolute value, null/zero swaps, flattening and
// interval amplitude averages.
#include "horizon/horizon_grid.h"
#include "project/amp_file.h"
#include "project/survey_header.h"

namespace quarrix {

class Progress;

// |value|; nulls stay null.
HorizonGrid AbsValueGrid(const HorizonGrid& grid);
HorizonGrid NullToZeroGrid(const HorizonGrid& grid);
HorizonGrid ZeroToNullGrid(const HorizonGrid& grid);

// The reference "Flatten Horizon" proposes: (minimum + maximum) / 2 over the
// non-null cells (0 when there are none).
int ProposedFlattenReference(const HorizonGrid& grid);
// reference - value for non-null cells, 0 for null cells.
HorizonGrid FlattenGrid(const HorizonGrid& grid, int reference);

enum class IntervalMode { Average, Absolute, Positive, Negative };

// For each cell where both times are non-null, the samples of the trace
// between the two times (both ends included, in either order) are summed
// (all, their absolute values, only positive or only negative samples) and
// the cell is sum / count truncated, 0 when none counted; other cells, and
// cells whose trace cannot be read, are null. Progress steps once per line.
HorizonGrid IntervalAverageGrid(const HorizonGrid& top, const HorizonGrid& base, AmpFile& amp,
                                const SurveyHeader& header, IntervalMode mode, Progress& progress);

}  // namespace quarrix
