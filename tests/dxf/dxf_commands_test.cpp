#include "dxf/dxf_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace quarrix {
namespace {

TEST(DxfCommand, InfoPrintsCountsBoundsAndStoredEntities) {
  testing::TempFolder folder;
  testing::WriteFileBytes(folder.File("a.dxf"),
                          "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n20\n2\n11\n-3\n21\n4\n"
                          "0\nCIRCLE\n10\n50\n20\n60\n40\n5\n0\nHATCH\n0\nARC\n0\nHATCH\n"
                          "0\nENDSEC\n0\nEOF\n");
  std::ostringstream out, err;
  ASSERT_EQ(RunDxfCommand({"info", folder.File("a.dxf"), "--json"}, out, err), 0) << err.str();
  EXPECT_EQ(out.str(),
            "{\"counts\":{\"polylines\":0,\"polyline_points\":0,\"lines\":1,\"texts\":0,"
            "\"circles\":1},\"skipped\":{\"ARC\":1,\"HATCH\":2},\"bounds\":{\"all_points\":{\"min_"
            "x\":-3,\"min_y\":2,\"max_x\":50,"
            "\"max_y\":60},\"line_points\":{\"min_x\":-3,\"min_y\":2,\"max_x\":1,\"max_y\":4}},"
            "\"polylines\":[],\"lines\":[{\"start\":[1,2,0],\"end\":[-3,4,0]}],\"texts\":[],"
            "\"circles\":[{\"centre\":[50,60,0],\"radius\":5}]}\n");
  std::ostringstream text;
  ASSERT_EQ(RunDxfCommand({"info", folder.File("a.dxf")}, text, err), 0);
  EXPECT_NE(text.str().find("lines: 1\n"), std::string::npos);
  EXPECT_NE(text.str().find("skipped: 1 ARC, 2 HATCH\n"), std::string::npos);
  EXPECT_EQ(RunDxfCommand({"info", folder.File("none.dxf")}, out, err), 1);
  EXPECT_EQ(RunDxfCommand({"show"}, out, err), 2);
  EXPECT_EQ(RunDxfCommand({"--help"}, out, err), 0);
}

}  // namespace
}  // namespace quarrix
