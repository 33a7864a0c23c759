#include "project/amp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <vector>

#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "project/line_block_reader.h"
#include "project/project_state.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

SurveyHeader Grid(int lines, int traces, int samples) {
  SurveyHeader h;
  h.first_line = 1;
  h.last_line = lines;
  h.first_trace = 1;
  h.last_trace = traces;
  h.trace_bytes = 2 * samples;
  h.sample_rate = 4.0;
  h.ComputeDerived();
  return h;
}

TEST(AmpFile, RecordsAreLineMajor) {
  SurveyHeader h = Grid(3, 4, 1000);
  EXPECT_EQ(h.AmpFileBytes(), 24000);
  EXPECT_EQ(TraceOffset(h, 2, 3), 22000);
  h.last_trace = 110;
  h.first_trace = 101;
  h.trace_increment = 2.0f;
  h.ComputeDerived();
  EXPECT_EQ(TraceOffset(h, 1, 4), (1 * 5 + 4) * 2000);
}

TEST(AmpFile, WrittenTracesReadBackLittleEndianAtTheirPlace) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(3, 4, 5);
  AmpFile file;
  ASSERT_TRUE(file.Open(folder.File("t.amp"), AmpOpenMode::Create));
  NullProgress progress;
  ASSERT_TRUE(FillWithZeroTraces(file, h, progress));
  std::int16_t trace[5] = {1, -2, 300, -32768, 32767};
  EXPECT_EQ(WriteTrace(file, h, trace, 2, 1, h.trace_bytes), 0);
  file.Close();
  std::string bytes = testing::ReadFileBytes(folder.File("t.amp"));
  ASSERT_EQ(bytes.size(), 120u);
  std::size_t at = static_cast<std::size_t>(TraceOffset(h, 2, 1));
  EXPECT_EQ(static_cast<unsigned char>(bytes[at + 4]), 0x2c);  // 300 = 0x012c
  EXPECT_EQ(static_cast<unsigned char>(bytes[at + 5]), 0x01);

  ASSERT_TRUE(file.Open(folder.File("t.amp"), AmpOpenMode::Read));
  std::int16_t back[5] = {};
  EXPECT_EQ(ReadTrace(file, h, back, 2, 1, h.trace_bytes), 0);
  EXPECT_TRUE(std::equal(back, back + 5, trace));
  EXPECT_EQ(ReadTrace(file, h, back, 0, 0, h.trace_bytes), 0);
  EXPECT_EQ(back[2], 0);
  // Beyond the end of the file and without a file, reads report failure.
  EXPECT_EQ(ReadTrace(file, h, back, 3, 0, h.trace_bytes), 1);
  AmpFile closed;
  EXPECT_EQ(ReadTrace(closed, h, back, 0, 0, h.trace_bytes), 1);
}

class FailingConditioner : public TraceConditioner {
 public:
  int Condition(std::int16_t* samples, int count) override {
    seen = count;
    samples[0] = 99;
    return 1;
  }
  int seen = 0;
};

TEST(AmpFile, ConditionerRunsOnTheTraceReadAndItsFailureCounts) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(1, 2, 8);
  AmpFile file;
  ASSERT_TRUE(file.Open(folder.File("c.amp"), AmpOpenMode::Create));
  NullProgress progress;
  ASSERT_TRUE(FillWithZeroTraces(file, h, progress));
  std::int16_t buffer[8];
  FailingConditioner conditioner;
  EXPECT_EQ(ReadTrace(file, h, buffer, 0, 1, h.trace_bytes, &conditioner), 1);
  EXPECT_EQ(conditioner.seen, 8);
  EXPECT_EQ(buffer[0], 99);
}

TEST(AmpFile, AddressesBeyondTwoGibibytesOnASparseFile) {
  testing::TempFolder folder;
  // 2000 lines x 1000 traces x 2000 bytes = 4 GB; only the far traces are written.
  SurveyHeader h = Grid(2000, 1000, 1000);
  ASSERT_GT(TraceOffset(h, 1999, 999), std::int64_t{1} << 31);
  AmpFile file;
  ASSERT_TRUE(file.Open(folder.File("big.amp"), AmpOpenMode::Create));
  std::vector<std::int16_t> trace(1000), back(1000);
  std::iota(trace.begin(), trace.end(), -500);
  ASSERT_EQ(WriteTrace(file, h, trace.data(), 1999, 999, h.trace_bytes), 0);
  ASSERT_EQ(WriteTrace(file, h, trace.data(), 1074, 0, h.trace_bytes), 0);  // just past 2^31
  file.Close();
  EXPECT_EQ(std::filesystem::file_size(folder.File("big.amp")),
            static_cast<std::uintmax_t>(h.AmpFileBytes()));
  ASSERT_TRUE(file.Open(folder.File("big.amp"), AmpOpenMode::Read));
  EXPECT_EQ(ReadTrace(file, h, back.data(), 1999, 999, h.trace_bytes), 0);
  EXPECT_EQ(back, trace);
  EXPECT_EQ(ReadTrace(file, h, back.data(), 1074, 0, h.trace_bytes), 0);
  EXPECT_EQ(back, trace);
  EXPECT_EQ(ReadTrace(file, h, back.data(), 1073, 999, h.trace_bytes), 0);
  EXPECT_EQ(back[0], 0);
}

TEST(ProjectState, CreateZeroAmpFileAsksTwiceThenFillsTheGrid) {
  testing::TempFolder folder;
  ProjectState project;
  project.header = Grid(3, 4, 1000);
  project.project_base = folder.File("north.");
  NullProgress progress;

  ScriptedPrompter cancel_first;
  cancel_first.QueueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(CreateZeroAmpFile(project, cancel_first, progress));
  EXPECT_FALSE(std::filesystem::exists(project.AmpPath()));

  ScriptedPrompter yes;
  ASSERT_TRUE(CreateZeroAmpFile(project, yes, progress));
  ASSERT_EQ(yes.messages().size(), 3u);
  EXPECT_EQ(yes.messages()[0].text, "Create Dummy Amp File???");
  EXPECT_EQ(yes.messages()[1].text, "File requires 24000 bytes, PROCEED??");
  EXPECT_EQ(yes.messages()[1].caption, "Warning");
  EXPECT_NE(yes.last_text().find("Created the trace file " + project.AmpPath()), std::string::npos);
  EXPECT_TRUE(project.amp.IsOpen());
  EXPECT_EQ(testing::ReadFileBytes(project.AmpPath()), std::string(24000, '\0'));
  // With a file open, nothing happens, and the user is told why.
  EXPECT_FALSE(CreateZeroAmpFile(project, yes, progress));
  EXPECT_NE(yes.last_text().find("is open"), std::string::npos);
}

TEST(ProjectState, CreateZeroAmpFileAsksBeforeReplacingAnExistingTraceFile) {
  testing::TempFolder folder;
  ProjectState project;
  project.header = Grid(3, 4, 1000);
  project.project_base = folder.File("north.");
  testing::WriteFileBytes(project.AmpPath(), "the surveyed traces");
  NullProgress progress;
  // The replace question's default is No: two OKs alone change nothing.
  ScriptedPrompter defaults;
  EXPECT_FALSE(CreateZeroAmpFile(project, defaults, progress));
  ASSERT_EQ(defaults.messages().size(), 3u);
  EXPECT_EQ(defaults.messages()[2].buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_NE(defaults.messages()[2].text.find(project.AmpPath()), std::string::npos);
  EXPECT_EQ(testing::ReadFileBytes(project.AmpPath()), "the surveyed traces");

  ScriptedPrompter yes;
  for (MessageAnswer a : {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes})
    yes.QueueAnswer(a);
  // A failed fill leaves the old file as it was, and no temporary behind.
  {
    testing::FailingWrites fail(WriteStep::Write, 2);
    EXPECT_FALSE(CreateZeroAmpFile(project, yes, progress));
  }
  EXPECT_EQ(testing::ReadFileBytes(project.AmpPath()), "the surveyed traces");
  EXPECT_EQ(testing::ListFolder(folder.path()).size(), 1u);
  for (MessageAnswer a : {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes})
    yes.QueueAnswer(a);
  ASSERT_TRUE(CreateZeroAmpFile(project, yes, progress));
  EXPECT_EQ(testing::ReadFileBytes(project.AmpPath()), std::string(24000, '\0'));
}

TEST(ProjectState, OpenProjectReadsHeaderPlacementAndTraceFile) {
  testing::TempFolder folder;
  ScriptedPrompter prompter;
  ProjectState project;
  EXPECT_FALSE(OpenProject(project, folder.File("none.hdr"), prompter));
  EXPECT_FALSE(project.is_open);

  SurveyHeader h = Grid(3, 4, 10);
  h.corner_index = 6;
  std::string header_path = folder.File("north.HDR");
  auto bytes = EncodeHeader(h);
  testing::WriteFileBytes(header_path, std::string(bytes.data(), bytes.size()));
  ASSERT_TRUE(OpenProject(project, header_path, prompter));
  EXPECT_TRUE(project.is_open);
  EXPECT_EQ(project.project_base, folder.File("north."));
  EXPECT_FALSE(project.amp.IsOpen());  // no trace file yet: no message either
  EXPECT_FALSE(project.placement.HasXy());
  EXPECT_EQ(project.view_azimuth, 45);
  EXPECT_EQ(project.view_elevation, 135);
  EXPECT_EQ(prompter.messages().size(), 1u);  // only the failed first open
}

// Adds the trace's first sample to every sample, failing on a chosen value,
// so a test sees that the hook ran once per read and that failures pass on.
class AddFirstSample : public TraceConditioner {
 public:
  int Condition(std::int16_t* samples, int count) override {
    for (int n = 1; n < count; ++n) samples[n] = static_cast<std::int16_t>(samples[n] + samples[0]);
    return count > 0 && samples[0] == 7 ? 1 : 0;
  }
};

// A file of 7 lines x 5 traces x 6 samples whose every sample is distinct.
std::string WriteNumberedFile(testing::TempFolder& folder, const SurveyHeader& h) {
  std::string path = folder.File("t.amp");
  AmpFile file;
  EXPECT_TRUE(file.Open(path, AmpOpenMode::Create));
  std::vector<std::int16_t> trace(static_cast<std::size_t>(h.num_samples));
  for (int i = 0; i < h.num_lines; ++i)
    for (int j = 0; j < h.traces_per_line; ++j) {
      for (int n = 0; n < h.num_samples; ++n)
        trace[static_cast<std::size_t>(n)] =
            static_cast<std::int16_t>((i * h.traces_per_line + j) * 100 + n - 1000);
      EXPECT_EQ(WriteTrace(file, h, trace.data(), i, j, h.trace_bytes), 0);
    }
  return path;
}

// Every read through the block reader gives the samples, leftovers and
// result of ReadTrace, in file order and out of it, whole or cut short.
void ExpectSameAsReadTrace(const AmpFile& file, const SurveyHeader& h, std::size_t block_bytes,
                           TraceConditioner* conditioner) {
  LineBlockReader blocks(file, h, block_bytes);
  std::vector<std::pair<int, int>> order;
  for (int i = 0; i < h.num_lines; ++i)
    for (int j = 0; j < h.traces_per_line; ++j) order.emplace_back(i, j);
  order.emplace_back(1, 2);            // back to an earlier block
  order.emplace_back(h.num_lines, 0);  // outside the grid
  for (auto [i, j] : order) {
    for (int bytes : {h.trace_bytes, h.trace_bytes - 4}) {
      std::vector<std::int16_t> expected(static_cast<std::size_t>(h.num_samples), 555);
      std::vector<std::int16_t> got = expected;
      int want = ReadTrace(file, h, expected.data(), i, j, bytes, conditioner);
      EXPECT_EQ(blocks.Read(got.data(), i, j, bytes, conditioner), want) << i << "," << j;
      EXPECT_EQ(got, expected) << i << "," << j << " bytes " << bytes;
    }
  }
}

TEST(LineBlockReader, GivesWhatReadTraceGivesForEveryBlockSize) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(7, 5, 6);
  AmpFile file;
  ASSERT_TRUE(file.Open(WriteNumberedFile(folder, h), AmpOpenMode::Read));
  AddFirstSample conditioner;
  for (std::size_t block : {std::size_t{1}, std::size_t{60}, std::size_t{130}, kLineBlockBytes}) {
    ExpectSameAsReadTrace(file, h, block, nullptr);
    ExpectSameAsReadTrace(file, h, block, &conditioner);
  }
}

TEST(LineBlockReader, ShortFileGivesWhatReadTraceGives) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(7, 5, 6);
  std::string path = WriteNumberedFile(folder, h);
  // Cut inside trace (5, 2): the rest of that trace and every later one are missing.
  std::filesystem::resize_file(path, static_cast<std::uintmax_t>(TraceOffset(h, 5, 2) + 5));
  AmpFile file;
  ASSERT_TRUE(file.Open(path, AmpOpenMode::Read));
  for (std::size_t block : {std::size_t{60}, std::size_t{130}, kLineBlockBytes})
    ExpectSameAsReadTrace(file, h, block, nullptr);
}

TEST(ProjectState, ATraceFileOfAnotherSizeIsReportedAndOneFarTooSmallRefusesTheProject) {
  testing::TempFolder folder;
  SurveyHeader h = Grid(3, 4, 10);  // 12 traces of 20 bytes
  const std::string header_path = folder.File("north.hdr"), amp_path = folder.File("north.amp");
  auto bytes = EncodeHeader(h);
  testing::WriteFileBytes(header_path, std::string(bytes.data(), bytes.size()));
  struct Case {
    std::size_t amp_bytes;
    bool opens;
    const char* says;  // "" for nothing
  } cases[] = {
      {240, true, ""},
      {250, true, "holds 250 bytes, more than the header's grid"},
      {150, true,
       "holds 150 bytes, 7 of the 12 traces of the header's grid of 3 lines x 4 traces "
       "of 10 samples (240 bytes); the other traces read as missing"},
      {23, false, "far too few for the header's grid"},  // not 2 bytes a trace
      {0, false, "far too few"},
  };
  for (const Case& c : cases) {
    testing::WriteFileBytes(amp_path, std::string(c.amp_bytes, '\0'));
    ScriptedPrompter prompter;
    ProjectState project;
    EXPECT_EQ(OpenProject(project, header_path, prompter), c.opens) << c.amp_bytes;
    EXPECT_EQ(project.is_open, c.opens);
    if (*c.says == '\0') {
      EXPECT_TRUE(prompter.messages().empty());
      continue;
    }
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.last_text().find(c.says), std::string::npos) << prompter.last_text();
  }
}

// A failure closing a file written to is reported, so a write lost there
// never passes for a finished file; closing a file only read is no write.
TEST(AmpFile, CloseReportsAFailureOfAFileWrittenTo) {
  testing::TempFolder folder;
  const std::string path = folder.File("c.amp");
  AmpFile file;
  ASSERT_TRUE(file.Open(path, AmpOpenMode::Create));
  {
    testing::FailingWrites fail(WriteStep::Close, 1);
    EXPECT_FALSE(file.Close());
    ASSERT_TRUE(file.Open(path, AmpOpenMode::Read));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(fail.reached(), 1);
  }
  EXPECT_FALSE(file.IsOpen());
  EXPECT_TRUE(file.Close());  // nothing open
}

}  // namespace
}  // namespace quarrix
