#include "section/phase_rotation.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "platform/prompter.h"
#include "section/complex32.h"
#include "section/trace_spectrum.h"

namespace quarrix {

int PhaseAndPower(std::span<std::int16_t> samples, double sample_rate_ms, float power,
                  float phase_fraction, Prompter& prompter) {
  const int nfft = ConditioningFftLength(static_cast<int>(samples.size()));
  if (nfft >= kMaxConditioningFft) {
    prompter.Tell("Fractime Error 1");
    return 1;
  }
  const float pi = std::numbers::pi_v<float>;
  const float onfft = 1.0f / static_cast<float>(nfft);
  const float dw = static_cast<float>(2.0 * std::numbers::pi * onfft / (sample_rate_ms / 1000.0));
  const Complex32 rotation = Exponential({0.0f, -(pi / 2.0f) * power + phase_fraction * pi});
  std::vector<Complex32> factors(static_cast<std::size_t>(nfft / 2 + 1));
  for (std::size_t k = 0; k < factors.size(); ++k) {
    float w = static_cast<float>(k) * dw;
    // omega^power at 0 is infinite for a negative power; the largest float
    // stands in for 0 there and gives a vanishing factor.
    if (k == 0 && power < 0.0f) w = std::numeric_limits<float>::max();
    float magnitude = power == 0.0f ? 1.0f : std::pow(w, power);  // pow(w, 0) is 1 for every w
    factors[k] = Scale(rotation, magnitude * onfft);
  }
  ApplySpectralFactors(samples, nfft, factors.data());
  return 0;
}

}  // namespace quarrix
