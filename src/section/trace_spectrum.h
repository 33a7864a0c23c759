#pragma once
// The frequency-domain frame shared by the band-pass filter and the phase
// rotation: a trace zero-padded to a fast transform length, multiplied bin by
// bin, and transformed back into its 16-bit samples.
#include <cstdint>
#include <span>

#include "section/complex32.h"

namespace quarrix {

// Transforms of this length or longer are refused.
constexpr int kMaxConditioningFft = 32768;

// The padded length for a trace of sample_count samples: the cheapest even
// length between sample_count and twice that.
int ConditioningFftLength(int sample_count);

// Forward real transform (sign +1) of the trace padded to nfft, bin k
// (0 .. nfft/2) multiplied by factors[k], inverse transform (sign -1), and
// the first samples stored back truncated toward zero, saturating at the ends
// of the 16-bit range. The factors carry any normalisation.
void ApplySpectralFactors(std::span<std::int16_t> samples, int nfft, const float* factors);
void ApplySpectralFactors(std::span<std::int16_t> samples, int nfft, const Complex32* factors);

}  // namespace quarrix
