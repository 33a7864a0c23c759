#include "project/header_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/scripted_prompter.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

SurveyHeader NorthSea() {
  SurveyHeader h;
  SetLabelText(h.owner, "Geo Ltd");
  SetLabelText(h.line_name, "North 3D");
  SetLabelText(h.collector, "Vessel");
  h.trace_spacing = 25.5f;
  h.line_spacing = 30.0f;
  h.trace_bytes = 3000;
  h.sample_rate = 4.0;
  h.first_line = 100;
  h.last_line = 150;
  h.first_trace = 101;
  h.last_trace = 110;
  h.corner_index = 4;
  h.line_increment = 1.0f;
  h.trace_increment = 2.0f;
  h.start_time = 200;
  h.ComputeDerived();
  return h;
}

std::string RecordText(const std::array<char, 600>& bytes, int record) {
  return std::string(bytes.data() + record * 40, 40);
}

std::string Padded(const std::string& text) {
  return text + std::string(40 - text.size(), ' ');
}

TEST(HeaderFile, RecordsAreLeftAlignedNumbersAndTextWithTrailingSpace) {
  auto bytes = EncodeHeader(NorthSea());
  EXPECT_EQ(RecordText(bytes, 0), std::string("Geo Ltd\0", 8) + std::string(31, '\0') + " ");
  EXPECT_EQ(RecordText(bytes, 3), Padded("25.500000"));
  EXPECT_EQ(RecordText(bytes, 5), Padded("3000"));  // 1500 samples
  EXPECT_EQ(RecordText(bytes, 6), Padded("4.000000"));
  EXPECT_EQ(RecordText(bytes, 7), Padded("100"));
  EXPECT_EQ(RecordText(bytes, 11), Padded("4"));
  EXPECT_EQ(RecordText(bytes, 13), Padded("2.000000"));
  EXPECT_EQ(RecordText(bytes, 14), Padded("200"));
}

TEST(HeaderFile, DerivedValuesTruncateAsTheFilesExpect) {
  SurveyHeader h = NorthSea();
  EXPECT_EQ(h.num_samples, 1500);
  EXPECT_EQ(h.end_time, 200 + 6000);
  EXPECT_EQ(h.num_lines, 51);
  EXPECT_EQ(h.traces_per_line, 5);  // trunc(9 / 2) + 1
  EXPECT_EQ(h.TraceIndex(109), 4);
  EXPECT_EQ(h.TraceNumber(4), 109);
  h.sample_rate = 0.3;
  h.trace_bytes = 2 * 7;
  h.ComputeDerived();
  EXPECT_EQ(h.end_time, 200 + 2);  // trunc(7 x 0.3)
}

TEST(HeaderFile, SaveAndLoadRoundTripByteExactly) {
  testing::TempFolder folder;
  ScriptedPrompter prompter;
  std::string path = folder.File("north.hdr");
  ASSERT_TRUE(SaveHeader(path, NorthSea(), prompter));
  std::string first = testing::ReadFileBytes(path);
  ASSERT_EQ(first.size(), 600u);
  SurveyHeader loaded;
  ASSERT_TRUE(LoadHeader(path, loaded, prompter));
  EXPECT_EQ(LabelText(loaded.line_name), "North 3D");
  EXPECT_EQ(loaded.traces_per_line, 5);
  ASSERT_TRUE(SaveHeader(path, loaded, prompter));
  EXPECT_EQ(testing::ReadFileBytes(path), first);
  EXPECT_TRUE(prompter.messages().empty());
}

TEST(HeaderFile, LabelsKeepThirtyNineCharacters) {
  SurveyHeader h = NorthSea();
  std::string forty(40, 'x');
  SetLabelText(h.owner, forty);
  std::string text(EncodeHeader(h).data(), 600);
  SurveyHeader back;
  ASSERT_EQ(DecodeHeader(text, HeaderReader::Interpretation, back), "");
  EXPECT_EQ(LabelText(back.owner), std::string(39, 'x'));
  EXPECT_EQ(text[39], ' ');
}

TEST(HeaderFile, OddTraceByteCountIsRefused) {
  // Records hold whole 2-byte samples: an odd count cannot describe a trace file.
  SurveyHeader h = NorthSea();
  std::string text(EncodeHeader(h).data(), 600);
  text.replace(5 * 40, 4, "3001");
  SurveyHeader back;
  EXPECT_EQ(DecodeHeader(text, HeaderReader::Interpretation, back),
            "trace bytes 3001 is not twice a whole number of samples");
}

TEST(HeaderFile, ZeroSampleRateBecomesTwoInTheInterpretationProgram) {
  SurveyHeader h = NorthSea();
  h.sample_rate = 0.0;
  std::string text(EncodeHeader(h).data(), 600);
  SurveyHeader back;
  ASSERT_EQ(DecodeHeader(text, HeaderReader::Interpretation, back), "");
  EXPECT_EQ(back.sample_rate, 2.0);
  EXPECT_EQ(back.end_time, 200 + 3000);
}

TEST(HeaderFile, ShortHeaderTakesDefaultsOnlyInTheInterpretationProgram) {
  std::string text(EncodeHeader(NorthSea()).data(), 480);
  SurveyHeader back;
  ASSERT_EQ(DecodeHeader(text, HeaderReader::Interpretation, back), "");
  EXPECT_EQ(back.line_increment, 1.0f);
  EXPECT_EQ(back.trace_increment, 1.0f);
  EXPECT_EQ(back.start_time, 0);
  EXPECT_EQ(back.traces_per_line, 10);
  SurveyHeader loader;
  EXPECT_NE(DecodeHeader(text, HeaderReader::Loader, loader), "");
  EXPECT_NE(DecodeHeader(text.substr(0, 479), HeaderReader::Interpretation, back), "");
}

TEST(HeaderFile, UnusableGeometryIsRefusedNamingTheField) {
  struct Case {
    void (*spoil)(SurveyHeader&);
    const char* word;
  } cases[] = {
      {[](SurveyHeader& h) { h.line_increment = 0; }, "line increment"},
      {[](SurveyHeader& h) { h.trace_increment = -2; }, "trace increment"},
      {[](SurveyHeader& h) { h.last_line = h.first_line - 1; }, "last line"},
      {[](SurveyHeader& h) { h.last_trace = h.first_trace - 5; }, "last trace"},
      {[](SurveyHeader& h) { h.num_samples = 0; }, "samples"},
      {[](SurveyHeader& h) {
         h.last_line = 2000000000;
         h.first_line = -2000000000;
         h.trace_increment = 0.0001f;
       },
       "beyond"},
      {[](SurveyHeader& h) {
         h.first_line = h.first_trace = 1;
         h.last_line = h.last_trace = 100000;
       },
       "beyond any survey"},
      {[](SurveyHeader& h) { h.sample_rate = std::nan(""); }, "sample rate"},
      {[](SurveyHeader& h) { h.sample_rate = INFINITY; }, "sample rate"},
      {[](SurveyHeader& h) { h.sample_rate = -INFINITY; }, "sample rate"},
  };
  testing::TempFolder folder;
  for (const Case& c : cases) {
    SurveyHeader bad = NorthSea();
    c.spoil(bad);
    std::string path = folder.File("bad.hdr");
    auto bytes = EncodeHeader(bad);
    testing::WriteFileBytes(path, std::string(bytes.data(), bytes.size()));
    SurveyHeader target = NorthSea();
    target.first_line = 7;
    ScriptedPrompter prompter;
    EXPECT_FALSE(LoadHeader(path, target, prompter)) << c.word;
    EXPECT_EQ(target.first_line, 7) << "a refused header leaves memory as it was";
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.last_text().find(c.word), std::string::npos) << prompter.last_text();
    EXPECT_NE(prompter.last_text().find(path), std::string::npos);
  }
}

TEST(HeaderFile, MissingAndUnwritableFilesGiveTheirMessages) {
  ScriptedPrompter prompter;
  SurveyHeader h = NorthSea();
  EXPECT_FALSE(LoadHeader("/nonexistent/x.hdr", h, prompter));
  EXPECT_EQ(prompter.last_text(), "Header File Not Found");
  EXPECT_EQ(prompter.messages().back().caption, "");
  EXPECT_FALSE(SaveHeader("/nonexistent/x.hdr", h, prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot Create Header File!");
}

TEST(HeaderFile, FailedSaveLeavesTheOldHeaderIntact) {
  testing::TempFolder folder;
  ScriptedPrompter prompter;
  std::string path = folder.File("keep.hdr");
  ASSERT_TRUE(SaveHeader(path, NorthSea(), prompter));
  std::string before = testing::ReadFileBytes(path);
  // A folder standing where the temporary must go makes the save fail.
  std::filesystem::create_directory(path + ".tmp~");
  std::filesystem::create_directory(path + ".tmp~/x");
  SurveyHeader changed = NorthSea();
  changed.first_line = 1;
  EXPECT_FALSE(SaveHeader(path, changed, prompter));
  EXPECT_EQ(testing::ReadFileBytes(path), before);
}

}  // namespace
}  // namespace quarrix
