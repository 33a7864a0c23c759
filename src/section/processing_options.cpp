#include "section/processing_options.h"

#include <cmath>
#include <optional>

#include "platform/command_line.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr long long kLargestField = 1000000;

bool& StepSwitch(ProcessingForm& form, ProcessStep step) {
  switch (step) {
    case ProcessStep::Phase: return form.phase_on;
    case ProcessStep::Filter: return form.filter_on;
    case ProcessStep::Shift: return form.shift_on;
    case ProcessStep::Agc: break;
  }
  return form.agc_on;
}

// A whole number from lowest up to a million typed in a field, blanks around it ignored.
std::optional<long long> WholeField(const std::string& text, long long lowest) {
  std::optional<long long> value = ParseWholeInt(Trim(text));
  if (!value || *value < lowest || *value > kLargestField) return std::nullopt;
  return value;
}

}  // namespace

std::uint32_t NormalisedPhase(long long degrees) {
  return static_cast<std::uint32_t>(((degrees % 360) + 360) % 360);
}

ProcessingForm FormFromParams(const ProcessingParams& params) {
  ProcessingForm form;
  form.phase_on = params.phase_on != 0;
  form.filter_on = params.filter_on != 0;
  form.shift_on = params.shift_on != 0;
  form.agc_on = params.agc_on != 0;
  const bool any_step = form.phase_on || form.filter_on || form.shift_on || form.agc_on;
  form.attribute = any_step ? kAttributeNone : params.attribute;
  form.phase_deg = std::to_string(params.phase_deg);
  form.shift_ms = std::to_string(params.shift_ms);
  for (int k = 0; k < 4; ++k) form.filter_hz[k] = std::to_string(params.filter_hz[k]);
  form.agc_window_ms = std::to_string(params.agc_window_ms);
  form.agc_scale = FormatText("%f", static_cast<double>(params.agc_scale));
  return form;
}

void SetStep(ProcessingForm& form, ProcessStep step, bool on) {
  StepSwitch(form, step) = on;
  if (on) form.attribute = kAttributeNone;
}

void ChooseAttribute(ProcessingForm& form, std::int32_t attribute) {
  form.attribute = attribute;
  if (attribute != kAttributeNone)
    form.phase_on = form.filter_on = form.shift_on = form.agc_on = false;
}

std::string ApplyProcessingForm(const ProcessingForm& form, ProcessingParams& params) {
  ProcessingParams result = params;
  auto phase = WholeField(form.phase_deg, -kLargestField);
  if (!phase) return "Phase Rotation takes whole degrees";
  result.phase_deg = NormalisedPhase(*phase);
  auto shift = WholeField(form.shift_ms, -kLargestField);
  if (!shift) return "Static Shift takes whole milliseconds";
  result.shift_ms = static_cast<std::int32_t>(*shift);
  for (int k = 0; k < 4; ++k) {
    auto hertz = WholeField(form.filter_hz[k], 0);
    if (!hertz) return "Bad filter params";
    result.filter_hz[k] = static_cast<std::uint32_t>(*hertz);
  }
  if (form.filter_on)
    for (int k = 0; k < 3; ++k)
      if (result.filter_hz[k + 1] < result.filter_hz[k]) return "Bad filter params";
  auto window = WholeField(form.agc_window_ms, 0);
  if (!window) return "AGC Window takes whole milliseconds";
  result.agc_window_ms = static_cast<std::int32_t>(*window);
  std::optional<double> scale = ParseWholeDouble(Trim(form.agc_scale));
  if (!scale || !(std::abs(*scale) <= 1e30)) return "AGC Scale must be a number";
  result.agc_scale = static_cast<float>(*scale);
  result.phase_on = form.phase_on;
  result.filter_on = form.filter_on;
  result.shift_on = form.shift_on;
  result.agc_on = form.agc_on;
  const bool any_step = form.phase_on || form.filter_on || form.shift_on || form.agc_on;
  result.attribute = any_step ? kAttributeNone : form.attribute;
  params = result;
  return "";
}

}  // namespace quarrix
