#include "section/colour_bar_edits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/progress.h"
#include "platform/text_util.h"
#include "project/amp_file.h"
#include "project/survey_header.h"
#include "section/section_furniture.h"
#include "section/trace_conditioning.h"

namespace quarrix {
namespace {

constexpr int kMostBands = kColourBarSlots - 1;  // colours 0..count stay in the record

std::int16_t To16(long long value) {
  return static_cast<std::int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

Rgb Blend(Rgb a, Rgb b, double t) {
  auto mix = [t](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
  };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// Spreads colours 0..from-1 evenly over bands 0..to-1 and moves the extra
// colour (below every band) from index from to index to.
void SpreadColours(ColourBar& bar, int from, int to) {
  if (from == to || from < 1) return;
  const std::array<Rgb, kColourBarSlots> old = bar.colours;
  for (int k = 0; k < to; ++k) {
    const double position = to == 1 ? 0.0 : static_cast<double>(k) * (from - 1) / (to - 1);
    const int below = static_cast<int>(position);
    const int above = std::min(below + 1, from - 1);
    bar.colours[k] = Blend(old[below], old[above], position - below);
  }
  bar.colours[to] = old[from];
}

bool ValidBand(const ColourBar& bar, int band) {
  return band >= 0 && band < std::clamp<int>(bar.count, 0, kMostBands);
}

}  // namespace

ColourScale ScaleOf(const ColourBar& bar) {
  return {bar.min_value, bar.max_value, bar.increment};
}

std::string ColourScaleProblem(const ColourScale& scale) {
  if (scale.min_value < INT16_MIN || scale.min_value > INT16_MAX || scale.max_value < INT16_MIN ||
      scale.max_value > INT16_MAX)
    return "Minimum and Maximum Value must lie between -32768 and 32767";
  if (scale.increment < 0 || scale.increment > UINT16_MAX)
    return "Increment must lie between 0 and 65535";
  if (scale.increment == 0) return "";
  if (scale.max_value <= scale.min_value)
    return "Maximum Value must be above Minimum Value for a linear color bar";
  const MinMaxScan range{scale.min_value, scale.max_value};
  if (range.Difference() > scale.increment * (kMostBands + 1))
    return FormatText("Increment must be at least %d for this range (128 colors at most)",
                      range.MinIncrement(kMostBands + 1));
  return "";
}

ColourScale StoredScale(ColourScale scale, ColourBarOwner owner) {
  if (owner == ColourBarOwner::HorizonPlot && scale.min_value == 0 && scale.max_value == 0)
    scale.max_value = 1;
  return scale;
}

void ApplyColourScale(ColourBar& bar, const ColourScale& scale) {
  if (bar.count <= 0) SetDefaultColourBar(bar);
  bar.min_value = To16(scale.min_value);
  bar.max_value = To16(scale.max_value);
  bar.increment = static_cast<std::uint16_t>(scale.increment);
  if (scale.increment == 0) return;
  const int range = scale.max_value - scale.min_value;
  const int bands = std::clamp((range + scale.increment - 1) / scale.increment, 1, kMostBands);
  SpreadColours(bar, std::clamp<int>(bar.count, 1, kMostBands), bands);
  bar.count = static_cast<std::int16_t>(bands);
  for (int k = 0; k < bands; ++k)
    bar.thresholds[k] = To16(scale.max_value - static_cast<long long>(scale.increment) * (k + 1));
}

std::optional<MinMaxScan> ScanTraceMinMax(AmpFile& amp, const SurveyHeader& header,
                                          const ProcessingParams& params, Prompter& prompter,
                                          Progress& progress) {
  std::vector<std::int16_t> trace(static_cast<std::size_t>(header.trace_bytes / 2) + 1);
  ProcessingConditioner conditioner(params, header.sample_rate, prompter);
  std::optional<MinMaxScan> scan;
  progress.SetRange(0, header.num_lines);
  for (int i = 0; i < header.num_lines; ++i) {
    progress.SetPosition(i);
    if (progress.Cancelled()) return std::nullopt;
    for (int j = 0; j < header.traces_per_line; ++j) {
      if (ReadTrace(amp, header, trace.data(), i, j, header.trace_bytes, &conditioner) != 0) {
        if (conditioner.last_failed()) return std::nullopt;  // the chain has told why
        continue;
      }
      const auto samples = std::span(trace).first(static_cast<std::size_t>(header.trace_bytes / 2));
      if (samples.empty()) continue;
      auto [low, high] = std::minmax_element(samples.begin(), samples.end());
      if (!scan) scan = MinMaxScan{*low, *high};
      scan->minimum = std::min<int>(scan->minimum, *low);
      scan->maximum = std::max<int>(scan->maximum, *high);
    }
  }
  return scan;
}

std::optional<MinMaxScan> ScanGridMinMax(std::span<const std::int16_t> cells) {
  std::optional<MinMaxScan> scan;
  for (std::int16_t cell : cells) {
    if (cell == kHorizonNullTime) continue;
    if (!scan) scan = MinMaxScan{cell, cell};
    scan->minimum = std::min<int>(scan->minimum, cell);
    scan->maximum = std::max<int>(scan->maximum, cell);
  }
  return scan;
}

void SetBandColour(ColourBar& bar, int band, Rgb colour) {
  if (ValidBand(bar, band)) bar.colours[band] = colour;
}

void BlankBands(ColourBar& bar, int first, int last) {
  for (int k = std::min(first, last); k <= std::max(first, last); ++k)
    SetBandColour(bar, k, kBlankBandColour);
}

void InterpolateBands(ColourBar& bar, int first, int last) {
  if (!ValidBand(bar, first) || !ValidBand(bar, last) || first == last) return;
  if (first > last) std::swap(first, last);
  const Rgb from = bar.colours[first], to = bar.colours[last];
  for (int k = first + 1; k < last; ++k)
    bar.colours[k] = Blend(from, to, static_cast<double>(k - first) / (last - first));
}

void AutoColours(ColourBar& bar) {
  ColourBar ramp;
  SetDefaultColourBar(ramp);
  const int bands = std::clamp<int>(bar.count, 1, kMostBands);
  ramp.colours[ramp.count] = bar.colours[bands];  // keep the bar's extra colour
  SpreadColours(ramp, ramp.count, bands);
  std::copy_n(ramp.colours.begin(), bands + 1, bar.colours.begin());
}

std::string SetBandThreshold(ColourBar& bar, int band, int value) {
  if (!ValidBand(bar, band)) return "";
  const int above = band == 0 ? INT16_MAX + 1 : bar.thresholds[band - 1];
  const int below = band + 1 < bar.count ? bar.thresholds[band + 1] : INT16_MIN - 1;
  if (value >= above || value <= below)
    return FormatText("The threshold of band %d must lie between %d and %d", band + 1, below + 1,
                      above - 1);
  bar.thresholds[band] = static_cast<std::int16_t>(value);
  return "";
}

void MakeNonLinear(ColourBar& bar) {
  bar.increment = 0;
}

}  // namespace quarrix
