#include "platform/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quarrix {
namespace {

TEST(ShortestDecimal, WholeNumbersHaveNoDecimalsAndEveryValueReadsBack) {
  EXPECT_EQ(ShortestDecimal(25.0), "25");
  EXPECT_EQ(ShortestDecimal(12.5), "12.5");
  EXPECT_EQ(ShortestDecimal(-3.0f), "-3");
  // A float keeps its own shortest form, not that of the double it widens to.
  EXPECT_EQ(ShortestDecimal(0.1f), "0.1");
  for (double value : {1.0 / 3.0, 2.0 / 3.0 * 1e-7, 123456789.123456789}) {
    std::string text = ShortestDecimal(value);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
  }
  EXPECT_EQ(std::strtof(ShortestDecimal(2.0f / 3.0f).c_str(), nullptr), 2.0f / 3.0f);
}

}  // namespace
}  // namespace quarrix
