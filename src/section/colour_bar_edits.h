#pragma once
// Edits of a plot's colour bar as the colour dialogs make them: the scale of
// "Color Parameters" with its "Scan for Min/Max", the per-band colours of the
// linear editor "Set Color" and the band thresholds of the non-linear editor
// "Select Color Bar Colors".
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "section/colour_bar.h"
#include "section/processing_params.h"

namespace quarrix {

class AmpFile;
class Progress;
class Prompter;
struct SurveyHeader;

// The three values of "Color Parameters"; increment 0 marks a non-linear bar.
struct ColourScale {
  int min_value = 0;
  int max_value = 0;
  int increment = 0;
};

// Which plot owns the bar.
enum class ColourBarOwner { TracePlot, HorizonPlot };

ColourScale ScaleOf(const ColourBar& bar);

// "" when the scale can be stored in the bar, else the message to show: the
// values must fit the bar's 16-bit fields and a linear bar needs a maximum
// above its minimum and at most 128 bands of the increment.
std::string ColourScaleProblem(const ColourScale& scale);

// The scale as the owner stores it: the horizon plot's bar never keeps min and
// max both 0 (max becomes 1).
ColourScale StoredScale(ColourScale scale, ColourBarOwner owner);

// Stores a sound scale. A linear bar is rebuilt as bands of the increment
// running down from the maximum (band k from max - increment x (k + 1) up to
// max - increment x k) until the minimum is covered; its colours are spread
// over the new bands so the bar keeps its look. A non-linear bar keeps its
// bands and thresholds. A bar without bands starts from the default bar.
void ApplyColourScale(ColourBar& bar, const ColourScale& scale);

// What "Scan for Min/Max" shows.
struct MinMaxScan {
  int minimum = 0;
  int maximum = 0;
  int Difference() const { return maximum - minimum; }
  // The smallest increment that keeps the range within divisor + 1 bands.
  int MinIncrement(int divisor) const { return Difference() / divisor + 1; }
};
inline constexpr int kTracePlotScanDivisor = 128;
inline constexpr int kHorizonPlotScanDivisor = 119;

// The smallest and largest sample of every trace of the trace file, each
// trace conditioned with params. Nothing when no trace could be read or the
// user cancelled.
std::optional<MinMaxScan> ScanTraceMinMax(AmpFile& amp, const SurveyHeader& header,
                                          const ProcessingParams& params, Prompter& prompter,
                                          Progress& progress);
// The smallest and largest cell of a grid, null cells (32700) left out.
std::optional<MinMaxScan> ScanGridMinMax(std::span<const std::int16_t> cells);

// Band edits. Bands are numbered from 0; out-of-range bands are ignored.
inline constexpr Rgb kBlankBandColour{255, 255, 255};  // shows as the paper
void SetBandColour(ColourBar& bar, int band, Rgb colour);
void BlankBands(ColourBar& bar, int first, int last);
// Colours running evenly from band first's colour to band last's.
void InterpolateBands(ColourBar& bar, int first, int last);
// The default blue-white-red ramp spread over the bar's bands.
void AutoColours(ColourBar& bar);
// Moves the lower edge of a non-linear band; "" when done, else the message
// (thresholds must keep descending from band to band).
std::string SetBandThreshold(ColourBar& bar, int band, int value);
// Turns a linear bar into a non-linear one with the same bands.
void MakeNonLinear(ColourBar& bar);

}  // namespace quarrix
