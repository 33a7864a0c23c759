#pragma once
// Constant phase rotation and fractional derivative of a trace.
#include <cstdint>
#include <span>

namespace quarrix {

class Prompter;

// Multiplies the spectrum by omega^power with the phase -power * pi/2 and
// rotates it by phase_fraction * pi: a fractional derivative of order power
// combined with a constant phase rotation (power 0 leaves only the rotation).
// Tells the user and returns 1 on "Fractime Error 1" (transform too long);
// else 0.
int PhaseAndPower(std::span<std::int16_t> samples, double sample_rate_ms, float power,
                  float phase_fraction, Prompter& prompter);

}  // namespace quarrix
