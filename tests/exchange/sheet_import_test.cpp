#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "exchange/ascii_import.h"
#include "exchange/sheet_table.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

TEST(SheetTable, RolesHeadingsAndUsedExtent) {
  SheetTable table;
  EXPECT_EQ(table.max_columns(), 20);
  EXPECT_EQ(table.max_rows(), 1000);
  EXPECT_EQ(table.UsedRows(), 0);
  table.SetCell(3, 2, "x");
  table.SetCell(5, 1, "y");
  table.SetCell(7, 4, "");
  EXPECT_EQ(table.UsedRows(), 5);
  EXPECT_EQ(table.UsedColumns(), 2);
  table.AssignRole(ColumnRole::Line, 2);
  table.AssignRole(ColumnRole::FtnDepth, 3);
  EXPECT_EQ(table.Heading(2), "(B)Line");
  EXPECT_EQ(table.Heading(3), "(C)Depth");
  EXPECT_EQ(table.Heading(28), "AB");
  table.InsertColumn(1);
  EXPECT_EQ(table.RoleColumn(ColumnRole::Line), 3);
  EXPECT_EQ(table.Cell(3, 3), "x");
  table.ClearRoles(3);
  EXPECT_EQ(table.RoleColumn(ColumnRole::Line), 0);
  EXPECT_EQ(table.Heading(3), "C");
  table.DeleteColumn(4);
  EXPECT_EQ(table.RoleColumn(ColumnRole::FtnDepth), 0);
}

TEST(SheetTable, SortsNumbersAsNumbersAndEmptiesLast) {
  SheetTable table;
  const char* values[] = {"10", "9", "", "100", "-5"};
  for (int r = 0; r < 5; ++r) {
    table.SetCell(r + 1, 1, values[r]);
    table.SetCell(r + 1, 2, std::to_string(r));
  }
  table.SetColumnType(1, CellType::Integer);
  ASSERT_TRUE(table.SortRows(1, true, 1, table.UsedRows()));
  EXPECT_EQ(table.BlockText(1, 1, 5, 1), "-5\r\n9\r\n10\r\n100\r\n\r\n");
  EXPECT_EQ(table.Cell(1, 2), "4");
  table.SortRows(1, false, 1, 5);
  EXPECT_EQ(table.Cell(1, 1), "100");
  EXPECT_EQ(table.Cell(5, 1), "");
  table.SetColumnType(1, CellType::Text);
  table.SortRows(1, true, 1, 5);
  EXPECT_EQ(table.Cell(1, 1), "-5");
  EXPECT_EQ(table.Cell(2, 1), "10");
}

TEST(SheetTable, TabFilesRoundTrip) {
  TempFolder folder;
  SheetTable table;
  table.SetBlockText(1, 1, "WELL\tTOP A\t1234\r\nW2\t\t99\r\n");
  ASSERT_TRUE(SaveTabFile(table, folder.File("tops.welt")));
  EXPECT_EQ(testing::ReadFileBytes(folder.File("tops.welt")), "WELL\tTOP A\t1234\r\nW2\t\t99\r\n");
  SheetTable loaded;
  WriteFileBytes(folder.File("unix.welt"), "a\tb\nc\td\n");
  ASSERT_TRUE(LoadTabFile(loaded, folder.File("unix.welt")));
  EXPECT_EQ(loaded.Cell(2, 2), "d");
  ASSERT_TRUE(LoadTabFile(loaded, folder.File("tops.welt")));
  EXPECT_EQ(loaded.Cell(1, 2), "TOP A");
  EXPECT_EQ(loaded.UsedRows(), 2);
}

TEST(AsciiImport, TextTokensFillRowsBelowTheUsedOnes) {
  TempFolder folder;
  WriteFileBytes(folder.File("a.txt"), "1001, 2001  12.5\r\n\n\tW-1,,x\n last");
  SheetTable table;
  table.SetCell(1, 1, "header");
  ScriptedPrompter prompter;
  ImportOutcome outcome = ImportAsciiText(table, folder.File("a.txt"), prompter);
  EXPECT_TRUE(outcome.opened);
  EXPECT_EQ(outcome.rows, 3);
  EXPECT_EQ(table.Cell(2, 3), "12.5");
  EXPECT_EQ(table.Cell(3, 1), "W-1");
  EXPECT_EQ(table.Cell(3, 2), "x");
  EXPECT_EQ(table.Cell(4, 1), "last");
  EXPECT_EQ(table.UsedColumns(), 3);
  EXPECT_TRUE(prompter.messages().empty());

  ImportAsciiText(table, folder.File("missing.txt"), prompter);
  EXPECT_EQ(prompter.last_text(), "CreateFile Failed (Open)");
}

TEST(AsciiImport, LongLineEndsTheImportWithAMessage) {
  TempFolder folder;
  std::string text = "1 2 3\n" + std::string(511, '7') + "\n" + std::string(512, '8') + "\n4 5\n";
  WriteFileBytes(folder.File("long.txt"), text);
  SheetTable table;
  ScriptedPrompter prompter;
  ImportOutcome outcome = ImportAsciiText(table, folder.File("long.txt"), prompter);
  EXPECT_EQ(outcome.rows, 2);
  EXPECT_EQ(outcome.long_line, 3);
  EXPECT_NE(prompter.last_text().find("Line 3"), std::string::npos);
}

TEST(AsciiImport, HorizonNumbersGoToVirtualRecords) {
  TempFolder folder;
  std::string text = "1001 2001 1500.5 -3 abc\r\n";
  for (int i = 1; i <= 17; ++i) text += std::to_string(i) + (i < 17 ? "," : "\n");
  text += "\n1.0E37 5\r7 8";  // a CR-only line end in a piece without LF
  WriteFileBytes(folder.File("h.dat"), text);
  SheetTable table;
  table.SetCell(1, 1, "old");
  ScriptedPrompter prompter;
  RecordingProgress progress;
  ImportOutcome outcome = ImportAsciiHorizon(table, folder.File("h.dat"), progress, prompter);
  ASSERT_TRUE(table.virtual_mode());
  EXPECT_EQ(outcome.rows, 4);
  EXPECT_EQ(table.UsedRows(), 4);
  EXPECT_EQ(table.UsedColumns(), 15);
  EXPECT_DOUBLE_EQ(table.Number(1, 3), 1500.5);
  EXPECT_DOUBLE_EQ(table.Number(1, 5), 0.0);  // text that is no number
  EXPECT_DOUBLE_EQ(table.Number(2, 15), 15.0);
  EXPECT_TRUE(table.IsEmpty(2, 16));
  EXPECT_EQ(static_cast<float>(table.Number(3, 1)), kImportNull);
  EXPECT_DOUBLE_EQ(table.Number(4, 2), 8.0);
  EXPECT_EQ(table.Cell(1, 1), "1001");
  EXPECT_EQ(progress.labels, std::vector<std::string>{"Loading Data"});
  EXPECT_EQ(progress.range_max, 100);
  std::string temp = table.records()->path();
  EXPECT_NE(temp.find("~spd"), std::string::npos);
  // The rows live in the open temporary, whose name is already gone.
  EXPECT_FALSE(std::ifstream(temp).good());
  table.Clear();
  EXPECT_FALSE(table.virtual_mode());
  EXPECT_EQ(ImportTitle("Import/Export", "/p/h.dat", true),
            "Import/Export -- h.dat (Virtual Mode)");
}

TEST(AsciiImport, LargeHorizonFileStepsProgressAndReadsBack) {
  TempFolder folder;
  std::string text;
  const int lines = 20000;
  for (int i = 0; i < lines; ++i)
    text += std::to_string(1000 + i % 50) + " " + std::to_string(i) + " " +
            std::to_string(i % 997) + "\n";
  WriteFileBytes(folder.File("big.txt"), text);
  SheetTable table;
  ScriptedPrompter prompter;
  RecordingProgress progress;
  ImportAsciiHorizon(table, folder.File("big.txt"), progress, prompter);
  ASSERT_EQ(table.UsedRows(), lines);
  EXPECT_EQ(progress.positions.size(), static_cast<std::size_t>(lines / 100 + 1));
  EXPECT_EQ(progress.positions.back(), 100);
  EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
  for (int i : {0, 4095, 4096, 12345, lines - 1}) {
    EXPECT_DOUBLE_EQ(table.Number(i + 1, 2), i);
    EXPECT_DOUBLE_EQ(table.Number(i + 1, 3), i % 997);
  }
  EXPECT_EQ(table.records()->Count(), lines);
}

}  // namespace
}  // namespace quarrix
