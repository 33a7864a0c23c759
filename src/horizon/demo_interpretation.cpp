#include "horizon/demo_interpretation.h"

#include <ostream>

#include "horizon/autopick.h"
#include "horizon/batch_setup.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "horizon/pick_line.h"
#include "horizon/time_slices.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

constexpr int kDemoPickWindowMs = 16;

// The strongest trough of a trace between two times, as the interpreter's
// first click would find it.
int StrongestTroughMs(TraceReader& trace, const SurveyHeader& h, int line, int column, int from_ms,
                      int to_ms) {
  trace.Read(line, column);
  int best = from_ms, best_value = 0;
  for (int t = from_ms; t <= to_ms; ++t) {
    std::int16_t v = trace.SampleAtMs(t - h.start_time);
    if (v != HORIZON_NULL && v < best_value) {
      best_value = v;
      best = t;
    }
  }
  return best;
}

}  // namespace

int AddDemoInterpretation(const std::string& header_path, std::ostream&, std::ostream& err) {
  auto batch = OpenBatchProject(header_path, true, "demo", err);
  if (!batch) return 1;
  const SurveyHeader& h = batch->project.header;
  PickEnvironment env = batch->Environment(kDemoHorizonName, kDemoPickWindowMs);
  if (!CreateHorizonFile(env.horizon, h) ||
      !UpdateHorizonStyle(env.horizon.path, [](HorizonStyle& s) { s.pick_type = kPickTrough; })) {
    err << "demo: cannot create " << env.horizon.path << '\n';
    return 1;
  }
  // One cross-line a fifth of the way along the lines, in the fault's footwall.
  const int column = (h.traces_per_line - 1) / 5;
  TraceReader trace(batch->project.amp, h, nullptr);
  const int centre = h.num_lines / 2;
  PickGesture click;
  click.start_position = click.end_position = h.LineNumber(centre);
  click.start_time = click.end_time = StrongestTroughMs(trace, h, centre, column, 960, 1100);
  if (PickLine(env, CrosslineSection(h, column), click) != PickOutcome::Picked) return 1;

  // Four in-lines, each clicked where the cross-line crosses it.
  HorizonGrid time(h.num_lines, h.traces_per_line);
  ReadHorizon(env.horizon.path, &time, nullptr);
  for (int n = 1; n <= 7; n += 2) {
    const int line = n * (h.num_lines - 1) / 8;
    if (time.At(line, column) == HORIZON_NULL) continue;
    click.start_position = click.end_position = h.TraceNumber(column);
    click.start_time = click.end_time = time.At(line, column);
    if (PickLine(env, InlineSection(h, line), click) != PickOutcome::Picked) return 1;
  }
  NullProgress progress;
  if (Autopick(env, {AutopickMode::FromInlineSeeds, true, {}}, progress) !=
      AutopickOutcome::Finished)
    return 1;

  SliceRun run =
      GenerateTimeSlices(h, batch->project.amp, nullptr, batch->folder,
                         {kDemoSliceMs, kDemoSliceMs, 0, nullptr}, progress, batch->prompter);
  return run.written.empty() ? 1 : 0;
}

}  // namespace quarrix
