#include "project/xy_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_support.h"

namespace quarrix {
namespace {

// Lines 1..50 at 30 m, traces 1..100 at 25 m, first trace at (1000, 2000),
// traces running east.
SurveyHeader Survey(int corner) {
  SurveyHeader h;
  h.first_line = 1;
  h.last_line = 50;
  h.first_trace = 1;
  h.last_trace = 100;
  h.line_spacing = 30.0f;
  h.trace_spacing = 25.0f;
  h.trace_bytes = 100;
  h.corner_index = corner;
  h.ComputeDerived();
  return h;
}

const XyCorners kCorners{{1000, 2000}, {1000 + 99 * 25, 2000}, {1000, 2000 + 49 * 30}};

std::int32_t RecordValue(const std::string& bytes, std::size_t record, int word) {
  std::size_t at = record * 8 + word * 4;
  std::uint32_t u = 0;
  for (int k = 3; k >= 0; --k) u = (u << 8) | static_cast<unsigned char>(bytes[at + k]);
  return static_cast<std::int32_t>(u);
}

TEST(XyFile, OneRecordPerLineAndTraceNumber) {
  SurveyHeader h = Survey(4);
  std::string bytes = BuildXyFile(h, kCorners);
  ASSERT_EQ(bytes.size(), 5000u * 8);
  for (int i : {0, 1, 17, 49})
    for (int j : {0, 1, 50, 99}) {
      std::size_t record = static_cast<std::size_t>(i * 100 + j);
      EXPECT_EQ(RecordValue(bytes, record, 0), 1000 + 25 * j);
      EXPECT_EQ(RecordValue(bytes, record, 1), 2000 + 30 * i);
    }
  // Increments do not change the file: it still has a record per number.
  h.line_increment = 2.0f;
  h.trace_increment = 2.0f;
  h.ComputeDerived();
  EXPECT_EQ(BuildXyFile(h, kCorners).size(), 5000u * 8);
}

TEST(XyFile, PlacementReadsOriginExtentsAndRotation) {
  testing::TempFolder folder;
  SurveyHeader h = Survey(4);
  ASSERT_TRUE(WriteXyFile(folder.File("s.x_y"), h, kCorners));
  SurveyPlacement p = LoadXyGeometry(folder.File("s.x_y"), h);
  EXPECT_EQ(p.xy_origin_x, 1000);
  EXPECT_EQ(p.xy_origin_y, 2000);
  EXPECT_EQ(p.xy_min_x, 1000);
  EXPECT_EQ(p.xy_max_x, 3475);
  EXPECT_EQ(p.xy_min_y, 2000);
  EXPECT_EQ(p.xy_max_y, 3470);
  EXPECT_DOUBLE_EQ(p.map_rotation, 0.0);
  EXPECT_TRUE(p.HasXy());

  SurveyPlacement none = LoadXyGeometry(folder.File("missing.x_y"), h);
  EXPECT_EQ(none.map_rotation, kNoXyRotation);
  EXPECT_EQ(none.xy_origin_x, 0);
  EXPECT_EQ(none.xy_max_y, 0);
}

TEST(XyConversion, WorkedExampleOfCornerFour) {
  SurveyHeader h = Survey(4);
  SurveyPlacement p = PlacementFromXyBytes(BuildXyFile(h, kCorners), h);
  XyPoint xy = LineTraceToXy(h, p, 49, 99);
  EXPECT_EQ(xy.x, 3475);
  EXPECT_EQ(xy.y, 3470);
  auto back = XyToLineTrace(h, p, 3475, 3470);
  ASSERT_TRUE(back);
  EXPECT_NEAR(back->dl, 49.0, 1e-9);
  EXPECT_NEAR(back->dt, 99.0, 1e-9);
  EXPECT_EQ(RoundedLine(h, back->dl), 50);
  EXPECT_EQ(RoundedTrace(h, back->dt), 100);
}

TEST(XyConversion, CornerOnePutsLinesClockwiseOfTheTraces) {
  SurveyHeader h = Survey(1);
  SurveyPlacement p = PlacementFromXyBytes(BuildXyFile(h, kCorners), h);
  XyPoint xy = LineTraceToXy(h, p, 49, 0);
  EXPECT_EQ(xy.x, 1000);
  EXPECT_EQ(xy.y, 2000 - 1470);
}

// For every corner the two conversions are inverse to each other, and lines
// run counter-clockwise of the trace direction for corners 2, 4, 5, 7.
TEST(XyConversion, EveryCornerRoundTripsOnARotatedSurvey) {
  const double angle = 0.6;  // traces run 34 degrees north of east
  XyCorners rotated;
  rotated.a = {500000, 6000000};
  rotated.b = {500000 + static_cast<int>(99 * 25 * std::cos(angle)),
               6000000 + static_cast<int>(99 * 25 * std::sin(angle))};
  rotated.c = {500000 - static_cast<int>(49 * 30 * std::sin(angle)),
               6000000 + static_cast<int>(49 * 30 * std::cos(angle))};
  for (int corner = 1; corner <= 8; ++corner) {
    SurveyHeader h = Survey(corner);
    SurveyPlacement p = PlacementFromXyBytes(BuildXyFile(h, rotated), h);
    for (int dl : {0, 7, 49})
      for (int dt : {0, 33, 99}) {
        XyPoint xy = LineTraceToXy(h, p, dl, dt);
        auto back = XyToLineTrace(h, p, xy.x, xy.y);
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->dl, dl, 0.06) << "corner " << corner;
        EXPECT_NEAR(back->dt, dt, 0.06) << "corner " << corner;
      }
    // Along the first line, traces follow the file's trace direction.
    XyPoint far_trace = LineTraceToXy(h, p, 0, 99);
    EXPECT_NEAR(far_trace.x, rotated.b.x, 2) << "corner " << corner;
    EXPECT_NEAR(far_trace.y, rotated.b.y, 2) << "corner " << corner;
    // Line direction: cross product sign of trace and line directions.
    XyPoint far_line = LineTraceToXy(h, p, 49, 0);
    double tx = far_trace.x - p.xy_origin_x, ty = far_trace.y - p.xy_origin_y;
    double lx = far_line.x - p.xy_origin_x, ly = far_line.y - p.xy_origin_y;
    bool counter_clockwise = tx * ly - ty * lx > 0;
    bool expected = corner == 2 || corner == 4 || corner == 5 || corner == 7;
    EXPECT_EQ(counter_clockwise, expected) << "corner " << corner;
    EXPECT_NEAR(std::hypot(lx, ly), 1470, 2) << "corner " << corner;
  }
}

TEST(XyConversion, ZeroSpacingIsAFailureNotInfinity) {
  SurveyHeader h = Survey(4);
  SurveyPlacement p = PlacementFromXyBytes(BuildXyFile(h, kCorners), h);
  h.line_spacing = 0.0f;
  EXPECT_FALSE(XyToLineTrace(h, p, 1500, 2500));
  h.line_spacing = 30.0f;
  h.trace_spacing = 0.0f;
  EXPECT_FALSE(XyToLineTrace(h, p, 1500, 2500));
}

}  // namespace
}  // namespace quarrix
