#pragma once
// A map window of the workspace: the time or amplitude map of the current
// horizon, a time slice, or the contours of a horizon or slice file, drawn in
// a PlotView with the map mouse tool. The wheel zooms about the pointer, a
// middle-button drag pans and Home shows the whole survey again. While a
// contour map draws, the levels are told and any key stops it.
#include <QPoint>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

#include "map/map_display_options.h"
#include "map/map_window_overlays.h"
#include "map/ui/map_choices.h"
#include "platform/plot_output.h"
#include "workspace/map_edits.h"
#include "workspace/map_view.h"
#include "workspace/map_view_drawing.h"

namespace quarrix {

class MapMouseTool;
class PlotView;
struct PrinterSettings;
class Prompter;
class WorkspaceEvents;
struct Workspace;

class MapWindow : public QWidget {
  Q_OBJECT
 public:
  MapWindow(Workspace& workspace, WorkspaceEvents& events, Prompter& prompter, MapKind kind,
            std::string slice_path = {}, QWidget* parent = nullptr);
  ~MapWindow() override;

  // The map's own commands (zoom, polygon region, region edits, autopick);
  // false for a command the map does not handle.
  bool Run(int command_id);
  // Reads the grid again and repaints.
  void Redraw();
  void RedrawNow();
  // Repaints without reading the grid (section windows moved).
  void Repaint();

  // Starts digitising an arbitrary line; Esc saves it to the file.
  void StartArbitraryLine(const std::string& path);
  // Posts wells: ".wll" files and ".lgv" groups of the project folder, each
  // well once, labelled and sorted as the choice says.
  void SetWells(const WellChoice& choice);
  void SetWells(const std::vector<std::string>& names, bool label, double symbol_inches);
  const std::vector<std::string>& well_names() const { return wells_.names; }
  const WellChoice& well_choice() const { return wells_; }
  const MapOptions& map_options() const { return options_; }
  void SetMapOptions(const MapOptions& options);
  const std::vector<std::string>& culture_paths() const { return culture_paths_; }
  // Draws DXF culture (at most ten files); none switches it off. False with
  // the problem told when a file could not be read (the others are drawn).
  bool SetCulture(const std::vector<std::string>& paths);

  MapViewState& view_state() { return view_; }
  const MapGeometry* geometry() const;
  PlotView* view() const { return view_widget_; }
  MapWindowOverlays& overlays() { return overlays_; }
  const MapPicture& picture() const { return picture_; }

  // The map as a page of the window's size on the screen, drawn by the same
  // function as the screen (printing and metafiles).
  PlotPage Page() const;
  DrawPlot PageDrawing();
  // "Print Map": the print dialog, then one page per copy; false on Cancel.
  bool Print(PrinterSettings& printer);
  // Prints on a chosen printer without asking (tests print to PDF).
  bool PrintTo(QPrinter& printer, int copies);
  // "Save Map As Meta File" into a chosen path; false (told) when it fails.
  bool SaveMetafile(const std::string& path);

  // Where the section windows are, drawn as lines on the map.
  std::function<SectionMarks()> section_marks;
  // "Autopick Options" filled in; false when cancelled.
  std::function<bool(AutopickChoice&)> choose_autopick;
  // "Gridding Options" for one gridding run.
  GriddingOptionsQuestion choose_gridding;
  // Shows the map's dialogs ("Select Color Scheme", "Map Options", ...).
  DialogRunner run_dialog = ExecDialog;

 signals:
  void readout(const QString& line, const QString& trace, const QString& value);
  // The cell under the pointer, for the sections' cross-hair.
  void cursorCell(int row, int column);
  // Shift-click: the in-line (true) at a line index or the cross-line at a trace index.
  void sectionWanted(bool inline_window, int index);
  // A command chosen from the horizon pop-up menu.
  void commandChosen(int id);
  // What the drawing is doing ("Contour Level %d"), empty when done.
  void drawNote(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowReadout(double x, double y);
  MapGeometry DrawOn(Canvas& canvas, Rect client, Progress* progress);
  void ZoomChanged();
  void ShowPopupMenu(QPoint global);
  bool HandleViewEvent(QEvent* event);
  void Autopick();
  void SaveArbitraryLine(const std::vector<GridCell>& vertices);

  Workspace& workspace_;
  WorkspaceEvents& events_;
  Prompter& prompter_;
  MapViewState view_;
  MapPicture picture_;
  MapWindowOverlays overlays_;
  PlotView* view_widget_;
  std::unique_ptr<MapMouseTool> tool_;
  std::optional<QPoint> pan_from_;
  void ChooseColours();
  void ChooseWellOptions();
  void ReadWells();

  WellChoice wells_;
  MapOptions options_;
  std::vector<std::string> culture_paths_;
};

}  // namespace quarrix
