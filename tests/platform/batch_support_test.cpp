#include <gtest/gtest.h>

#include <sstream>

#include "platform/command_line.h"
#include "platform/json_writer.h"
#include "platform/numeric.h"
#include "platform/paths.h"

namespace quarrix {
namespace {

TEST(CommandLine, SeparatesPositionalsOptionsAndFlags) {
  CommandLine line({"a.hdr", "--line", "5", "--json", "--x=7", "b"}, {"--line", "--x"}, {"--json"});
  ASSERT_EQ(line.error(), "");
  EXPECT_EQ(line.positionals(), (std::vector<std::string>{"a.hdr", "b"}));
  EXPECT_EQ(line.Value("--line"), "5");
  EXPECT_EQ(line.Value("--x"), "7");
  EXPECT_TRUE(line.Has("--json"));
  EXPECT_FALSE(line.Has("--other"));
  EXPECT_NE(CommandLine({"--bogus"}, {}, {}).error(), "");
  EXPECT_NE(CommandLine({"--line"}, {"--line"}, {}).error(), "");
}

TEST(CommandLine, ParsesWholeNumbersStrictly) {
  EXPECT_EQ(ParseWholeInt("-12"), -12);
  EXPECT_FALSE(ParseWholeInt("12x"));
  EXPECT_FALSE(ParseWholeInt(""));
  EXPECT_EQ(ParseWholeDouble("2.5"), 2.5);
  EXPECT_FALSE(ParseWholeDouble("nan"));
  auto pair = ParseNumberPair("1000,-2000.5", ',');
  ASSERT_TRUE(pair);
  EXPECT_EQ(pair->second, -2000.5);
}

TEST(JsonWriter, WritesNestedValuesWithEscapes) {
  std::ostringstream out;
  JsonWriter w(out);
  w.BeginObject().Key("a").Int(1).Key("s").String("q\"\n\xE9").Key("list").BeginArray();
  w.Double(0.5).Bool(true).Null().Double(1.0 / 0.0).EndArray().EndObject();
  EXPECT_EQ(out.str(), "{\"a\":1,\"s\":\"q\\\"\\n\\u00e9\",\"list\":[0.5,true,null,null]}");
}

TEST(Numeric, TruncationSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(Trunc32(-2.9), -2);
  EXPECT_EQ(Trunc32(1e300), 2147483647);
  EXPECT_EQ(Trunc32(-1e300), -2147483647 - 1);
  EXPECT_EQ(Trunc32(std::nan("")), 0);
  EXPECT_EQ(Trunc16(40000.0), 32767);
}

TEST(Paths, ProjectBaseAndExtensions) {
  EXPECT_EQ(BaseWithDot("/data/north/north.hdr"), "/data/north/north.");
  EXPECT_EQ(BaseWithDot("/data/v1.2/north"), "/data/v1.2/north.");
  EXPECT_TRUE(HasExtension("/a/NORTH.HDR", "hdr"));
  EXPECT_FALSE(HasExtension("/a.hdr/north", "hdr"));
  EXPECT_EQ(DirectoryOf("/a/b.hdr"), "/a");
  EXPECT_EQ(FileNameOf("C:\\north\\north.hdr"), "north.hdr");
}

TEST(Paths, ConfigFolderFollowsXdgThenHome) {
  const char* old_xdg = std::getenv("XDG_CONFIG_HOME");
  std::string saved = old_xdg ? old_xdg : "";
  std::string saved_home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(ConfigFile("quarrix.ini"), "/tmp/xdg-test/quarrix/quarrix.ini");
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", "/home/geo", 1);
  EXPECT_EQ(ConfigFolder(), "/home/geo/.config/quarrix");
  if (old_xdg) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  setenv("HOME", saved_home.c_str(), 1);
}

}  // namespace
}  // namespace quarrix
