#include "horizon/colour_files.h"

#include <gtest/gtest.h>

#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "platform/scripted_prompter.h"
#include "support/test_support.h"

namespace quarrix::testing {
namespace {

TEST(ColourBar, RecordLayoutIsByteExact) {
  ColourBar bar = DefaultTimeColourBar();
  std::string bytes = EncodeColourBar(bar);
  ASSERT_EQ(bytes.size(), 648u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x1e\x00\x70\x17\x00\x00\xc8\x00", 8));
  EXPECT_EQ(bytes.substr(8 + 3 * 30, 3), std::string("\xf0\xf0\xff", 3));
  EXPECT_EQ(bytes.substr(392 + 58, 4), std::string("\xc8\x00\x00\x00", 4));  // levels 29, 30
  std::string amplitude = EncodeColourBar(DefaultAmplitudeColourBar());
  EXPECT_EQ(amplitude.substr(0, 8), std::string("\x20\x00\x30\x75\x00\x83\xd0\x07", 8));
  EXPECT_EQ(amplitude.substr(8 + 3 * 31, 6), std::string("\xff\x00\x00\xff\x00\x00", 6));
  EXPECT_EQ(amplitude.substr(392, 2), std::string("\x30\x75", 2));  // 30000
}

TEST(ColourBar, FullFileLoadsUnchangedAndShortFileRebuildsThresholds) {
  TempFolder folder;
  ColourBar odd = DefaultAmplitudeColourBar();
  odd.thresholds[3] = 12345;  // not linear, but a full file keeps it
  WriteColourFile(folder.File("a.aco"), odd);
  ColourBar loaded;
  ASSERT_TRUE(ReadColourFile(folder.File("a.aco"), loaded));
  EXPECT_EQ(EncodeColourBar(loaded), ReadFileBytes(folder.File("a.aco")));

  ColourBar old;
  old.count = 10;
  old.max_value = 10000;
  old.increment = 1000;
  WriteFileBytes(folder.File("old.col"), EncodeColourBar(old).substr(0, 200));
  ColourBar rebuilt;
  ASSERT_TRUE(ReadColourFile(folder.File("old.col"), rebuilt));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(rebuilt.thresholds[k], 10000 - 1000 * k);
}

TEST(ColourBar, MissingFileLeavesTheBar) {
  ColourBar bar = DefaultTimeColourBar();
  EXPECT_FALSE(ReadColourFile("/nonexistent/x.col", bar));
  EXPECT_EQ(EncodeColourBar(bar), EncodeColourBar(DefaultTimeColourBar()));
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
