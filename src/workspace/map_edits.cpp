#include "workspace/map_edits.h"

#include "horizon/bulk_edits.h"
#include "map/gridding.h"
#include "platform/parallel.h"
#include "platform/prompter.h"
#include "workspace/workspace.h"

namespace quarrix {
AutopickChoice StartAutopickChoice(const Workspace& w, bool has_region) {
  AutopickChoice choice;
  const int mode = w.settings.autopick_mode;
  choice.mode = mode == 2   ? AutopickMode::FromCrosslineSeeds
                : mode == 4 ? AutopickMode::FromGridding
                            : AutopickMode::FromInlineSeeds;
  if (has_region) {
    choice.mode = AutopickMode::FromGridding;
    choice.seeds_allowed = false;
  }
  return choice;
}

void StoreAutopickChoice(Workspace& w, const AutopickChoice& choice) {
  w.settings.autopick_mode = static_cast<int>(choice.mode);
}

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

AutopickOutcome AutopickCurrent(Workspace& w, const GridRegion& region,
                                const AutopickChoice& choice, Progress& progress,
                                Prompter& prompter,
                                const GriddingOptionsQuestion& gridding_options) {
  auto env = CurrentEnvironment(w, prompter, region);
  if (!env) return AutopickOutcome::Failed;
  // Natural-neighbour gridding over the area, with the options asked for this run.
  auto grid = [&gridding_options](HorizonGrid& time, const IndexArea& area,
                                  const GridRegion& inside, Progress& p, Prompter& pr) {
    std::optional<GriddingOptions> options =
        gridding_options ? gridding_options() : GriddingOptions{};
    if (!options) return;
    options->threads = MachineThreadCount();
    GridRectangle rectangle{area.first_column, area.first_row,
                            area.last_column - area.first_column + 1,
                            area.last_row - area.first_row + 1};
    GridHorizonArea(time, rectangle, inside, *options, p, pr);
  };
  RememberForUndo(w);
  // The windows' autopick uses every core; the horizon is the same for any count.
  AutopickRequest request{choice.mode, choice.snap, grid};
  request.threads = MachineThreadCount();
  const AutopickOutcome outcome = Autopick(*env, request, progress);
  if (outcome == AutopickOutcome::NoRegistration) prompter.Tell(kPickRegistrationFailed);
  return outcome;
}

}  // namespace quarrix
