#pragma once
// An in-line, cross-line or arbitrary-line pick window: the section drawn by
// the section renderer with the workspace's horizons, picked with the mouse
// through the horizon pick tool, moved through the survey by the workspace's
// commands. Only the part of the section in view is drawn (again when
// scrolling uncovers more); the drawn traces are kept while the window shows
// the same section, and after a pick only the overlays (horizons, faults) are
// drawn again, over the part of the window on screen.
#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

#include "map/horizon_map.h"
#include "section/section_render.h"
#include "section/trace_plot.h"
#include "workspace/pick_window.h"
#include "workspace/section_layers.h"

namespace quarrix {

class CrossHair;
class FaultPickTool;
class HorizonPickTool;
class ModeTool;
class PlotView;
class SectionView;
class Prompter;
class WorkspaceEvents;
struct Workspace;

class SectionPickWindow : public QWidget {
  Q_OBJECT
 public:
  SectionPickWindow(Workspace& workspace, WorkspaceEvents& events, Prompter& prompter,
                    PickWindowState state, QWidget* parent = nullptr);
  ~SectionPickWindow() override;

  // Moves by steps (Go To Previous/Next, Go Back/Forward) and repaints.
  void Move(int steps);
  // Shows a line number (in-lines) or trace number (cross-lines).
  bool ShowNumber(int number);
  void ShowPosition(int position);
  // Shows another arbitrary line (an arbitrary window) from offset 0.
  void ShowArbitraryLine(const std::string& arb_path);
  // The displayed times after "Pick Trace Options".
  void ShowTimes(int first_ms, int last_ms);
  // Marks the map cursor's cell: the column of its trace (in-lines) or line
  // (cross-lines); none hides the mark.
  void ShowCrossHair(std::optional<GridCell> cell);
  const CrossHair* cross_hair() const { return cross_hair_; }
  // Reads the section and horizons again and repaints.
  void Redraw();
  void RedrawNow();
  // Reads the horizons and faults again and draws them over the kept traces.
  void RedrawOverlays();

  const PickWindowState& state() const { return state_; }
  PlotView* view() const;
  const TracePlotGeometry* geometry() const;
  // The drawn part of the plot as the window shows it (its top left at
  // view()->image_origin()): the traces with the overlays over them.
  QImage picture() const;

 signals:
  void readout(const QString& text);
  // A command chosen from the right-button menu.
  void commandChosen(int id);
  // A click in the annotation band that no open window took: the crossing
  // section (a cross-line for trace indexes, an in-line for line indexes).
  void crossingWanted(int kind, int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowReadout(double x, double y);
  void PaintOverlays(class QPainter& painter) const;
  void ShowPopupMenu(QPoint global, bool faults);
  void UpdateCaption();

  Workspace& workspace_;
  WorkspaceEvents& events_;
  Prompter& prompter_;
  PickWindowState state_;
  std::optional<SectionLayers> layers_;
  SectionView* view_;
  std::unique_ptr<HorizonPickTool> tool_;
  CrossHair* cross_hair_;
  std::unique_ptr<FaultPickTool> fault_tool_;
  std::unique_ptr<ModeTool> mode_tool_;  // hands the mouse to the tool of the mode
};

}  // namespace quarrix
