// The Import/Export window driven as a user would: files chosen through the
// prompter, column roles through the Select menu's commands, cells typed,
// pasted and copied, and what it writes compared with the batch commands.
#include "exchange/ui/import_export_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <sstream>

#include "exchange/exchange_commands.h"
#include "exchange/exchange_fixture.h"
#include "exchange/ui/export_horizon_dialog.h"
#include "exchange/ui/math_dialog.h"
#include "platform/ui/command_host.h"
#include "platform/ui/spreadsheet_grid.h"

namespace quarrix {
namespace {

using namespace sheet_command;
using testing::ExchangeProject;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

int Batch(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
          std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = command(args, out, err);
  EXPECT_EQ(status, 0) << err.str();
  return status;
}

// A horizon made by the batch import and its Landmark export, the kind of
// file another package hands over.
struct ExchangeFiles : ExchangeProject {
  ExchangeFiles() {
    WriteFileBytes(folder.File("picks.txt"),
                   "1001 2001 0 0 1200 7\r\n1002 2003 0 0 1250 9\r\n1005 2006 0 0 40000 -3\r\n"
                   "1010 2012 0 0 1300 1\r\n1011 2001 0 0 5 5\r\n");
    Batch(RunImportHorizonCommand,
          {HeaderPath(), folder.File("picks.txt"), "--line-col", "1", "--trace-col", "2", "--z-col",
           "5", "--amp-col", "6", "--out", "picked.hor"});
    Batch(RunExportHorizonCommand,
          {HeaderPath(), "picked.hor", "--format", "landmark", "--out", folder.File("picked.dat")});
  }
};

void SelectColumn(ImportExportWindow& window, int column, int command) {
  window.grid()->SetActiveCell({1, column});
  window.Dispatch(command);
}

TEST(ImportExportWindow, LandmarkImportConvertsToTheBatchCommandsHorizon) {
  ExchangeFiles p;
  ImportExportWindow window(p.project, &p.prompter);
  p.prompter.QueueFile(p.folder.File("picked.dat"));
  window.Dispatch(kImportAsciiHorizon);
  ASSERT_TRUE(window.document().table.virtual_mode());
  EXPECT_TRUE(window.windowTitle().endsWith("picked.dat (Virtual Mode)"));
  EXPECT_EQ(window.grid()->model()->rowCount(), 120);  // every cell of the survey
  SelectColumn(window, 1, kSelectLine);
  SelectColumn(window, 2, kSelectTrace);
  SelectColumn(window, 5, kSelectZ);
  EXPECT_EQ(window.grid()->model()->headerData(4, Qt::Horizontal).toString(), "(E)Z");
  EXPECT_TRUE(window.commands().action(kSelectZ)->isChecked());

  p.prompter.QueueFile(p.folder.File("sheet.hor"));
  p.prompter.QueueAnswer(MessageAnswer::No);  // values stay editable (seed picks)
  window.Dispatch(kConvertToHorizon);
  Batch(RunImportHorizonCommand, {p.HeaderPath(), p.folder.File("picked.dat"), "--line-col", "1",
                                  "--trace-col", "2", "--z-col", "5", "--out", "batch.hor"});
  const std::string sheet = ReadFileBytes(p.folder.File("sheet.hor"));
  ASSERT_FALSE(sheet.empty());
  EXPECT_EQ(sheet, ReadFileBytes(p.folder.File("batch.hor")));
  EXPECT_EQ(ReadFileBytes(p.folder.File("sheet.hop")), ReadFileBytes(p.folder.File("batch.hop")));

  // "New" leaves virtual mode and clears the roles.
  window.Dispatch(kNew);
  EXPECT_FALSE(window.document().table.virtual_mode());
  EXPECT_EQ(window.grid()->model()->rowCount(), 1000);
  EXPECT_EQ(window.grid()->model()->columnCount(), 20);
  EXPECT_EQ(window.windowTitle(), "Import/Export");
}

TEST(ImportExportWindow, ExportHorizonInEachLayoutWritesTheBatchCommandsFile) {
  ExchangeFiles p;
  ImportExportWindow window(p.project, &p.prompter);
  const char* formats[] = {"landmark", "geoquest", "hampson-russell", "custom"};
  for (int vendor = 0; vendor < 4; ++vendor) {
    const std::string out = p.folder.File(std::string("window_") + formats[vendor] + ".txt");
    window.run_dialog = [&](QDialog& dialog) {
      auto& d = dynamic_cast<ExportHorizonDialog&>(dialog);
      d.format()->setCurrentIndex(vendor);  // as a user picks it from the list
      d.horizon_name()->setText(QString::fromStdString(p.folder.File("picked.hor")));
      d.output_file()->setText(QString::fromStdString(out));
      return true;
    };
    window.Dispatch(kExportAsciiHorizon);
    const std::string batch = p.folder.File(std::string("batch_") + formats[vendor] + ".txt");
    Batch(RunExportHorizonCommand,
          {p.HeaderPath(), "picked.hor", "--format", formats[vendor], "--out", batch});
    const std::string written = ReadFileBytes(out);
    EXPECT_FALSE(written.empty()) << formats[vendor];
    EXPECT_EQ(written, ReadFileBytes(batch)) << formats[vendor];
  }
  EXPECT_TRUE(p.prompter.messages().empty()) << p.prompter.last_text();
}

TEST(ImportExportWindow, ClipboardTypingAndUndoBehaveAsInAnyTable) {
  ExchangeProject p;
  ImportExportWindow window(p.project, &p.prompter);
  SpreadsheetGrid& grid = *window.grid();
  QClipboard& clipboard = *QApplication::clipboard();

  // From a spreadsheet program (tabs) and from a text editor (commas).
  clipboard.setText("1001\t2001\t1200\r\n1002\t2002\t1250\r\n");
  grid.SetActiveCell({2, 1});
  window.Dispatch(kPaste);
  clipboard.setText("1003,2003,1300\n");
  grid.SetActiveCell({4, 1});
  window.Dispatch(kPaste);
  EXPECT_EQ(grid.CellText(3, 3), "1250");
  EXPECT_EQ(grid.CellText(4, 2), "2003");

  // Back out to the clipboard as tab-separated rows.
  grid.setCurrentIndex(grid.model()->index(1, 0));
  grid.selectionModel()->select(
      QItemSelection(grid.model()->index(1, 0), grid.model()->index(3, 2)),
      QItemSelectionModel::ClearAndSelect);
  window.Dispatch(kCopy);
  EXPECT_EQ(clipboard.text().toStdString(),
            "1001\t2001\t1200\r\n1002\t2002\t1250\r\n1003\t2003\t1300\r\n");

  // Typing into a cell, then undoing it.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  grid.setFocus();
  grid.SetActiveCell({3, 3});
  QTest::keyClick(&grid, Qt::Key_1);  // the first key opens the cell's editor
  auto* editor = grid.viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "1");
  QTest::keyClicks(editor, "275");
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the editor hands its text over once back in the event loop
  EXPECT_EQ(window.document().table.Cell(3, 3), "1275");
  EXPECT_TRUE(window.commands().action(kUndo)->isEnabled());
  window.Dispatch(kUndo);
  EXPECT_EQ(grid.CellText(3, 3), "1250");

  // Delete clears the selection; Cut clears and copies.
  grid.SetActiveCell({2, 2});
  grid.selectionModel()->select(grid.model()->index(1, 1), QItemSelectionModel::ClearAndSelect);
  window.Dispatch(kClear);
  EXPECT_EQ(grid.CellText(2, 2), "");
  window.Dispatch(kUndo);
  EXPECT_EQ(grid.CellText(2, 2), "2001");

  // Hidden columns come back with Show All.
  window.Dispatch(kHideSelected);
  EXPECT_TRUE(grid.isColumnHidden(1));
  window.Dispatch(kShowAll);
  EXPECT_FALSE(grid.isColumnHidden(1));
}

TEST(ImportExportWindow, SheetFileAndAsciiExportKeepWhatTheUserMade) {
  ExchangeProject p;
  ImportExportWindow window(p.project, &p.prompter);
  QApplication::clipboard()->setText("well-1\t1001\t2001\r\nwell-2\t1002\t2002\r\n");
  window.grid()->SetActiveCell({1, 1});
  window.Dispatch(kPaste);
  SelectColumn(window, 2, kSelectLine);
  SelectColumn(window, 2, kInteger);

  p.prompter.QueueFile(p.folder.File("sheet.ss2"));
  window.Dispatch(kSaveSpreadsheet);
  window.Dispatch(kNew);
  p.prompter.QueueFile(p.folder.File("sheet.ss2"));
  window.Dispatch(kLoadSpreadsheet);
  EXPECT_EQ(window.grid()->CellText(2, 1), "well-2");
  EXPECT_EQ(window.document().table.RoleColumn(ColumnRole::Line), 2);
  EXPECT_EQ(window.document().table.ColumnType(2), CellType::Integer);

  window.run_dialog = [&](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("Export File Name")
        ->setText(QString::fromStdString(p.folder.File("sheet.txt")));
    for (auto* button : dialog.findChildren<QRadioButton*>())
      if (button->text() == "Comma Delimited") button->setChecked(true);
    return true;
  };
  window.Dispatch(kExportAscii);
  EXPECT_EQ(ReadFileBytes(p.folder.File("sheet.txt")), "well-1,1001,2001\r\nwell-2,1002,2002\r\n");
}

TEST(ImportExportWindow, MillionRowVirtualSheetIsReadRowByRowAsItScrolls) {
  ExchangeProject p;
  ImportExportWindow window(p.project, &p.prompter);
  auto records = VirtualRecords::Create();
  ASSERT_TRUE(records);
  constexpr int kRows = 1'000'000;
  bool appended = true;
  for (int r = 0; r < kRows; ++r)
    appended &= records->Append({1001.0f + r % 10, 2001.0f + r % 12, static_cast<float>(r)});
  ASSERT_TRUE(appended);
  window.document().table.EnterVirtualMode(std::move(records), 3);
  window.grid()->Refresh();
  QAbstractItemModel& model = *window.grid()->model();
  ASSERT_EQ(model.rowCount(), kRows);
  EXPECT_EQ(model.columnCount(), 3);
  window.resize(600, 400);
  window.show();
  window.grid()->scrollToBottom();
  QApplication::processEvents();
  EXPECT_EQ(window.grid()->rowAt(window.grid()->viewport()->height() - 2), kRows - 1);
  EXPECT_EQ(model.data(model.index(kRows - 1, 2)).toString(), "999999");
  EXPECT_EQ(model.data(model.index(123456, 0)).toString(), "1007");
  // Records are not typed into.
  EXPECT_FALSE(model.flags(model.index(5, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(window.commands().action(kPaste)->isEnabled());
}

}  // namespace
}  // namespace quarrix

namespace quarrix {
namespace {

// The Math Functions dialog filled in and run, against `quarrix-batch math`.
void RunMathDialog(ExchangeFiles& p, std::function<void(MathDialog&)> fill) {
  MathDialog dialog(p.project, p.prompter);
  dialog.run_dialog = [](QDialog& ask) { return true; };  // sub-questions as proposed
  fill(dialog);
  EXPECT_TRUE(dialog.Run()) << p.prompter.last_text();
  EXPECT_EQ(p.prompter.last_text(), "Math Function is Complete.");
}

TEST(MathDialog, ResultsEqualTheBatchMathCommand) {
  ExchangeFiles p;
  RunMathDialog(p, [&](MathDialog& d) {
    d.input_file(0)->setCurrentText("picked.hor");
    d.input_kind(1)->setCurrentText("Constant");
    d.input_file(1)->setCurrentText("1000");
    d.expression()->setText("h1 - h2 * 2");
    d.output()->setText("sheet.isp");
  });
  Batch(RunMathCommand, {p.HeaderPath(), "--out", "batch.isp", "--expr", "h1 - h2 * 2", "--h1",
                         "picked.hor", "--h2", "1000"});
  ASSERT_FALSE(ReadFileBytes(p.folder.File("sheet.isp")).empty());
  EXPECT_EQ(ReadFileBytes(p.folder.File("sheet.isp")), ReadFileBytes(p.folder.File("batch.isp")));

  RunMathDialog(p, [&](MathDialog& d) {
    d.input_kind(0)->setCurrentText("Hor Amp (*.hor)");
    d.input_file(0)->setCurrentText("picked.hor");
    d.ChooseFunction(MathFunction::Flatten);
    d.output()->setText("sheet.hor");
  });
  Batch(RunMathCommand,
        {p.HeaderPath(), "--out", "batch.msc", "--function", "flatten", "--h1", "picked.hor:amp"});
  ASSERT_FALSE(ReadFileBytes(p.folder.File("sheet.flt")).empty());
  EXPECT_EQ(ReadFileBytes(p.folder.File("sheet.flt")), ReadFileBytes(p.folder.File("batch.flt")));
}

TEST(MathDialog, DepthFunctionBuiltInTheSheetConvertsAHorizon) {
  ExchangeFiles p;
  ImportExportWindow window(p.project, &p.prompter);
  QApplication::clipboard()->setText("100\t150\r\n1000\t1500\r\n");
  window.grid()->SetActiveCell({1, 1});
  window.Dispatch(kPaste);
  SelectColumn(window, 1, kSelectFtnTime);
  SelectColumn(window, 2, kSelectFtnDepth);
  p.prompter.QueueFile(p.folder.File("velocity.ftn"));
  window.Dispatch(kConvertToDepthFunction);
  const std::string ftn = ReadFileBytes(p.folder.File("velocity.ftn"));
  ASSERT_EQ(ftn.size(), 800u);
  EXPECT_EQ(ftn.substr(0, 8), std::string("\x64\0\0\0\x96\0\0\0", 8));

  p.prompter.QueueFile(p.folder.File("velocity.ftn"));
  RunMathDialog(p, [&](MathDialog& d) {
    d.input_file(0)->setCurrentText("picked.hor");
    d.ChooseFunction(MathFunction::DepthFunction);
    d.output()->setText("sheet.dth");
  });
  EXPECT_EQ(p.prompter.file_requests().back().title, "Get Depth Ftn File");
  Batch(RunMathCommand, {p.HeaderPath(), "--out", "batch.dth", "--function", "depth-ftn", "--h1",
                         "picked.hor", "--depth-ftn", p.folder.File("velocity.ftn")});
  const std::string sheet = ReadFileBytes(p.folder.File("sheet.dth"));
  ASSERT_FALSE(sheet.empty());
  EXPECT_EQ(sheet, ReadFileBytes(p.folder.File("batch.dth")));

  // The same function converts a column of times in the sheet.
  window.Dispatch(kNew);
  QApplication::clipboard()->setText("500\r\n1000\r\n");
  window.grid()->SetActiveCell({1, 1});
  window.Dispatch(kPaste);
  p.prompter.QueueFile(p.folder.File("velocity.ftn"));
  window.Dispatch(kConvertTimeToDepth);
  EXPECT_EQ(window.grid()->CellText(1, 2), "750");
  EXPECT_EQ(window.grid()->CellText(2, 2), "");  // 1000 ms is past the function's last segment
}

}  // namespace
}  // namespace quarrix
