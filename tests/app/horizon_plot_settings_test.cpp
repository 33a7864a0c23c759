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

}  // namespace
}  // namespace quarrix
