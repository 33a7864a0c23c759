#include "map/contour_tracer.h"

#include <algorithm>
#include <memory>

#include "map/contour_grid.h"
#include "map/smooth_curve.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// Directions: 0 = +row, 1 = +column, 2 = -row, 3 = -column.
constexpr int kRowStep[4] = {1, 0, -1, 0};
constexpr int kColumnStep[4] = {0, 1, 0, -1};

class LevelTracer {
 public:
  LevelTracer(const ContourGrid& grid, const ContourOptions& options, ContourSink& sink)
      : grid_(grid),
        options_(options),
        sink_(sink),
        row_edges_(static_cast<std::size_t>(grid.rows()) * grid.columns()),
        column_edges_(row_edges_.size()) {}

  ContourError Trace(int level, int level_index);

 private:
  bool Inside(int row, int column) const {
    return row >= 0 && row < grid_.rows() && column >= 0 && column < grid_.columns();
  }
  bool High(int row, int column) const { return grid_.TraceInt(row, column) >= level_; }
  // The flag of the edge from a node in a direction (the neighbour must be inside).
  std::uint8_t& Flag(int row, int column, int direction);
  DevicePoint Crossing(int high_row, int high_column, int low_row, int low_column) const;
  ContourError TryTrace(int row, int column, int direction);
  ContourError Append(const DevicePoint& point);
  ContourError Finish();

  const ContourGrid& grid_;
  const ContourOptions& options_;
  ContourSink& sink_;
  std::vector<std::uint8_t> row_edges_, column_edges_;
  int level_ = 0;
  ContourPolygon polygon_;
  int point_count_ = 0;  // points and separators of the polygon being built

 public:
  bool label_clip_given = false;
};

std::uint8_t& LevelTracer::Flag(int row, int column, int direction) {
  switch (direction) {
    case 0: return row_edges_[static_cast<std::size_t>(row) * grid_.columns() + column];
    case 2: return row_edges_[static_cast<std::size_t>(row - 1) * grid_.columns() + column];
    case 1: return column_edges_[static_cast<std::size_t>(row) * grid_.columns() + column];
    default: return column_edges_[static_cast<std::size_t>(row) * grid_.columns() + column - 1];
  }
}

DevicePoint LevelTracer::Crossing(int high_row, int high_column, int low_row,
                                  int low_column) const {
  double a = grid_.TraceValue(high_row, high_column), b = grid_.TraceValue(low_row, low_column);
  double t = a == b ? 0.0 : (level_ - a) / (b - a);
  return grid_.DeviceAt(high_column + t * (low_column - high_column),
                        high_row + t * (low_row - high_row));
}

ContourError LevelTracer::Append(const DevicePoint& point) {
  if (++point_count_ > kContourPointLimit) return ContourError::PointLimit;
  polygon_.paths.back().points.push_back(point);
  return ContourError::None;
}

// Starts a trace on the edge from a node at or above the level to a neighbour
// below it, and follows the level round the below-level side: at each node the
// search turns through the three other edges, stepping onto neighbours on the
// same side and taking the first edge that crosses the level.
ContourError LevelTracer::TryTrace(int row, int column, int direction) {
  int next_row = row + kRowStep[direction], next_column = column + kColumnStep[direction];
  if (!Inside(next_row, next_column) || !High(row, column) || High(next_row, next_column))
    return ContourError::None;
  std::uint8_t& first = Flag(row, column, direction);
  if (first) return ContourError::None;
  first = 1;
  polygon_.paths.push_back({});
  if (ContourError e = Append(Crossing(row, column, next_row, next_column));
      e != ContourError::None)
    return e;

  int r = next_row, c = next_column;  // the current node, always below the level
  int toward = (direction + 2) % 4;   // from the current node across the current edge
  for (;;) {
    bool stepped = false;
    for (int turn = 1; turn <= 3 && !stepped; ++turn) {
      int d = (toward + 4 - turn) % 4;
      int nr = r + kRowStep[d], nc = c + kColumnStep[d];
      if (!Inside(nr, nc)) {
        polygon_.paths.back().closed = false;
        if (++point_count_ > kContourPointLimit) return ContourError::PointLimit;  // separator
        return ContourError::None;
      }
      if (!High(nr, nc)) {
        r = nr;
        c = nc;
        toward = (d + 2) % 4;
      } else {
        std::uint8_t& flag = Flag(r, c, d);
        if (flag) {
          polygon_.paths.back().closed = true;
          return Finish();
        }
        flag = 1;
        if (ContourError e = Append(Crossing(nr, nc, r, c)); e != ContourError::None) return e;
        toward = d;
      }
      stepped = true;
    }
    if (!stepped) return ContourError::None;
  }
}

ContourError LevelTracer::Finish() {
  if (polygon_.paths.empty()) return ContourError::None;
  if (++point_count_ > kContourPointLimit) return ContourError::PointLimit;  // closing separator
  int factor = static_cast<int>(options_.smoothing);
  if (factor >= 2) {
    for (ContourPath& path : polygon_.paths) {
      if (path.points.size() < 5) continue;
      std::vector<DevicePoint> smooth = SmoothCurve(path.points, true, factor);
      smooth.push_back(smooth.front());
      path.points = std::move(smooth);
    }
  }
  std::size_t points = 0;
  for (const ContourPath& path : polygon_.paths) points += path.points.size();
  polygon_.label_clip = !label_clip_given && points >= 11;
  label_clip_given = label_clip_given || polygon_.label_clip;
  DrawOutcome outcome = sink_.Polygon(polygon_);
  polygon_.paths.clear();
  point_count_ = 0;
  if (outcome == DrawOutcome::PolygonRefused) return ContourError::PolygonTooComplex;
  if (outcome == DrawOutcome::PolylineRefused) return ContourError::PolylineTooComplex;
  return ContourError::None;
}

ContourError LevelTracer::Trace(int level, int level_index) {
  std::fill(row_edges_.begin(), row_edges_.end(), 0);
  std::fill(column_edges_.begin(), column_edges_.end(), 0);
  level_ = level;
  polygon_ = {};
  polygon_.level = level;
  polygon_.level_index = level_index;
  polygon_.line_class = LineClassOf(level, options_.classes);
  polygon_.label = polygon_.line_class > 0 && options_.classes[polygon_.line_class - 1].label;
  polygon_.fill = options_.fill;
  point_count_ = 0;
  const int rows = grid_.rows(), columns = grid_.columns();
  ContourError error = ContourError::None;
  // The cheap part of the start test first: most nodes start nothing.
  auto attempt = [&](int r, int c, int d) {
    int nr = r + kRowStep[d], nc = c + kColumnStep[d];
    if (error != ContourError::None || !Inside(nr, nc) || High(nr, nc) || !High(r, c)) return;
    error = TryTrace(r, c, d);
  };
  // Rings of nodes from the outside in: down the left column, along the bottom
  // row, up the right column and back along the top row.
  for (int ring = 0; error == ContourError::None; ++ring) {
    int top = ring, bottom = rows - 1 - ring, left = ring, right = columns - 1 - ring;
    if (top > bottom || left > right) break;
    for (int r = top; r < bottom; ++r) attempt(r, left, 0);
    for (int c = left; c < right; ++c) attempt(bottom, c, 1);
    for (int r = bottom; r > top; --r) attempt(r, right, 2);
    for (int c = right; c > left; --c) attempt(top, c, 3);
  }
  // The rings only try edges along themselves, so a low basin that swallows whole
  // inner rings would be missed; any crossing not yet traced starts one more trace.
  for (int r = 0; r < rows && error == ContourError::None; ++r)
    for (int c = 0; c < columns; ++c)
      if (High(r, c))
        for (int d = 0; d < 4; ++d) attempt(r, c, d);
  if (error == ContourError::None) error = Finish();  // traces that ran off the grid
  return error;
}

}  // namespace

int LineClassOf(int level, const std::array<ContourLineClass, 3>& classes) {
  for (int k = 3; k >= 1; --k) {
    int every = classes[k - 1].every;
    if (every != 0 && level % every == 0) return k;
  }
  return 0;
}

namespace {

// The polygons of one level as its tracer handed them over, and how the
// trace ended, kept until the levels before it have gone to the real sink.
struct TracedLevel {
  std::vector<ContourPolygon> polygons;
  ContourError error = ContourError::None;
};

class LevelRecording final : public ContourSink {
 public:
  explicit LevelRecording(TracedLevel*& into) : into_(into) {}
  DrawOutcome Polygon(const ContourPolygon& polygon) override {
    into_->polygons.push_back(polygon);
    return DrawOutcome::Drawn;
  }

 private:
  TracedLevel*& into_;
};

// Hands a traced level to the sink as its tracer would have: the label clip
// goes to the plot's first polygon of at least 11 points, and a refused
// polygon ends the level as it ends the trace.
ContourError Replay(TracedLevel& level, ContourSink& sink, bool& label_clip_given) {
  for (ContourPolygon& polygon : level.polygons) {
    std::size_t points = 0;
    for (const ContourPath& path : polygon.paths) points += path.points.size();
    polygon.label_clip = !label_clip_given && points >= 11;
    label_clip_given = label_clip_given || polygon.label_clip;
    const DrawOutcome outcome = sink.Polygon(polygon);
    if (outcome == DrawOutcome::PolygonRefused) return ContourError::PolygonTooComplex;
    if (outcome == DrawOutcome::PolylineRefused) return ContourError::PolylineTooComplex;
  }
  return level.error;
}

// Traces the levels in batches of one per thread, each level by its
// worker's tracer into a recording, then replays the batch in level order.
// Cancelling is checked between batches.
ContourError TraceLevelsInParallel(const ContourGrid& grid, const std::vector<int>& levels,
                                   const ContourOptions& options, ContourSink& sink, int threads,
                                   Progress& progress) {
  int levels_done = 0;
  // Each worker's tracer records into the level it is tracing.
  std::vector<TracedLevel> batch(static_cast<std::size_t>(threads));
  std::vector<TracedLevel*> tracing(static_cast<std::size_t>(threads), nullptr);
  std::vector<std::unique_ptr<LevelRecording>> recordings;
  std::vector<std::unique_ptr<LevelTracer>> tracers;
  for (std::size_t w = 0; w < tracing.size(); ++w) {
    recordings.push_back(std::make_unique<LevelRecording>(tracing[w]));
    tracers.push_back(std::make_unique<LevelTracer>(grid, options, *recordings.back()));
  }
  bool label_clip_given = false;
  ContourError error = ContourError::None;
  const int count = static_cast<int>(levels.size());
  ForEachLineBatch(
      count, threads, 1,
      [&](int worker, int first, int) {
        const std::size_t w = static_cast<std::size_t>(worker);
        TracedLevel& level = batch[static_cast<std::size_t>(first % threads)];
        level.polygons.clear();
        tracing[w] = &level;
        level.error = tracers[w]->Trace(levels[static_cast<std::size_t>(first)], first);
      },
      [&](int done) {
        for (int i = levels_done; i < done && error == ContourError::None; ++i) {
          progress.SetLabel(FormatText("Contour Level %d", i + 1));
          error = Replay(batch[static_cast<std::size_t>(i % threads)], sink, label_clip_given);
          if (error == ContourError::None) levels_done = i + 1;
        }
        progress.SetPosition(levels_done * 100 / count);
        return error == ContourError::None && !progress.Cancelled();
      });
  return error;
}

void TellContourError(ContourError error, Prompter& prompter) {
  const char* text =
      error == ContourError::PointLimit ? "Reached Polygon point limit!\nTry smoothing data."
      : error == ContourError::PolygonTooComplex ? "Polygon too complex!\nTry L Contour Plot."
                                                 : "Polyline too complex!\nTry smoothing data.";
  prompter.Tell(text, "", MessageIcon::Stop);
}

}  // namespace

ContourError DrawFilledContours(const HorizonGrid& source, const std::vector<int>& levels,
                                const ContourOptions& options, ContourSink& sink,
                                Progress& progress, Prompter& prompter) {
  HorizonGrid grid = DecimateGrid(source, options.decimate);
  ContourGrid contour_grid(grid, options.frame);
  if (!contour_grid.Usable() || levels.empty()) return ContourError::None;
  progress.SetRange(0, 100);
  progress.SetPosition(0);
  const int count = static_cast<int>(levels.size());
  const int threads = std::clamp(options.threads, 1, count);
  if (threads > 1) {
    if (progress.Cancelled()) return ContourError::None;
    ContourError error =
        TraceLevelsInParallel(contour_grid, levels, options, sink, threads, progress);
    if (error != ContourError::None) TellContourError(error, prompter);
    return error;
  }
  LevelTracer tracer(contour_grid, options, sink);
  int shown_percent = 0;
  for (int i = 0; i < count; ++i) {
    if (progress.Cancelled()) break;
    progress.SetLabel(FormatText("Contour Level %d", i + 1));
    ContourError error = tracer.Trace(levels[i], i);
    if (error != ContourError::None) {
      TellContourError(error, prompter);
      return error;
    }
    int percent = (i + 1) * 100 / count;
    if (percent / 5 != shown_percent / 5) {
      shown_percent = percent;
      progress.SetPosition(percent);
    }
  }
  return ContourError::None;
}

}  // namespace quarrix
