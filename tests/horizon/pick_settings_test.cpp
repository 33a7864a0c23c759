#include "horizon/pick_settings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace quarrix::testing {
namespace {

SurveyHeader Header() {
  SurveyHeader h;
  h.first_line = h.first_trace = 1;
  h.last_line = h.last_trace = 5;
  h.trace_bytes = 1000;  // 500 samples
  h.sample_rate = 4.0;
  h.start_time = 100;
  h.ComputeDerived();
  return h;
}

TEST(PickSettings, MissingFileGivesDefaults) {
  TempFolder folder;
  PickSettings s = LoadPickSettings(folder.path(), Header());
  EXPECT_EQ(s.pick_window_ms, 10);
  EXPECT_EQ(s.pick_style, kPickStyleEntireLine);
  EXPECT_EQ(s.interaction_mode, kModeHorizons);
  EXPECT_EQ(s.autopick_mode, 1);
  EXPECT_TRUE(s.horizons.empty());
  EXPECT_EQ(s.current_horizon, -1);
  EXPECT_EQ(s.first_time_ms, 100);
  EXPECT_EQ(s.last_time_ms, 2100);
  EXPECT_DOUBLE_EQ(s.traces_per_inch, 16.0);
}

TEST(PickSettings, DisplayTimesAreClampedToTheData) {
  TempFolder folder;
  WriteFileBytes(folder.File("pickedit.ini"),
                 "[setup]\r\npl_st_time=20\r\npl_end_time=9000\r\nstk_pol=-1\r\ntpi=12.5\r\n");
  PickSettings s = LoadPickSettings(folder.path(), Header());
  EXPECT_EQ(s.first_time_ms, 100);
  EXPECT_EQ(s.last_time_ms, 2100);
  EXPECT_EQ(s.polarity, -1);
  EXPECT_DOUBLE_EQ(s.traces_per_inch, 12.5);
}

TEST(PickSettings, NameListsStopAtAnEmptyKeyAndDropMissingFiles) {
  TempFolder folder;
  WriteFileBytes(folder.File("Top.hor"), "");
  WriteFileBytes(folder.File("pickedit.ini"),
                 "[setup]\nphorizons=3\nszlruhor0=Top.hor\nszlruhor1=\nszlruhor2=Top.hor\n"
                 "pfaults=2\nszlrufal0=gone.ffl\nszlrufal1=Top.hor\nCurHor=2\nCurFal=1\n");
  PickSettings s = LoadPickSettings(folder.path(), Header());
  EXPECT_EQ(s.horizons, std::vector<std::string>{"Top.hor"});
  EXPECT_EQ(s.current_horizon, -1);
  EXPECT_EQ(s.faults, std::vector<std::string>{"Top.hor"});
  EXPECT_EQ(s.current_fault, -1);
}

TEST(PickSettings, SaveAndLoadRoundTrip) {
  TempFolder folder;
  WriteFileBytes(folder.File("a.hor"), "");
  WriteFileBytes(folder.File("b.hor"), "");
  PickSettings s = LoadPickSettings(folder.path(), Header());
  s.polarity = -1;
  s.pick_window_ms = 24;
  s.horizons = {"a.hor", "b.hor"};
  s.current_horizon = 1;
  SetVarGain(s, 25);
  ASSERT_TRUE(SavePickSettings(folder.path(), s));
  std::string text = ReadFileBytes(folder.File("pickedit.ini"));
  EXPECT_NE(text.find("stk_pol=-1\r\n"), std::string::npos);
  EXPECT_NE(text.find("max_defl=2.500000\r\n"), std::string::npos);
  EXPECT_NE(text.find("szlruhor1=b.hor\r\n"), std::string::npos);
  PickSettings back = LoadPickSettings(folder.path(), Header());
  EXPECT_EQ(back.polarity, -1);
  EXPECT_EQ(back.pick_window_ms, 24);
  EXPECT_EQ(back.horizons, s.horizons);
  EXPECT_EQ(back.current_horizon, 1);
  EXPECT_DOUBLE_EQ(back.max_deflection, 2.5);
}

}  // namespace
}  // namespace quarrix::testing
