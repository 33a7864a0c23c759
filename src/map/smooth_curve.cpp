#include "map/smooth_curve.h"

#include "platform/numeric.h"

namespace quarrix {
namespace {

// The B-spline basis, held in single precision as the curve arithmetic is.
constexpr float kBasis[4][4] = {{-1.0f / 6, 0.5f, -0.5f, 1.0f / 6},
                                {0.5f, -1.0f, 0.5f, 0.0f},
                                {-0.5f, 0.0f, 0.5f, 0.0f},
                                {1.0f / 6, 2.0f / 3, 1.0f / 6, 0.0f}};

}  // namespace

std::vector<DevicePoint> SmoothCurve(const std::vector<DevicePoint>& points, bool closed, int k) {
  const int n = static_cast<int>(points.size());
  if (n < 5 || k < 1) return {};
  const int spans = closed ? n : n - 3;
  std::vector<DevicePoint> out(static_cast<std::size_t>(spans) * (k - 1) + 1);
  const float step = k > 1 ? 1.0f / static_cast<float>(k - 1) : 0.0f;
  for (int span = 0; span < spans; ++span) {
    float gx[4], gy[4];
    for (int row = 0; row < 4; ++row) {
      const DevicePoint& p = points[(span + row) % n];
      gx[row] = static_cast<float>(p.x / 65536.0);
      gy[row] = static_cast<float>(p.y / 65536.0);
    }
    float cx[4], cy[4];
    for (int row = 0; row < 4; ++row) {
      cx[row] = kBasis[row][0] * gx[0] + kBasis[row][1] * gx[1] + kBasis[row][2] * gx[2] +
                kBasis[row][3] * gx[3];
      cy[row] = kBasis[row][0] * gy[0] + kBasis[row][1] * gy[1] + kBasis[row][2] * gy[2] +
                kBasis[row][3] * gy[3];
    }
    float t = 0.0f;
    for (int j = 0; j < k; ++j) {
      float x = ((cx[0] * t + cx[1]) * t + cx[2]) * t + cx[3];
      float y = ((cy[0] * t + cy[1]) * t + cy[2]) * t + cy[3];
      std::size_t at = static_cast<std::size_t>(span) * (k - 1) + j;
      if (at < out.size()) out[at] = {Trunc32(x * 65536.0), Trunc32(y * 65536.0)};
      t += step;  // accumulated, not recomputed from j
    }
  }
  return out;
}

}  // namespace quarrix
