#include <gtest/gtest.h>

#include <sstream>

#include "loader/batch_decisions.h"
#include "platform/command_line.h"

namespace quarrix {
namespace {

std::string Parse(std::vector<std::string> args, BatchLoadOptions& options,
                  bool words_required = true) {
  CommandLine line(args, OptionSet(kLoadValueOptions), OptionSet(kLoadFlagOptions));
  if (!line.error().empty()) return line.error();
  return ParseLoadOptions(line, options, words_required);
}

TEST(BatchLoadOptions, CommandLineAnswersTheLoadDialogs) {
  BatchLoadOptions o;
  ASSERT_EQ(
      Parse({"--project", "/p/north", "--line-word", "189", "--trace-word", "21:2", "--corner", "2",
             "--line-inc", "2", "--scale", "1500", "--owner", "NORTH", "--trace-spacing", "12.5"},
            o),
      "");
  std::ostringstream messages;
  BatchDecisions decisions(o, messages);
  EXPECT_EQ(decisions.ProjectHeaderPath(), "/p/north/north.hdr");
  auto words = decisions.ChooseHeaderWords({}, false);
  ASSERT_TRUE(words);
  EXPECT_EQ(words->line, (HeaderWord{48, 4}));
  EXPECT_EQ(words->trace, (HeaderWord{11, 2}));
  EXPECT_EQ(decisions.ChooseCorner({}, 4), 2);
  SurveyHeader h;
  ASSERT_TRUE(decisions.EditHeaderValues(h));
  EXPECT_EQ(h.line_increment, 2.0f);
  EXPECT_EQ(h.trace_spacing, 12.5f);
  EXPECT_EQ(LabelText(h.owner), "NORTH");
  EXPECT_EQ(decisions.ScaleValue({10.0, 0, 10.0, 5.0}), 1500.0);
  EXPECT_FALSE(decisions.AppendFile());
  EXPECT_FALSE(decisions.ContinueWithNewReel("End of Tape Detected!!"));
}

TEST(BatchLoadOptions, ContradictionsAndBadValuesAreRefused) {
  BatchLoadOptions o;
  EXPECT_NE(Parse({"--line-word", "189", "--trace-word", "193"}, o), "");  // no project
  EXPECT_NE(Parse({"--project", "p/q", "--trace-word", "193"}, o), "");    // no line word
  EXPECT_EQ(Parse({"--project", "p/q", "--trace-word", "193", "--2d"}, o), "");
  EXPECT_EQ(Parse({"--project", "p/q"}, o, false), "");  // a tape copy needs no words
  EXPECT_NE(Parse({"--project", "p/q", "--line-word", "190", "--trace-word", "193"}, o), "");
  EXPECT_NE(
      Parse({"--project", "p/q", "--line-word", "189", "--trace-word", "193", "--corner", "9"}, o),
      "");
  EXPECT_NE(Parse({"--project", "p/q", "--line-word", "189", "--trace-word", "193", "--no-scale",
                   "--scale", "3"},
                  o),
            "");
  EXPECT_NE(
      Parse({"--project", "p/q", "--line-word", "189", "--trace-word", "193", "--scale", "0"}, o),
      "");
  EXPECT_NE(Parse({"--project", "p/", "--line-word", "189", "--trace-word", "193"}, o), "");
  // A name of "." or ".." would put the project's files beside or above its folder.
  for (const char* project : {"x/..", "x/.", "..", "."})
    EXPECT_NE(Parse({"--project", project, "--trace-word", "193", "--2d"}, o), "") << project;
  for (const char* range : {"9:3", "1.5:3", "3", "a:b", "1:3000000000"})
    EXPECT_NE(Parse({"--project", "p/q", "--trace-word", "193", "--2d", "--traces", range}, o), "")
        << range;
}

TEST(BatchLoadOptions, RangesGivenReplaceTheScannedOnes) {
  BatchLoadOptions o;
  ASSERT_EQ(Parse({"--project", "p/q", "--line-word", "189", "--trace-word", "193", "--lines",
                   "111:133", "--traces", "-5:40"},
                  o),
            "");
  std::ostringstream messages;
  BatchDecisions decisions(o, messages);
  SurveyHeader h;
  h.first_line = h.last_line = 111;
  ASSERT_TRUE(decisions.EditHeaderValues(h));
  EXPECT_EQ(h.first_line, 111);
  EXPECT_EQ(h.last_line, 133);
  EXPECT_EQ(h.first_trace, -5);
  EXPECT_EQ(h.last_trace, 40);
}

}  // namespace
}  // namespace quarrix
