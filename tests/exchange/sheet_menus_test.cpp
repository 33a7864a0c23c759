// The Import/Export window's wells, horizon data, arbitrary line and Tridex
// commands run through its command table, with files chosen through the
// prompter and lists answered by a script, compared with the batch commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "exchange/exchange_commands.h"
#include "exchange/exchange_fixture.h"
#include "exchange/horizon_conversion.h"
#include "exchange/import_export_commands.h"
#include "exchange/sheet_arbitrary.h"
#include "exchange/sheet_horizon_data.h"
#include "exchange/well_exchange.h"
#include "fault/fault_commands.h"
#include "horizon/horizon_commands.h"
#include "horizon/horizon_grid.h"
#include "platform/byte_order.h"
#include "platform/progress.h"

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

// The window's document and commands without the window: lists answered by
// `chosen`, group attributes edited by `attributes_edit`.
struct Sheet : ExchangeProject {
  Sheet() {
    ImportExportContext context{project,
                                prompter,
                                [](const std::string&) -> std::unique_ptr<Progress> {
                                  return std::make_unique<NullProgress>();
                                },
                                [] {},
                                [](int) {},
                                {},
                                {},
                                {}};
    context.choose_names = [this](const std::string&, const std::vector<std::string>& names,
                                  bool) -> std::optional<std::vector<std::string>> {
      offered = names;
      return chosen;
    };
    context.edit_group_attributes = [this](const std::string& group, WellAttributes& a) {
      edited_group = group;
      shown = a;
      a.symbol_size = 0.25;
      a.label_position = 6;
      return true;
    };
    commands = ImportExportCommands(doc, context);
  }
  void Run(int id) { ASSERT_TRUE(RunCommand(commands, id)); }
  void Paste(const std::string& text) { doc.table.SetBlockText(1, 1, text); }
  void Role(ColumnRole role, int column) { doc.table.AssignRole(role, column); }

  ImportExportDocument doc;
  CommandTable commands;
  std::optional<std::vector<std::string>> chosen;
  std::vector<std::string> offered;
  std::string edited_group;
  WellAttributes shown;
};

TEST(SheetWells, ConvertedWellsEqualTheBatchCommandsAndLoadBack) {
  Sheet s;
  s.Paste(
      "A1\t1002\t2003\t500050\t6000025\t1200\t2500\t3\tFIRST\r\n"
      "B2\t1005\t2006\t500125\t6000100\t1300\t2700\t5\tSECOND\r\n");
  const ColumnRole roles[] = {ColumnRole::WellName,  ColumnRole::Line,     ColumnRole::Trace,
                              ColumnRole::X,         ColumnRole::Y,        ColumnRole::WellTime,
                              ColumnRole::WellDepth, ColumnRole::WellType, ColumnRole::WellTitle};
  for (int c = 1; c <= 9; ++c) s.Role(roles[c - 1], c);
  // With one row selected every used row is converted.
  s.Run(kConvertToWellFiles);
  const std::string batch = s.folder.File("batch");
  std::filesystem::create_directory(batch);
  WriteFileBytes(batch + "/survey.hdr", ReadFileBytes(s.HeaderPath()));
  Batch(RunWellCommand, {"create", batch + "/survey.hdr", "A1", "--line", "1002", "--trace", "2003",
                         "--x", "500050", "--y", "6000025", "--time", "1200", "--depth", "2500",
                         "--symbol", "3", "--title", "FIRST"});
  EXPECT_EQ(ReadFileBytes(s.folder.File("A1.wll")), ReadFileBytes(batch + "/A1.wll"));
  EXPECT_TRUE(ReadWellFile(s.folder.File("B2.wll")));

  // One row lacking X stops the conversion before any file is written; a
  // selection of two rows or more converts those rows only.
  s.doc.table.SetCell(1, 1, "C3");
  s.doc.table.SetCell(3, 1, "D4");
  s.doc.table.SetBlockText(3, 2, "1003\t2004\t500075\t6000050\r\n1004\t2004\t500075\t6000075\r\n");
  s.doc.table.SetCell(4, 1, "E5");
  s.doc.table.SetCell(2, 4, "");
  s.Run(kConvertToWellFiles);
  EXPECT_EQ(s.prompter.last_text(), "Required Data Missing Row 2");
  EXPECT_FALSE(std::filesystem::exists(s.folder.File("C3.wll")));
  s.doc.selection = {3, 1, 4, 9};
  s.Run(kConvertToWellFiles);
  EXPECT_TRUE(std::filesystem::exists(s.folder.File("D4.wll")));
  EXPECT_TRUE(std::filesystem::exists(s.folder.File("E5.wll")));
  EXPECT_FALSE(std::filesystem::exists(s.folder.File("C3.wll")));

  // "Load Wells" lists the project's wells and shows the chosen ones.
  s.chosen = std::vector<std::string>{"B2.wll"};
  s.Run(kLoadWells);
  EXPECT_EQ(s.offered, (std::vector<std::string>{"A1.wll", "B2.wll", "D4.wll", "E5.wll"}));
  EXPECT_EQ(s.doc.table.Cell(1, 1), "B2");
  EXPECT_EQ(s.doc.table.Cell(1, 9), "SECOND");
  EXPECT_EQ(s.doc.table.Heading(7), "(G)Depth");
  EXPECT_EQ(s.doc.table.RoleColumn(ColumnRole::WellDepth), 7);
  EXPECT_EQ(s.doc.title, "Import/Export -- B2.wll");
}

TEST(SheetWells, GroupsTheirAttributesAndWellTops) {
  Sheet s;
  WellRecord well;
  well.line = 1003;
  well.trace = 2004;
  WriteWellFile(s.folder.File("W1.wll"), well);
  WriteWellGroupFile(s.folder.File("NORTH.lgv"), {{"W1", ""}, {"GONE", ""}});
  s.chosen = std::vector<std::string>{"NORTH.lgv"};
  s.Run(kLoadWellGroup);
  EXPECT_EQ(s.doc.table.UsedRows(), 1);  // a well without its file is left out
  EXPECT_EQ(s.doc.table.Cell(1, 2), "1003");

  // The attributes of the group on the sheet; defaults without a ".wga".
  s.Run(kGroupAttributes);
  EXPECT_EQ(s.edited_group, "NORTH");
  EXPECT_EQ(s.shown.label_position, 1);
  WellAttributes defaults;
  defaults.symbol_size = 9;
  WellAttributes written = ReadWellAttributesFile(s.folder.File("NORTH.wga"), defaults);
  EXPECT_DOUBLE_EQ(written.symbol_size, 0.25);
  EXPECT_EQ(written.label_position, 6);

  // Well tops are named after the sheet's file and come back as they went.
  s.doc.table.SetCell(2, 1, "top of the sand");
  s.doc.table.SetCell(3, 5, "2210");
  const std::string sheet_text = s.doc.table.TabText();
  s.prompter.QueueFile(s.folder.File("NORTH.welt"));
  s.Run(kSaveWellTops);
  EXPECT_EQ(s.prompter.file_requests().back().initial_file, "NORTH.welt");
  EXPECT_EQ(ReadFileBytes(s.folder.File("NORTH.welt")), sheet_text);
  s.Run(kNew);
  s.prompter.QueueFile(s.folder.File("NORTH.welt"));
  s.Run(kLoadWellTops);
  EXPECT_EQ(s.doc.table.TabText(), sheet_text);

  // Cancelling the list loads nothing.
  s.chosen.reset();
  s.Run(kLoadWells);
  EXPECT_EQ(s.doc.table.TabText(), sheet_text);
}

TEST(SheetArbitrary, FilledRowsEqualTheBatchLineAndLoadBackAsNumbers) {
  Sheet s;
  // Vertices (trace index, line index) (0, 0), (4, 2), (11, 9) as numbers.
  s.Paste("1001\t2001\r\n1003\t2005\r\n1010\t2012\r\n");
  s.Role(ColumnRole::Line, 1);
  s.Role(ColumnRole::Trace, 2);
  s.prompter.QueueFile(s.folder.File("filled.arb"));
  s.Run(kConvertToArbitraryAndFill);
  EXPECT_TRUE(s.prompter.file_requests().back().prompt_overwrite);
  Batch(RunArbCommand, {"create", s.HeaderPath(), "batch.arb", "--vertex", "0,0", "--vertex", "4,2",
                        "--vertex", "11,9"});
  EXPECT_EQ(ReadFileBytes(s.folder.File("filled.arb")), ReadFileBytes(s.folder.File("batch.arb")));

  // Without the fill every row is one bin, in order.
  s.prompter.QueueFile(s.folder.File("rows.arb"));
  s.Run(kConvertToArbitrary);
  ArbitraryLine rows;
  ASSERT_TRUE(ReadArbitraryLine(s.folder.File("rows.arb"), s.project.header, rows));
  EXPECT_EQ(rows.bins, (std::vector<ArbitraryBin>{{0, 0}, {4, 2}, {11, 9}}));

  // "Load Arbitrary" shows the walked line as line and trace numbers.
  s.prompter.QueueFile(s.folder.File("filled.arb"));
  s.Run(kLoadArbitrary);
  ArbitraryLine filled;
  ReadArbitraryLine(s.folder.File("filled.arb"), s.project.header, filled);
  ASSERT_EQ(s.doc.table.UsedRows(), static_cast<int>(filled.bins.size()));
  EXPECT_EQ(s.doc.table.Cell(2, 1), std::to_string(1001 + filled.bins[1].line_index));
  EXPECT_EQ(s.doc.table.Cell(2, 2), std::to_string(2001 + filled.bins[1].trace_index));
  EXPECT_EQ(s.doc.table.RoleColumn(ColumnRole::Trace), 2);
}

TEST(SheetArbitrary, RowsOffTheSurveyAndOverlongLinesAreToldNotWritten) {
  Sheet s;
  s.Role(ColumnRole::Line, 1);
  s.Role(ColumnRole::Trace, 2);
  s.Paste("1001\t2001\r\n1011\t2001\r\n\t\r\n1002\t2002\r\n");
  auto line = SheetToArbitraryLine(s.doc.table, s.project.header, false, s.prompter);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->bins, (std::vector<ArbitraryBin>{{0, 0}, {1, 1}}));
  EXPECT_EQ(line->outside, 1);
  s.prompter.QueueFile(s.folder.File("some.arb"));
  s.Run(kConvertToArbitrary);
  EXPECT_EQ(s.prompter.last_text(), "1 rows lie outside the survey and were left out.\n");

  // 10 001 rows: the line keeps its first 10 000 bins and says so.
  SheetTable many;
  many.AssignRole(ColumnRole::Line, 1);
  many.AssignRole(ColumnRole::Trace, 2);
  for (int r = 1; r <= 10001; ++r) {
    many.SetCell(r, 1, std::to_string(1001 + r % 10));
    many.SetCell(r, 2, std::to_string(2001 + r % 12));
  }
  s.doc.table = std::move(many);
  s.prompter.QueueFile(s.folder.File("long.arb"));
  s.Run(kConvertToArbitrary);
  EXPECT_EQ(ReadFileBytes(s.folder.File("long.arb")).size(), 2u + 4u * 10000u);
  EXPECT_NE(s.prompter.last_text().find("at most 10000 bins"), std::string::npos);

  // Without the roles nothing is asked or written.
  s.doc.table.ClearRoles(1);
  const std::size_t asked = s.prompter.file_requests().size();
  s.Run(kConvertToArbitraryAndFill);
  EXPECT_EQ(s.prompter.last_text(), "Line and Trace values must be set");
  EXPECT_EQ(s.prompter.file_requests().size(), asked);
}

TEST(SheetHorizonData, LoadEditAndSaveChangesOnlyTheNamedCells) {
  Sheet s;
  WriteFileBytes(s.folder.File("picks.txt"), "1002 2003 1200 7\r\n1005 2006 1250 -3\r\n");
  Batch(RunImportHorizonCommand,
        {s.HeaderPath(), s.folder.File("picks.txt"), "--line-col", "1", "--trace-col", "2",
         "--z-col", "3", "--amp-col", "4", "--out", "picked.hor"});
  const std::string before = ReadFileBytes(s.folder.File("picked.hor"));
  const std::string registration = ReadFileBytes(s.folder.File("picked.hop"));
  s.prompter.QueueFile(s.folder.File("picked.hor"));
  s.Run(kLoadHorizonData);
  EXPECT_EQ(s.doc.table.TabText(), "1002\t2003\t1200\t7\r\n1005\t2006\t1250\t-3\r\n");
  EXPECT_EQ(s.doc.table.Heading(3), "(C)Z");

  // Saved back unchanged, the file is the same; then one edited time.
  s.prompter.QueueFile(s.folder.File("picked.hor"));
  s.Run(kSaveHorizonData);
  EXPECT_EQ(s.prompter.file_requests().back().initial_file, "picked.hor");
  EXPECT_EQ(ReadFileBytes(s.folder.File("picked.hor")), before);
  s.doc.table.SetCell(2, 3, "1260");
  s.doc.table.SetCell(3, 1, "1010");  // a new pick at line 1010, trace 2012
  s.doc.table.SetCell(3, 2, "2012");
  s.doc.table.SetCell(3, 3, "1300");
  s.doc.table.SetCell(3, 4, "");
  s.prompter.QueueFile(s.folder.File("picked.hor"));
  s.Run(kSaveHorizonData);
  HorizonGrid time(10, 12), amplitude(10, 12), old_time(10, 12), old_amplitude(10, 12);
  ASSERT_EQ(ReadHorizon(s.folder.File("picked.hor"), &time, &amplitude), HorizonReadResult::Ok);
  WriteFileBytes(s.folder.File("old.hor"), before);
  ReadHorizon(s.folder.File("old.hor"), &old_time, &old_amplitude);
  EXPECT_EQ(time.At(4, 5), 1260);
  EXPECT_EQ(time.At(9, 11), 1300);
  EXPECT_EQ(amplitude.At(9, 11), 0);  // an empty amplitude cell reads as 0
  int changed = 0;
  for (std::size_t k = 0; k < time.cells.size(); ++k) changed += time.cells[k] != old_time.cells[k];
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(ReadFileBytes(s.folder.File("picked.hor")).substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(ReadFileBytes(s.folder.File("picked.hop")), registration);

  // A horizon made for another survey is refused and the sheet kept.
  WriteFileBytes(s.folder.File("short.hor"), std::string(40, '\0'));
  const std::string sheet = s.doc.table.TabText();
  s.prompter.QueueFile(s.folder.File("short.hor"));
  s.Run(kLoadHorizonData);
  EXPECT_EQ(s.doc.table.TabText(), sheet);
  s.prompter.QueueFile(s.folder.File("short.hor"));
  s.Run(kSaveHorizonData);
  EXPECT_EQ(ReadFileBytes(s.folder.File("short.hor")), std::string(40, '\0'));
}

TEST(SheetHorizonData, LargeHorizonsGoToVirtualRowsAndSaveBackTheSame) {
  testing::TempFolder folder;
  ScriptedPrompter prompter;
  SurveyHeader header;
  header.first_line = 1;
  header.last_line = 320;
  header.first_trace = 1;
  header.last_trace = 320;
  header.line_spacing = header.trace_spacing = 25.0f;
  header.trace_bytes = 200;
  header.sample_rate = 4.0;
  header.corner_index = 1;
  header.ComputeDerived();
  SaveHeader(folder.File("big.hdr"), header, prompter);
  ProjectState project;
  ASSERT_TRUE(OpenProject(project, folder.File("big.hdr"), prompter));
  HorizonGrid time(320, 320), amplitude(320, 320);
  for (std::size_t k = 0; k < time.cells.size(); ++k) {
    time.cells[k] = static_cast<std::int16_t>(1000 + k % 977);
    amplitude.cells[k] = static_cast<std::int16_t>(static_cast<int>(k % 30001) - 15000);
  }
  time.cells[5] = HORIZON_NULL;
  ASSERT_TRUE(WriteGridFile(project, folder.File("big.hor"), time, &amplitude));
  const std::string before = ReadFileBytes(folder.File("big.hor"));

  SheetTable table;
  ASSERT_TRUE(LoadHorizonDataIntoSheet(table, header, folder.File("big.hor"), prompter));
  ASSERT_TRUE(table.virtual_mode());
  EXPECT_EQ(table.UsedRows(), 320 * 320 - 1);
  EXPECT_EQ(table.Cell(6, 2), "7");  // trace 6 of line 1 is null and left out
  EXPECT_EQ(table.Heading(4), "(D)Amp");
  EXPECT_EQ(SaveSheetIntoHorizon(table, project, folder.File("big.hor"), prompter), 320 * 320 - 1);
  EXPECT_EQ(ReadFileBytes(folder.File("big.hor")), before);
}

TEST(SheetTridex, ConvertsAsTheBatchCommandAndAsksBeforeReplacing) {
  Sheet s;
  // Line index 3: (trace 2001, 1000 ms) to (trace 2004, 1040 ms).
  std::string fal(2 + 80 * (10 + 12), '\0');
  const std::size_t at = 2 + 80 * 3;
  le::Put<std::int16_t>(fal, at, 2001);
  le::Put<std::int16_t>(fal, at + 2, 1000);
  le::Put<std::int16_t>(fal, at + 4, 2004);
  le::Put<std::int16_t>(fal, at + 6, 1040);
  std::filesystem::create_directory(s.folder.File("batch"));
  WriteFileBytes(s.folder.File("cut.fal"), fal);
  WriteFileBytes(s.folder.File("batch/cut.fal"), fal);
  s.prompter.QueueFile(s.folder.File("cut.fal"));
  s.Run(kConvertTridexToQuarrix);
  Batch(RunFaultCommand, {"import-foreign", s.HeaderPath(), s.folder.File("batch/cut.fal")});
  const std::string fault = ReadFileBytes(s.folder.File("cut.ffl"));
  EXPECT_EQ(fault, ReadFileBytes(s.folder.File("batch/cut.ffl")));

  WriteFileBytes(s.folder.File("cut.ffl"), "mine");
  s.prompter.QueueFile(s.folder.File("cut.fal"));
  s.prompter.QueueAnswer(MessageAnswer::No);
  s.Run(kConvertTridexToQuarrix);
  EXPECT_EQ(s.prompter.last_text(), "File cut.ffl Exists,\nOverwrite?");
  EXPECT_EQ(ReadFileBytes(s.folder.File("cut.ffl")), "mine");
  s.prompter.QueueFile(s.folder.File("cut.fal"));
  s.prompter.QueueAnswer(MessageAnswer::Yes);
  s.Run(kConvertTridexToQuarrix);
  EXPECT_EQ(ReadFileBytes(s.folder.File("cut.ffl")), fault);
}

}  // namespace
}  // namespace quarrix
