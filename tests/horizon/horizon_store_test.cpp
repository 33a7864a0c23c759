#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <utility>

#include "horizon/colour_files.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "horizon/pick_registration.h"
#include "horizon_fixture.h"
#include "platform/paths.h"

namespace quarrix::testing {
namespace {

std::int16_t Zero(int, int, int) {
  return 0;
}

TEST(HorizonStore, CreatedHorizonIsNullWithDefaultStyleRegistrationAndColourFiles) {
  HorizonProject project(3, 5, 50, Zero);
  project.CreateHorizon();
  const std::size_t n = 15;
  std::string bytes = ReadFileBytes(project.horizon.path);
  ASSERT_EQ(bytes.size(), 4 + 4 * n);
  // Style word 12 | 1 << 16 | 13 << 20 | 1 << 24.
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x0c\x00\xd1\x01", 4));
  for (std::size_t k = 0; k < 2 * n; ++k) {
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[4 + 2 * k]), 0xBC);  // 32700 = 0x7FBC
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[5 + 2 * k]), 0x7F);
  }
  HorizonStyle style = ReadHorizonStyle(project.horizon.path).value();
  EXPECT_EQ(style.colour_index, 12);
  EXPECT_EQ(style.previous_colour_index, 13);
  EXPECT_EQ(style.pick_type, 1);
  EXPECT_EQ(style.time_colour_scheme, 1);
  EXPECT_EQ(style.amplitude_colour_scheme, 0);
  EXPECT_EQ(project.Registration(), std::string(n, '\0'));
  EXPECT_EQ(ReadFileBytes(project.folder.File("top.col")), EncodeColourBar(DefaultTimeColourBar()));
  EXPECT_EQ(ReadFileBytes(project.folder.File("top.aco")),
            EncodeColourBar(DefaultAmplitudeColourBar()));
}

TEST(HorizonStore, StyleWordReaderClampsColourAndSchemes) {
  HorizonStyle style = UnpackStyleWord(40u | (12u << 24) | (15u << 28) | (9u << 16));
  EXPECT_EQ(style.colour_index, 15);
  EXPECT_EQ(style.time_colour_scheme, 8);
  EXPECT_EQ(style.amplitude_colour_scheme, 8);
  EXPECT_EQ(style.pick_type, 9);
  EXPECT_TRUE(style.erase());
  EXPECT_EQ(UnpackStyleWord(0xFFFFu).colour_index, 0);  // -1 stays inside the palette
  HorizonStyle wide;
  wide.pick_type = 0x13;  // masked to its four bits
  EXPECT_EQ(UnpackStyleWord(PackStyleWord(wide)).pick_type, 3);
}

TEST(HorizonStore, StyleChangeKeepsOtherFieldsAndGrids) {
  HorizonProject project(2, 3, 50, Zero);
  project.CreateHorizon();
  project.Seed({{1, 2, 1500, 77}});
  std::string before = ReadFileBytes(project.horizon.path);
  ASSERT_TRUE(UpdateHorizonStyle(project.horizon.path, [](HorizonStyle& s) { s.pick_type = 6; }));
  std::string after = ReadFileBytes(project.horizon.path);
  EXPECT_EQ(after.substr(4), before.substr(4));
  HorizonStyle style = ReadHorizonStyle(project.horizon.path).value();
  EXPECT_EQ(style.pick_type, 6);
  EXPECT_EQ(style.colour_index, 12);
  EXPECT_EQ(style.previous_colour_index, 13);
}

TEST(HorizonStore, WritingOnlyTheTimeGridKeepsAmplitudeAndStyle) {
  HorizonProject project(2, 3, 50, Zero);
  project.CreateHorizon();
  project.Seed({{0, 0, 1000, -55}});
  std::string before = ReadFileBytes(project.horizon.path);
  HorizonGrid time(2, 3, 1234);
  ASSERT_TRUE(WriteHorizon(project.horizon.path, &time, nullptr));
  std::string after = ReadFileBytes(project.horizon.path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(after.substr(4 + 12), before.substr(4 + 12));
  EXPECT_EQ(project.Amplitude().At(0, 0), -55);
}

// Replacing a file gives what laying the grids over its old bytes gives: the
// style word and anything past the grids kept, a short or missing file padded
// with zeros, and the old file left alone until the new one is whole.
TEST(HorizonStore, ReplacingGridsKeepsTheOldFileAroundThem) {
  TempFolder folder;
  const std::string path = folder.File("a.hor");
  HorizonGrid time(2, 3, 1234), amplitude(2, 3, -7);
  const std::string old_bytes = "STYL" + std::string(12, 'x') + std::string(12, 'y') + "tail";
  for (const std::string& old : {std::string(), std::string("ST"), old_bytes}) {
    for (auto [t, a] :
         {std::pair{&time, static_cast<HorizonGrid*>(nullptr)}, std::pair{&time, &amplitude},
          std::pair{static_cast<HorizonGrid*>(nullptr), &amplitude}}) {
      std::filesystem::remove(path);
      if (!old.empty()) WriteFileBytes(path, old);
      ASSERT_TRUE(ReplaceHorizon(path, t, a));
      EXPECT_EQ(ReadFileBytes(path), OverlayGrids(old, t, a)) << old.size();
    }
  }
  EXPECT_EQ(OverlayGrids(old_bytes, &time, nullptr).substr(16), std::string(12, 'y') + "tail");
}

// An old file that cannot be read is not replaced by one with zeros where
// its style and amplitudes were.
TEST(HorizonStore, AnUnreadableOldFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads unreadable files";
  TempFolder folder;
  const std::string path = folder.File("a.hor");
  WriteFileBytes(path, "STYL" + std::string(24, 'x'));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  HorizonGrid time(2, 3, 1234);
  EXPECT_FALSE(ReplaceHorizon(path, &time, nullptr));
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadFileBytes(path), "STYL" + std::string(24, 'x'));
}

TEST(HorizonStore, MissingRegistrationIsRebuiltFromPicksOnYes) {
  HorizonProject project(2, 3, 50, Zero);
  project.CreateHorizon();
  WriteHorizonCells(project.horizon.path, project.header, {{0, 1, 900, 1}, {1, 2, 950, 2}});
  std::remove(project.horizon.Companion(".hop").c_str());
  auto registration = LoadPickRegistration(project.horizon, project.header, project.prompter);
  ASSERT_TRUE(registration);
  EXPECT_EQ(project.prompter.messages().at(0).caption, "Pick Registration");
  EXPECT_EQ(std::string(registration->bytes.begin(), registration->bytes.end()),
            std::string("\0\1\0\0\0\1", 6));
  EXPECT_EQ(project.Registration(), std::string("\0\1\0\0\0\1", 6));
}

TEST(HorizonStore, DeclinedRegistrationStopsPickingAndChangesNothing) {
  HorizonProject project(2, 3, 50, Zero);
  project.CreateHorizon();
  std::remove(project.horizon.Companion(".hop").c_str());
  std::string before = ReadFileBytes(project.horizon.path);
  project.prompter.QueueAnswer(MessageAnswer::No);
  HorizonWork work;
  EXPECT_EQ(LoadHorizonWork(project.Environment(), work), WorkLoad::NoRegistration);
  EXPECT_EQ(project.prompter.last_text(), "Pick Registration Failed");
  EXPECT_FALSE(FileExists(project.horizon.Companion(".hop")));
  EXPECT_EQ(ReadFileBytes(project.horizon.path), before);
}

TEST(HorizonStore, RegistrationFileSitsInTheProjectFolderWhateverTheNameCarries) {
  // A bare name lies in the project folder; a name with a folder is taken as given.
  EXPECT_EQ(LocateHorizon("hz/demo", "x.hor").path, "hz/demo/x.hor");
  HorizonLocation location = LocateHorizon("/p/north", "sub/Top.HOR");
  EXPECT_EQ(location.path, "sub/Top.HOR");
  EXPECT_EQ(location.Companion(".hop"), "/p/north/Top.hop");
  // A registration written on Windows in upper case is found as it is.
  TempFolder folder;
  WriteFileBytes(folder.File("TOP.HOP"), "x");
  EXPECT_EQ(LocateHorizon(folder.path(), "Top.hor").Companion(".hop"), folder.File("TOP.HOP"));
}

TEST(HorizonStore, OpenListKeepsTheFirst49Selected) {
  std::vector<std::string> names;
  for (int k = 0; k < 60; ++k) names.push_back("h" + std::to_string(k) + ".hor");
  OpenHorizonList list;
  list.Open(names);
  ASSERT_EQ(list.names.size(), 49u);
  EXPECT_EQ(list.names.back(), "h48.hor");
  EXPECT_EQ(list.current, 0);
  EXPECT_FALSE(list.Append("more.hor"));
}

TEST(HorizonStore, ListingMatchesExtensionsWithoutRegardToCase) {
  TempFolder folder;
  WriteFileBytes(folder.File("A.HOR"), "");
  WriteFileBytes(folder.File("b.hor"), "");
  WriteFileBytes(folder.File("c.hop"), "");
  EXPECT_EQ(ListFilesWithExtension(folder.path(), "hor"),
            (std::vector<std::string>{"A.HOR", "b.hor"}));
}

TEST(HorizonStore, GridSavedAsHorizonHasNoPickTypeAndTimeColours) {
  HorizonProject project(2, 2, 50, Zero);
  HorizonGrid grid(2, 2, 700);
  ASSERT_TRUE(SaveGridAsHorizon(project.horizon, grid));
  EXPECT_EQ(ReadFileBytes(project.horizon.path).size(), 4u + 8u);
  HorizonStyle style = ReadHorizonStyle(project.horizon.path).value();
  EXPECT_EQ(style.pick_type, 0);
  EXPECT_EQ(style.amplitude_colour_scheme, 1);
  EXPECT_EQ(project.Time().At(1, 1), 700);
  EXPECT_TRUE(FileExists(project.horizon.Companion(".col")));
}

}  // namespace
}  // namespace quarrix::testing
