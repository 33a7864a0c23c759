#include "workspace/ui/horizon_popup.h"

#include <QAction>
#include <QMenu>

#include "workspace/fault_commands.h"
#include "workspace/workspace_commands.h"

namespace quarrix {

void ShowPopupItems(QWidget* owner, const std::vector<PopupItem>& items, QPoint global,
                    const std::function<void(int id)>& chosen) {
  QMenu menu(owner);
  for (const PopupItem& item : items) {
    if (item.id == workspace_command::kPopupCreateHorizon ||
        item.id == workspace_command::kPopupCreateFault)
      menu.addSeparator();
    QAction* action = menu.addAction(QString::fromStdString(item.text));
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, owner, [chosen, id] { chosen(id); });
  }
  menu.exec(global);
}

void ShowHorizonPopupMenu(QWidget* owner, const Workspace& workspace, QPoint global,
                          const std::function<void(int id)>& chosen) {
  ShowPopupItems(owner, HorizonPopupMenu(workspace), global, chosen);
}

void ShowFaultPopupMenu(QWidget* owner, const Workspace& workspace, QPoint global,
                        const std::function<void(int id)>& chosen) {
  ShowPopupItems(owner, FaultPopupMenu(workspace), global, chosen);
}

}  // namespace quarrix
