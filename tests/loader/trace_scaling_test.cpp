#include "loader/trace_scaling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/numeric.h"

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

TEST(RescaleSamples, EveryShortAsTheDivisionForQuotientsNearWholeNumbers) {
  // Whichever way the machine takes it, each sample is trunc(v x maximum /
  // used) as divided; quotients next to whole numbers and simple fractions
  // put products nearest to whole numbers. Odd lengths leave a partial run.
  std::vector<std::int16_t> all;
  for (int v = -32768; v <= 32767; ++v) all.push_back(static_cast<std::int16_t>(v));
  all.pop_back();
  const double maximum = 32767.0;
  for (double used : {32768.0, 32767.0, 32767.0 * (1 + 1e-15), 32767.0 * (1 - 1e-15), 65534.0,
                      16383.5, 3 * 32768.0, 32768.0 / 3, 1e4, 0.5, 1e-25, 1e25, -3.0, 0.0}) {
    std::vector<std::int16_t> samples = all;
    RescaleSamples(samples.data(), samples.size(), maximum, used);
    for (std::size_t n = 0; n < all.size(); ++n)
      ASSERT_EQ(samples[n], Trunc16(all[n] * maximum / used)) << all[n] << " used " << used;
  }
}

}  // namespace
}  // namespace quarrix
