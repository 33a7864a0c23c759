// The map windows without their windows on the demo survey: the zoom window
// and its stack, the mouse tool driven at pixels of a real drawing (zoom
// rectangle, Shift-clicks, polygon region), the drawing's marks, and the
// region-aware autopick against the batch command over the same cells.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "horizon/demo_interpretation.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_files.h"
#include "loader/demo_survey.h"
#include "map/gridding.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/map_edits.h"
#include "workspace/map_mouse_tool.h"
#include "workspace/map_view_drawing.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

int AddDemoHorizon(const std::string& header, std::ostream& out, std::ostream& err) {
  return AddDemoInterpretation(header, out, err);
}

class MapViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "40", "--traces", "50", "--samples", "300"}, out,
                       err, AddDemoHorizon),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    ASSERT_TRUE(OpenProject(project, folder->File("demo/demo.hdr"), prompter));
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    workspace = std::make_unique<Workspace>(OpenWorkspace(project));
    workspace->horizons.Open({kDemoHorizonName});
    view = NewMapView(project.header, MapKind::Time);
    Draw();
  }

  // Draws the map 600 x 500 and keeps its geometry, as the window does.
  void Draw() {
    picture = LoadMapPicture(*workspace, view, prompter);
    RecordingCanvas canvas;
    inputs = {&picture, &project.header, &project.placement, nullptr, marks};
    geometry = DrawMapView(canvas, {0, 0, 600, 500}, inputs, view, prompter);
    lines = canvas.OfKind(PrimitiveKind::Line).size();
    polylines = canvas.OfKind(PrimitiveKind::Polyline).size();
  }
  Point At(int row, int column) const { return geometry.PixelOf(row, column); }
  MapMouseTool Tool() {
    return MapMouseTool(view, [this] { return &geometry; },
                        {.zoomed = [this] { ++zooms; },
                         .section =
                             [this](bool in, int index) {
                               wanted.push_back({in, index});
                             },
                         .arbitrary_line = {}});
  }

  static inline testing::TempFolder* folder = nullptr;
  ProjectState project;
  ScriptedPrompter prompter;
  std::unique_ptr<Workspace> workspace;
  MapViewState view;
  MapPicture picture;
  MapDrawInputs inputs;
  SectionMarks marks;
  MapGeometry geometry;
  std::size_t lines = 0, polylines = 0;
  int zooms = 0;
  std::vector<std::pair<bool, int>> wanted;
};

TEST_F(MapViewTest, ZoomRectangleNeedsSixCellsAndTheStackKeepsTen) {
  const MapZoom full = view.zoom;
  EXPECT_FALSE(ZoomToCells(view, {2, 3}, {6, 20}));  // five lines
  EXPECT_EQ(view.zoom.Rows(), full.Rows());
  EXPECT_TRUE(ZoomToCells(view, {7, 20}, {2, 3}));  // corners in either order
  EXPECT_EQ(view.zoom.first_row, 2);
  EXPECT_EQ(view.zoom.last_column, 20);
  // The stack holds ten windows; more overwrite the newest.
  for (int k = 0; k < 12; ++k) ASSERT_TRUE(ZoomToCells(view, {k, 0}, {k + 10, 10}));
  EXPECT_EQ(view.zoom_stack.size(), kZoomStackSize);
  EXPECT_EQ(view.zoom_stack.front().Rows(), full.Rows());
  for (std::size_t k = 0; k < kZoomStackSize; ++k) ZoomBack(view, project.header);
  EXPECT_EQ(view.zoom.Rows(), full.Rows());
  ZoomBack(view, project.header);  // an empty stack shows the whole survey
  EXPECT_EQ(view.zoom.Columns(), full.Columns());
}

TEST_F(MapViewTest, WheelZoomKeepsThePointedCellAndPanStopsAtTheEdges) {
  ZoomAbout(view, project.header, {30, 40}, 0.5);
  EXPECT_EQ(view.zoom.Rows(), 20);
  EXPECT_EQ(view.zoom.Columns(), 25);
  EXPECT_TRUE(view.zoom.first_row <= 30 && view.zoom.last_row >= 30);
  EXPECT_NEAR(view.zoom.first_column + (40 - 0) * 24.0 / 49 - 40, 0, 1.5);
  ZoomAbout(view, project.header, {30, 40}, 0.01);  // never closer than six cells
  EXPECT_EQ(view.zoom.Rows(), kMinimumZoomCells);
  PanBy(view, project.header, 100, -100);
  EXPECT_EQ(view.zoom.last_row, 39);
  EXPECT_EQ(view.zoom.first_column, 0);
  EXPECT_EQ(view.zoom.Rows(), kMinimumZoomCells);
  ZoomAbout(view, project.header, {0, 0}, 100);  // never beyond the survey
  EXPECT_EQ(view.zoom.Rows(), 40);
  EXPECT_EQ(view.zoom.Columns(), 50);
  ZoomHome(view, project.header);
  EXPECT_EQ(view.zoom_stack.back().Rows(), kMinimumZoomCells);
}

TEST_F(MapViewTest, RubberBandDragZoomsToTheCellsUnderThePointer) {
  MapMouseTool tool = Tool();
  ASSERT_FALSE(geometry.Empty());
  view.mode = MapViewState::Mode::Zoom;
  tool.Press(At(5, 8), 0);
  EXPECT_TRUE(tool.Move(At(9, 9), 0).repaint);
  // Five traces wide: ignored, and zoom mode stays.
  tool.Release(At(20, 12), 0);
  EXPECT_EQ(zooms, 0);
  EXPECT_EQ(view.mode, MapViewState::Mode::Zoom);
  tool.Press(At(5, 8), 0);
  tool.Release(At(20, 13), 0);
  EXPECT_EQ(zooms, 1);
  EXPECT_EQ(view.mode, MapViewState::Mode::Pointer);
  EXPECT_EQ(view.zoom.first_row, 5);
  EXPECT_EQ(view.zoom.last_row, 20);
  EXPECT_EQ(view.zoom.first_column, 8);
  EXPECT_EQ(view.zoom.last_column, 13);
  EXPECT_EQ(ZoomWindowOf(view.zoom, project.header).first_line, project.header.LineNumber(5));
}

TEST_F(MapViewTest, ShiftClicksAskForTheSectionsThroughTheCell) {
  MapMouseTool tool = Tool();
  tool.Release(At(12, 30), 0);  // a plain click asks for nothing
  tool.Release(At(12, 30), kToolShift);
  tool.Release(At(12, 30), kToolShift | kToolRightButton);
  ASSERT_EQ(wanted.size(), 2u);
  EXPECT_EQ(wanted[0], std::make_pair(true, 12));
  EXPECT_EQ(wanted[1], std::make_pair(false, 30));
}

TEST_F(MapViewTest, PolygonClicksRightButtonAndEscMakeTheRegion) {
  MapMouseTool tool = Tool();
  view.mode = MapViewState::Mode::Polygon;
  for (GridCell c : {GridCell{10, 10}, GridCell{10, 30}, GridCell{3, 3}, GridCell{30, 30}}) {
    tool.Press(At(c.row, c.column), 0);
    tool.Release(At(c.row, c.column), 0);
  }
  tool.Press(At(0, 0), kToolRightButton);  // removes (30, 30)
  tool.Press(At(0, 0), kToolRightButton);  // removes (3, 3)
  tool.Press(At(30, 30), 0);
  tool.Press(At(30, 10), 0);
  EXPECT_TRUE(tool.Move(At(25, 12), 0).repaint);
  Draw();
  EXPECT_EQ(polylines, 1u);  // the polygon's edges up to the pointer
  EXPECT_TRUE(tool.Escape().repaint);
  EXPECT_EQ(view.mode, MapViewState::Mode::Pointer);
  ASSERT_FALSE(view.region.Empty());
  EXPECT_TRUE(view.region.ContainsCell(20, 20));
  EXPECT_TRUE(view.region.ContainsCell(10, 10));
  EXPECT_FALSE(view.region.ContainsCell(30, 30));
  EXPECT_FALSE(view.region.ContainsCell(5, 5));
  // Two vertices make no region.
  view.mode = MapViewState::Mode::Polygon;
  tool.Press(At(1, 1), 0);
  tool.Press(At(5, 1), 0);
  tool.Escape();
  EXPECT_TRUE(view.region.Empty());
}

TEST_F(MapViewTest, ReadoutAndSectionMarks) {
  const MapReadout r = MapReadoutAt(project.header, picture.grid, geometry.CellAt(At(7, 9)));
  EXPECT_EQ(r.line, "Line " + std::to_string(project.header.LineNumber(7)));
  EXPECT_EQ(r.trace, "Trace " + std::to_string(project.header.TraceNumber(9)));
  EXPECT_EQ(r.value, "Value " + std::to_string(picture.grid.At(7, 9)));
  const std::size_t before = lines;
  marks = {{7}, {9, 400}};  // a cross-line outside the survey draws nothing
  Draw();
  EXPECT_EQ(lines - before, 2u);
  EXPECT_EQ(MapCaption(MapKind::Slice, "a.slc"), "Slice --  a.slc");
}

// Autopick inside a rectangle drawn as a polygon changes only the cells
// inside, and gives what the batch autopick gives over the same cells.
TEST_F(MapViewTest, AutopickInsideTheRegionMatchesTheBatchCommand) {
  const std::string demo = folder->File("demo/");
  for (const char* name : {"map.hor", "batch.hor"}) {
    std::filesystem::copy_file(demo + kDemoHorizonName, demo + name,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(demo + "demo_top.hop",
                               demo + std::string(name).replace(std::strlen(name) - 3, 3, "hop"),
                               std::filesystem::copy_options::overwrite_existing);
  }
  const SurveyHeader& h = project.header;
  const std::string zoom =
      std::to_string(h.LineNumber(8)) + ":" + std::to_string(h.LineNumber(27)) + "," +
      std::to_string(h.TraceNumber(12)) + ":" + std::to_string(h.TraceNumber(35));
  std::ostringstream out, err;
  for (const char* name : {"map.hor", "batch.hor"})
    ASSERT_EQ(RunClearAutoCommand({demo + "demo.hdr", name, "--zoom", zoom}, out, err), 0)
        << err.str();
  HorizonGrid before(h.num_lines, h.traces_per_line);
  ReadHorizon(demo + "map.hor", &before, nullptr);

  workspace->horizons.Open({"map.hor"});
  // The map zoomed to the area, the polygon drawn round it.
  ASSERT_TRUE(ZoomToCells(view, {8, 12}, {27, 35}));
  workspace->zoom = ZoomWindowOf(view.zoom, h);
  view.region = GridRegion({{12, 8}, {36, 8}, {36, 28}, {12, 28}});  // cells 8..27 x 12..35
  NullProgress progress;
  ASSERT_EQ(AutopickCurrent(*workspace, view.region, StartAutopickChoice(*workspace, true),
                            progress, prompter),
            AutopickOutcome::Finished);
  auto grid = [](HorizonGrid& time, const IndexArea& area, const GridRegion& region, Progress& p,
                 Prompter& pr) {
    GridHorizonArea(time,
                    {area.first_column, area.first_row, area.last_column - area.first_column + 1,
                     area.last_row - area.first_row + 1},
                    region, GriddingOptions{}, p, pr);
  };
  ASSERT_EQ(RunAutopickCommand({demo + "demo.hdr", "batch.hor", "--mode", "grid", "--zoom", zoom},
                               out, err, grid),
            0)
      << err.str();
  HorizonGrid by_map(h.num_lines, h.traces_per_line), by_batch(h.num_lines, h.traces_per_line);
  ReadHorizon(demo + "map.hor", &by_map, nullptr);
  ReadHorizon(demo + "batch.hor", &by_batch, nullptr);
  int filled = 0;
  for (int i = 0; i < h.num_lines; ++i)
    for (int j = 0; j < h.traces_per_line; ++j) {
      const bool inside = i >= 8 && i <= 27 && j >= 12 && j <= 35;
      if (!inside) EXPECT_EQ(by_map.At(i, j), before.At(i, j)) << i << "," << j;
      EXPECT_EQ(by_map.At(i, j), by_batch.At(i, j)) << i << "," << j;
      filled += inside && before.At(i, j) == HORIZON_NULL && by_map.At(i, j) != HORIZON_NULL;
    }
  EXPECT_GT(filled, 100);
  ASSERT_TRUE(UndoLastEdit(*workspace, prompter));
  ReadHorizon(demo + "map.hor", &by_map, nullptr);
  EXPECT_EQ(by_map.cells, before.cells);
}

TEST_F(MapViewTest, CancelledAutopickLeavesTheHorizonAsItWas) {
  const std::string demo = folder->File("demo/");
  std::filesystem::copy_file(demo + kDemoHorizonName, demo + "cancel.hor",
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(demo + "demo_top.hop", demo + "cancel.hop",
                             std::filesystem::copy_options::overwrite_existing);
  std::ostringstream out, err;
  ASSERT_EQ(RunClearAutoCommand({demo + "demo.hdr", "cancel.hor"}, out, err), 0);
  const std::string bytes = testing::ReadFileBytes(demo + "cancel.hor");
  workspace->horizons.Open({"cancel.hor"});
  RecordingProgress progress(3);
  EXPECT_EQ(AutopickCurrent(*workspace, {}, {AutopickMode::FromGridding}, progress, prompter),
            AutopickOutcome::Cancelled);
  EXPECT_EQ(testing::ReadFileBytes(demo + "cancel.hor"), bytes);
}

}  // namespace
}  // namespace quarrix
