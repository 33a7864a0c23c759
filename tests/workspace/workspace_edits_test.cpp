// The workspace's edits of the current horizon on the demo survey: picks from
// the previous section, erasing, snapping with its question, the pick-type
// commands, and the one-step undo after each.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "fault/fault_file.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "loader/demo_survey.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/fault_mode.h"
#include "workspace/horizon_pick_tool.h"
#include "workspace/workspace.h"
#include "workspace/workspace_commands.h"

namespace quarrix {
namespace {

class WorkspaceEditsTest : public ::testing::Test {
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
    ScriptedPrompter quiet;
    ASSERT_TRUE(OpenProject(project, folder->File("demo/demo.hdr"), quiet));
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    ASSERT_TRUE(CreateHorizonFile(LocateHorizon(folder->File("demo"), "h.hor"), project.header));
    workspace = std::make_unique<Workspace>(OpenWorkspace(project));
    workspace->horizons.Open({"h.hor"});
  }

  HorizonGrid Times() {
    HorizonGrid time(project.header.num_lines, project.header.traces_per_line);
    ReadHorizon(folder->File("demo/h.hor"), &time, nullptr);
    return time;
  }
  int PickedOnLine(const HorizonGrid& time, int row) {
    int picked = 0;
    for (int j = 0; j < time.columns; ++j) picked += time.At(row, j) != HORIZON_NULL;
    return picked;
  }
  // Tracks the reflector along a whole in-line from one click.
  void PickLineAt(int row) {
    const int t = static_cast<int>(DemoReflectorTimes({20, 30, 300}, row, 10)[0]);
    PickGesture click{project.header.TraceNumber(10), t, project.header.TraceNumber(10), t};
    ASSERT_EQ(PickOnSection(*workspace, InlineSection(project.header, row), click, prompter),
              PickOutcome::Picked);
  }

  static inline testing::TempFolder* folder = nullptr;
  ProjectState project;
  ScriptedPrompter prompter;
  std::unique_ptr<Workspace> workspace;
};

TEST_F(WorkspaceEditsTest, PickFromPreviousFollowsTheLineShownBefore) {
  PickLineAt(4);
  PickWindowState window = NewPickWindow(*workspace, PickSectionKind::Inline, 4);
  EXPECT_FALSE(PickFromPreviousSection(*workspace, window, prompter));  // nothing shown before
  MovePickWindow(window, project.header, 1, true);
  ASSERT_TRUE(PickFromPreviousSection(*workspace, window, prompter));
  const HorizonGrid time = Times();
  EXPECT_EQ(PickedOnLine(time, 5), project.header.traces_per_line);
  for (int j = 0; j < time.columns; ++j) EXPECT_NEAR(time.At(5, j), time.At(4, j), 12) << j;
  ASSERT_TRUE(UndoLastEdit(*workspace, prompter));
  EXPECT_EQ(PickedOnLine(Times(), 5), 0);
  EXPECT_EQ(PickedOnLine(Times(), 4), project.header.traces_per_line);  // the older edit stays
}

TEST_F(WorkspaceEditsTest, TheEraseFlagTurnsAGestureIntoAnEraseAndATypeClearsIt) {
  PickLineAt(2);
  SetEraseFlag(*workspace);
  EXPECT_EQ(CurrentPickType(*workspace), kPickPeak | kPickErase);
  PickGesture drag{project.header.TraceNumber(5), 100, project.header.TraceNumber(9), 100};
  ASSERT_EQ(PickOnSection(*workspace, InlineSection(project.header, 2), drag, prompter),
            PickOutcome::Picked);
  EXPECT_EQ(PickedOnLine(Times(), 2), project.header.traces_per_line - 5);
  SetPickType(*workspace, kPickTrough);
  EXPECT_EQ(CurrentPickType(*workspace), kPickTrough);
  ASSERT_TRUE(UndoLastEdit(*workspace, prompter));
  EXPECT_EQ(PickedOnLine(Times(), 2), project.header.traces_per_line);
  EXPECT_FALSE(UndoLastEdit(*workspace, prompter));  // one step only
}

TEST_F(WorkspaceEditsTest, SnapAsksFirstAndEraseInWindowAsksAreYouSure) {
  PickLineAt(3);
  const HorizonGrid picked = Times();
  NullProgress progress;
  prompter.QueueAnswer(MessageAnswer::No);
  EXPECT_FALSE(SnapCurrentHorizon(*workspace, prompter, progress));
  EXPECT_EQ(prompter.messages().back().caption, "Snap Horizon");
  EXPECT_NE(prompter.last_text().find("The Pick Window 10 ms."), std::string::npos);
  prompter.QueueAnswer(MessageAnswer::Yes);
  SetEraseFlag(*workspace);
  EXPECT_TRUE(SnapCurrentHorizon(*workspace, prompter, progress));
  EXPECT_EQ(CurrentPickType(*workspace), kPickPeak);  // snapping clears the erase flag
  const HorizonGrid snapped = Times();
  EXPECT_EQ(PickedOnLine(snapped, 3), project.header.traces_per_line);
  for (int j = 0; j < snapped.columns; ++j)  // tracked picks stay on their peaks
    EXPECT_NEAR(snapped.At(3, j), picked.At(3, j), project.header.sample_rate) << j;

  prompter.QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(EraseCurrentInWindow(*workspace, prompter));
  EXPECT_EQ(prompter.last_text(), "You are about to delete all picks in window.");
  EXPECT_EQ(PickedOnLine(Times(), 3), 0);
  ASSERT_TRUE(UndoLastEdit(*workspace, prompter));
  EXPECT_EQ(Times().cells, snapped.cells);
}

TEST_F(WorkspaceEditsTest, WindowsMoveWithinTheSurvey) {
  PickWindowState window = NewPickWindow(*workspace, PickSectionKind::Inline, 3);
  MovePickWindow(window, project.header, -10, true);  // Go Back 10 from line index 3
  EXPECT_EQ(window.position, 0);
  EXPECT_EQ(window.previous, 3);
  MovePickWindow(window, project.header, 100, false);
  EXPECT_EQ(window.position, project.header.num_lines - 1);
  EXPECT_EQ(window.previous, 3);  // not remembered without "Show Last Display"
  PickWindowState crossline = NewPickWindow(*workspace, PickSectionKind::Crossline, 0);
  EXPECT_FALSE(ShowNumber(crossline, project.header, 1, true));  // not a trace of the survey
  EXPECT_TRUE(ShowNumber(crossline, project.header, project.header.TraceNumber(7), true));
  EXPECT_EQ(PickWindowCaption(project.header, crossline),
            "Cross Line -- " + std::to_string(project.header.TraceNumber(7)));
}

TEST_F(WorkspaceEditsTest, ToolBarChecksFollowTheCurrentHorizonAndSettings) {
  CommandTable table = WorkspaceCommands(*workspace, prompter, {[](int) {}, [] {}, [](int) {}});
  using namespace workspace_command;
  EXPECT_TRUE(CommandChecked(*FindCommand(table, kPickPeaks)));
  EXPECT_TRUE(CommandChecked(*FindCommand(table, kEntireLine)));
  RunCommand(table, kTroughDown);
  EXPECT_EQ(CurrentPickType(*workspace), kPickZeroBelowTrough);
  EXPECT_TRUE(CommandChecked(*FindCommand(table, kPickZeroCrossing)));
  EXPECT_FALSE(CommandChecked(*FindCommand(table, kPickPeaks)));
  EXPECT_FALSE(CommandEnabled(*FindCommand(table, kUndoEdit)));
  EXPECT_EQ(FindCommand(table, kGoBack)->text, "Go Back 10");

  workspace->horizons.Open({"a.hor", "h.hor"});
  ChooseHorizon(*workspace, 1);
  const std::vector<PopupItem> menu = HorizonPopupMenu(*workspace);
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[1].id, kHorizonMenuFirst + 1);
  EXPECT_TRUE(menu[1].checked);
  EXPECT_FALSE(menu[0].checked);
  EXPECT_EQ(menu[2].id, kPopupCreateHorizon);
}

// Ctrl+Z takes back the last edit, of a fault or of a horizon, whichever
// came last; the open faults come back with "pickedit.ini".
TEST_F(WorkspaceEditsTest, UndoTakesBackTheLastEditOfAFaultOrAHorizon) {
  const std::string fault = folder->File("demo/f.ffl");
  ASSERT_TRUE(CreateFaultFile(fault, project.header, prompter));
  workspace->faults = {{"f.ffl"}, 0};
  const PickSection line3 = InlineSection(project.header, 3);
  ASSERT_TRUE(PickFaultSegment(*workspace, line3, 10, 1000, 12, 1100, prompter));
  FaultGrid grid = SurveyFaultGrid(project.header);
  ASSERT_TRUE(ReadFault(fault, grid, prompter));
  EXPECT_EQ(grid.At(3, 10), 9192);
  EXPECT_EQ(grid.At(3, 12), 9292);
  const std::string picked = testing::ReadFileBytes(fault);

  PickLineAt(4);  // a horizon edit after the fault edit
  ASSERT_TRUE(UndoLastEdit(*workspace, prompter));
  EXPECT_EQ(PickedOnLine(Times(), 4), 0);
  EXPECT_EQ(testing::ReadFileBytes(fault), picked);  // the fault keeps its segment
  EXPECT_FALSE(UndoLastEdit(*workspace, prompter));

  ASSERT_TRUE(PickFaultSegment(*workspace, line3, 0, 900, 5, 900, prompter));
  ASSERT_TRUE(UndoLastEdit(*workspace, prompter));
  EXPECT_EQ(testing::ReadFileBytes(fault), picked);

  // "Erase Fault" erases with the next gesture only.
  workspace->erase_fault = true;
  ASSERT_TRUE(PickFaultSegment(*workspace, line3, 10, 0, 12, 0, prompter));
  ASSERT_TRUE(ReadFault(fault, grid, prompter));
  EXPECT_EQ(CountFaultCells(grid).filled, 0u);
  EXPECT_FALSE(workspace->erase_fault);

  // Without a current fault nothing is written.
  const std::string erased = testing::ReadFileBytes(fault);
  workspace->faults.current = -1;
  EXPECT_FALSE(PickFaultSegment(*workspace, line3, 10, 1000, 12, 1100, prompter));
  EXPECT_EQ(testing::ReadFileBytes(fault), erased);

  workspace->faults.current = 0;
  ASSERT_TRUE(CloseWorkspace(*workspace));
  Workspace reopened = OpenWorkspace(project);
  EXPECT_EQ(reopened.faults.names, std::vector<std::string>{"f.ffl"});
  EXPECT_EQ(reopened.faults.current, 0);
}

}  // namespace
}  // namespace quarrix
