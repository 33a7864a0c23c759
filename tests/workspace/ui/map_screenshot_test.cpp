// Real map windows on a (virtual) X screen: the time map of the demo horizon
// with its wells, the demo culture from DXF and a polygon region, beside an
// in-line pick window whose position the map marks; and the contour map of
// the same horizon. Kept as pictures for people to look at;
// tests/e2e/map_screenshot.sh runs them under Xvfb.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "exchange/demo_culture.h"
#include "horizon/demo_interpretation.h"
#include "loader/demo_survey.h"
#include "map/ui/map_choices.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/plot_view.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/ui/map_dialogs.h"
#include "workspace/ui/map_window.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_dialogs.h"
#include "workspace/ui/workspace_frame.h"
#include "workspace/workspace_commands.h"

namespace quarrix {
namespace {

int AddDemoHorizonAndCulture(const std::string& header, std::ostream& out, std::ostream& err) {
  if (int status = AddDemoInterpretation(header, out, err)) return status;
  return AddDemoCulture(header, out, err);
}

TEST(MapScreenshot, TimeMapWithWellsCultureAndPolygon) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", "120", "--traces", "100", "--samples", "300"},
                           out, err, AddDemoHorizonAndCulture),
            0)
      << err.str();
  ScriptedPrompter prompter;
  ProjectState project;
  ASSERT_TRUE(OpenProject(project, folder.File("demo/demo.hdr"), prompter));
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({kDemoHorizonName});
  frame.resize(1280, 780);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  SectionPickWindow* section = frame.OpenInline(60);
  frame.Dispatch(workspace_command::kPlotHorizonTime);
  MapWindow* map = frame.ActiveMap();
  ASSERT_NE(map, nullptr);
  frame.mdi()->tileSubWindows();
  frame.run_dialog = [](QDialog& dialog) {
    if (auto* wells = qobject_cast<SelectWellsDialog*>(&dialog)) wells->list()->selectAll();
    if (auto* files = qobject_cast<DxfFilesDialog*>(&dialog)) files->list()->selectAll();
    return true;
  };
  frame.Dispatch(workspace_command::kSelectWells);
  frame.Dispatch(workspace_command::kLoadDxfFiles);
  map->view_state().region = GridRegion({{20, 20}, {70, 15}, {85, 60}, {40, 90}});
  map->RedrawNow();
  section->RedrawNow();
  QTest::qWait(300);
  QPixmap shot = frame.screen()->grabWindow(frame.winId());
  const std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  ASSERT_TRUE(shot.save(QString::fromStdString(artefacts + "/time_map.png")));
  EXPECT_EQ(prompter.messages().size(), 0u) << prompter.last_text();
}

// The contour map of the demo horizon with its wells, filling the frame.
TEST(MapScreenshot, ContourMapWithWells) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", "120", "--traces", "100", "--samples", "300"},
                           out, err, AddDemoHorizonAndCulture),
            0)
      << err.str();
  ScriptedPrompter prompter;
  ProjectState project;
  ASSERT_TRUE(OpenProject(project, folder.File("demo/demo.hdr"), prompter));
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({kDemoHorizonName});
  frame.resize(1000, 780);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  prompter.QueueFile(folder.File("demo/") + kDemoHorizonName);
  frame.Dispatch(workspace_command::kPlotContour);
  MapWindow* map = frame.ActiveMap();
  ASSERT_NE(map, nullptr);
  map->parentWidget()->showMaximized();
  frame.run_dialog = [](QDialog& dialog) {
    if (auto* wells = qobject_cast<SelectWellsDialog*>(&dialog)) wells->list()->selectAll();
    return true;
  };
  frame.Dispatch(workspace_command::kSelectWells);
  map->RedrawNow();
  QTest::qWait(300);
  QPixmap shot = frame.screen()->grabWindow(frame.winId());
  const std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  ASSERT_TRUE(shot.save(QString::fromStdString(artefacts + "/contour_map.png")));
  EXPECT_EQ(prompter.messages().size(), 0u) << prompter.last_text();
}

}  // namespace
}  // namespace quarrix
