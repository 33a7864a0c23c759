#include "horizon/bulk_edits.h"

#include "horizon/horizon_style.h"
#include "platform/numeric.h"
#include "platform/progress.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

EditOutcome Outcome(WorkLoad load) {
  return load == WorkLoad::NoRegistration ? EditOutcome::NoRegistration : EditOutcome::Failed;
}

// Nulls the cells of the zoom window that keep(row, column) picks, with the
// registration set to 0 when reset_registration.
template <typename Pick>
EditOutcome NullCells(const PickEnvironment& env, bool reset_registration, Pick pick) {
  HorizonWork work;
  if (WorkLoad load = LoadHorizonWork(env, work); load != WorkLoad::Loaded) return Outcome(load);
  IndexArea area = ZoomIndexArea(env.header, env.zoom);
  for (int i = area.first_row; i <= area.last_row; ++i)
    for (int j = area.first_column; j <= area.last_column; ++j) {
      if (!pick(work, i, j)) continue;
      work.time.At(i, j) = work.amplitude.At(i, j) = HORIZON_NULL;
      if (reset_registration) work.registration.At(i, j) = kRegNone;
    }
  return SaveHorizonWork(env, work) ? EditOutcome::Done : EditOutcome::Failed;
}

}  // namespace

EditOutcome SnapHorizon(const PickEnvironment& env, Progress& progress) {
  const SurveyHeader& h = env.header;
  HorizonGrid time(h.num_lines, h.traces_per_line), amplitude(h.num_lines, h.traces_per_line);
  if (std::string problem;
      ReadWholeHorizon(env.horizon.path, &time, &amplitude, problem) != HorizonReadResult::Ok) {
    env.prompter.Tell(problem, "Error", MessageIcon::Error);
    return EditOutcome::Failed;
  }
  HorizonStyle style;
  if (!UpdateHorizonStyle(env.horizon.path, [&](HorizonStyle& s) {
        s.pick_type &= 7;
        style = s;
      }))
    return EditOutcome::Failed;
  TraceReader trace(env.amp, h, env.conditioner);
  const PickSearchParams params = env.SearchParams(style.pick_type);
  IndexArea area = ZoomIndexArea(h, env.zoom);
  progress.SetRange(area.first_row, area.last_row + 1);
  for (int i = area.first_row; i <= area.last_row; ++i) {
    if ((i - area.first_row) % 5 == 0) progress.SetPosition(i);
    for (int j = area.first_column; j <= area.last_column; ++j) {
      if (!trace.Read(i, j)) break;
      std::int16_t& t = time.At(i, j);
      int r = t == HORIZON_NULL ? 0 : PickSearch(trace.samples(), t - h.start_time, params);
      if (r < 0) continue;  // a horizon without a pick type is left as it is
      if (r == 0) {
        t = amplitude.At(i, j) = HORIZON_NULL;
      } else {
        t = Trunc16(static_cast<double>(r) + h.start_time);
        amplitude.At(i, j) = trace.SampleAtMs(r);
      }
    }
  }
  progress.SetLabel("Repick Finished");
  return WriteHorizon(env.horizon.path, &time, &amplitude) ? EditOutcome::Done
                                                           : EditOutcome::Failed;
}

EditOutcome ErasePicksInWindow(const PickEnvironment& env) {
  if (env.prompter.Message("You are about to delete all picks in window.", "Are You Sure?",
                           MessageIcon::Stop, MessageButtons::YesNo) != MessageAnswer::Yes)
    return EditOutcome::Declined;
  return NullCells(env, true, [](const HorizonWork&, int, int) { return true; });
}

EditOutcome ErasePicksInRegion(const PickEnvironment& env, bool inside) {
  return NullCells(env, true, [&](const HorizonWork&, int i, int j) {
    return env.region.ContainsCell(j, i) == inside;
  });
}

EditOutcome ClearAutoPicks(const PickEnvironment& env) {
  return NullCells(env, false, [&](const HorizonWork& work, int i, int j) {
    return work.registration.At(i, j) == kRegNone && env.InRegion(i, j);
  });
}

}  // namespace quarrix
