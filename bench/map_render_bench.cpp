// Map rendering speed into a 1920 x 1080 QImage at 96 pixels per inch: the
// horizon map of a 1000 x 1000 grid, the filled contour plot of the same grid
// with 32 levels, the surface view of a 500 x 500 grid, and the frames of a
// drag that turns that surface in the window. Beside the map,
// the device's bare cost of the same picture (the stretched image alone).
// Times are process CPU time, the best of several runs.
#include <time.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "bench_surface.h"
#include "cpu_timer.h"
#include "map/horizon_map.h"
#include "map/horizon_plot.h"
#include "map/horizon_plot_document.h"
#include "map/horizon_plot_tools.h"
#include "map/map_colours.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/qt_canvas.h"

namespace {

using namespace quarrix;

using bench::BestMilliseconds;
SurveyHeader Survey(int size) {
  SurveyHeader h;
  h.first_line = h.first_trace = 1;
  h.last_line = h.last_trace = size;
  h.trace_spacing = h.line_spacing = 25;
  h.trace_bytes = 400;
  h.sample_rate = 4;
  h.corner_index = 1;
  h.ComputeDerived();
  return h;
}

// The benchmarks' folded surface with a hole.
HorizonGrid Structure(int size) {
  HorizonGrid grid = bench::FullSurface(size, size);
  for (int r = size / 3; r < size / 3 + size / 20; ++r)
    for (int c = size / 2; c < size / 2 + size / 20; ++c) grid.At(r, c) = HORIZON_NULL;
  return grid;
}

template <typename Draw>
double TimeDrawing(QImage& image, Draw draw) {
  const DeviceInfo screen{.ppi_x = 96, .ppi_y = 96};
  return BestMilliseconds([&] {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, screen);
    draw(canvas);
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(1920, 1080, QImage::Format_RGB32);
  const Rect client{0, 0, 1920, 1080};
  ScriptedPrompter prompter;
  NullProgress progress;

  const SurveyHeader big = Survey(1000);
  const HorizonGrid grid = Structure(1000);
  const std::vector<std::uint8_t> registration(grid.CellCount(), 1);
  ColourBar bar = StretchColourSet({{0, 0, 255}, {255, 255, 255}, {255, 0, 0}}, 32, 1000, 2000);
  HorizonMapSource source{&grid, &registration, false};
  const double map = TimeDrawing(image, [&](Canvas& canvas) {
    DrawHorizonMap(canvas, client, source, bar, big, FullMapZoom(big), prompter);
  });
  const IndexedImage bare_image = BuildMapImage(source, bar, FullMapZoom(big), 1);
  const double bare = TimeDrawing(image, [&](Canvas& canvas) {
    canvas.StretchImage(bare_image, {24, 24, 1896, 1056});
  });

  const SurveyPlacement placement;
  HorizonPlotData data;
  data.grid = &grid;
  data.header = &big;
  data.placement = &placement;
  data.zoom = FullMapZoom(big);
  data.bar = bar;  // 32 levels
  HorizonPlotSettings settings;
  settings.type = HorizonPlotType::Contour;
  settings.classes[0] = {160, true, 1, false, 0};
  const double contours = TimeDrawing(image, [&](Canvas& canvas) {
    DrawHorizonPlot(canvas, client, settings, data, progress, prompter);
  });

  // The composed presentation plot: the same contours with the default line
  // classes (about ten lines, every fifth labelled), a fault drawn where it
  // cuts the horizon, 40 labelled wells placed clear of the other labels.
  HorizonGrid fault(1000, 1000);
  for (int r = 0; r < 1000; ++r)
    for (int c = 0; c < 1000; ++c) fault.At(r, c) = static_cast<std::int16_t>(1000 + c + r / 4);
  data.faults = {fault};
  data.fault_names = {"F1"};
  WellGroupPost wells;
  for (int k = 0; k < 40; ++k)
    wells.wells.push_back({"WELL-" + std::to_string(k),
                           "",
                           100.0 + 20 * k,
                           300.0 + 11 * k,
                           0,
                           0,
                           1 + k % 12,
                           1000 + k,
                           0,
                           {}});
  data.wells = {wells};
  HorizonPlotSettings composed;
  composed.type = HorizonPlotType::Contour;
  composed.label_faults = true;
  composed.well_options.depth = true;
  DefaultLineClasses(data.bar, composed);
  const double presentation = TimeDrawing(image, [&](Canvas& canvas) {
    DrawHorizonPlot(canvas, client, composed, data, progress, prompter);
  });
  data.faults.clear();
  data.wells.clear();

  const SurveyHeader small = Survey(500);
  const HorizonGrid surface_grid = Structure(500);
  data.grid = &surface_grid;
  data.header = &small;
  data.zoom = FullMapZoom(small);
  settings.type = HorizonPlotType::Surface;
  const double surface = TimeDrawing(image, [&](Canvas& canvas) {
    DrawHorizonPlot(canvas, client, settings, data, progress, prompter);
  });

  // Dragging in the window's 3-D view: each mouse move turns the camera and the
  // whole plot (surface, colour bar, title) is drawn again at the window's
  // size. The peer is the device's bare cost of a frame: the grid's image
  // stretched over the same area.
  QImage window_image(1000, 700, QImage::Format_RGB32);
  SurfaceTurnTool tool(settings.camera);
  settings.title = true;
  constexpr int kFrames = 30;
  const double drag_all = TimeDrawing(window_image, [&](Canvas& canvas) {
    tool.Press({0, 0}, 0);
    for (int frame = 1; frame <= kFrames; ++frame) {
      tool.Move({4.0 * frame, 1.0 * (frame % 5)}, 0);
      DrawHorizonPlot(canvas, {0, 0, 1000, 700}, settings, data, progress, prompter);
    }
    tool.Release({4.0 * kFrames, 0}, 0);
  });
  const IndexedImage surface_image =
      BuildMapImage(HorizonMapSource{&surface_grid, nullptr, true}, bar, FullMapZoom(small), 1);
  const double bare_all = TimeDrawing(window_image, [&](Canvas& canvas) {
    for (int frame = 1; frame <= kFrames; ++frame)
      canvas.StretchImage(surface_image, {58, 58, 1000 - 58 - 154, 700 - 58 - 106});
  });
  const double drag = drag_all / kFrames, drag_bare = bare_all / kFrames;

  std::printf("map rendering into a 1920 x 1080 QImage at 96 ppi (best of 5, CPU ms)\n");
  std::printf("%-40s %8s %8s %8s\n", "plot", "quarrix", "bare", "target");
  std::printf("%-40s %8.1f %8.1f %8s\n", "horizon map 1000 x 1000", map, bare, "50");
  std::printf("%-40s %8.1f %8s %8s\n", "filled contours 1000 x 1000, 32 levels", contours, "-",
              "1000");
  std::printf("%-40s %8.1f %8s %8s\n", "composed plot: contours, fault, 40 wells", presentation,
              "-", "1000");
  std::printf("%-40s %8.1f %8s %8s\n", "surface view 500 x 500", surface, "-", "1000");
  std::printf("%-40s %8.1f %8.1f %8s   (%.0f frames/s, %.1f x the bare frame)\n",
              "3-D drag frame 500 x 500, 1000 x 700", drag, drag_bare, "33", 1000 / drag,
              drag / drag_bare);
  return 0;
}
