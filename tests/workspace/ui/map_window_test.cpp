// The workspace's map windows driven with the mouse on the demo survey: the
// time map opens from the Plot menu, a rubber-band drag zooms and Zoom Out
// restores, the wheel and Home, a Shift-click brings the in-line there into a
// pick window, and a polygon drawn with clicks and Esc becomes the region.
#include "workspace/ui/map_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "dxf/dxf_culture.h"
#include "exchange/demo_culture.h"
#include "horizon/demo_interpretation.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_style.h"
#include "loader/demo_survey.h"
#include "map/horizon_plot_document.h"
#include "map/map_colours.h"
#include "map/map_commands.h"
#include "map/plot_map_command.h"
#include "map/plot_map_inputs.h"
#include "map/ui/map_choices.h"
#include "platform/paths.h"
#include "platform/plot_output.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"
#include "platform/text_util.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_plot_writer.h"
#include "project/project_state.h"
#include "project/xy_geometry.h"
#include "support/test_support.h"
#include "workspace/ui/cross_hair.h"
#include "workspace/ui/map_dialogs.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_frame.h"
#include "workspace/workspace_commands.h"

namespace quarrix {
namespace {

// The demo's horizon, then its wells and culture.
int AddDemoHorizon(const std::string& header, std::ostream& out, std::ostream& err) {
  if (int status = AddDemoInterpretation(header, out, err)) return status;
  return AddDemoCulture(header, out, err);
}

using namespace workspace_command;

class MapWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "60", "--traces", "50", "--samples", "300"}, out,
                       err, AddDemoHorizon),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    ScriptedPrompter quiet;
    ASSERT_TRUE(OpenProject(project, folder->File("demo/demo.hdr"), quiet));
    frame = std::make_unique<WorkspaceFrame>(project, &prompter);
    frame->workspace().horizons.Open({kDemoHorizonName});
    frame->resize(1100, 800);
    frame->show();
    frame->Dispatch(kPlotHorizonTime);
    map = frame->ActiveMap();
    ASSERT_NE(map, nullptr);
    map->parentWidget()->resize(700, 600);
    map->RedrawNow();
    ASSERT_NE(map->geometry(), nullptr);
    ASSERT_FALSE(map->geometry()->Empty());
  }

  // The widget pixel of a cell's centre.
  QPoint PixelOf(int row, int column) const {
    const Point p = map->geometry()->PixelOf(row, column);
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }
  QWidget* viewport() const { return map->view()->viewport(); }
  void Settle() {
    QElapsedTimer timer;
    timer.start();
    do QApplication::processEvents();
    while ((map->view()->drawing() || timer.elapsed() < 30) && timer.elapsed() < 5000);
  }

  static inline testing::TempFolder* folder = nullptr;
  ProjectState project;
  ScriptedPrompter prompter;
  std::unique_ptr<WorkspaceFrame> frame;
  MapWindow* map = nullptr;
};

TEST_F(MapWindowTest, OpensOnTheCurrentHorizonAndReadsOutTheCellUnderThePointer) {
  EXPECT_EQ(map->windowTitle().toStdString(),
            "Time -- " + folder->File("demo/") + kDemoHorizonName);
  QTest::mouseMove(viewport(), PixelOf(20, 30));
  const std::string text = frame->status_part(0)->text().toStdString();
  EXPECT_NE(text.find("Line " + std::to_string(project.header.LineNumber(20))), std::string::npos);
  EXPECT_NE(text.find("Trace " + std::to_string(project.header.TraceNumber(30))),
            std::string::npos);
  EXPECT_NE(text.find("Value "), std::string::npos);
}

TEST_F(MapWindowTest, RubberBandZoomsAndZoomOutRestores) {
  const MapZoom full = map->view_state().zoom;
  frame->Dispatch(kZoomIn);
  QTest::mousePress(viewport(), Qt::LeftButton, {}, PixelOf(10, 5));
  QTest::mouseMove(viewport(), PixelOf(20, 15));
  QTest::mouseRelease(viewport(), Qt::LeftButton, {}, PixelOf(30, 25));
  const MapZoom& zoom = map->view_state().zoom;
  EXPECT_EQ(zoom.first_row, 10);
  EXPECT_EQ(zoom.last_row, 30);
  EXPECT_EQ(zoom.first_column, 5);
  EXPECT_EQ(zoom.last_column, 25);
  // The workspace's zoom window follows the map's.
  EXPECT_EQ(frame->workspace().zoom.first_line, project.header.LineNumber(10));
  EXPECT_EQ(frame->workspace().zoom.last_trace, project.header.TraceNumber(25));
  frame->Dispatch(kZoomOut);
  EXPECT_EQ(map->view_state().zoom.Rows(), full.Rows());
  EXPECT_EQ(map->view_state().zoom.Columns(), full.Columns());
}

TEST_F(MapWindowTest, WheelZoomsAboutThePointerAndHomeShowsTheSurvey) {
  map->RedrawNow();
  const QPoint at = PixelOf(30, 25);
  QWheelEvent wheel(at, viewport()->mapToGlobal(at), {}, {0, 240}, Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport(), &wheel);
  const MapZoom& zoom = map->view_state().zoom;
  EXPECT_LT(zoom.Rows(), 60);
  EXPECT_TRUE(zoom.first_row <= 30 && zoom.last_row >= 30);
  QTest::keyClick(map->view(), Qt::Key_Home);
  EXPECT_EQ(map->view_state().zoom.Rows(), 60);
}

TEST_F(MapWindowTest, ShiftClickBringsTheLineIntoAnInlinePickWindow) {
  QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, PixelOf(17, 12));
  SectionPickWindow* window = frame->ActiveSection();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->state().kind, PickSectionKind::Inline);
  EXPECT_EQ(window->state().position, 17);
  // A second Shift-click moves the same window.
  QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, PixelOf(40, 12));
  EXPECT_EQ(frame->ActiveSection(), window);
  EXPECT_EQ(window->state().position, 40);
  // The map's pointer is marked on the in-line at its trace.
  window->RedrawNow();
  QTest::mouseMove(viewport(), PixelOf(40, 3));
  const Point column = PointOf(*window->geometry(), project.header, PickSectionKind::Inline,
                               project.header.TraceNumber(3), window->state().first_time);
  ASSERT_TRUE(window->cross_hair()->x().has_value());
  EXPECT_EQ(*window->cross_hair()->x(),
            static_cast<int>(column.x) - window->view()->horizontalScrollBar()->value());
  QTest::mouseClick(viewport(), Qt::RightButton, Qt::ShiftModifier, PixelOf(40, 33));
  const QList<QMdiSubWindow*> windows = frame->mdi()->subWindowList();
  const int crosslines =
      static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QMdiSubWindow* sub) {
        auto* section = qobject_cast<SectionPickWindow*>(sub->widget());
        return section && section->state().kind == PickSectionKind::Crossline &&
               section->state().position == 33;
      }));
  EXPECT_EQ(crosslines, 1);
}

TEST_F(MapWindowTest, PolygonFromClicksAndEscBecomesTheRegion) {
  frame->Dispatch(kSelectPolygon);
  for (auto [row, column] : {std::pair{10, 10}, {10, 40}, {50, 40}, {5, 5}, {50, 10}}) {
    QTest::mousePress(viewport(), Qt::LeftButton, {}, PixelOf(row, column));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, PixelOf(row, column));
  }
  // The right button takes back the last vertex, twice.
  QTest::mousePress(viewport(), Qt::RightButton, {}, PixelOf(0, 0));
  QTest::mousePress(viewport(), Qt::RightButton, {}, PixelOf(0, 0));
  QTest::mousePress(viewport(), Qt::LeftButton, {}, PixelOf(50, 10));
  QTest::keyClick(map->view(), Qt::Key_Escape);
  const GridRegion& region = map->view_state().region;
  ASSERT_EQ(region.vertices().size(), 4u);
  EXPECT_TRUE(region.ContainsCell(25, 30));
  EXPECT_FALSE(region.ContainsCell(45, 30));
  EXPECT_EQ(map->view_state().mode, MapViewState::Mode::Pointer);
}

// Gridding inside the zoom window through "Autopick Options" (gridding, no
// snap) and "Gridding Options" (no extrapolation) writes the horizon the
// batch grid command writes over the same area.
TEST_F(MapWindowTest, GriddingFromTheDialogsMatchesTheBatchGridCommand) {
  const std::string demo = folder->File("demo/");
  std::ostringstream out, err;
  for (const std::string name : {"ui_grid", "batch_grid"}) {
    for (const char* extension : {".hor", ".hop"})
      std::filesystem::copy_file(demo + "demo_top" + extension, demo + name + extension,
                                 std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(RunClearAutoCommand({demo + "demo.hdr", name + ".hor"}, out, err), 0) << err.str();
  }
  frame->workspace().horizons.Open({"ui_grid.hor"});
  map->Redraw();
  frame->Dispatch(kZoomIn);
  QTest::mousePress(viewport(), Qt::LeftButton, {}, PixelOf(5, 4));
  QTest::mouseRelease(viewport(), Qt::LeftButton, {}, PixelOf(50, 40));
  std::vector<std::string> dialogs;
  frame->run_dialog = [&dialogs](QDialog& dialog) {
    dialogs.push_back(dialog.windowTitle().toStdString());
    if (auto* autopick = qobject_cast<AutopickOptionsDialog*>(&dialog)) {
      EXPECT_TRUE(autopick->modes()->button(1)->isEnabled());  // no region yet
      autopick->modes()->button(4)->click();
      QTest::mouseClick(autopick->snap(), Qt::LeftButton);
    }
    if (auto* gridding = qobject_cast<GriddingOptionsDialog*>(&dialog)) {
      EXPECT_TRUE(gridding->extrapolate()->isChecked());
      EXPECT_EQ(gridding->tautness1()->text(), "1.5");
      QTest::mouseClick(gridding->extrapolate(), Qt::LeftButton);
    }
    return true;
  };
  frame->Dispatch(kAutopickAll);
  EXPECT_EQ(dialogs, (std::vector<std::string>{"Autopick Options", "Gridding Options"}));
  EXPECT_EQ(frame->workspace().settings.autopick_mode, 4);
  const SurveyHeader& h = project.header;
  const std::string area =
      std::to_string(h.LineNumber(5)) + ":" + std::to_string(h.LineNumber(50)) + "," +
      std::to_string(h.TraceNumber(4)) + ":" + std::to_string(h.TraceNumber(40));
  ASSERT_EQ(RunGridCommand(
                {demo + "demo.hdr", demo + "batch_grid.hor", "--area", area, "--no-extrapolate"},
                out, err),
            0)
      << err.str();
  const std::string by_window = testing::ReadFileBytes(demo + "ui_grid.hor");
  EXPECT_EQ(by_window, testing::ReadFileBytes(demo + "batch_grid.hor"));
  EXPECT_NE(by_window, testing::ReadFileBytes(demo + "demo_top.hor"));

  // With a region only gridding may be chosen.
  map->view_state().region = GridRegion({{5, 5}, {30, 5}, {30, 30}});
  frame->run_dialog = [](QDialog& dialog) {
    if (auto* autopick = qobject_cast<AutopickOptionsDialog*>(&dialog)) {
      EXPECT_FALSE(autopick->modes()->button(1)->isEnabled());
      EXPECT_FALSE(autopick->modes()->button(2)->isEnabled());
      EXPECT_TRUE(autopick->modes()->button(4)->isChecked());
    }
    return false;
  };
  frame->Dispatch(kAutopickAll);
  EXPECT_EQ(testing::ReadFileBytes(demo + "ui_grid.hor"), by_window);
}

// Wells posted through "Select Wells", then an arbitrary line digitised with
// Shift near two of them: its vertices snap to the wells' cells and the file
// is the one the batch arb command writes through those vertices.
TEST_F(MapWindowTest, ArbitraryLineThroughTwoWellsSnapsAndSavesAsTheBatchCommand) {
  frame->run_dialog = [](QDialog& dialog) {
    auto* wells = qobject_cast<SelectWellsDialog*>(&dialog);
    EXPECT_NE(wells, nullptr);
    if (!wells) return false;
    EXPECT_GE(wells->list()->count(), 4);
    QTest::mouseClick(wells->all(), Qt::LeftButton);
    return true;
  };
  frame->Dispatch(kSelectWells);
  const std::vector<GridCell> wells = map->view_state().wells;
  ASSERT_GE(wells.size(), 2u);
  const GridCell a = wells[0], b = wells[1];
  ASSERT_FALSE(a == b);
  const std::string demo = folder->File("demo/");
  prompter.QueueFile(demo + "through_wells.arb");
  frame->Dispatch(kCreateArbitraryLine);
  ASSERT_EQ(map->view_state().mode, MapViewState::Mode::ArbitraryLine);
  // Two cells off each well, within the snap distance of four bins.
  const GridCell near_a{a.row + 2, std::max(0, a.column - 1)};
  const GridCell near_b{std::max(0, b.row - 1), b.column + 2 < 50 ? b.column + 2 : b.column - 2};
  const GridCell free_end{30, 25};
  QTest::mousePress(viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    PixelOf(near_a.row, near_a.column));
  QTest::mousePress(viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    PixelOf(near_b.row, near_b.column));
  QTest::mousePress(viewport(), Qt::LeftButton, {}, PixelOf(free_end.row, free_end.column));
  EXPECT_EQ(map->view_state().vertices, (std::vector<GridCell>{a, b, free_end}));
  QTest::keyClick(map->view(), Qt::Key_Escape);
  EXPECT_EQ(map->view_state().mode, MapViewState::Mode::Pointer);

  std::ostringstream out, err;
  std::vector<std::string> args = {"create", demo + "demo.hdr", "batch_wells.arb"};
  for (const GridCell& v : {a, b, free_end}) {
    args.push_back("--vertex");
    args.push_back(std::to_string(v.column) + "," + std::to_string(v.row));
  }
  ASSERT_EQ(RunArbCommand(args, out, err), 0) << err.str();
  const std::string by_window = testing::ReadFileBytes(demo + "through_wells.arb");
  EXPECT_EQ(prompter.last_text(), "");
  EXPECT_FALSE(by_window.empty());
  EXPECT_EQ(by_window, testing::ReadFileBytes(demo + "batch_wells.arb"));
}

// "Horizon Color" with a colour set: the horizon keeps the scheme and the map
// shows the colours the batch plot of the horizon uses.
TEST_F(MapWindowTest, ColourSchemeChoiceGivesTheBatchPlotsColours) {
  const std::string path = folder->File("demo/") + kDemoHorizonName;
  frame->run_dialog = [](QDialog& dialog) {
    auto* scheme = qobject_cast<ColourSchemeDialog*>(&dialog);
    EXPECT_NE(scheme, nullptr);
    if (!scheme) return false;
    scheme->schemes()->button(3)->click();
    return true;
  };
  const QImage before = map->view()->image();
  frame->Dispatch(kHorizonColour);
  map->RedrawNow();
  ASSERT_EQ(ReadHorizonStyle(path)->time_colour_scheme, 3);
  HorizonGrid grid(project.header.num_lines, project.header.traces_per_line);
  ASSERT_EQ(ReadHorizon(path, &grid, nullptr), HorizonReadResult::Ok);
  std::string name;
  ColourBar batch =
      PlotColourBar(path, grid, false, LoadColourSets(ConfigFile("colorset.ini")), name);
  MapColourIndex index(batch);
  const QImage after = map->view()->image();
  int picked = 0, changed = 0;
  for (int row = 3; row < 60; row += 11)
    for (int column = 2; column < 50; column += 9) {
      const std::int16_t value = grid.At(row, column);
      if (value == HORIZON_NULL) continue;
      ++picked;
      const QPoint p = PixelOf(row, column);
      const Rgb want = index.palette()[index.Of(value)];
      EXPECT_EQ(after.pixel(p), qRgb(want.r, want.g, want.b)) << row << "," << column;
      changed += before.pixel(p) != after.pixel(p);
    }
  EXPECT_GT(picked, 10);
  EXPECT_GT(changed, 0);
  EXPECT_EQ(prompter.last_text(), "");
  ASSERT_TRUE(StoreMapColourScheme(path, false, 1));
}

// A line drawn by ezdxf from one cell's centre to another's lies on those
// cells on the map window, as it does on the batch plot-map output.
TEST_F(MapWindowTest, DxfFromEzdxfShowsWherePlotMapPutsIt) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") != 0)
    GTEST_SKIP() << "ezdxf is not installed";
  const SurveyHeader& h = project.header;
  const GridCell a{12, 8}, b{44, 38};
  auto world = [&](GridCell c) {
    return LineTraceToXy(h, project.placement, c.row * h.line_increment,
                         c.column * h.trace_increment);
  };
  const XyPoint wa = world(a), wb = world(b);
  const std::string dxf = folder->File("demo/ezdxf_line.dxf");
  const std::string script = FormatText(
      "/usr/bin/python3 -c 'import ezdxf, sys; d = ezdxf.new(\"R12\"); "
      "d.modelspace().add_line((%d, %d), (%d, %d)); d.saveas(sys.argv[1])' '%s'",
      wa.x, wa.y, wb.x, wb.y, dxf.c_str());
  ASSERT_EQ(std::system(script.c_str()), 0);

  // The map window, lines in magenta.
  map->overlays().culture_options.line = {PenStyle::Solid, 1, {255, 0, 255}};
  ASSERT_TRUE(map->SetCulture({dxf}));
  map->RedrawNow();
  const QImage drawn = map->view()->image();
  auto magenta_near = [&](Point p) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (drawn.pixel(static_cast<int>(p.x) + dx, static_cast<int>(p.y) + dy) ==
            qRgb(255, 0, 255))
          return true;
    return false;
  };
  const MapGeometry& g = *map->geometry();
  EXPECT_TRUE(magenta_near(g.PixelOf(a.row, a.column)));
  EXPECT_TRUE(magenta_near(g.PixelOf(b.row, b.column)));
  EXPECT_TRUE(magenta_near(g.PixelOf((a.row + b.row) / 2.0, (a.column + b.column) / 2.0)));
  EXPECT_FALSE(magenta_near(g.PixelOf(a.row + 6, a.column)));

  // plot-map over an unpicked grid: black culture on white cells. The plot's
  // frame comes from drawing the same document as the command does, and both
  // pictures are the same.
  const std::string demo = folder->File("demo/");
  HorizonGrid empty(h.num_lines, h.traces_per_line);
  ASSERT_TRUE(WriteHorizon(demo + "unpicked.hor", &empty, &empty));
  std::ostringstream out, err;
  PlotMapReaders readers;
  readers.dxf = ReadCultureDrawing;
  QtPlotWriter writer;
  ASSERT_EQ(RunPlotMap({demo + "demo.hdr", "unpicked.hor", "--dxf", dxf, "--dpi", "100", "--out",
                        demo + "culture_cli.png", "--force"},
                       out, err, &writer, readers),
            0)
      << err.str();
  HorizonPlotRequest request;
  request.header_path = demo + "demo.hdr";
  request.grid_path = demo + "unpicked.hor";
  request.dxf = {dxf};
  std::string problem;
  auto doc =
      LoadHorizonPlot(request, readers, LoadColourSets(ConfigFile("colorset.ini")), problem, err);
  ASSERT_TRUE(doc) << problem;
  // The settings of a plot-map command line without options.
  HorizonPlotSettings settings;
  settings.palette = true;
  settings.grid_lines = settings.grid_circles = settings.label_traces_lines = false;
  settings.in_xy = settings.title = settings.fill_holes = false;
  settings.camera.fishnet = settings.camera.colour_fishnet = false;
  DefaultLineClasses(doc->data.bar, settings);
  HorizonPlotResult result;
  NullProgress progress;
  auto draw = [&](Canvas& canvas) {
    const DeviceInfo device = canvas.Device();
    result = DrawHorizonPlotDocument(canvas, {0, 0, 11 * device.ppi_x, 8.5 * device.ppi_y},
                                     settings, *doc, progress, prompter);
  };
  std::string error;
  ASSERT_TRUE(
      SavePlot(demo + "culture_lib.png", HorizonPlotPage(*doc, 11, 8.5, 100), draw, &writer, error))
      << error;
  const QImage plotted(QString::fromStdString(demo + "culture_cli.png"));
  ASSERT_FALSE(plotted.isNull());
  ASSERT_TRUE(plotted == QImage(QString::fromStdString(demo + "culture_lib.png")));
  auto dark_near = [&](Point p) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (qGray(plotted.pixel(static_cast<int>(p.x) + dx, static_cast<int>(p.y) + dy)) < 100)
          return true;
    return false;
  };
  const PlotGridFrame& f = result.frame;
  EXPECT_TRUE(dark_near(f.ToDevice(a.row, a.column)));
  EXPECT_TRUE(dark_near(f.ToDevice(b.row, b.column)));
  EXPECT_TRUE(dark_near(f.ToDevice((a.row + b.row) / 2.0, (a.column + b.column) / 2.0)));
  EXPECT_FALSE(dark_near(f.ToDevice(a.row + 6, a.column)));
}

// Wells chosen singly and through their group are posted once each, with
// the group's colours, and "Sort" keeps the depth range asked for.
TEST_F(MapWindowTest, WellOptionsPostEachWellOnceAndSortByDepth) {
  frame->run_dialog = [](QDialog& dialog) {
    if (auto* sort = qobject_cast<WellSortDialog*>(&dialog)) {
      sort->below()->setValue(2100);  // DEMO-1 (2050 ft) is left out
      return true;
    }
    auto* wells = qobject_cast<WellOptionsDialog*>(&dialog);
    EXPECT_NE(wells, nullptr);
    if (!wells) return false;
    wells->select_all()->click();
    wells->option("Sort")->click();
    return true;
  };
  frame->Dispatch(kWellOptions);
  const WellChoice& choice = map->well_choice();
  EXPECT_GE(choice.names.size(), 5u);  // four wells and their group
  EXPECT_TRUE(choice.posting.sort);
  std::vector<std::string> posted;
  for (const WellGroupPost& group : map->overlays().wells)
    for (const PostedWell& well : group.wells) posted.push_back(well.name);
  std::sort(posted.begin(), posted.end());
  EXPECT_EQ(posted, (std::vector<std::string>{"DEMO-1", "DEMO-2", "DEMO-3", "DEMO-4"}));
  ASSERT_EQ(map->overlays().wells.size(), 1u);  // all of them as the group
  EXPECT_EQ(map->overlays().wells[0].style.symbol_colour, (Rgb{255, 0, 0}));

  RecordingCanvas canvas(map->view()->device());
  DrawMapOverlays(canvas, *map->geometry(), project.header, project.placement, map->overlays());
  std::vector<std::string> labels = canvas.Texts();
  std::sort(labels.begin(), labels.end());
  EXPECT_EQ(labels, (std::vector<std::string>{"DEMO-2", "DEMO-3", "DEMO-4"}));
}

}  // namespace
}  // namespace quarrix
