#pragma once
// The interpretation program's main frame: the main menu, its command
// dispatch, the accelerators forwarded to the pick/edit frame, and the project
// open and close operations.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "app/session.h"
#include "horizon/flattening.h"
#include "platform/command_table.h"
#include "platform/ui/printer_settings.h"

class QAction;
class QDialog;

namespace quarrix {

class CommandHost;
class ImportExportWindow;
class WorkspaceFrame;
class Prompter;
class TracePlotWindow;
class HorizonPlotWindow;
class ScanContourWindow;

class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // prompter: where messages and file dialogs go (the Qt dialogs when null).
  explicit MainFrame(Session& session, Prompter* prompter = nullptr, QWidget* parent = nullptr);
  ~MainFrame() override;

  // The frame's command dispatch over the main menu's identifiers.
  void Dispatch(int command_id);
  CommandHost& commands() { return *commands_; }
  // Opens the project of a header file; false (after telling the user) on failure.
  bool OpenProjectFile(const QString& header_path);

  QAction* action(int command_id) const;
  // The pick-edit workspace while it is open.
  WorkspaceFrame* pick_edit_frame() const;
  // The presentation trace plot while it is open.
  TracePlotWindow* trace_plot() const;
  HorizonPlotWindow* horizon_plot() const;
  // The Scan/Contour window while it is open.
  ScanContourWindow* scan_contour() const;
  // The printer settings shared by every plot window.
  PrinterSettings& printer_settings() { return printer_settings_; }
  // Runs a modal dialog; tests replace it to fill in and accept dialogs.
  std::function<bool(QDialog&)> run_dialog;
  // The texts of the placeholders shown for windows not built yet (for tests).
  std::function<void(const QString&)> show_placeholder;
  // Tests drive the modal Import/Export window here instead of waiting on it.
  std::function<void(ImportExportWindow&)> drive_import_export;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CommandTable CommandTableOfMenu();
  void BuildAccelerators();
  void RebuildRecentMenu();
  void SetCaption();
  bool RequireHeader();
  bool RequireTraceFile();
  // Closes the pick-edit workspace now, its windows with it.
  void CloseWorkspaceFrame();

  void CommandOpen();
  void CommandOpenAmpFile();
  void CommandClose();
  void CommandSaveHeader();
  void CommandCreateAmpFile();
  void CommandCreateXyFile();
  void CommandSetupHeader();
  void CommandMonitor();
  void CommandDataLoading();
  void CommandWell(bool open_existing);
  void CommandImportExport();
  void CommandMath();
  void CommandTracePlot();
  void CommandHorizonPlot();
  void CommandPickEdit();
  void CommandScanContour();
  void CommandTimeSlices();
  void CommandHelp();
  void CommandAbout();

  Session& session_;
  CommandHost* commands_;
  Prompter* prompter_;
  QMenu* recent_menu_ = nullptr;
  QPointer<WorkspaceFrame> pick_frame_;
  FlattenTable slice_flatten_;  // for time slices made without the workspace
  QPointer<TracePlotWindow> trace_plot_;
  QPointer<HorizonPlotWindow> horizon_plot_;
  QPointer<ScanContourWindow> scan_contour_;
  bool trace_file_menu_enabled_ = false;
  PrinterSettings printer_settings_;
};

}  // namespace quarrix
