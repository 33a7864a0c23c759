#include "section/band_pass.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/prompter.h"
#include "section/trace_spectrum.h"

namespace quarrix {
namespace {

// The bin of a corner frequency, rounded half away from zero and kept inside
// the spectrum (corners beyond Nyquist land on the last bin).
int CornerBin(float freq, double df, int last_bin) {
  double bin = std::round(freq / df);
  if (!(bin >= 0.0)) return 0;
  return bin >= last_bin ? last_bin : static_cast<int>(bin);
}

}  // namespace

void PolygonalFilter(const float* freqs, const float* amps, int npoly, int nfft, double dt,
                     float* filter) {
  const int nf = nfft / 2 + 1;
  std::fill(filter, filter + nf, 0.0f);
  if (npoly <= 0) return;
  const float onfft = 1.0f / static_cast<float>(nfft);
  const double df = onfft / dt;
  std::vector<int> bins(static_cast<std::size_t>(npoly));
  for (int i = 0; i < npoly; ++i) bins[i] = CornerBin(freqs[i], df, nf - 1);

  for (int j = 0; j < bins[0]; ++j) filter[j] = amps[0] * onfft;
  bool tapered = false;
  for (int i = 0; i + 1 < npoly; ++i) {
    const int from = bins[i], to = bins[i + 1];
    const double c = (std::numbers::pi / 2.0) / (to - from + 2);
    const float low = amps[i], high = amps[i + 1];
    if (low < high) {
      tapered = true;
      for (int j = from; j <= to; ++j) {
        float s = static_cast<float>(std::sin(c * (j - from + 1)));
        filter[j] = (low + (high - low) * s * s) * onfft;
      }
    } else if (low > high) {
      tapered = true;
      for (int j = from; j <= to; ++j) {
        float s = static_cast<float>(std::sin(c * (to - j + 1)));
        filter[j] = (high + (low - high) * s * s) * onfft;
      }
    } else {
      for (int j = tapered ? from + 1 : from; j <= to; ++j) filter[j] = low * onfft;
    }
  }
  for (int j = bins[npoly - 1] + 1; j < nf; ++j) filter[j] = amps[npoly - 1] * onfft;
}

int BandPassFilter(std::span<std::int16_t> samples, double sample_rate_ms, const float* freqs,
                   int nfreqs, const float* amps, int namps, Prompter& prompter) {
  const int nt = static_cast<int>(samples.size());
  const int nfft = ConditioningFftLength(nt);
  if (nfft >= kMaxConditioningFft) {
    prompter.Tell("FFT too large");
    return 1;
  }
  const double dt = sample_rate_ms / 1000.0;
  const float fnyq = static_cast<float>(0.5 / dt);
  const float default_corners[4] = {0.10f * fnyq, 0.15f * fnyq, 0.45f * fnyq, 0.50f * fnyq};
  if (nfreqs == 0) {
    freqs = default_corners;
    nfreqs = 4;
  }
  bool bad = nfreqs < 0 || (namps != 0 && namps != nfreqs);
  for (int i = 0; !bad && i + 1 < nfreqs; ++i)
    bad = !(freqs[i] >= 0.0f) || !(freqs[i + 1] >= freqs[i]);
  if (bad) {
    prompter.Tell("Bad filter params");
    return 1;
  }
  std::vector<float> trapezoid;
  if (namps == 0) {
    trapezoid.assign(static_cast<std::size_t>(nfreqs), 1.0f);
    trapezoid.front() = 0.0f;
    trapezoid.back() = 0.0f;
    amps = trapezoid.data();
  }
  std::vector<float> filter(static_cast<std::size_t>(nfft / 2 + 1));
  PolygonalFilter(freqs, amps, nfreqs, nfft, dt, filter.data());
  ApplySpectralFactors(samples, nfft, filter.data());
  return 0;
}

}  // namespace quarrix
