#include "horizon/pick_line.h"

#include <algorithm>
#include <utility>

#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "platform/numeric.h"

namespace quarrix {
namespace {

// One gesture at work: the horizon in memory, the cells it changed and the
// trace buffer.
class GestureRun {
 public:
  GestureRun(const PickEnvironment& env, const PickSection& section, HorizonWork& work,
             int pick_type)
      : env_(env),
        section_(section),
        work_(work),
        trace_(env.amp, env.header, env.conditioner),
        params_(env.SearchParams(pick_type)),
        erase_((pick_type & kPickErase) != 0) {}

  const GridBin& Bin(int position) const {
    return section_.bins[static_cast<std::size_t>(position)];
  }
  bool Usable(int position) const {
    const GridBin& b = Bin(position);
    return BinInGrid(env_.header, b) && env_.InRegion(b.row, b.column);
  }
  std::int16_t Time(int position) const {
    return work_.time.At(Bin(position).row, Bin(position).column);
  }
  bool IsSeed(int position) const {
    return work_.registration.IsSeed(Bin(position).row, Bin(position).column);
  }
  bool ReadTraceAt(int position) { return trace_.Read(Bin(position).row, Bin(position).column); }
  int Search(int guess_ms) const {
    return PickSearch(trace_.samples(), guess_ms - env_.header.start_time, params_);
  }
  void Store(int position, int r) {
    const GridBin& b = Bin(position);
    StorePick(work_, b.row, b.column, r, trace_, env_.header, RegistrationRule::Seed, erase_);
    changed_.push_back({b.row, b.column, 0, 0});
  }
  std::vector<HorizonCell> ChangedCells() const {
    std::vector<HorizonCell> cells = changed_;
    for (HorizonCell& c : cells) {
      c.time = work_.time.At(c.row, c.column);
      c.amplitude = work_.amplitude.At(c.row, c.column);
    }
    return cells;
  }

 private:
  const PickEnvironment& env_;
  const PickSection& section_;
  HorizonWork& work_;
  TraceReader trace_;
  PickSearchParams params_;
  bool erase_;
  std::vector<HorizonCell> changed_;
};

bool SectionInsideZoom(const PickEnvironment& env, const PickSection& section) {
  IndexArea area = ZoomIndexArea(env.header, env.zoom);
  switch (section.kind) {
    case PickSectionKind::Inline:
      return section.position >= area.first_row && section.position <= area.last_row;
    case PickSectionKind::Crossline:
      return section.position >= area.first_column && section.position <= area.last_column;
    default: return true;
  }
}

// The positions the gesture may change: the zoom window along the section.
std::pair<int, int> AllowedRange(const PickEnvironment& env, const PickSection& section) {
  IndexArea area = ZoomIndexArea(env.header, env.zoom);
  switch (section.kind) {
    case PickSectionKind::Inline: return {area.first_column, area.last_column};
    case PickSectionKind::Crossline: return {area.first_row, area.last_row};
    default: return {0, section.count() - 1};
  }
}

int FlattenShift(const PickGesture& gesture, const GridBin& bin) {
  return gesture.flatten ? gesture.flatten->At(bin.row, bin.column) : 0;
}

// "Pick From Previous": each non-seed cell follows the previous section's pick.
void PickFromPrevious(const PickEnvironment& env, const PickSection& section, GestureRun& run,
                      const HorizonWork& work, const PickSection& previous, int first, int last) {
  auto previous_time = [&](int p) -> std::int16_t {
    if (p >= previous.count() || !BinInGrid(env.header, previous.bins[p])) return HORIZON_NULL;
    return work.time.At(previous.bins[p].row, previous.bins[p].column);
  };
  bool any = false;
  for (int p = std::max(first, 0); p < previous.count() && !any; ++p)
    any = previous_time(p) != HORIZON_NULL;
  if (!any) return;
  for (int p = first; p <= last; ++p) {
    if (!run.Usable(p) || run.IsSeed(p)) continue;
    std::int16_t guide = previous_time(p);
    if (guide == HORIZON_NULL) {
      run.Store(p, 0);
      continue;
    }
    if (!run.ReadTraceAt(p)) break;
    int r = run.Time(p) == HORIZON_NULL ? run.Search(guide) : run.Time(p) - env.header.start_time;
    run.Store(p, std::max(r, 0));
  }
}

// One click tracked along the line in one direction.
void Track(const PickEnvironment& env, GestureRun& run, int from, int to, int step, int guess) {
  for (int p = from; step > 0 ? p <= to : p >= to; p += step) {
    if (!run.Usable(p)) continue;
    if (!run.ReadTraceAt(p)) return;
    int r = run.Time(p) == HORIZON_NULL ? run.Search(guess) : run.Time(p) - env.header.start_time;
    if (r < 0) return;
    run.Store(p, r);
    if (r > 0) guess = r + env.header.start_time;
  }
}

// A dragged segment: the guess runs straight between the two ends.
void PickSegment(GestureRun& run, const PickSection& section, const PickGesture& g, int first,
                 int first_time, int last, int last_time) {
  double slope = last == first ? 0.0 : double(last_time - first_time) / double(last - first);
  for (int p = first; p <= last; ++p) {
    if (!run.Usable(p)) continue;
    if (!run.ReadTraceAt(p)) return;
    int guess = Trunc32(first_time + slope * (p - first) - FlattenShift(g, section.bins[p]));
    int r = run.Search(guess);
    if (r >= 0) run.Store(p, r);
  }
}

}  // namespace

PickOutcome PickLine(const PickEnvironment& env, const PickSection& section,
                     const PickGesture& gesture) {
  if (!SectionInsideZoom(env, section)) return PickOutcome::OutsideZoom;
  HorizonWork work;
  switch (LoadHorizonWork(env, work)) {
    case WorkLoad::NoRegistration: return PickOutcome::NoRegistration;
    case WorkLoad::CannotRead: return PickOutcome::Failed;
    case WorkLoad::Loaded: break;
  }
  const int pick_type = ReadHorizonStyle(env.horizon.path).value_or(HorizonStyle{}).pick_type;
  if (section.count() == 0) return PickOutcome::Picked;

  auto clamp_to_section = [&](int number) {
    return std::clamp(SectionPositionOf(env.header, section.kind, number), 0, section.count() - 1);
  };
  int first = clamp_to_section(gesture.start_position), first_time = gesture.start_time;
  int last = clamp_to_section(gesture.end_position), last_time = gesture.end_time;
  if (first > last) {
    std::swap(first, last);
    std::swap(first_time, last_time);
  }
  auto [allowed_first, allowed_last] = AllowedRange(env, section);
  allowed_last = std::min(allowed_last, section.count() - 1);
  first = std::clamp(first, allowed_first, std::max(allowed_first, allowed_last));
  last = std::clamp(last, allowed_first, std::max(allowed_first, allowed_last));

  GestureRun run(env, section, work, pick_type);
  if (gesture.previous) {
    PickFromPrevious(env, section, run, work, *gesture.previous, allowed_first, allowed_last);
  } else if (first == last && gesture.pick_style != kPickStyleRubberBand) {
    int guess = first_time - FlattenShift(gesture, section.bins[first]);
    bool rightwards = gesture.direction != TrackDirection::Left;
    bool leftwards = gesture.direction != TrackDirection::Right;
    // On a section drawn right to left the screen's right is decreasing position.
    bool up = gesture.left_to_right ? rightwards : leftwards;
    bool down = gesture.left_to_right ? leftwards : rightwards;
    if (up) Track(env, run, first, allowed_last, 1, guess);
    if (down) Track(env, run, first, allowed_first, -1, guess);
  } else {
    PickSegment(run, section, gesture, first, first_time, last, last_time);
  }

  return SaveHorizonCells(env, work, run.ChangedCells()) ? PickOutcome::Picked
                                                         : PickOutcome::Failed;
}

}  // namespace quarrix
