// The workspace frame's contour maps, "Contour Options", the values view of a
// map and the map output commands.
#include <QLabel>

#include "horizon/horizon_location.h"
#include "map/ui/horizon_values_window.h"
#include "platform/file_message.h"
#include "platform/paths.h"
#include "platform/plot_file_dialogs.h"
#include "platform/prompter.h"
#include "platform/ui/printer_settings.h"
#include "workspace/contour_map.h"
#include "workspace/ui/contour_options_dialog.h"
#include "workspace/ui/map_window.h"
#include "workspace/ui/workspace_frame.h"
#include "workspace/workspace.h"

namespace quarrix {

// "Open Contour File": a horizon or a time slice, the current horizon proposed.
void WorkspaceFrame::CommandPlotContour() {
  const std::optional<HorizonLocation> horizon = CurrentHorizon(workspace_);
  auto path =
      prompter_->OpenFile({.title = "Open Contour File",
                           .filter_names = {"Horizon Files (*.hor)", "Time Slice Files (*.slc)"},
                           .filter_patterns = {"*.hor", "*.slc"},
                           .initial_directory = workspace_.folder,
                           .initial_file = horizon ? FileNameOf(horizon->path) : std::string()});
  if (!path) return;
  // A file that is not a grid of this survey is told, not shown as an empty map.
  MapWindow* map = OpenMap(MapKind::Contour, *path);
  if (map->picture().readable) return;
  prompter_->Tell(NamingFile("Cannot read the grid of this file.", *path), "Open Contour File",
                  MessageIcon::Warning);
  map->parentWidget()->close();
}

// The options are checked before they replace the old ones; unusable values
// are told and change nothing.
void WorkspaceFrame::CommandContourOptions() {
  ColourBar bar;
  SetDefaultColourBar(bar);
  for (MapWindow* map : findChildren<MapWindow*>())
    if (map->view_state().kind == MapKind::Contour && map->picture().readable) {
      bar = map->picture().bar;
      break;
    }
  ContourOptionsDialog dialog(FormFromContourOptions(workspace_.contour_options, bar), this);
  if (!run_dialog(dialog)) return;
  const std::string problem =
      ApplyContourOptionsForm(dialog.form(), workspace_.header(), workspace_.contour_options);
  if (!problem.empty()) {
    prompter_->Tell(problem, "Contour Options", MessageIcon::Warning);
    return;
  }
  for (MapWindow* map : findChildren<MapWindow*>())
    if (map->view_state().kind == MapKind::Contour) map->Repaint();
}

// "View Horizon": the active map's grid over its zoom window, as a table.
void WorkspaceFrame::CommandViewHorizonValues() {
  MapWindow* map = ActiveMap();
  if (!map || !map->picture().readable) return;
  auto* window =
      new HorizonValuesWindow(map->picture().grid, workspace_.header(), map->view_state().zoom,
                              FileNameOf(map->picture().path), this);
  window->setProperty("help_page", "view_horizon.html");
  window->show();
}

void WorkspaceFrame::CommandPrintMap() {
  MapWindow* map = ActiveMap();
  if (!map) return;
  if (!printer_) printer_ = std::make_unique<PrinterSettings>();
  map->Print(*printer_);
}

void WorkspaceFrame::CommandSaveMapMetafile() {
  MapWindow* map = ActiveMap();
  if (!map || !map->picture().readable) return;
  if (auto path = ChooseMetafileName(*prompter_, workspace_.folder)) map->SaveMetafile(*path);
}

}  // namespace quarrix
