#pragma once
// One seismic trace drawn as a wiggle line with its positive lobes filled
// black (variable area), as the wiggle sections and the pick windows draw it.
#include <cstdint>

#include "platform/canvas.h"

namespace quarrix {

struct WiggleScale {
  double spacing = 4;      // trace spacing, device units
  int gain = 20;           // full scale (32767) at gain 10 swings one spacing
  int polarity = 1;        // -1 fills the negative lobes instead
  double sample_step = 1;  // device units per sample
  // Deflection factor: spacing / 32767 x gain / 10 x polarity.
  double Factor() const { return spacing / 32767.0 * (gain / 10.0) * (polarity < 0 ? -1 : 1); }
};

// Draws samples[first_sample .. first_sample + sample_count) with the zero
// line at x; sample k lies at top_y + k x sample_step, so a part of a trace
// is drawn where the whole trace would put it. The lobes go to the device in
// one poly-polygon call (black brush, alternate fill), then the black wiggle
// line. A trace of zeros draws nothing. Vertical positions keep quarter
// units, so lobe edges between samples keep sub-sample precision.
void DrawWiggleTrace(Canvas& canvas, double x, double top_y, const std::int16_t* samples,
                     int first_sample, int sample_count, const WiggleScale& scale);

// The wiggle line alone in the current pen, from the first non-zero
// deflection on (the overlays of colour sections); placed as DrawWiggleTrace
// places its samples.
void DrawWiggleLine(Canvas& canvas, double x, double top_y, const std::int16_t* samples,
                    int first_sample, int sample_count, const WiggleScale& scale);

}  // namespace quarrix
