#pragma once
// The band-pass filter: a polygonal amplitude spectrum with sin-squared
// tapers, applied in the frequency domain.
#include <cstdint>
#include <span>

namespace quarrix {

class Prompter;

// Fills the nfft/2 + 1 real filter values of a polygon through (freqs[i],
// amps[i]) for npoly corners in hertz, with sin-squared tapers on rising and
// falling edges. dt is the sample interval in seconds. The values carry the
// 1/nfft normalisation of the inverse transform.
void PolygonalFilter(const float* freqs, const float* amps, int npoly, int nfft, double dt,
                     float* filter);

// Filters the trace through the polygon of nfreqs corners (without corners:
// 10, 15, 45 and 50 % of Nyquist). Without amplitudes (namps 0) the polygon is
// a trapezoid, 0 at the first and last corner and 1 between. Tells the user
// and returns 1 on "FFT too large" or "Bad filter params" (a negative corner,
// corners out of order, or an amplitude count that does not match); else 0.
int BandPassFilter(std::span<std::int16_t> samples, double sample_rate_ms, const float* freqs,
                   int nfreqs, const float* amps, int namps, Prompter& prompter);

}  // namespace quarrix
