#include "fault/fault_file.h"

#include <gtest/gtest.h>

#include "fault_test_support.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::Le16;
using testing::ReadFileBytes;
using testing::Seed;
using testing::SmallSurvey;
using testing::TempFolder;
using testing::WriteFileBytes;

TEST(FaultFile, CreationWritesPenColourNewExtentAndNullGrid) {
  TempFolder folder;
  ScriptedPrompter prompter;
  std::string path = folder.File("f.ffl");
  ASSERT_TRUE(CreateFaultFile(path, SmallSurvey(3, 4), prompter));
  std::string expected = Le16(12) + Le16(0) + Le16(0) + Le16(0) + Le16(3) + Le16(4);
  for (int k = 0; k < 12; ++k) expected += Le16(32700);
  EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(FaultFile, SaveRecomputesTheExtentAndKeepsTheFirstFourBytes) {
  TempFolder folder;
  ScriptedPrompter prompter;
  std::string path = folder.File("f.ffl");
  FaultGrid grid(3, 4);
  WriteFileBytes(path, std::string("\x07\x00\x05\x00", 4) + std::string(8 + 24, '\x11'));
  grid.At(1, 2) = Seed(1500);
  grid.At(2, 1) = 700;
  ASSERT_TRUE(SaveFault(path, grid, prompter));
  std::string bytes = ReadFileBytes(path);
  ASSERT_EQ(bytes.size(), 12u + 24u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x07\x00\x05\x00", 4));
  EXPECT_EQ(bytes.substr(4, 8), Le16(1) + Le16(1) + Le16(2) + Le16(2));
  EXPECT_EQ(bytes.substr(12 + 2 * 6, 2), Le16(9692));
  EXPECT_EQ(bytes.substr(12 + 2 * 9, 2), Le16(700));

  FaultGrid back(3, 4);
  FaultExtent extent;
  ASSERT_TRUE(ReadFault(path, back, extent, prompter));
  EXPECT_EQ(back.cells, grid.cells);
  EXPECT_EQ(extent, (FaultExtent{1, 1, 2, 2}));
}

TEST(FaultFile, AnEmptyFaultSavesTheExtentRowsColumnsZeroZero) {
  TempFolder folder;
  ScriptedPrompter prompter;
  std::string path = folder.File("f.ffl");
  ASSERT_TRUE(CreateFaultFile(path, SmallSurvey(3, 4), prompter));
  ASSERT_TRUE(SaveFault(path, FaultGrid(3, 4), prompter));
  EXPECT_EQ(ReadFileBytes(path).substr(4, 8), Le16(3) + Le16(4) + Le16(0) + Le16(0));
}

TEST(FaultFile, FailuresAreToldAndLeaveFilesAsTheyWere) {
  TempFolder folder;
  ScriptedPrompter prompter;
  FaultGrid grid(2, 2);
  EXPECT_FALSE(ReadFault(folder.File("missing.ffl"), grid, prompter));
  EXPECT_EQ(prompter.messages().back().text,
            "Cannot Open FAULT File\n" + folder.File("missing.ffl"));
  EXPECT_EQ(prompter.messages().back().caption, "Warning");

  EXPECT_FALSE(SaveFault(folder.File("missing.ffl"), grid, prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot Save FAULT File");
  EXPECT_FALSE(FileExists(folder.File("missing.ffl")));

  EXPECT_FALSE(CreateFaultFile(folder.File("no/such/folder/f.ffl"), SmallSurvey(2, 2), prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot Create Fault File!");
  EXPECT_EQ(prompter.messages().back().caption, "");
}

TEST(FaultFile, AShortFileReadsAsFarAsItGoes) {
  FaultGrid grid(2, 3, 5);
  FaultExtent extent{9, 9, 9, 9};
  std::string bytes = Le16(12) + Le16(0) + Le16(0) + Le16(1) + Le16(1);  // extent cut short
  EXPECT_EQ(DecodeFaultFile(bytes, grid, extent), 0u);
  EXPECT_EQ(extent, (FaultExtent{0, 1, 1, 9}));
  for (std::int16_t cell : grid.cells) EXPECT_EQ(cell, FAULT_NULL);

  bytes += Le16(2) + Le16(9300) + Le16(400) + "\x01";
  EXPECT_EQ(DecodeFaultFile(bytes, grid, extent), 2u);
  EXPECT_EQ(grid.At(0, 0), 9300);
  EXPECT_EQ(grid.At(0, 1), 400);
  EXPECT_EQ(grid.At(0, 2), FAULT_NULL);
}

}  // namespace
}  // namespace quarrix
