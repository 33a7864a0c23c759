#include "section/ui/run_centred.h"

#include <QDialog>

#include "platform/ui/centre_window.h"

namespace quarrix {

int RunCentred(QDialog& dialog, QWidget* parent) {
  dialog.adjustSize();
  CentreWindow(&dialog, parent);
  return dialog.exec();
}

}  // namespace quarrix
