#include "map/grid_smoothing.h"

#include <algorithm>
#include <array>

#include "platform/numeric.h"

namespace quarrix {
namespace {

template <int Size>
HorizonGrid Smooth(const HorizonGrid& grid, const std::array<std::array<int, Size>, Size>& kernel) {
  constexpr int half = Size / 2;
  int weight_sum = 0;
  for (const auto& row : kernel)
    for (int w : row) weight_sum += w;
  HorizonGrid out = grid;
  for (int r = 0; r < grid.rows; ++r) {
    for (int c = 0; c < grid.columns; ++c) {
      long long sum = 0;
      bool has_null = false;
      for (int dr = -half; dr <= half && !has_null; ++dr) {
        int rr = std::clamp(r + dr, 0, grid.rows - 1);
        for (int dc = -half; dc <= half; ++dc) {
          std::int16_t v = grid.At(rr, std::clamp(c + dc, 0, grid.columns - 1));
          if (v == HORIZON_NULL) {
            has_null = true;
            break;
          }
          sum += static_cast<long long>(kernel[dr + half][dc + half]) * v;
        }
      }
      if (!has_null) out.At(r, c) = static_cast<std::int16_t>(sum / weight_sum);
    }
  }
  return out;
}

// Fills the null runs of one line of cells, reached through a stride.
void FillLine(std::int16_t* first, int count, std::ptrdiff_t stride) {
  int last_value = -1;  // index of the last non-null cell seen
  for (int i = 0; i < count; ++i) {
    std::int16_t v = first[i * stride];
    if (v == HORIZON_NULL) continue;
    if (last_value >= 0 && i - last_value > 1) {
      double a = first[last_value * stride], b = v;
      int m = i - last_value - 1;
      for (int k = 1; k <= m; ++k)
        first[(last_value + k) * stride] = Trunc16(a + k * (b - a) / (m + 1));
    }
    last_value = i;
  }
}

}  // namespace

HorizonGrid LightSmooth(const HorizonGrid& grid) {
  return Smooth<3>(grid, {{{1, 1, 1}, {1, 2, 1}, {1, 1, 1}}});
}

HorizonGrid HeavySmooth(const HorizonGrid& grid) {
  return Smooth<5>(
      grid,
      {{{1, 1, 1, 1, 1}, {1, 2, 2, 2, 1}, {1, 2, 4, 2, 1}, {1, 2, 2, 2, 1}, {1, 1, 1, 1, 1}}});
}

HorizonGrid FillHoles(const HorizonGrid& grid) {
  HorizonGrid out = grid;
  if (out.CellCount() == 0) return out;
  for (int r = 0; r < out.rows; ++r) FillLine(out.Row(r), out.columns, 1);
  for (int c = 0; c < out.columns; ++c) FillLine(out.cells.data() + c, out.rows, out.columns);
  return out;
}

}  // namespace quarrix
