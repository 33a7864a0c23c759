// The workspace's map windows driven with the mouse on the demo survey: the
// time map opens from the Plot menu, a rubber-band drag zooms and Zoom Out
// restores, the wheel and Home, a Shift-click brings the in-line there into a
// pick window, and a polygon drawn with clicks and Esc becomes the region.
#include "workspace/ui/map_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <sstream>

#include "horizon/demo_interpretation.h"
#include "loader/demo_survey.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/plot_view.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_frame.h"
#include "workspace/workspace_commands.h"

namespace quarrix {
namespace {

using namespace workspace_command;

class MapWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "60", "--traces", "50", "--samples", "300"}, out,
                       err, AddDemoInterpretation),
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

}  // namespace
}  // namespace quarrix
