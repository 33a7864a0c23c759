// The loader's main window and its dialogs on their own.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <cstring>

#include "loader/ui/direction_dialog.h"
#include "loader/ui/direction_picture.h"
#include "loader/ui/header_scan_dialog.h"
#include "loader/ui/header_values_dialog.h"
#include "loader/ui/loader_menu.h"
#include "loader/ui/loader_window.h"
#include "loader/ui/project_name_dialog.h"
#include "loader/ui/scale_dialogs.h"
#include "loader/ui/status_windows.h"
#include "loader/ui/tape_unit_dialog.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

// Lines first..last, traces 1..traces, 4 ms samples.
SurveyHeader Survey(int first_line, int last_line, int traces, int samples) {
  SurveyHeader h;
  h.first_line = first_line;
  h.last_line = last_line;
  h.first_trace = 1;
  h.last_trace = traces;
  h.trace_bytes = 2 * samples;
  h.sample_rate = 4;
  h.ComputeDerived();
  return h;
}

TEST(LoaderWindow, MenuAndHiddenWindowsAtStart) {
  ScriptedPrompter prompter;
  LoaderWindow window(&prompter);
  QStringList titles;
  for (QAction* top : window.menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Start", "&Help"}));
  for (const LoaderMenuEntry& entry : kLoaderMenu)
    EXPECT_EQ(window.action(entry.id)->text(), QString(entry.text));
  EXPECT_EQ(window.windowTitle(), "Ingestor");
  EXPECT_FALSE(window.messages_window()->isVisible());
  EXPECT_FALSE(window.progress_window()->isVisible());
  EXPECT_EQ(window.messages_window()->windowTitle(), "Messages");

  QString about;
  window.run_dialog = [&](QDialog& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) about += label->text();
    return true;
  };
  window.Dispatch(loader_command::kAbout);
  EXPECT_TRUE(about.contains("Version 1.30"));
}

TEST(LoaderWindow, ProjectHeaderCommands) {
  testing::TempFolder folder;
  ScriptedPrompter prompter;
  LoaderWindow window(&prompter);
  window.Dispatch(loader_command::kSaveProjectHdr);
  EXPECT_EQ(prompter.last_text(), "No project has been assigned yet");

  SurveyHeader h = Survey(10, 20, 30, 50);
  std::string path = folder.File("p.hdr");
  ASSERT_TRUE(SaveHeader(path, h, prompter));
  window.state().header_path = path;
  // "&Open Project Hdr" shows the file's values; OK changes memory only.
  window.run_dialog = [](QDialog& dialog) {
    auto& values = dynamic_cast<HeaderValuesDialog&>(dialog);
    EXPECT_EQ(values.field("End Line")->text(), "20");
    EXPECT_EQ(values.field("End Time")->text(), "200");
    values.field("Owner")->setText("NORTH");
    values.accept();
    return values.result() == QDialog::Accepted;
  };
  window.Dispatch(loader_command::kOpenProjectHdr);
  EXPECT_EQ(LabelText(window.state().header.owner), "NORTH");
  SurveyHeader on_disk;
  ASSERT_TRUE(LoadHeader(path, on_disk, prompter));
  EXPECT_EQ(LabelText(on_disk.owner), "");
  window.Dispatch(loader_command::kSaveProjectHdr);
  ASSERT_TRUE(LoadHeader(path, on_disk, prompter));
  EXPECT_EQ(LabelText(on_disk.owner), "NORTH");
}

TEST(HeaderValuesDialog, ReadsBackTheFields) {
  ScriptedPrompter prompter;
  SurveyHeader h = Survey(1, 5, 5, 250);
  h.line_spacing = 0.1f;
  HeaderValuesDialog dialog(h, true, prompter);
  // Numbers in their shortest form, which reads back to the same value.
  EXPECT_EQ(dialog.field("Line Inc.")->text(), "1");
  EXPECT_EQ(dialog.field("Line Spacing")->text(), "0.1");
  EXPECT_TRUE(dialog.field("Sample Rate")->isReadOnly());
  dialog.field("Line Inc.")->setText("0");
  dialog.field("Start Time")->setText("100");
  dialog.field("End Time")->setText("900");
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.header().line_increment, 1.0f);  // an increment of 0 becomes 1
  EXPECT_EQ(dialog.header().num_samples, 200);

  HeaderValuesDialog bad(h, true, prompter);
  bad.field("End Line")->setText("x");
  bad.accept();
  EXPECT_NE(bad.result(), QDialog::Accepted);
  EXPECT_EQ(prompter.last_text(), "End Line: \"x\" is not a whole number");
  bad.field("End Line")->setText("0");
  bad.accept();
  EXPECT_NE(bad.result(), QDialog::Accepted);  // last line below the first
}

class HeaderScanDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsigned char header[240] = {};
    header[188 + 3] = 7;  // 32-bit word 48 = 7
    header[192 + 3] = 9;  // 32-bit word 49 = 9
    tables.Fold(header);
  }
  QString Cell(HeaderScanDialog& dialog, int row, int column) {
    return dialog.grid()->CellText(row, column);
  }
  void Mark(HeaderScanDialog& dialog, int row, int column, int command) {
    dialog.grid()->SetActiveCell({row, column});
    dialog.Dispatch(command);
  }
  HeaderScanTables tables;
  ScriptedPrompter prompter;
};

TEST_F(HeaderScanDialogTest, TableAndMovingMarks) {
  HeaderScanDialog dialog(tables, false, prompter);
  EXPECT_EQ(dialog.windowTitle(), "Header Information");
  auto* model = dialog.grid()->model();
  ASSERT_EQ(model->rowCount(), 120);
  ASSERT_EQ(model->columnCount(), 6);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "32-bit min");
  EXPECT_EQ(model->headerData(5, Qt::Horizontal).toString(), "Select");
  EXPECT_EQ(Cell(dialog, 48, 1), "7");
  EXPECT_EQ(Cell(dialog, 61, 1), "");  // no 32-bit word 61
  // Under the table: the count and the byte order the words were read in.
  tables.byte_order = SegyByteOrder::Little;
  HeaderScanDialog little(tables, false, prompter);
  QLabel* summary = little.findChild<QLabel*>();
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->text(), "Trace headers: 1   Byte order: little-endian");

  Mark(dialog, 48, 3, HeaderScanDialog::kLine);
  EXPECT_EQ(Cell(dialog, 48, 3), "LINE");
  Mark(dialog, 50, 6, HeaderScanDialog::kLine);  // the mark moves to the 16-bit table
  EXPECT_EQ(Cell(dialog, 48, 3), "");
  EXPECT_EQ(Cell(dialog, 50, 6), "LINE");
  Mark(dialog, 49, 3, HeaderScanDialog::kTrace);
  EXPECT_EQ(Cell(dialog, 49, 3), "TRACE");
  Mark(dialog, 49, 1, HeaderScanDialog::kTrace);  // not a Select cell: only clears
  EXPECT_EQ(Cell(dialog, 49, 3), "");
}

TEST_F(HeaderScanDialogTest, DoConversionMessages) {
  HeaderScanDialog dialog(tables, false, prompter);
  dialog.Dispatch(HeaderScanDialog::kDoConversion);
  EXPECT_EQ(prompter.last_text(), "LINE Location not Selected");
  Mark(dialog, 48, 3, HeaderScanDialog::kLine);
  dialog.Dispatch(HeaderScanDialog::kDoConversion);
  EXPECT_EQ(prompter.last_text(), "TRACE Location not Selected");
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  Mark(dialog, 49, 3, HeaderScanDialog::kTrace);
  dialog.Dispatch(HeaderScanDialog::kDoConversion);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.choice().line, (HeaderWord{48, 4}));
  EXPECT_EQ(dialog.choice().trace, (HeaderWord{49, 4}));
  EXPECT_EQ(prompter.messages().size(), 2u);

  // 2-D data: "&Line" is greyed and only the trace word is needed.
  HeaderScanDialog two_d(tables, true, prompter);
  EXPECT_FALSE(two_d.action(HeaderScanDialog::kLine)->isEnabled());
  Mark(two_d, 48, 3, HeaderScanDialog::kLine);
  EXPECT_EQ(Cell(two_d, 48, 3), "");
  Mark(two_d, 49, 3, HeaderScanDialog::kTrace);
  two_d.Dispatch(HeaderScanDialog::kDoConversion);
  EXPECT_EQ(two_d.result(), QDialog::Accepted);
}

TEST(DirectionDialog, CornerMenuAndLayout) {
  CoverageGrid grid;
  grid.first_line = 100;
  grid.first_trace = 1;
  grid.rows = 3;
  grid.columns = 4;
  grid.cells.assign(12, CoverageGrid::kNoTrace);
  DirectionDialog dialog(grid, 4);
  EXPECT_EQ(dialog.windowTitle(), "Determine Direction - Corner 4");
  EXPECT_EQ(dialog.action(DirectionDialog::kContinue)->text(), "&Continue");
  dialog.action(7)->trigger();
  EXPECT_EQ(dialog.windowTitle(), "Determine Direction - Corner 7");
  dialog.close();  // closing keeps the candidate
  EXPECT_EQ(dialog.corner(), 7);

  EXPECT_FALSE(AxesForCorner(4).lines_across);
  EXPECT_TRUE(AxesForCorner(5).lines_across);
  EXPECT_TRUE(AxesForCorner(3).across_reversed && AxesForCorner(3).down_upward);
  EXPECT_FALSE(AxesForCorner(1).across_reversed || AxesForCorner(1).down_upward);
  // Label steps: multiples of 10, and 10 when the cells are wide.
  EXPECT_EQ(TickStep(2, 28, 1.0), 50);
  EXPECT_EQ(TickStep(2, 28, 0.3), 180);
  EXPECT_EQ(TickStep(2, 28, 20.0), 10);
}

TEST(LoaderDialogs, TapeUnitScaleAndProjectName) {
  ScriptedPrompter prompter;
  TapeSettings settings{2, true};
  TapeUnitDialog tape(
      -1, settings, false, [](int unit) { return unit == 3 ? "HP C1537A" : "No Device"; },
      prompter);
  ASSERT_EQ(tape.units()->count(), 8);
  EXPECT_EQ(tape.units()->item(3)->text(), "HP C1537A");
  EXPECT_TRUE(tape.choice().empty());
  tape.units()->setCurrentRow(3);
  EXPECT_EQ(tape.choice().TapeName(), "3");
  EXPECT_EQ(tape.settings().skip_eof_count, 2);
  EXPECT_TRUE(tape.settings().ignore_single_eof);

  ScaleParametersDialog scale(3000, false, prompter);
  EXPECT_EQ(scale.end_field()->text(), "3000");
  scale.start_field()->setText("100");
  scale.end_field()->setText("Default");
  scale.accept();
  EXPECT_EQ(scale.window().start_time, 100);
  EXPECT_EQ(scale.window().end_time, 0);  // the whole trace

  ScaleValueDialog value({500.0, 12, 500.0, 250.0}, prompter);
  EXPECT_EQ(value.value_field()->text(), "500");
  value.value_field()->setText("0");
  value.accept();
  EXPECT_NE(value.result(), QDialog::Accepted);

  ProjectNameDialog name("", prompter);
  name.SelectLocation("/data/surveys");
  name.name_field()->setText("../up");
  name.accept();
  EXPECT_NE(name.result(), QDialog::Accepted);
  name.name_field()->setText("north");
  name.accept();
  EXPECT_EQ(name.header_path(), "/data/surveys/north/north.hdr");
}

}  // namespace
}  // namespace quarrix
