// Repainting a map window of the workspace into a 1000 x 800 QImage at 96
// pixels per inch: a 1000 x 1000 time map with 200 posted wells and a DXF
// drawing of 2000 polylines over it, and the repaint after one wheel zoom
// step. Beside it, the device's bare cost of the same picture (the map's
// stretched image alone). Then autopicking by gridding from a map inside a
// polygon of 200 x 200 cells of the demo survey, against the batch grid
// command over the same cells. Times are process CPU time, the best of
// several runs.
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "bench_surface.h"
#include "cpu_timer.h"
#include "horizon/demo_interpretation.h"
#include "horizon/horizon_grid.h"
#include "loader/demo_survey.h"
#include "map/map_colours.h"
#include "map/map_commands.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/qt_canvas.h"
#include "project/project_state.h"
#include "workspace/map_edits.h"
#include "workspace/map_view_drawing.h"
#include "workspace/workspace.h"

namespace {

using namespace quarrix;

SurveyHeader Survey(int size) {
  SurveyHeader h;
  h.first_line = h.first_trace = 1;
  h.last_line = h.last_trace = size;
  h.line_increment = h.trace_increment = 1;
  h.trace_spacing = h.line_spacing = 25;
  h.trace_bytes = 400;
  h.sample_rate = 4;
  h.corner_index = 1;
  h.ComputeDerived();
  return h;
}

MapWindowOverlays Overlays(int size, const SurveyHeader& h, const SurveyPlacement& placement) {
  MapWindowOverlays overlays;
  WellGroupPost wells;
  for (int k = 0; k < 200; ++k)
    wells.wells.push_back({"W" + std::to_string(k), "", (k * 37) % size * 1.0,
                           (k * 53) % size * 1.0, 0, 0, 1 + k % 12, 0, 0});
  overlays.wells.push_back(wells);
  CultureDrawing culture;
  for (int k = 0; k < 2000; ++k) {
    CultureDrawing::Polyline line;
    for (int p = 0; p < 5; ++p) {
      const XyPoint at =
          LineTraceToXy(h, placement, (k * 7 + p * 3) % size, (k * 11 + p * 5) % size);
      line.points.emplace_back(at.x, at.y);
    }
    culture.polylines.push_back(line);
  }
  overlays.culture.push_back(culture);
  overlays.plot_culture = true;
  return overlays;
}

int AddDemoHorizon(const std::string& header, std::ostream& out, std::ostream& err) {
  return AddDemoInterpretation(header, out, err);
}

// Autopick by gridding inside a 200 x 200 cell polygon of a 220 x 220 demo,
// and the batch grid command over the same cells; each run starts from the
// horizon picked on every tenth line only.
void AutopickByGridding() {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("quarrix_map_bench_" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ostringstream out, err;
  if (RunDemoCommand({folder.string(), "--lines", "220", "--traces", "220", "--samples", "300"},
                     out, err, AddDemoHorizon) != 0) {
    std::printf("autopick bench: the demo could not be made: %s\n", err.str().c_str());
    return;
  }
  const std::string demo = (folder / "demo").string() + "/", header = demo + "demo.hdr";
  fs::copy_file(demo + kDemoHorizonName, demo + "seeds.hor");
  fs::copy_file(demo + "demo_top.hop", demo + "seeds.hop");
  // The picks kept on every tenth line only, as an interpreter's seed lines.
  {
    HorizonGrid seeds(220, 220);
    ReadHorizon(demo + "seeds.hor", &seeds, nullptr);
    for (int r = 0; r < seeds.rows; ++r)
      if (r % 10 != 0)
        for (int c = 0; c < seeds.columns; ++c) seeds.At(r, c) = HORIZON_NULL;
    WriteHorizon(demo + "seeds.hor", &seeds, nullptr);
  }
  auto fresh = [&](const std::string& name) {
    for (const char* extension : {".hor", ".hop"})
      fs::copy_file(demo + "seeds" + extension, demo + name + extension,
                    fs::copy_options::overwrite_existing);
  };
  ScriptedPrompter prompter;
  ProjectState project;
  OpenProject(project, header, prompter);
  Workspace workspace = OpenWorkspace(project);
  fresh("map");
  workspace.horizons.Open({"map.hor"});
  const GridRegion region({{10, 10}, {210, 10}, {210, 210}, {10, 210}});  // cells 10..209
  AutopickChoice choice{AutopickMode::FromGridding, false, false};
  NullProgress progress;
  const double autopick = bench::BestMilliseconds(
      [&] {
        fresh("map");
        AutopickCurrent(workspace, region, choice, progress, prompter);
      },
      3);
  const SurveyHeader& h = project.header;
  const std::string area =
      std::to_string(h.LineNumber(10)) + ":" + std::to_string(h.LineNumber(209)) + "," +
      std::to_string(h.TraceNumber(10)) + ":" + std::to_string(h.TraceNumber(209));
  const double batch = bench::BestMilliseconds(
      [&] {
        fresh("batch");
        RunGridCommand({header, "batch.hor", "--area", area}, out, err);
      },
      3);
  // How many cells the gridding had to fill, so that the figures mean something.
  HorizonGrid seeds(h.num_lines, h.traces_per_line);
  ReadHorizon(demo + "seeds.hor", &seeds, nullptr);
  int holes = 0;
  for (int r = 10; r < 210; ++r)
    for (int c = 10; c < 210; ++c) holes += seeds.At(r, c) == HORIZON_NULL;
  std::printf("\n%d of the 40000 cells are not picked before each run\n", holes);
  std::printf("\nautopick by gridding, 200 x 200 cells of a 220 x 220 demo (best of 3, CPU ms)\n");
  std::printf("%-52s %8s %8s %8s\n", "work", "map", "batch", "ratio");
  std::printf("%-52s %8.1f %8.1f %8.2f\n", "polygon autopick vs grid --area", autopick, batch,
              autopick / batch);
  fs::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(1000, 800, QImage::Format_RGB32);
  const DeviceInfo screen{.ppi_x = 96, .ppi_y = 96};
  ScriptedPrompter prompter;
  constexpr int kSize = 1000;
  const SurveyHeader h = Survey(kSize);
  const SurveyPlacement placement = PlacementFromXyBytes(
      BuildXyFile(h, {{500000, 6000000}, {525000, 6000000}, {500000, 6025000}}), h);
  MapPicture picture;
  picture.grid = bench::FullSurface(kSize, kSize);
  picture.registration.assign(picture.grid.CellCount(), 1);
  picture.bar = StretchColourSet({{0, 0, 255}, {255, 255, 255}, {255, 0, 0}}, 32, 1000, 2000);
  picture.readable = true;
  const MapWindowOverlays overlays = Overlays(kSize, h, placement);
  MapDrawInputs inputs{&picture, &h, &placement, &overlays, {{500}, {500}}};
  MapViewState view = NewMapView(h, MapKind::Time);
  auto time = [&](auto draw) {
    return bench::BestMilliseconds([&] {
      image.fill(Qt::white);
      QPainter painter(&image);
      QtCanvas canvas(painter, screen);
      draw(canvas);
    });
  };
  const Rect client{0, 0, 1000, 800};
  const double repaint = time([&](Canvas& c) { DrawMapView(c, client, inputs, view, prompter); });
  const double zoom_step = time([&](Canvas& c) {
    view = NewMapView(h, MapKind::Time);
    ZoomAbout(view, h, {400, 600}, 0.8);
    DrawMapView(c, client, inputs, view, prompter);
  });
  ColourBar bar = picture.bar;
  const IndexedImage bare_image =
      BuildMapImage({&picture.grid, &picture.registration, false}, bar, FullMapZoom(h), 1);
  const double bare = time([&](Canvas& c) { c.StretchImage(bare_image, {24, 24, 976, 776}); });
  std::printf("map window repaint into a 1000 x 800 QImage at 96 ppi (best of 5, CPU ms)\n");
  std::printf("%-52s %8s %8s %8s\n", "picture", "quarrix", "bare", "target");
  std::printf("%-52s %8.1f %8.1f %8s\n", "time map 1000 x 1000, 200 wells, 2000 DXF polylines",
              repaint, bare, "50");
  std::printf("%-52s %8.1f %8.1f %8s\n", "the same after a wheel zoom step", zoom_step, bare, "50");
  AutopickByGridding();
  return 0;
}
