#include "app/horizon_plot_settings.h"

#include <gtest/gtest.h>

namespace quarrix {
namespace {

TEST(HorizonPlotSettingsTest, TheCameraAndPlotChoicesComeFromAndGoBackToTheSettings) {
  SetupSettings s;
  s.camdist = 9000, s.camazi = 120, s.camelev = 2, s.zscale = 1.5;
  s.solid = 0, s.fishnet = 0, s.colfishnet = 1;
  s.pscale = 2500, s.gridlineinc = 5, s.labtrcinc = 20, s.curve = 3, s.curve1 = 9;
  HorizonPlotSettings plot = HorizonPlotSettingsFromSettings(s);
  EXPECT_EQ(plot.camera.distance, 9000);
  EXPECT_EQ(plot.camera.azimuth, 120);
  EXPECT_EQ(plot.camera.elevation, 5) << "kept above the horizon";
  EXPECT_EQ(plot.camera.z_scale, 1.5);
  EXPECT_FALSE(plot.camera.solid);
  EXPECT_TRUE(plot.camera.fishnet && plot.camera.colour_fishnet);
  EXPECT_EQ(plot.scale_feet_per_inch, 2500);
  EXPECT_EQ(plot.grid_line_increment, 5);
  EXPECT_EQ(plot.label_trace_increment, 20);
  EXPECT_EQ(plot.contour_curve, CurveSmoothing::Medium);
  EXPECT_EQ(plot.other_curve, CurveSmoothing::Heavy);

  plot.camera.azimuth = 33.5, plot.camera.elevation = 61, plot.camera.distance = 4000;
  plot.camera.solid = true, plot.camera.fishnet = false, plot.camera.colour_fishnet = false;
  plot.scale_feet_per_inch = 0;
  StoreHorizonPlotSettings(plot, s);
  EXPECT_EQ(s.camazi, 33.5);
  EXPECT_EQ(s.camelev, 61);
  EXPECT_EQ(s.camdist, 4000);
  EXPECT_EQ(s.solid, 1);
  EXPECT_EQ(s.fishnet + s.colfishnet, 0);
  EXPECT_EQ(s.pscale, 0);
  EXPECT_EQ(s.curve1, 4);
}

TEST(HorizonPlotSettingsTest, LineRowsWellColourAndDxfOptionsGoToTheSettingsAndComeBack) {
  // A settings file the plot never wrote keeps the contour classes the bar
  // gives (all off here), not a line at every value.
  SetupSettings fresh;
  EXPECT_EQ(HorizonPlotSettingsFromSettings(fresh).classes[0].every, 0);

  HorizonPlotSettings plot;
  plot.classes[0] = {25, false, 1, 2, 0x00FF00};
  plot.classes[2] = {100, true, 3, 1, 0x0000FF};
  plot.fault_style = {PenStyle::DashDot, 4, {10, 20, 30}};
  plot.grid_style = {PenStyle::Dot, 2, {1, 2, 3}};
  plot.well_style.symbol_colour = {200, 100, 50};
  plot.culture.line = {PenStyle::Dash, 3, {0, 128, 0}};
  plot.culture.text_colour = {128, 0, 128};
  plot.culture.text_scale = 1.5;
  SetupSettings s;
  StoreHorizonPlotSettings(plot, s);
  EXPECT_EQ(s.freq[2], 100);
  EXPECT_EQ(s.linecolor[0], 0x00FF00);
  EXPECT_EQ(s.linecolor[5], 10 | 20 << 8 | 30 << 16);
  EXPECT_EQ(s.linestyle[5], 3);
  EXPECT_EQ(s.wellcolor, 200 | 100 << 8 | 50 << 16);

  const HorizonPlotSettings back = HorizonPlotSettingsFromSettings(s);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(back.classes[k].every, plot.classes[k].every) << k;
    EXPECT_EQ(back.classes[k].label, plot.classes[k].label) << k;
    EXPECT_EQ(back.classes[k].style, plot.classes[k].style) << k;
    EXPECT_EQ(back.classes[k].colour, plot.classes[k].colour) << k;
  }
  EXPECT_EQ(back.classes[2].width, 3);
  EXPECT_EQ(back.fault_style.style, PenStyle::DashDot);
  EXPECT_EQ(back.fault_style.width, 4);
  EXPECT_EQ(back.fault_style.colour, (Rgb{10, 20, 30}));
  EXPECT_EQ(back.grid_style.colour, (Rgb{1, 2, 3}));
  EXPECT_EQ(back.well_style.symbol_colour, (Rgb{200, 100, 50}));
  EXPECT_EQ(back.culture.line.style, PenStyle::Dash);
  EXPECT_EQ(back.culture.line.width, 3);
  EXPECT_EQ(back.culture.line.colour, (Rgb{0, 128, 0}));
  EXPECT_EQ(back.culture.text_colour, (Rgb{128, 0, 128}));
  EXPECT_FLOAT_EQ(static_cast<float>(back.culture.text_scale), 1.5f);
}

}  // namespace
}  // namespace quarrix
