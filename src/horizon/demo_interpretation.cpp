#include "horizon/demo_interpretation.h"

#include <cmath>
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

// The least drop of the reflector between neighbouring traces taken for the
// fault's throw rather than dip or structure.
constexpr double kFaultThrowMs = 20.0;

// The first trace index of a line beyond the fault (where the reflector drops
// most from one trace to the next, beyond column), or -1 when it runs
// unbroken from column on.
int FirstTraceBeyondFault(const DemoReflector& reflector, const SurveyHeader& h, int line,
                          int column) {
  int beyond = -1;
  double largest = kFaultThrowMs;
  for (int j = column + 1; j < h.traces_per_line; ++j) {
    double drop = reflector(line, j) - reflector(line, j - 1);
    if (drop > largest) largest = drop, beyond = j;
  }
  return beyond;
}

// Picks an in-line from the first trace beyond the fault to the end of the
// line, clicked where the reflector resumes there. Tracking from the footwall
// afterwards follows these picks instead of jumping cycles at the fault.
PickOutcome PickBeyondFault(const PickEnvironment& env, const SurveyHeader& h, int line, int column,
                            const DemoReflector& reflector) {
  const int beyond = FirstTraceBeyondFault(reflector, h, line, column);
  if (beyond < 0) return PickOutcome::Picked;
  PickGesture click;
  click.start_position = click.end_position = h.TraceNumber(beyond);
  click.start_time = click.end_time = static_cast<int>(std::lround(reflector(line, beyond)));
  click.direction = TrackDirection::Right;
  return PickLine(env, InlineSection(h, line), click);
}

}  // namespace

int AddDemoInterpretation(const std::string& header_path, std::ostream&, std::ostream& err,
                          const DemoCorrelation& correlation) {
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
  const DemoReflector reflector =
      correlation ? correlation(h, centre, column, click.start_time) : DemoReflector{};

  // Four in-lines, each clicked where the cross-line crosses it.
  HorizonGrid time(h.num_lines, h.traces_per_line);
  ReadHorizon(env.horizon.path, &time, nullptr);
  for (int n = 1; n <= 7; n += 2) {
    const int line = n * (h.num_lines - 1) / 8;
    if (time.At(line, column) == HORIZON_NULL) continue;
    if (reflector && PickBeyondFault(env, h, line, column, reflector) != PickOutcome::Picked)
      return 1;
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
