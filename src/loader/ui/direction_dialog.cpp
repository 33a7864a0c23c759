#include "loader/ui/direction_dialog.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "loader/ui/direction_picture.h"

namespace quarrix {

DirectionDialog::DirectionDialog(const CoverageGrid& grid, int candidate, QWidget* parent)
    : QDialog(parent), picture_(new DirectionPicture(grid, this)) {
  auto* menu_bar = new QMenuBar(this);
  for (int id = 1; id <= kContinue; ++id) {
    QAction* action =
        menu_bar->addAction(id == kContinue ? QString("&Continue") : QString("&%1").arg(id));
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    actions_[id] = action;
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(menu_bar);
  layout->addWidget(picture_);
  resize(640, 540);
  Dispatch(candidate >= 1 && candidate <= 8 ? candidate : 4);
}

QAction* DirectionDialog::action(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

int DirectionDialog::corner() const {
  return picture_->corner();
}

void DirectionDialog::Dispatch(int command) {
  if (command >= 1 && command <= 8) {
    picture_->SetCorner(command);
    setWindowTitle(QString("Determine Direction - Corner %1").arg(command));
  } else if (command == kContinue) {
    accept();
  }
}

}  // namespace quarrix
