#include "horizon/colour_files.h"

#include <gtest/gtest.h>

#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "platform/scripted_prompter.h"
#include "support/test_support.h"

namespace quarrix::testing {
namespace {

TEST(ColourBar, DefaultBarRunsBlueWhiteRedWithWrappedLastThreshold) {
  ColourBarRecord bar;
  bar.SetColour(32, 1, 2, 3);
  SetDefaultColourBar(bar);
  EXPECT_EQ(bar.count, 32);
  EXPECT_EQ(bar.max_value, 32000);
  EXPECT_EQ(bar.min_value, -32000);
  EXPECT_EQ(bar.increment, 2000);
  EXPECT_EQ(bar.colours[3 * 15], 255);
  EXPECT_EQ(bar.colours[3 * 15 + 2], 255);
  EXPECT_EQ(bar.colours[3 * 31 + 1], 0);  // 255 - 17 * 15
  EXPECT_EQ(bar.colours[3 * 32], 1);      // colour 32 left as it was
  EXPECT_EQ(bar.thresholds[0], 30000);
  EXPECT_EQ(bar.thresholds[31], -32000);
  EXPECT_EQ(bar.thresholds[32], static_cast<std::int16_t>(-34000 + 65536));
}

TEST(ColourBar, RecordLayoutIsByteExact) {
  ColourBarRecord bar = DefaultTimeColourBar();
  std::string bytes = EncodeColourBar(bar);
  ASSERT_EQ(bytes.size(), 648u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x1e\x00\x70\x17\x00\x00\xc8\x00", 8));
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[8 + 3 * 30]), 240);
  EXPECT_EQ(bytes.substr(392 + 60, 2), std::string("\x00\x00", 2));  // level 30 = 0
  ColourBarRecord back;
  OverlayColourBar(bytes, back);
  EXPECT_EQ(back, bar);
}

TEST(ColourBar, FullFileLoadsUnchangedAndShortFileRebuildsThresholds) {
  TempFolder folder;
  ColourBarRecord odd = DefaultAmplitudeColourBar();
  odd.thresholds[3] = 12345;  // not linear, but a full file keeps it
  WriteColourFile(folder.File("a.aco"), odd);
  ColourBarRecord loaded;
  ASSERT_TRUE(ReadColourFile(folder.File("a.aco"), loaded));
  EXPECT_EQ(loaded, odd);
  EXPECT_EQ(EncodeColourBar(loaded), ReadFileBytes(folder.File("a.aco")));

  ColourBarRecord old;
  old.count = 10;
  old.max_value = 10000;
  old.increment = 1000;
  WriteFileBytes(folder.File("old.col"), EncodeColourBar(old).substr(0, 200));
  ColourBarRecord rebuilt;
  ASSERT_TRUE(ReadColourFile(folder.File("old.col"), rebuilt));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(rebuilt.thresholds[k], 10000 - 1000 * k);
}

TEST(ColourBar, ShortFileWithHugeCountStaysInsideTheRecord) {
  TempFolder folder;
  ColourBarRecord bad;
  bad.count = 30000;
  bad.increment = 1;
  WriteFileBytes(folder.File("bad.col"), EncodeColourBar(bad).substr(0, 8));
  ColourBarRecord loaded;
  ASSERT_TRUE(ReadColourFile(folder.File("bad.col"), loaded));
  EXPECT_EQ(loaded.thresholds[127], -127);
}

TEST(ColourBar, MissingFileLeavesTheBar) {
  ColourBarRecord bar = DefaultTimeColourBar();
  EXPECT_FALSE(ReadColourFile("/nonexistent/x.col", bar));
  EXPECT_EQ(bar, DefaultTimeColourBar());
}

TEST(ColourBar, SavingClearsTheFirstHorizonsTimeSchemeOnly) {
  TempFolder folder;
  HorizonLocation horizon = LocateHorizon(folder.path(), "a.hor");
  SurveyHeader header;
  header.num_lines = 2;
  header.traces_per_line = 2;
  CreateHorizonFile(horizon, header);
  ScriptedPrompter prompter;
  ASSERT_TRUE(
      SaveColourFile(folder.File("new.col"), DefaultTimeColourBar(), horizon.path, prompter));
  HorizonStyle style = ReadHorizonStyle(horizon.path).value();
  EXPECT_EQ(style.time_colour_scheme, 0);
  EXPECT_EQ(style.colour_index, 12);
  EXPECT_EQ(style.pick_type, 1);
  EXPECT_FALSE(SaveColourFile("/nonexistent/x.col", DefaultTimeColourBar(), "", prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot Create Color File!");
}

TEST(ColourSets, DefaultsAndFileAreByteExact) {
  ColourSets sets = DefaultColourSets();
  EXPECT_EQ(sets[1].Name(), "Rev Rainbow");
  EXPECT_EQ(sets[1].colours[0], PaletteColour(255, 0, 0));
  EXPECT_EQ(sets[8].colours[7], 0x02FFFFFFu);
  EXPECT_EQ(sets[15].colours[15], PaletteColour(128, 255, 128));
  EXPECT_EQ(sets[3].colours[2], 0u);
  std::string bytes = EncodeColourSets(sets);
  ASSERT_EQ(bytes.size(), 2432u);
  // Record 9: count 3, min increment 2000, "Blue - Red", slot 1 blue.
  EXPECT_EQ(bytes.substr(8 * 152, 8), std::string("\x03\0\0\0\xd0\x07\0\0", 8));
  EXPECT_EQ(bytes.substr(8 * 152 + 8, 11), std::string("Blue - Red\0", 11));
  EXPECT_EQ(bytes.substr(8 * 152 + 88, 4), std::string("\0\0\xff\x02", 4));
}

TEST(ColourSets, EditedSetsSurviveARestartAndMissingFileGivesDefaults) {
  TempFolder folder;
  const std::string path = folder.File("colorset.ini");
  EXPECT_EQ(LoadColourSets(path), DefaultColourSets());
  ColourSets sets = DefaultColourSets();
  sets[4].SetName("Mine");
  sets[4].colours[5] = PaletteColour(1, 2, 3);
  ASSERT_TRUE(SaveColourSets(path, sets));
  EXPECT_EQ(ReadFileBytes(path).size(), 2432u);
  EXPECT_EQ(LoadColourSets(path), sets);
}

TEST(ColourSets, AmplitudeSetNeedsItsFourAnchors) {
  ColourSetRecord set = DefaultColourSets()[8];
  set.colours[8] = PaletteColour(9, 9, 9);
  EXPECT_EQ(AmplitudeSetProblem(set), "");
  set.colours[8] = 0;
  EXPECT_EQ(AmplitudeSetProblem(set), "1st, 8th, 9th, and 16th are required.");
}

}  // namespace
}  // namespace quarrix::testing
