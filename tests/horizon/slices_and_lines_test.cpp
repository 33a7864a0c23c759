#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "horizon/arbitrary_line.h"
#include "horizon/flattening.h"
#include "horizon/time_slices.h"
#include "horizon_fixture.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "project/line_block_reader.h"
#include "support/test_support.h"

namespace quarrix::testing {
namespace {

// Sample k of trace (i, j) holds a value that names it.
std::int16_t Named(int i, int j, int k) {
  return static_cast<std::int16_t>(1000 * i + 100 * j + k);
}

class SliceTest : public ::testing::Test {
 protected:
  SliceTest() : project(2, 3, 80, Named, 4.0, 200) {}

  SliceRun Run(SliceRequest request, Progress& progress) {
    return GenerateTimeSlices(project.header, project.amp, nullptr, project.folder.path(), request,
                              progress, project.prompter);
  }
  HorizonGrid Slice(const std::string& name) {
    HorizonGrid grid(2, 3);
    ReadHorizon(project.folder.File(name), &grid, nullptr);
    return grid;
  }

  HorizonProject project;
};

TEST_F(SliceTest, OneFilePerTimeWithTheSampleAtThatTime) {
  NullProgress progress;
  SliceRun run = Run({300, 400, 50}, progress);
  ASSERT_EQ(run.written.size(), 3u);
  EXPECT_EQ(FileNameOf(run.written[2]), "0400.slc");
  EXPECT_EQ(ReadFileBytes(run.written[0]).size(), 4u + 2 * 6);
  EXPECT_EQ(ReadFileBytes(run.written[0]).substr(0, 4), std::string(4, '\0'));
  HorizonGrid grid = Slice("0350.slc");
  EXPECT_EQ(grid.At(1, 2), Named(1, 2, (350 - 200) / 4));
  EXPECT_EQ(project.prompter.last_text(), "Generate Time Slice Finished");
  // An increment of 0 makes exactly one slice.
  EXPECT_EQ(SliceTimes({800, 2000, 0}), std::vector<int>{800});
  EXPECT_EQ(SliceFileName(800, false), "0800.slc");
}

TEST_F(SliceTest, FlattenedSliceSamplesTheShiftedTimeAndNullsOutsideTheTrace) {
  FlattenTable flatten;
  HorizonGrid horizon(2, 3);
  horizon.At(0, 0) = 300;  // datum (500 - 300) / 2 + 300 = 400
  horizon.At(1, 1) = 500;
  flatten.shift = AutoFlattenShifts(horizon);
  flatten.on = true;
  EXPECT_EQ(flatten.shift.At(0, 0), 100);
  EXPECT_EQ(flatten.shift.At(1, 1), -100);
  EXPECT_EQ(flatten.shift.At(0, 1), 0);
  NullProgress progress;
  SliceRequest request{400, 400, 0, &flatten};
  ASSERT_EQ(FileNameOf(Run(request, progress).written.at(0)), "0400flt.slc");
  HorizonGrid grid = Slice("0400flt.slc");
  EXPECT_EQ(grid.At(0, 0), Named(0, 0, (300 - 200) / 4));
  EXPECT_EQ(grid.At(1, 1), Named(1, 1, (500 - 200) / 4));
  EXPECT_EQ(grid.At(0, 1), Named(0, 1, (400 - 200) / 4));
  // Shifted past either end of the trace: null, never a read outside it.
  flatten.shift.At(0, 0) = 1000;
  flatten.shift.At(0, 1) = -1000;
  Run(request, progress);
  grid = Slice("0400flt.slc");
  EXPECT_EQ(grid.At(0, 0), HORIZON_NULL);
  EXPECT_EQ(grid.At(0, 1), HORIZON_NULL);
}

// A trace file cut off inside the last trace: the traces it holds whole keep
// their samples, the cut trace is null in every slice and counted.
TEST_F(SliceTest, TraceFileCutShortNullsOnlyTheMissingTrace) {
  std::filesystem::resize_file(project.folder.File("survey.amp"), 5 * 160 + 100);
  NullProgress progress;
  SliceRun run = Run({300, 400, 100}, progress);
  ASSERT_EQ(run.written.size(), 2u);
  EXPECT_EQ(run.unreadable_traces, 1);
  for (const char* name : {"0300.slc", "0400.slc"}) {
    HorizonGrid grid = Slice(name);
    EXPECT_EQ(grid.At(1, 1), Named(1, 1, (std::atoi(name) - 200) / 4)) << name;
    EXPECT_EQ(grid.At(1, 2), HORIZON_NULL) << name;
  }
}

// A survey larger than one block of the pass: the blocks end inside lines,
// so the runs of traces taken from each block meet mid-line. Every cell holds
// its own trace's sample, on one thread and on several.
TEST(SliceBlocks, RunsOfTracesMeetAcrossBlocksWithoutGapsOrOverlaps) {
  HorizonProject big(31, 47, 203, Named, 4.0, 200);
  ASSERT_GT(big.header.AmpFileBytes(), 2 * static_cast<long long>(kLineBlockBytes));
  for (int threads : {1, 3}) {
    NullProgress progress;
    SliceRun run = GenerateTimeSlices(big.header, big.amp, nullptr, big.folder.path(),
                                      {300, 900, 300, nullptr, threads}, progress, big.prompter);
    ASSERT_EQ(run.written.size(), 3u);
    for (int n = 0; n < 3; ++n) {
      HorizonGrid grid(31, 47);
      ReadHorizon(run.written[static_cast<std::size_t>(n)], &grid, nullptr);
      const int k = (300 + 300 * n - 200) / 4;
      for (int i = 0; i < 31; ++i)
        for (int j = 0; j < 47; ++j)
          ASSERT_EQ(grid.At(i, j), Named(i, j, k)) << threads << ' ' << i << ' ' << j;
    }
  }
}

TEST_F(SliceTest, CancelStopsAfterTheLineAndWritesNothingUnfinished) {
  RecordingProgress progress(1);
  SliceRun run = Run({300, 400, 50}, progress);
  EXPECT_TRUE(run.cancelled);
  EXPECT_TRUE(run.written.empty());
  EXPECT_FALSE(FileExists(project.folder.File("0300.slc")));
  EXPECT_EQ(project.prompter.last_text(), "Generate Time Slice Finished");
}

TEST_F(SliceTest, AFileThatCannotBeFinishedIsToldAndTheOthersAreSaved) {
  // The second file's flush to the disk fails: it keeps its old bytes (none),
  // no temporary is left, and the files written with it are still saved.
  for (int threads : {1, 3}) {
    for (const char* name : {"0300.slc", "0350.slc", "0400.slc"})
      std::filesystem::remove(project.folder.File(name));
    const auto before = ListFolder(project.folder.path()).size();
    NullProgress progress;
    FailingWrites failing(WriteStep::Close, 2);
    SliceRequest request{300, 400, 50};
    request.threads = threads;
    SliceRun run = Run(request, progress);
    EXPECT_EQ(run.written.size(), 2u) << threads;
    EXPECT_NE(project.prompter.last_text().find("Cannot write the time slice"), std::string::npos);
    EXPECT_EQ(ListFolder(project.folder.path()).size(), before + 2) << threads;
  }
}

TEST_F(SliceTest, FlattenFilesRoundTrip) {
  HorizonGrid shift(2, 3, 7);
  ASSERT_TRUE(WriteFlattenFile(project.folder.File("a.flt"), shift));
  FlattenTable table;
  ASSERT_TRUE(LoadFlattenFile(project.folder.File("a.flt"), project.header, table));
  EXPECT_TRUE(table.on);
  EXPECT_EQ(table.file, "a.flt");
  EXPECT_EQ(table.shift.cells, shift.cells);
}

TEST(ArbitraryLine, DdaWalkStopsBeforeEachVertexThenAddsTheLast) {
  std::vector<ArbitraryBin> bins = WalkArbitraryLine({{0, 0}, {4, 2}});
  std::vector<ArbitraryBin> expected = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}};
  EXPECT_EQ(bins, expected);
  bins = WalkArbitraryLine({{0, 0}, {0, 3}, {2, 3}});
  expected = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}};
  EXPECT_EQ(bins, expected);
  EXPECT_EQ(WalkArbitraryLine({{0, 0}, {20000, 0}}).size(), kMaxArbitraryBins);
}

TEST(ArbitraryLine, FileHoldsTraceOffsetsAndReadsBack) {
  SurveyHeader header;
  header.traces_per_line = 50;
  header.trace_bytes = 1000;
  std::string bytes = EncodeArbitraryLine({{3, 2}, {4, 2}}, header);
  ASSERT_EQ(bytes.size(), 2u + 8u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\x02\x00", 2));
  EXPECT_EQ(bytes.substr(2, 4), std::string("\x58\x92\x01\x00", 4));  // (2 * 50 + 3) * 1000
  EXPECT_EQ(DecodeArbitraryLine(bytes, header), (std::vector<ArbitraryBin>{{3, 2}, {4, 2}}));
  EXPECT_TRUE(DecodeArbitraryLine(std::string("\0\0", 2), header).empty());
  // A count beyond the entries present reads only what is there.
  EXPECT_EQ(DecodeArbitraryLine(bytes.substr(0, 8), header).size(), 1u);

  TempFolder folder;
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveArbitraryLine(folder.File("a.arb"), {{0, 0}, {2, 0}}, header, prompter));
  ArbitraryLine line;
  ASSERT_TRUE(ReadArbitraryLine(folder.File("a.arb"), header, line));
  EXPECT_EQ(line.bins.size(), 3u);
  EXPECT_FALSE(SaveArbitraryLine("/nonexistent/a.arb", {{0, 0}}, header, prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot create arb file");
}

}  // namespace
}  // namespace quarrix::testing
