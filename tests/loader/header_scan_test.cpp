#include "loader/header_scan.h"

#include <gtest/gtest.h>

#include <atomic>

#include "loader/trace_placement.h"
#include "platform/progress.h"
#include "project/survey_header.h"
#include "segy_test_files.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::BuildSegy;
using testing::TempFolder;
using testing::TestTrace;

TEST(HeaderScan, FoldsEveryWordOverTheWholeFile) {
  TempFolder folder;
  std::vector<TestTrace> traces{{10, 5, {1.0f}}, {12, -7, {1.0f}}, {11, 3, {1.0f}}};
  std::string bytes = BuildSegy(traces, 4, 4000, 1);
  bytes += std::string(100, '\0');  // a trailing fragment shorter than a header
  testing::WriteFileBytes(folder.File("a.sgy"), bytes);
  RecordingProgress progress;
  auto tables = ScanHeaders(folder.File("a.sgy"), 240 + 16, progress);
  ASSERT_TRUE(tables);
  EXPECT_EQ(tables->traces, 3);
  EXPECT_EQ(tables->Minimum({48, 4}), 10);
  EXPECT_EQ(tables->Maximum({48, 4}), 12);
  EXPECT_EQ(tables->Minimum({49, 4}), -7);
  // Bytes 195-196 are the low half of the trace number.
  EXPECT_EQ(tables->Minimum({98, 2}), -7);
  EXPECT_EQ(tables->Maximum({58, 2}), 4);  // samples per trace at byte 115
  EXPECT_EQ(progress.labels.front(), "Scan Headers");

  EXPECT_FALSE(ScanHeaders(folder.File("missing.sgy"), 256, progress));
}

TEST(HeaderScan, SeveralThreadsFindTheRangesOfOne) {
  // Enough records for many blocks, in both byte orders, the last cut off
  // after its header; the records each thread sees are counted once.
  TempFolder folder;
  auto f = [](int line, int trace, int n) { return float(line * 7 - trace + n); };
  for (SegyByteOrder order : {SegyByteOrder::Big, SegyByteOrder::Little}) {
    std::vector<TestTrace> traces = testing::GridTraces(100, 60, -40, 90, 500, f);
    traces[1234].line = -5;
    traces[4321].trace = 77777;
    std::string bytes = testing::BuildSegy(traces, 500, 4000, 5, order);
    bytes.resize(bytes.size() - 300);
    testing::WriteFileBytes(folder.File("big.sgy"), bytes);
    NullProgress progress;
    std::atomic<long long> folded{0};
    RecordBlockVisitor count;
    count.measure = [&](int, unsigned char*, std::size_t, std::size_t n) {
      folded += static_cast<long long>(n);
    };
    auto one = ScanHeaders(folder.File("big.sgy"), 240 + 2000, progress, order);
    auto three = ScanHeaders(folder.File("big.sgy"), 240 + 2000, progress, order, count, 3);
    ASSERT_TRUE(one && three);
    EXPECT_EQ(one->traces, 5400);
    EXPECT_EQ(three->traces, one->traces);
    EXPECT_EQ(folded.load(), 5399);  // the cut-off record is not measured
    EXPECT_EQ(three->min32, one->min32);
    EXPECT_EQ(three->max32, one->max32);
    EXPECT_EQ(three->min16, one->min16);
    EXPECT_EQ(three->max16, one->max16);
    EXPECT_EQ(one->Minimum({48, 4}), -5);
    EXPECT_EQ(one->Maximum({49, 4}), 77777);
  }
}

TEST(HeaderScan, MarksMoveAndChoicesAreChecked) {
  HeaderScanMarks marks;
  std::string problem;
  EXPECT_FALSE(marks.Choice(false, problem));
  EXPECT_EQ(problem, "LINE Location not Selected");
  marks.Mark(WordMark::Line, 47, 3);
  marks.Mark(WordMark::Line, 48, 3);  // moves the mark
  EXPECT_EQ(marks.MarkAt(47, 3), WordMark::None);
  EXPECT_FALSE(marks.Choice(false, problem));
  EXPECT_EQ(problem, "TRACE Location not Selected");
  marks.Mark(WordMark::Trace, 11, 6);
  auto choice = marks.Choice(false, problem);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->line, (HeaderWord{48, 4}));
  EXPECT_EQ(choice->trace, (HeaderWord{11, 2}));
  // A mark outside the Select columns only clears that kind.
  marks.Mark(WordMark::Line, 5, 1);
  EXPECT_FALSE(marks.Choice(false, problem));
  EXPECT_TRUE(marks.Choice(true, problem));  // 2-D data needs no line word

  HeaderScanTables tables;
  tables.min32[47] = 3;
  EXPECT_EQ(ScanTableCell(tables, marks, 48, 1), "3");
  EXPECT_EQ(ScanTableCell(tables, marks, 11, 6), "TRACE");
  EXPECT_EQ(ScanTableCell(tables, marks, 61, 1), "");
  EXPECT_EQ(ScanTableCell(tables, marks, 61, 4), "32767");
}

TEST(TracePlacement, KeepsTracesOnTheIncrementGrid) {
  SurveyHeader h;
  h.first_line = 100, h.last_line = 110, h.first_trace = 101, h.last_trace = 110;
  h.line_increment = 2.0f, h.trace_increment = 2.0f, h.trace_bytes = 8;
  h.ComputeDerived();
  auto cell = PlaceTrace(h, {104, 109});
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->line_index, 2);
  EXPECT_EQ(cell->trace_index, 4);
  EXPECT_FALSE(PlaceTrace(h, {103, 109}));  // off the line grid
  EXPECT_FALSE(PlaceTrace(h, {104, 110}));  // off the trace grid
  EXPECT_FALSE(PlaceTrace(h, {112, 101}));  // beyond the last line
  // A fractional increment: truncated steps must not place a trace past the grid.
  h.first_trace = 0, h.last_trace = 10, h.trace_increment = 2.5f;
  h.ComputeDerived();
  EXPECT_FALSE(PlaceTrace(h, {100, 10}));
}

}  // namespace
}  // namespace quarrix
