// The workspace frame in fault mode: the fault tool bar with the current
// fault's field, the fault pop-up menu and the fault commands with dialogs.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QToolBar>
#include <algorithm>
#include <map>

#include "fault/fault_edits.h"
#include "platform/prompter.h"
#include "platform/ui/command_host.h"
#include "platform/ui/qt_progress.h"
#include "workspace/fault_commands.h"
#include "workspace/fault_mode.h"
#include "workspace/ui/fault_dialogs.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/workspace_dialogs.h"
#include "workspace/ui/workspace_events.h"
#include "workspace/ui/workspace_frame.h"

namespace quarrix {

// The fault tool bar takes the place of the horizon tool bar in fault mode.
void WorkspaceFrame::BuildFaultToolBar() {
  using namespace workspace_command;
  static const std::map<int, const char*> kMarks = {
      {kEraseFault, "EF"},          {kEraseFaultRange, "ER"},   {kShowPreviousFault, "PF"},
      {kFaultFromPrevious, "FP"},   {kShiftFaultLeft, "<-"},    {kShiftFaultRight, "->"},
      {kShiftFaultUp, "Up"},        {kShiftFaultDown, "Dn"},    {kInterpolateFaults, "Int"},
      {kUninterpolateFaults, "UI"}, {kUndoFaultOperation, "U"}, {kPickHorizons, "H"}};
  fault_bar_ = addToolBar("Fault");
  fault_bar_->setObjectName("fault_tool_bar");
  for (int id : FaultToolBar()) {
    QAction* action = commands_->action(id);
    if (!action) continue;
    if (auto mark = kMarks.find(id); mark != kMarks.end()) {
      action->setToolTip(action->text());
      action->setIconText(mark->second);
    }
    if (id == kEraseFault || id == kShowPreviousFault) action->setCheckable(true);
    fault_bar_->addAction(action);
  }
  fault_field_ = new QLineEdit(this);
  fault_field_->setReadOnly(true);
  fault_field_->setMaximumWidth(220);
  fault_bar_->addWidget(fault_field_);
  // A gesture releases "Erase Fault" and may change what undo offers.
  connect(events_, &WorkspaceEvents::changed, this, [this] { commands_->Refresh(); });
  for (int id : {kPickFaults, kPickHorizons})
    if (QAction* action = commands_->action(id))
      connect(action, &QAction::triggered, this, [this] {
        ShowMode();
        RepaintAll();
      });
}

void WorkspaceFrame::ShowMode() {
  const bool faults = workspace_.settings.interaction_mode == kModeFaults;
  if (fault_bar_) fault_bar_->setVisible(faults);
  if (QToolBar* bar = commands_->tool_bar()) bar->setVisible(!faults);
  if (fault_field_) fault_field_->setText(QString::fromStdString(FaultFieldText(workspace_)));
  commands_->Refresh();
}

bool WorkspaceFrame::DispatchFaultPopup(int command_id) {
  using namespace workspace_command;
  const int fault = command_id - kFaultMenuFirst;
  if (command_id == kPopupCreateFault) {
    if (CreateOpenFault(workspace_, *prompter_)) ShowMode();
    return true;
  }
  if (fault < 0 || fault >= kFaultMenuCount) return false;
  if (fault < static_cast<int>(workspace_.faults.names.size())) {
    workspace_.faults.current = fault;
    ShowMode();
  }
  return true;
}

void WorkspaceFrame::CommandOpenFaults() {
  HorizonListDialog dialog(ListFaultFiles(workspace_.folder), workspace_.faults.names, true, this);
  dialog.setWindowTitle("Select Faults");
  dialog.setProperty("help_page", "select_faults.html");
  if (!run_dialog(dialog)) return;
  SelectFaults(workspace_.faults, dialog.chosen(), *prompter_);
  ShowMode();
  RepaintAll();
}

void WorkspaceFrame::CommandSelectFault() {
  const std::string* current = workspace_.faults.Current();
  HorizonListDialog dialog(
      workspace_.faults.names,
      current ? std::vector<std::string>{*current} : std::vector<std::string>{}, false, this);
  dialog.setWindowTitle("Select Fault to Pick / Edit");
  dialog.setProperty("help_page", "select_fault.html");
  if (!run_dialog(dialog)) return;
  const auto& names = workspace_.faults.names;
  const auto chosen = dialog.chosen();
  workspace_.faults.current =
      chosen.empty()
          ? -1
          : static_cast<int>(std::find(names.begin(), names.end(), chosen[0]) - names.begin());
  ShowMode();
}

void WorkspaceFrame::CommandEraseFaultRange() {
  if (!workspace_.faults.Current()) return;
  EraseFaultRangeDialog dialog(workspace_.header(), this);
  int v[4];
  if (!run_dialog(dialog)) return;
  if (!dialog.values(v)) {
    prompter_->Tell("The line and trace numbers must be whole numbers.", "Erase Faults Range",
                    MessageIcon::Warning);
    return;
  }
  const SurveyHeader& h = workspace_.header();
  if (EditFault(workspace_, *prompter_, [&](FaultGrid& grid) {
        EraseFaultRangeByNumbers(grid, h, v[0], v[1], v[2], v[3]);
      }))
    RepaintAll();
}

void WorkspaceFrame::CommandInterpolateFaults() {
  if (!workspace_.faults.Current()) return;
  InterpolationOptionsDialog dialog(this);
  if (!run_dialog(dialog)) return;
  QtProgress progress(this, "Interpolate Faults");
  if (!InterpolateCurrentFault(workspace_, dialog.gridding()->isChecked(), progress, *prompter_))
    return;
  QApplication::beep();
  RepaintAll();
}

void WorkspaceFrame::CommandUninterpolateFaults() {
  if (!UninterpolateCurrentFault(workspace_, *prompter_)) return;
  QApplication::beep();
  RepaintAll();
}

}  // namespace quarrix
