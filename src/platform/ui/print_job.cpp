#include "platform/ui/print_job.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/ui/qt_canvas.h"

namespace quarrix {

bool ChoosePrinter(QWidget* owner, QPrinter& printer) {
  QPrintDialog dialog(&printer, owner);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setPrintRange(QAbstractPrintDialog::Selection);
  return dialog.exec() == QDialog::Accepted;
}

bool StartPrintJob(QPrinter& printer, QPainter& painter, const QString& document_name) {
  printer.setDocName(document_name);
  return painter.begin(&printer);
}

bool PrintPages(QPrinter& printer, const QString& document_name,
                const std::vector<DrawPlot>& pages) {
  // Copies are pages of their own, so the device must not repeat them.
  printer.setCopyCount(1);
  QPainter painter;
  if (!StartPrintJob(printer, painter, document_name)) return false;
  DeviceInfo device;
  device.ppi_x = printer.logicalDpiX();
  device.ppi_y = printer.logicalDpiY();
  device.printing = true;
  for (std::size_t k = 0; k < pages.size(); ++k) {
    if (k > 0) printer.newPage();
    QtCanvas canvas(painter, device);
    pages[k](canvas);
  }
  return painter.end();
}

bool PrintPlot(QPrinter& printer, const QString& document_name, int copies, const DrawPlot& draw) {
  return PrintPages(printer, document_name,
                    std::vector<DrawPlot>(static_cast<std::size_t>(std::max(1, copies)), draw));
}

}  // namespace quarrix
