#include "workspace/ui/horizon_popup.h"

#include <QAction>
#include <QMenu>

#include "workspace/workspace_commands.h"

namespace quarrix {

void ShowHorizonPopupMenu(QWidget* owner, const Workspace& workspace, QPoint global,
                          const std::function<void(int id)>& chosen) {
  QMenu menu(owner);
  for (const PopupItem& item : HorizonPopupMenu(workspace)) {
    if (item.id == workspace_command::kPopupCreateHorizon) menu.addSeparator();
    QAction* action = menu.addAction(QString::fromStdString(item.text));
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, owner, [chosen, id] { chosen(id); });
  }
  menu.exec(global);
}

}  // namespace quarrix
