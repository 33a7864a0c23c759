// The colour bar of a map window: scheme 0 and its saved default, geology
// colours, stretched sets saved only where they overwrite nothing the user
// made, the scheme kept in a horizon's style word, and the map agreeing
// with the batch plot for the same scheme.
#include "map/map_colour_scheme.h"

#include <gtest/gtest.h>

#include "horizon/horizon_style.h"
#include "map/map_colours.h"
#include "map/plot_map_inputs.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

class MapColourSchemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid = HorizonGrid(4, 5);
    for (int k = 0; k < grid.CellCount(); ++k)
      grid.cells[k] = static_cast<std::int16_t>(1200 + 40 * k);
    grid.cells[3] = HORIZON_NULL;
    ASSERT_TRUE(WriteHorizon(path, &grid, &grid));
  }
  testing::TempFolder folder;
  const std::string path = folder.File("top.hor");
  HorizonGrid grid;
  const ColourSets sets = DefaultColourSets();
};

TEST_F(MapColourSchemeTest, OwnColourFileIsReadOrStartedFromTheDefaultBar) {
  const std::string col = folder.File("top.col");
  MapColours first = BuildMapColours(path, grid, false, {0, false}, sets);
  ColourBar expected;
  SetDefaultColourBar(expected);
  EXPECT_EQ(EncodeColourBar(first.bar), EncodeColourBar(expected));
  EXPECT_EQ(first.name, kDefaultColourBarName);
  EXPECT_EQ(first.written, col);
  EXPECT_EQ(testing::ReadFileBytes(col), EncodeColourBar(expected));
  // A colour file made by the user is read as it is and left alone.
  ColourBar own = StretchColourSet({{0, 0, 0}, {255, 255, 255}}, 10, 1000, 2000);
  ASSERT_TRUE(WriteColourFile(col, own));
  MapColours second = BuildMapColours(path, grid, false, {0, false}, sets);
  EXPECT_EQ(EncodeColourBar(second.bar), EncodeColourBar(own));
  EXPECT_EQ(second.name, "top.col");
  EXPECT_EQ(second.written, "");
  // Amplitudes have their own ".aco".
  EXPECT_EQ(BuildMapColours(path, grid, true, {0, false}, sets).written, folder.File("top.aco"));
}

TEST_F(MapColourSchemeTest, GeologyGridsStartFromTheGeologyColours) {
  const std::string geo = folder.File("units.geo");
  ASSERT_TRUE(WriteHorizon(geo, &grid, nullptr));
  MapColours colours = BuildMapColours(geo, grid, false, {0, false}, sets);
  EXPECT_EQ(EncodeColourBar(colours.bar), EncodeColourBar(GeologyColourBar()));
  EXPECT_EQ(testing::ReadFileBytes(folder.File("units.col")), EncodeColourBar(GeologyColourBar()));
  // Every formation code has a colour of its own; codes outside clamp to the ends.
  ColourBar bar = GeologyColourBar();
  MapColourIndex index(bar);
  std::vector<std::uint8_t> seen;
  for (int code = 0; code < 16; ++code) seen.push_back(index.Of(static_cast<std::int16_t>(code)));
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
  EXPECT_EQ(index.Of(-5), index.Of(0));
  EXPECT_EQ(index.Of(40), index.Of(15));
  EXPECT_EQ(index.palette()[index.Of(0)], (Rgb{255, 255, 153}));
}

TEST_F(MapColourSchemeTest, StretchedSetNeverReplacesAColourFileUnlessAsked) {
  const std::string col = folder.File("top.col");
  const ColourSetRecord& set = sets[2];
  const ColourBar stretched =
      StretchColourSet(ColourSetAnchors(set), set.min_increment, 1200, 1200 + 40 * 19);
  // No colour file yet: the stretched bar becomes the first one.
  MapColours fresh = BuildMapColours(path, grid, false, {3, false}, sets);
  EXPECT_EQ(EncodeColourBar(fresh.bar), EncodeColourBar(stretched));
  EXPECT_EQ(fresh.name, set.Name());
  EXPECT_EQ(testing::ReadFileBytes(col), EncodeColourBar(stretched));
  // A hand-made file stays as it is while another set is shown ...
  ColourBar own;
  SetDefaultColourBar(own);
  ASSERT_TRUE(WriteColourFile(col, own));
  MapColours other = BuildMapColours(path, grid, false, {1, false}, sets);
  EXPECT_EQ(other.written, "");
  EXPECT_EQ(testing::ReadFileBytes(col), EncodeColourBar(own));
  // ... and is replaced when the user asks for it.
  MapColours replaced = BuildMapColours(path, grid, false, {1, true}, sets);
  EXPECT_EQ(replaced.written, col);
  EXPECT_EQ(testing::ReadFileBytes(col), EncodeColourBar(replaced.bar));
}

TEST_F(MapColourSchemeTest, NothingPickedDrawsTheDefaultBarAndWritesNothing) {
  HorizonGrid empty(4, 5);
  MapColours colours = BuildMapColours(path, empty, false, {2, false}, sets);
  EXPECT_EQ(colours.name, kDefaultColourBarName);
  EXPECT_EQ(colours.written, "");
  EXPECT_FALSE(FileExists(folder.File("top.col")));
}

TEST_F(MapColourSchemeTest, SchemeIsKeptInTheHorizonAndAgreesWithTheBatchPlot) {
  const int pick_type = ReadHorizonStyle(path)->pick_type;
  ASSERT_TRUE(StoreMapColourScheme(path, false, 5));
  ASSERT_TRUE(StoreMapColourScheme(path, true, 7));
  EXPECT_EQ(MapColourScheme(path, false, 1), 5);
  EXPECT_EQ(MapColourScheme(path, true, 1), 7);
  EXPECT_EQ(ReadHorizonStyle(path)->pick_type, pick_type);
  // A slice keeps no scheme of its own: the window's is used.
  const std::string slice = folder.File("cut.slc");
  ASSERT_TRUE(WriteHorizon(slice, &grid, nullptr));
  EXPECT_TRUE(StoreMapColourScheme(slice, false, 4));
  EXPECT_EQ(MapColourScheme(slice, false, 6), 6);
  // The batch plot of the horizon shows the same colours.
  std::string name;
  for (bool amplitude : {false, true}) {
    const ColourBar batch = PlotColourBar(path, grid, amplitude, sets, name);
    const MapColours map =
        BuildMapColours(path, grid, amplitude, {MapColourScheme(path, amplitude, 1), false}, sets);
    EXPECT_EQ(EncodeColourBar(map.bar), EncodeColourBar(batch)) << amplitude;
  }
}

}  // namespace
}  // namespace quarrix
