#include <gtest/gtest.h>

#include "fault/fault_file.h"
#include "fault/poly_fault_file.h"
#include "fault/poly_fault_outlines.h"
#include "fault/tridex_import.h"
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

std::string Le32(std::int32_t value) {
  return Le16(value & 0xFFFF) + Le16(static_cast<int>(static_cast<std::uint32_t>(value) >> 16));
}

// An 80-byte record from (number, time) points, padded with zeros.
std::string Record(std::initializer_list<std::pair<int, int>> points) {
  std::string bytes;
  for (auto [number, time] : points) bytes += Le16(number) + Le16(time);
  return bytes + std::string(kTridexRecordBytes - bytes.size(), '\0');
}

TEST(TridexImport, LineRecordsWalkTracesAndTraceRecordsWalkLines) {
  SurveyHeader h = SmallSurvey(5, 4, 10, 100);
  std::string bytes = "\x55\x55";
  for (int i = 0; i < 5; ++i)
    bytes += i == 3   ? Record({{100, 1000}, {102, 1040}})
             : i == 1 ? Record({{0, 500}, {101, 600}})
                      : Record({});
  bytes += Record({}) + Record({}) + Record({}) + Record({{10, 300}, {11, 300}, {0, 0}, {14, 900}});
  FaultGrid grid = DecodeTridexFaults(bytes, h);
  EXPECT_EQ(grid.At(3, 0), 9192);
  EXPECT_EQ(grid.At(3, 2), 9232);
  EXPECT_EQ(grid.At(3, 1), Seed(1029));  // the walk leaves trace index 1 at step 29
  EXPECT_EQ(grid.At(0, 3), Seed(300));
  EXPECT_EQ(grid.At(1, 3), Seed(300));
  // Line index 1's record starts with trace number 0: nothing; the trace
  // record's polyline ends at its third point.
  EXPECT_EQ(CountFaultCells(grid).seeds, 5u);
}

TEST(TridexImport, AShortFileLeavesTheMissingRecordsEmpty) {
  SurveyHeader h = SmallSurvey(3, 3, 1, 1);
  std::string bytes =
      std::string(2, '\0') + Record({{1, 200}, {3, 200}}) + Record({{1, 400}}).substr(0, 40);
  FaultGrid grid = DecodeTridexFaults(bytes, h);
  EXPECT_EQ(CountFaultCells(grid).filled, 3u);
  EXPECT_EQ(grid.At(0, 1), Seed(200));
}

TEST(TridexImport, WritesTheFaultBesideTheForeignFile) {
  TempFolder folder;
  SurveyHeader h = SmallSurvey(2, 3, 1, 1);
  ScriptedPrompter prompter;
  std::string fal = folder.File("Zone.FAL");
  WriteFileBytes(fal, std::string(2, '\0') + Record({{1, 100}, {2, 104}}) + Record({}));
  prompter.QueueFile(fal);
  ASSERT_TRUE(ImportTridexFaults(folder.path(), h, prompter));
  EXPECT_EQ(prompter.file_requests().back().title, "Convert Tridex Fault File");
  std::string ffl = folder.File("Zone.ffl");
  EXPECT_EQ(ReadFileBytes(ffl), Le16(12) + Le16(0) + Le16(0) + Le16(0) + Le16(0) + Le16(1) +
                                    Le16(Seed(100)) + Le16(Seed(104)) + Le16(32700) + Le16(32700) +
                                    Le16(32700) + Le16(32700));
  prompter.QueueFile(std::nullopt);
  EXPECT_FALSE(ImportTridexFaults(folder.path(), h, prompter));
}

TEST(PolyFaultFile, RoundTripsPolygonsAndClosesTheOneBeingDigitised) {
  TempFolder folder;
  ScriptedPrompter prompter;
  std::string path = PolyFaultPath(folder.path(), "north/Top.hor");
  EXPECT_EQ(path, folder.File("Top.flp"));
  PolyFaults faults;
  ASSERT_TRUE(OpenPolyFaultFile(path, true, faults, prompter));
  EXPECT_EQ(ReadFileBytes(path), "");
  for (auto p : {PolyFaultPoint{1, 2}, {3, -4}, {5, 6}}) faults.AddVertex(p);
  faults.ClosePolygon();
  faults.AddVertex({7, 8});
  faults.AddVertex({-9, 10});
  ASSERT_TRUE(SavePolyFaultFile(faults, prompter));
  EXPECT_EQ(ReadFileBytes(path), Le32(2) + Le32(3) + Le32(2) + Le32(1) + Le32(2) + Le32(3) +
                                     Le32(-4) + Le32(5) + Le32(6) + Le32(7) + Le32(8) + Le32(-9) +
                                     Le32(10));
  PolyFaults again;
  ASSERT_TRUE(OpenPolyFaultFile(path, false, again, prompter));
  EXPECT_EQ(again.counts, (std::vector<std::int32_t>{3, 2}));
  EXPECT_EQ(again.vertices, faults.vertices);
}

TEST(PolyFaultFile, NoPolygonsIsAFourByteZero) {
  TempFolder folder;
  ScriptedPrompter prompter;
  PolyFaults faults;
  ASSERT_TRUE(OpenPolyFaultFile(folder.File("a.flp"), true, faults, prompter));
  ASSERT_TRUE(SavePolyFaultFile(faults, prompter));
  EXPECT_EQ(ReadFileBytes(folder.File("a.flp")), Le32(0));
}

TEST(PolyFaultFile, TheHundredAndFirstPolygonIsRefused) {
  PolyFaults faults;
  for (int p = 0; p < 100; ++p) {
    ASSERT_TRUE(faults.AddVertex({p, p}));
    ASSERT_TRUE(faults.ClosePolygon());
  }
  EXPECT_FALSE(faults.AddVertex({0, 0}));
  EXPECT_EQ(faults.counts.size(), 100u);
}

TEST(PolyFaultFile, BadFilesAreToldAndLeaveNoPolygons) {
  TempFolder folder;
  ScriptedPrompter prompter;
  PolyFaults faults;
  faults.counts = {1};
  faults.vertices = {{1, 1}};
  EXPECT_FALSE(OpenPolyFaultFile(folder.File("none.flp"), false, faults, prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot Open POLY FAULT File");
  EXPECT_TRUE(faults.counts.empty() && faults.vertices.empty());
  for (std::string bytes :
       {Le32(101), Le32(-1), Le32(1) + Le32(-2), Le32(1) + Le32(2) + Le32(0), Le32(2) + Le32(1)}) {
    WriteFileBytes(folder.File("bad.flp"), bytes);
    EXPECT_FALSE(OpenPolyFaultFile(folder.File("bad.flp"), false, faults, prompter));
  }
}

TEST(PolyFaultOutlines, KeepSixtiethsOfACellAndSkipOpenOrTinyOutlines) {
  TempFolder folder;
  ScriptedPrompter prompter;
  std::vector<GridPolyline> outlines = {{{{2.5, 3}, {2.5, 10.25}, {8, 10.25}}},
                                        {{{1, 1}, {1, 2}}},  // too few points to close
                                        {{{0, 0}, {0, 4}, {5, 4}, {5, 0}}}};
  PolyFaults faults = PolyFaultsOfOutlines(outlines, folder.File("t.flp"));
  ASSERT_TRUE(SavePolyFaultFile(faults, prompter));
  // x runs across the traces, y down the lines: (row 2.5, column 10.25) is (615, 150).
  const std::string bytes = ReadFileBytes(folder.File("t.flp"));
  EXPECT_EQ(bytes.substr(0, 20), Le32(2) + Le32(3) + Le32(4) + Le32(180) + Le32(150));
  EXPECT_EQ(bytes.substr(20, 8), Le32(615) + Le32(150));
  std::vector<GridPolyline> back;
  std::string problem;
  ASSERT_TRUE(ReadPolyFaultOutlines(folder.File("t.flp"), back, problem));
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].points, outlines[0].points);
  EXPECT_EQ(back[1].points, outlines[2].points);
  EXPECT_FALSE(ReadPolyFaultOutlines(folder.File("none.flp"), back, problem));
  EXPECT_NE(problem.find("Cannot Open POLY FAULT File"), std::string::npos);
}

}  // namespace
}  // namespace quarrix
