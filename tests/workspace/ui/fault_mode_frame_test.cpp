// Fault mode of the workspace driven as a user drives it: segments dragged
// on in-line windows of the demo survey give the cells the batch fault
// command gives, and so do the interpolation, the blanking of a horizon,
// erasing, the shifts and the one-step undo.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "fault/fault_commands.h"
#include "fault/fault_file.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_files.h"
#include "loader/demo_survey.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "project/project_state.h"
#include "support/test_support.h"
#include "workspace/fault_commands.h"
#include "workspace/ui/fault_dialogs.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_frame.h"

namespace quarrix {
namespace {

using namespace workspace_command;

class FaultModeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempFolder;
    std::ostringstream out, err;
    ASSERT_EQ(
        RunDemoCommand({folder->path(), "--lines", "130", "--traces", "60", "--samples", "400"},
                       out, err),
        0)
        << err.str();
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    header_path = folder->File("demo/demo.hdr");
    std::filesystem::remove(folder->File("demo/pickedit.ini"));
    ASSERT_TRUE(OpenProject(project, header_path, prompter));
    // Each test starts with two empty faults and no others.
    for (const auto& entry : std::filesystem::directory_iterator(folder->File("demo")))
      if (entry.path().extension() == ".ffl") std::filesystem::remove(entry.path());
    for (const char* name : {"ui.ffl", "batch.ffl"})
      ASSERT_TRUE(CreateFaultFile(File(name), project.header, prompter));
  }

  std::string File(const std::string& name) const { return folder->File("demo/" + name); }
  std::string Bytes(const std::string& name) const { return testing::ReadFileBytes(File(name)); }
  // Two files alike, or where they first differ.
  ::testing::AssertionResult Same(const std::string& a, const std::string& b) const {
    const std::string x = Bytes(a), y = Bytes(b);
    if (x == y) return ::testing::AssertionSuccess();
    std::size_t k = 0;
    while (k < x.size() && k < y.size() && x[k] == y[k]) ++k;
    return ::testing::AssertionFailure() << a << " and " << b << " differ from byte " << k
                                         << " (sizes " << x.size() << ", " << y.size() << ")";
  }

  void Batch(std::vector<std::string> args) {
    args.insert(args.begin() + 1, header_path);
    args[2] = File(args[2]);
    std::ostringstream out, err;
    ASSERT_EQ(RunFaultCommand(args, out, err), 0) << err.str();
  }

  static void Settle(SectionPickWindow* window) {
    QElapsedTimer timer;
    timer.start();
    do QApplication::processEvents();
    while ((window->view()->drawing() || timer.elapsed() < 50) && timer.elapsed() < 5000);
  }

  // Drags from one (trace number, ms) to another on a window and gives the
  // gesture's ends as the batch command takes them.
  std::pair<std::string, std::string> Drag(SectionPickWindow* window, int trace1, int t1,
                                           int trace2, int t2) {
    Settle(window);
    const SurveyHeader& h = project.header;
    auto pixel = [&](int trace, int t) {
      Point p = PointOf(*window->geometry(), h, window->state().kind, trace, t);
      window->view()->verticalScrollBar()->setValue(static_cast<int>(p.y) - 100);
      return QPoint(static_cast<int>(p.x) - window->view()->horizontalScrollBar()->value(),
                    static_cast<int>(p.y) - window->view()->verticalScrollBar()->value());
    };
    auto end = [&](QPoint at) {
      auto point =
          SectionPointAt(*window->geometry(), h, window->state().kind, window->view()->ToPlot(at));
      return std::to_string(point->number) + ":" + std::to_string(point->time_ms);
    };
    QWidget* viewport = window->view()->viewport();
    const QPoint from = pixel(trace1, t1);
    const std::string from_text = end(from);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    const QPoint to = pixel(trace2, t2);
    const std::string to_text = end(to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    return {from_text, to_text};
  }

  static inline testing::TempFolder* folder = nullptr;
  std::string header_path;
  ProjectState project;
  ScriptedPrompter prompter;
};

TEST_F(FaultModeTest, SegmentsInterpolationAndBlankingMatchTheBatchCommand) {
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().faults = {{"ui.ffl"}, 0};
  frame.resize(1200, 900);
  frame.show();
  frame.Dispatch(kPickFaults);
  EXPECT_TRUE(frame.fault_tool_bar()->isVisible());
  EXPECT_FALSE(frame.commands().tool_bar()->isVisible());
  EXPECT_EQ(frame.fault_field()->text(), "FAULT - ui.ffl");
  SectionPickWindow* window = frame.OpenInline(119);  // in-line 1120
  window->parentWidget()->resize(800, 700);

  auto [a, b] = Drag(window, 2010, 700, 2030, 1100);
  Batch({"segment", "batch.ffl", "--line", "1120", "--from", a, "--to", b});
  EXPECT_TRUE(Same("ui.ffl", "batch.ffl"));
  frame.Dispatch(kGoForward);  // ten lines on
  ASSERT_EQ(window->state().position, 129);
  auto [c, d] = Drag(window, 2015, 650, 2040, 1150);
  Batch({"segment", "batch.ffl", "--line", "1130", "--from", c, "--to", d});
  const std::string seeds = Bytes("ui.ffl");
  EXPECT_TRUE(Same("ui.ffl", "batch.ffl"));

  frame.run_dialog = [](QDialog& dialog) {
    auto* options = dynamic_cast<InterpolationOptionsDialog*>(&dialog);
    if (options) options->linear()->setChecked(true);
    return options != nullptr;
  };
  frame.Dispatch(kInterpolateFaults);
  Batch({"interpolate", "batch.ffl", "--method", "linear"});
  EXPECT_TRUE(Same("ui.ffl", "batch.ffl"));
  EXPECT_FALSE(Bytes("ui.ffl") == seeds);

  // "Blank Horizon at Fault" on a flat horizon that the fault crosses.
  const SurveyHeader& h = project.header;
  HorizonGrid flat(h.num_lines, h.traces_per_line);
  for (auto& cell : flat.cells) cell = 900;
  for (const char* name : {"ui.hor", "batch.hor"})
    ASSERT_TRUE(SaveGridAsHorizon(LocateHorizon(folder->File("demo"), name), flat));
  frame.workspace().horizons.Open({"ui.hor"});
  frame.Dispatch(kBlankHorizonAtFault);
  std::ostringstream out, err;
  ASSERT_EQ(RunFaultCommand({"blank-horizon", header_path, File("batch.hor"), File("batch.ffl")},
                            out, err),
            0)
      << err.str();
  EXPECT_TRUE(Same("ui.hor", "batch.hor"));
  HorizonGrid times(h.num_lines, h.traces_per_line);
  ReadHorizon(File("ui.hor"), &times, nullptr);
  EXPECT_GT(std::count(times.cells.begin(), times.cells.end(), HORIZON_NULL), 0);

  // The conversions ask for their file and write what the batch command writes.
  prompter.QueueFile(File("from_ui.hor"));
  frame.Dispatch(kFaultToHorizon);
  Batch({"to-horizon", "batch.ffl", File("from_batch.hor")});
  EXPECT_TRUE(Same("from_ui.hor", "from_batch.hor"));
  prompter.QueueFile(File("from_ui.ffl"));
  frame.Dispatch(kHorizonToFault);
  Batch({"from-horizon", "ui.hor", File("from_batch.ffl")});
  EXPECT_TRUE(Same("from_ui.ffl", "from_batch.ffl"));

  // Ctrl+Z takes back the last fault edit: the interpolation.
  frame.Dispatch(kUndoEdit);
  EXPECT_TRUE(Bytes("ui.ffl") == seeds);
  EXPECT_FALSE(frame.commands().action(kUndoEdit)->isEnabled());
}

TEST_F(FaultModeTest, EraseShiftsAndFromPreviousEditTheActiveSection) {
  WorkspaceFrame frame(project, &prompter);
  frame.workspace().faults = {{"ui.ffl"}, 0};
  frame.resize(1200, 900);
  frame.show();
  frame.Dispatch(kPickFaults);
  SectionPickWindow* window = frame.OpenInline(50);
  window->parentWidget()->resize(800, 700);
  auto [a, b] = Drag(window, 2005, 600, 2025, 1000);
  const std::string picked = Bytes("ui.ffl");
  Batch({"segment", "batch.ffl", "--line", "1051", "--from", a, "--to", b});

  // Each toolbar edit does what its batch twin does.
  const std::vector<std::pair<int, std::vector<std::string>>> edits = {
      {kShiftFaultLeft, {"shift", "batch.ffl", "--line", "1051", "--towards", "left"}},
      {kShiftFaultDown, {"shift", "batch.ffl", "--line", "1051", "--towards", "down"}},
  };
  for (const auto& [command, args] : edits) {
    frame.Dispatch(command);
    Batch(args);
    EXPECT_TRUE(Same("ui.ffl", "batch.ffl")) << command;
  }
  frame.Dispatch(kGoNext);
  frame.Dispatch(kFaultFromPrevious);
  Batch({"from-previous", "batch.ffl", "--line", "1052", "--previous", "1051"});
  EXPECT_TRUE(Same("ui.ffl", "batch.ffl"));

  // "Erase Fault" makes the next gesture erase, then comes up again.
  frame.Dispatch(kGoPrevious);
  frame.Dispatch(kEraseFault);
  EXPECT_TRUE(frame.commands().action(kEraseFault)->isChecked());
  auto [c, d] = Drag(window, 2000, 600, 2040, 600);
  EXPECT_FALSE(frame.commands().action(kEraseFault)->isChecked());
  Batch({"segment", "batch.ffl", "--line", "1051", "--from", c, "--to", d, "--erase"});
  EXPECT_TRUE(Same("ui.ffl", "batch.ffl"));
  EXPECT_FALSE(Bytes("ui.ffl") == picked);

  // Without a current fault the gestures and edits change nothing.
  frame.workspace().faults.current = -1;
  const std::string before = Bytes("ui.ffl");
  Drag(window, 2005, 600, 2025, 1000);
  frame.Dispatch(kShiftFaultUp);
  EXPECT_TRUE(Bytes("ui.ffl") == before);
}

TEST_F(FaultModeTest, FaultsAreDrawnAndChosenFromThePopupAndTheLists) {
  WorkspaceFrame frame(project, &prompter);
  frame.resize(1200, 900);
  frame.show();
  frame.Dispatch(kPickFaults);
  SectionPickWindow* window = frame.OpenInline(60);
  Settle(window);
  const QImage empty = window->picture();

  // "Select Faults" opens both, "Select Fault to Pick / Edit" chooses one.
  frame.run_dialog = [](QDialog& dialog) {
    auto* list = dialog.findChild<QListWidget*>();
    if (!list) return false;
    for (int k = 0; k < list->count(); ++k) list->item(k)->setSelected(true);
    if (dialog.windowTitle() == "Select Fault to Pick / Edit") list->item(0)->setSelected(true);
    return true;
  };
  frame.Dispatch(kOpenFaults);
  ASSERT_EQ(frame.workspace().faults.names, (std::vector<std::string>{"batch.ffl", "ui.ffl"}));
  frame.Dispatch(kFaultMenuFirst + 1);  // as chosen from the pop-up menu
  EXPECT_EQ(frame.fault_field()->text(), "FAULT - ui.ffl");

  Drag(window, 2010, 700, 2030, 1100);
  Settle(window);
  const QImage drawn = window->picture();
  EXPECT_NE(drawn, empty);
  // The red pen of this section's fault is there.
  bool red = false;
  for (int y = 0; y < drawn.height() && !red; ++y)
    for (int x = 0; x < drawn.width() && !red; ++x) red = drawn.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);

  // On the next line the fault shows only with "Show Previous Fault".
  frame.Dispatch(kGoNext);
  Settle(window);
  const QImage next = window->picture();
  frame.Dispatch(kShowPreviousFault);
  Settle(window);
  EXPECT_NE(window->picture(), next);
}

}  // namespace
}  // namespace quarrix
