#pragma once
// Print jobs: the document and its per-copy page loop over a QPrinter, so
// that "Print to PDF" and real printers behave alike.
#include <QString>
#include <vector>

#include "platform/plot_output.h"

class QPainter;
class QPrinter;
class QWidget;

namespace quarrix {

// The system print dialog; false when the user cancels. Copies asked for are
// left in printer.copyCount() for PrintPlot to loop over.
bool ChoosePrinter(QWidget* owner, QPrinter& printer);

// Starts a document with the given name on the printer; false when the
// printer cannot start one.
bool StartPrintJob(QPrinter& printer, QPainter& painter, const QString& document_name);

// One job of several pages, each drawn by its own function in printing mode;
// false when the job could not start.
bool PrintPages(QPrinter& printer, const QString& document_name,
                const std::vector<DrawPlot>& pages);

// One page per copy, each drawn by draw in printing mode at the printer's
// resolution; false when the job could not start.
bool PrintPlot(QPrinter& printer, const QString& document_name, int copies, const DrawPlot& draw);

}  // namespace quarrix
