#include "map/smooth_curve.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

constexpr int kUnit = 6 * 65536;  // keeps the B-spline weights exact

std::vector<DevicePoint> Line(int n) {
  std::vector<DevicePoint> points;
  for (int i = 0; i < n; ++i) points.push_back({i * kUnit, 3 * 65536});
  return points;
}

TEST(SmoothCurve, NeedsFivePointsAndOnePointPerSpan) {
  EXPECT_TRUE(SmoothCurve(Line(4), true, 3).empty());
  EXPECT_TRUE(SmoothCurve(Line(6), false, 0).empty());
  EXPECT_EQ(SmoothCurve(Line(6), true, 4).size(), 6u * 3 + 1);
  EXPECT_EQ(SmoothCurve(Line(6), false, 4).size(), 3u * 3 + 1);
  EXPECT_EQ(SmoothCurve(Line(6), false, 1).size(), 1u);
}

TEST(SmoothCurve, EvenlySpacedLineIsFollowedSpanBySpan) {
  // Span i starts at (P[i] + 4 P[i+1] + P[i+2]) / 6 = P[i+1] and ends at P[i+2].
  std::vector<DevicePoint> out = SmoothCurve(Line(7), false, 3);
  ASSERT_EQ(out.size(), 4u * 2 + 1);
  for (int span = 0; span < 4; ++span) {
    EXPECT_EQ(out[span * 2].x, (span + 1) * kUnit);
    EXPECT_EQ(out[span * 2 + 1].x, (span + 1) * kUnit + kUnit / 2);
    EXPECT_EQ(out[span * 2].y, 3 * 65536);
  }
  EXPECT_EQ(out.back().x, 5 * kUnit);
}

TEST(SmoothCurve, ClosedCurveWrapsRoundAndStepsTInSinglePrecision) {
  std::vector<DevicePoint> square = {
      {0, 0}, {kUnit, 0}, {kUnit, kUnit}, {0, kUnit}, {0, kUnit / 2}};
  std::vector<DevicePoint> out = SmoothCurve(square, true, 11);
  ASSERT_EQ(out.size(), 5u * 10 + 1);
  // The last span runs from square[4]'s neighbourhood back to where the first began.
  EXPECT_NEAR(out.back().x, out.front().x, 2);
  EXPECT_NEAR(out.back().y, out.front().y, 2);
  // t reaches ten steps of 0.1f, a little over 1: the span's end is computed there.
  float t = 0;
  for (int j = 0; j < 10; ++j) t += 0.1f;
  float g[4] = {float(square[0].y / 65536.0), float(square[1].y / 65536.0),
                float(square[2].y / 65536.0), float(square[3].y / 65536.0)};
  float c0 = -1.0f / 6 * g[0] + 0.5f * g[1] + -0.5f * g[2] + 1.0f / 6 * g[3];
  float c1 = 0.5f * g[0] + -1.0f * g[1] + 0.5f * g[2] + 0.0f * g[3];
  float c2 = -0.5f * g[0] + 0.0f * g[1] + 0.5f * g[2] + 0.0f * g[3];
  float c3 = 1.0f / 6 * g[0] + 2.0f / 3 * g[1] + 1.0f / 6 * g[2] + 0.0f * g[3];
  float y = ((c0 * t + c1) * t + c2) * t + c3;
  EXPECT_EQ(out[10].y, static_cast<std::int32_t>(y * 65536.0));
}

}  // namespace
}  // namespace quarrix
