#include "scan/ui/scan_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/prompter.h"
#include "platform/ui/dialog_buttons.h"
#include "scan/scan_edits.h"

namespace quarrix {
ContourValueDialog::ContourValueDialog(std::int16_t value, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      field_(new QLineEdit(QString::number(value), this)),
      follow_(new QRadioButton("Follow Contour Line", this)),
      trace_(new QRadioButton("Trace Contour Line", this)),
      value_(value) {
  setWindowTitle("Select");
  setProperty("help_page", "scan_contour_value.html");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow("Contour Value", field_);
  layout->addLayout(form);
  follow_->setChecked(true);
  layout->addWidget(follow_);
  layout->addWidget(trace_);
  layout->addWidget(OkCancel(this));
  field_->selectAll();
}

void ContourValueDialog::accept() {
  std::string problem;
  const std::optional<std::int16_t> value =
      ParseContourValue(field_->text().toStdString(), problem);
  if (!value) {
    prompter_.Tell(problem, "Select", MessageIcon::Warning);
    field_->setFocus();
    return;
  }
  value_ = *value;
  QDialog::accept();
}

ScannerSourceDialog::ScannerSourceDialog(const std::vector<ScannerDevice>& devices,
                                         const std::string& current, QWidget* parent)
    : QDialog(parent), devices_(devices), list_(new QListWidget(this)) {
  setWindowTitle("Select Source");
  setProperty("help_page", "scan_select_source.html");
  auto* layout = new QVBoxLayout(this);
  for (const ScannerDevice& device : devices_) {
    list_->addItem(QString::fromStdString(device.name + "  " + device.description));
    if (device.name == current) list_->setCurrentRow(list_->count() - 1);
  }
  if (list_->currentRow() < 0 && list_->count() > 0) list_->setCurrentRow(0);
  layout->addWidget(list_);
  layout->addWidget(OkCancel(this));
  resize(420, 240);
}

std::string ScannerSourceDialog::chosen() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(devices_.size()) ? devices_[row].name : "";
}

}  // namespace quarrix
