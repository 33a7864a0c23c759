#include "app/ui/monitor_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "app/setup_settings.h"

namespace quarrix {

MonitorDialog::MonitorDialog(SetupSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle("Set Monitor Size");
  auto* form = new QFormLayout(this);
  const char* labels[4] = {"Horizontal Pixels Per Inch", "Vertical Pixels Per Inch",
                           "Screen Width (pixels)", "Screen Height (pixels)"};
  int values[4] = {settings.glppix, settings.glppiy, settings.glscrnxpix, settings.glscrnypix};
  for (int k = 0; k < 4; ++k) {
    boxes_[k] = new QSpinBox(this);
    boxes_[k]->setRange(1, 100000);
    boxes_[k]->setValue(values[k]);
    form->addRow(tr(labels[k]), boxes_[k]);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

void MonitorDialog::accept() {
  settings_.glppix = boxes_[0]->value();
  settings_.glppiy = boxes_[1]->value();
  settings_.glscrnxpix = boxes_[2]->value();
  settings_.glscrnypix = boxes_[3]->value();
  QDialog::accept();
}

}  // namespace quarrix
