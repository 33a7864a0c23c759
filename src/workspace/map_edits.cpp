#include "workspace/map_edits.h"

#include "horizon/bulk_edits.h"
#include "map/gridding.h"
#include "platform/prompter.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

// Autopicking by gridding fills with the natural-neighbour gridding.
void GridArea(HorizonGrid& time, const IndexArea& area, const GridRegion& region,
              Progress& progress, Prompter& prompter) {
  GridRectangle rectangle{area.first_column, area.first_row,
                          area.last_column - area.first_column + 1,
                          area.last_row - area.first_row + 1};
  GridHorizonArea(time, rectangle, region, GriddingOptions{}, progress, prompter);
}

}  // namespace

bool EraseCurrentInRegion(Workspace& w, const GridRegion& region, bool inside, Prompter& prompter) {
  if (region.Empty()) return false;
  auto env = CurrentEnvironment(w, prompter, region);
  if (!env) return false;
  const std::string question = std::string("You are about to erase all picked horizon times\n") +
                               (inside ? "INSIDE" : "OUTSIDE") +
                               " the polygon region.\n\nDo you wish to proceed?";
  if (prompter.Message(question, "Erase Picks", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return false;
  RememberForUndo(w);
  return ErasePicksInRegion(*env, inside) == EditOutcome::Done;
}

bool ClearCurrentAutoPicksIn(Workspace& w, const GridRegion& region, Prompter& prompter) {
  auto env = CurrentEnvironment(w, prompter, region);
  if (!env) return false;
  RememberForUndo(w);
  return ClearAutoPicks(*env) == EditOutcome::Done;
}

AutopickOutcome AutopickCurrent(Workspace& w, const GridRegion& region, AutopickMode mode,
                                bool snap, Progress& progress, Prompter& prompter) {
  auto env = CurrentEnvironment(w, prompter, region);
  if (!env) return AutopickOutcome::Failed;
  RememberForUndo(w);
  const AutopickOutcome outcome = Autopick(*env, {mode, snap, GridArea}, progress);
  if (outcome == AutopickOutcome::NoRegistration) prompter.Tell(kPickRegistrationFailed);
  return outcome;
}

}  // namespace quarrix
