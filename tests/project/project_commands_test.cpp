#include "project/project_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

struct CommandRun {
  int status;
  std::string out, err;
};

CommandRun Header(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunHeaderCommand(args, out, err);
  return {status, out.str(), err.str()};
}

CommandRun Xy(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunXyCommand(args, out, err);
  return {status, out.str(), err.str()};
}

class ProjectCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    SurveyHeader h;
    SetLabelText(h.owner, "Geo \"Ltd\"");
    h.first_line = 1;
    h.last_line = 50;
    h.first_trace = 1;
    h.last_trace = 100;
    h.line_spacing = 30.0f;
    h.trace_spacing = 25.0f;
    h.trace_bytes = 1500;
    h.sample_rate = 2.0;
    h.corner_index = 4;
    h.ComputeDerived();
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveHeader(path, h, prompter));
  }
  testing::TempFolder folder;
  std::string path = folder.File("survey.hdr");
};

TEST_F(ProjectCommands, ShowPrintsStoredAndDerivedFields) {
  CommandRun text = Header({"show", path});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("num_samples (derived): 750\n"), std::string::npos);
  EXPECT_NE(text.out.find("sample_rate: 2.000000\n"), std::string::npos);
  CommandRun json = Header({"show", path, "--json"});
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"owner\":\"Geo \\\"Ltd\\\"\",\"line_name\":\"\"", 0), 0u);
  EXPECT_NE(json.out.find("\"end_time\":1500,\"num_lines\":50,\"traces_per_line\":100}"),
            std::string::npos);
}

TEST_F(ProjectCommands, SetEditsLikeTheHeaderDialog) {
  CommandRun set = Header({"set", path, "trace_length=3000", "sample_rate=4", "line_name=North"});
  ASSERT_EQ(set.status, 0) << set.err;
  SurveyHeader h;
  ScriptedPrompter prompter;
  ASSERT_TRUE(LoadHeader(path, h, prompter));
  EXPECT_EQ(h.num_samples, 750);  // the length uses the new sample rate
  EXPECT_EQ(h.trace_bytes, 1500);
  EXPECT_EQ(LabelText(h.line_name), "North");

  CommandRun zero = Header({"set", path, "sample_rate=0", "trace_length=100"});
  ASSERT_EQ(zero.status, 0) << zero.err;
  ASSERT_TRUE(LoadHeader(path, h, prompter));
  EXPECT_EQ(h.sample_rate, 2.0);
  EXPECT_EQ(h.num_samples, 50);
}

TEST_F(ProjectCommands, SetRefusesBadInputAndKeepsTheFile) {
  std::string before = testing::ReadFileBytes(path);
  EXPECT_EQ(Header({"set", path, "bogus=1"}).status, 2);
  EXPECT_EQ(Header({"set", path, "first_line=abc"}).status, 2);
  EXPECT_EQ(Header({"set", path, "num_lines=4"}).status, 2);  // derived, not settable
  CommandRun bad = Header({"set", path, "line_increment=0"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("line increment"), std::string::npos);
  EXPECT_EQ(testing::ReadFileBytes(path), before);
  CommandRun missing = Header({"show", folder.File("nothing.hdr")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Header File Not Found"), std::string::npos);
}

TEST_F(ProjectCommands, XyCreateAndConvertBothWays) {
  EXPECT_EQ(Xy({"convert", path, "--line", "50", "--trace", "100"}).err, "X/Y File not Found!!\n");
  CommandRun create =
      Xy({"create", path, "--a", "1000,2000", "--b", "3475,2000", "--c", "1000,3470"});
  ASSERT_EQ(create.status, 0) << create.err;
  EXPECT_EQ(testing::ReadFileBytes(folder.File("survey.x_y")).size(), 5000u * 8);
  CommandRun forward = Xy({"convert", path, "--line", "50", "--trace", "100"});
  EXPECT_EQ(forward.out, "3475 3470\n");
  CommandRun backward = Xy({"convert", path, "--x", "3480", "--y", "3470"});
  EXPECT_EQ(backward.out, "50 100 49.000000 99.200000\n");
  EXPECT_EQ(Xy({"create", path, "--a", "1,2"}).status, 2);
  EXPECT_EQ(Xy({"convert", path, "--x", "1.5", "--y", "2"}).status, 2);
}

TEST_F(ProjectCommands, HelpIsOnStandardOutput) {
  CommandRun help = Header({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: quarrix-batch header"), std::string::npos);
  EXPECT_EQ(Xy({"--help"}).status, 0);
  EXPECT_EQ(Header({}).status, 2);
}

}  // namespace
}  // namespace quarrix
