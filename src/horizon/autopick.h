#pragma once
// Autopicking: completes a horizon from its seeds over the zoom window (or a
// polygon region) by linear interpolation along one grid direction or by
// gridding, then optionally snaps every non-seed cell to the event.
#include <functional>

#include "horizon/pick_environment.h"

namespace quarrix {

class ProcessGroup;
class Progress;

enum class AutopickMode {
  FromInlineSeeds = 1,     // interpolation across the lines, trace by trace
  FromCrosslineSeeds = 2,  // interpolation along the lines
  FromGridding = 4,
};

// Fills the null cells of a time grid inside an index area (and region, when
// not empty) from its non-null cells. The gridding engine lives with the maps,
// above this library, so the caller hands it in.
using AreaGridder =
    std::function<void(HorizonGrid& time, const IndexArea& area, const GridRegion& region,
                       Progress& progress, Prompter& prompter)>;

struct AutopickRequest {
  AutopickMode mode = AutopickMode::FromInlineSeeds;
  bool snap = true;  // "Snap Horizon from Grid"
  AreaGridder gridder;
  int threads = 1;  // the snap pass shares its rows out among this many
  // The job's processes, each snapping its run of rows; the first updates
  // the style, gathers the rows and writes the horizon (null: this one alone).
  ProcessGroup* group = nullptr;
};

// Cancelled: the user stopped the work and the horizon was left as it was.
enum class AutopickOutcome { Finished, NoRegistration, Failed, Cancelled };

// Clears the erase flag of the horizon's pick type, fills and snaps, and
// writes both grids and the registration once. With a region only gridding
// is used. Seed cells are never changed.
AutopickOutcome Autopick(const PickEnvironment& env, const AutopickRequest& request,
                         Progress& progress);

// The linear fill of one run of cells (a column for in-line seeds, a row for
// cross-line seeds): cell(k) gives the time cell and is_seed(k) the
// registration test of position k of the run.
void InterpolateRun(int first, int last, const std::function<std::int16_t&(int)>& cell,
                    const std::function<bool(int)>& is_seed);

}  // namespace quarrix
