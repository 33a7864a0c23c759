#pragma once
// The colour bar of colour-density sections and horizon maps: up to 128
// colours with a descending list of thresholds. The struct has the field
// layout of the 648-byte colour bar record of ".aco"/".col" files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quarrix {

inline constexpr int kColourBarSlots = 128;

struct ColourBar {
  std::int16_t count = 0;       // colour bands; the bar uses colours 0..count
  std::int16_t max_value = 0;   // top of the scale
  std::int16_t min_value = 0;   // bottom of the scale
  std::uint16_t increment = 0;  // band width of a linear bar; 0 = non-linear
  std::array<Rgb, kColourBarSlots> colours{};
  // Descending: band k covers values from thresholds[k] up to thresholds[k-1].
  std::array<std::int16_t, kColourBarSlots> thresholds{};
};
static_assert(sizeof(ColourBar) == 648 && offsetof(ColourBar, colours) == 8 &&
                  offsetof(ColourBar, thresholds) == 392,
              "ColourBar must keep the layout of the colour bar record");

inline constexpr char kDefaultColourBarName[] = "Default Colors";

// The default bar: 32 bands from blue through white to red, thresholds 30000
// down by 2000. Colour 32 is left as it was.
void SetDefaultColourBar(ColourBar& bar);

// The bar as drawing uses it: the default bar for a bar with no bands, the
// bar itself otherwise. Drawing never changes the bar it is given.
const ColourBar& DrawableBar(const ColourBar& bar);
// The band count drawing uses: 1..127, so that colours 0..count stay inside
// the record whatever a file held.
int BandCount(const ColourBar& bar);

// The bar's band count as drawing may use it, after setting the default bar
// when count is 0.
int UsableBandCount(ColourBar& bar);

// The bar's drawing palette: colours 0..count, then black (count + 2 entries),
// of the drawable bar.
std::vector<Rgb> CreateBarPalette(const ColourBar& bar);

// Maps amplitudes to colour indexes for a colour-density section: a sample v
// becomes a = trunc(v x (colour_gain / 10 + 1)) x polarity, and its index is
// the first band k whose threshold is at or below a. Amplitudes below every
// threshold take the bar's extra colour, index count, the colour beyond the
// last band (the search alone would give them colour 0, the top of the scale,
// which shows the most negative samples as the most positive).
class ColourMapper {
 public:
  ColourMapper(const ColourBar& bar, int colour_gain, int polarity);
  std::uint8_t Index(std::int16_t sample) const { return table_[sample + 32768]; }
  // The search itself, for any amplitude a.
  static int IndexOfAmplitude(const ColourBar& bar, int band_count, std::int32_t a);

 private:
  std::vector<std::uint8_t> table_;
};

// The colour scale beside a colour section: one box per band filled with its
// colour (black outline) and labelled with its threshold (every few boxes
// when boxes are lower than a label); labels to the right of the boxes, or to
// their left for right-to-left plots.
void DrawColourLegend(Canvas& canvas, const ColourBar& bar, Rect legend, bool right_to_left,
                      int label_height);

}  // namespace quarrix
