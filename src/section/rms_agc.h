#pragma once
// Automatic gain control by a sliding root-mean-square window.
#include <cstdint>
#include <span>

namespace quarrix {

// Divides every sample by the RMS of the samples within trunc(window_ms /
// sample_rate_ms) samples either side (fewer at the ends of the trace) and
// multiplies by scale (a zero scale counts as 1). Samples whose window holds
// only zeros become 0. A half-window longer than the trace allows is
// shortened to the longest that fits, (n - 1) / 2 samples.
void RmsAgc(std::span<std::int16_t> samples, double sample_rate_ms, int window_ms, float scale);

}  // namespace quarrix
