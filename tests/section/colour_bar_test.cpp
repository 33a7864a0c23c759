#include "section/colour_bar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/recording_canvas.h"
#include "section/section_inputs.h"

namespace quarrix {
namespace {

TEST(ColourBar, DefaultBarRunsBlueWhiteRedAndKeepsTheExtraColour) {
  ColourBar bar;
  bar.colours[32] = {1, 2, 3};
  SetDefaultColourBar(bar);
  EXPECT_EQ(bar.count, 32);
  EXPECT_EQ(bar.max_value, 32000);
  EXPECT_EQ(bar.min_value, -32000);
  EXPECT_EQ(bar.increment, 2000);
  EXPECT_EQ(bar.colours[0], (Rgb{0, 0, 255}));
  EXPECT_EQ(bar.colours[15], (Rgb{255, 255, 255}));
  EXPECT_EQ(bar.colours[16], (Rgb{255, 255, 255}));
  EXPECT_EQ(bar.colours[31], (Rgb{255, 0, 0}));
  EXPECT_EQ(bar.colours[32], (Rgb{1, 2, 3}));
  EXPECT_EQ(bar.thresholds[0], 30000);
  EXPECT_EQ(bar.thresholds[31], -32000);
}

TEST(ColourBar, PaletteHasCountPlusTwoEntriesAndStaysInsideTheRecord) {
  ColourBar empty;
  std::vector<Rgb> palette = CreateBarPalette(empty);
  EXPECT_EQ(empty.count, 0) << "drawing leaves the bar as it is";
  ASSERT_EQ(palette.size(), 34u) << "a bar without bands draws as the default";
  EXPECT_EQ(palette[33], kBlack);
  ColourBar damaged;
  damaged.count = 500;  // from a damaged file
  EXPECT_EQ(CreateBarPalette(damaged).size(), 129u);
  damaged.count = -4;
  EXPECT_EQ(CreateBarPalette(damaged).size(), 3u);
}

TEST(ColourMapper, FindsTheFirstThresholdAtOrBelowTheScaledAmplitude) {
  ColourBar bar;
  SetDefaultColourBar(bar);
  ColourMapper normal(bar, 1, 1), strong(bar, 10, 1), reverse(bar, 1, -1);
  EXPECT_EQ(normal.Index(0), 15);  // 0 falls under threshold 0 (30000 - 15 x 2000)
  EXPECT_EQ(normal.Index(32767), 0);
  EXPECT_EQ(normal.Index(-29000), 31);  // a = -31900
  EXPECT_EQ(normal.Index(-30000), 32) << "below every threshold: the extra colour";
  EXPECT_EQ(strong.Index(8000), 7);    // a = 16000
  EXPECT_EQ(reverse.Index(8000), 20);  // a = -8800
}

TEST(ColourMapper, AgreesWithTheLinearSearchOnThresholdsOutOfOrder) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 20; ++trial) {
    ColourBar bar;
    bar.count = static_cast<std::int16_t>(1 + random() % 127);
    for (int k = 0; k < bar.count; ++k)
      bar.thresholds[k] = static_cast<std::int16_t>(static_cast<int>(random() % 65536) - 32768);
    const int gain = 1 + trial % 15, polarity = trial % 2 ? -1 : 1;
    ColourMapper mapper(bar, gain, polarity);
    for (int v = -32768; v <= 32767; v += 97) {
      const std::int32_t a = static_cast<std::int32_t>(v * (gain / 10.0 + 1)) * polarity;
      ASSERT_EQ(mapper.Index(static_cast<std::int16_t>(v)),
                ColourMapper::IndexOfAmplitude(bar, bar.count, a))
          << "trial " << trial << " v " << v;
    }
  }
}

TEST(ColourFileRecord, FullRecordsLoadUnchangedAndShortOnesGetLinearThresholds) {
  ColourBar bar;
  SetDefaultColourBar(bar);
  bar.thresholds[3] = 12345;  // not linear: kept from a full record
  std::string bytes(reinterpret_cast<const char*>(&bar), sizeof bar);
  ColourBar loaded;
  ASSERT_TRUE(DecodeColourBar(bytes, loaded));
  EXPECT_EQ(std::memcmp(&loaded, &bar, sizeof bar), 0);

  std::string short_file(200, '\0');
  const std::int16_t fields[4] = {10, 10000, 0, 1000};
  std::memcpy(short_file.data(), fields, sizeof fields);
  ColourBar old;
  ASSERT_TRUE(DecodeColourBar(short_file, old));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(old.thresholds[k], 10000 - 1000 * k);
  EXPECT_FALSE(DecodeColourBar("", old));
}

TEST(ColourLegend, OneBoxPerBandLabelledWithItsThreshold) {
  ColourBar bar;
  SetDefaultColourBar(bar);
  for (bool right_to_left : {false, true}) {
    RecordingCanvas canvas;
    DrawColourLegend(canvas, bar, {100, 0, 200, 320}, right_to_left, 10);
    auto boxes = canvas.OfKind(PrimitiveKind::Rectangle);
    ASSERT_EQ(boxes.size(), 32u);
    EXPECT_EQ(boxes[0].brush.colour, bar.colours[0]);
    EXPECT_EQ(boxes[31].brush.colour, bar.colours[31]);
    EXPECT_EQ(boxes[1].points[0].y, 10);
    auto labels = canvas.OfKind(PrimitiveKind::Text);
    ASSERT_EQ(labels.size(), 32u);
    EXPECT_EQ(labels[0].text, " 30000 ");
    EXPECT_EQ(labels[0].align & kHorizontalAlignMask, right_to_left ? kAlignRight : kAlignLeft);
    // Boxes keep to the side away from the data's start.
    EXPECT_EQ(right_to_left ? boxes[0].points[1].x : boxes[0].points[0].x,
              right_to_left ? 200 : 100);
  }
}

}  // namespace
}  // namespace quarrix
