#include "map/map_frame.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

// Lines 1..50 (spacing 30), traces 1..100 (spacing 25), placed from corner
// points A = (1000, 2000), B along the traces, C along the lines.
struct Survey {
  explicit Survey(int corner) {
    header.first_line = 1, header.last_line = 50, header.first_trace = 1, header.last_trace = 100;
    header.trace_spacing = 25, header.line_spacing = 30, header.trace_bytes = 200;
    header.sample_rate = 4, header.corner_index = corner;
    header.ComputeDerived();
    placement = PlacementFromXyBytes(
        BuildXyFile(header, {{1000, 2000}, {1000 + 99 * 25, 2000}, {1000, 2000 + 49 * 30}}),
        header);
  }
  SurveyHeader header;
  SurveyPlacement placement;
};

// A 400 x 300 pixel map of 20 x 15 bins from the zoom origin (line 5, trace 7).
MapFrame SmallMap(const Survey& s, bool in_xy = false) {
  MapFrame f = ProjectMapFrame(s.header, s.placement, 5, 7, in_xy);
  f.width_px = 400, f.height_px = 300;
  f.extent_u = 20 * kSubUnitsPerBin, f.extent_v = 15 * kSubUnitsPerBin;
  UpdateMapScale(f);
  return f;
}

TEST(MapFrame, GridToMapAndBackIsTheSamePositionForEveryCode) {
  for (int corner = 1; corner <= 8; ++corner) {
    Survey s(corner);
    MapFrame f = SmallMap(s);
    f.offset_u = 12, f.offset_v = -30;
    for (int t = 0; t < 15; ++t)
      for (int l = 0; l < 15; ++l) {
        MapPixel p = GridToMap(f, t, l);
        EXPECT_EQ(MapToGrid(f, p.x, p.y), (GridOffsets{t, l})) << "corner " << corner;
      }
  }
}

TEST(MapFrame, CodesChooseTheAxesAndTheirDirections) {
  Survey a(1), b(2), c(3), d(4), swapped(5);
  EXPECT_EQ(GridToMap(SmallMap(a), 1, 0), (MapPixel{20, 0}));
  EXPECT_EQ(GridToMap(SmallMap(b), 1, 0), (MapPixel{380, 0}));
  EXPECT_EQ(GridToMap(SmallMap(c), 1, 1), (MapPixel{380, 280}));
  EXPECT_EQ(GridToMap(SmallMap(d), 0, 1), (MapPixel{0, 280}));
  // Codes 5..8 put lines across: a trace step moves down.
  EXPECT_EQ(GridToMap(SmallMap(swapped), 1, 0), (MapPixel{0, 20}));
}

TEST(MapFrame, MapToGridRoundsToTheNearestBin) {
  Survey s(1);
  MapFrame f = SmallMap(s);
  f.scale_u = f.scale_v = 1;  // one pixel per sub-unit
  EXPECT_EQ(MapToGrid(f, 2 * 60 + 29, 0).trace, 2);
  EXPECT_EQ(MapToGrid(f, 2 * 60 + 30, 0).trace, 3);
  EXPECT_EQ(MapToGrid(f, 0, 60 + 29).line, 1);
  EXPECT_EQ(MapToGrid(f, 0, 60 + 30).line, 2);
}

TEST(MapFrame, RotatedMapsAndProjectsWithoutXyGiveNoPosition) {
  Survey s(1);
  MapFrame rotated = SmallMap(s, true);
  ASSERT_TRUE(rotated.plot_in_xy);
  EXPECT_EQ(MapToGrid(rotated, 123, 45), (GridOffsets{0, 0}));
  XyPoint w = MapToWorld(rotated, s.header, s.placement, 123, 45);
  EXPECT_EQ(w.x, 0);
  EXPECT_EQ(w.y, 0);

  SurveyPlacement none;
  MapFrame plain = ProjectMapFrame(s.header, none, 5, 7, true);
  EXPECT_FALSE(plain.plot_in_xy);  // nothing to rotate by
  w = MapToWorld(plain, s.header, none, 10, 10);
  EXPECT_EQ(w.x, 0);
  EXPECT_EQ(w.y, 0);
}

TEST(MapFrame, MapToWorldAgreesWithTheLineTraceConversion) {
  for (int corner = 1; corner <= 8; ++corner) {
    Survey s(corner);
    MapFrame f = SmallMap(s);
    for (auto [t, l] : {std::pair{0, 0}, {3, 4}, {12, 9}}) {
      MapPixel p = GridToMap(f, t, l);
      XyPoint got = MapToWorld(f, s.header, s.placement, p.x, p.y);
      XyPoint want = LineTraceToXy(s.header, s.placement, 5 - 1 + l, 7 - 1 + t);
      EXPECT_NEAR(got.x, want.x, 1) << "corner " << corner << " t " << t << " l " << l;
      EXPECT_NEAR(got.y, want.y, 1) << "corner " << corner << " t " << t << " l " << l;
    }
  }
}

TEST(MapFrame, RotationIntoXyTurnsTheGridByTheSurveyAngle) {
  Survey s(4);
  MapFrame f = SmallMap(s, true);
  f.cos = 0, f.sin = 1;  // a quarter turn
  // Class D flips y: a trace step (p = 20) becomes q = 20 from the bottom.
  EXPECT_EQ(GridToMap(f, 1, 0), (MapPixel{0, 280}));
}

}  // namespace
}  // namespace quarrix
