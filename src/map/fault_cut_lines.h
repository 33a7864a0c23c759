#pragma once
// Where a fault surface cuts a horizon, seen from above: the lines along
// which the horizon's time equals the fault's time. A fault grid holds a time
// for every bin the fault surface passes over, so drawing its cells would
// paint a wide band; the cut is the one line a map reader expects.
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/horizon_map.h"
#include "map/map_overlays.h"

namespace quarrix {

// Every null cell given the value of a nearest picked cell (breadth first).
HorizonGrid NearestFilled(const HorizonGrid& grid);

// The cut lines inside the zoom window, in survey (row, column). `times` and
// `fault` have the survey's shape; a fault cell of 32700 is no fault and a
// seed (time + 8192) stands for its time. The horizon's holes (often blanked
// along the fault itself) take their nearest time first.
std::vector<GridPolyline> FaultCutLines(const HorizonGrid& times, const HorizonGrid& fault,
                                        const MapZoom& zoom);

// The fault's line on a map: where it cuts the horizon, or, for a fault that
// stops short of it, its trace nearest the horizon (on every line, or every
// trace when it was picked across, the fault cell closest to the horizon's
// time), so that a fault chosen for the plot is always shown.
std::vector<GridPolyline> FaultMapLines(const HorizonGrid& times, const HorizonGrid& fault,
                                        const MapZoom& zoom);

}  // namespace quarrix
