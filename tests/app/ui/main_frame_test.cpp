#include "app/ui/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/main_commands.h"
#include "app/ui/header_dialog.h"
#include "app/ui/xy_dialog.h"
#include "exchange/exchange_commands.h"
#include "exchange/ui/import_export_window.h"
#include "exchange/ui/well_dialog.h"
#include "exchange/well_file.h"
#include "map/horizon_plot_commands.h"
#include "map/ui/horizon_plot_window.h"
#include "platform/scripted_prompter.h"
#include "platform/ui/spreadsheet_grid.h"
#include "project/header_file.h"
#include "scan/ui/scan_window.h"
#include "support/test_support.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_frame.h"

namespace quarrix {
namespace {

using testing::WriteFileBytes;

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    SurveyHeader h;
    h.first_line = 1;
    h.last_line = 50;
    h.first_trace = 1;
    h.last_trace = 100;
    h.line_spacing = 30;
    h.trace_spacing = 25;
    h.trace_bytes = 20;
    h.sample_rate = 4;
    h.corner_index = 4;
    h.ComputeDerived();
    ScriptedPrompter ignored;
    ASSERT_TRUE(SaveHeader(header_path, h, ignored));
    frame = std::make_unique<MainFrame>(session, &prompter);
    frame->show_placeholder = [this](const QString& text) { placeholders << text; };
  }
  std::string settings_file() const { return folder.File("quarrix/quarrix.ini"); }

  testing::TempFolder folder;
  std::string header_path = folder.File("demo.hdr");
  Session session;
  ScriptedPrompter prompter;
  std::unique_ptr<MainFrame> frame;
  QStringList placeholders;
};

TEST_F(MainFrameTest, MenuCarriesEveryCommandWithItsIdentifier) {
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (entry.id == 0) continue;
    QAction* action = frame->action(entry.id);
    ASSERT_NE(action, nullptr) << entry.text;
    EXPECT_EQ(action->text(), QString(entry.text));
  }
  QStringList titles;
  for (QAction* top : frame->menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Setup", "&Go To", "&Math", "&Well", "&Help"}));
  EXPECT_EQ(frame->action(command::kOpen)->text(), "&Open");
  EXPECT_EQ(frame->action(command::kImportExport)->text(), "&Import/Export ");
}

TEST_F(MainFrameTest, OpenThroughTheDialogAndThroughTheCommandLine) {
  prompter.QueueFile(header_path);
  frame->Dispatch(command::kOpen);
  ASSERT_EQ(prompter.file_requests().size(), 1u);
  EXPECT_EQ(prompter.file_requests()[0].title, "OPEN HEADER FILE");
  EXPECT_EQ(prompter.file_requests()[0].filter_names[0], "Header Files (*.hdr)");
  EXPECT_EQ(frame->windowTitle(), QString::fromStdString("Quarrix3D -- " + header_path));
  EXPECT_EQ(session.settings.lrufile, header_path);
  EXPECT_EQ(frame->pick_edit_frame(), nullptr);  // made when asked for

  Session second_session;
  MainFrame second(second_session, &prompter);
  ASSERT_TRUE(second.OpenProjectFile(QString::fromStdString(header_path)));
  EXPECT_EQ(second_session.project.header.traces_per_line, 100);
  second.Dispatch(command::kClose);
  EXPECT_EQ(second.windowTitle(), "Quarrix3D -- ");
  EXPECT_TRUE(second_session.project.is_open);  // the geometry stays after Close
}

TEST_F(MainFrameTest, CancelledOpenLeavesAnEmptyFrame) {
  prompter.QueueFile(std::nullopt);
  frame->Dispatch(command::kOpen);
  EXPECT_EQ(frame->windowTitle(), "Quarrix3D");
  frame->Dispatch(command::kTracePlot);
  EXPECT_EQ(prompter.last_text(), "Data File Not Open!!");
  EXPECT_EQ(prompter.messages().back().caption, "Warning");
  frame->Dispatch(command::kHorizonPlot);
  EXPECT_EQ(prompter.messages().size(), 2u);
  frame->Dispatch(command::kPickEdit);  // does nothing without a project
  frame->Dispatch(command::kCreateXyFile);
  EXPECT_EQ(prompter.last_text(), "Project Not Open!!");
  EXPECT_TRUE(placeholders.isEmpty());
}

TEST_F(MainFrameTest, AnsweringNoToEndKeepsRunningAndWritesNothing) {
  prompter.QueueAnswer(MessageAnswer::No);
  EXPECT_FALSE(frame->close());
  EXPECT_EQ(prompter.last_text(), "End Quarrix3D?");
  EXPECT_EQ(prompter.messages().back().caption, "WARNING");
  EXPECT_FALSE(std::filesystem::exists(settings_file()));
  EXPECT_FALSE(std::filesystem::exists(folder.File("quarrix/colorset.ini")));
  prompter.QueueAnswer(MessageAnswer::Yes);
  session.colour_sets[3].SetName("Edited");
  EXPECT_TRUE(frame->close());
  EXPECT_TRUE(std::filesystem::exists(settings_file()));
  EXPECT_EQ(std::filesystem::file_size(folder.File("quarrix/colorset.ini")), 2432u);
  Session restarted;
  MainFrame again(restarted, &prompter);
  EXPECT_EQ(restarted.colour_sets[3].Name(), "Edited");
}

TEST_F(MainFrameTest, ScanContourWorksOnTheProjectAndItsUnsavedWorkHoldsTheProgram) {
  ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(header_path)));
  frame->Dispatch(command::kScanContour);
  ScanContourWindow* scan = frame->scan_contour();
  ASSERT_NE(scan, nullptr);
  EXPECT_TRUE(placeholders.isEmpty());
  EXPECT_TRUE(scan->windowTitle().startsWith("Scan/Contour   Horizon "));
  EXPECT_EQ(scan->document().header.num_lines, 50);
  EXPECT_EQ(scan->document().project_folder, folder.path());
  // Unsaved digitising: Yes to ending, Yes to saving, the save cancelled.
  scan->document().grid = HorizonGrid(50, 100);
  scan->document().unsaved = true;
  prompter.QueueAnswer(MessageAnswer::Yes);
  prompter.QueueAnswer(MessageAnswer::Yes);
  prompter.QueueFile(std::nullopt);
  EXPECT_FALSE(frame->close());
  EXPECT_EQ(prompter.last_text(), "Do you wish to save your work?");
  EXPECT_EQ(frame->scan_contour(), scan);
  scan->document().unsaved = false;
}

TEST_F(MainFrameTest, MissingLoaderGivesErrorTwo) {
  setenv("PATH", folder.path().c_str(), 1);
  frame->Dispatch(command::kDataLoading);
  std::string text = prompter.last_text();
  EXPECT_EQ(text.substr(0, text.find('\n')), "Error 2");
  EXPECT_NE(text.find("\"ingestor\" was not found in " +
                      QCoreApplication::applicationDirPath().toStdString()),
            std::string::npos)
      << text;
  EXPECT_EQ(prompter.messages().back().caption, "");
}

TEST_F(MainFrameTest, AcceleratorsMoveThePickWindowFromAnotherWindow) {
  WriteFileBytes(folder.File("demo.amp"), std::string(50 * 100 * 20, '\0'));
  ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(header_path)));
  frame->show();
  frame->Dispatch(command::kPickEdit);
  WorkspaceFrame* workspace = frame->pick_edit_frame();
  ASSERT_NE(workspace, nullptr);
  EXPECT_EQ(workspace->windowTitle(), "Horizon Pick/Edit -- demo.hdr");
  SectionPickWindow* window = workspace->OpenInline(20);
  QWidget other;
  other.show();
  other.activateWindow();
  QApplication::setActiveWindow(&other);
  QTest::keyClick(&other, Qt::Key_F2);  // Go Forward 10
  EXPECT_EQ(window->state().position, 30);
  frame->Dispatch(command::kAccelF1);  // Go Back 10
  frame->Dispatch(command::kAccelF1);
  frame->Dispatch(command::kAccelF1);
  EXPECT_EQ(window->state().position, 0);  // never below the first line
  EXPECT_EQ(window->windowTitle(), "In Line -- 1");
  workspace->close();
  EXPECT_TRUE(std::filesystem::exists(folder.File("pickedit.ini")));  // written at close

  // Create Time Slice opens "Generate Time Slices" without the workspace too.
  QString offered;
  frame->run_dialog = [&offered](QDialog& dialog) {
    offered = dialog.windowTitle();
    return false;
  };
  frame->Dispatch(command::kCreateTimeSlice);
  EXPECT_EQ(offered, "Generate Time Slices");
  EXPECT_TRUE(placeholders.isEmpty());
}

// The workspace's windows read the frame's project: they never outlive it,
// even with a repaint still to come.
TEST_F(MainFrameTest, TheWorkspaceClosesWithItsProjectAndWithTheFrame) {
  WriteFileBytes(folder.File("demo.amp"), std::string(50 * 100 * 20, '\0'));
  const QString header = QString::fromStdString(header_path);
  ASSERT_TRUE(frame->OpenProjectFile(header));
  frame->Dispatch(command::kPickEdit);
  QPointer<WorkspaceFrame> workspace = frame->pick_edit_frame();
  ASSERT_TRUE(workspace);
  QPointer<SectionPickWindow> window = workspace->OpenInline(20);
  window->Move(1);  // its repaint is pending

  // Opening a project closes the workspace of the one it replaces.
  ASSERT_TRUE(frame->OpenProjectFile(header));
  EXPECT_FALSE(workspace);
  EXPECT_FALSE(window);
  EXPECT_EQ(frame->pick_edit_frame(), nullptr);
  EXPECT_TRUE(std::filesystem::exists(folder.File("pickedit.ini")));  // written as it closed

  std::filesystem::remove(folder.File("pickedit.ini"));
  frame->Dispatch(command::kPickEdit);
  workspace = frame->pick_edit_frame();
  window = workspace->OpenInline(20);
  window->Move(1);
  frame.reset();
  EXPECT_FALSE(workspace);
  EXPECT_FALSE(window);
  EXPECT_TRUE(std::filesystem::exists(folder.File("pickedit.ini")));
  QTest::qWait(20);  // nothing left to repaint
}

// The help browsers open at the moment, by the page they show.
QStringList OpenHelpPages() {
  QStringList pages;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible())
      pages << browser->source().fileName();
  return pages;
}

TEST_F(MainFrameTest, F1OpensThePageOfTheWindowInFrontUnlessPickingIsOnTheScreen) {
  frame->show();
  QApplication::setActiveWindow(frame.get());
  QTest::keyClick(frame.get(), Qt::Key_F1);
  EXPECT_EQ(OpenHelpPages(), QStringList({"main_window.html"}));
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QTextBrowser*>(w)) w->close();

  // A modal dialog takes F1 for its own page (the page closes with it).
  QStringList shown_over_dialog;
  frame->run_dialog = [&](QDialog& dialog) {
    dialog.setModal(true);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&dialog, Qt::Key_F1);
    shown_over_dialog = OpenHelpPages();
    return false;
  };
  frame->Dispatch(command::kMonitor);
  EXPECT_EQ(shown_over_dialog, QStringList({"set_monitor_size.html"}));
}

TEST_F(MainFrameTest, HeaderAndXyDialogsEditTheProject) {
  ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(header_path)));
  frame->run_dialog = [](QDialog& dialog) {
    if (auto* header = dynamic_cast<HeaderDialog*>(&dialog)) {
      header->field("trace_length")->setText("400");
      header->field("sample_rate")->setText("0");
      header->field("corner_index")->setText("6");
      header->accept();
      return header->result() == QDialog::Accepted;
    }
    auto* xy = dynamic_cast<XyDialog*>(&dialog);
    const char* values[6] = {"1000", "2000", "3475", "2000", "1000", "3470"};
    for (int k = 0; k < 6; ++k) xy->edit(k)->setText(values[k]);
    return true;
  };
  frame->Dispatch(command::kSetupHeader);
  EXPECT_EQ(session.project.header.sample_rate, 2.0);
  EXPECT_EQ(session.project.header.num_samples, 200);
  EXPECT_EQ(session.project.view_elevation, 135);

  prompter.QueueFile(folder.File("demo.x_y"));
  frame->Dispatch(command::kCreateXyFile);
  EXPECT_EQ(prompter.file_requests().back().title, "SAVE X/Y FILE");
  EXPECT_EQ(std::filesystem::file_size(folder.File("demo.x_y")), 5000u * 8);
  EXPECT_TRUE(session.project.placement.HasXy());
  EXPECT_EQ(session.last_xy_corners.b.x, 3475);
}

TEST_F(MainFrameTest, CreateWellCalculatesItsPlaceAndSavesEightyBytes) {
  ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(header_path)));
  prompter.QueueFile(folder.File("demo.x_y"));
  frame->run_dialog = [](QDialog& dialog) {
    auto* xy = dynamic_cast<XyDialog*>(&dialog);
    const char* values[6] = {"1000", "2000", "3475", "2000", "1000", "3470"};
    for (int k = 0; k < 6; ++k) xy->edit(k)->setText(values[k]);
    return true;
  };
  frame->Dispatch(command::kCreateXyFile);

  frame->run_dialog = [](QDialog& dialog) {
    auto& well = dynamic_cast<WellDialog&>(dialog);
    well.field("line")->setText("50");
    well.field("trace")->setText("100");
    well.field("time")->setText("1234");
    well.field("title")->setText(QString(40, 'w'));
    well.SelectSymbol(7);
    well.Calculate();
    EXPECT_EQ(well.field("x")->text(), "3475");
    EXPECT_EQ(well.field("y")->text(), "3470");
    well.accept();
    return well.result() == QDialog::Accepted;
  };
  prompter.QueueFile(folder.File("W1.wll"));
  frame->Dispatch(command::kCreateWell);
  EXPECT_EQ(prompter.file_requests().back().title, "SAVE WELL FILE");
  ASSERT_EQ(std::filesystem::file_size(folder.File("W1.wll")), 80u);
  auto saved = ReadWellFile(folder.File("W1.wll"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->x, 3475);
  EXPECT_EQ(saved->time, 1234);
  EXPECT_EQ(saved->symbol, 7);
  EXPECT_EQ(WellTitle(*saved), std::string(30, 'w'));

  // The horizon plot's "Open Well" is the same dialog over the well it reads;
  // a changed time is saved back.
  frame->Dispatch(command::kHorizonPlot);
  ASSERT_NE(frame->horizon_plot(), nullptr);
  frame->run_dialog = [](QDialog& dialog) {
    auto& well = dynamic_cast<WellDialog&>(dialog);
    EXPECT_EQ(well.field("line")->text(), "50");
    well.field("time")->setText("1500");
    well.accept();
    return well.result() == QDialog::Accepted;
  };
  prompter.QueueFile(folder.File("W1.wll"));
  prompter.QueueFile(folder.File("W2.wll"));
  frame->horizon_plot()->Dispatch(horizon_plot_command::kOpenWell);
  EXPECT_EQ(prompter.file_requests().back().title, "SAVE WELL FILE");
  auto reopened = ReadWellFile(folder.File("W2.wll"));
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened->time, 1500);
  EXPECT_EQ(reopened->x, 3475);
}

TEST_F(MainFrameTest, UnusableHeaderEditIsRefusedAndTheDialogStays) {
  ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(header_path)));
  bool accepted = true;
  frame->run_dialog = [&](QDialog& dialog) {
    auto& header = dynamic_cast<HeaderDialog&>(dialog);
    header.field("line_increment")->setText("0");
    header.accept();
    accepted = header.result() == QDialog::Accepted;
    return accepted;
  };
  frame->Dispatch(command::kSetupHeader);
  EXPECT_FALSE(accepted);
  EXPECT_EQ(session.project.header.line_increment, 1.0f);
  EXPECT_NE(prompter.last_text().find("line increment"), std::string::npos);
}

}  // namespace
}  // namespace quarrix

namespace quarrix {
namespace {

TEST_F(MainFrameTest, ImportExportPostsWellsFromATableAsTheWellCommandDoes) {
  ASSERT_TRUE(frame->OpenProjectFile(QString::fromStdString(header_path)));
  bool opened = false;
  frame->drive_import_export = [&](ImportExportWindow& window) {
    opened = true;
    QApplication::clipboard()->setText(
        "A-1\t12\t40\t1300\t2300\t1200\t3\tFirst\r\nB-2\t30\t85\t1750\t2900\t1450\t5\tSecond\r\n");
    window.grid()->SetActiveCell({1, 1});
    window.Dispatch(sheet_command::kPaste);
    const int roles[] = {sheet_command::kSelectWellName, sheet_command::kSelectLine,
                         sheet_command::kSelectTrace,    sheet_command::kSelectX,
                         sheet_command::kSelectY,        sheet_command::kSelectWellTime,
                         sheet_command::kSelectWellType, sheet_command::kSelectWellTitle};
    for (int column = 1; column <= 8; ++column) {
      window.grid()->SetActiveCell({1, column});
      window.Dispatch(roles[column - 1]);
    }
    window.Dispatch(sheet_command::kConvertToWellFiles);
  };
  frame->Dispatch(command::kImportExport);
  ASSERT_TRUE(opened);
  EXPECT_TRUE(placeholders.isEmpty());
  const std::vector<std::vector<std::string>> wells = {
      {"A-1", "12", "40", "1300", "2300", "1200", "3", "First"},
      {"B-2", "30", "85", "1750", "2900", "1450", "5", "Second"}};
  for (const auto& w : wells) {
    std::ostringstream out, err;
    ASSERT_EQ(RunWellCommand(
                  {"create", header_path, "batch-" + w[0], "--line", w[1], "--trace", w[2], "--x",
                   w[3], "--y", w[4], "--time", w[5], "--symbol", w[6], "--title", w[7]},
                  out, err),
              0)
        << err.str();
    const std::string sheet = testing::ReadFileBytes(folder.File(w[0] + ".wll"));
    EXPECT_EQ(sheet.size(), 80u) << w[0];
    EXPECT_EQ(sheet, testing::ReadFileBytes(folder.File("batch-" + w[0] + ".wll"))) << w[0];
  }
}

}  // namespace
}  // namespace quarrix
