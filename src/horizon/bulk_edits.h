#pragma once
// Edits of a whole area of the current horizon: snapping every pick to its
// event, erasing picks in the zoom window or a region, clearing autopicks.
#include "horizon/pick_environment.h"

namespace quarrix {

class Progress;

enum class EditOutcome { Done, Declined, NoRegistration, Failed };

// Moves every pick of the zoom window to the event of the horizon's pick type
// (the erase flag is cleared first); cells whose trace shows no event become
// null. The registration is not changed. Progress steps every fifth line.
EditOutcome SnapHorizon(const PickEnvironment& env, Progress& progress);

// After the "Are You Sure?" question: every cell of the zoom window null, registration 0.
EditOutcome ErasePicksInWindow(const PickEnvironment& env);

// Every cell of the zoom window inside (or outside) the region: null, registration 0.
EditOutcome ErasePicksInRegion(const PickEnvironment& env, bool inside);

// Nulls every zoom-window cell (inside the region when there is one) whose
// registration is 0: filled and autopicked cells. Seeds and blanks stay.
EditOutcome ClearAutoPicks(const PickEnvironment& env);

}  // namespace quarrix
