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

bool PrintPlot(QPrinter& printer, const QString& document_name, int copies, const DrawPlot& draw) {
  // The copies are our own pages, so the device must not repeat them.
  printer.setCopyCount(1);
  QPainter painter;
  if (!StartPrintJob(printer, painter, document_name)) return false;
  DeviceInfo device;
  device.ppi_x = printer.logicalDpiX();
  device.ppi_y = printer.logicalDpiY();
  device.printing = true;
  for (int copy = 0; copy < std::max(1, copies); ++copy) {
    if (copy > 0) printer.newPage();
    QtCanvas canvas(painter, device);
    draw(canvas);
  }
  return painter.end();
}

}  // namespace quarrix
