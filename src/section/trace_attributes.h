#pragma once
// Instantaneous attributes of a trace from its quadrature (Hilbert) trace.
#include <cstdint>
#include <span>

namespace quarrix {

// The quadrature trace y of x (both n long): x convolved with a 61-tap
// Hamming-tapered Hilbert filter centred on each sample, samples beyond the
// trace counting as 0.
void HilbertTransform(int n, const float* x, float* y);

// Replaces f by its derivative over the sample step: centred differences
// inside, one-sided differences at the two ends.
void Differentiate(int n, float step, float* f);

// Replaces the trace by one attribute (a TraceAttributeMode): the envelope
// sqrt(re^2 + im^2), the phase atan2(im, re) in degrees (0 where the envelope
// is 0), or the frequency, the derivative of the phase over 2 pi dt, without
// unwrapping, scaled by 180 / pi. Other modes leave the trace as it is.
void TraceAttribute(std::span<std::int16_t> samples, double sample_rate_ms, int mode);

}  // namespace quarrix
