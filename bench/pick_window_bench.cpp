// The pick window on a section of 1000 traces x 1500 samples at 4 ms: opening
// it (assembling the plot with its horizon and drawing the traces layer of
// the part a 1280 x 900 view shows, at 96 pixels per inch with the
// workspace's default scales), and a pick drag across 500 traces (the picking
// engine reading each trace, the cells written, the undo snapshot taken)
// followed by the window's repaint: the horizons read again and the overlay
// layer painted over the kept traces in a 500 x 400 window. Peers: reading
// the section's 1000 traces, and the drag's 500, alone. Process CPU time, best
// of several runs.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "bench_survey.h"
#include "cpu_timer.h"
#include "horizon/horizon_files.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/qt_canvas.h"
#include "project/header_file.h"
#include "project/project_state.h"
#include "workspace/pick_window.h"
#include "workspace/section_layers.h"
#include "workspace/workspace.h"

namespace {

using namespace quarrix;
using bench::BestMilliseconds;

constexpr int kLines = 3, kTraces = 1000, kSamples = 1500;

const DeviceInfo kScreen{.ppi_x = 96, .ppi_y = 96};

struct DrawnWindow {
  SectionLayers layers;
  QImage traces;  // of the part in view
  QRect view;     // the part in view
  TracePlotGeometry geometry;
};

// What the window does when it opens: the plot assembled and the traces
// layer of the part in view drawn into the window's image.
DrawnWindow OpenAndDraw(Workspace& workspace, const PickWindowState& window, Prompter& prompter,
                        QRect view) {
  DrawnWindow drawn{SplitLayers(*LoadPickWindowPlot(workspace, window, prompter)), {}, {}, {}};
  const SectionMode mode = PickWindowMode(workspace);
  const SectionLayout layout = PlanSection(workspace.header(), drawn.layers.traces, kScreen, mode);
  drawn.view = view.intersected(
      QRect(0, 0, static_cast<int>(layout.width), static_cast<int>(layout.height)));
  drawn.traces = QImage(drawn.view.size(), QImage::Format_RGB32);
  drawn.traces.fill(Qt::white);
  QPainter painter(&drawn.traces);
  painter.translate(-drawn.view.topLeft());
  DeviceInfo screen = kScreen;
  screen.exposed = Rect{double(drawn.view.left()), double(drawn.view.top()),
                        double(drawn.view.right() + 1), double(drawn.view.bottom() + 1)};
  QtCanvas canvas(painter, screen);
  SectionSource source{workspace.project.amp, workspace.header(), nullptr};
  drawn.geometry = DrawTracePlot(canvas, source, drawn.layers.traces, mode, nullptr);
  return drawn;
}

// What the window does after a pick: the horizons read again and the
// overlays painted over the kept traces where the window shows them.
void RepaintOverlays(Workspace& workspace, const PickWindowState& window, Prompter& prompter,
                     DrawnWindow& drawn) {
  drawn.layers.overlays = SplitLayers(*LoadPickWindowPlot(workspace, window, prompter)).overlays;
  QImage screen(drawn.view.size(), QImage::Format_RGB32);
  QPainter painter(&screen);
  painter.drawImage(0, 0, drawn.traces);
  painter.translate(-drawn.view.topLeft());
  QtCanvas canvas(painter, kScreen);
  DrawOverlayLayer(canvas, workspace.header(), drawn.layers.overlays, drawn.geometry);
}

double Read(ProjectState& project, int traces) {
  std::vector<std::int16_t> trace(kSamples);
  return BestMilliseconds(
      [&] {
        for (int t = 0; t < traces; ++t)
          ReadTrace(project.amp, project.header, trace.data(), 1, t, 2 * kSamples, nullptr);
      },
      5);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string folder = std::filesystem::temp_directory_path() / "quarrix-pick-window-bench";
  std::filesystem::create_directories(folder);
  ProjectState project;
  ScriptedPrompter prompter;
  OpenProject(project, bench::MakeSineSurvey(folder, kLines, kTraces, kSamples, 3000), prompter);
  CreateHorizonFile(LocateHorizon(folder, "bench.hor"), project.header);
  Workspace workspace = OpenWorkspace(project);
  workspace.horizons.Open({"bench.hor"});
  const PickWindowState window = NewPickWindow(workspace, PickSectionKind::Inline, 1);

  std::printf("pick window: in-line of %d traces x %d samples\n", kTraces, kSamples);
  std::printf("(best of 5, CPU ms; peer: reading the traces alone; targets 150 and 50 ms)\n");
  std::printf("%-36s %8s %8s %8s\n", "work", "ms", "read", "ratio");
  const double read_section = Read(project, kTraces);
  const double open = BestMilliseconds(
      [&] { OpenAndDraw(workspace, window, prompter, QRect(0, 0, 1280, 900)); }, 5);
  std::printf("%-36s %8.1f %8.1f %8.1f\n", "open the window (1280 x 900 view)", open, read_section,
              open / read_section);
  // The window scrolled to where the drag is.
  DrawnWindow drawn = OpenAndDraw(workspace, window, prompter, QRect(200, 1500, 500, 400));
  const double read_drag = Read(project, 500);
  const PickSection section = SectionOf(workspace.header(), window);
  PickGesture gesture{200, 1000, 699, 1400};
  gesture.pick_style = kPickStyleRubberBand;
  const double pick =
      BestMilliseconds([&] { PickOnSection(workspace, section, gesture, prompter); }, 5);
  std::printf("%-36s %8.1f %8.1f %8.1f\n", "pick drag over 500 traces", pick, read_drag,
              pick / read_drag);
  const double drag = BestMilliseconds(
      [&] {
        PickOnSection(workspace, section, gesture, prompter);
        RepaintOverlays(workspace, window, prompter, drawn);
      },
      5);
  std::printf("%-36s %8.1f %8.1f %8.1f\n", "pick drag over 500 traces + repaint", drag, read_drag,
              drag / read_drag);
  project.amp.Close();
  std::filesystem::remove_all(folder);
  return 0;
}
