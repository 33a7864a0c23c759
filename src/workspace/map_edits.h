#pragma once
// The map windows' edits of the current horizon: over the zoom window, or
// over the polygon region drawn on the map when there is one. Each is
// remembered for the one-step undo like a pick.
#include <functional>
#include <optional>

#include "horizon/autopick.h"
#include "horizon/grid_region.h"
#include "map/gridding.h"

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

// What "Autopick Options" starts from: the workspace's autopick mode, the
// snap on; with a region only gridding may be chosen.
struct AutopickChoice {
  AutopickMode mode = AutopickMode::FromInlineSeeds;
  bool snap = true;
  bool seeds_allowed = true;  // the two interpolation modes
};
AutopickChoice StartAutopickChoice(const Workspace& workspace, bool has_region);
// Remembers the chosen mode for the next time (and "pickedit.ini").
void StoreAutopickChoice(Workspace& workspace, const AutopickChoice& choice);

// The "Gridding Options" answer for one run; nothing when cancelled, which
// leaves the grid as it was while the rest of the autopick still runs.
using GriddingOptionsQuestion = std::function<std::optional<GriddingOptions>()>;

// "Autopick All Lines": fills the current horizon over the zoom window, or by
// gridding over the region when there is one, then snaps when asked. A
// cancelled autopick leaves the horizon as it was.
AutopickOutcome AutopickCurrent(Workspace& workspace, const GridRegion& region,
                                const AutopickChoice& choice, Progress& progress,
                                Prompter& prompter,
                                const GriddingOptionsQuestion& gridding_options = {});

}  // namespace quarrix
