#pragma once
// The trace conditioning settings edited in the "Processing Options" dialog
// and applied by every conditioned trace read.
#include <array>
#include <cstdint>

namespace quarrix {

enum TraceAttributeMode : std::int32_t {
  kAttributeNone = 0,
  kAttributeAmplitude = 1,  // envelope
  kAttributePhase = 2,      // degrees
  kAttributeFrequency = 3,
};

struct ProcessingParams {
  std::int32_t phase_on = 0;
  std::int32_t filter_on = 0;
  std::int32_t shift_on = 0;
  std::int32_t agc_on = 0;
  std::uint32_t phase_deg = 0;
  std::int32_t shift_ms = 0;
  std::array<std::uint32_t, 4> filter_hz{};  // band-pass corners f1..f4
  std::int32_t agc_window_ms = 100;
  std::int32_t attribute = kAttributeNone;
  float agc_scale = 4000.0f;
};

}  // namespace quarrix
