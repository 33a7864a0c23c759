#pragma once
// A section plot drawn as a plot window draws it at 96 pixels per inch: into
// an image of the whole plot (as printing and saving draw it), or of the part
// a window of a given size shows from the plot's top left, which is all the
// window draws.
#include <QImage>
#include <QPainter>
#include <QSize>
#include <optional>

#include "platform/ui/qt_canvas.h"
#include "section/trace_plot.h"

namespace quarrix::bench {

inline QImage DrawForScreen(const SectionSource& source, const SectionPlot& plot, SectionMode mode,
                            std::optional<QSize> window = std::nullopt) {
  DeviceInfo screen{.ppi_x = 96, .ppi_y = 96};
  const SectionLayout layout = PlanSection(source.header, plot, screen, mode);
  QSize size(static_cast<int>(layout.width), static_cast<int>(layout.height));
  if (window) {
    size = size.boundedTo(*window);
    screen.exposed = Rect{0, 0, double(size.width()), double(size.height())};
  }
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, screen);
  DrawTracePlot(canvas, source, plot, mode, nullptr);
  return image;
}

}  // namespace quarrix::bench
