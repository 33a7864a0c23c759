#include "platform/plot_output.h"

#include <cmath>
#include <filesystem>

#include "platform/bmp_file.h"
#include "platform/numeric.h"
#include "platform/text_util.h"
#include "platform/wmf_canvas.h"

namespace quarrix {

PlotFormat PlotFormatOf(const std::string& path) {
  std::string extension = ToLower(std::filesystem::path(path).extension().string());
  if (extension == ".wmf" || extension == ".emf") return PlotFormat::Metafile;
  if (extension == ".bmp") return PlotFormat::Bitmap;
  if (extension == ".png") return PlotFormat::Png;
  if (extension == ".pdf") return PlotFormat::Pdf;
  if (extension == ".svg") return PlotFormat::Svg;
  return PlotFormat::Unknown;
}

bool SavePlot(const std::string& path, const PlotPage& page, const DrawPlot& draw,
              RasterPlotWriter* raster, std::string& error) {
  switch (PlotFormatOf(path)) {
    case PlotFormat::Metafile: {
      WmfCanvas canvas(Trunc32(std::ceil(page.width_in * kMetafileUnitsPerInch)),
                       Trunc32(std::ceil(page.height_in * kMetafileUnitsPerInch)));
      draw(canvas);
      if (SaveMetafile(path, canvas)) return true;
      error = "Cannot write metafile " + path;
      return false;
    }
    case PlotFormat::Bitmap: {
      IndexedImage image;
      if (!raster) {
        error = "Bitmap output needs the Qt build";
        return false;
      }
      if (raster->RenderIndexed(page, draw, image, error) && WriteBitmapFile(path, image, page.dpi))
        return true;
      error = "Error Generating BMP File";
      return false;
    }
    case PlotFormat::Png:
    case PlotFormat::Pdf:
    case PlotFormat::Svg:
      if (raster) return raster->WritePlot(path, page, draw, error);
      error = "PNG, PDF and SVG output need the Qt build";
      return false;
    case PlotFormat::Unknown: break;
  }
  error = "Unknown plot file type: " + path + " (use .png, .bmp, .wmf, .emf, .pdf or .svg)";
  return false;
}

std::uint8_t NearestPaletteIndex(const std::vector<Rgb>& palette, Rgb c) {
  int best = 0;
  long best_distance = -1;
  for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
    long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    long distance = dr * dr + dg * dg + db * db;
    if (best_distance < 0 || distance < best_distance) {
      best_distance = distance;
      best = static_cast<int>(i);
      if (distance == 0) break;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace quarrix
