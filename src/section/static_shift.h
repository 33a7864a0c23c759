#pragma once
// Time shift of a trace by a whole number of samples.
#include <cstdint>
#include <span>

namespace quarrix {

// The longest shift, in samples, in either direction; longer ones are clamped.
constexpr int kMaxShiftSamples = 1000;

// Shifts by trunc(shift_ms / sample_rate_ms) samples: a positive shift moves
// events earlier (sample i takes sample i + s), and vacated samples become 0.
void StaticShift(std::span<std::int16_t> samples, double sample_rate_ms, int shift_ms);

}  // namespace quarrix
