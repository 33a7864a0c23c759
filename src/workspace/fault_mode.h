#pragma once
// The workspace's fault mode without its windows: the open faults and the
// current one, the segment gesture and the toolbar edits of the current
// fault through the fault engine (each remembered for the one-step undo),
// and the fault layers every section window draws.
#include <functional>
#include <optional>
#include <string>

#include "fault/fault_actions.h"
#include "fault/fault_grid.h"
#include "horizon/pick_section.h"
#include "platform/interaction_tool.h"
#include "workspace/pick_window.h"

namespace quarrix {

class Progress;
class Prompter;
struct SectionPlot;
struct Workspace;

// The fault commands' view of the workspace.
FaultWorkspace FaultsOf(const Workspace& workspace);

// "FAULT - %s" with the current fault's name ("" without one).
std::string FaultFieldText(const Workspace& workspace);

// Reads the current fault, remembers it for undo, applies the edit and saves
// it. False when no fault is current or the file could not be read or
// written (said; the file stays as it was).
bool EditFault(Workspace& workspace, Prompter& prompter,
               const std::function<void(FaultGrid&)>& edit);

// The segment gesture between two section positions and times; while "Erase
// Fault" is down it nulls the walked cells instead, and releases the button.
bool PickFaultSegment(Workspace& workspace, const PickSection& section, int position1, int time1,
                      int position2, int time2, Prompter& prompter);

// "Set Fault from Previous": the window's section takes the cells of the
// section it showed before; false when it has shown no other.
bool FaultFromPrevious(Workspace& workspace, const PickWindowState& window, Prompter& prompter);

// "Interpolate Faults" on the current fault, linear or by gridding (with
// progress). False when nothing was saved or gridding failed (said).
bool InterpolateCurrentFault(Workspace& workspace, bool gridding, Progress& progress,
                             Prompter& prompter);
// "Uninterpolate Faults": only the seeds stay.
bool UninterpolateCurrentFault(Workspace& workspace, Prompter& prompter);

// Creates a fault from a section window's pop-up menu: asks for the file,
// makes it, appends it to the open faults and makes it current.
bool CreateOpenFault(Workspace& workspace, Prompter& prompter);

// Adds a drawing pass per open fault over the window's section: the previous
// section's cells first when "Show Previous Fault" is on, then this section's.
void AddFaultLayers(const Workspace& workspace, const PickWindowState& window, SectionPlot& plot,
                    Prompter& prompter);

// The section windows' mouse in fault mode: a left press starts a segment
// and the release ends it; Esc drops the gesture and releases "Erase Fault".
class FaultPickTool : public InteractionTool {
 public:
  FaultPickTool(Workspace& workspace, PickWindowState& window, Prompter& prompter,
                std::function<const TracePlotGeometry*()> geometry, std::function<void()> edited);

  ToolEffect Press(Point p, unsigned keys) override;
  ToolEffect Release(Point p, unsigned keys) override;
  ToolEffect Escape() override;

 private:
  std::optional<SectionPoint> At(Point p) const;

  Workspace& workspace_;
  PickWindowState& window_;
  Prompter& prompter_;
  std::function<const TracePlotGeometry*()> geometry_;
  std::function<void()> edited_;
  std::optional<SectionPoint> start_;
};

}  // namespace quarrix
