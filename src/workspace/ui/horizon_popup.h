#pragma once
// The right-button menus of the section and map windows: the open horizons
// (or faults), the current one checked, then "Create Horizon" (or "Create
// Fault") after a separator.
#include <QPoint>
#include <functional>
#include <vector>

class QWidget;

namespace quarrix {

struct PopupItem;
struct Workspace;

void ShowPopupItems(QWidget* owner, const std::vector<PopupItem>& items, QPoint global,
                    const std::function<void(int id)>& chosen);
void ShowHorizonPopupMenu(QWidget* owner, const Workspace& workspace, QPoint global,
                          const std::function<void(int id)>& chosen);
void ShowFaultPopupMenu(QWidget* owner, const Workspace& workspace, QPoint global,
                        const std::function<void(int id)>& chosen);

}  // namespace quarrix
