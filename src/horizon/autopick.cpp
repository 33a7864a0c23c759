#include "horizon/autopick.h"

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "horizon/horizon_style.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/process_group.h"
#include "platform/progress.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

// The snap pass ("Data Analysis"): every non-seed cell of the area moves to
// its event or becomes a blank; each such trace is read once. Each cell
// depends on its own trace alone, so the rows may be shared out among
// threads.
// Snaps the rows of the area in the range (counted from the area's first row).
void SnapPass(const PickEnvironment& env, HorizonWork& work, const IndexArea& area, int pick_type,
              int threads, LineRange range, Progress& progress) {
  const SurveyHeader& h = env.header;
  const WorkerConditioners conditioners(env.conditioner, ThreadsForWholeFile(env.amp, h, threads));
  const int rows = range.count();
  const LinePassPlan plan = PlanLinePass(h, rows, conditioners.threads());
  std::vector<std::unique_ptr<TraceReader>> traces;
  for (int w = 0; w < conditioners.threads(); ++w)
    traces.push_back(std::make_unique<TraceReader>(env.amp, h, conditioners.For(w),
                                                   TraceOrder::LineByLine, plan.block_bytes));
  const PickSearchParams params = env.SearchParams(pick_type);
  auto snap_rows = [&](int w, int first, int end) {
    TraceReader& trace = *traces[static_cast<std::size_t>(w)];
    for (int i = area.first_row + range.first + first; i < area.first_row + range.first + end; ++i)
      for (int j = area.first_column; j <= area.last_column; ++j) {
        if (work.registration.IsSeed(i, j) || !env.InRegion(i, j)) continue;
        if (!trace.Read(i, j)) break;
        std::int16_t t = work.time.At(i, j);
        int r = t == HORIZON_NULL ? 0 : PickSearch(trace.samples(), t - h.start_time, params);
        if (r >= 0) StorePick(work, i, j, r, trace, h, RegistrationRule::Analysed, false);
      }
  };
  progress.SetLabel("Data Analysis");
  progress.SetRange(0, rows);
  ForEachLineBatch(rows, conditioners.threads(), plan.lines_per_task, snap_rows,
                   [&](int rows_done) {
                     progress.SetPosition(rows_done);
                     return !progress.Cancelled();
                   });
}

// Puts every process's snapped rows of the grids and registration together
// on the first process; rows are whole grid rows, the same on every process
// outside the ones it snapped.
void GatherRows(ProcessGroup& group, int first_row, LineRange range, HorizonWork& work) {
  if (group.Size() == 1) return;
  auto gather = [&](auto* whole, std::size_t columns) {
    using Cell = std::remove_pointer_t<decltype(whole)>;
    const std::size_t row_bytes = columns * sizeof(Cell);
    Cell* mine = whole + static_cast<std::size_t>(first_row + range.first) * columns;
    std::vector<char> all = group.GatherOnFirst(
        reinterpret_cast<const char*>(mine), static_cast<std::size_t>(range.count()) * row_bytes);
    if (group.IsFirst())
      std::memcpy(whole + static_cast<std::size_t>(first_row) * columns, all.data(), all.size());
  };
  gather(work.time.cells.data(), static_cast<std::size_t>(work.time.columns));
  gather(work.amplitude.cells.data(), static_cast<std::size_t>(work.amplitude.columns));
  gather(work.registration.bytes.data(), static_cast<std::size_t>(work.registration.columns));
}

// Loads the horizon on every process: the first process first, as it may
// build a missing registration. Anything but Loaded on any process stops all.
WorkLoad LoadWorkInGroup(const PickEnvironment& env, ProcessGroup& group, HorizonWork& work) {
  WorkLoad load = WorkLoad::Loaded;
  if (group.IsFirst()) load = LoadHorizonWork(env, work);
  if (!group.AllOk(load == WorkLoad::Loaded)) return group.IsFirst() ? load : WorkLoad::CannotRead;
  if (!group.IsFirst()) load = LoadHorizonWork(env, work);
  if (!group.AllOk(load == WorkLoad::Loaded)) return WorkLoad::CannotRead;
  return WorkLoad::Loaded;
}

}  // namespace

void InterpolateRun(int first, int last, const std::function<std::int16_t&(int)>& cell,
                    const std::function<bool(int)>& is_seed) {
  auto fill = [&](int from, int to, double start, double slope) {
    for (int k = from; k <= to; ++k)
      if (!is_seed(k)) cell(k) = Trunc16(start + (k - from) * slope);
  };
  int prev_value = 0, prev_index = first;
  for (int k = first; k <= last; ++k) {
    if (!is_seed(k)) continue;
    const int v = cell(k);
    if (prev_value == 0) {
      fill(first, k - 1, v, 0.0);
    } else {
      double slope = 0.0;
      if (prev_value == HORIZON_NULL)
        prev_value = v;
      else if (v != HORIZON_NULL)
        slope = static_cast<double>(v - prev_value) / static_cast<double>(k - prev_index);
      fill(prev_index, k - 1, prev_value, slope);
    }
    prev_value = v;
    prev_index = k;
  }
  if (prev_value != 0) fill(prev_index, last, prev_value, 0.0);
}

AutopickOutcome Autopick(const PickEnvironment& env, const AutopickRequest& request,
                         Progress& progress) {
  SingleProcess alone;
  ProcessGroup& group = request.group ? *request.group : alone;
  HorizonStyle style;
  const bool styled =
      !group.IsFirst() || UpdateHorizonStyle(env.horizon.path, [&](HorizonStyle& s) {
        s.pick_type &= 7;
        style = s;
      });
  if (!group.AllOk(styled)) return AutopickOutcome::Failed;
  // The pick type as the first process read it (the others read nothing).
  style.pick_type = static_cast<int>(group.Sum(group.IsFirst() ? style.pick_type : 0));
  HorizonWork work;
  switch (LoadWorkInGroup(env, group, work)) {
    case WorkLoad::NoRegistration: return AutopickOutcome::NoRegistration;
    case WorkLoad::CannotRead: return AutopickOutcome::Failed;
    case WorkLoad::Loaded: break;
  }
  const IndexArea area = ZoomIndexArea(env.header, env.zoom);
  AutopickMode mode = env.region.Empty() ? request.mode : AutopickMode::FromGridding;
  if (area.Empty()) {
    // Nothing to fill.
  } else if (mode == AutopickMode::FromGridding) {
    progress.SetLabel("Start Gridding");
    if (request.gridder) request.gridder(work.time, area, env.region, progress, env.prompter);
  } else {
    const bool across_lines = mode == AutopickMode::FromInlineSeeds;
    progress.SetLabel("Start Data Interpolation");
    const int runs = across_lines ? area.last_column - area.first_column + 1
                                  : area.last_row - area.first_row + 1;
    progress.SetRange(0, runs);
    for (int n = 0; n < runs; ++n) {
      progress.SetPosition(n + 1);
      if (across_lines) {
        const int j = area.first_column + n;
        InterpolateRun(
            area.first_row, area.last_row,
            [&](int i) -> std::int16_t& { return work.time.At(i, j); },
            [&](int i) { return work.registration.IsSeed(i, j); });
      } else {
        const int i = area.first_row + n;
        InterpolateRun(
            area.first_column, area.last_column,
            [&](int j) -> std::int16_t& { return work.time.At(i, j); },
            [&](int j) { return work.registration.IsSeed(i, j); });
      }
    }
  }
  if (request.snap && !area.Empty()) {
    const int rows = area.last_row - area.first_row + 1;
    const LineRange range = LinesOfRank(rows, group.Rank(), group.Size());
    SnapPass(env, work, area, style.pick_type, request.threads, range, progress);
    GatherRows(group, area.first_row, range, work);
  }
  // A cancelled fill is half done: nothing of it is written.
  if (!group.AllOk(!progress.Cancelled())) return AutopickOutcome::Cancelled;
  const bool saved = !group.IsFirst() || SaveHorizonWork(env, work);
  if (!group.AllOk(saved)) return AutopickOutcome::Failed;
  progress.SetLabel("Autopick Finished");
  return AutopickOutcome::Finished;
}

}  // namespace quarrix
