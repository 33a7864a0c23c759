// The horizon plot window's output, colour and poly-fault commands.
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPrinter>

#include "map/ui/horizon_plot_window.h"
#include "platform/paths.h"
#include "platform/plot_file_dialogs.h"
#include "platform/prompter.h"
#include "platform/ui/open_plot_bitmap.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/print_job.h"
#include "platform/ui/printer_settings.h"
#include "platform/ui/qt_plot_writer.h"
#include "platform/ui/qt_progress.h"
#include "section/colour_bar_edits.h"
#include "section/ui/section_dialogs.h"

namespace quarrix {

DrawPlot HorizonPlotWindow::PageDrawing(double width_in, double height_in, Progress* progress) {
  return [this, width_in, height_in, progress](Canvas& canvas) {
    const DeviceInfo device = canvas.Device();
    DrawOn(canvas, {0, 0, width_in * device.ppi_x, height_in * device.ppi_y}, progress);
  };
}

Point HorizonPlotWindow::ScreenInches() const {
  const DeviceInfo screen = view_->device();
  return {view_->image().width() / screen.ppi_x, view_->image().height() / screen.ppi_y};
}

bool HorizonPlotWindow::PrintTo(QPrinter& printer, int copies) {
  if (!state_.document) return false;
  const QRectF inches = printer.pageLayout().paintRect(QPageLayout::Inch);
  QtProgress progress(this, "Plotting");
  return PrintPlot(printer, "Horizon Plot", std::max(1, copies),
                   PageDrawing(inches.width(), inches.height(), &progress));
}

void HorizonPlotWindow::CommandPrint() {
  if (!state_.document || !GetPrinter(this, context_.printer)) return;
  PrintTo(context_.printer.printer, context_.printer.copies);
}

void HorizonPlotWindow::CommandSaveMetafile() {
  if (!state_.document) return;
  auto path = ChooseMetafileName(*prompter_, ProjectDir());
  if (!path) return;
  const Point inches = ScreenInches();
  const PlotPage page = HorizonPlotPage(*state_.document, inches.x, inches.y, 96);
  SavePlotTellingUser(*path, page, PageDrawing(inches.x, inches.y, nullptr), nullptr, *prompter_);
}

void HorizonPlotWindow::CommandSaveBitmap() {
  if (!state_.document) return;
  auto path = ChooseBitmapToSave(*prompter_, ProjectDir());
  if (!path) return;
  // The bitmap has the plot's size on the screen.
  const Point inches = ScreenInches();
  const DeviceInfo screen = view_->device();
  const PlotPage page =
      HorizonPlotPage(*state_.document, inches.x, inches.y, static_cast<int>(screen.ppi_x));
  QtPlotWriter writer;
  SavePlotTellingUser(*path, page, PageDrawing(inches.x, inches.y, nullptr), &writer, *prompter_);
}

void HorizonPlotWindow::CommandOpenBitmap() {
  OpenPlotBitmap(*view_, *prompter_, ProjectDir());
}

void HorizonPlotWindow::CommandColourFile(bool save) {
  if (!state_.document) return;
  HorizonPlotData& data = state_.document->data;
  auto& ask = save ? context_.save_colour_file : context_.open_colour_file;
  if (ask && ask(data.bar, data.colour_name, data.amplitude, *prompter_) && !save) Replot();
}

void HorizonPlotWindow::CommandChangeColours() {
  if (!state_.document) return;
  HorizonPlotDocument& doc = *state_.document;
  ColourScanSource source;
  source.owner = ColourBarOwner::HorizonPlot;
  source.scan = [&doc]() { return ScanGridMinMax({doc.grid.cells.data(), doc.grid.cells.size()}); };
  if (ChangeColours(this, doc.data.bar, source)) Replot();
}

void HorizonPlotWindow::CommandPolyFault(int id) {
  using namespace horizon_plot_command;
  if (!state_.document) return;
  state_.poly_faults = {};
  if (id != kCreatePolyFault) {
    std::string problem;
    if (!context_.readers.poly_faults ||
        !context_.readers.poly_faults(state_.poly_fault_path, state_.poly_faults.closed, problem)) {
      state_.poly_faults = {};
      prompter_->Tell("Cannot Open POLY FAULT File", "Warning", MessageIcon::Warning);
    }
  }
  // Creating starts an empty set in memory; the file is written on Save, so
  // an existing file is not emptied before the user saves.
  state_.poly_mode = id == kShowPolyFault ? PolyFaultMode::Showing : PolyFaultMode::Digitising;
  status_->setText(state_.poly_mode == PolyFaultMode::Digitising
                       ? "Click the outline; click its first point, Ctrl+click or Esc closes it"
                       : "");
  Replot();
}

void HorizonPlotWindow::CommandSavePolyFault() {
  if (!state_.document || state_.poly_mode == PolyFaultMode::Off) return;
  state_.poly_faults.Close();
  if (!context_.save_poly_faults ||
      !context_.save_poly_faults(state_.poly_fault_path, state_.poly_faults.closed, *prompter_))
    return;
  state_.poly_mode = PolyFaultMode::Off;
  state_.document->data.poly_faults = state_.poly_faults.closed;
  status_->setText(QString::fromStdString("Saved " + state_.poly_fault_path));
  Replot();
}

void HorizonPlotWindow::closeEvent(QCloseEvent* event) {
  view_->CancelDrawing();
  if (on_close) on_close(state_.settings, normalGeometry());
  event->accept();
}

}  // namespace quarrix
