// Wells posted once and sorted by depth, the ten-file limit of DXF
// selections, and the map's well style from its options.
#include "map/map_display_options.h"

#include <gtest/gtest.h>

#include "platform/recording_canvas.h"

namespace quarrix {
namespace {

PostedWell Well(const std::string& name, int depth, double row = 1, double column = 1) {
  PostedWell well;
  well.name = name;
  well.depth = depth;
  well.line_row = row;
  well.trace_column = column;
  return well;
}

TEST(WellPosting, AWellInAGroupAndChosenSinglyIsPostedOnceAsItsGroupSays) {
  EXPECT_EQ(GroupsFirst({"A.wll", "g.lgv", "B.wll", "h.lgv"}),
            (std::vector<std::string>{"g.lgv", "h.lgv", "A.wll", "B.wll"}));
  WellGroupPost group{{Well("A", 100), Well("B", 200)}, {}};
  group.style.symbol_colour = {255, 0, 0};
  std::vector<WellGroupPost> posts = {
      group, {{Well("A", 100)}, {}}, {{Well("C", 50)}, {}}, {{Well("B", 200), Well("C", 50)}, {}}};
  PostEachWellOnce(posts);
  ASSERT_EQ(posts.size(), 2u);
  EXPECT_EQ(posts[0].wells.size(), 2u);
  EXPECT_EQ(posts[0].style.symbol_colour, (Rgb{255, 0, 0}));
  ASSERT_EQ(posts[1].wells.size(), 1u);
  EXPECT_EQ(posts[1].wells[0].name, "C");
}

TEST(WellPosting, SortKeepsTheDepthRangeAndRingsDeepWells) {
  const WellSort sort{1000, 3000, 2500};
  EXPECT_FALSE(sort.Posts(1000));
  EXPECT_TRUE(sort.Posts(1001));
  EXPECT_TRUE(sort.Posts(2999));
  EXPECT_FALSE(sort.Posts(3000));
  EXPECT_TRUE(WellSort{}.Posts(0));
  EXPECT_TRUE((WellSort{0, 0, 0}).Posts(60000));
  EXPECT_FALSE(sort.Marks(2500));
  EXPECT_TRUE(sort.Marks(2501));
  EXPECT_FALSE(WellSort{}.Marks(60000));

  WellGroupPost group{{Well("SHALLOW", 500, 0, 0), Well("MID", 2000, 1, 1),
                       Well("DEEP", 2800, 2, 2), Well("BEYOND", 3500, 3, 3)},
                      {}};
  OverlayPlacer place;
  place.grid = [](double row, double column) { return Point{column * 20, row * 20}; };
  WellPostingOptions options;
  options.sort = true;
  options.well_sort = sort;
  RecordingCanvas canvas;
  DrawWells(canvas, place, group, options);
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"MID", "DEEP"}));
  int rings = 0;
  for (const DrawnPrimitive& p : canvas.OfKind(PrimitiveKind::Ellipse))
    if (p.pen.colour == kMarkedWellColour) {
      ++rings;
      EXPECT_NEAR((p.points[0].x + p.points[1].x) / 2, 40, 1e-9);  // around DEEP
    }
  EXPECT_EQ(rings, 1);
  // Without "Sort" every well is posted and none is ringed.
  options.sort = false;
  RecordingCanvas all;
  DrawWells(all, place, group, options);
  EXPECT_EQ(all.Texts().size(), 4u);
}

TEST(DxfSelection, KeepsTheFirstTenFiles) {
  std::vector<std::string> paths;
  for (int k = 0; k < 12; ++k) paths.push_back("f" + std::to_string(k) + ".dxf");
  const std::vector<std::string> kept = KeepFirstDxfFiles(paths);
  ASSERT_EQ(kept.size(), kMaxDxfFiles);
  EXPECT_EQ(kept.back(), "f9.dxf");
  EXPECT_EQ(KeepFirstDxfFiles({"a.dxf"}).size(), 1u);
}

}  // namespace
}  // namespace quarrix
