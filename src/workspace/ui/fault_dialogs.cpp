#include "workspace/ui/fault_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "project/survey_header.h"

namespace quarrix {
namespace {

void AddOkCancel(QDialog* dialog, QLayout* layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace

EraseFaultRangeDialog::EraseFaultRangeDialog(const SurveyHeader& h, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Erase Faults Range");
  setProperty("help_page", "erase_faults_range.html");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString("Lines %1 - %2    Traces %3 - %4")
                                   .arg(h.first_line)
                                   .arg(h.last_line)
                                   .arg(h.first_trace)
                                   .arg(h.last_trace),
                               this));
  auto* form = new QFormLayout;
  const char* labels[4] = {"Start Line", "End Line", "Start Trace", "End Trace"};
  const int values[4] = {h.first_line, h.last_line, h.first_trace, h.last_trace};
  for (int k = 0; k < 4; ++k) {
    fields_[k] = new QLineEdit(QString::number(values[k]), this);
    form->addRow(labels[k], fields_[k]);
  }
  layout->addLayout(form);
  AddOkCancel(this, layout);
}

bool EraseFaultRangeDialog::values(int out[4]) const {
  for (int k = 0; k < 4; ++k) {
    bool ok = false;
    out[k] = fields_[k]->text().trimmed().toInt(&ok);
    if (!ok) return false;
  }
  return true;
}

InterpolationOptionsDialog::InterpolationOptionsDialog(QWidget* parent)
    : QDialog(parent),
      linear_(new QRadioButton("Linear Interpolation", this)),
      gridding_(new QRadioButton("Gridding Interpolation", this)) {
  setWindowTitle("Interpolation Options");
  setProperty("help_page", "interpolation_options.html");
  linear_->setChecked(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(linear_);
  layout->addWidget(gridding_);
  AddOkCancel(this, layout);
}

}  // namespace quarrix
