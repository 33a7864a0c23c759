// Files that do not fit the project: horizons shorter than the grid, trace
// files shorter than the header says, and headers no trace file could match.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "horizon/horizon_commands.h"
#include "horizon_fixture.h"
#include "section/conditioning_commands.h"

namespace quarrix {
namespace {

using testing::HorizonProject;
using testing::ReadFileBytes;

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct CommandRun {
  int status;
  std::string out, err;
};

CommandRun Call(Command command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

std::int16_t Distinct(int i, int j, int k) {
  return static_cast<std::int16_t>(1000 * i + 10 * j + k);
}

TEST(ShortHorizonFile, EveryReaderRefusesItTheSameWayAndNoneGrowsIt) {
  HorizonProject p(4, 5, 50, Distinct);
  p.CreateHorizon();
  p.SetPickType(1);
  const std::string hdr = p.folder.File("survey.hdr");
  const std::uintmax_t whole = 4 + 4 * 20;
  // The whole time grid but only part of the amplitude grid behind it.
  std::filesystem::resize_file(p.horizon.path, whole - 6);
  const std::string bytes = ReadFileBytes(p.horizon.path);
  const std::string too_few = " holds 78 bytes, too few for a 4 x 5 grid of this project (84)";

  const std::vector<std::string> readers[] = {
      {hdr, "top.hor", "--line", "101", "--from", "10:40"},
      {hdr, "top.hor"},  // snap
      {hdr, "top.hor"},  // erase
  };
  const Command commands[] = {RunPickCommand, RunSnapCommand, RunEraseCommand};
  for (int n = 0; n < 3; ++n) {
    CommandRun run = Call(commands[n], readers[n]);
    EXPECT_EQ(run.status, 1) << n;
    EXPECT_NE(run.err.find(p.horizon.path + too_few), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(p.horizon.path), bytes) << n;
  }
  // Readers of the time grid alone read it: the file holds all of it.
  EXPECT_EQ(Call(RunHorizonCommand, {"info", hdr, "top.hor"}).status, 0);

  std::filesystem::resize_file(p.horizon.path, 4 + 2 * 20 - 2);
  CommandRun info = Call(RunHorizonCommand, {"info", hdr, "top.hor"});
  EXPECT_EQ(info.status, 1);
  EXPECT_NE(info.err.find("holds 42 bytes, too few for a 4 x 5 grid"), std::string::npos);
  CommandRun flatten = Call(RunFlattenCommand, {hdr, "top.hor", "--out", "top.flt"});
  EXPECT_EQ(flatten.status, 1);
  EXPECT_NE(flatten.err.find("too few"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(p.folder.File("top.flt")));
  EXPECT_EQ(std::filesystem::file_size(p.horizon.path), 42u);
}

TEST(ShortTraceFile, SlicesHoldNullForMissingTracesNeverTheTraceBefore) {
  HorizonProject p(4, 5, 50, Distinct);
  p.amp.Close();
  // 13 whole traces of the 20, and half of the fourteenth.
  std::filesystem::resize_file(p.folder.File("survey.amp"), 13 * 100 + 50);
  CommandRun run =
      Call(RunSliceCommand, {p.folder.File("survey.hdr"), "--start", "8", "--end", "8"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("13 of the 20 traces"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("7 traces could not be read"), std::string::npos) << run.err;
  HorizonGrid slice(4, 5);
  ASSERT_EQ(ReadHorizon(p.folder.File("0008.slc"), &slice, nullptr), HorizonReadResult::Ok);
  for (int k = 0; k < 20; ++k)
    EXPECT_EQ(slice.cells[k], k < 13 ? Distinct(k / 5, k % 5, 2) : HORIZON_NULL) << k;
}

TEST(AbsurdHeader, AGridNoTraceFileCouldHoldIsRefusedBeforeAnythingIsMade) {
  HorizonProject p(4, 5, 50, Distinct);
  p.amp.Close();
  SurveyHeader absurd = p.header;
  absurd.first_trace = absurd.last_trace = 1;  // one trace a line...
  absurd.last_line = 2000000000;  // ...and two thousand million lines (in 32-bit float steps)
  absurd.ComputeDerived();
  ASSERT_TRUE(SaveHeader(p.folder.File("survey.hdr"), absurd, p.prompter));
  const std::string hdr = p.folder.File("survey.hdr");
  const std::vector<std::pair<Command, std::vector<std::string>>> runs = {
      {RunSliceCommand, {hdr, "--start", "8", "--end", "8"}},
      {RunHorizonCommand, {"create", hdr, "new.hor"}},
      {RunProcessCommand, {hdr, "--out", p.folder.File("copy.amp")}},
  };
  for (const auto& [command, args] : runs) {
    CommandRun run = Call(command, args);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_NE(run.err.find("far too few for the header's grid of 1999999873 lines x 1 traces"),
              std::string::npos)
        << run.err;
  }
  for (const char* made : {"0008.slc", "new.hor", "copy.amp"})
    EXPECT_FALSE(std::filesystem::exists(p.folder.File(made))) << made;
}

TEST(HorizonOutsideTheProject, IsNotCreatedApartFromItsCompanions) {
  HorizonProject p(4, 5, 50, Distinct);
  std::filesystem::create_directory(p.folder.File("outside"));
  std::filesystem::create_directory(p.folder.File("project"));
  for (const char* file : {"survey.hdr", "survey.amp"})
    std::filesystem::copy_file(p.folder.File(file), p.folder.File(std::string("project/") + file));
  CommandRun run = Call(RunHorizonCommand,
                        {"create", p.folder.File("project/survey.hdr"), "../outside/evil.hor"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("outside the project folder"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::is_empty(p.folder.File("outside")));
  EXPECT_FALSE(std::filesystem::exists(p.folder.File("project/evil.hop")));
  EXPECT_EQ(
      Call(RunHorizonCommand, {"create", p.folder.File("project/survey.hdr"), "good.hor"}).status,
      0);
  EXPECT_TRUE(std::filesystem::exists(p.folder.File("project/good.hop")));

  // A horizon that is already outside is not edited either: its registration would stay behind.
  std::filesystem::copy_file(p.folder.File("project/good.hor"), p.folder.File("outside/evil.hor"));
  run = Call(RunPickCommand, {p.folder.File("project/survey.hdr"), "../outside/evil.hor", "--line",
                              "101", "--from", "10:40"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("outside the project folder"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(p.folder.File("project/evil.hop")));
}

}  // namespace
}  // namespace quarrix
