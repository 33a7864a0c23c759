#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace quarrix {
namespace {

TEST(ProfileFile, ReadsSectionsAndKeysWithoutRegardToCase) {
  ProfileFile p = ProfileFile::FromText(
      "; comment\r\n[Setup]\r\nGain = 25\r\ntpi=30.5\r\n\r\n[other]\r\ngain=7\r\n");
  EXPECT_EQ(p.GetInt("setup", "GAIN", 1), 25);
  EXPECT_EQ(p.GetString("SETUP", "tpi", "x"), "30.5");
  EXPECT_EQ(p.GetInt("other", "gain", 1), 7);
  EXPECT_EQ(p.GetInt("setup", "missing", 42), 42);
  EXPECT_EQ(p.GetString("nosection", "gain", "dflt"), "dflt");
}

TEST(ProfileFile, ReadsLeadingSignedDecimalLikeTheWindowsCall) {
  ProfileFile p = ProfileFile::FromText("[s]\na=-12abc\nb=abc\nc=+7\nd=\ne= 99 \nf=\"5\"\n");
  EXPECT_EQ(p.GetInt("s", "a", 1), -12);
  EXPECT_EQ(p.GetInt("s", "b", 1), 0);
  EXPECT_EQ(p.GetInt("s", "c", 1), 7);
  EXPECT_EQ(p.GetInt("s", "d", 1), 0);
  EXPECT_EQ(p.GetInt("s", "e", 1), 99);
  EXPECT_EQ(p.GetInt("s", "f", 1), 5);
  EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
}

TEST(ProfileFile, StringReadsAreCutToTheCallersBuffer) {
  ProfileFile p = ProfileFile::FromText("[s]\nport=LPT1-and-more\n");
  EXPECT_EQ(p.GetString("s", "port", "", 5), "LPT1");
}

TEST(ProfileFile, WritesReplaceInPlaceAndKeepEverythingElse) {
  ProfileFile p =
      ProfileFile::FromText("; keep me\n[setup]\ngain=1\n; inner comment\ntpi=2\n\n[later]\nx=1\n");
  p.WriteString("SETUP", "TPI", "3");
  p.WriteInt("setup", "newkey", 9);
  p.WriteString("brandnew", "k", "v");
  EXPECT_EQ(p.ToText(),
            "; keep me\r\n[setup]\r\ngain=1\r\n; inner comment\r\nTPI=3\r\nnewkey=9\r\n\r\n"
            "[later]\r\nx=1\r\n\r\n[brandnew]\r\nk=v\r\n");
}

TEST(ProfileFile, MissingFileGivesDefaultsAndSaveCreatesIt) {
  testing::TempFolder folder;
  ProfileFile p(folder.File("none.ini"));
  EXPECT_EQ(p.GetInt("setup", "gain", 20), 20);
  p.WriteInt("setup", "gain", 21);
  ASSERT_TRUE(p.Save());
  EXPECT_EQ(ProfileFile(folder.File("none.ini")).GetInt("Setup", "Gain", 0), 21);
  ProfileFile unwritable("/nonexistent-folder/q.ini");
  EXPECT_FALSE(unwritable.Save());
}

}  // namespace
}  // namespace quarrix
