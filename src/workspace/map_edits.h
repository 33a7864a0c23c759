#pragma once
// The map windows' edits of the current horizon: over the zoom window, or
// over the polygon region drawn on the map when there is one. Each is
// remembered for the one-step undo like a pick.
#include "horizon/autopick.h"
#include "horizon/grid_region.h"

namespace quarrix {

class Progress;
class Prompter;
struct Workspace;

// "Erase Interior Rgn" / "Erase Exterior Rgn": asks first, then erases the
// picks inside (or outside) the region within the zoom window.
bool EraseCurrentInRegion(Workspace& workspace, const GridRegion& region, bool inside,
                          Prompter& prompter);

// "Clear Auto Picks" of a map: the interpolated cells of the zoom window, of
// the region when there is one.
bool ClearCurrentAutoPicksIn(Workspace& workspace, const GridRegion& region, Prompter& prompter);

// "Autopick All Lines": fills the current horizon over the zoom window, or by
// gridding over the region when there is one, then snaps when asked. A
// cancelled autopick leaves the horizon as it was.
AutopickOutcome AutopickCurrent(Workspace& workspace, const GridRegion& region, AutopickMode mode,
                                bool snap, Progress& progress, Prompter& prompter);

}  // namespace quarrix
