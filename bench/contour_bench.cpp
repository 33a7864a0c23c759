// Tracing 32 contour levels over a 1000 x 1000 grid.
#include <chrono>
#include <cstdio>

#include "bench_surface.h"
#include "map/contour_tracer.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

using namespace quarrix;

namespace {

class CountingSink : public ContourSink {
 public:
  DrawOutcome Polygon(const ContourPolygon& polygon) override {
    ++polygons;
    for (const ContourPath& path : polygon.paths) points += path.points.size();
    return DrawOutcome::Drawn;
  }
  long polygons = 0, points = 0;
};

}  // namespace

int main() {
  constexpr int kSize = 1000;
  HorizonGrid grid = bench::FullSurface(kSize, kSize);
  int low = 32767, high = -32768;
  for (std::int16_t v : grid.cells) low = std::min<int>(low, v), high = std::max<int>(high, v);
  std::vector<int> levels;
  for (int k = 0; k < 32; ++k) levels.push_back(high - (k + 1) * (high - low) / 33);
  ContourOptions options;
  options.frame.width = options.frame.height = 8000;
  options.fill = false;
  const int cores = MachineThreadCount();
  double one_thread = 0;
  for (int threads : {1, cores}) {
    if (threads == 1 && one_thread > 0) break;
    options.threads = threads;
    CountingSink sink;
    NullProgress progress;
    ScriptedPrompter prompter;
    auto start = std::chrono::steady_clock::now();
    ContourError error = DrawFilledContours(grid, levels, options, sink, progress, prompter);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (threads == 1) one_thread = seconds;
    std::printf(
        "tracing 32 levels on a %d x %d grid, %d thread(s): %.3f s (%ld polygons, %ld "
        "points%s)",
        kSize, kSize, threads, seconds, sink.polygons, sink.points,
        error == ContourError::None ? "" : ", stopped by an error");
    if (threads > 1) std::printf("   speed-up %.2f", one_thread / seconds);
    std::printf("\n");
  }
  return 0;
}
