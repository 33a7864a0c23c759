// Natural-neighbour gridding of a 1000 x 1000 grid from scattered picks and from
// picks on every tenth in-line, against CGAL's natural-neighbour coordinates on
// the same points and nodes, measured in the same run.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "bench_surface.h"
#include "map/gridding.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

#ifdef QUARRIX_BENCH_CGAL
#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>
#include <CGAL/natural_neighbor_coordinates_2.h>
#endif

using namespace quarrix;

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Case {
  const char* name;
  HorizonGrid picks;
};

Case Scattered(int size, int count) {
  HorizonGrid full = bench::FullSurface(size, size), picks(size, size);
  std::mt19937 random(2024);
  for (int placed = 0; placed < count;) {
    int r = static_cast<int>(random() % size), c = static_cast<int>(random() % size);
    if (picks.At(r, c) != HORIZON_NULL) continue;
    picks.At(r, c) = full.At(r, c);
    ++placed;
  }
  return {"20 000 scattered picks", picks};
}

Case EveryTenthLine(int size) {
  HorizonGrid full = bench::FullSurface(size, size), picks(size, size);
  for (int r = 0; r < size; r += 10)
    for (int c = 0; c < size; ++c) picks.At(r, c) = full.At(r, c);
  return {"picks on every tenth in-line", picks};
}

double RunQuarrix(const HorizonGrid& picks, HorizonGrid& result, int threads = 1) {
  result = picks;
  NullProgress progress;
  ScriptedPrompter prompter;
  GriddingOptions options;
  options.threads = threads;
  auto start = std::chrono::steady_clock::now();
  GridHorizonArea(result, {0, 0, picks.columns, picks.rows}, {}, options, progress, prompter);
  return Seconds(start);
}

#ifdef QUARRIX_BENCH_CGAL
using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase = CGAL::Triangulation_vertex_base_with_info_2<double, Kernel>;
using Tds = CGAL::Triangulation_data_structure_2<VertexBase>;
using Delaunay = CGAL::Delaunay_triangulation_2<Kernel, Tds>;
using Coordinate = std::pair<Delaunay::Vertex_handle, Kernel::FT>;

// Triangulates the picks and interpolates every null node inside their hull
// (CGAL has no extrapolation); returns the seconds and the nodes it valued.
double RunCgal(const HorizonGrid& picks, HorizonGrid& result, long& valued) {
  result = picks;
  auto start = std::chrono::steady_clock::now();
  std::vector<std::pair<Kernel::Point_2, double>> points;
  for (int r = 0; r < picks.rows; ++r)
    for (int c = 0; c < picks.columns; ++c)
      if (picks.At(r, c) != HORIZON_NULL)
        points.push_back({{double(c), double(r)}, picks.At(r, c)});
  Delaunay dt;
  dt.insert(points.begin(), points.end());
  std::vector<Coordinate> coords;
  Delaunay::Face_handle hint;
  valued = 0;
  for (int r = 0; r < picks.rows; ++r) {
    for (int c = 0; c < picks.columns; ++c) {
      if (picks.At(r, c) != HORIZON_NULL) continue;
      coords.clear();
      auto got = CGAL::natural_neighbor_coordinates_2(dt, Kernel::Point_2(c, r),
                                                      std::back_inserter(coords),
                                                      CGAL::Identity<Coordinate>(), hint);
      if (!got.third || coords.empty()) continue;
      double value = 0;
      for (const Coordinate& k : coords) value += k.second * k.first->info();
      result.At(r, c) = static_cast<std::int16_t>(value / got.second + 0.5);
      hint = coords.front().first->face();
      ++valued;
    }
  }
  return Seconds(start);
}
#endif

void Report(const Case& test) {
  HorizonGrid ours;
  double quarrix_seconds = RunQuarrix(test.picks, ours);
  std::printf("%-30s quarrix %7.3f s", test.name, quarrix_seconds);
#ifdef QUARRIX_BENCH_CGAL
  HorizonGrid theirs;
  long valued = 0;
  double cgal_seconds = RunCgal(test.picks, theirs, valued);
  long differ = 0;
  for (std::size_t i = 0; i < ours.CellCount(); ++i)
    if (test.picks.cells[i] == HORIZON_NULL && theirs.cells[i] != HORIZON_NULL &&
        std::abs(ours.cells[i] - theirs.cells[i]) > 1)
      ++differ;
  std::printf("   CGAL %7.3f s (%ld nodes)   ratio %.2f   cells differing by more than 1: %ld",
              cgal_seconds, valued, quarrix_seconds / cgal_seconds, differ);
#endif
  std::printf("\n");
  const int cores = MachineThreadCount();
  if (cores > 1) {
    HorizonGrid shared;
    const double shared_seconds = RunQuarrix(test.picks, shared, cores);
    std::printf("%-30s quarrix on %d threads %7.3f s   speed-up %.2f   %s\n", "", cores,
                shared_seconds, quarrix_seconds / shared_seconds,
                shared.cells == ours.cells ? "same grid" : "GRID DIFFERS");
  }
}

}  // namespace

int main() {
  constexpr int kSize = 1000;
  std::printf("gridding a %d x %d grid (no gradients, extrapolation on)\n", kSize, kSize);
  Report(Scattered(kSize, 20000));
  Report(EveryTenthLine(kSize));
  return 0;
}
