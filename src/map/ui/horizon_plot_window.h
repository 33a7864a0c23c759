#pragma once
// The presentation horizon plot window ("HORIZON"): one grid of the project
// composed as a map for a meeting (contours, wells, faults, poly faults,
// culture, titles, scale), printed or saved exactly as it is shown, or turned
// in 3-D with the mouse. A thin shell over HorizonPlotState, its command table
// and DrawHorizonPlot, drawn by one PlotView.
#include <QMainWindow>
#include <any>
#include <functional>
#include <memory>

#include "map/horizon_plot_commands.h"
#include "map/ui/horizon_plot_dialogs.h"

class QDialog;
class QLabel;
class QPrinter;

namespace quarrix {

class CommandHost;
class PlotView;
class Prompter;
struct PrinterSettings;

// What the window is given by the program that opens it.
struct HorizonPlotContext {
  std::string header_path;       // the open project's header
  HorizonPlotSettings settings;  // from the user's settings
  PlotMapReaders readers;        // wells, DXF and poly faults
  ColourSets colour_sets;
  QRect placement;  // saved window placement; empty for the default
  PrinterSettings& printer;
  Prompter* prompter = nullptr;  // Qt dialogs over the window when null
  std::function<void(QWidget*)> show_help;
  // The colour file questions, owned by the horizon layer: time or amplitude
  // colour files as the plot is.
  std::function<bool(ColourBar&, std::string& name, bool amplitude, Prompter&)> open_colour_file;
  std::function<bool(ColourBar&, std::string& name, bool amplitude, Prompter&)> save_colour_file;
  // Writes closed outlines as a ".flp" file (owned by the fault layer).
  std::function<bool(const std::string& path, const std::vector<GridPolyline>&, Prompter&)>
      save_poly_faults;
};

class HorizonPlotWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit HorizonPlotWindow(HorizonPlotContext context, QWidget* parent = nullptr);
  ~HorizonPlotWindow() override;

  // The window's command dispatch over the "HORIZONM" numbers.
  void Dispatch(int command_id);
  // Plots a grid file of the project ("" amplitude false: its time grid).
  bool OpenGrid(const std::string& file_name, bool amplitude);
  // Prints the plot on a printer already chosen; false when nothing printed.
  bool PrintTo(QPrinter& printer, int copies);

  HorizonPlotState& state() { return state_; }
  PlotView* view() const { return view_; }
  CommandHost& commands() { return *commands_; }
  QLabel* status() const { return status_; }

  // Runs a modal dialog; tests replace it to fill in and accept dialogs.
  std::function<bool(QDialog&)> run_dialog;
  // Told at close with the settings to keep and the window's placement.
  std::function<void(const HorizonPlotSettings&, QRect)> on_close;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void WindowCommand(int id);
  void Replot();
  bool Reload(HorizonPlotRequest request);
  void ChooseTool();
  std::any DrawOn(Canvas& canvas, Rect page, Progress* progress);
  // The plot drawn on a page of that size in inches (files and printers).
  DrawPlot PageDrawing(double width_in, double height_in, Progress* progress);
  // The size of the plot on the screen, in inches.
  Point ScreenInches() const;
  std::string ProjectDir() const;
  void CommandOpenHorizon();
  void CommandOpenOther();
  void CommandImportDxf();
  void CommandProperties(const QString& page);
  void CommandScale();
  void CommandComments();
  void CommandZoom();
  void CommandSurface();
  void CommandPrint();
  void CommandSaveMetafile();
  void CommandSaveBitmap();
  void CommandOpenBitmap();
  void CommandColourFile(bool save);
  void CommandChangeColours();
  void CommandPolyFault(int id);
  void CommandSavePolyFault();

  HorizonPlotContext context_;
  HorizonPlotState state_;
  OverlayChoice overlays_;
  CommandHost* commands_;
  Prompter* prompter_;
  PlotView* view_;
  QLabel* status_;
  std::unique_ptr<InteractionTool> tool_;
};

}  // namespace quarrix
