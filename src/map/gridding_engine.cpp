#include "map/gridding_engine.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <random>

#include "map/gridding_gradients.h"
#include "map/insertion_order.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

constexpr char kScaleTooLarge[] =
    "N.B. The ratio of vertical to horizontal scales is too large for\ngradient estimation.  "
    "Rescale the data if gradients are required.";
constexpr char kScaleTooSmall[] =
    "N.B. The ratio of vertical to horizontal scales is too small for\ngradient estimation.  "
    "Rescale the data if gradients are required.\n";

struct Ranges {
  double xmin, ymin, xrange, yrange, zrange;
};

// Data ranges with the box around the work grid folded in, so that the
// pseudo-points enclose every node.
Ranges DataRanges(const std::vector<GridPoint>& points, int columns, int rows) {
  double xmin = -1, xmax = columns, ymin = -1, ymax = rows;
  double zmin = points.front().z, zmax = zmin;
  for (const GridPoint& p : points) {
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
    ymin = std::min(ymin, p.y);
    ymax = std::max(ymax, p.y);
    zmin = std::min(zmin, p.z);
    zmax = std::max(zmax, p.z);
  }
  return {xmin, ymin, xmax - xmin, ymax - ymin, zmax - zmin};
}

// A straight-line fit along one axis, for data whose plane is undetermined
// (every pick on one line, say).
DataPlane FitLine(const std::vector<GridPoint>& points, std::size_t count) {
  double n = static_cast<double>(count), sx = 0, sy = 0, sz = 0;
  for (std::size_t i = 0; i < count; ++i) {
    sx += points[i].x;
    sy += points[i].y;
    sz += points[i].z;
  }
  double mx = sx / n, my = sy / n, mz = sz / n;
  double vx = 0, vy = 0, cxz = 0, cyz = 0;
  for (std::size_t i = 0; i < count; ++i) {
    double dx = points[i].x - mx, dy = points[i].y - my, dz = points[i].z - mz;
    vx += dx * dx;
    vy += dy * dy;
    cxz += dx * dz;
    cyz += dy * dz;
  }
  DataPlane plane;
  if (vx >= vy && vx > 0)
    plane.a1 = cxz / vx;
  else if (vy > 0)
    plane.a2 = cyz / vy;
  plane.a0 = mz - plane.a1 * mx - plane.a2 * my;
  return plane;
}

}  // namespace

DataPlane FitPlane(const std::vector<GridPoint>& points, std::size_t count) {
  double n = static_cast<double>(count);
  double sx = 0, sy = 0, sz = 0, sxx = 0, syy = 0, sxy = 0, sxz = 0, syz = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const GridPoint& p = points[i];
    sx += p.x;
    sy += p.y;
    sz += p.z;
    sxx += p.x * p.x;
    syy += p.y * p.y;
    sxy += p.x * p.y;
    sxz += p.x * p.z;
    syz += p.y * p.z;
  }
  // Cramer's rule on the normal equations.
  auto det3 = [](double a, double b, double c, double d, double e, double f, double g, double h,
                 double i) {
    return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
  };
  double det = det3(n, sx, sy, sx, sxx, sxy, sy, sxy, syy);
  double scale = n * sxx * syy;
  if (!(std::fabs(det) > 1e-9 * std::fabs(scale))) return FitLine(points, count);
  DataPlane plane;
  plane.a0 = det3(sz, sx, sy, sxz, sxx, sxy, syz, sxy, syy) / det;
  plane.a1 = det3(n, sz, sy, sx, sxz, sxy, sy, syz, syy) / det;
  plane.a2 = det3(n, sx, sz, sx, sxx, sxz, sy, sxy, syz) / det;
  return plane;
}

GriddingResult GridWorkCells(HorizonGrid& work, const std::vector<std::uint8_t>& wanted,
                             const GriddingOptions& options, const std::string& label,
                             Progress& progress, Prompter& prompter) {
  std::vector<GridPoint> points;
  try {
    for (int r = 0; r < work.rows; ++r)
      for (int c = 0; c < work.columns; ++c)
        if (std::int16_t v = work.At(r, c); v != HORIZON_NULL)
          points.push_back(
              {static_cast<double>(c), static_cast<double>(r), static_cast<double>(v)});
  } catch (const std::bad_alloc&) {
    prompter.Tell("Unable to allocate storage for raw data", "", MessageIcon::Error);
    return GriddingResult::OutOfMemory;
  }
  if (points.size() < 4) return GriddingResult::TooFewPoints;
  const int data_count = static_cast<int>(points.size());

  DataPlane plane = FitPlane(points, points.size());
  Ranges ranges = DataRanges(points, work.columns, work.rows);
  if (options.apply_gradient) {
    double rx = ranges.zrange / ranges.xrange, ry = ranges.zrange / ranges.yrange;
    const char* problem = nullptr;
    if (rx > 60 || ry > 60)
      problem = kScaleTooLarge;
    else if (rx < 0.017 || ry < 0.017)
      problem = kScaleTooSmall;
    if (problem) {
      prompter.Tell(problem, "", MessageIcon::Information);
      return GriddingResult::ScaleRatio;
    }
  }
  const double wbit = 1e-5 * std::max(ranges.xrange, ranges.yrange);

  try {
    for (auto [u, v] : {std::pair{-1.0, -1.0}, {5.0, -1.0}, {-1.0, 5.0}}) {
      GridPoint pseudo;
      pseudo.x = u * ranges.xrange * 10 + ranges.xmin;
      pseudo.y = v * ranges.yrange * 10 + ranges.ymin;
      pseudo.z = plane.At(pseudo.x, pseudo.y);
      points.push_back(pseudo);
    }
    // The cells, taken before the jitter, give the order of insertion.
    std::vector<std::uint32_t> columns(static_cast<std::size_t>(data_count)), rows(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
      columns[i] = static_cast<std::uint32_t>(points[i].x);
      rows[i] = static_cast<std::uint32_t>(points[i].y);
    }
    // A tiny seeded jitter breaks the exact co-circularity of grid cells.
    std::mt19937 random(367);
    auto uniform = [&] { return static_cast<double>(random()) / 4294967296.0; };
    for (int i = 0; i < data_count; ++i) {
      points[i].x += wbit * (0.5 - uniform());
      points[i].y += wbit * (0.5 - uniform());
    }

    DelaunayMesh mesh(points, data_count);
    for (int i : HilbertInsertionOrder(columns, rows)) mesh.Insert(i);
    if (options.apply_gradient) EstimateGradients(points, data_count, mesh, plane, wbit);

    const double step_x = work.columns > 1 ? (work.columns - 1 + 1e-8) / (work.columns - 1) : 1;
    const double step_y = work.rows > 1 ? (work.rows - 1 + 1e-8) / (work.rows - 1) : 1;
    progress.SetLabel(label);
    progress.SetRange(0, work.rows);
    progress.SetPosition(0);
    // A query marks the triangles it visits, so each worker past the first
    // asks its own copy of the finished mesh. A node's value depends on the
    // mesh alone (the walk that finds its triangle only starts elsewhere),
    // so the thread count does not change it.
    const int threads = std::clamp(options.threads, 1, std::max(work.rows, 1));
    std::vector<std::unique_ptr<DelaunayMesh>> copies;
    for (int w = 1; w < threads; ++w) copies.push_back(std::make_unique<DelaunayMesh>(mesh));
    auto grid_rows = [&](int worker, int first_row, int end_row) {
      DelaunayMesh& queried = worker == 0 ? mesh : *copies[static_cast<std::size_t>(worker - 1)];
      // Each task has its own weights: workers growing vectors that sit side by
      // side would keep taking each other's cache line.
      std::vector<NeighbourWeight> node;
      for (int r = first_row; r < end_row; ++r) {
        const double y = r * step_y;
        for (int c = 0; c < work.columns; ++c) {
          if (!wanted[static_cast<std::size_t>(r) * work.columns + c]) continue;
          const double x = c * step_x;
          const bool inside = queried.NeighbourWeights(x, y, node);
          if (!options.extrapolate && !inside) {
            work.At(r, c) = HORIZON_NULL;
            continue;
          }
          NormaliseWeights(node);
          double value = SurfaceValue(points, node);
          if (options.apply_gradient)
            value = BlendGradients(points, node, x, y, value, options.tautness1, options.tautness2);
          work.At(r, c) = Trunc16(value + 0.5);
        }
      }
    };
    // One thread goes row by row, so that a cancel stops after the row. Several
    // threads take runs of four rows, sixteen runs each per batch, so that runs
    // of uneven cost (picked cells are skipped) even out before they meet.
    if (!progress.Cancelled())
      ForEachLineBatch(
          work.rows, threads, threads == 1 ? 1 : 4, grid_rows,
          [&](int rows_done) {
            progress.SetPosition(rows_done);
            return !progress.Cancelled();
          },
          16);
  } catch (const std::bad_alloc&) {
    prompter.Tell("Unable to allocate storage for a simplex", "", MessageIcon::Error);
    return GriddingResult::OutOfMemory;
  }
  return GriddingResult::Filled;
}

}  // namespace quarrix
