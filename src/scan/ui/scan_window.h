#pragma once
// The Scan/Contour window: a scanned paper contour map in a PlotView, with
// the "MAP" menu built from the core command table, the digitising tool, the
// modeless "Select Corners" box and a status line. The colour scheme, map
// options and wells are chosen with the map windows' shared dialogs.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "horizon/colour_files.h"
#include "map/ui/map_choices.h"
#include "scan/scan_commands.h"
#include "scan/scan_document.h"

class QDialog;
class QLabel;

namespace quarrix {

class CommandHost;
class PlotView;
class Prompter;
class InteractionTool;

// What the window needs from the program.
struct ScanContourContext {
  SurveyHeader header;
  SurveyPlacement placement;
  std::string project_folder;
  std::vector<std::string> project_files;  // header, trace and X/Y files
  ColourSets colour_sets = DefaultColourSets();
  Prompter* prompter = nullptr;  // Qt dialogs over the window when null
  std::function<void(QWidget*)> show_help;
};

class ScanContourWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit ScanContourWindow(ScanContourContext context, QWidget* parent = nullptr);
  ~ScanContourWindow() override;

  // Runs a command of the menu by number.
  bool Dispatch(int id);
  // Opens a scan: bitmaps through the project's reader, PNG, TIFF and JPEG
  // through Qt's image readers. Corner selection starts.
  bool OpenScanFile(const QString& path);
  // Scans a page from the device into the window.
  bool AcquireFrom(const std::string& device);

  ScanDocument& document() { return document_; }
  PlotView* view() const { return view_; }
  CommandHost* commands() const { return commands_; }
  QLabel* status() const { return status_; }
  QDialog* corners_box() const { return corners_box_; }
  const std::string& source() const { return source_; }

  // Runs a modal dialog; tests replace it to fill dialogs in.
  DialogRunner run_dialog;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ScanActions Actions();
  void Changed();  // marks and the drawing
  void Refresh();  // caption, mode box and menu marks
  void ShowModeBox();
  void OpenBitmap();
  void SelectSource();
  void Acquire();
  std::optional<std::int16_t> AskContourValue();
  void ChooseColours();
  void ChooseOptions();
  void ChooseWells();
  void ChooseScale();

  ScanContourContext context_;
  ScanDocument document_;
  CommandHost* commands_;
  Prompter* prompter_;
  PlotView* view_;
  QLabel* status_;
  QDialog* corners_box_;
  QLabel* corners_text_;
  std::unique_ptr<InteractionTool> tool_;
  ScanActions actions_;
  std::string source_;
};

}  // namespace quarrix
