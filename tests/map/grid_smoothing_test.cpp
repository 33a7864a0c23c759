#include "map/grid_smoothing.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

HorizonGrid FromRows(std::initializer_list<std::initializer_list<int>> rows) {
  HorizonGrid g(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
  int r = 0;
  for (const auto& row : rows) {
    int c = 0;
    for (int v : row) g.At(r, c++) = static_cast<std::int16_t>(v);
    ++r;
  }
  return g;
}

constexpr int N = HORIZON_NULL;

TEST(GridSmoothing, KernelsAverageWithEdgePaddingAndKeepCellsNearNulls) {
  HorizonGrid flat(6, 7, 1234);
  EXPECT_EQ(LightSmooth(flat).cells, flat.cells);
  EXPECT_EQ(HeavySmooth(flat).cells, flat.cells);

  HorizonGrid g = FromRows({{0, 0, 0, 0}, {0, 100, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, -7}});
  HorizonGrid light = LightSmooth(g);
  EXPECT_EQ(light.At(1, 1), 20);  // 2 x 100 / 10
  EXPECT_EQ(light.At(0, 0), 10);
  EXPECT_EQ(light.At(2, 2), 9);   // (100 - 7) / 10
  EXPECT_EQ(light.At(3, 3), -3);  // padding repeats -7 five times: -35 / 10 toward zero
  HorizonGrid heavy = HeavySmooth(g);
  EXPECT_EQ(heavy.At(1, 1), (4 * 100 - 7) / 36);
  EXPECT_EQ(heavy.At(0, 0), 2 * 100 / 36);

  g.At(2, 3) = N;
  light = LightSmooth(g);
  EXPECT_EQ(light.At(1, 2), g.At(1, 2));  // the null is in its window
  EXPECT_EQ(light.At(2, 3), N);
  EXPECT_EQ(light.At(1, 1), 20);  // two columns away: still smoothed
  EXPECT_EQ(HeavySmooth(g).At(1, 1), g.At(1, 1));
}

TEST(GridSmoothing, FillHolesAlongRowsThenColumns) {
  HorizonGrid g =
      FromRows({{100, N, N, 130, N}, {N, N, N, N, N}, {-10, N, N, 0, N}, {N, 40, N, N, N}});
  HorizonGrid f = FillHoles(g);
  EXPECT_EQ(f.At(0, 1), 110);
  EXPECT_EQ(f.At(0, 2), 120);
  EXPECT_EQ(f.At(0, 4), N);   // run touches the edge
  EXPECT_EQ(f.At(2, 1), -6);  // -10 + 10/3, truncated toward zero
  EXPECT_EQ(f.At(2, 2), -3);
  // Columns see the row-filled grid: column 1 runs 110, null, -6, 40.
  EXPECT_EQ(f.At(1, 1), 52);
  EXPECT_EQ(f.At(1, 3), 65);
  EXPECT_EQ(f.At(3, 0), N);
  EXPECT_EQ(f.At(1, 4), N);
}

}  // namespace
}  // namespace quarrix
