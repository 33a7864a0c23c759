#include "section/trace_spectrum.h"

#include <vector>

#include "platform/numeric.h"
#include "section/pfa_fft.h"
#include "section/pfa_length.h"

namespace quarrix {
namespace {

inline Complex32 Times(Complex32 bin, float factor) {
  return Scale(bin, factor);
}
inline Complex32 Times(Complex32 bin, Complex32 factor) {
  return Multiply(bin, factor);
}

template <typename Factor>
void Apply(std::span<std::int16_t> samples, int nfft, const Factor* factors) {
  std::vector<float> work(static_cast<std::size_t>(nfft), 0.0f);
  std::size_t count = std::min(samples.size(), work.size());
  for (std::size_t i = 0; i < count; ++i) work[i] = samples[i];
  std::vector<Complex32> bins(static_cast<std::size_t>(nfft / 2 + 1));
  PfaRealToComplex(1, nfft, work.data(), bins.data());
  for (std::size_t k = 0; k < bins.size(); ++k) bins[k] = Times(bins[k], factors[k]);
  PfaComplexToReal(-1, nfft, bins.data(), work.data());
  for (std::size_t i = 0; i < count; ++i) samples[i] = Trunc16(work[i]);
}

}  // namespace

int ConditioningFftLength(int sample_count) {
  long long twice = 2LL * sample_count;
  return PfaOptimalRealLength(sample_count, twice > 1 << 30 ? 1 << 30 : static_cast<int>(twice));
}

void ApplySpectralFactors(std::span<std::int16_t> samples, int nfft, const float* factors) {
  Apply(samples, nfft, factors);
}

void ApplySpectralFactors(std::span<std::int16_t> samples, int nfft, const Complex32* factors) {
  Apply(samples, nfft, factors);
}

}  // namespace quarrix
