#include "map/map_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "horizon/horizon_grid.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// A project of 10 lines (100..109) by 15 traces (200..214) and a horizon file
// whose time grid holds plane picks on every third cell.
class GridFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    SurveyHeader h;
    h.trace_bytes = 200;
    h.sample_rate = 4;
    h.first_line = 100, h.last_line = 109, h.first_trace = 200, h.last_trace = 214;
    h.ComputeDerived();
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveHeader(header, h, prompter));
    HorizonGrid time(10, 15), amplitude(10, 15, -5);
    for (int r = 0; r < 10; ++r)
      for (int c = 0; c < 15; ++c)
        if ((r * 15 + c) % 3 == 0) time.At(r, c) = static_cast<std::int16_t>(Plane(r, c));
    WriteFileBytes(horizon, std::string("\x0c\x00\x11\x01", 4) + EncodeGridCells(time) +
                                EncodeGridCells(amplitude));
  }
  static int Plane(int r, int c) { return 1000 + 4 * c - 9 * r; }
  HorizonGrid TimeGrid(const std::string& path) {
    HorizonGrid g(10, 15);
    EXPECT_EQ(ReadHorizon(path, &g, nullptr), HorizonReadResult::Ok);
    return g;
  }
  int Run(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
          std::vector<std::string> args) {
    out.str("");
    err.str("");
    return command(args, out, err);
  }

  TempFolder folder;
  std::string header = folder.File("survey.hdr"), horizon = folder.File("top.hor");
  std::ostringstream out, err;
};

TEST_F(GridFiles, GridFillsTheTimeGridInPlaceAndKeepsTheRest) {
  std::string before = ReadFileBytes(horizon);
  ASSERT_EQ(Run(RunGridCommand, {header, horizon}), 0) << err.str();
  EXPECT_EQ(out.str(), "filled 100 cells\n");
  std::string after = ReadFileBytes(horizon);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(after.substr(4 + 300), before.substr(4 + 300));  // amplitude grid
  HorizonGrid g = TimeGrid(horizon);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 15; ++c) EXPECT_EQ(g.At(r, c), Plane(r, c));
}

TEST_F(GridFiles, GridWritesACopyAndKeepsToTheArea) {
  std::string before = ReadFileBytes(horizon), copy = folder.File("filled.hor");
  ASSERT_EQ(Run(RunGridCommand, {header, horizon, "--out", copy, "--area", "102:104,210:205"}), 0)
      << err.str();
  EXPECT_EQ(ReadFileBytes(horizon), before);
  HorizonGrid original = TimeGrid(horizon), g = TimeGrid(copy);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 15; ++c) {
      bool inside = r >= 2 && r <= 4 && c >= 5 && c <= 10;
      EXPECT_EQ(g.At(r, c), inside ? Plane(r, c) : original.At(r, c)) << r << "," << c;
    }
}

TEST_F(GridFiles, GridRefusesBadInput) {
  EXPECT_EQ(Run(RunGridCommand, {header, horizon, "--area", "99:104,200:205"}), 2);
  EXPECT_NE(err.str().find("within lines 100:109"), std::string::npos);
  EXPECT_EQ(Run(RunGridCommand, {header, horizon, "--t1", "soft"}), 2);
  WriteFileBytes(horizon, ReadFileBytes(horizon).substr(0, 200));
  EXPECT_EQ(Run(RunGridCommand, {header, horizon}), 1);
  EXPECT_NE(err.str().find("too few for a 10 x 15 grid"), std::string::npos);
  EXPECT_EQ(Run(RunGridCommand, {"--help"}), 0);
  EXPECT_NE(out.str().find("usage: quarrix-batch grid"), std::string::npos);
}

TEST_F(GridFiles, ContourPrintsPathsPerLevelInGridCoordinates) {
  HorizonGrid time(10, 15, 0);
  time.At(4, 6) = 100;
  WriteFileBytes(horizon, std::string(4, '\0') + EncodeGridCells(time));
  ASSERT_EQ(Run(RunContourCommand, {header, horizon, "--levels", "50, 150", "--json"}), 0)
      << err.str();
  std::string json = out.str();
  EXPECT_NE(json.find("{\"level\":50,\"polygons\":[{\"closed\":true,\"points\":["),
            std::string::npos)
      << json;
  for (const char* point : {"[6,4.5]", "[6.5,4]", "[6,3.5]", "[5.5,4]"})
    EXPECT_NE(json.find(point), std::string::npos) << point << " in " << json;
  EXPECT_NE(json.find("{\"level\":150,\"polygons\":[]}"), std::string::npos) << json;

  // The same levels from a colour file's thresholds.
  std::string bar(648, '\0');
  bar[0] = 2;
  bar[392] = 50;
  bar[394] = static_cast<char>(150);
  WriteFileBytes(folder.File("top.col"), bar);
  ASSERT_EQ(Run(RunContourCommand, {header, horizon, "--colour-file", folder.File("top.col"),
                                    "--smooth", "light", "--json"}),
            0);
  EXPECT_NE(out.str().find("{\"level\":50,\"polygons\":[{\"closed\":true"), std::string::npos);
  EXPECT_EQ(Run(RunContourCommand, {header, horizon, "--levels", "1", "--smooth", "extra"}), 2);
  EXPECT_EQ(Run(RunContourCommand, {header, horizon}), 2);
}

}  // namespace
}  // namespace quarrix
