// A real window on a (virtual) X screen: the workspace on the demo survey with
// an in-line, a cross-line and an arbitrary-line window and a horizon picked
// along the demo reflector, kept as a picture for people to look at.
// tests/e2e/workspace_screenshot.sh runs it under Xvfb.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMdiArea>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "fault/demo_fault.h"
#include "horizon/arbitrary_line.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_files.h"
#include "loader/demo_survey.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/plot_view.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/fault_commands.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_frame.h"

namespace quarrix {
namespace {

TEST(WorkspaceScreenshot, ThreeSectionsWithThePickedHorizon) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", "130", "--traces", "80", "--samples", "400"},
                           out, err),
            0)
      << err.str();
  const std::string header = folder.File("demo/demo.hdr");
  ScriptedPrompter prompter;
  ProjectState project;
  ASSERT_TRUE(OpenProject(project, header, prompter));
  ASSERT_TRUE(CreateHorizonFile(LocateHorizon(folder.File("demo"), "top.hor"), project.header));
  const DemoSurveySize size{130, 80, 400};
  // The reflector tracked along in-line 1120 from one click, and along the cross-line.
  for (auto [option, number, position, line, trace] :
       {std::tuple{"--line", 1120, 2041, 119, 40}, std::tuple{"--xline", 2041, 1120, 119, 40}}) {
    const int t = static_cast<int>(DemoReflectorTimes(size, line, trace)[0]);
    ASSERT_EQ(RunPickCommand({header, "top.hor", option, std::to_string(number), "--from",
                              std::to_string(position) + ":" + std::to_string(t)},
                             out, err),
              0)
        << err.str();
  }
  // A line across both picked sections, picked along its whole length too.
  const std::string arb = folder.File("demo/across.arb");
  ASSERT_TRUE(SaveArbitraryLine(arb, {{10, 100}, {70, 125}}, project.header, prompter));
  ArbitraryLine across;
  ASSERT_TRUE(ReadArbitraryLine(arb, project.header, across));
  const ArbitraryBin seed = across.bins[30];
  const int t = static_cast<int>(DemoReflectorTimes(size, seed.line_index, seed.trace_index)[0]);
  ASSERT_EQ(RunPickCommand({header, "top.hor", "--arb", arb, "--from", "30:" + std::to_string(t)},
                           out, err),
            0)
      << err.str();
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().horizons.Open({"top.hor"});
  frame.Dispatch(workspace_command::kHorizonMenuFirst);  // as chosen from the pop-up menu
  frame.resize(1280, 780);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  SectionPickWindow* inline_window = frame.OpenInline(119);
  SectionPickWindow* crossline = frame.OpenCrossline(40);
  SectionPickWindow* arbitrary = frame.OpenArbitrary(arb);
  frame.mdi()->tileSubWindows();
  for (SectionPickWindow* window : {inline_window, crossline, arbitrary}) {
    window->RedrawNow();
    window->view()->verticalScrollBar()->setValue(150);
  }
  QTest::qWait(300);
  QPixmap shot = frame.screen()->grabWindow(frame.winId());
  const std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  ASSERT_TRUE(shot.save(QString::fromStdString(artefacts + "/workspace.png")));
  EXPECT_GT(shot.width(), 1000);
}

// Fault mode on the demo survey's fault: the in-line where it was picked
// (red) with the line before it (blue, "Show Previous Fault"), and the
// cross-line through it, where the fault's interpolated cells show.
TEST(WorkspaceScreenshot, FaultModeWithTheDemoFault) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen";
  testing::TempFolder folder;
  std::ostringstream out, err;
  ASSERT_EQ(RunDemoCommand({folder.path(), "--lines", "130", "--traces", "80", "--samples", "400"},
                           out, err),
            0)
      << err.str();
  const std::string header = folder.File("demo/demo.hdr");
  ASSERT_TRUE(AddDemoFault(header, out, err)) << err.str();
  ScriptedPrompter prompter;
  ProjectState project;
  ASSERT_TRUE(OpenProject(project, header, prompter));
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().faults = {{"normal_fault.ffl"}, 0};
  frame.resize(1280, 780);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  frame.Dispatch(workspace_command::kPickFaults);
  frame.Dispatch(workspace_command::kShowPreviousFault);
  SectionPickWindow* inline_window = frame.OpenInline(102);
  inline_window->Move(1);  // line index 103, picked; 102 before it
  SectionPickWindow* crossline = frame.OpenCrossline(40);
  frame.mdi()->tileSubWindows();
  for (SectionPickWindow* window : {inline_window, crossline}) {
    window->RedrawNow();
    window->view()->verticalScrollBar()->setValue(100);
  }
  QTest::qWait(300);
  QPixmap shot = frame.screen()->grabWindow(frame.winId());
  const std::string artefacts = std::string(QUARRIX_BINARY_DIR) + "/artefacts";
  std::filesystem::create_directories(artefacts);
  ASSERT_TRUE(shot.save(QString::fromStdString(artefacts + "/workspace_faults.png")));
}

}  // namespace
}  // namespace quarrix
