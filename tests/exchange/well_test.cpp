#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "exchange/well_exchange.h"
#include "exchange/well_file.h"
#include "exchange_fixture.h"

namespace quarrix {
namespace {

using testing::ExchangeProject;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

TEST(WellFile, RecordLayoutAndReservedBytesSurviveAResave) {
  std::string bytes(80, '\0');
  bytes[0] = '\xe9';  // line 1001
  bytes[1] = '\x03';
  bytes[2] = '\xd1';  // trace 2001
  bytes[3] = '\x07';
  bytes[4] = '\xff';  // depth 65535
  bytes[5] = '\xff';
  bytes[6] = '\x10';  // time 10000
  bytes[7] = '\x27';
  for (int i = 8; i < 38; ++i) bytes[i] = static_cast<char>(i);
  bytes[38] = 12;
  bytes[40] = '\x01';
  bytes[43] = '\x80';  // X = INT_MIN + 1
  bytes[44] = '\x40';  // Y = 64
  std::string title = "DISCOVERY #1";
  bytes.replace(48, title.size(), title);
  bytes[79] = 'Z';  // beyond the title's NUL
  auto well = DecodeWell(bytes);
  ASSERT_TRUE(well);
  EXPECT_EQ(well->line, 1001);
  EXPECT_EQ(well->trace, 2001);
  EXPECT_EQ(well->depth, 65535);
  EXPECT_EQ(well->time, 10000);
  EXPECT_EQ(well->symbol, 12);
  EXPECT_EQ(well->x, -2147483647);
  EXPECT_EQ(well->y, 64);
  EXPECT_EQ(WellTitle(*well), "DISCOVERY #1");
  EXPECT_EQ(EncodeWell(*well), bytes);
  EXPECT_FALSE(DecodeWell(bytes.substr(0, 79)));

  WellRecord fresh;
  SetWellTitle(fresh, std::string(40, 'T'), kWellDialogTitleChars);
  EXPECT_EQ(WellTitle(fresh).size(), 30u);
  SetWellTitle(fresh, std::string(40, 'T'));
  EXPECT_EQ(WellTitle(fresh).size(), 31u);
  EXPECT_EQ(EncodeWell(fresh)[79], '\0');
}

TEST(WellFile, GroupsAndAttributes) {
  std::string lgv = EncodeWellGroup({{"W-1", "TOPS"}, {"LONGNAME99", "ABCDEFGHIJKL"}});
  EXPECT_EQ(lgv, "W-1     TOPS      LONGNAMEABCDEFGHIJ");
  auto entries = DecodeWellGroup(lgv + "PARTIAL");  // 37 bytes... plus a partial record
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].name, "LONGNAME");
  EXPECT_EQ(DecodeWellGroup(std::string(37, 'A')).size(), 2u);

  WellAttributes map;
  map.symbol_colour = 0x0000FF;
  map.symbol_size = 0.25;
  map.label_position = 0;
  WellAttributes missing = DecodeWellAttributes("short", map);
  EXPECT_EQ(missing.symbol_colour, 0x0000FFu);
  EXPECT_EQ(missing.label_position, 1);
  WellAttributes group{0x00112233, 0x00445566, 0.125, 0.0625, 1, 0, 2, 7};
  std::string bytes = EncodeWellAttributes(group);
  ASSERT_EQ(bytes.size(), 40u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x33\x22\x11\x00", 4));
  WellAttributes back = DecodeWellAttributes(bytes, map);
  EXPECT_EQ(back.label_colour, 0x00445566u);
  EXPECT_DOUBLE_EQ(back.character_size, 0.0625);
  EXPECT_EQ(back.thickness, 2);
  EXPECT_EQ(back.label_position, 7);
}

SheetTable WellSheet() {
  SheetTable table;
  table.SetBlockText(1, 1,
                     "W1\t1002\t2003\t500050\t6000075\t1200\t2500\t3\tFIRST WELL\r\n"
                     "W2\t1004\t2005\t500100\t6000100\t\t\t0\t\r\n");
  const ColumnRole roles[] = {ColumnRole::WellName,  ColumnRole::Line,     ColumnRole::Trace,
                              ColumnRole::X,         ColumnRole::Y,        ColumnRole::WellTime,
                              ColumnRole::WellDepth, ColumnRole::WellType, ColumnRole::WellTitle};
  for (int c = 0; c < 9; ++c) table.AssignRole(roles[c], c + 1);
  return table;
}

TEST(WellExchange, ConvertToWellFilesChecksEveryRowFirstAndAsksBeforeOverwriting) {
  ExchangeProject p;
  SheetTable table = WellSheet();
  table.SetCell(2, 4, "");  // W2 lacks X
  EXPECT_EQ(ConvertSheetToWellFiles(table, p.folder.path(), 1, 2, p.prompter), -1);
  EXPECT_EQ(p.prompter.last_text(), "Required Data Missing Row 2");
  EXPECT_FALSE(std::ifstream(p.folder.File("W1.wll")).good());

  table.SetCell(2, 4, "500100");
  WriteFileBytes(p.folder.File("W2.wll"), std::string(80, 'k'));
  p.prompter.QueueAnswer(MessageAnswer::No);
  EXPECT_EQ(ConvertSheetToWellFiles(table, p.folder.path(), 1, 2, p.prompter), 1);
  EXPECT_EQ(p.prompter.last_text(), "File W2.wll Exists,\nOverwrite?");
  EXPECT_EQ(p.prompter.messages().back().caption, "Overwrite?");
  EXPECT_EQ(ReadFileBytes(p.folder.File("W2.wll")), std::string(80, 'k'));
  auto w1 = ReadWellFile(p.folder.File("W1.wll"));
  ASSERT_TRUE(w1);
  EXPECT_EQ(w1->line, 1002);
  EXPECT_EQ(w1->y, 6000075);
  EXPECT_EQ(w1->time, 1200);
  EXPECT_EQ(w1->depth, 2500);
  EXPECT_EQ(w1->symbol, 3);
  EXPECT_EQ(WellTitle(*w1), "FIRST WELL");
  EXPECT_EQ(ConvertSheetToWellFiles(table, p.folder.path(), 2, 2, p.prompter), 1);
  EXPECT_EQ(ReadWellFile(p.folder.File("W2.wll"))->symbol, 1);  // type 0 is no symbol

  table.SetCell(1, 1, "../escape");
  EXPECT_EQ(ConvertSheetToWellFiles(table, p.folder.path(), 1, 1, p.prompter), -1);
}

TEST(WellExchange, SheetLoadsGroupsAndPostingLists) {
  ExchangeProject p;
  SheetTable table = WellSheet();
  ASSERT_EQ(ConvertSheetToWellFiles(table, p.folder.path(), 1, 2, p.prompter), 2);
  SheetTable groups;
  groups.SetBlockText(1, 1, "W1\tW2\tx\r\n\tW1\ty\r\nW2\t\t\r\n");
  groups.SetHeading(1, "NORTH");
  groups.SetHeading(2, "SOUTH");
  groups.AssignRole(ColumnRole::WellLgv, 3);
  EXPECT_EQ(ConvertSheetToLgvFiles(groups, p.folder.path(), 1, 2, 1, 3, p.prompter), 2);
  EXPECT_EQ(ReadFileBytes(p.folder.File("NORTH.lgv")), "W1      x         W2                ");
  EXPECT_EQ(ReadWellGroupFile(p.folder.File("SOUTH.lgv")).size(), 2u);

  SheetTable loaded;
  LoadWellsIntoSheet(loaded, p.folder.path(), {"W1.wll", "W2", "GONE.wll"});
  EXPECT_EQ(loaded.UsedRows(), 2);
  EXPECT_EQ(loaded.Heading(1), "(A)Name");
  EXPECT_EQ(loaded.Heading(9), "(I)Title");
  EXPECT_EQ(loaded.RoleColumn(ColumnRole::WellDepth), 7);
  EXPECT_EQ(loaded.Cell(1, 7), "2500");
  EXPECT_EQ(loaded.Cell(1, 9), "FIRST WELL");
  LoadWellGroupIntoSheet(loaded, p.folder.path(), p.folder.File("SOUTH.lgv"));
  EXPECT_EQ(loaded.BlockText(1, 1, 2, 5),
            "W2\t1004\t2005\t500100\t6000100\r\n"
            "W1\t1002\t2003\t500050\t6000075\r\n");
  EXPECT_EQ(loaded.UsedColumns(), 5);

  WellAttributes map;
  map.label_position = 5;
  WellAttributes south{1, 2, 0.5, 0.5, 0, 0, 0, 6};
  ASSERT_TRUE(WriteWellAttributesFile(p.folder.File("SOUTH.wga"), south));
  auto posted = WellsToPost(p.folder.path(), {"W1.wll", "NORTH.lgv", "SOUTH.lgv", "NONE.lgv"}, map);
  ASSERT_EQ(posted.size(), 5u);
  EXPECT_EQ(posted[0].attributes.label_position, 0);
  EXPECT_EQ(posted[1].name, "W1");
  EXPECT_EQ(posted[1].attributes.label_position, 1);  // no ".wga": the map's, position 1
  EXPECT_EQ(posted[3].attributes.label_position, 6);
  EXPECT_EQ(WellTopsPath("/p/tops.txt"), "/p/tops.welt");
}

TEST(WellExchange, CalculateConvertsEitherPair) {
  ExchangeProject p;
  WellRecord well;
  EXPECT_FALSE(CalculateWellPosition(well, p.project, p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "No X,Y,Line,or Trace Value!");
  well.line = 1006;
  well.trace = 2009;
  ASSERT_TRUE(CalculateWellPosition(well, p.project, p.prompter));
  XyPoint xy = LineTraceToXy(p.project.header, p.project.placement, 5, 8);
  EXPECT_EQ(well.x, xy.x);
  EXPECT_EQ(well.y, xy.y);
  well.line = well.trace = 0;
  ASSERT_TRUE(CalculateWellPosition(well, p.project, p.prompter));
  EXPECT_EQ(well.line, 1006);
  EXPECT_EQ(well.trace, 2009);
  ExchangeProject no_xy(false);
  EXPECT_FALSE(CalculateWellPosition(well, no_xy.project, no_xy.prompter));
  EXPECT_EQ(no_xy.prompter.last_text(), "X/Y File not Found!!");
}

}  // namespace
}  // namespace quarrix
