#include "section/trace_conditioning.h"

#include "section/band_pass.h"
#include "section/phase_rotation.h"
#include "section/rms_agc.h"
#include "section/static_shift.h"
#include "section/trace_attributes.h"

namespace quarrix {

int ConditionTrace(std::span<std::int16_t> samples, const ProcessingParams& params,
                   double sample_rate_ms, Prompter& prompter) {
  if (params.phase_on && PhaseAndPower(samples, sample_rate_ms, 0.0f,
                                       static_cast<float>(params.phase_deg / 180.0), prompter) != 0)
    return 1;
  if (params.filter_on) {
    float corners[4];
    for (int i = 0; i < 4; ++i) corners[i] = static_cast<float>(params.filter_hz[i]);
    if (BandPassFilter(samples, sample_rate_ms, corners, 4, nullptr, 0, prompter) != 0) return 1;
  }
  if (params.shift_on) StaticShift(samples, sample_rate_ms, params.shift_ms);
  if (params.agc_on) RmsAgc(samples, sample_rate_ms, params.agc_window_ms, params.agc_scale);
  if (params.attribute != kAttributeNone) TraceAttribute(samples, sample_rate_ms, params.attribute);
  return 0;
}

int ProcessingConditioner::Condition(std::int16_t* samples, int sample_count) {
  std::span<std::int16_t> trace(samples, sample_count > 0 ? sample_count : 0);
  last_failed_ = ConditionTrace(trace, params_, sample_rate_ms_, prompter_) != 0;
  return last_failed_ ? 1 : 0;
}

}  // namespace quarrix
