#include "map/plot_map_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "horizon/horizon_grid.h"
#include "horizon/horizon_style.h"
#include "map/plot_map_inputs.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// A project of 6 lines (1..6) by 8 traces (11..18) with a time-only grid file.
class PlotMapFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    header.trace_bytes = 200, header.sample_rate = 4;
    header.first_line = 1, header.last_line = 6, header.first_trace = 11, header.last_trace = 18;
    header.trace_spacing = header.line_spacing = 50;
    header.ComputeDerived();
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveHeader(header_path, header, prompter));
    HorizonGrid time(6, 8);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 8; ++c) time.At(r, c) = static_cast<std::int16_t>(800 + 10 * r + c);
    WriteFileBytes(grid_path, std::string(4, '\0') + EncodeGridCells(time));
  }
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return RunPlotMapCommand(args, out, err);
  }

  TempFolder folder;
  SurveyHeader header;
  std::string header_path = folder.File("p.hdr"), grid_path = folder.File("g.isc");
  std::ostringstream out, err;
};

TEST_F(PlotMapFiles, WritesAMetafileOfEachPlotType) {
  for (const char* type : {"horizon", "contour", "lcontour", "surface"}) {
    std::string path = folder.File(std::string(type) + ".wmf");
    ASSERT_EQ(Run({header_path, grid_path, "--type", type, "--title", "--out", path}), 0)
        << err.str();
    std::string bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 200u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4));  // placeable header
    EXPECT_NE(bytes.find("Horizon Plot   p   File g.isc"), std::string::npos) << type;
  }
  EXPECT_NE(out.str().find("8 x 6 cells"), std::string::npos);
}

TEST_F(PlotMapFiles, RefusesWhatItCannotDo) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out.str().find("usage: quarrix-batch plot-map"), std::string::npos);
  const std::string wmf = folder.File("x.wmf");
  EXPECT_EQ(Run({header_path, grid_path, "--out", folder.File("x.png")}), 1);  // no raster device
  EXPECT_EQ(Run({header_path, grid_path, "--smooth", "extreme", "--out", wmf}), 2);
  EXPECT_EQ(Run({header_path, grid_path, "--camera", "100,20", "--out", wmf}), 2);
  EXPECT_EQ(Run({header_path, grid_path, "--decimate", "-1", "--out", wmf}), 2);
  EXPECT_EQ(Run({header_path, grid_path, "--amp", "--out", wmf}), 1);  // time-only file
  EXPECT_NE(err.str().find("no amplitude grid"), std::string::npos);
  EXPECT_EQ(Run({header_path, grid_path, "--wells", folder.File("G.lgv"), "--out", wmf}), 1);
  EXPECT_NE(err.str().find("well groups"), std::string::npos);
  WriteFileBytes(folder.File("short.ffl"), std::string(20, '\0'));
  EXPECT_EQ(Run({header_path, grid_path, "--faults", folder.File("short.ffl"), "--out", wmf}), 1);
  // The style options are checked before anything is read or written.
  for (std::vector<std::string> bad :
       {std::vector<std::string>{"--line", "contour4=solid,ff0000,1"},
        {"--line", "fault=wavy,ff0000,1"},
        {"--line", "grid=solid,red,1"},
        {"--line", "arb=solid,ff0000,0"},
        {"--contour-labels", "1,2,0"},
        {"--well-colours", "ff0000"},
        {"--well-sizes", "0,0.1"},
        {"--erase-background", "everything"},
        {"--well-labels", "name,colour"},
        {"--well-sort", "100"},
        {"--dxf-line", "solid,00ff00"},
        {"--dxf-text", "00ff00,50"},
        {"--label-size", "5"}}) {
    std::vector<std::string> args = {header_path, grid_path, "--out", folder.File("bad.wmf")};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(Run(args), 2) << bad[0] << ' ' << bad[1];
    EXPECT_FALSE(std::filesystem::exists(folder.File("bad.wmf")));
  }
  EXPECT_EQ(Run({header_path,
                 grid_path,
                 "--type",
                 "contour",
                 "--line",
                 "contour1=dash,ff0000,2",
                 "--line",
                 "fault=solid,00ff00,3",
                 "--contour-labels",
                 "1,0,1",
                 "--well-colours",
                 "ff0000,0000ff",
                 "--erase-background",
                 "symbol,label",
                 "--well-labels",
                 "name,value",
                 "--well-sort",
                 "0,9000",
                 "--dxf-line",
                 "dot,808080,2",
                 "--dxf-text",
                 "ff00ff,1.5",
                 "--label-faults",
                 "--out",
                 wmf}),
            0)
      << err.str();
}

TEST_F(PlotMapFiles, ZoomContourClassesPolyFaultsAndPaletteAreOptions) {
  const std::string wmf = folder.File("z.wmf");
  ASSERT_EQ(Run({header_path, grid_path, "--zoom", "2,4,13,16", "--out", wmf, "--force"}), 0)
      << err.str();
  EXPECT_NE(out.str().find("4 x 3 cells"), std::string::npos) << out.str();
  EXPECT_EQ(Run({header_path, grid_path, "--zoom", "20,30,13,16", "--out", wmf, "--force"}), 2);
  EXPECT_EQ(Run({header_path, grid_path, "--zoom", "2,4,13", "--out", wmf, "--force"}), 2);
  EXPECT_EQ(Run({header_path, grid_path, "--contours", "5,-1", "--out", wmf, "--force"}), 2);
  EXPECT_EQ(Run({header_path, grid_path, "--contours", "1,2,3,4", "--out", wmf, "--force"}), 2);

  // Poly faults come through the program's reader and are drawn in the fault
  // colour over the cells they were digitised on.
  std::vector<std::string> read;
  PlotMapReaders readers;
  readers.poly_faults = [&read](const std::string& path, std::vector<GridPolyline>& outlines,
                                std::string&) {
    read.push_back(path);
    outlines.push_back({{{1, 1}, {1, 6}, {4, 6}, {4, 1}}});
    return true;
  };
  auto metafile = [&](const std::vector<std::string>& extra) {
    std::vector<std::string> args = {header_path, grid_path, "--out", wmf, "--force"};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(RunPlotMap(args, out, err, nullptr, readers), 0) << err.str();
    return ReadFileBytes(wmf);
  };
  // The outline adds one META_POLYGON record of four points (6 + 2 + 16 bytes).
  EXPECT_EQ(metafile({"--poly-faults", folder.File("g.flp")}).size(), metafile({}).size() + 24);
  EXPECT_EQ(read, std::vector<std::string>{folder.File("g.flp")});
  EXPECT_EQ(
      Run({header_path, grid_path, "--poly-faults", folder.File("g.flp"), "--out", wmf, "--force"}),
      1);
  EXPECT_NE(err.str().find("poly-fault files cannot be read"), std::string::npos);
}

TEST_F(PlotMapFiles, OverlayFilesDecodeForTheSurvey) {
  std::string well(80, '\0');
  well[0] = 4, well[2] = 15, well[38] = 3, well[40] = 0x10, well[41] = 0x27;  // x = 10000
  well.replace(48, 5, "Spud1");
  PostedWell posted;
  ASSERT_TRUE(DecodePostedWell(well, header, posted));
  EXPECT_DOUBLE_EQ(posted.line_row, 3);
  EXPECT_DOUBLE_EQ(posted.trace_column, 4);
  EXPECT_EQ(posted.symbol, 3);
  EXPECT_EQ(posted.x, 10000);
  EXPECT_EQ(posted.title, "Spud1");
  EXPECT_FALSE(DecodePostedWell(well.substr(0, 30), header, posted));

  // An arbitrary line of two bins: offsets of (line 2, trace 3) and (line 5, trace 7).
  std::string arb("\x02\x00", 2);
  for (int ordinal : {2 * 8 + 3, 5 * 8 + 7}) {
    int offset = ordinal * 200;
    arb += std::string{char(offset & 0xFF), char(offset >> 8 & 0xFF), 0, 0};
  }
  GridPolyline line = DecodeArbitraryPolyline(arb, header);
  ASSERT_EQ(line.points.size(), 2u);
  EXPECT_EQ(line.points[1], (std::pair<double, double>{5, 7}));
}

TEST_F(PlotMapFiles, CurrentColoursBecomeTheHorizonsOwnDefault) {
  HorizonStyle style;
  style.time_colour_scheme = 3;
  style.amplitude_colour_scheme = 2;
  const std::uint32_t word = PackStyleWord(style);
  const std::string hor = folder.File("h.hor");
  HorizonGrid time(6, 8);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 8; ++c) time.At(r, c) = static_cast<std::int16_t>(800 + r + c);
  WriteFileBytes(hor, std::string{char(word), char(word >> 8), char(word >> 16), char(word >> 24)} +
                          EncodeGridCells(time));
  const ColourSets sets = DefaultColourSets();
  std::string name;
  PlotColourBar(hor, time, false, sets, name);
  EXPECT_EQ(name, sets[2].Name());

  ColourBar mine;
  SetDefaultColourBar(mine);
  mine.colours[3] = {1, 2, 3};
  ASSERT_TRUE(SetPlotColoursAsDefault(hor, false, mine, name));
  EXPECT_EQ(name, "h.col");
  std::string shown;
  const ColourBar next = PlotColourBar(hor, time, false, sets, shown);
  EXPECT_EQ(shown, "h.col");
  EXPECT_EQ(EncodeColourBar(next), EncodeColourBar(mine));
  EXPECT_EQ(ReadHorizonStyle(hor)->amplitude_colour_scheme, 2) << "the other kind is kept";
  EXPECT_EQ(ReadFileBytes(hor).substr(4), EncodeGridCells(time)) << "the grid is untouched";

  // A colour file that cannot be written leaves the style word as it was.
  std::filesystem::create_directory(folder.File("h.aco"));
  EXPECT_FALSE(SetPlotColoursAsDefault(hor, true, mine, name));
  EXPECT_EQ(ReadHorizonStyle(hor)->amplitude_colour_scheme, 2);
}

}  // namespace
}  // namespace quarrix
