#include "loader/ui/loader_window.h"

#include <QLabel>
#include <QMenuBar>

namespace quarrix {

LoaderWindow::LoaderWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Ingestor");
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
  auto* label = new QLabel(tr("Load SEG-Y data from disk or tape into a Quarrix project."), this);
  label->setAlignment(Qt::AlignCenter);
  setCentralWidget(label);
  resize(640, 400);
}

}  // namespace quarrix
