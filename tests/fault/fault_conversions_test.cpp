#include "fault/fault_conversions.h"

#include <gtest/gtest.h>

#include "fault/fault_file.h"
#include "fault/fault_interpolation.h"
#include "fault_test_support.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::ReadFileBytes;
using testing::Seed;
using testing::SmallSurvey;
using testing::TempFolder;

// A flat horizon at 1200 ms cut by the fault plane 1000 + 100 (c - 5) + 30 r,
// seeds on even traces and interpolated times on odd ones; the horizon has a
// hole at (2, 6) and the fault one at (3, 0).
class Blanking : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 10; ++c) {
        int time = 1000 + 100 * (c - 5) + 30 * r;
        fault.At(r, c) = static_cast<std::int16_t>(c % 2 == 0 ? Seed(time) : time);
      }
    horizon.At(2, 6) = HORIZON_NULL;
    fault.At(3, 0) = FAULT_NULL;
  }
  HorizonGrid horizon{4, 10, 1200};
  FaultGrid fault{4, 10};
};

TEST_F(Blanking, NullsTheFirstCrossingOnTheDeeperSideOfEachLineAndTrace) {
  // d = 700 - 100 c - 30 r. Line 0 turns between traces 7 (d = 0) and 8;
  // lines 1 and 3 between 6 and 7; line 2 has its crossing at the hole.
  // Along traces only trace 7 turns (lines 0 and 1), on a cell already nulled.
  EXPECT_EQ(BlankHorizonAtFault(horizon, fault), 3u);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 10; ++c) {
      bool blanked =
          (r == 0 && c == 7) || (r == 1 && c == 6) || (r == 3 && c == 6) || (r == 2 && c == 6);
      EXPECT_EQ(horizon.At(r, c) == HORIZON_NULL, blanked) << r << "," << c;
    }
}

TEST_F(Blanking, FaultTimesLoseTheSeedFlagUpToTwice) {
  EXPECT_EQ(FaultTimeForBlanking(Seed(1000)), 1000);
  EXPECT_EQ(FaultTimeForBlanking(static_cast<std::int16_t>(2 * kFaultSeedFlag + 500)), 500);
  EXPECT_EQ(FaultTimeForBlanking(700), 700);
}

TEST_F(Blanking, EveryOpenFaultBlanksTheHorizonFileInTurn) {
  TempFolder folder;
  SurveyHeader header = SmallSurvey(4, 10);
  ScriptedPrompter prompter;
  std::string hor = folder.File("top.hor"), ffl = folder.File("cut.ffl");
  HorizonGrid amplitude(4, 10, 77);
  ASSERT_TRUE(WriteHorizon(hor, &horizon, &amplitude));
  ASSERT_TRUE(WriteNewFaultFile(ffl, fault, prompter));
  EXPECT_EQ(BlankHorizonAtFaults(hor, {folder.File("gone.ffl"), ffl}, header, prompter), 3);
  EXPECT_EQ(prompter.messages().front().text, "Cannot Open FAULT File\n" + folder.File("gone.ffl"));
  HorizonGrid time(4, 10), amp(4, 10);
  ASSERT_EQ(ReadHorizon(hor, &time, &amp), HorizonReadResult::Ok);
  EXPECT_EQ(time.At(0, 7), HORIZON_NULL);
  EXPECT_EQ(time.At(0, 6), 1200);
  EXPECT_EQ(amp.cells, amplitude.cells);
}

TEST(FaultConversion, FaultToHorizonDropsTheSeedFlag) {
  TempFolder folder;
  SurveyHeader header = SmallSurvey(2, 3);
  ScriptedPrompter prompter;
  FaultGrid fault(2, 3);
  fault.At(0, 1) = Seed(1500);
  fault.At(1, 2) = 640;
  ASSERT_TRUE(WriteNewFaultFile(folder.File("f.ffl"), fault, prompter));
  HorizonLocation horizon = LocateHorizon(folder.path(), "h.hor");
  ASSERT_TRUE(ConvertFaultToHorizon(folder.File("f.ffl"), horizon, header, prompter));
  HorizonGrid time(2, 3, 0), amplitude(2, 3, 0);
  EXPECT_EQ(ReadHorizon(folder.File("h.hor"), &time, &amplitude), HorizonReadResult::Ok);
  EXPECT_EQ(time.cells, (std::vector<std::int16_t>{32700, 1500, 32700, 32700, 32700, 640}));
  EXPECT_EQ(amplitude.cells, HorizonGrid(2, 3).cells);
  EXPECT_EQ(ReadFileBytes(folder.File("h.hop")), std::string(6, '\0'));

  // Into an existing horizon only the time grid changes.
  HorizonGrid amplitudes(2, 3, -9);
  ASSERT_TRUE(WriteHorizon(folder.File("h.hor"), nullptr, &amplitudes));
  ASSERT_TRUE(ConvertFaultToHorizon(folder.File("f.ffl"), horizon, header, prompter));
  ReadHorizon(folder.File("h.hor"), nullptr, &amplitude);
  EXPECT_EQ(amplitude.cells, amplitudes.cells);
}

TEST(FaultConversion, HorizonToFaultCarriesNoSeedsSoUninterpolateEmptiesIt) {
  TempFolder folder;
  SurveyHeader header = SmallSurvey(3, 3);
  ScriptedPrompter prompter;
  HorizonGrid time(3, 3, 900);
  time.At(0, 0) = HORIZON_NULL;
  ASSERT_TRUE(WriteHorizon(folder.File("h.hor"), &time, &time));
  std::string ffl = folder.File("from.ffl");
  ASSERT_TRUE(ConvertHorizonToFault(folder.File("h.hor"), ffl, header, prompter));
  std::string bytes = testing::ReadFileBytes(ffl);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\x0c\0\0\0\0\0\0\0\x02\0\x02\0", 12));
  FaultGrid fault(3, 3);
  ASSERT_TRUE(ReadFault(ffl, fault, prompter));
  EXPECT_EQ(fault.cells, time.cells);
  UninterpolateFault(fault);
  EXPECT_EQ(CountFaultCells(fault).filled, 0u);

  EXPECT_FALSE(ConvertHorizonToFault(folder.File("none.hor"), ffl, header, prompter));
  EXPECT_EQ(testing::ReadFileBytes(ffl), bytes);
}

}  // namespace
}  // namespace quarrix
