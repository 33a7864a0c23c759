#include "exchange/sheet_editing.h"

#include <gtest/gtest.h>

#include "exchange/sheet_print.h"
#include "exchange/spreadsheet_file.h"
#include "platform/recording_canvas.h"

namespace quarrix {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(SheetClipboard, TextFromSpreadsheetsAndEditorsSplitsIntoCells) {
  // A spreadsheet program: tabs, CR LF, an empty cell kept in place.
  EXPECT_EQ(ParseClipboardText("1001\t2001\t\r\n1002\t2002\t1250\r\n"),
            (Rows{{"1001", "2001", ""}, {"1002", "2002", "1250"}}));
  // A text editor: commas, LF, no line end after the last row; a quoted cell
  // keeps its comma and a doubled quote.
  EXPECT_EQ(ParseClipboardText("a,\"b, c\",\"say \"\"hi\"\"\"\n1,2"),
            (Rows{{"a", "b, c", "say \"hi\""}, {"1", "2"}}));
  // With a tab anywhere, commas stay inside cells.
  EXPECT_EQ(ParseClipboardText("1,5\t2"), (Rows{{"1,5", "2"}}));
  EXPECT_TRUE(ParseClipboardText("").empty());
}

TEST(SheetClipboard, CopiedBlockPastesBackUnchanged) {
  SheetTable table;
  SheetEditHistory history;
  history.Paste(table, 2, 2, "1001\t2001\t1200\r\n1002\t\t1250\r\n");
  std::string copied = table.BlockText(2, 2, 3, 4);
  EXPECT_EQ(copied, "1001\t2001\t1200\r\n1002\t\t1250\r\n");
  SheetTable other;
  SheetBlock block = history.Paste(other, 1, 1, copied);
  EXPECT_EQ((SheetBlock{1, 1, 2, 3}.last_column), block.last_column);
  EXPECT_EQ(block.last_row, 2);
  EXPECT_EQ(other.BlockText(1, 1, 2, 3), copied);
}

TEST(SheetEditHistory, UndoPutsBackTheLastEditAndRedoesIt) {
  SheetTable table;
  SheetEditHistory history;
  EXPECT_FALSE(history.Undo(table));
  history.Paste(table, 1, 1, "a\tb\r\nc\td\r\n");
  history.EditCell(table, 1, 2, "B");
  ASSERT_TRUE(history.Undo(table));
  EXPECT_EQ(table.Cell(1, 2), "b");
  ASSERT_TRUE(history.Undo(table));  // a second undo redoes
  EXPECT_EQ(table.Cell(1, 2), "B");

  history.Clear(table, {1, 1, 2, 2});
  EXPECT_EQ(table.UsedRows(), 0);
  history.Undo(table);
  EXPECT_EQ(table.BlockText(1, 1, 2, 2), "a\tB\r\nc\td\r\n");

  // A paste over the edge of the data undoes to empty cells, not to text.
  history.Paste(table, 2, 2, "x\ty\r\nz\tw\r\n");
  history.Undo(table);
  EXPECT_EQ(table.UsedRows(), 2);
  EXPECT_EQ(table.UsedColumns(), 2);
}

TEST(SheetEditHistory, FillCopiesTheFirstRowOrColumnOverTheBlock) {
  SheetTable table;
  SheetEditHistory history;
  history.Paste(table, 1, 1, "1\t2\r\n3\t4\r\n5\t6\r\n");
  history.Fill(table, {1, 1, 3, 2}, FillDirection::Down);
  EXPECT_EQ(table.BlockText(1, 1, 3, 2), "1\t2\r\n1\t2\r\n1\t2\r\n");
  history.Undo(table);
  history.Fill(table, {2, 1, 3, 2}, FillDirection::Right);
  EXPECT_EQ(table.BlockText(1, 1, 3, 2), "1\t2\r\n3\t3\r\n5\t5\r\n");
}

TEST(SheetEditHistory, VirtualRowsAreNotEdited) {
  SheetTable table;
  auto records = VirtualRecords::Create();
  ASSERT_TRUE(records);
  records->Append({1, 2, 3});
  table.EnterVirtualMode(std::move(records), 3);
  SheetEditHistory history;
  history.Paste(table, 1, 1, "9\t9");
  history.Clear(table, {1, 1, 1, 3});
  EXPECT_EQ(table.Cell(1, 1), "1");
  EXPECT_FALSE(history.CanUndo());
}

SheetTable SampleSheet() {
  SheetTable table;
  table.SetCell(1, 1, "1001");
  table.SetCell(1, 2, "2001");
  table.SetCell(2, 3, "tab\there\\ and\r\nnew line");
  table.SetCell(4, 1, "last");
  table.SetColumnType(1, CellType::Integer);
  table.SetColumnType(3, CellType::Float);
  table.AssignRole(ColumnRole::Line, 1);
  table.AssignRole(ColumnRole::WellLgv, 3);
  table.SetHeading(3, "Group A");
  table.SetMaxColumns(25);
  return table;
}

TEST(SpreadsheetFile, KeepsCellsTypesHeadingsAndRoles) {
  SheetTable table = SampleSheet();
  SheetTable loaded;
  loaded.SetCell(9, 9, "old");
  ASSERT_TRUE(DecodeSpreadsheetFile(EncodeSpreadsheetFile(table), loaded));
  EXPECT_EQ(loaded.TabText(), table.TabText());
  EXPECT_EQ(loaded.Cell(2, 3), "tab\there\\ and\r\nnew line");
  EXPECT_EQ(loaded.ColumnType(1), CellType::Integer);
  EXPECT_EQ(loaded.ColumnType(3), CellType::Float);
  EXPECT_EQ(loaded.ColumnType(2), CellType::Text);
  EXPECT_EQ(loaded.Heading(1), "(A)Line");
  EXPECT_EQ(loaded.Heading(3), "Group A");
  EXPECT_EQ(loaded.Heading(2), "B");
  EXPECT_EQ(loaded.RoleColumn(ColumnRole::Line), 1);
  EXPECT_EQ(loaded.RoleColumn(ColumnRole::WellLgv), 3);
  EXPECT_EQ(loaded.RoleColumn(ColumnRole::Z), 0);
  EXPECT_EQ(loaded.max_columns(), 25);
  EXPECT_EQ(loaded.max_rows(), 1000);
}

TEST(SpreadsheetFile, RefusesDamagedFilesAndLeavesTheSheetAlone) {
  const std::string good = EncodeSpreadsheetFile(SampleSheet());
  auto refused = [](std::string bytes) {
    SheetTable table;
    table.SetCell(1, 1, "kept");
    bool decoded = DecodeSpreadsheetFile(bytes, table);
    EXPECT_EQ(table.Cell(1, 1), "kept");
    return !decoded;
  };
  EXPECT_TRUE(refused(""));
  EXPECT_TRUE(refused("1001\t2001\r\n"));                    // a tab file is not a sheet file
  EXPECT_TRUE(refused(good.substr(0, good.find("Roles"))));  // cut off
  std::string huge = good;
  huge.replace(huge.find("Size\t1000"), 9, "Size\t99999999999");
  EXPECT_TRUE(refused(huge));
  std::string role_outside = good;
  role_outside.replace(role_outside.find("Roles\t1"), 7, "Roles\t99");
  EXPECT_TRUE(refused(role_outside));
  std::string more_rows = good + "extra\r\n";
  EXPECT_TRUE(refused(more_rows));
}

TEST(SheetPrint, PagesHoldTheUsedRowsUnderHeadingsAndSkipHiddenColumns) {
  SheetTable table;
  for (int r = 1; r <= 130; ++r) {
    table.SetCell(r, 1, std::to_string(r));
    table.SetCell(r, 2, "hidden");
    table.SetCell(r, 3, "z" + std::to_string(r));
  }
  const DeviceInfo device{.ppi_x = 72, .ppi_y = 72, .printing = true};
  // 12.5 points a row: a 10-inch page holds 57 rows, the headings and 56 of cells.
  EXPECT_EQ(SheetRowsPerPage(device, 720, true), 56);
  RecordingCanvas canvas(device);
  const Rect area{0, 0, 540, 720};
  const SheetPrintOptions options;
  std::vector<SheetPage> pages = PlanSheetPages(canvas, area, table, {1, 1, 130, 3}, {2}, options);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[2].first_row, 113);
  DrawSheetPage(canvas, area, table, pages[2], options);
  std::vector<std::string> texts = canvas.Texts();
  EXPECT_EQ(texts.front(), "A");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "113"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "z130"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "112"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "hidden"), texts.end());
}

}  // namespace
}  // namespace quarrix
