#include <gtest/gtest.h>

#include "fault/fault_actions.h"
#include "fault/fault_file.h"
#include "fault/fault_segment.h"
#include "fault_test_support.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::Le16;
using testing::ReadFileBytes;
using testing::Seed;
using testing::SmallSurvey;
using testing::TempFolder;
using testing::WriteFileBytes;

TEST(OpenFaults, SelectionStopsAt199AndSaysSo) {
  ScriptedPrompter prompter;
  OpenFaultList list;
  std::vector<std::string> names;
  for (int k = 0; k < 210; ++k) names.push_back("f" + std::to_string(k) + ".ffl");
  SelectFaults(list, names, prompter);
  EXPECT_EQ(list.names.size(), 199u);
  EXPECT_EQ(list.names.back(), "f198.ffl");
  EXPECT_EQ(list.current, 0);
  EXPECT_EQ(prompter.last_text(), "Fault limit reached");
  EXPECT_FALSE(AppendFault(list, "new.ffl", prompter));
  EXPECT_EQ(prompter.messages().size(), 2u);

  SelectFaults(list, {"a.ffl"}, prompter);
  ASSERT_TRUE(AppendFault(list, "b.ffl", prompter));
  EXPECT_EQ(*list.Current(), "b.ffl");
  SelectFaults(list, {}, prompter);
  EXPECT_EQ(list.Current(), nullptr);
}

TEST(OpenFaults, ListsFaultFilesWhateverTheCaseOfTheirExtension) {
  TempFolder folder;
  for (const char* name : {"b.ffl", "A.FFL", "c.hor", "d.ffl.bak"})
    WriteFileBytes(folder.File(name), "");
  EXPECT_EQ(ListFaultFiles(folder.path()), (std::vector<std::string>{"A.FFL", "b.ffl"}));
}

class Workspace : public ::testing::Test {
 protected:
  TempFolder folder;
  SurveyHeader header = SmallSurvey(3, 5);
  OpenFaultList list;
  FaultWorkspace workspace{folder.path(), header, list};
  ScriptedPrompter prompter;
};

TEST_F(Workspace, CreateAsksForTheNameInTheProjectFolder) {
  prompter.QueueFile(folder.File("new.ffl"));
  auto made = CreateFaultWithDialog(folder.path(), header, prompter);
  ASSERT_TRUE(made);
  const FileDialogRequest& request = prompter.file_requests().back();
  EXPECT_EQ(request.title, "Create Fault File");
  EXPECT_EQ(request.filter_patterns[0], "*.ffl");
  EXPECT_TRUE(request.prompt_overwrite);
  EXPECT_EQ(ReadFileBytes(*made).size(), 12u + 2 * 15);
  prompter.QueueFile(std::nullopt);
  EXPECT_FALSE(CreateFaultWithDialog(folder.path(), header, prompter));
}

TEST_F(Workspace, EditsNeedACurrentFaultAndSaveTheExtent) {
  auto pick = [&](FaultGrid& grid) {
    AddFaultSegment(grid, InlineSection(header, 1), 1, 700, 3, 700);
  };
  EXPECT_FALSE(EditCurrentFault(workspace, prompter, pick));
  EXPECT_TRUE(prompter.messages().empty());

  ASSERT_TRUE(CreateFaultFile(folder.File("cut.ffl"), header, prompter));
  AppendFault(list, "cut.ffl", prompter);
  ASSERT_TRUE(EditCurrentFault(workspace, prompter, pick));
  EXPECT_EQ(ReadFileBytes(folder.File("cut.ffl")).substr(4, 10),
            Le16(1) + Le16(1) + Le16(1) + Le16(3) + Le16(32700));

  prompter.QueueFile(folder.File("cut.hor"));
  ASSERT_TRUE(ConvertCurrentFaultToHorizon(workspace, prompter));
  EXPECT_EQ(prompter.file_requests().back().title, "Select Horizon File Name");
  HorizonGrid time(3, 5);
  ReadHorizon(folder.File("cut.hor"), &time, nullptr);
  EXPECT_EQ(time.At(1, 2), 700);

  prompter.QueueFile(folder.File("again.ffl"));
  ASSERT_TRUE(ConvertHorizonToFaultWithDialog(workspace, folder.File("cut.hor"), prompter));
  EXPECT_EQ(prompter.file_requests().back().title, "Select Fault File Name");
  FaultGrid again(3, 5);
  ASSERT_TRUE(ReadFault(folder.File("again.ffl"), again, prompter));
  EXPECT_EQ(again.At(1, 2), 700);
  EXPECT_EQ(CountFaultCells(again).seeds, 0u);
}

}  // namespace
}  // namespace quarrix
