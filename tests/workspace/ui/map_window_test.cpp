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
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <sstream>

#include "exchange/demo_culture.h"
#include "horizon/demo_interpretation.h"
#include "horizon/horizon_commands.h"
#include "loader/demo_survey.h"
#include "map/map_commands.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/plot_view.h"
#include "project/project_state.h"
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

}  // namespace
}  // namespace quarrix
