#pragma once
// The presentation trace plot window: one section of the survey at true
// plotting scale, stepped through line by line, printed or saved exactly as
// it is shown. A thin shell over TracePlotDocument, its command table and
// the section renderers, drawn by one PlotView.
#include <QMainWindow>
#include <any>
#include <functional>
#include <memory>
#include <optional>

#include "section/trace_plot.h"
#include "section/ui/trace_plot_dialogs.h"

class QDialog;
class QLabel;
class QPrinter;
class QProgressBar;

namespace quarrix {

class CommandHost;
class PlotView;
class Prompter;
struct PrinterSettings;
struct ProjectState;

// What the window is given by the program that opens it.
struct TracePlotContext {
  ProjectState& project;
  SectionDisplay display;  // from the user's settings
  double max_defl = 2.0;
  PlotterSettings plotter;
  QRect placement;  // saved window placement; empty for the default
  PrinterSettings& printer;
  Prompter* prompter = nullptr;  // Qt dialogs over the window when null
  // Faults drawn over the section, made by the fault layer above this one.
  std::function<std::optional<SectionOverlay>(const std::string& path, Prompter&)> fault_overlay;
  std::function<void(QWidget*)> show_help;
  // The colour file questions, owned by the horizon layer: load a bar (true
  // when loaded) and save it under its name.
  std::function<bool(ColourBar&, std::string& name, Prompter&)> open_colour_file;
  std::function<bool(ColourBar&, std::string& name, Prompter&)> save_colour_file;
};

class TracePlotWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit TracePlotWindow(TracePlotContext context, QWidget* parent = nullptr);
  ~TracePlotWindow() override;

  // The window's command dispatch over the "TRACEM" numbers.
  void Dispatch(int command_id);
  // Prints the current plot, or with "&Automatic" the series, on a printer
  // already chosen; false when a job could not start.
  bool PrintTo(QPrinter& printer, int copies);

  TracePlotDocument& document() { return doc_; }
  PlotView* view() const { return view_; }
  CommandHost& commands() { return *commands_; }
  const PlotterSettings& plotter() const { return plotter_; }
  QLabel* status_part(int k) const { return status_[k]; }
  // The plot as the window draws it (for output and tests).
  const std::optional<SectionPlot>& plot() const { return plot_; }

  // Runs a modal dialog; tests replace it to fill in and accept dialogs.
  std::function<bool(QDialog&)> run_dialog;
  // Told at close with the state to keep and the window's placement.
  std::function<void(const TracePlotDocument&, const PlotterSettings&, QRect)> on_close;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void WindowCommand(int id);
  void Replot();
  std::optional<SectionPlot> AssemblePlot(const SectionDescription& section);
  std::any DrawPlotOn(const SectionPlot& plot, SectionMode mode, Canvas& canvas,
                      Progress* progress) const;
  void ShowReadout(double x, double y);
  void CommandSetup();
  void CommandSetLine();
  void CommandSetHorizons();
  void CommandComments();
  void CommandOverlayOptions();
  void CommandPlotter();
  void CommandPrint();
  void CommandSaveMetafile();
  void CommandSaveBitmap();
  void CommandOpenBitmap();
  void CommandProcess();
  void CommandBatchProcess();
  void CommandLoadColourFile();
  void CommandChangeColours();
  void CommandSaveColourFile();

  TracePlotContext context_;
  TracePlotDocument doc_;
  HorizonPlotChoice overlays_;
  PlotterSettings plotter_;
  std::optional<SectionPlot> plot_;
  std::string project_dir_;
  CommandHost* commands_;
  Prompter* prompter_;
  PlotView* view_;
  QLabel* status_[3];
  QProgressBar* progress_;
};

}  // namespace quarrix
