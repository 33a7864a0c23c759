// Sections of the synthetic survey rendered by Qt: the pixels a user sees.
#include <gtest/gtest.h>

#include <QImage>

#include "../section_test_survey.h"
#include "platform/ui/qt_plot_writer.h"
#include "section/section_render.h"

namespace quarrix {
namespace {

using testing::TestSurvey;

struct Rendered {
  QImage image;
  SectionLayout layout;
};

Rendered Render(SectionMode mode, int polarity) {
  testing::OpenTestSurvey survey(3, 20);
  SectionPlot plot;
  plot.section.line_number = 11;
  plot.section.end_ms = 400;
  plot.display.polarity = polarity;
  plot.display.tpi = 6;  // 16 pixels between traces, full scale swings 16
  plot.display.gain = 10;
  plot.display.ips = 10;  // 3.84 pixels between samples
  plot.display.ovtrwidth = plot.display.ovlabwidth = 0;
  PlotPage page;
  page.dpi = 96;
  const DeviceInfo device{.ppi_x = 96, .ppi_y = 96, .printing = true};
  Rendered r;
  r.layout = PlanSection(survey.project.header, plot, device, mode);
  page.width_in = r.layout.width / 96;
  page.height_in = r.layout.height / 96;
  SectionSource source = survey.Source();
  r.image = RenderPlotImage(page, [&](Canvas& canvas) {
    if (mode == SectionMode::Colour)
      DrawColourSection(canvas, source, plot);
    else
      DrawWiggleSection(canvas, source, plot);
  });
  return r;
}

TEST(SectionImage, WiggleFillsThePositiveLobesOfEitherPolarity) {
  for (int polarity : {1, -1}) {
    Rendered r = Render(SectionMode::Wiggle, polarity);
    const int x = static_cast<int>(r.layout.ColumnX(6)) + 3;
    const int peak = TestSurvey::EventSample(1, 6);
    auto gray = [&](int sample) {
      return qGray(r.image.pixel(x, static_cast<int>(r.layout.RowY(sample))));
    };
    // The peak (30000) swings 14 pixels; its side lobe four samples later
    // (-13000) swings 6 the other way.
    EXPECT_EQ(gray(peak), polarity > 0 ? 0 : 255) << "peak, polarity " << polarity;
    EXPECT_EQ(gray(peak + 4), polarity > 0 ? 255 : 0) << "side lobe, polarity " << polarity;
  }
}

TEST(SectionImage, ColourDensityShowsTheBarColours) {
  Rendered r = Render(SectionMode::Colour, 1);
  const int x = static_cast<int>(r.layout.ColumnX(6));
  const int peak = static_cast<int>(r.layout.RowY(TestSurvey::EventSample(1, 6)) + 1);
  EXPECT_EQ(r.image.pixel(x, peak) & 0xFFFFFF, 0x0000FFu) << "30000: the top band, blue";
  const int quiet = static_cast<int>(r.layout.RowY(10) + 1);
  EXPECT_EQ(r.image.pixel(x + 1, quiet) & 0xFFFFFF, 0xFFFFFFu) << "zero: white";
}

}  // namespace
}  // namespace quarrix
