#include "loader/ui/choice_dialogs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>

#include "loader/ui/dialog_fields.h"
#include "loader/ui/loader_state.h"

namespace quarrix {
namespace {

constexpr int k3D = 0, k2D = 1;

void Check(QButtonGroup* group, int code) {
  if (QAbstractButton* button = group->button(code)) button->setChecked(true);
}

}  // namespace

SourceDialog::SourceDialog(int source, bool two_d, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Select Data Source and Type");
  auto* form = new QFormLayout(this);
  form->addRow(RadioBox("Data Source",
                        {{"SCSI SEGY Tape", kSourceTape},
                         {"SEGY Disk File", kSourceDisk},
                         {"Quarrix to SEGY", kSourceExport}},
                        source, sources_, this));
  form->addRow(
      RadioBox("Data Type", {{"3D Data", k3D}, {"2D Data", k2D}}, two_d ? k2D : k3D, types_, this));
  AddDialogButtons(this, form, "Next", "Cancel");
}

int SourceDialog::source() const {
  return sources_->checkedId();
}

bool SourceDialog::two_d() const {
  return types_->checkedId() == k2D;
}

void SourceDialog::Choose(int source, bool two_d) {
  Check(sources_, source);
  Check(types_, two_d ? k2D : k3D);
}

ConversionTypeDialog::ConversionTypeDialog(int conversion, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Conversion Type");
  auto* form = new QFormLayout(this);
  if (conversion == kConvertPcSegy || conversion == kConvertDisk) conversion = kConvertAuto;
  form->addRow(RadioBox("Conversion Type",
                        {{"Auto Convert to Quarrix", kConvertAuto},
                         {"Manual Convert to Quarrix", kConvertManual},
                         {"Copy Only no Conversion", kConvertCopy},
                         {"Convert to PC SEGY", kConvertPcSegy}},
                        conversion, codes_, this));
  codes_->button(kConvertPcSegy)->setEnabled(false);
  AddDialogButtons(this, form, "Next", "Cancel");
}

int ConversionTypeDialog::conversion() const {
  return codes_->checkedId();
}

void ConversionTypeDialog::Choose(int conversion) {
  Check(codes_, conversion);
}

}  // namespace quarrix
