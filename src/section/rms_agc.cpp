#include "section/rms_agc.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/numeric.h"

namespace quarrix {
namespace {

std::int64_t Square(std::int16_t value) {
  return static_cast<std::int64_t>(value) * value;
}

}  // namespace

void RmsAgc(std::span<std::int16_t> samples, double sample_rate_ms, int window_ms, float scale) {
  const int nt = static_cast<int>(samples.size());
  if (nt == 0) return;
  if (scale == 0.0f) scale = 1.0f;
  const int h = std::clamp(Trunc32(window_ms / sample_rate_ms), 0, (nt - 1) / 2);
  // The window's sum of squares is kept in whole numbers: exact, so it is
  // the sum a double would hold, and the additions do not wait on rounding.
  std::vector<double> mean_square(static_cast<std::size_t>(nt));
  auto note = [&](int i, std::int64_t sum, int count) {
    mean_square[static_cast<std::size_t>(i)] = static_cast<double>(sum) / count;
  };
  std::int64_t sum = 0;
  for (int i = 0; i <= h; ++i) sum += Square(samples[i]);
  int count = h + 1;
  note(0, sum, count);
  for (int i = 1; i <= h; ++i) {  // the window grows to full width
    sum += Square(samples[i + h]);
    ++count;
    note(i, sum, count);
  }
  for (int i = h + 1; i <= nt - 1 - h; ++i) {  // full width slides along
    sum += Square(samples[i + h]) - Square(samples[i - h - 1]);
    note(i, sum, count);
  }
  for (int i = std::max(nt - h, h + 1); i < nt; ++i) {  // the window shrinks at the end
    sum -= Square(samples[i - h - 1]);
    --count;
    note(i, sum, count);
  }
  // Every window is known before any sample changes.
  for (int i = 0; i < nt; ++i) {
    const double m = mean_square[static_cast<std::size_t>(i)];
    const double out = m > 0.0 ? samples[i] / std::sqrt(m) : 0.0;
    samples[i] = Trunc16(out * scale);
  }
}

}  // namespace quarrix
