#include "horizon/ui/pick_edit_frame.h"

#include <QLabel>

namespace quarrix {

PickEditFrame::PickEditFrame(QWidget* parent) : QMainWindow(parent, Qt::Window) {
  setWindowTitle("Test");
  resize(700, 500);
  auto* label = new QLabel(tr("The pick/edit workspace is not available yet."), this);
  label->setAlignment(Qt::AlignCenter);
  setCentralWidget(label);
}

void PickEditFrame::Dispatch(int command_id) {
  received_.push_back(command_id);
}

}  // namespace quarrix
