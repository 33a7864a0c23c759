#pragma once
// The "Processing Options" dialog as plain state: the four step switches, the
// attribute choice and the fields as typed, with the rules that keep steps and
// attribute apart and the reading back of the fields into ProcessingParams.
#include <array>
#include <cstdint>
#include <string>

#include "section/processing_params.h"

namespace quarrix {

enum class ProcessStep { Phase, Filter, Shift, Agc };

struct ProcessingForm {
  bool phase_on = false, filter_on = false, shift_on = false, agc_on = false;
  std::int32_t attribute = kAttributeNone;
  std::string phase_deg, shift_ms, agc_window_ms, agc_scale;
  std::array<std::string, 4> filter_hz;
};

// The form for the current parameters; when any step is on the attribute
// starts cleared, as steps and attribute never run together. The scale is
// shown with "%f".
ProcessingForm FormFromParams(const ProcessingParams& params);

// Checking a step clears the attribute choice; choosing an attribute clears
// all four steps.
void SetStep(ProcessingForm& form, ProcessStep step, bool on);
void ChooseAttribute(ProcessingForm& form, std::int32_t attribute);

// Reads every field back into params. "" when the form is sound (params then
// hold it), else the message to show, with params unchanged. A phase is
// stored as an angle in 0..359 (a negative rotation is its complement to a
// full turn); corners of a switched-on filter must not be negative and must
// ascend ("Bad filter params").
std::string ApplyProcessingForm(const ProcessingForm& form, ProcessingParams& params);

// A whole rotation in degrees as the unsigned angle the parameters keep.
std::uint32_t NormalisedPhase(long long degrees);

}  // namespace quarrix
