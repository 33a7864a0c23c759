#include "section/colour_bar.h"

#include <algorithm>
#include <cmath>

#include "platform/text_util.h"

namespace quarrix {

void SetDefaultColourBar(ColourBar& bar) {
  bar.count = 32;
  bar.max_value = 32000;
  bar.min_value = -32000;
  bar.increment = 2000;
  for (int k = 0; k < 16; ++k) {
    auto v = static_cast<std::uint8_t>(17 * k);
    bar.colours[k] = {v, v, 255};
  }
  for (int k = 16; k < 32; ++k) {
    auto v = static_cast<std::uint8_t>(255 - 17 * (k - 16));
    bar.colours[k] = {255, v, v};
  }
  for (int k = 0; k <= 32; ++k) bar.thresholds[k] = static_cast<std::int16_t>(30000 - 2000 * k);
}

const ColourBar& DrawableBar(const ColourBar& bar) {
  static const ColourBar kDefault = [] {
    ColourBar b;
    SetDefaultColourBar(b);
    return b;
  }();
  return bar.count == 0 ? kDefault : bar;
}

int BandCount(const ColourBar& bar) {
  return std::clamp<int>(bar.count, 1, kColourBarSlots - 1);
}

int UsableBandCount(ColourBar& bar) {
  if (bar.count == 0) SetDefaultColourBar(bar);
  return BandCount(bar);
}

std::vector<Rgb> CreateBarPalette(const ColourBar& given) {
  const ColourBar& bar = DrawableBar(given);
  const int count = BandCount(bar);
  std::vector<Rgb> palette(bar.colours.begin(), bar.colours.begin() + count + 1);
  palette.push_back(kBlack);
  return palette;
}

int ColourMapper::IndexOfAmplitude(const ColourBar& bar, int band_count, std::int32_t a) {
  for (int k = 0; k < band_count; ++k)
    if (bar.thresholds[k] <= a) return k;
  return band_count;
}

ColourMapper::ColourMapper(const ColourBar& given, int colour_gain, int polarity) : table_(65536) {
  const ColourBar& bar = DrawableBar(given);
  const int count = BandCount(bar);
  const double factor = std::clamp(colour_gain, 0, 1000) / 10.0 + 1.0;
  const int sign = polarity < 0 ? -1 : 1;
  // The first k with threshold <= a is the first k whose running minimum of
  // the thresholds is <= a. The running minimum descends, so as a grows that
  // k only moves down: one sweep over the samples in the order of growing a
  // fills the table, even when a file's thresholds are out of order.
  std::vector<std::int32_t> running_min(count);
  std::int32_t lowest = INT32_MAX;
  for (int k = 0; k < count; ++k)
    running_min[k] = lowest = std::min<std::int32_t>(lowest, bar.thresholds[k]);
  int index = count;
  for (int step = 0; step < 65536; ++step) {
    const int v = sign > 0 ? step - 32768 : 32767 - step;
    // |v x factor| stays far inside the 32-bit range.
    const auto a = static_cast<std::int32_t>(v * factor) * sign;
    while (index > 0 && running_min[index - 1] <= a) --index;
    table_[v + 32768] = static_cast<std::uint8_t>(index);
  }
}

void DrawColourLegend(Canvas& canvas, const ColourBar& given, Rect legend, bool right_to_left,
                      int label_height) {
  const ColourBar& bar = DrawableBar(given);
  const int count = BandCount(bar);
  canvas.SetFont({"Arial", label_height, 400, 0});
  canvas.SetTextColour(kBlack);
  const double label_width =
      canvas.TextWidth(FormatText(" %d ", bar.min_value < 0 ? bar.min_value : bar.max_value));
  const double box_width = std::max(1.0, legend.Width() - label_width);
  const double box_height = legend.Height() / count;
  const double box_left = right_to_left ? legend.right - box_width : legend.left;
  // Boxes lower than a label are labelled every so many, so labels never overlap.
  const int label_every = std::max(1, static_cast<int>(std::ceil(label_height / box_height)));
  canvas.SetPen({PenStyle::Solid, 1, kBlack});
  for (int k = 0; k < count; ++k) {
    const double top = legend.top + k * box_height;
    canvas.SetBrush({BrushStyle::Solid, bar.colours[k]});
    canvas.Rectangle({box_left, top, box_left + box_width, top + box_height});
    if (k % label_every != 0) continue;
    // The threshold is the lower edge of its band.
    const double y = top + box_height + label_height / 3.0;
    std::string label = FormatText(" %ld ", static_cast<long>(bar.thresholds[k]));
    if (right_to_left)
      canvas.Text({box_left, y}, label, kAlignRight | kAlignBaseline);
    else
      canvas.Text({box_left + box_width, y}, label, kAlignLeft | kAlignBaseline);
  }
  canvas.SetBrush(kNullBrush);
}

}  // namespace quarrix
