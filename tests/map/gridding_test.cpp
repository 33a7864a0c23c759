#include "map/gridding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gridding_oracle.h"
#include "map/insertion_order.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

using testing::OracleGridHorizonArea;

GridRectangle Whole(const HorizonGrid& g) {
  return {0, 0, g.columns, g.rows};
}

GriddingResult Grid(HorizonGrid& g, const GriddingOptions& options = {},
                    const GridRegion& region = {}) {
  NullProgress progress;
  ScriptedPrompter prompter;
  return GridHorizonArea(g, Whole(g), region, options, progress, prompter);
}

// A smooth surface with some relief, picked at random cells.
HorizonGrid RandomPicks(std::mt19937& random, int rows, int columns, double density) {
  HorizonGrid g(rows, columns);
  std::uniform_real_distribution<double> u(0, 1);
  double a = 20 + 200 * u(random), b = 20 + 200 * u(random), phase = 6 * u(random);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      if (u(random) < density)
        g.At(r, c) = static_cast<std::int16_t>(1000 + a * std::sin(0.4 * c + phase) +
                                               b * std::cos(0.3 * r) + 30 * u(random));
  return g;
}

GridRegion RandomRegion(std::mt19937& random, int rows, int columns) {
  std::uniform_real_distribution<double> ux(-1, columns + 1), uy(-1, rows + 1);
  std::vector<RegionVertex> vertices;
  for (int k = 0; k < 5; ++k) vertices.push_back({ux(random), uy(random)});
  return GridRegion(vertices);
}

TEST(Gridding, AgreesWithTheStraightforwardVersionOnRandomGrids) {
  std::mt19937 random(11);
  int compared = 0, gradient_rounds = 0;
  for (int round = 0; round < 160; ++round) {
    int rows = 3 + static_cast<int>(random() % 12), columns = 3 + static_cast<int>(random() % 12);
    double density = 0.05 + 0.5 * (random() % 100) / 100.0;
    HorizonGrid picks = RandomPicks(random, rows + 2, columns + 2, density);
    GridRectangle area{static_cast<int>(random() % 3), static_cast<int>(random() % 3), columns,
                       rows};
    GriddingOptions options;
    options.extrapolate = round % 2 == 0;
    options.apply_gradient = round % 5 == 1;
    GridRegion region = round % 3 == 2 ? RandomRegion(random, rows + 2, columns + 2) : GridRegion();

    HorizonGrid expected = OracleGridHorizonArea(picks, area, region, options);
    HorizonGrid fast = picks;
    NullProgress progress;
    ScriptedPrompter prompter;
    GriddingResult result = GridHorizonArea(fast, area, region, options, progress, prompter);
    gradient_rounds += options.apply_gradient && result == GriddingResult::Filled;
    for (std::size_t i = 0; i < fast.CellCount(); ++i) {
      SCOPED_TRACE(::testing::Message() << "round " << round << " cell " << i);
      ASSERT_EQ(fast.cells[i] == HORIZON_NULL, expected.cells[i] == HORIZON_NULL);
      ASSERT_LE(std::abs(fast.cells[i] - expected.cells[i]), 1);
      compared += picks.cells[i] == HORIZON_NULL && fast.cells[i] != HORIZON_NULL;
    }
  }
  EXPECT_GT(compared, 1000);
  EXPECT_GT(gradient_rounds, 10);
}

TEST(Gridding, AgreesOnPicksAlongLinesAndOnLargerGrids) {
  // Whole picked lines put many points on common circles: the jitter must
  // break the ties the same way in both versions.
  std::mt19937 random(5);
  for (int round = 0; round < 6; ++round) {
    int size = round < 4 ? 20 : 45;
    HorizonGrid picks = RandomPicks(random, size, size, round < 4 ? 0.0 : 0.12);
    HorizonGrid full = RandomPicks(random, size, size, 1.0);
    if (round < 4)
      for (int r = round % 2; r < size; r += 3 + round)
        for (int c = 0; c < size; ++c) picks.At(r, c) = full.At(r, c);
    GriddingOptions options;
    options.extrapolate = round % 2 == 1;
    options.apply_gradient = round == 2;
    HorizonGrid expected = OracleGridHorizonArea(picks, Whole(picks), {}, options);
    HorizonGrid fast = picks;
    Grid(fast, options);
    for (std::size_t i = 0; i < fast.CellCount(); ++i) {
      ASSERT_EQ(fast.cells[i] == HORIZON_NULL, expected.cells[i] == HORIZON_NULL) << round;
      ASSERT_LE(std::abs(fast.cells[i] - expected.cells[i]), 1) << round << " cell " << i;
    }
  }
}

TEST(Gridding, ReproducesAPlaneAndALineOfPicks) {
  HorizonGrid g(12, 15);
  std::mt19937 random(3);
  for (int r = 0; r < g.rows; ++r)
    for (int c = 0; c < g.columns; ++c)
      if (random() % 4 == 0) g.At(r, c) = static_cast<std::int16_t>(500 + 3 * c - 7 * r);
  EXPECT_EQ(Grid(g), GriddingResult::Filled);
  for (int r = 0; r < g.rows; ++r)
    for (int c = 0; c < g.columns; ++c) EXPECT_EQ(g.At(r, c), 500 + 3 * c - 7 * r);
  // Value + 0.5 is truncated toward zero: -3.7 becomes -3, not -4.
  HorizonGrid ramp(3, 11);
  for (int r = 0; r < 3; ++r) ramp.At(r, 0) = 0, ramp.At(r, 10) = -37;
  EXPECT_EQ(Grid(ramp), GriddingResult::Filled);
  EXPECT_EQ(ramp.At(1, 1), -3);
  EXPECT_EQ(ramp.At(0, 2), -6);
  EXPECT_EQ(ramp.At(2, 3), -10);
  // Picks on one line leave the plane undetermined: the fit falls back to a line.
  HorizonGrid line(6, 9);
  for (int c = 0; c < 9; c += 2) line.At(2, c) = static_cast<std::int16_t>(100 + 5 * c);
  EXPECT_EQ(Grid(line), GriddingResult::Filled);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 9; ++c) EXPECT_NEAR(line.At(r, c), 100 + 5 * c, 1);
}

TEST(Gridding, LeavesTooFewPicksAndFullGridsAlone) {
  HorizonGrid three(5, 5);
  three.At(0, 0) = 10, three.At(4, 4) = 20, three.At(2, 3) = 30;
  HorizonGrid before = three;
  EXPECT_EQ(Grid(three), GriddingResult::TooFewPoints);
  EXPECT_EQ(three.cells, before.cells);

  HorizonGrid full(4, 4, 7);
  full.At(1, 2) = -5;
  before = full;
  EXPECT_EQ(Grid(full), GriddingResult::Filled);
  EXPECT_EQ(full.cells, before.cells);
}

TEST(Gridding, KeepsToTheRegionAndTheHullWhenNotExtrapolating) {
  HorizonGrid g(10, 10);
  for (int r = 3; r <= 6; r += 3)
    for (int c = 3; c <= 6; c += 3) g.At(r, c) = 200;
  g.At(4, 4) = 260;
  HorizonGrid off = g;
  GriddingOptions no_extrapolation;
  no_extrapolation.extrapolate = false;
  Grid(off, no_extrapolation);
  EXPECT_EQ(off.At(0, 0), HORIZON_NULL);
  EXPECT_EQ(off.At(8, 5), HORIZON_NULL);
  EXPECT_NE(off.At(5, 5), HORIZON_NULL);
  EXPECT_NE(off.At(4, 5), HORIZON_NULL);

  // A triangle over the upper left: nothing outside it changes.
  GridRegion region({{0, 0}, {12, 0}, {0, 12}});
  HorizonGrid in_region = g;
  Grid(in_region, {}, region);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 10; ++c) {
      if (region.ContainsCell(c, r))
        EXPECT_NE(in_region.At(r, c), HORIZON_NULL);
      else
        EXPECT_EQ(in_region.At(r, c), g.At(r, c)) << r << "," << c;
    }
}

TEST(Gridding, StepsOncePerRowAndStopsWhenCancelled) {
  HorizonGrid g(8, 8);
  g.At(0, 0) = 1, g.At(0, 7) = 2, g.At(7, 0) = 3, g.At(7, 7) = 4;
  RecordingProgress progress(3);
  ScriptedPrompter prompter;
  EXPECT_EQ(GridHorizonArea(g, Whole(g), {}, {}, progress, prompter), GriddingResult::Filled);
  EXPECT_EQ(progress.range_max, 8);
  EXPECT_EQ(progress.labels.back(), "Gridding Data");
  EXPECT_EQ(progress.positions, (std::vector<int>{0, 1, 2}));
  EXPECT_NE(g.At(1, 3), HORIZON_NULL);
  EXPECT_EQ(g.At(2, 3), HORIZON_NULL);
  EXPECT_EQ(g.At(7, 7), 4);
}

TEST(Gridding, RefusesGradientsOnFlatData) {
  HorizonGrid g(6, 6);
  for (int c = 0; c < 6; ++c) g.At(0, c) = g.At(5, c) = 100;
  HorizonGrid before = g;
  GriddingOptions options;
  options.apply_gradient = true;
  NullProgress progress;
  ScriptedPrompter prompter;
  EXPECT_EQ(GridHorizonArea(g, Whole(g), {}, options, progress, prompter),
            GriddingResult::ScaleRatio);
  EXPECT_EQ(g.cells, before.cells);
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_NE(prompter.messages()[0].text.find("too small"), std::string::npos);
}

TEST(Gridding, FaultGridUsesOffsetCellsAndFillsOnlyNulls) {
  HorizonGrid g(6, 6);
  for (int r = 0; r < 6; r += 5)
    for (int c = 0; c < 6; c += 5) g.At(r, c) = static_cast<std::int16_t>(8192 + 100);
  g.At(2, 2) = 50;  // below the offset: not data, and not null so never written
  NullProgress progress;
  ScriptedPrompter prompter;
  GriddingOptions options = FaultGriddingDefaults();
  EXPECT_EQ(InterpolateFaultGrid(g, {0, 0, 6, 3}, options, progress, prompter),
            GriddingResult::Filled);
  EXPECT_EQ(g.At(1, 1), 100);
  EXPECT_EQ(g.At(2, 2), 50);
  EXPECT_EQ(g.At(4, 1), HORIZON_NULL);  // outside the rectangle
  EXPECT_EQ(g.At(0, 0), 8192 + 100);
}

// Sparse line seeds (the autopick-by-gridding case), scattered picks with
// gradients, and a hull without extrapolation: the rows shared among threads
// give the same cells as one thread.
TEST(Gridding, SharedRowsGiveTheSameGridAsOneThread) {
  std::mt19937 random(29);
  HorizonGrid lines(120, 90);
  for (int r = 0; r < lines.rows; r += 17)
    for (int c = 0; c < lines.columns; ++c)
      lines.At(r, c) = static_cast<std::int16_t>(900 + 3 * r + 40 * std::sin(0.1 * c));
  const HorizonGrid scattered = RandomPicks(random, 70, 110, 0.03);
  for (const HorizonGrid& picks : {lines, scattered})
    for (int variant = 0; variant < 3; ++variant) {
      GriddingOptions options;
      options.extrapolate = variant != 2;
      options.apply_gradient = variant == 1 && &picks == &scattered;
      HorizonGrid alone = picks;
      ASSERT_EQ(Grid(alone, options), GriddingResult::Filled);
      for (int threads : {2, 5}) {
        options.threads = threads;
        HorizonGrid shared = picks;
        ASSERT_EQ(Grid(shared, options), GriddingResult::Filled);
        EXPECT_EQ(shared.cells, alone.cells) << "threads " << threads << " variant " << variant;
      }
    }
}

TEST(Gridding, InsertsAlongACurveThatVisitsEveryCellOnceStepByStep) {
  // Over a 64 x 64 square the keys are 0..4095, each once, and consecutive
  // keys belong to neighbouring cells.
  constexpr std::uint32_t kSide = 64;
  std::vector<std::uint32_t> columns, rows;
  for (std::uint32_t r = 0; r < kSide; ++r)
    for (std::uint32_t c = 0; c < kSide; ++c) {
      columns.push_back(c);
      rows.push_back(r);
    }
  std::vector<int> order = HilbertInsertionOrder(columns, rows);
  ASSERT_EQ(order.size(), kSide * kSide);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const std::size_t i = static_cast<std::size_t>(order[k]);
    EXPECT_EQ(HilbertKey(columns[i], rows[i]), k);
    if (k == 0) continue;
    const std::size_t j = static_cast<std::size_t>(order[k - 1]);
    const int step = std::abs(static_cast<int>(columns[i]) - static_cast<int>(columns[j])) +
                     std::abs(static_cast<int>(rows[i]) - static_cast<int>(rows[j]));
    ASSERT_EQ(step, 1) << "key " << k;
  }
}

}  // namespace
}  // namespace quarrix
