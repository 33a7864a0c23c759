#include "platform/ui/qt_plot_writer.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>
#include <cmath>

#include "platform/numeric.h"
#include "platform/safe_write.h"
#include "platform/ui/print_job.h"
#include "platform/ui/qt_canvas.h"

namespace quarrix {
namespace {

QSize PixelSize(const PlotPage& page) {
  return QSize(std::max(1, Trunc32(std::ceil(page.width_in * page.dpi))),
               std::max(1, Trunc32(std::ceil(page.height_in * page.dpi))));
}

DeviceInfo PageDevice(const PlotPage& page) {
  DeviceInfo device;
  device.ppi_x = device.ppi_y = page.dpi;
  device.printing = true;
  return device;
}

// Every plot file is made whole in memory (or, for PDF, in a private
// temporary) and then written through a temporary and a rename, so a full disk
// leaves the old file or none and is reported.
bool WriteWhole(const std::string& path, const QByteArray& bytes, std::string& error) {
  return WriteFileSafely(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &error);
}

bool WritePdf(const std::string& path, const PlotPage& page, const DrawPlot& draw,
              std::string& error) {
  // QPrinter writes only to a file: it prints into a private temporary whose
  // complete bytes (ending in the PDF trailer) are then written in place.
  const std::string temporary = UniqueTemporaryPath(path, ".tmp~");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(temporary));
  printer.setResolution(page.dpi);
  printer.setFullPage(true);
  printer.setPageSize(QPageSize(QSizeF(page.width_in, page.height_in), QPageSize::Inch, QString(),
                                QPageSize::ExactMatch));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  const bool printed =
      PrintPlot(printer, QString::fromStdString(page.document_name), page.copies, draw);
  QFile file(QString::fromStdString(temporary));
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  file.close();
  file.remove();
  if (!printed || !bytes.trimmed().endsWith("%%EOF")) {
    error = "Cannot write PDF file " + path;
    return false;
  }
  return WriteWhole(path, bytes, error);
}

bool WriteSvg(const std::string& path, const PlotPage& page, const DrawPlot& draw,
              std::string& error) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(PixelSize(page));
  generator.setViewBox(QRect(QPoint(0, 0), PixelSize(page)));
  generator.setResolution(page.dpi);
  generator.setTitle(QString::fromStdString(page.document_name));
  QPainter painter;
  if (!painter.begin(&generator)) {
    error = "Cannot write SVG file " + path;
    return false;
  }
  {
    QtCanvas canvas(painter, PageDevice(page));
    draw(canvas);
  }
  if (!painter.end()) {
    error = "Cannot write SVG file " + path;
    return false;
  }
  return WriteWhole(path, buffer.data(), error);
}

bool WritePng(const std::string& path, const PlotPage& page, const DrawPlot& draw,
              std::string& error) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!RenderPlotImage(page, draw).save(&buffer, "PNG")) {
    error = "Cannot write PNG file " + path;
    return false;
  }
  return WriteWhole(path, buffer.data(), error);
}

}  // namespace

QImage RenderPlotImage(const PlotPage& page, const DrawPlot& draw) {
  QImage image(PixelSize(page), QImage::Format_RGB32);
  const int dots_per_metre = static_cast<int>(std::lround(page.dpi / 0.0254));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, PageDevice(page));
  draw(canvas);
  return image;
}

bool QtPlotWriter::WritePlot(const std::string& path, const PlotPage& page, const DrawPlot& draw,
                             std::string& error) {
  switch (PlotFormatOf(path)) {
    case PlotFormat::Pdf: return WritePdf(path, page, draw, error);
    case PlotFormat::Svg: return WriteSvg(path, page, draw, error);
    case PlotFormat::Png: return WritePng(path, page, draw, error);
    default: error = "Not a PNG, PDF or SVG file name: " + path; return false;
  }
}

bool QtPlotWriter::RenderIndexed(const PlotPage& page, const DrawPlot& draw, IndexedImage& image,
                                 std::string& error) {
  if (page.palette.empty() || page.palette.size() > 256) {
    error = "A bitmap needs a palette of 1 to 256 colours";
    return false;
  }
  QImage rgb = RenderPlotImage(page, draw);
  image = IndexedImage(rgb.width(), rgb.height());
  image.palette = page.palette;
  QHash<QRgb, std::uint8_t> nearest;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::uint8_t* out = image.Row(y);
    for (int x = 0; x < rgb.width(); ++x) {
      auto found = nearest.constFind(line[x]);
      if (found == nearest.constEnd()) {
        Rgb c{static_cast<std::uint8_t>(qRed(line[x])), static_cast<std::uint8_t>(qGreen(line[x])),
              static_cast<std::uint8_t>(qBlue(line[x]))};
        found = nearest.insert(line[x], NearestPaletteIndex(page.palette, c));
      }
      out[x] = *found;
    }
  }
  return true;
}

}  // namespace quarrix
