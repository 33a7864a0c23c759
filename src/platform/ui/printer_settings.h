#pragma once
// The printer settings every plot window shares for the life of the program:
// the chosen printer and page set-up, the copy count and the page-range choice.
#include <QPrinter>

class QWidget;

namespace quarrix {

struct PrinterSettings {
  QPrinter printer{QPrinter::HighResolution};
  int copies = 1;
  bool all_pages = true;
};

// "Print Setup": the page set-up dialog over the stored printer; false on Cancel.
bool PrinterSetup(QWidget* owner, PrinterSettings& settings);
// The print dialog with copies and page range (the selection preset); stores
// the copy count and whether all pages were asked for. False on Cancel.
bool GetPrinter(QWidget* owner, PrinterSettings& settings);

}  // namespace quarrix
