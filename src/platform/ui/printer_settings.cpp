#include "platform/ui/printer_settings.h"

#include <QPageSetupDialog>
#include <QPrintDialog>

namespace quarrix {

bool PrinterSetup(QWidget* owner, PrinterSettings& settings) {
  QPageSetupDialog dialog(&settings.printer, owner);
  return dialog.exec() == QDialog::Accepted;
}

bool GetPrinter(QWidget* owner, PrinterSettings& settings) {
  QPrintDialog dialog(&settings.printer, owner);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setPrintRange(QAbstractPrintDialog::Selection);
  if (dialog.exec() != QDialog::Accepted) return false;
  settings.copies = settings.printer.copyCount() > 0 ? settings.printer.copyCount() : 1;
  settings.all_pages = dialog.printRange() == QAbstractPrintDialog::AllPages;
  return true;
}

}  // namespace quarrix
