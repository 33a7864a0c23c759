#include <gtest/gtest.h>

#include <filesystem>

#include "loader/tape_conversion.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/tape_image.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "segy_test_files.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::BuildSegy;
using testing::GridTraces;
using testing::TempFolder;
using testing::TestDecisions;

float Wave(int line, int trace, int n) {
  return static_cast<float>(line * 100 + trace * 3 + n);
}

TEST(TapeImageFile, RecordsMarksAndTheEndOfData) {
  TempFolder folder;
  TapeImage tape;
  ASSERT_TRUE(tape.Open(folder.File("t.tap"), true));
  EXPECT_EQ(tape.WriteVariableBlock("abc", 3), kTapeOk);  // odd length: padded
  EXPECT_EQ(tape.WriteFilemarks(1), kTapeOk);
  EXPECT_EQ(tape.WriteVariableBlock("defg", 4), kTapeOk);
  // 3 + 1 padding + 8 framing, a mark, then 4 + 8.
  EXPECT_EQ(std::filesystem::file_size(folder.File("t.tap")), 12u + 4 + 12);
  tape.Rewind();
  char buffer[8];
  std::size_t got;
  EXPECT_EQ(tape.ReadVariableBlock(buffer, 3, got), kTapeOk);
  EXPECT_EQ(std::string(buffer, got), "abc");
  EXPECT_EQ(tape.ReadVariableBlock(buffer, 8, got), kTapeFileMark);
  EXPECT_EQ(tape.ReadVariableBlock(buffer, 8, got), kTapeInvalidBlock);  // 4 bytes, 8 asked
  EXPECT_EQ(std::string(buffer, got), "defg");
  EXPECT_EQ(tape.ReadVariableBlock(buffer, 8, got), kTapeEndOfData);
  // Writing after the first record cuts off what followed.
  tape.Rewind();
  EXPECT_EQ(tape.ReadVariableBlock(buffer, 3, got), kTapeOk);
  EXPECT_EQ(tape.WriteBadBlock("xy", 2), kTapeOk);
  tape.Rewind();
  EXPECT_EQ(tape.SpaceFileMarks(1), kTapeEndOfData);
  tape.Rewind();
  tape.ReadVariableBlock(buffer, 3, got);
  EXPECT_EQ(tape.ReadVariableBlock(buffer, 2, got), kTapeMediumError);
  EXPECT_EQ(std::string(buffer, got), "xy");
}

TEST(TapeUnits, UnitsWithoutADriveAreListedAsNoDevice) {
  if (std::filesystem::exists("/dev/nst7")) GTEST_SKIP() << "a tape drive is attached";
  EXPECT_EQ(DescribeTapeUnit(7), "No Device");
}

class TapeLoad : public ::testing::Test {
 protected:
  // A SEG-Y data set on tape: headers, then one block per trace.
  void WriteSegyBlocks(TapeImage& tape, const std::vector<testing::TestTrace>& traces,
                       SegyByteOrder order = SegyByteOrder::Big) {
    std::string bytes = BuildSegy(traces, 10, 4000, 1, order);
    std::size_t record = 240 + 40;
    tape.WriteVariableBlock(bytes.data(), 3200);
    tape.WriteVariableBlock(bytes.data() + 3200, 400);
    for (std::size_t at = 3600; at < bytes.size(); at += record)
      tape.WriteVariableBlock(bytes.data() + at, record);
  }

  bool OpenTape(const std::string& name) { return tape.Open(folder.File(name), true); }

  LoadOutcome Run(TapeOperation operation, TapeSettings settings = {}) {
    decisions.header_path = folder.File("proj/proj.hdr");
    TapeLoadRequest request;
    request.settings = settings;
    tape.Rewind();
    if (!ReadTapeHeaders(tape, settings, request.headers, decisions, prompter)) return {};
    request.window.no_scaling = true;
    switch (operation) {
      case TapeOperation::AutoConvert:
        return ConvertTapeAuto(tape, request, decisions, prompter, progress);
      case TapeOperation::ManualConvert:
        return ConvertTapeManual(tape, request, decisions, prompter, progress);
      default: return CopyTape(tape, request, decisions, prompter, progress);
    }
  }

  std::vector<std::int16_t> Trace(int line_index, int trace_index) {
    SurveyHeader h;
    EXPECT_TRUE(LoadHeader(folder.File("proj/proj.hdr"), h, prompter));
    AmpFile amp;
    EXPECT_TRUE(amp.Open(folder.File("proj/proj.amp"), AmpOpenMode::Read));
    std::vector<std::int16_t> samples(10);
    ReadTrace(amp, h, samples.data(), line_index, trace_index, h.trace_bytes);
    return samples;
  }

  TempFolder folder;
  TapeImage tape;
  TestDecisions decisions;
  ScriptedPrompter prompter;
  NullProgress progress;
};

TEST_F(TapeLoad, AutomaticConversionBuildsTheProjectAfterReading) {
  ASSERT_TRUE(OpenTape("a.tap"));
  tape.WriteFilemarks(2);  // two file marks skipped before the data
  WriteSegyBlocks(tape, GridTraces(1, 2, 1, 3, 10, Wave));
  tape.WriteFilemarks(1);
  LoadOutcome outcome = Run(TapeOperation::AutoConvert, {2, false});
  ASSERT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
  EXPECT_EQ(outcome.traces_processed, 6);
  EXPECT_EQ(Trace(1, 2)[4], 2 * 100 + 3 * 3 + 4);
  // The direction picture marks the cells that hold traces.
  EXPECT_EQ(decisions.coverage.cells, std::vector<std::int16_t>(6, 1));
  EXPECT_EQ(decisions.questions.size(), 1u);  // the end-of-file question
  EXPECT_FALSE(std::filesystem::exists(folder.File("proj/proj.hdr.hdr_tmp")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("proj/proj.amp_data")));
}

TEST_F(TapeLoad, LittleEndianTapesLoadLikeBigEndianOnes) {
  for (TapeOperation operation : {TapeOperation::AutoConvert, TapeOperation::ManualConvert}) {
    std::string amp[2];
    for (SegyByteOrder order : {SegyByteOrder::Big, SegyByteOrder::Little}) {
      ASSERT_TRUE(OpenTape(order == SegyByteOrder::Big ? "big.tap" : "little.tap"));
      WriteSegyBlocks(tape, GridTraces(1, 2, 1, 3, 10, Wave), order);
      tape.WriteFilemarks(1);
      struct Ranges : TestDecisions {
        bool EditHeaderValues(SurveyHeader& h) override {
          h.first_line = 1, h.last_line = 2, h.first_trace = 1, h.last_trace = 3;
          return true;
        }
      } ranges;
      ranges.header_path = folder.File("proj/proj.hdr");
      TapeLoadRequest request;
      tape.Rewind();
      ASSERT_TRUE(ReadTapeHeaders(tape, request.settings, request.headers, ranges, prompter));
      request.window.no_scaling = true;
      LoadOutcome outcome = operation == TapeOperation::AutoConvert
                                ? ConvertTapeAuto(tape, request, ranges, prompter, progress)
                                : ConvertTapeManual(tape, request, ranges, prompter, progress);
      ASSERT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
      amp[order == SegyByteOrder::Little] = testing::ReadFileBytes(folder.File("proj/proj.amp"));
    }
    EXPECT_EQ(amp[1], amp[0]);
    EXPECT_EQ(Trace(1, 2)[4], 2 * 100 + 3 * 3 + 4);
  }
}

TEST_F(TapeLoad, SingleFileMarkIsPassedWhenAskedAndReelsContinue) {
  ASSERT_TRUE(OpenTape("reel1.tap"));
  WriteSegyBlocks(tape, GridTraces(1, 1, 1, 3, 10, Wave));
  tape.WriteFilemarks(1);
  WriteSegyBlocks(tape, GridTraces(2, 1, 1, 3, 10, Wave));  // after one mark
  tape.WriteFilemarks(2);
  TapeImage reel2;
  ASSERT_TRUE(reel2.Open(folder.File("reel2.tap"), true));
  WriteSegyBlocks(reel2, GridTraces(3, 1, 1, 3, 10, Wave));
  // The manual conversion takes its ranges from "Header Values".
  struct Ranges : TestDecisions {
    bool EditHeaderValues(SurveyHeader& h) override {
      h.first_line = 1, h.last_line = 3, h.first_trace = 1, h.last_trace = 3;
      return true;
    }
    bool ContinueWithNewReel(const std::string& q) override {
      bool go = TestDecisions::ContinueWithNewReel(q);
      if (go) reel->Open(path, false);
      return go;
    }
    TapeImage* reel = nullptr;
    std::string path;
  } ranges;
  ranges.header_path = folder.File("proj/proj.hdr");
  ranges.new_reels = 1;
  ranges.reel = &tape;
  ranges.path = folder.File("reel2.tap");
  TapeLoadRequest request;
  request.settings.ignore_single_eof = true;
  tape.Rewind();
  ASSERT_TRUE(ReadTapeHeaders(tape, request.settings, request.headers, ranges, prompter));
  request.window.no_scaling = true;
  LoadOutcome outcome = ConvertTapeManual(tape, request, ranges, prompter, progress);
  ASSERT_EQ(outcome.result, LoadResult::Done) << prompter.last_text();
  // Line 2 lies behind its headers: they are read as blocks of the wrong
  // length and skipped; line 3 comes from the second reel.
  EXPECT_EQ(outcome.traces_processed, 9);
  EXPECT_TRUE(ranges.HasMessage("End of File Detected"));
  ASSERT_EQ(ranges.questions.size(), 2u);
  EXPECT_EQ(ranges.questions[0],
            "End of Tape Detected!!\nInsert new Tape.\nYES to continue\n NO to End Tape Read");
  EXPECT_EQ(Trace(2, 1)[0], 3 * 100 + 2 * 3);
  EXPECT_EQ(Trace(1, 0)[9], 2 * 100 + 3 + 9);
}

TEST_F(TapeLoad, BadBlocksAreUsedUntilTheUserIsAsked) {
  ASSERT_TRUE(OpenTape("bad.tap"));
  std::string bytes = BuildSegy(GridTraces(1, 1, 1, 1, 10, Wave), 10, 4000, 1);
  tape.WriteVariableBlock(bytes.data(), 3200);
  tape.WriteVariableBlock(bytes.data() + 3200, 400);
  for (int k = 0; k < 103; ++k) tape.WriteBadBlock(bytes.data() + 3600, 280);
  tape.WriteFilemarks(1);
  LoadOutcome outcome = Run(TapeOperation::Copy);
  ASSERT_EQ(outcome.result, LoadResult::Done);
  EXPECT_EQ(outcome.traces_processed, 101);  // the 102nd asks; Cancel ends the reading
  ASSERT_EQ(decisions.questions.size(), 1u);
  EXPECT_EQ(decisions.questions[0], "Bad Status 3  Count 101  Length 280");
  EXPECT_EQ(std::filesystem::file_size(folder.File("proj/proj.sgy")), 3600u + 101 * 280);
}

TEST_F(TapeLoad, HeaderBlocksOfTheWrongLengthAreRefused) {
  ASSERT_TRUE(OpenTape("h.tap"));
  tape.WriteVariableBlock(std::string(3000, ' ').data(), 3000);
  EXPECT_EQ(Run(TapeOperation::AutoConvert).result, LoadResult::NotStarted);
  EXPECT_EQ(prompter.last_text(), "Not valid SEGY header 3200");
  tape.Rewind();
  EXPECT_EQ(Run(TapeOperation::AutoConvert, {3, false}).result, LoadResult::NotStarted);
  EXPECT_EQ(prompter.last_text(), "End of Data on Skip File.");
  EXPECT_FALSE(std::filesystem::exists(folder.File("proj")));
}

}  // namespace
}  // namespace quarrix
