#pragma once
// Saving a plot to a file: one drawing routine, any device. Placeable
// metafiles are written here; raster images, PDF and SVG need a
// RasterPlotWriter (the Qt one), and bitmaps are rendered by it and written
// here as 8-bit RLE8 files with the plot's palette.
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quarrix {

struct PlotPage {
  double width_in = 8.5, height_in = 11;  // the plot's size on paper
  int dpi = 300;                          // resolution of raster and PDF output
  int copies = 1;                         // pages of a PDF
  std::string document_name = "Trace Plot";
  std::vector<Rgb> palette;  // bitmap colours; others map to the nearest
};

using DrawPlot = std::function<void(Canvas&)>;

class RasterPlotWriter {
 public:
  virtual ~RasterPlotWriter() = default;
  // PNG, PDF or SVG by the path's extension.
  virtual bool WritePlot(const std::string& path, const PlotPage& page, const DrawPlot& draw,
                         std::string& error) = 0;
  // The plot rendered off screen and mapped onto the page's palette.
  virtual bool RenderIndexed(const PlotPage& page, const DrawPlot& draw, IndexedImage& image,
                             std::string& error) = 0;
};

enum class PlotFormat { Metafile, Bitmap, Png, Pdf, Svg, Unknown };

// By extension, without regard to case: ".wmf" and ".emf" are both placeable
// metafiles.
PlotFormat PlotFormatOf(const std::string& path);

// Draws the plot onto the device its path asks for and writes the file;
// false with a message in error on failure.
bool SavePlot(const std::string& path, const PlotPage& page, const DrawPlot& draw,
              RasterPlotWriter* raster, std::string& error);

// Index of the palette colour nearest to c (squared RGB distance).
std::uint8_t NearestPaletteIndex(const std::vector<Rgb>& palette, Rgb c);

}  // namespace quarrix
