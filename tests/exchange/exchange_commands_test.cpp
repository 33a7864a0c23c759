#include "exchange/exchange_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "exchange/well_file.h"
#include "exchange_fixture.h"
#include "horizon/horizon_grid.h"

namespace quarrix {
namespace {

using testing::ExchangeProject;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

struct CommandRun {
  int status;
  std::string out, err;
};

CommandRun Call(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
                std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(ExchangeCommands, ImportThenExportHorizon) {
  ExchangeProject p;
  WriteFileBytes(p.folder.File("picks.txt"),
                 "# line trace x y z\r\n1001 2001 0 0 1200\r\n1002 2003 0 0 1250 9\r\n"
                 "1010 2012 0 0 1.0E37\r\n1011 2001 0 0 5\r\n");
  const std::string hdr = p.HeaderPath();
  CommandRun bad =
      Call(RunImportHorizonCommand, {hdr, p.folder.File("picks.txt"), "--line-col", "1",
                                     "--trace-col", "2", "--z-col", "16", "--out", "a.hor"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--z-col"), std::string::npos);

  CommandRun imported =
      Call(RunImportHorizonCommand,
           {hdr, p.folder.File("picks.txt"), "--line-col", "1", "--trace-col", "2", "--z-col", "5",
            "--amp-col", "6", "--out", "a.hor", "--protect"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_NE(imported.out.find("5 rows read, 3 cells set"), std::string::npos);
  std::string hop = ReadFileBytes(p.folder.File("a.hop"));
  ASSERT_EQ(hop.size(), 120u);
  EXPECT_EQ(hop[0], 8);
  EXPECT_EQ(hop[119], 8);

  CommandRun landmark =
      Call(RunExportHorizonCommand, {hdr, "a.hor", "--format", "landmark", "--lines", "1001:1002",
                                     "--traces", "2001:2003:2", "--null", "skip"});
  ASSERT_EQ(landmark.status, 0) << landmark.err;
  EXPECT_EQ(std::count(landmark.out.begin(), landmark.out.end(), '\n'), 2);
  EXPECT_NE(landmark.out.find("1200\r\n"), std::string::npos);
  EXPECT_NE(landmark.out.find("1250\r\n"), std::string::npos);

  CommandRun custom = Call(RunExportHorizonCommand,
                           {hdr, "a.hor", "--format", "custom", "--lines", "1002:1002", "--traces",
                            "2003:2003", "--delimiter", "tab", "--out", p.folder.File("o.txt")});
  ASSERT_EQ(custom.status, 0) << custom.err;
  std::string text = ReadFileBytes(p.folder.File("o.txt"));
  EXPECT_EQ(text.substr(0, 10), "1002\t2003\t");
  EXPECT_EQ(text.substr(text.size() - 10), "\t1250\t9\t\r\n");

  EXPECT_EQ(Call(RunExportHorizonCommand, {hdr, "a.hor", "--format", "petrel"}).status, 2);
  EXPECT_EQ(Call(RunExportHorizonCommand, {hdr, "a.hor", "--format", "custom", "--lines", "1:5:0"})
                .status,
            2);
  CommandRun missing = Call(RunExportHorizonCommand, {hdr, "none.hor", "--format", "custom"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Select Horizon File"), std::string::npos);

  WriteFileBytes(p.folder.File("corners.txt"),
                 "1001,2001,100\n1001,2012,200\n1010,2001,300\n1010,2012,400\n1005,2006,250\n");
  CommandRun gridded = Call(RunImportHorizonCommand,
                            {hdr, p.folder.File("corners.txt"), "--line-col", "1", "--trace-col",
                             "2", "--z-col", "3", "--out", p.folder.File("g.hor"), "--grid"});
  ASSERT_EQ(gridded.status, 0) << gridded.err;
  CommandRun all = Call(RunExportHorizonCommand, {hdr, "g.hor", "--format", "geoquest"});
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 120);
}

TEST(ExchangeCommands, WellCreateAndShow) {
  ExchangeProject p;
  const std::string hdr = p.HeaderPath();
  CommandRun created = Call(RunWellCommand, {"create", hdr, "DISC-1", "--line", "1003", "--trace",
                                             "2004", "--time", "1500", "--depth", "2250",
                                             "--symbol", "4", "--title", std::string(35, 'T')});
  ASSERT_EQ(created.status, 0) << created.err;
  auto well = ReadWellFile(p.folder.File("DISC-1.wll"));
  ASSERT_TRUE(well);
  EXPECT_NE(well->x, 0);
  EXPECT_EQ(WellTitle(*well).size(), 30u);
  CommandRun shown = Call(RunWellCommand, {"show", hdr, "DISC-1.wll", "--json"});
  ASSERT_EQ(shown.status, 0);
  EXPECT_NE(shown.out.find("\"name\":\"DISC-1\",\"line\":1003,\"trace\":2004"), std::string::npos);
  EXPECT_NE(shown.out.find("\"time\":1500,\"depth\":2250,\"symbol\":4"), std::string::npos);

  EXPECT_EQ(Call(RunWellCommand, {"create", hdr, "W", "--line", "1003"}).status, 2);
  EXPECT_EQ(
      Call(RunWellCommand, {"create", hdr, "W", "--line", "1", "--trace", "1", "--symbol", "13"})
          .status,
      2);
  EXPECT_EQ(Call(RunWellCommand, {"create", hdr, "../W", "--line", "1", "--trace", "1"}).status, 2);
  EXPECT_EQ(Call(RunWellCommand, {"show", hdr, "NONE"}).status, 1);
}

TEST(ExchangeCommands, MathExpressionAndFunctions) {
  ExchangeProject p;
  const std::string hdr = p.HeaderPath();
  HorizonGrid a(10, 12, 100), b(10, 12, 30);
  b.At(0, 0) = HORIZON_NULL;
  WriteHorizon(p.folder.File("a.hor"), &a, &b);
  CommandRun diff = Call(RunMathCommand, {hdr, "--out", "d.isc", "--expr", "h1 - h2", "--h1",
                                          "a.hor", "--h2", "a.hor:amp"});
  ASSERT_EQ(diff.status, 0) << diff.err;
  HorizonGrid d(10, 12);
  ReadHorizon(p.folder.File("d.isc"), &d, nullptr);
  EXPECT_EQ(d.At(0, 0), HORIZON_NULL);
  EXPECT_EQ(d.At(5, 5), 70);
  EXPECT_NE(diff.err.find("Math Function is Complete."), std::string::npos);

  CommandRun constant = Call(
      RunMathCommand, {hdr, "--out", "c.msc", "--expr", "h1 / h2", "--h1", "a.hor", "--h2", "0"});
  ASSERT_EQ(constant.status, 0);
  ReadHorizon(p.folder.File("c.msc"), &d, nullptr);
  EXPECT_EQ(d.At(1, 1), HORIZON_NULL);

  CommandRun flat = Call(RunMathCommand, {hdr, "--out", "f.hor", "--function", "flatten", "--h1",
                                          "a.hor", "--reference", "250"});
  ASSERT_EQ(flat.status, 0);
  EXPECT_NE(flat.out.find("f.flt"), std::string::npos);
  EXPECT_EQ(Call(RunMathCommand, {hdr, "--out", "x", "--function", "depth-ftn"}).status, 2);
  EXPECT_EQ(Call(RunMathCommand, {hdr, "--out", "x", "--function", "nope"}).status, 2);
  EXPECT_EQ(Call(RunMathCommand, {hdr, "--out", "x", "--expr", "h1 +"}).status, 1);
  EXPECT_EQ(Call(RunMathCommand, {hdr, "--out", "x", "--function", "interval-avg", "--h1", "a.hor",
                                  "--h2", "a.hor"})
                .status,
            1);  // no trace file
  EXPECT_EQ(Call(RunMathCommand, {"--help"}).status, 0);
}

TEST(ExchangeCommands, AHorizonShorterThanTheGridIsRefusedNotReadAsPicksAt0) {
  ExchangeProject p;
  const std::string hdr = p.HeaderPath();
  HorizonGrid a(10, 12, 100);
  WriteHorizon(p.folder.File("a.hor"), &a, &a);
  std::filesystem::resize_file(p.folder.File("a.hor"), 4 + 2 * 120 - 1);
  const std::string too_few = "a.hor holds 243 bytes, too few for a 10 x 12 grid";
  CommandRun math =
      Call(RunMathCommand, {hdr, "--out", "m.hor", "--expr", "h1 + 1", "--h1", "a.hor"});
  EXPECT_EQ(math.status, 1);
  EXPECT_NE(math.err.find(too_few), std::string::npos) << math.err;
  EXPECT_FALSE(std::filesystem::exists(p.folder.File("m.hor")));
  CommandRun exported = Call(RunExportHorizonCommand, {hdr, "a.hor", "--format", "custom"});
  EXPECT_EQ(exported.status, 1);
  EXPECT_NE(exported.err.find(too_few), std::string::npos) << exported.err;
  EXPECT_EQ(exported.out, "");
  EXPECT_EQ(std::filesystem::file_size(p.folder.File("a.hor")), 243u);

  // Import: values that are not numbers or beyond the 16-bit grid are skipped and counted.
  WriteFileBytes(p.folder.File("picks.txt"), "1001 2001 1200\n1001 2002 nan\n1001 2003 40000\n");
  CommandRun imported =
      Call(RunImportHorizonCommand, {hdr, p.folder.File("picks.txt"), "--line-col", "1",
                                     "--trace-col", "2", "--z-col", "3", "--out", "i.hor"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_NE(imported.out.find("3 rows read, 1 cells set"), std::string::npos);
  EXPECT_NE(imported.err.find("2 rows skipped: 0 outside the survey, 0 without a Z value, 2 with"),
            std::string::npos)
      << imported.err;
}

}  // namespace
}  // namespace quarrix
