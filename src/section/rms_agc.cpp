#include "section/rms_agc.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/numeric.h"

namespace quarrix {
namespace {

double Square(std::int16_t value) {
  return static_cast<double>(value) * value;
}

}  // namespace

void RmsAgc(std::span<std::int16_t> samples, double sample_rate_ms, int window_ms, float scale) {
  const int nt = static_cast<int>(samples.size());
  if (nt == 0) return;
  if (scale == 0.0f) scale = 1.0f;
  const int h = std::clamp(Trunc32(window_ms / sample_rate_ms), 0, (nt - 1) / 2);
  std::vector<double> out(static_cast<std::size_t>(nt), 0.0);
  auto normalise = [&](int i, double sum, int count) {
    double mean_square = sum / count;
    out[i] = mean_square > 0.0 ? samples[i] / std::sqrt(mean_square) : 0.0;
  };

  double sum = 0.0;
  for (int i = 0; i <= h; ++i) sum += Square(samples[i]);
  int count = h + 1;
  normalise(0, sum, count);
  for (int i = 1; i <= h; ++i) {  // the window grows to full width
    sum += Square(samples[i + h]);
    ++count;
    normalise(i, sum, count);
  }
  for (int i = h + 1; i <= nt - 1 - h; ++i) {  // full width slides along
    sum += Square(samples[i + h]) - Square(samples[i - h - 1]);
    normalise(i, sum, count);
  }
  for (int i = std::max(nt - h, h + 1); i < nt; ++i) {  // the window shrinks at the end
    sum -= Square(samples[i - h - 1]);
    --count;
    normalise(i, sum, count);
  }
  for (int i = 0; i < nt; ++i) samples[i] = Trunc16(out[i] * scale);
}

}  // namespace quarrix
