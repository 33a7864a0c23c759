#pragma once
// Plot files drawn through QPainter: PNG (QImage), PDF (QPrinter) and SVG
// (QSvgGenerator), and the off-screen rendering behind saved bitmaps.
#include "platform/plot_output.h"

class QImage;

namespace quarrix {

class QtPlotWriter : public RasterPlotWriter {
 public:
  bool WritePlot(const std::string& path, const PlotPage& page, const DrawPlot& draw,
                 std::string& error) override;
  bool RenderIndexed(const PlotPage& page, const DrawPlot& draw, IndexedImage& image,
                     std::string& error) override;
};

// The plot drawn on a white image of the page size at the page's resolution.
QImage RenderPlotImage(const PlotPage& page, const DrawPlot& draw);

}  // namespace quarrix
