#include "loader/trace_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarrix {
namespace {

TEST(RescaleSamples, TruncatesTowardZeroAndSaturatesAtSixteenBits) {
  // sample x 3 / 2: halves go toward zero, the ends of the range saturate.
  std::vector<std::int16_t> samples{7, -7, 0, 100, 32767, -32768, 21845, -21846};
  RescaleSamples(samples.data(), samples.size(), 3.0, 2.0);
  EXPECT_EQ(samples, (std::vector<std::int16_t>{10, -10, 0, 150, 32767, -32768, 32767, -32768}));
  // The trace holding the load's largest value keeps its samples.
  std::vector<std::int16_t> same{1, -1, 12345, -32768, 32767};
  const std::vector<std::int16_t> before = same;
  RescaleSamples(same.data(), same.size(), 0.1f, 0.1f);
  EXPECT_EQ(same, before);
  // A quotient one unit in the last place below a whole one truncates down.
  std::vector<std::int16_t> three{3};
  RescaleSamples(three.data(), 1, 1.0, 3.0 * (1.0 + 1e-15));
  EXPECT_EQ(three[0], 0);
}

}  // namespace
}  // namespace quarrix
