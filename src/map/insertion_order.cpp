#include "map/insertion_order.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace quarrix {

std::uint64_t HilbertKey(std::uint32_t column, std::uint32_t row) {
  constexpr std::uint32_t kSide = 1u << 31;
  std::uint32_t x = column, y = row;
  std::uint64_t key = 0;
  for (std::uint32_t s = kSide / 2; s > 0; s /= 2) {
    const std::uint32_t rx = (x & s) ? 1 : 0;
    const std::uint32_t ry = (y & s) ? 1 : 0;
    key += static_cast<std::uint64_t>(s) * s * ((3 * rx) ^ ry);
    // Turn the quadrant so that the curve inside it starts where it enters.
    if (ry == 0) {
      if (rx == 1) {
        x = s - 1 - (x & (s - 1));
        y = s - 1 - (y & (s - 1));
      }
      std::swap(x, y);
    }
  }
  return key;
}

std::vector<int> HilbertInsertionOrder(const std::vector<std::uint32_t>& columns,
                                       const std::vector<std::uint32_t>& rows) {
  const std::size_t count = columns.size();
  std::vector<std::pair<std::uint64_t, int>> keyed(count);
  for (std::size_t i = 0; i < count; ++i)
    keyed[i] = {HilbertKey(columns[i], rows[i]), static_cast<int>(i)};
  std::sort(keyed.begin(), keyed.end());
  std::vector<int> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = keyed[i].second;
  return order;
}

}  // namespace quarrix
