#pragma once
// The right-button menu of the section and map windows: the open horizons,
// the current one checked, then "Create Horizon".
#include <QPoint>
#include <functional>

class QWidget;

namespace quarrix {

struct Workspace;

void ShowHorizonPopupMenu(QWidget* owner, const Workspace& workspace, QPoint global,
                          const std::function<void(int id)>& chosen);

}  // namespace quarrix
