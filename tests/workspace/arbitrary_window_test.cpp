// Arbitrary-line pick windows without their shell, on the demo survey: the
// offset and caption, picks and fault segments made with the mouse tools
// through the drawn geometry against the batch commands on the same line,
// bins moved outside the survey, and the two drawing layers against the
// one-pass drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "fault/fault_commands.h"
#include "horizon/arbitrary_line.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_files.h"
#include "loader/demo_survey.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/fault_mode.h"
#include "workspace/horizon_pick_tool.h"
#include "workspace/section_layers.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

constexpr DemoSurveySize kSize{20, 30, 300};

class ArbitraryWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "20", "--traces", "30", "--samples", "300"}, out,
                       err),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    header_path = folder->File("demo/demo.hdr");
    ScriptedPrompter quiet;
    ASSERT_TRUE(OpenProject(project, header_path, quiet));
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    for (const char* name : {"ui.hor", "batch.hor"})
      ASSERT_TRUE(CreateHorizonFile(LocateHorizon(folder->File("demo"), name), project.header));
    // A diagonal line from trace index 2 of line index 1 to trace 22 of line 18.
    ASSERT_TRUE(SaveArbitraryLine(arb_path(), {{2, 1}, {22, 18}}, project.header, quiet));
    workspace = std::make_unique<Workspace>(OpenWorkspace(project));
    workspace->horizons.Open({"ui.hor"});
  }

  std::string arb_path() const { return folder->File("demo/diag.arb"); }
  std::string File(const std::string& name) const { return folder->File("demo/" + name); }

  // The window drawn as its shell draws it: the traces layer, then the overlays.
  TracePlotGeometry Draw(const PickWindowState& window, RecordingCanvas& canvas) {
    const SectionLayers layers = SplitLayers(*LoadPickWindowPlot(*workspace, window, prompter));
    SectionSource source{project.amp, project.header, nullptr};
    TracePlotGeometry g =
        DrawTracePlot(canvas, source, layers.traces, SectionMode::Wiggle, nullptr);
    DrawOverlayLayer(canvas, project.header, layers.overlays, g);
    return g;
  }

  // The reflector's time at a place in the window's list.
  int ReflectorAt(const PickWindowState& window, int place) {
    const GridBin bin = SectionOf(project.header, window).bins[static_cast<std::size_t>(place)];
    return static_cast<int>(DemoReflectorTimes(kSize, bin.row, bin.column)[0]);
  }

  static inline testing::TempFolder* folder = nullptr;
  std::string header_path;
  ProjectState project;
  ScriptedPrompter prompter;
  std::unique_ptr<Workspace> workspace;
};

TEST_F(ArbitraryWindowTest, OffsetMovesAlongTheChosenAxisAndNamesTheCaption) {
  const SurveyHeader& h = project.header;
  workspace->arbitrary_by_traces = false;
  PickWindowState window = NewArbitraryWindow(*workspace, arb_path());
  EXPECT_EQ(PickWindowCaption(h, window), "Arbitrary Line -- diag.arb  +0 Line");
  MovePickWindow(window, h, -1, true, false);
  MovePickWindow(window, h, -1, true, false);
  EXPECT_EQ(PickWindowCaption(h, window), "Arbitrary Line -- diag.arb  -2 Line");
  EXPECT_EQ(window.previous, -1);
  EXPECT_EQ(SectionOf(h, window).bins.front().row, 1 - 2);  // lines move, traces stay
  EXPECT_EQ(SectionOf(h, window).bins.front().column, 2);

  // Advancing by traces starts the offset again from 0.
  MovePickWindow(window, h, 3, true, true);
  EXPECT_EQ(PickWindowCaption(h, window), "Arbitrary Line -- diag.arb  +3 Trace");
  EXPECT_EQ(window.previous, 0);
  ASSERT_TRUE(ShowNumber(window, h, -40, true));
  EXPECT_EQ(window.position, -40);
  EXPECT_EQ(window.previous, 3);
}

TEST_F(ArbitraryWindowTest, DragPicksTheCellsTheBatchCommandPicksSkippingBinsOffTheSurvey) {
  const SurveyHeader& h = project.header;
  PickWindowState window = NewArbitraryWindow(*workspace, arb_path());
  MovePickWindow(window, h, 9, false, true);  // the line's far end leaves the survey
  const PickSection section = SectionOf(h, window);
  int inside = 0;
  for (const GridBin& bin : section.bins) inside += BinInGrid(h, bin);
  ASSERT_LT(inside, section.count());

  RecordingCanvas canvas(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  const TracePlotGeometry g = Draw(window, canvas);
  // Only the bins inside the survey are drawn, each at its place in the list.
  ASSERT_EQ(static_cast<int>(g.columns.size()), inside);
  for (const SectionColumn& c : g.columns) {
    const GridBin bin = section.bins[static_cast<std::size_t>(c.list_position)];
    EXPECT_EQ(c.line_index, bin.row);
    EXPECT_EQ(c.trace_index, bin.column);
  }

  const int first = 2, last = g.columns.back().list_position;
  HorizonPickTool tool(*workspace, window, prompter, [&] { return &g; }, {}, {});
  const Point from = PointOf(g, h, PickSectionKind::Arbitrary, first, ReflectorAt(window, first));
  const Point to = PointOf(g, h, PickSectionKind::Arbitrary, last, ReflectorAt(window, last));
  const auto start = SectionPointAt(g, h, PickSectionKind::Arbitrary, from);
  const auto end = SectionPointAt(g, h, PickSectionKind::Arbitrary, to);
  ASSERT_TRUE(start && end);
  EXPECT_EQ(start->number, first);
  EXPECT_EQ(end->number, last);
  workspace->settings.pick_style = kPickStyleRubberBand;
  tool.Press(from, 0);
  EXPECT_TRUE(tool.Release(to, 0).repaint);

  std::ostringstream out, err;
  ASSERT_EQ(RunPickCommand(
                {header_path, "batch.hor", "--arb", "diag.arb", "--offset", "9", "--style",
                 "rubber", "--from", std::to_string(first) + ":" + std::to_string(start->time_ms),
                 "--to", std::to_string(last) + ":" + std::to_string(end->time_ms)},
                out, err),
            0)
      << err.str();
  EXPECT_EQ(testing::ReadFileBytes(File("ui.hor")), testing::ReadFileBytes(File("batch.hor")));
  // Every picked cell is a bin of the line between the drag's ends.
  HorizonGrid time(h.num_lines, h.traces_per_line);
  ReadHorizon(File("ui.hor"), &time, nullptr);
  int picked = 0;
  for (int p = first; p <= last; ++p) {
    const GridBin bin = section.bins[static_cast<std::size_t>(p)];
    picked += time.At(bin.row, bin.column) != HORIZON_NULL;
  }
  int anywhere = 0;
  for (std::int16_t t : time.cells) anywhere += t != HORIZON_NULL;
  EXPECT_GT(picked, (last - first) / 2);
  EXPECT_EQ(anywhere, picked);

  // The window's overlay shows the new picks along the line.
  RecordingCanvas after(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  Draw(window, after);
  EXPECT_GT(after.OfKind(PrimitiveKind::Polyline).size(),
            canvas.OfKind(PrimitiveKind::Polyline).size());
}

TEST_F(ArbitraryWindowTest, EmptyLineAndUnreadableFileShowAnEmptySection) {
  testing::WriteFileBytes(File("empty.arb"), std::string(2, '\0'));
  for (const std::string& path : {File("empty.arb"), File("missing.arb")}) {
    PickWindowState window = NewArbitraryWindow(*workspace, path);
    EXPECT_EQ(SectionOf(project.header, window).count(), 0);
    RecordingCanvas canvas(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
    EXPECT_TRUE(Draw(window, canvas).columns.empty());
  }
}

TEST_F(ArbitraryWindowTest, FaultSegmentAndItsPreviousPassFollowTheArbitraryLine) {
  const SurveyHeader& h = project.header;
  std::ostringstream out, err;
  for (const char* name : {"ui.ffl", "batch.ffl"})
    ASSERT_EQ(RunFaultCommand({"create", header_path, name}, out, err), 0) << err.str();
  workspace->faults = {{"ui.ffl"}, 0};
  workspace->settings.interaction_mode = kModeFaults;
  PickWindowState window = NewArbitraryWindow(*workspace, arb_path());
  MovePickWindow(window, h, 2, false, true);
  RecordingCanvas canvas(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  const TracePlotGeometry g = Draw(window, canvas);
  FaultPickTool tool(*workspace, window, prompter, [&] { return &g; }, {});
  tool.Press(PointOf(g, h, PickSectionKind::Arbitrary, 3, 400), 0);
  EXPECT_TRUE(tool.Release(PointOf(g, h, PickSectionKind::Arbitrary, 12, 700), 0).repaint);
  ASSERT_EQ(RunFaultCommand({"segment", header_path, "batch.ffl", "--arb", File("diag.arb"),
                             "--offset", "2", "--from", "3:400", "--to", "12:700"},
                            out, err),
            0)
      << err.str();
  EXPECT_EQ(testing::ReadFileBytes(File("ui.ffl")), testing::ReadFileBytes(File("batch.ffl")));

  // The next offset shows the segment as the previous fault, in blue.
  workspace->show_previous_fault = true;
  MovePickWindow(window, h, 1, true, true);
  RecordingCanvas next(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  Draw(window, next);
  int blue = 0;
  for (const DrawnPrimitive& p : next.primitives())
    blue += p.kind == PrimitiveKind::Polyline && p.pen.colour == Rgb{0, 0, 255};
  EXPECT_GT(blue, 0);
}

TEST_F(ArbitraryWindowTest, AFaultOnThisAndThePreviousSectionIsNamedOnce) {
  const SurveyHeader& h = project.header;
  std::ostringstream out, err;
  ASSERT_EQ(RunFaultCommand({"create", header_path, "named.ffl"}, out, err), 0) << err.str();
  for (int line : {h.LineNumber(5), h.LineNumber(6)})
    ASSERT_EQ(RunFaultCommand({"segment", header_path, "named.ffl", "--line", std::to_string(line),
                               "--from", std::to_string(h.TraceNumber(4)) + ":400", "--to",
                               std::to_string(h.TraceNumber(14)) + ":700"},
                              out, err),
              0)
        << err.str();
  workspace->faults = {{"named.ffl"}, 0};
  workspace->show_previous_fault = true;
  PickWindowState window = NewPickWindow(*workspace, PickSectionKind::Inline, 5);
  MovePickWindow(window, h, 1, true);
  RecordingCanvas canvas(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  Draw(window, canvas);
  int red = 0, blue = 0, names = 0;
  for (const DrawnPrimitive& p : canvas.primitives()) {
    red += p.kind == PrimitiveKind::Polyline && p.pen.colour == Rgb{255, 0, 0};
    blue += p.kind == PrimitiveKind::Polyline && p.pen.colour == Rgb{0, 0, 255};
    names += p.kind == PrimitiveKind::Text && p.text == "NAMED";
  }
  EXPECT_GT(red, 0);
  EXPECT_GT(blue, 0);
  EXPECT_EQ(names, 1);
}

TEST_F(ArbitraryWindowTest, TheTwoLayersDrawWhatTheOnePassDrawingDraws) {
  const SurveyHeader& h = project.header;
  PickWindowState window = NewPickWindow(*workspace, PickSectionKind::Inline, 6);
  const int t = static_cast<int>(DemoReflectorTimes(kSize, 6, 10)[0]);
  PickGesture click{h.TraceNumber(10), t, h.TraceNumber(10), t};
  ASSERT_EQ(PickOnSection(*workspace, SectionOf(h, window), click, prompter), PickOutcome::Picked);
  workspace->show_previous = true;
  MovePickWindow(window, h, 1, true);

  RecordingCanvas layered(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  Draw(window, layered);
  RecordingCanvas one_pass(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  SectionSource source{project.amp, h, nullptr};
  DrawTracePlot(one_pass, source, *LoadPickWindowPlot(*workspace, window, prompter),
                SectionMode::Wiggle, nullptr);
  ASSERT_EQ(layered.primitives().size(), one_pass.primitives().size());
  for (std::size_t k = 0; k < layered.primitives().size(); ++k) {
    EXPECT_EQ(layered.primitives()[k].points, one_pass.primitives()[k].points) << k;
    EXPECT_EQ(layered.primitives()[k].pen, one_pass.primitives()[k].pen) << k;
  }
}

}  // namespace
}  // namespace quarrix
