#include "platform/ui/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "../graphics_test_support.h"
#include "platform/bmp_file.h"
#include "platform/plot_output.h"
#include "platform/ui/qt_plot_writer.h"
#include "platform/wmf_canvas.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

using testing::RunCommand;

// A one-inch page at 100 dpi: a black box, a red line and some text.
void DrawSample(Canvas& c) {
  c.SetBrush(kStockBlackBrush);
  c.SetPen({PenStyle::Null, 0, kBlack});
  c.Rectangle({10, 10, 40, 40});
  c.SetPen({PenStyle::Solid, 3, {255, 0, 0}});
  c.Line({50, 80}, {95, 80});
  c.SetFont({"Arial", 14, 400, 0});
  c.Text({90, 60}, "12", kAlignRight | kAlignBaseline);
}

PlotPage OneInchPage() {
  PlotPage page;
  page.width_in = page.height_in = 1;
  page.dpi = 100;
  page.palette = {kWhite, kBlack, {255, 0, 0}};
  return page;
}

int NonWhitePixels(const QImage& image, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++count;
  return count;
}

TEST(QtCanvas, DrawsPrimitivesAtDevicePositions) {
  QImage image = RenderPlotImage(OneInchPage(), DrawSample);
  ASSERT_EQ(image.size(), QSize(100, 100));
  EXPECT_EQ(image.pixel(25, 25) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(image.pixel(70, 80) & 0xFFFFFF, 0xFF0000u);
  // Right-aligned text ends at its x.
  EXPECT_GT(NonWhitePixels(image, QRect(70, 45, 20, 16)), 10);
  EXPECT_EQ(NonWhitePixels(image, QRect(91, 45, 9, 16)), 0);
}

TEST(QtCanvas, StretchesIndexedImagesWithoutSmoothing) {
  IndexedImage image(2, 1);
  image.palette = {{0, 0, 255}, {255, 255, 0}};
  image.Row(0)[1] = 1;
  PlotPage page = OneInchPage();
  QImage out = RenderPlotImage(page, [&](Canvas& c) { c.StretchImage(image, {0, 0, 100, 50}); });
  EXPECT_EQ(out.pixel(49, 10) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(out.pixel(50, 10) & 0xFFFFFF, 0xFFFF00u);
  EXPECT_EQ(out.pixel(50, 60) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(PlotOutput, ThreeCopiesMakeAThreePagePdf) {
  if (!testing::HaveProgram("pdfinfo")) GTEST_SKIP() << "pdfinfo (poppler-utils) not installed";
  testing::TempFolder folder;
  PlotPage page = OneInchPage();
  page.copies = 3;
  QtPlotWriter writer;
  std::string error;
  ASSERT_TRUE(SavePlot(folder.File("plot.pdf"), page, DrawSample, &writer, error)) << error;
  std::string info;
  ASSERT_EQ(RunCommand("pdfinfo '" + folder.File("plot.pdf") + "'", info), 0) << info;
  std::erase(info, ' ');
  EXPECT_NE(info.find("Pages:3\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Pagesize:72x72pts"), std::string::npos) << info;  // one inch square
}

TEST(PlotOutput, AFullDiskFailsEveryFormatAndLeavesTheOldPlot) {
  testing::TempFolder folder;
  QtPlotWriter writer;
  for (const char* name : {"plot.png", "plot.pdf", "plot.svg", "plot.bmp", "plot.wmf"}) {
    const std::string path = folder.File(name);
    testing::WriteFileBytes(path, "the old plot");
    for (WriteStep step : {WriteStep::Write, WriteStep::Close, WriteStep::Rename}) {
      testing::FailingWrites fail(step, 1);
      std::string error;
      EXPECT_FALSE(SavePlot(path, OneInchPage(), DrawSample, &writer, error)) << name;
      EXPECT_FALSE(error.empty()) << name;
    }
    EXPECT_EQ(testing::ReadFileBytes(path), "the old plot") << name;
    std::string error;
    ASSERT_TRUE(SavePlot(path, OneInchPage(), DrawSample, &writer, error)) << error;
    EXPECT_GT(testing::ReadFileBytes(path).size(), 100u) << name;
  }
  EXPECT_EQ(testing::ListFolder(folder.path()).size(), 5u) << "temporaries were left";
}

TEST(PlotOutput, BitmapsUseThePlotPalette) {
  testing::TempFolder folder;
  QtPlotWriter writer;
  std::string error;
  ASSERT_TRUE(SavePlot(folder.File("plot.BMP"), OneInchPage(), DrawSample, &writer, error))
      << error;
  Bitmap bitmap;
  ASSERT_TRUE(ReadBitmapFile(folder.File("plot.BMP"), bitmap, error)) << error;
  EXPECT_EQ(bitmap.indexed.palette, OneInchPage().palette);
  EXPECT_EQ(bitmap.indexed.At(25, 25), 1);
  EXPECT_EQ(bitmap.indexed.At(70, 80), 2);
  EXPECT_EQ(testing::ReadFileBytes(folder.File("plot.BMP")).substr(30, 1), "\x01") << "RLE8";
}

TEST(PlotOutput, MetafileConvertedByWmf2svgShowsTheDrawing) {
  if (!testing::HaveProgram("wmf2svg")) GTEST_SKIP() << "wmf2svg (libwmf-bin) not installed";
  testing::TempFolder folder;
  std::string error, output;
  ASSERT_TRUE(SavePlot(folder.File("plot.emf"), OneInchPage(), DrawSample, nullptr, error));
  ASSERT_EQ(
      RunCommand("wmf2svg -o '" + folder.File("plot.svg") + "' '" + folder.File("plot.emf") + "'",
                 output),
      0)
      << output;
  QSvgRenderer svg(QString::fromStdString(folder.File("plot.svg")));
  ASSERT_TRUE(svg.isValid());
  QImage image(96, 96, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  svg.render(&painter);
  painter.end();
  // The black box covers about 30x30 of 96 units, the line and text a little more.
  int inked = NonWhitePixels(image, image.rect());
  EXPECT_GT(inked, 700);
  EXPECT_LT(inked, 2000);
}

TEST(PlotOutput, UnknownExtensionsAndMissingQtAreReported) {
  std::string error;
  EXPECT_FALSE(SavePlot("/tmp/plot.xyz", OneInchPage(), DrawSample, nullptr, error));
  EXPECT_NE(error.find("Unknown plot file type"), std::string::npos);
  EXPECT_FALSE(SavePlot("/tmp/plot.png", OneInchPage(), DrawSample, nullptr, error));
  EXPECT_EQ(PlotFormatOf("A.WMF"), PlotFormat::Metafile);
}

}  // namespace
}  // namespace quarrix
