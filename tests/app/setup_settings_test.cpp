#include "app/setup_settings.h"

#include <gtest/gtest.h>

#include "platform/profile_file.h"
#include "platform/text_util.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

std::vector<std::string> KeysOfSetupSection(const std::string& text) {
  std::vector<std::string> keys;
  bool in_setup = false;
  for (const std::string& line : SplitText(text, '\n')) {
    std::string t = Trim(line);
    if (t.empty()) continue;
    if (t.front() == '[') {
      in_setup = t == "[setup]";
      continue;
    }
    if (in_setup) keys.push_back(t.substr(0, t.find('=')));
  }
  return keys;
}

TEST(SetupSettings, FirstRunGivesDefaultsAndWritesEveryKeyInOrder) {
  testing::TempFolder folder;
  SetupSettings s;
  s.gain = -1;
  ReadSetupSection(ProfileFile(folder.File("quarrix.ini")), s);
  EXPECT_EQ(s.lrufile, "*.hdr");
  EXPECT_EQ(s.gain, 20);
  EXPECT_FLOAT_EQ(s.tpi, 24.0f);
  EXPECT_EQ(s.port, "LPT1");
  EXPECT_EQ(s.freq[0], 1);
  EXPECT_EQ(s.npright[2], 600);
  EXPECT_EQ(s.section_line_width, 1);
  EXPECT_EQ(s.overlay_line_width, 0);
  EXPECT_DOUBLE_EQ(s.csize, 0.2);

  ProfileFile profile(folder.File("quarrix.ini"));
  WriteSetupSection(profile, s);
  ASSERT_TRUE(profile.Save());
  std::string text = testing::ReadFileBytes(folder.File("quarrix.ini"));
  std::vector<std::string> written = KeysOfSetupSection(text);
  std::vector<std::string> expected = SetupKeysInWriteOrder();
  // "linewidth" appears twice in the order but once in the file.
  expected.erase(std::find(expected.begin() + 30, expected.end(), "linewidth"));
  EXPECT_EQ(written, expected);
  EXPECT_NE(text.find("tpi=24.000000\r\n"), std::string::npos);
  EXPECT_NE(text.find("tr_inc=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("symsize=0.250000\r\n"), std::string::npos);
  EXPECT_NE(text.find("linewidth=0\r\n"), std::string::npos);  // the overlay value wins
  EXPECT_EQ(written[0], "lrufile");
  EXPECT_EQ(written.back(), "recent8");  // the recent projects follow the original keys
}

TEST(SetupSettings, EditedFileReadsBack) {
  SetupSettings s;
  s.lrufile = "/data/north/north.hdr";
  s.gain = 35;
  s.ips = 7.5f;
  s.camdist = 9000.25;
  s.linestyle[4] = 2;
  s.nptop[1] = 17;
  s.picktype = 3;
  s.tsize = 2.5f;
  ProfileFile profile = ProfileFile::FromText("");
  WriteSetupSection(profile, s);
  SetupSettings back;
  ReadSetupSection(ProfileFile::FromText(profile.ToText()), back);
  EXPECT_EQ(back.lrufile, s.lrufile);
  EXPECT_EQ(back.gain, 35);
  EXPECT_FLOAT_EQ(back.ips, 7.5f);
  EXPECT_DOUBLE_EQ(back.camdist, 9000.25);
  EXPECT_EQ(back.linestyle[4], 2);
  EXPECT_EQ(back.nptop[1], 17);
  EXPECT_EQ(back.picktype, 3);
  EXPECT_FLOAT_EQ(back.tsize, 2.5f);
}

TEST(SetupSettings, ValueRulesOfTheFile) {
  SetupSettings s;
  ReadSetupSection(ProfileFile::FromText("[SETUP]\r\ntpi=lots\r\nlinewidth=3\r\nfreq1=70000\r\n"
                                         "gain=12abc\r\nport=FILE\r\n"),
                   s);
  EXPECT_EQ(s.tpi, 0.0f);              // not a number reads as 0.0
  EXPECT_EQ(s.section_line_width, 3);  // one key sets both line widths
  EXPECT_EQ(s.overlay_line_width, 3);
  EXPECT_EQ(s.freq[1], 70000 - 65536);  // 16-bit keys keep the low 16 bits
  EXPECT_EQ(s.gain, 12);
  EXPECT_EQ(s.port, "FILE");
}

TEST(SetupSettings, WritingKeepsOtherSectionsOfTheFile) {
  ProfileFile profile = ProfileFile::FromText("[colors]\r\nx=1\r\n[setup]\r\ngain=3\r\n");
  WriteSetupSection(profile, SetupSettings{});
  std::string text = profile.ToText();
  EXPECT_EQ(text.rfind("[colors]\r\nx=1\r\n[setup]\r\ngain=20\r\n", 0), 0u);
}

}  // namespace
}  // namespace quarrix

namespace quarrix {
namespace {

TEST(SetupSettings, RecentProjectsKeepEightNewestFirstWithoutDuplicates) {
  SetupSettings s;
  RememberProject(s, "/p/a.hdr");
  EXPECT_EQ(s.lrufile, "/p/a.hdr");
  EXPECT_EQ(s.recent[0], "");  // the "*.hdr" pattern is not a project
  for (char c = 'b'; c <= 'k'; ++c) RememberProject(s, std::string("/p/") + c + ".hdr");
  EXPECT_EQ(s.lrufile, "/p/k.hdr");
  EXPECT_EQ(s.recent[0], "/p/j.hdr");
  EXPECT_EQ(s.recent[7], "/p/c.hdr");
  RememberProject(s, "/p/e.hdr");
  EXPECT_EQ(s.recent[0], "/p/k.hdr");
  EXPECT_EQ(s.recent[1], "/p/j.hdr");
  for (const std::string& r : s.recent) EXPECT_NE(r, "/p/e.hdr");
}

}  // namespace
}  // namespace quarrix
