#pragma once
// The one-step undo of pick edits: the current horizon's cells and
// registration as they were before the last edit, and putting back every
// cell the edit changed.
#include <optional>
#include <string>

#include "fault/fault_grid.h"
#include "horizon/horizon_grid.h"
#include "horizon/horizon_location.h"
#include "horizon/pick_registration.h"

namespace quarrix {

// The current fault's cells before the last fault edit.
struct FaultUndo {
  std::string path;
  FaultGrid grid;
};

struct PickUndo {
  HorizonLocation horizon;
  HorizonGrid time, amplitude;
  std::optional<PickRegistration> registration;  // none when the horizon had no ".hop"
};

// The horizon as it is now, or nothing when it cannot be read.
std::optional<PickUndo> SnapshotHorizon(const HorizonLocation& horizon, const SurveyHeader& header);

// Writes back, in place, every cell that differs from the snapshot and the
// snapshot's registration. Gives the number of cells restored, or -1 when a
// write failed.
int RestoreHorizon(const PickUndo& undo, const SurveyHeader& header);

}  // namespace quarrix
