#include "section/trace_attributes.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/numeric.h"
#include "section/processing_params.h"

namespace quarrix {
namespace {

constexpr int kHalfLength = 30;

// Taps -30 .. 30 at index tap + 30: zero at even offsets, -2 / (pi i) at odd
// ones, Hamming-tapered, odd about the centre.
using HilbertTaps = std::array<float, 2 * kHalfLength + 1>;

const HilbertTaps& HilbertFilter() {
  static const HilbertTaps taps = [] {
    HilbertTaps h{};
    for (int i = 1; i <= kHalfLength; ++i) {
      double taper = 0.54 + 0.46 * std::cos(std::numbers::pi * i / kHalfLength);
      double value = taper * (-(i % 2) * 2.0 / (std::numbers::pi * i));
      h[kHalfLength + i] = static_cast<float>(value);
      h[kHalfLength - i] = static_cast<float>(-value);
    }
    return h;
  }();
  return taps;
}

}  // namespace

void HilbertTransform(int n, const float* x, float* y) {
  const HilbertTaps& h = HilbertFilter();
  for (int i = 0; i < n; ++i) {
    // y[i] = sum over taps t of h[t] x[i - t], for i - t inside the trace.
    int first = std::max(-kHalfLength, i - (n - 1)), last = std::min(kHalfLength, i);
    float sum = 0.0f;
    for (int t = first; t <= last; ++t) sum += h[t + kHalfLength] * x[i - t];
    y[i] = sum;
  }
}

void Differentiate(int n, float step, float* f) {
  if (n < 2) {
    if (n == 1) f[0] = 0.0f;
    return;
  }
  std::vector<float> slope(static_cast<std::size_t>(n));
  slope[0] = (f[1] - f[0]) / step;
  for (int i = 1; i < n - 1; ++i) slope[i] = (f[i + 1] - f[i - 1]) / (2.0f * step);
  slope[n - 1] = (f[n - 1] - f[n - 2]) / step;
  std::copy(slope.begin(), slope.end(), f);
}

void TraceAttribute(std::span<std::int16_t> samples, double sample_rate_ms, int mode) {
  if (mode != kAttributeAmplitude && mode != kAttributePhase && mode != kAttributeFrequency) return;
  const int n = static_cast<int>(samples.size());
  std::vector<float> re(samples.begin(), samples.end()), im(samples.size());
  HilbertTransform(n, re.data(), im.data());
  const float degrees = static_cast<float>(180.0 / std::numbers::pi);
  if (mode == kAttributeAmplitude) {
    for (int i = 0; i < n; ++i) samples[i] = Trunc16(std::sqrt(re[i] * re[i] + im[i] * im[i]));
    return;
  }
  std::vector<float> phase(samples.size());
  for (int i = 0; i < n; ++i)
    phase[i] = re[i] * re[i] + im[i] * im[i] == 0.0f ? 0.0f : std::atan2(im[i], re[i]);
  if (mode == kAttributeFrequency) {
    float dt = static_cast<float>(sample_rate_ms / 1000.0);
    Differentiate(n, 2.0f * std::numbers::pi_v<float> * dt, phase.data());
  }
  for (int i = 0; i < n; ++i) samples[i] = Trunc16(phase[i] * degrees);
}

}  // namespace quarrix
