#include "fault/fault_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fault/fault_file.h"
#include "fault_test_support.h"
#include "horizon/arbitrary_line.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::ReadFileBytes;
using testing::Seed;
using testing::TempFolder;

// A survey of 8 lines (100..107) by 12 traces (200..211).
class FaultCommands : public ::testing::Test {
 protected:
  void SetUp() override { testing::SaveSurvey(hdr, testing::SmallSurvey(8, 12)); }
  int Run(std::vector<std::string> args) {
    out.str(""), err.str("");
    return RunFaultCommand(args, out, err);
  }
  FaultGrid Grid(const std::string& path) {
    FaultGrid grid(8, 12);
    ScriptedPrompter prompter;
    EXPECT_TRUE(ReadFault(path, grid, prompter));
    return grid;
  }

  TempFolder folder;
  std::string hdr = folder.File("s.hdr"), ffl = folder.File("f.ffl");
  std::ostringstream out, err;
};

TEST_F(FaultCommands, PickInterpolateAndUninterpolate) {
  ASSERT_EQ(Run({"create", hdr, ffl}), 0) << err.str();
  ASSERT_EQ(Run({"info", hdr, ffl, "--json"}), 0);
  EXPECT_NE(out.str().find("\"stored_extent\":[0,0,8,12],\"seeds\":0,\"filled\":0"),
            std::string::npos)
      << out.str();
  for (const char* line : {"100", "107"})
    ASSERT_EQ(Run({"segment", hdr, ffl, "--line", line, "--from", "202:800", "--to", "209:1500"}),
              0)
        << err.str();
  ASSERT_EQ(Run({"segment", hdr, ffl, "--xline", "202", "--from", "100:800", "--to", "107:800"}),
            0);
  FaultGrid grid = Grid(ffl);
  EXPECT_EQ(grid.At(0, 2), Seed(800));
  EXPECT_EQ(grid.At(7, 9), Seed(1500));
  EXPECT_EQ(grid.At(4, 2), Seed(800));
  std::size_t seeds = CountFaultCells(grid).seeds;

  ASSERT_EQ(Run({"interpolate", hdr, ffl, "--method", "linear"}), 0) << err.str();
  EXPECT_GT(CountFaultCells(Grid(ffl)).filled, seeds);
  ASSERT_EQ(Run({"uninterpolate", hdr, ffl}), 0);
  EXPECT_EQ(Grid(ffl).cells, grid.cells);
  ASSERT_EQ(Run({"interpolate", hdr, ffl, "--method", "gridding"}), 0) << err.str();
  FaultGrid gridded = Grid(ffl);
  EXPECT_EQ(gridded.At(3, 5) != FAULT_NULL, true);
  EXPECT_EQ(gridded.At(3, 11), FAULT_NULL);  // beyond the extent

  ASSERT_EQ(Run({"erase-range", hdr, ffl, "--lines", "100:107", "--traces", "200:205"}), 0);
  ASSERT_EQ(Run({"info", hdr, ffl}), 0);
  EXPECT_EQ(out.str().rfind("extent rows 0..7, columns 6..9\n", 0), 0u) << out.str();
}

TEST_F(FaultCommands, ShiftsAndCopiesSections) {
  ASSERT_EQ(Run({"create", hdr, ffl}), 0);
  ASSERT_EQ(Run({"segment", hdr, ffl, "--line", "103", "--from", "204:1000", "--to", "204:1000"}),
            0);
  ASSERT_EQ(Run({"shift", hdr, ffl, "--line", "103", "--towards", "left"}), 0);
  ASSERT_EQ(Run({"shift", hdr, ffl, "--line", "103", "--towards", "down"}), 0);
  ASSERT_EQ(Run({"from-previous", hdr, ffl, "--line", "104", "--previous", "103"}), 0);
  FaultGrid grid = Grid(ffl);
  EXPECT_EQ(grid.At(3, 3), Seed(1004));
  EXPECT_EQ(grid.At(3, 4), FAULT_NULL);
  EXPECT_EQ(grid.At(4, 3), Seed(1004));
}

TEST_F(FaultCommands, PicksAlongAnArbitraryLineMovedByItsOffset) {
  ASSERT_EQ(Run({"create", hdr, ffl}), 0);
  ScriptedPrompter prompter;
  std::string arb = folder.File("diag.arb");
  ASSERT_TRUE(SaveArbitraryLine(arb, {{0, 0}, {4, 4}}, testing::SmallSurvey(8, 12), prompter));
  ASSERT_EQ(
      Run({"segment", hdr, ffl, "--arb", arb, "--offset", "2", "--from", "1:600", "--to", "3:600"}),
      0)
      << err.str();
  ASSERT_EQ(Run({"from-previous", hdr, ffl, "--arb", arb, "--by-lines", "--offset", "1",
                 "--previous", "0"}),
            0)
      << err.str();
  FaultGrid grid = Grid(ffl);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(grid.At(k, k + 2), Seed(600)) << k;
  EXPECT_EQ(CountFaultCells(grid).filled, 3u);  // bins (k + 1, k) held nothing on (k, k)
  EXPECT_EQ(
      Run({"segment", hdr, ffl, "--arb", folder.File("none.arb"), "--from", "1:1", "--to", "2:2"}),
      1);
}

TEST_F(FaultCommands, ConvertsBlanksAndImports) {
  HorizonGrid time(8, 12, 1000);
  ASSERT_TRUE(WriteHorizon(folder.File("h.hor"), &time, &time));
  ASSERT_EQ(Run({"from-horizon", hdr, folder.File("h.hor"), ffl}), 0) << err.str();
  ASSERT_EQ(Run({"segment", hdr, ffl, "--line", "101", "--from", "200:900", "--to", "211:1100"}),
            0);
  ASSERT_EQ(Run({"to-horizon", hdr, ffl, folder.File("back.hor")}), 0) << err.str();
  HorizonGrid back(8, 12);
  ReadHorizon(folder.File("back.hor"), &back, nullptr);
  EXPECT_EQ(back.At(0, 0), 1000);
  EXPECT_EQ(back.At(1, 0), 900);

  ASSERT_EQ(Run({"blank-horizon", hdr, folder.File("h.hor"), ffl}), 0) << err.str();
  // Line 101 crosses 1000 ms once, between traces 205 and 206; along traces
  // 206..211 line 100 (d = 0) meets the deeper fault of line 101.
  EXPECT_EQ(out.str(), "blanked 7 cells\n");

  testing::WriteFileBytes(folder.File("t.fal"), std::string(2 + 80 * 20, '\0'));
  ASSERT_EQ(Run({"import-foreign", hdr, folder.File("t.fal")}), 0);
  EXPECT_EQ(out.str(), folder.File("t.ffl") + "\n");
  EXPECT_EQ(CountFaultCells(Grid(folder.File("t.ffl"))).filled, 0u);
}

TEST_F(FaultCommands, RefusesBadArgumentsAndReportsFileFailures) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out.str().find("import-foreign"), std::string::npos);
  EXPECT_EQ(Run({"frobnicate", hdr}), 2);
  EXPECT_EQ(Run({"segment", hdr, ffl, "--line", "99", "--from", "1:1", "--to", "2:2"}), 2);
  EXPECT_EQ(Run({"segment", hdr, ffl, "--line", "100", "--from", "1:1"}), 2);
  EXPECT_EQ(Run({"segment", hdr, ffl, "--line", "100", "--from", "200:1", "--to", "201:30000"}), 2);
  EXPECT_EQ(Run({"interpolate", hdr, ffl, "--method", "cubic"}), 2);
  EXPECT_EQ(Run({"uninterpolate", hdr, ffl}), 1);
  EXPECT_NE(err.str().find("no such file " + ffl), std::string::npos);
  EXPECT_EQ(Run({"info", folder.File("none.hdr"), ffl}), 1);
  EXPECT_EQ(Run({"create", hdr, folder.File("no/folder/x.ffl")}), 1);
}

}  // namespace
}  // namespace quarrix
