#include "section/static_shift.h"

#include <algorithm>
#include <vector>

#include "platform/numeric.h"

namespace quarrix {

void StaticShift(std::span<std::int16_t> samples, double sample_rate_ms, int shift_ms) {
  int shift = std::clamp(Trunc32(shift_ms / sample_rate_ms), -kMaxShiftSamples, kMaxShiftSamples);
  const long long n = static_cast<long long>(samples.size());
  std::vector<std::int16_t> source(samples.begin(), samples.end());
  for (long long i = 0; i < n; ++i) {
    long long from = i + shift;
    samples[i] = from >= 0 && from < n ? source[from] : std::int16_t{0};
  }
}

}  // namespace quarrix
